// The module kavrion-rapor-cizim: the gantt and ag commands and the status report in PDF,
// with the drawing code and Qt Gui.
#include "CizimModulu.h"
#include "IlerlemeYazimi.h"
#include "Iletiler.h"
#include "RaporOkuma.h"
#include "drawing/DurumRaporu.h"
#include "drawing/GorselCikti.h"
#include "rules/BolgeselMetin.h"

#include <QGuiApplication>
#include <QLocale>
#include <type_traits>

namespace {

GorselBicim Gorsel(RaporKomutu::Bicim bicim)
{
    switch (bicim) {
    case RaporKomutu::Bicim::Png: return GorselBicim::Png;
    case RaporKomutu::Bicim::Pdf: return GorselBicim::Pdf;
    default: return GorselBicim::Svg;
    }
}

} // namespace

extern "C" Q_DECL_EXPORT int kavrion_rapor_gantt(int argc, char* argv[], const RaporKomutu& komut)
{
    // Text needs fonts, and fonts a Gui application; it never shows a window, so it
    // needs no display either. The arguments were read already: Qt gets none of them.
    static_assert(std::is_same_v<decltype(&kavrion_rapor_gantt), GanttGirisi>);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (no XDG_RUNTIME_DIR, a font substituted) are for developers: a
    // script reading standard error expects one line from us and nothing else.
    qInstallMessageHandler([](QtMsgType tur, const QMessageLogContext&, const QString& metin) {
        if (tur == QtFatalMsg)
            HataBildir(metin);
    });
    int sayi = argc > 0 ? 1 : 0;
    QGuiApplication uygulama(sayi, argv);
    QLocale::setDefault(BolgeselMetin::KullanilacakYerel(QLocale::system()));

    if (komut.tur == RaporKomutu::Tur::Ilerleme) {
        IlerlemeRaporu r;
        if (const int durum = IlerlemeRaporunuAl(komut, r))
            return durum;
        return DosyayaKaydet(komut, DurumRaporuPdf(r.rapor, r.ilerleme, QFont()));
    }
    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    const bool ag = komut.tur == RaporKomutu::Tur::Ag;
    const QByteArray icerik = ag ? AgGorseliYaz(rapor, Gorsel(komut.bicim), QFont())
                                 : GorselYaz(rapor, Gorsel(komut.bicim), QFont());
    if (icerik.isEmpty())
        return HataBildir(ag ? QStringLiteral("Ağ diyagramı çizilemedi; dosya yazılmadı.")
                             : QStringLiteral("Gantt şeması çizilemedi; dosya yazılmadı."));
    return DosyayaKaydet(komut, icerik);
}
