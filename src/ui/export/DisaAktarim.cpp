#include "ui/export/DisaAktarim.h"

#include "drawing/DurumRaporu.h"
#include "drawing/GorselCikti.h"
#include "drawing/AgSayfalari.h"
#include "drawing/RaporSayfalari.h"
#include "export/CsvYazimi.h"
#include "export/GuvenliYazim.h"
#include "export/IlerlemeSutunlari.h"
#include "export/MspdiYazimi.h"
#include "ui/Mesaj.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPainter>
#include <QPrinter>
#include <QSettings>

namespace DisaAktarim {
namespace {

// Why a project has no status report: said alike by the export and the printout.
DepoHatasi DurumRaporuYok()
{
    return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Durum raporu için projenin bir durum tarihi ve başlama "
                                                              "tarihi olmalı, ağı hesaplanabilmeli. Durum tarihini girip "
                                                              "yeniden deneyin."));
}

struct BicimBilgisi {
    Bicim bicim;
    const char* suzgec;
    const char* uzanti;
};

const BicimBilgisi Bicimler[] = {
    {Bicim::Csv, "CSV: analiz tablosu (*.csv)", "csv"},
    {Bicim::Pdf, "PDF: başlık, tablo ve Gantt şeması, A4 (*.pdf)", "pdf"},
    {Bicim::Svg, "SVG: Gantt şeması (*.svg)", "svg"},
    {Bicim::Png, "PNG: Gantt şeması (*.png)", "png"},
    {Bicim::Xml, "Microsoft Project XML (*.xml)", "xml"},
    {Bicim::HistogramSvg, "SVG: risk histogramı, bitiş dağılımı ve P çizgileri (*.svg)", "svg"},
    {Bicim::HistogramPng, "PNG: risk histogramı, bitiş dağılımı ve P çizgileri (*.png)", "png"},
    {Bicim::KasirgaSvg, "SVG: risk kasırga grafiği, duyarlılıklar (*.svg)", "svg"},
    {Bicim::KasirgaPng, "PNG: risk kasırga grafiği, duyarlılıklar (*.png)", "png"},
    {Bicim::AgSvg, "SVG: ağ diyagramı (*.svg)", "svg"},
    {Bicim::AgPng, "PNG: ağ diyagramı (*.png)", "png"},
    {Bicim::AgPdf, "PDF: ağ diyagramı, A4 sayfalar (*.pdf)", "pdf"},
    {Bicim::DurumPdf, "Durum Raporu (PDF): bitiş o zaman ve şimdi, geciken faaliyetler, göstergeler (*.pdf)", "pdf"},
};

bool RiskBicimi(Bicim bicim)
{
    return bicim >= Bicim::HistogramSvg && bicim <= Bicim::KasirgaPng;
}

bool AgBicimi(Bicim bicim)
{
    return bicim >= Bicim::AgSvg && bicim <= Bicim::AgPdf;
}

// The kind of picture a format writes, as the dialog remembers the last one of each.
int Tur(Bicim bicim)
{
    return RiskBicimi(bicim) ? 1 : AgBicimi(bicim) ? 2 : 0;
}

const BicimBilgisi& Bilgi(Bicim bicim)
{
    for (const BicimBilgisi& bilgi : Bicimler) {
        if (bilgi.bicim == bicim)
            return bilgi;
    }
    return Bicimler[0];
}

Sorucu& OzelSorucu()
{
    static Sorucu sorucu;
    return sorucu;
}

const QString KlasorAyari = QStringLiteral("DisaAktarim/klasor");
const QString BicimAyari = QStringLiteral("DisaAktarim/bicim");

// A file name from the project's name: no folder separators or control characters, not too long.
QString OnerilenAd(const QString& proje, Bicim bicim)
{
    QString ad = proje.left(100).trimmed();
    for (QChar& c : ad) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    if (ad.isEmpty() || ad.startsWith(QLatin1Char('.')))
        ad.prepend(QStringLiteral("proje"));
    if (RiskBicimi(bicim))
        ad += bicim <= Bicim::HistogramPng ? QStringLiteral("-histogram") : QStringLiteral("-kasirga");
    else if (AgBicimi(bicim))
        ad += QStringLiteral("-ag");
    else if (bicim == Bicim::DurumPdf) // beside the Gantt chart's PDF, never over it
        ad += QStringLiteral("-durum");
    return ad + QLatin1Char('.') + QLatin1String(Bilgi(bicim).uzanti);
}

// The chart a format draws: the analysis' own (table and Gantt chart), one of the
// Risk tab's two, the network diagram or the status report. A typed extension never changes it.
int Grafik(Bicim bicim)
{
    return bicim <= Bicim::Xml             ? 0
           : bicim <= Bicim::HistogramPng ? 1
           : bicim <= Bicim::KasirgaPng   ? 2
           : bicim <= Bicim::AgPdf        ? 3
                                          : 4;
}

// During a trial, the choice of the plan a dialog writes, `sunulan` first, labelled and
// added under the dialog's own fields: the next row of Qt's save dialog's grid, or the end
// of the print preview's column.
QComboBox* SurumSecimiEkle(QWidget* pencere, QLayout* duzen, Surum sunulan)
{
    auto* kutu = new QComboBox(pencere);
    kutu->addItems({QStringLiteral("Kayıtlı plan"), DenemeIsareti()});
    kutu->setCurrentIndex(int(sunulan));
    auto* etiket = new QLabel(QStringLiteral("Yazılacak &plan:"), pencere);
    etiket->setBuddy(kutu);
    if (auto* izgara = qobject_cast<QGridLayout*>(duzen)) {
        const int satir = izgara->rowCount();
        izgara->addWidget(etiket, satir, 0);
        izgara->addWidget(kutu, satir, 1);
    } else if (auto* kutular = qobject_cast<QBoxLayout*>(duzen)) {
        auto* satir = new QHBoxLayout;
        satir->addWidget(etiket);
        satir->addWidget(kutu, 1);
        kutular->addLayout(satir);
    }
    return kutu;
}

std::optional<Secim> Sor(QWidget* sahibi, const QString& onerilen, Bicim bicim, std::optional<Surum> sunulan)
{
    if (OzelSorucu())
        return OzelSorucu()(sahibi, onerilen, sunulan);
    QStringList suzgecler;
    for (const BicimBilgisi& bilgi : Bicimler)
        suzgecler << QString::fromUtf8(bilgi.suzgec);
    QFileDialog pencere(sahibi, QStringLiteral("Dışa Aktar"), onerilen);
    pencere.setOption(QFileDialog::DontUseNativeDialog);
    pencere.setAcceptMode(QFileDialog::AcceptSave);
    pencere.setNameFilters(suzgecler);
    pencere.selectNameFilter(QString::fromUtf8(Bilgi(bicim).suzgec));
    // The dialog adds the chosen format's extension itself, so it asks before replacing that file.
    const auto sonek = [&](const QString& suzgec) {
        pencere.setDefaultSuffix(QLatin1String(Bicimler[std::max(int(suzgecler.indexOf(suzgec)), 0)].uzanti));
    };
    QObject::connect(&pencere, &QFileDialog::filterSelected, &pencere, sonek);
    sonek(pencere.selectedNameFilter());
    const QComboBox* surum = sunulan ? SurumSecimiEkle(&pencere, pencere.layout(), *sunulan) : nullptr;
    if (pencere.exec() != QDialog::Accepted || pencere.selectedFiles().isEmpty())
        return std::nullopt;
    const int sira = int(suzgecler.indexOf(pencere.selectedNameFilter()));
    return Secim{pencere.selectedFiles().constFirst(), Bicimler[std::max(sira, 0)].bicim,
                 surum ? std::optional(Surum(surum->currentIndex())) : sunulan};
}

// The plan's analysis or, for the trial while there is one, the trial's, marked as such.
void SurumuKoy(Rapor& rapor, const PlanBelgesi& belge, Surum surum)
{
    rapor.deneme = surum == Surum::Deneme && belge.Denemede();
    rapor.analiz = rapor.deneme ? belge.gosterilenAnaliz() : belge.analiz();
}

std::optional<Rapor> GosterilenRapor(QWidget* sahibi, const PlanBelgesi& belge, Surum surum)
{
    if (!belge.plan()) {
        Mesaj::Goster(sahibi, QStringLiteral("Dışa aktarmak ya da yazdırmak için önce bir proje seçin."),
                      Mesaj::Tur::Bilgi);
        return std::nullopt;
    }
    Rapor rapor{belge.plan()->proje, {}, {}};
    SurumuKoy(rapor, belge, surum);
    if (const DepoHatasi hata = belge.Tahminler(rapor.tahminler)) {
        Mesaj::HatayiGoster(sahibi, hata);
        return std::nullopt;
    }
    return rapor;
}

DepoHatasi Icerik(const Rapor& rapor, const std::optional<RiskGorseli>& risk, Bicim bicim, const QFont& yazi,
                  QByteArray& icerik)
{
    const auto riskCizimi = [&](RiskCizimTuru tur, GorselBicim gorsel) {
        icerik = RiskGorseliYaz(*risk, tur, gorsel, yazi, rapor.proje);
        return DepoHatasi{};
    };
    switch (bicim) {
    case Bicim::Csv: icerik = CsvYaz(rapor, QLocale()); return {};
    case Bicim::Xml: return MspdiYaz(rapor, icerik);
    case Bicim::Svg: icerik = GorselYaz(rapor, GorselBicim::Svg, yazi); return {};
    case Bicim::Png: icerik = GorselYaz(rapor, GorselBicim::Png, yazi); return {};
    case Bicim::Pdf: icerik = GorselYaz(rapor, GorselBicim::Pdf, yazi); return {};
    case Bicim::HistogramSvg: return riskCizimi(RiskCizimTuru::Histogram, GorselBicim::Svg);
    case Bicim::HistogramPng: return riskCizimi(RiskCizimTuru::Histogram, GorselBicim::Png);
    case Bicim::KasirgaSvg: return riskCizimi(RiskCizimTuru::Kasirga, GorselBicim::Svg);
    case Bicim::KasirgaPng: return riskCizimi(RiskCizimTuru::Kasirga, GorselBicim::Png);
    case Bicim::AgSvg: icerik = AgGorseliYaz(rapor, GorselBicim::Svg, yazi); return {};
    case Bicim::AgPng: icerik = AgGorseliYaz(rapor, GorselBicim::Png, yazi); return {};
    case Bicim::AgPdf: icerik = AgGorseliYaz(rapor, GorselBicim::Pdf, yazi); return {};
    case Bicim::DurumPdf: {
        const IlerlemeAnalizi ilerleme = RaporIlerlemesi(rapor);
        if (!ilerleme.var)
            return DurumRaporuYok();
        icerik = DurumRaporuPdf(rapor, ilerleme, yazi);
        return {};
    }
    }
    return {};
}

class BeklemeImleciKalibi {
public:
    BeklemeImleciKalibi() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BeklemeImleciKalibi() { QGuiApplication::restoreOverrideCursor(); }
};

// Only figures of the plan written (the trial's or the stored one's), as it is now, go
// out; a run under way has none yet.
bool RiskYazilabilir(QWidget* sahibi, const std::optional<RiskGorseli>& risk, bool deneme)
{
    if (risk && risk->deneme == deneme)
        return true;
    Mesaj::Goster(sahibi,
                  risk && risk->deneme
                      ? QStringLiteral("Risk sekmesinin grafikleri denemenin; kayıtlı planın grafikleri için önce "
                                       "denemeyi sıfırlayın ya da plana uygulayın.")
                      : QStringLiteral("Dışa aktarılacak güncel bir risk sonucu yok. Ağ Analizi penceresinin Risk "
                                       "sekmesinde benzetimin bitmesini bekleyip yeniden deneyin."),
                  Mesaj::Tur::Bilgi);
    return false;
}

} // namespace

void DisaAktar(QWidget* sahibi, const PlanBelgesi& belge, Surum gosterilen, const std::optional<RiskGorseli>& risk,
               std::optional<Bicim> onerilen)
{
    std::optional<Rapor> rapor = GosterilenRapor(sahibi, belge, gosterilen);
    if (!rapor)
        return;
    QSettings ayarlar;
    auto sonBicim = Bicim(std::clamp(ayarlar.value(BicimAyari).toInt(), 0, int(std::size(Bicimler)) - 1));
    if (onerilen && Tur(*onerilen) != Tur(sonBicim))
        sonBicim = *onerilen;
    const QString klasor = ayarlar.value(KlasorAyari, QDir::homePath()).toString();
    const auto sunulan = belge.Denemede() ? std::optional(gosterilen) : std::nullopt;
    const std::optional<Secim> yanit =
        Sor(sahibi, QDir(klasor).filePath(OnerilenAd(rapor->proje.ad, sonBicim)), sonBicim, sunulan);
    if (!yanit)
        return;
    const Secim secim = Belirle(yanit->yol, yanit->bicim);
    ayarlar.setValue(KlasorAyari, QFileInfo(secim.yol).absolutePath());
    ayarlar.setValue(BicimAyari, int(secim.bicim));
    if (yanit->surum && *yanit->surum != gosterilen)
        SurumuKoy(*rapor, belge, *yanit->surum);
    if (RiskBicimi(secim.bicim) && !RiskYazilabilir(sahibi, risk, rapor->deneme))
        return;

    const QString veritabani = belge.VeritabaniYolu();
    DepoHatasi hata;
    {
        const BeklemeImleciKalibi bekleme;
        QByteArray icerik;
        hata = Icerik(*rapor, risk, secim.bicim, sahibi->font(), icerik);
        // A picture that could not be drawn (too large for memory) comes back empty: no file then.
        if (!hata && icerik.isEmpty())
            hata = DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Resim çizilemedi; dosya yazılmadı."));
        if (!hata)
            hata = DosyayaYaz(secim.yol, icerik, veritabani);
    }
    if (hata)
        Mesaj::HatayiGoster(sahibi, hata);
}

void Yazdir(QWidget* sahibi, const PlanBelgesi& belge, Surum gosterilen, Sayfalar basilacak)
{
    std::optional<Rapor> rapor = GosterilenRapor(sahibi, belge, gosterilen);
    if (!rapor)
        return;
    if (basilacak == Sayfalar::Durum && !RaporIlerlemesi(*rapor).var) {
        Mesaj::HatayiGoster(sahibi, DurumRaporuYok());
        return;
    }
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setPageLayout(basilacak == Sayfalar::Durum ? DurumRaporuSayfasi() : RaporSayfaDuzeni());
    yazici.setDocName(rapor->proje.ad);
    QPrintPreviewDialog onizleme(&yazici, sahibi);
    const auto basligiKoy = [&] {
        const QString baslik = QStringLiteral("Yazdır – %1").arg(rapor->proje.ad.left(100));
        onizleme.setWindowTitle(rapor->deneme ? baslik + QStringLiteral(" – ") + DenemeIsareti() : baslik);
    };
    basligiKoy();
    if (belge.Denemede()) {
        // The pages follow the plan chosen under them.
        const QComboBox* surum = SurumSecimiEkle(&onizleme, onizleme.layout(), gosterilen);
        QObject::connect(surum, &QComboBox::currentIndexChanged, &onizleme, [&](int sira) {
            SurumuKoy(*rapor, belge, Surum(sira));
            basligiKoy();
            if (auto* sayfalar = onizleme.findChild<QPrintPreviewWidget*>())
                sayfalar->updatePreview();
        });
    }
    const QFont yazi = sahibi->font();
    const QString veritabani = belge.VeritabaniYolu();
    QObject::connect(&onizleme, &QPrintPreviewDialog::paintRequested, &onizleme, [&](QPrinter* sayfalar) {
        // Printing to a file writes it in place, page by page.
        const QString dosya = sayfalar->outputFileName();
        if (VeritabaniDosyasi(dosya, veritabani)) {
            const QString neden = QStringLiteral("\"%1\" Kavrion'un veritabanı; üzerine yazdırılamaz.").arg(dosya);
            Mesaj::HatayiGoster(&onizleme, {DepoHatasi::SaltOkunur, neden, QString()});
            return;
        }
        if (basilacak == Sayfalar::Durum) {
            QPainter boyayici(sayfalar);
            DurumRaporunuCiz(boyayici, QRectF(QPointF(0, 0), QSizeF(sayfalar->width(), sayfalar->height())), *rapor,
                             RaporIlerlemesi(*rapor), yazi);
        } else if (basilacak == Sayfalar::Ag)
            AgiSayfalaraCiz(*sayfalar, *rapor, yazi);
        else
            RaporuSayfalaraCiz(*sayfalar, *rapor, yazi);
    });
    onizleme.exec();
}

Secim Belirle(QString yol, Bicim suzgec)
{
    const QString uzanti = QFileInfo(yol).suffix().toLower();
    if (uzanti.isEmpty())
        return {yol + QLatin1Char('.') + QLatin1String(Bilgi(suzgec).uzanti), suzgec};
    for (const BicimBilgisi& bilgi : Bicimler) {
        if (Grafik(bilgi.bicim) == Grafik(suzgec) && uzanti == QLatin1String(bilgi.uzanti))
            return {yol, bilgi.bicim};
    }
    return {yol, suzgec};
}

void SorucuKur(Sorucu sorucu)
{
    OzelSorucu() = std::move(sorucu);
}

} // namespace DisaAktarim
