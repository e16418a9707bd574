// The module kavrion-rapor-cizim: the gantt command, with the drawing code and Qt Gui.
#include "CizimModulu.h"
#include "Iletiler.h"
#include "RaporOkuma.h"
#include "drawing/GorselCikti.h"
#include "rules/BolgeselMetin.h"

#include <QGuiApplication>
#include <QLocale>
#include <type_traits>

namespace {

GörselBiçim Görsel(RaporKomutu::Biçim biçim)
{
    switch (biçim) {
    case RaporKomutu::Biçim::Png: return GörselBiçim::Png;
    case RaporKomutu::Biçim::Pdf: return GörselBiçim::Pdf;
    default: return GörselBiçim::Svg;
    }
}

} // namespace

extern "C" Q_DECL_EXPORT int kavrion_rapor_gantt(int argc, char* argv[], const RaporKomutu& komut)
{
    // Text needs fonts, and fonts a Gui application; it never shows a window, so it
    // needs no display either. The arguments were read already: Qt gets none of them.
    static_assert(std::is_same_v<decltype(&kavrion_rapor_gantt), GanttGirişi>);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (no XDG_RUNTIME_DIR, a font substituted) are for developers: a
    // script reading standard error expects one line from us and nothing else.
    qInstallMessageHandler([](QtMsgType tür, const QMessageLogContext&, const QString& metin) {
        if (tür == QtFatalMsg)
            HataBildir(metin);
    });
    int sayı = argc > 0 ? 1 : 0;
    QGuiApplication uygulama(sayı, argv);
    QLocale::setDefault(BölgeselMetin::KullanılacakYerel(QLocale::system()));

    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    const QByteArray içerik = GörselYaz(rapor, Görsel(komut.biçim), QFont());
    if (içerik.isEmpty())
        return HataBildir(QStringLiteral("Gantt şeması çizilemedi; dosya yazılmadı."));
    return DosyayaKaydet(komut, içerik);
}
