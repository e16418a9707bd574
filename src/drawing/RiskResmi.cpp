#include "drawing/RiskResmi.h"

#include "text/AnalizMetinleri.h"
#include "drawing/RaporSayfalari.h"
#include "text/RiskMetinleri.h"
#include "rules/BolgeselMetin.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

// Where the figures come from: the project, its start and the plan's finish, then the simulation's settings.
QStringList BaslikSatirlari(const RiskGorseli& gorsel, const KayitliProje& proje)
{
    const RiskSonucu& s = gorsel.sonuc;
    QString plan = QStringLiteral("%1 gün").arg(QLocale().toString(s.deterministikF));
    const QDate bitis = RiskBitisTarihi(IsTakvimi(proje.takvim), proje.baslama.deger.value_or(QDate()), s.deterministikF);
    if (bitis.isValid())
        plan += QStringLiteral(" (%1)").arg(BolgeselMetin::TarihYaz(bitis));
    const QString baslama = BolgeselMetin::TarihMetni(proje.baslama);
    QString benzetim = RiskMetinleri::BenzetimCumlesi(gorsel.ayarlar, s.yineleme);
    if (s.durduruldu)
        benzetim += QStringLiteral(" Benzetim durduruldu; sonuç tamamlanan yinelemelerin.");
    QStringList satirlar{proje.ad.left(AnalizMetinleri::AdSiniri),
                         QStringLiteral("Başlama tarihi: %1    Plan bitişi: %2")
                             .arg(baslama.isEmpty() ? QStringLiteral("yok") : baslama, plan),
                         benzetim};
    if (gorsel.deneme)
        satirlar.insert(1, DenemeIsareti());
    return satirlar;
}

// The axes' titles: under the chart, turned along its left and right sides, and over it.
struct Eksenler {
    QString alt, sol, sag, ust;
};

Eksenler EksenBasliklari(RiskCizimTuru tur)
{
    if (tur == RiskCizimTuru::Histogram)
        return {QStringLiteral("Bitiş (F), gün"), QStringLiteral("Yineleme sayısı"), QStringLiteral("Birikimli pay"), {}};
    return {QStringLiteral("Duyarlılık: sürenin bitişle sıra korelasyonu (Spearman), -1 ile 1 arası"), {}, {},
            QStringLiteral("Faaliyet kodu ve duyarlılığı")};
}

} // namespace

RiskResmi::RiskResmi(const RiskGorseli& gorsel, RiskCizimTuru tur, const KayitliProje& proje, const QFont& yazi)
    : m_gorsel(gorsel), m_tur(tur), m_yazi(DosyaYazisi(yazi))
{
    const double h = QFontMetricsF(m_yazi).height(), kenar = h / 2;
    const bool histogram = tur == RiskCizimTuru::Histogram;
    m_baslik = ResimBasligi(m_yazi, BaslikSatirlari(gorsel, proje),
                            histogram ? HistogramLejanti(gorsel.sonuc) : KasirgaLejanti());
    // The histogram as wide as a page's text; the tornado a row per bar, as the tab draws it.
    const qsizetype cubuklar = std::clamp<qsizetype>(std::min(gorsel.sonuc.faaliyetler.size(), gorsel.kodlar.size()), 1, 15);
    const QSizeF alan = histogram ? QSizeF(h * 48, h * 24) : QSizeF(h * 36, h * 1.4 * double(cubuklar));
    const Eksenler eksen = EksenBasliklari(tur);
    const auto pay = [h](const QString& baslik) { return baslik.isEmpty() ? 0.0 : h * 1.5; };
    const double genislik = std::max(kenar * 2 + pay(eksen.sol) + alan.width() + pay(eksen.sag), m_baslik.Genislik());
    const double ust = m_baslik.Yerlestir(genislik) + pay(eksen.ust);
    m_cizim = QRectF(kenar + pay(eksen.sol), ust, genislik - kenar * 2 - pay(eksen.sol) - pay(eksen.sag), alan.height());
    m_boyut = QSizeF(genislik, m_cizim.bottom() + pay(eksen.alt) + kenar);
}

RiskCizimSayimi RiskResmi::Ciz(QPainter& boyaci) const
{
    boyaci.save();
    boyaci.fillRect(QRectF(QPointF(0, 0), m_boyut), Qt::white);
    boyaci.setRenderHint(QPainter::Antialiasing);
    m_baslik.Ciz(boyaci, m_boyut.width());
    const RiskSonucu& s = m_gorsel.sonuc;
    const RiskCizimSayimi sayim = m_tur == RiskCizimTuru::Histogram
                                      ? HistogramCiz(boyaci, m_cizim, s, m_yazi)
                                      : KasirgaCiz(boyaci, m_cizim, s, m_gorsel.kodlar, m_yazi);
    EksenBasliklariniCiz(boyaci);
    boyaci.restore();
    return sayim;
}

void RiskResmi::EksenBasliklariniCiz(QPainter& boyaci) const
{
    const QFontMetricsF olcu(m_yazi);
    const double h = olcu.height();
    const Eksenler eksen = EksenBasliklari(m_tur);
    boyaci.setFont(m_yazi);
    boyaci.setPen(Qt::black);
    const auto yaz = [&](const QRectF& kutu, const QString& metin, int hiza) {
        boyaci.drawText(kutu, hiza | Qt::AlignVCenter, olcu.elidedText(metin, Qt::ElideRight, kutu.width()));
    };
    yaz(QRectF(m_cizim.left(), m_cizim.bottom() + h * 0.25, m_cizim.width(), h), eksen.alt, Qt::AlignHCenter);
    if (!eksen.ust.isEmpty())
        yaz(QRectF(m_cizim.left(), m_cizim.top() - h * 1.25, m_cizim.width(), h), eksen.ust, Qt::AlignLeft);
    // Turned a quarter, read upwards on the left and downwards on the right.
    const auto dik = [&](const QString& metin, double x, double aci) {
        if (metin.isEmpty())
            return;
        boyaci.save();
        boyaci.translate(x, m_cizim.center().y());
        boyaci.rotate(aci);
        yaz(QRectF(-m_cizim.height() / 2, -h / 2, m_cizim.height(), h), metin, Qt::AlignHCenter);
        boyaci.restore();
    };
    dik(eksen.sol, m_cizim.left() - h * 0.75, -90);
    dik(eksen.sag, m_cizim.right() + h * 0.75, 90);
}
