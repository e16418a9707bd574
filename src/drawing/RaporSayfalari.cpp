#include "drawing/RaporSayfalari.h"

#include "text/AnalizMetinleri.h"
#include "drawing/SayfaBoyacisi.h"
#include "drawing/TekSatir.h"
#include "rules/BolgeselMetin.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr int GovdePunto = 9;
constexpr int BaslikYolSiniri = 10;
const QColor KritikSatirRengi(255, 214, 214);
const QColor BaslikSatirRengi(225, 225, 225);

// The table's column widths, relative: the name takes what the figures leave.
// The analysis table's columns, then the estimate's three.
const double SutunPaylari[] = {1.0, 2.6, 0.8, 0.8, 0.8, 0.8, 0.8, 1.7, 1.8, 0.8, 1.4, 1.4, 1.0, 1.1, 1.2};
const QStringList TahminBasliklari{QStringLiteral("İyimser"), QStringLiteral("En Olası"), QStringLiteral("Kötümser")};

// Lays `duzen` out in lines of `genislik`, one under another.
void SatirlaraBol(QTextLayout& duzen, double genislik)
{
    duzen.beginLayout();
    double ic = 0;
    for (QTextLine cizgi = duzen.createLine(); cizgi.isValid(); cizgi = duzen.createLine()) {
        cizgi.setLineWidth(genislik);
        cizgi.setPosition(QPointF(0, ic));
        ic += cizgi.height();
    }
    duzen.endLayout();
}

int SatirSayisi(const QString& metin, const QFont& yazi, double genislik)
{
    QTextLayout duzen(metin, yazi);
    SatirlaraBol(duzen, genislik);
    return duzen.lineCount();
}

// The report's pages, in the body's size, and how far down the page the drawing has come.
class Sayfalar : public SayfaBoyacisi {
public:
    Sayfalar(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
             const QString& proje, const QFont& yazi)
        : SayfaBoyacisi(aygit, duzen, yeniSayfa, proje, GovdeYazisi(yazi))
    {
    }

    double& y() { return m_y; }
    double Kalan() const { return alan().bottom() - m_y; }

    void YeniSayfa()
    {
        SayfaBoyacisi::YeniSayfa();
        m_y = 0;
    }
    // Starts a new page unless `yukseklik` still fits on this one.
    void Sigdir(double yukseklik)
    {
        if (m_y > 0 && yukseklik > Kalan())
            YeniSayfa();
    }

    // Text wrapped to the page's width, going on over as many pages as it needs.
    void Paragraf(const QString& metin, const QFont& yazi)
    {
        QPainter& boyaci = this->boyaci();
        boyaci.setFont(yazi);
        for (const QString& bolum : metin.split(QLatin1Char('\n'))) {
            QTextLayout duzen(bolum, yazi);
            SatirlaraBol(duzen, alan().width());
            for (int i = 0; i < duzen.lineCount(); ++i) {
                const QTextLine cizgi = duzen.lineAt(i);
                Sigdir(cizgi.height());
                cizgi.draw(&boyaci, QPointF(0, m_y - cizgi.y()));
                m_y += cizgi.height();
            }
        }
        boyaci.setFont(this->yazi());
    }

private:
    // The painter draws in points, so a font sized in pixels is sized in points.
    static QFont GovdeYazisi(QFont yazi)
    {
        yazi.setPixelSize(GovdePunto);
        return yazi;
    }

    double m_y = 0;
};

// A decimal count less `cikan` (which is not larger than it).
QString Eksilt(QString sayi, int cikan)
{
    for (int i = int(sayi.size()) - 1; i >= 0 && cikan > 0; --i) {
        const int hane = sayi.at(i).digitValue() - cikan % 10;
        cikan = cikan / 10 + (hane < 0);
        sayi[i] = QChar(u'0' + (hane + 10) % 10);
    }
    while (sayi.size() > 1 && sayi.startsWith(QLatin1Char('0')))
        sayi.remove(0, 1);
    return sayi;
}

// A path of thousands (written by another program) would fill pages before the table:
// one whose text (`metin` of its codes) takes more than `satir` lines keeps the codes
// that fit, then "… (N faaliyet)".
QStringList YoluKisalt(const QStringList& yol, const std::function<QString(const QStringList&)>& metin, int satir,
                       const QFont& yazi, double genislik)
{
    const auto sigar = [&](const QStringList& kodlar) { return SatirSayisi(metin(kodlar), yazi, genislik) <= satir; };
    if (sigar(yol))
        return yol;
    const QString son = QStringLiteral("… (%1 faaliyet)").arg(QLocale().toString(yol.size()));
    const auto ilki = [&](qsizetype n) { return yol.first(n) << son; };
    qsizetype alt = 0, ust = yol.size() - 1; // the most codes that fit lie in [alt, ust]
    while (alt < ust) {
        const qsizetype orta = (alt + ust + 1) / 2;
        if (sigar(ilki(orta)))
            alt = orta;
        else
            ust = orta - 1;
    }
    return ilki(alt);
}

// The critical paths as the window lists them, but the first BaslikYolSiniri only: a
// thousand paths would fill pages before the table. The rest, and the whole of a path
// cut short, are in the window, the JSON and the table.
QString KritikYolBasligi(AgAnalizi analiz, const QFont& yazi, double genislik)
{
    if (analiz.kritikYollar.size() > BaslikYolSiniri) {
        analiz.kritikYollar.resize(BaslikYolSiniri);
        analiz.kalanYolSayisi = Eksilt(analiz.kritikYolSayisi, BaslikYolSiniri);
    }
    for (int i = 0; i < analiz.kritikYollar.size(); ++i) {
        const auto satiri = [&](const QStringList& kodlar) {
            analiz.kritikYollar[i] = kodlar;
            return AnalizMetinleri::KritikYolSatiri(analiz, i);
        };
        // A copy: trying a shorter path overwrites the listed one while it is being cut.
        const QStringList yol = analiz.kritikYollar.at(i);
        analiz.kritikYollar[i] = YoluKisalt(yol, satiri, 2, yazi, genislik);
    }
    // The note names the main window's path too: two lines of it at most.
    const auto notu = [&](const QStringList& kodlar) {
        analiz.anaPenceredekiYol = kodlar.join(QLatin1Char(','));
        return AnalizMetinleri::YolNotu(analiz);
    };
    const QStringList anaYol = analiz.anaPenceredekiYol.split(QLatin1Char(','));
    const int yolsuz = SatirSayisi(notu({}), yazi, genislik);
    notu(YoluKisalt(anaYol, notu, yolsuz + 2, yazi, genislik));
    return AnalizMetinleri::KritikYollar(analiz);
}

void Baslik(Sayfalar& sayfalar, const Rapor& rapor)
{
    QFont buyuk = sayfalar.yazi();
    buyuk.setPixelSize(sayfalar.yazi().pixelSize() * 2);
    buyuk.setBold(true);
    sayfalar.Paragraf(TekSatir(rapor.proje.ad.left(2000)), buyuk);
    QStringList satirlar;
    if (rapor.deneme)
        satirlar << DenemeIsareti();
    satirlar << QStringLiteral("Başlama tarihi: %1    Bitiş tarihi: %2")
                    .arg(BolgeselMetin::TarihMetni(rapor.proje.baslama), BolgeselMetin::TarihMetni(rapor.proje.bitis));
    if (const QString takvim = TakvimAdiYaz(rapor.proje.takvim); !takvim.isEmpty())
        satirlar << QStringLiteral("Takvim: %1").arg(takvim);
    const AgAnalizi& analiz = rapor.analiz;
    if (analiz.hata.Var()) {
        satirlar << AnalizMetinleri::Hesaplanamiyor(analiz);
    } else if (analiz.faaliyetler.isEmpty()) {
        satirlar << QStringLiteral("Projenin faaliyeti yok.");
    } else {
        satirlar << AnalizMetinleri::Plan(analiz) << KritikYolBasligi(analiz, sayfalar.yazi(), sayfalar.alan().width());
    }
    sayfalar.Paragraf(satirlar.join(QLatin1Char('\n')), sayfalar.yazi());
    sayfalar.y() += sayfalar.satir();
}

void Tablo(Sayfalar& sayfalar, const Rapor& rapor)
{
    QPainter& boyaci = sayfalar.boyaci();
    const AgAnalizi& analiz = rapor.analiz;
    const QStringList basliklar = AnalizMetinleri::Basliklar() + TahminBasliklari;
    const int tahminSutunu = int(AnalizMetinleri::Basliklar().size());
    double toplam = 0;
    for (double pay : SutunPaylari)
        toplam += pay;
    QVector<double> sol{0};
    for (double pay : SutunPaylari)
        sol << sol.last() + pay / toplam * sayfalar.alan().width();
    const QFontMetricsF olcu(sayfalar.yazi());
    const double h = sayfalar.satir();
    const auto satirCiz = [&](const auto& hucre, const QColor& zemin) {
        const double y = sayfalar.y();
        if (zemin.isValid())
            boyaci.fillRect(QRectF(0, y, sayfalar.alan().width(), h), zemin);
        boyaci.setPen(QPen(Qt::lightGray, 0));
        boyaci.drawLine(QPointF(0, y + h), QPointF(sayfalar.alan().width(), y + h));
        boyaci.setPen(Qt::black);
        for (int s = 0; s < basliklar.size(); ++s) {
            const QRectF kutu(sol.at(s) + 2, y, sol.at(s + 1) - sol.at(s) - 4, h);
            const bool sayisal = s >= tahminSutunu || AnalizMetinleri::SayisalSutun(s);
            boyaci.drawText(kutu, (sayisal ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                            olcu.elidedText(TekSatir(hucre(s)), Qt::ElideRight, kutu.width()));
        }
        sayfalar.y() += h;
    };
    const auto baslikSatiri = [&] {
        satirCiz([&](int s) { return basliklar.at(s); }, BaslikSatirRengi);
    };
    sayfalar.Sigdir(h * 2);
    baslikSatiri();
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        if (sayfalar.Kalan() < h) {
            sayfalar.YeniSayfa();
            baslikSatiri();
        }
        const auto tahmin = rapor.tahminler.constFind(f.kodu);
        const auto hucre = [&](int s) {
            if (s < tahminSutunu)
                return AnalizMetinleri::Hucre(f, s);
            if (tahmin == rapor.tahminler.cend())
                return QString(); // no estimate: the duration is all three
            const qint32 gun = s == tahminSutunu ? tahmin->iyimser : s == tahminSutunu + 1 ? tahmin->olasi : tahmin->kotumser;
            return QLocale().toString(gun);
        };
        satirCiz(hucre, f.kritik ? KritikSatirRengi : QColor());
    }
}

// The chart scaled to the page's width, cut between rows onto as many pages as it
// needs; the title and legend on the first, the date axis at the top of every one.
void Sema(Sayfalar& sayfalar, const Rapor& rapor)
{
    GanttOlcegi olcek = DosyaOlcegi(rapor, sayfalar.yazi());
    olcek.gunGenisligi = std::max(0.001, RaporCizimi(rapor, olcek).SiganGunGenisligi(sayfalar.alan().width()));
    const GanttCizimi cizim = RaporCizimi(rapor, olcek);
    const QSizeF boyut = cizim.Boyut();
    const QRectF eksen = cizim.Eksen();
    const double oran = std::min(1.0, sayfalar.alan().width() / boyut.width());
    const int n = int(rapor.analiz.faaliyetler.size());
    QPainter& boyaci = sayfalar.boyaci();
    // Paints the chart's `parca` with its top at the page's `y`.
    const auto ciz = [&](const QRectF& parca, double y, bool yalnizEksen) {
        boyaci.save();
        boyaci.translate(0, y);
        boyaci.scale(oran, oran);
        boyaci.translate(0, -parca.top());
        boyaci.setClipRect(parca);
        if (yalnizEksen)
            cizim.EkseniCiz(boyaci, parca);
        else
            cizim.Ciz(boyaci, parca);
        boyaci.restore();
    };
    sayfalar.YeniSayfa();
    int satir = 0;
    double ust = 0; // the chart's own y at the top of this page's rows
    while (true) {
        double bas = 0; // the page's height above the rows, in the chart's units
        if (satir > 0) {
            ciz(eksen, sayfalar.y(), true);
            bas = eksen.height();
        }
        // Whole rows to the page's foot.
        const double yukseklik = sayfalar.Kalan() / oran - bas;
        int son = satir;
        while (son < n && cizim.Satir(son).bottom() - ust <= yukseklik)
            ++son;
        if (son == satir && satir < n)
            son = satir + 1; // a row taller than a page is still drawn
        const double alt = son >= n ? boyut.height() : cizim.Satir(son).top();
        ciz(QRectF(0, ust, boyut.width(), alt - ust), sayfalar.y() + bas * oran, false);
        if (son >= n)
            break;
        satir = son;
        ust = cizim.Satir(satir).top();
        sayfalar.YeniSayfa();
    }
}

} // namespace

QFont DosyaYazisi(const QFont& yazi)
{
    QFont dosya = yazi;
    // Measured and drawn in the same units on every device: a picture's pixels, a page's points.
    if (yazi.pixelSize() <= 0)
        dosya.setPixelSize(std::clamp(QFontInfo(yazi).pixelSize(), 11, 24));
    return dosya;
}

GanttOlcegi DosyaOlcegi(const Rapor& rapor, const QFont& yazi)
{
    const qint64 sonGun = std::max<qint64>({0, rapor.analiz.projeBitisGunu, rapor.analiz.plan.tahminiGunSayisi.value_or(0)});
    // The days the axis spans, the days off between working days included.
    const qint64 gunler = std::max<qint64>(
        1, GanttTakvimi(rapor.analiz.takvim, rapor.proje.baslama.deger.value_or(QDate()), sonGun).Sinir(sonGun));
    GanttOlcegi olcek;
    olcek.yazi = DosyaYazisi(yazi);
    olcek.gunGenisligi = std::clamp(1600.0 / double(gunler), 0.05, 24.0);
    return olcek;
}

QStringList RaporBasligi(const Rapor& rapor)
{
    const auto tarih = [](const QString& metin) { return metin.isEmpty() ? QStringLiteral("yok") : metin; };
    const QDate bitis = rapor.analiz.plan.enErkenBitis;
    QStringList baslik{
        rapor.proje.ad.left(AnalizMetinleri::AdSiniri),
        QStringLiteral("Başlama tarihi: %1    En erken bitiş: %2    Tahmini bitiş tarihi: %3")
            .arg(tarih(BolgeselMetin::TarihMetni(rapor.proje.baslama)),
                 tarih(bitis.isValid() ? BolgeselMetin::TarihYaz(bitis) : QString()),
                 tarih(BolgeselMetin::TarihMetni(rapor.proje.bitis)))};
    if (rapor.deneme)
        baslik.insert(1, DenemeIsareti());
    return baslik;
}

GanttCizimi RaporCizimi(const Rapor& rapor, const GanttOlcegi& olcek)
{
    // With a status date the picture shows the forecast, the baseline and the progress, as the window does.
    const IlerlemeAnalizi ilerleme =
        IlerlemeyiHesapla(rapor.analiz, rapor.proje.ilerleme, KarsilastirilanTaban(rapor.proje.tabanlar));
    return GanttCizimi(rapor.analiz, rapor.proje.baslama.deger.value_or(QDate()), rapor.analiz.plan.tahminiGunSayisi,
                       olcek, RaporBasligi(rapor), &ilerleme);
}

QPageLayout RaporSayfaDuzeni()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

void RaporuSayfalaraCiz(QPagedPaintDevice& aygit, const Rapor& rapor, const QFont& yazi)
{
    RaporuSayfalaraCiz(aygit, aygit.pageLayout(), [&aygit] { aygit.newPage(); }, rapor, yazi);
}

void RaporuSayfalaraCiz(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                        const Rapor& rapor, const QFont& yazi)
{
    Sayfalar sayfalar(aygit, duzen, yeniSayfa, rapor.proje.ad, yazi);
    Baslik(sayfalar, rapor);
    if (rapor.analiz.hata.Var() || rapor.analiz.faaliyetler.isEmpty())
        return;
    Tablo(sayfalar, rapor);
    Sema(sayfalar, rapor);
}
