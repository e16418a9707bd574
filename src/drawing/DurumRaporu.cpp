#include "drawing/DurumRaporu.h"

#include "drawing/GorselCikti.h"

#include "rules/BolgeselMetin.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

QString Tarih(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QStringLiteral("—");
}

QString Oran(double deger)
{
    return std::isfinite(deger) ? QLocale().toString(deger, 'f', 2) : QStringLiteral("—");
}

QString Gun(qint64 gun)
{
    return (gun > 0 ? QStringLiteral("+") : QString()) + QLocale().toString(gun);
}

// The index lines, each with what it means.
QStringList Gostergeler(const IlerlemeAnalizi& a)
{
    if (!a.tabanVar)
        return {QStringLiteral("Karşılaştırılacak taban planı seçilmemiş: sapma ve göstergeler hesaplanmadı.")};
    return {QStringLiteral("PV %1 faaliyet-gün: taban planında durum tarihine kadar yapılacak iş.").arg(Oran(a.pv)),
            QStringLiteral("EV %1 faaliyet-gün: her faaliyetin taban süresi × tamamlanma yüzdesi.").arg(Oran(a.ev)),
            QStringLiteral("SV = EV − PV = %1;  SPI = EV / PV = %2.").arg(Oran(a.sv), Oran(a.spi)),
            QStringLiteral("ES %1 iş günü: taban planının bugünkü EV'ye ulaştığı gün (kazanılmış takvim).")
                .arg(Oran(a.kazanilmisTakvim)),
            QStringLiteral("AT %1 iş günü: taban başlamasından durum tarihine geçen süre.").arg(Oran(a.gecenSure)),
            QStringLiteral("SPI(t) = ES / AT = %1; buna göre bitiş: %2.").arg(Oran(a.spiT), Tarih(a.esBitis)),
            QStringLiteral("Sapmalar iş günüdür; artı gecikme demektir.")};
}

// The late activities, the latest first, as report lines.
QStringList Gecikenler(const Rapor& rapor, const IlerlemeAnalizi& a)
{
    QVector<int> sira;
    for (int i = 0; i < a.faaliyetler.size(); ++i)
        if (a.faaliyetler.at(i).tabandaVar && a.faaliyetler.at(i).bitisSapmasi > 0)
            sira.append(i);
    std::stable_sort(sira.begin(), sira.end(), [&](int x, int y) {
        return a.faaliyetler.at(x).bitisSapmasi > a.faaliyetler.at(y).bitisSapmasi;
    });
    QStringList satirlar;
    for (int i : sira) {
        const FaaliyetTahmini& t = a.faaliyetler.at(i);
        const FaaliyetAnalizi& f = rapor.analiz.faaliyetler.at(i);
        satirlar << QStringLiteral("%1  %2: %3 iş günü (taban %4, tahmin %5)")
                        .arg(f.kodu, f.adi.left(60), Gun(t.bitisSapmasi), Tarih(t.tabanBitis), Tarih(t.bitis));
    }
    return satirlar;
}

} // namespace

void DurumRaporunuCiz(QPainter& p, const QRectF& alan, const Rapor& rapor, const IlerlemeAnalizi& a, const QFont& verilen)
{
    p.save();
    QFont yazi = verilen; // in points, so that a page of any resolution reads alike
    if (yazi.pointSizeF() <= 0)
        yazi.setPointSizeF(10);
    QFont baslik = yazi, kalin = yazi;
    baslik.setPointSizeF(yazi.pointSizeF() * 1.6);
    baslik.setBold(true);
    kalin.setBold(true);
    const double satir = QFontMetricsF(yazi, p.device()).lineSpacing();
    double y = alan.top();
    const auto yaz = [&](const QFont& f, const QString& metin) {
        p.setFont(f);
        const double h = QFontMetricsF(f, p.device()).lineSpacing();
        p.drawText(QRectF(alan.left(), y, alan.width(), h), Qt::AlignLeft | Qt::TextSingleLine,
                   QFontMetricsF(f, p.device()).elidedText(metin, Qt::ElideRight, alan.width()));
        y += h;
    };
    yaz(baslik, rapor.proje.ad);
    yaz(yazi, QStringLiteral("Durum tarihi: %1").arg(Tarih(a.durumTarihi)));
    y += satir;
    yaz(kalin, QStringLiteral("Bitiş"));
    yaz(yazi, QStringLiteral("Taban planına göre: %1%2").arg(Tarih(a.tabanBitis),
        a.tabanVar ? QStringLiteral(" («%1»)").arg(a.tabanAdi) : QString()));
    yaz(yazi, QStringLiteral("Şimdiki tahmin: %1").arg(Tarih(a.bitis)));
    if (a.tabanVar)
        yaz(yazi, QStringLiteral("Fark: %1 iş günü").arg(Gun(a.bitisSapmasi)));
    y += satir;

    const QStringList gostergeler = Gostergeler(a);
    const double gostergeYuksekligi = (gostergeler.size() + 2) * satir;
    const QStringList gecikenler = Gecikenler(rapor, a);
    yaz(kalin, QStringLiteral("Geciken faaliyetler (%1)").arg(gecikenler.size()));
    // As many as fit above the indices; the last line then says how many more there are.
    const int sigan = std::max(1, int((alan.bottom() - y - gostergeYuksekligi) / satir));
    const int yazilan = gecikenler.size() <= sigan ? int(gecikenler.size()) : sigan - 1;
    for (int i = 0; i < yazilan; ++i)
        yaz(yazi, gecikenler.at(i));
    if (yazilan < gecikenler.size())
        yaz(yazi, QStringLiteral("… ve %1 faaliyet daha").arg(gecikenler.size() - yazilan));
    if (gecikenler.isEmpty())
        yaz(yazi, QStringLiteral("Geciken faaliyet yok."));
    y += satir;
    yaz(kalin, QStringLiteral("Göstergeler (faaliyet-gün)"));
    for (const QString& g : gostergeler)
        yaz(yazi, g);
    p.restore();
}

QPageLayout DurumRaporuSayfasi()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QByteArray DurumRaporuPdf(const Rapor& rapor, const IlerlemeAnalizi& ilerleme, const QFont& yazi)
{
    return PdfYaz(rapor, DurumRaporuSayfasi(), [&](QPdfWriter& pdf) {
        QPainter boyayici(&pdf);
        DurumRaporunuCiz(boyayici, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), rapor, ilerleme, yazi);
    });
}
