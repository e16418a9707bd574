#include "text/DurumMetinleri.h"

#include "rules/BolgeselMetin.h"

#include <QLocale>
#include <cmath>

namespace {

QString Tarih(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QString();
}

// A variance in working days, a late one with its plus sign.
QString Sapma(qint32 gun)
{
    return gun > 0 ? QStringLiteral("+%1").arg(gun) : QString::number(gun);
}

// An index or a figure in activity-days with two decimals in the regional form; a dash when
// it has no value (nothing was due yet).
QString Ondalik(double deger)
{
    return std::isfinite(deger) ? BolgeselMetin::KullanilacakYerel(QLocale()).toString(deger, 'f', 2)
                                : QStringLiteral("—");
}

} // namespace

namespace DurumMetinleri {

const QStringList& Basliklar()
{
    static const QStringList basliklar{
        QStringLiteral("Gerçek Başlama"), QStringLiteral("Gerçek Bitiş"), QStringLiteral("%"),
        QStringLiteral("Kalan"), QStringLiteral("Tahmini Başlama"), QStringLiteral("Tahmini Bitiş"),
        QStringLiteral("Taban Başlama"), QStringLiteral("Taban Bitiş"), QStringLiteral("Başlama Sapması"),
        QStringLiteral("Bitiş Sapması"), QStringLiteral("Sıra Dışı")};
    return basliklar;
}

bool SayisalSutun(int sutun)
{
    return sutun == 2 || sutun == 3 || sutun == 8 || sutun == 9;
}

QString Hucre(const FaaliyetTahmini& t, const FaaliyetIlerlemesi& gercek, int sutun)
{
    switch (sutun) {
    case 0: return Tarih(gercek.gercekBaslama);
    case 1: return Tarih(gercek.gercekBitis);
    case 2: return QString::number(t.yuzde);
    case 3: return QString::number(t.kalan);
    case 4: return Tarih(t.baslama);
    case 5: return Tarih(t.bitis);
    case 6: return t.tabandaVar ? Tarih(t.tabanBaslama) : QString();
    case 7: return t.tabandaVar ? Tarih(t.tabanBitis) : QString();
    case 8: return t.tabandaVar ? Sapma(t.baslamaSapmasi) : QString();
    case 9: return t.tabandaVar ? Sapma(t.bitisSapmasi) : QString();
    case 10: return t.siraDisi ? QStringLiteral("Evet") : QString();
    default: return {};
    }
}

QString DurumSatiri(const IlerlemeAnalizi& ilerleme)
{
    if (!ilerleme.var)
        return {};
    QString satir = QStringLiteral("Durum tarihi %1 · Tahmini bitiş: %2")
                        .arg(Tarih(ilerleme.durumTarihi), Tarih(ilerleme.bitis));
    if (ilerleme.tabanVar) {
        const QString sapma = ilerleme.bitisSapmasi > 0   ? QStringLiteral("%1 iş günü gecikme")
                              : ilerleme.bitisSapmasi < 0 ? QStringLiteral("%1 iş günü erken")
                                                          : QStringLiteral("sapma yok");
        satir += QStringLiteral(" · \"%1\" taban bitişi: %2 (%3)")
                     .arg(ilerleme.tabanAdi, Tarih(ilerleme.tabanBitis),
                          sapma.arg(std::abs(qint64(ilerleme.bitisSapmasi))));
    } else {
        satir += QStringLiteral(" · Karşılaştırılacak taban planı yok.");
    }
    if (ilerleme.siraDisiSayisi > 0)
        satir += QStringLiteral(" · Sıra dışı ilerleme: %1 faaliyet").arg(ilerleme.siraDisiSayisi);
    if (!ilerleme.tabanVar)
        return satir;
    return satir
           + QStringLiteral("\nPV %1 · EV %2 · SV %3 · SPI %4 · ES %5 · AT %6 · SPI(t) %7 · ES'ye göre bitiş: %8")
                 .arg(Ondalik(ilerleme.pv), Ondalik(ilerleme.ev), Ondalik(ilerleme.sv), Ondalik(ilerleme.spi),
                      Ondalik(ilerleme.kazanilmisTakvim), Ondalik(ilerleme.gecenSure), Ondalik(ilerleme.spiT),
                      Tarih(ilerleme.esBitis));
}

QString PerformansTanimlari()
{
    return QStringLiteral(
        "Değerler faaliyet-gün olarak, karşılaştırılan taban planına göredir.\n"
        "PV (planlanan değer): taban planına göre durum tarihine kadar yapılmış olması gereken iş.\n"
        "EV (kazanılmış değer): her faaliyetin taban süresi × tamamlanma yüzdesi, toplamı.\n"
        "SV = EV − PV; SPI = EV / PV. SPI, geciken bir proje bittiğinde de 1,00'e döner.\n"
        "Kazanılmış takvim (ES): taban planında EV kadar işin yapılmış olması gereken iş günü.\n"
        "Geçen süre (AT): taban planının başlamasından durum tarihine (proje bittiyse bitişine) iş günü; SPI(t) = ES / AT.\n"
        "1'in altındaki bir endeks gecikme demektir.");
}

QString P80Satiri(const QDate& bitis)
{
    return QStringLiteral("P80 bitiş, durum tarihine göre: %1").arg(Tarih(bitis));
}

} // namespace DurumMetinleri
