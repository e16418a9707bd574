#include "ui/export/DisaAktarim.h"

#include "drawing/GorselCikti.h"
#include "drawing/RaporSayfalari.h"
#include "export/CsvYazimi.h"
#include "export/GuvenliYazim.h"
#include "export/MspdiYazimi.h"
#include "store/DepoBilgisi.h"
#include "ui/Mesaj.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

namespace DisaAktarim {
namespace {

struct BiçimBilgisi {
    Biçim biçim;
    const char* süzgeç;
    const char* uzantı;
};

const BiçimBilgisi Biçimler[] = {
    {Biçim::Csv, "CSV: analiz tablosu (*.csv)", "csv"},
    {Biçim::Pdf, "PDF: başlık, tablo ve Gantt şeması, A4 (*.pdf)", "pdf"},
    {Biçim::Svg, "SVG: Gantt şeması (*.svg)", "svg"},
    {Biçim::Png, "PNG: Gantt şeması (*.png)", "png"},
    {Biçim::Xml, "Microsoft Project XML (*.xml)", "xml"},
};

const BiçimBilgisi& Bilgi(Biçim biçim)
{
    for (const BiçimBilgisi& bilgi : Biçimler) {
        if (bilgi.biçim == biçim)
            return bilgi;
    }
    return Biçimler[0];
}

Sorucu& ÖzelSorucu()
{
    static Sorucu sorucu;
    return sorucu;
}

const QString KlasörAyarı = QStringLiteral("DisaAktarim/klasor");
const QString BiçimAyarı = QStringLiteral("DisaAktarim/bicim");

// A file name from the project's name: no folder separators or control characters, not too long.
QString ÖnerilenAd(const QString& proje, Biçim biçim)
{
    QString ad = proje.left(100).trimmed();
    for (QChar& c : ad) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    if (ad.isEmpty() || ad.startsWith(QLatin1Char('.')))
        ad.prepend(QStringLiteral("proje"));
    return ad + QLatin1Char('.') + QLatin1String(Bilgi(biçim).uzantı);
}

// The format follows an extension the user typed when it is one of ours, and the chosen
// filter otherwise; a name without any extension gets the filter's.
Seçim Belirle(QString yol, Biçim süzgeç)
{
    const QString uzantı = QFileInfo(yol).suffix().toLower();
    for (const BiçimBilgisi& bilgi : Biçimler) {
        if (uzantı == QLatin1String(bilgi.uzantı))
            return {yol, bilgi.biçim};
    }
    if (uzantı.isEmpty())
        yol += QLatin1Char('.') + QLatin1String(Bilgi(süzgeç).uzantı);
    return {yol, süzgeç};
}

std::optional<Seçim> Sor(QWidget* sahibi, const QString& önerilen)
{
    if (ÖzelSorucu())
        return ÖzelSorucu()(sahibi, önerilen);
    QStringList süzgeçler;
    for (const BiçimBilgisi& bilgi : Biçimler)
        süzgeçler << QString::fromUtf8(bilgi.süzgeç);
    QFileDialog pencere(sahibi, QStringLiteral("Dışa Aktar"), önerilen);
    pencere.setOption(QFileDialog::DontUseNativeDialog);
    pencere.setAcceptMode(QFileDialog::AcceptSave);
    pencere.setNameFilters(süzgeçler);
    const QString uzantı = QFileInfo(önerilen).suffix();
    for (const BiçimBilgisi& bilgi : Biçimler) {
        if (uzantı == QLatin1String(bilgi.uzantı))
            pencere.selectNameFilter(QString::fromUtf8(bilgi.süzgeç));
    }
    // The dialog adds the chosen format's extension itself, so it asks before replacing that file.
    const auto sonek = [&](const QString& süzgeç) {
        pencere.setDefaultSuffix(QLatin1String(Biçimler[std::max(int(süzgeçler.indexOf(süzgeç)), 0)].uzantı));
    };
    QObject::connect(&pencere, &QFileDialog::filterSelected, &pencere, sonek);
    sonek(pencere.selectedNameFilter());
    if (pencere.exec() != QDialog::Accepted || pencere.selectedFiles().isEmpty())
        return std::nullopt;
    const int sıra = int(süzgeçler.indexOf(pencere.selectedNameFilter()));
    return Seçim{pencere.selectedFiles().constFirst(), Biçimler[std::max(sıra, 0)].biçim};
}

std::optional<Rapor> GösterilenRapor(QWidget* sahibi, const GösterilenKayıtlar& gösterilen)
{
    if (!gösterilen.proje) {
        Mesaj::Göster(sahibi, QStringLiteral("Dışa aktarmak ya da yazdırmak için önce bir proje seçin."),
                      Mesaj::Tür::Bilgi);
        return std::nullopt;
    }
    return Rapor{*gösterilen.proje, AnaliziHesapla(gösterilen.faaliyetler, *gösterilen.proje)};
}

DepoHatası İçerik(const Rapor& rapor, Biçim biçim, const QFont& yazı, QByteArray& içerik)
{
    switch (biçim) {
    case Biçim::Csv: içerik = CsvYaz(rapor, QLocale()); return {};
    case Biçim::Xml: return MspdiYaz(rapor, QDate::currentDate(), içerik);
    case Biçim::Svg: içerik = GörselYaz(rapor, GörselBiçim::Svg, yazı); return {};
    case Biçim::Png: içerik = GörselYaz(rapor, GörselBiçim::Png, yazı); return {};
    case Biçim::Pdf: içerik = GörselYaz(rapor, GörselBiçim::Pdf, yazı); return {};
    }
    return {};
}

class BeklemeİmleciKalıbı {
public:
    BeklemeİmleciKalıbı() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BeklemeİmleciKalıbı() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

void DışaAktar(QWidget* sahibi, const GösterilenKayıtlar& gösterilen, const ProjeDeposu& depo)
{
    const std::optional<Rapor> rapor = GösterilenRapor(sahibi, gösterilen);
    if (!rapor)
        return;
    QSettings ayarlar;
    const auto sonBiçim = Biçim(std::clamp(ayarlar.value(BiçimAyarı).toInt(), 0, int(std::size(Biçimler)) - 1));
    const QString klasör = ayarlar.value(KlasörAyarı, QDir::homePath()).toString();
    const std::optional<Seçim> yanıt = Sor(sahibi, QDir(klasör).filePath(ÖnerilenAd(rapor->proje.ad, sonBiçim)));
    if (!yanıt)
        return;
    const Seçim seçim = Belirle(yanıt->yol, yanıt->biçim);
    ayarlar.setValue(KlasörAyarı, QFileInfo(seçim.yol).absolutePath());
    ayarlar.setValue(BiçimAyarı, int(seçim.biçim));

    DepoBilgisi veritabanı;
    DepoBilgisiniOku(depo, veritabanı); // only its path is wanted, which it gives even when the file cannot be read
    DepoHatası hata;
    {
        const BeklemeİmleciKalıbı bekleme;
        QByteArray içerik;
        hata = İçerik(*rapor, seçim.biçim, sahibi->font(), içerik);
        if (!hata)
            hata = DosyayaYaz(seçim.yol, içerik, veritabanı.yol);
    }
    if (hata)
        Mesaj::HatayıGöster(sahibi, hata);
}

void Yazdır(QWidget* sahibi, const GösterilenKayıtlar& gösterilen)
{
    const std::optional<Rapor> rapor = GösterilenRapor(sahibi, gösterilen);
    if (!rapor)
        return;
    QPrinter yazıcı(QPrinter::HighResolution);
    yazıcı.setPageLayout(RaporSayfaDüzeni());
    yazıcı.setDocName(rapor->proje.ad);
    QPrintPreviewDialog önizleme(&yazıcı, sahibi);
    önizleme.setWindowTitle(QStringLiteral("Yazdır – %1").arg(rapor->proje.ad.left(100)));
    const QFont yazı = sahibi->font();
    QObject::connect(&önizleme, &QPrintPreviewDialog::paintRequested, &önizleme,
                     [&](QPrinter* sayfalar) { RaporuSayfalaraÇiz(*sayfalar, *rapor, yazı); });
    önizleme.exec();
}

void SorucuKur(Sorucu sorucu)
{
    ÖzelSorucu() = std::move(sorucu);
}

} // namespace DisaAktarim
