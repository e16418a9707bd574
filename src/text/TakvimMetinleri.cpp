#include "text/TakvimMetinleri.h"

#include "rules/BolgeselMetin.h"

#include <cstdlib>

namespace TakvimMetinleri {

QString TakvimAdi(TakvimTuru tur)
{
    switch (tur) {
    case TakvimTuru::HerGun: return QStringLiteral("Her gün");
    case TakvimTuru::PazartesiCuma: return QStringLiteral("Türkiye, Pazartesi–Cuma");
    case TakvimTuru::PazartesiCumartesi: return QStringLiteral("Türkiye, Pazartesi–Cumartesi");
    }
    return QString();
}

QString TatilAdi(ResmiTatil tatil)
{
    switch (tatil) {
    case ResmiTatil::YilBasi: return QStringLiteral("Yılbaşı");
    case ResmiTatil::UlusalEgemenlik: return QStringLiteral("Ulusal Egemenlik ve Çocuk Bayramı");
    case ResmiTatil::EmekVeDayanisma: return QStringLiteral("Emek ve Dayanışma Günü");
    case ResmiTatil::GenclikVeSpor: return QStringLiteral("Atatürk'ü Anma, Gençlik ve Spor Bayramı");
    case ResmiTatil::DemokrasiVeMilliBirlik: return QStringLiteral("Demokrasi ve Millî Birlik Günü");
    case ResmiTatil::Zafer: return QStringLiteral("Zafer Bayramı");
    case ResmiTatil::CumhuriyetArifesi: return QStringLiteral("Cumhuriyet Bayramı arifesi");
    case ResmiTatil::Cumhuriyet: return QStringLiteral("Cumhuriyet Bayramı");
    case ResmiTatil::RamazanArifesi: return QStringLiteral("Ramazan Bayramı arifesi");
    case ResmiTatil::RamazanBayrami: return QStringLiteral("Ramazan Bayramı");
    case ResmiTatil::KurbanArifesi: return QStringLiteral("Kurban Bayramı arifesi");
    case ResmiTatil::KurbanBayrami: return QStringLiteral("Kurban Bayramı");
    }
    return QString();
}

QString IstisnaTuruAdi(IstisnaTuru tur)
{
    switch (tur) {
    case IstisnaTuru::Tatil: return QStringLiteral("Ek tatil");
    case IstisnaTuru::IdariIzin: return QStringLiteral("İdari izin");
    case IstisnaTuru::CalisilanGun: return QStringLiteral("Çalışılan gün");
    }
    return QString();
}

QString Tahmini()
{
    return QStringLiteral("tahmini");
}

QString GunAdi(const GunBilgisi& gun)
{
    if (gun.istisna)
        return gun.istisna->ad.isEmpty() ? IstisnaTuruAdi(gun.istisna->tur) : gun.istisna->ad;
    if (!gun.tatil)
        return QString();
    const QString ad = TatilAdi(*gun.tatil);
    const bool bayram = *gun.tatil >= ResmiTatil::RamazanArifesi; // the fixed days are certain in any year
    return gun.tahmini && bayram ? QStringLiteral("%1 (%2)").arg(ad, Tahmini()) : ad;
}

QString CalisilmayanGun(const QDate& tarih, const GunBilgisi& gun)
{
    const QString ad = GunAdi(gun);
    return QStringLiteral("%1 %2: %3")
        .arg(BolgeselMetin::TarihYaz(tarih), QLocale(QLocale::Turkish).dayName(tarih.dayOfWeek()),
             ad.isEmpty() ? QStringLiteral("hafta tatili") : ad);
}

QString CerceveBasligi(const QString& baslik, const ProjeTakvimi& takvim)
{
    return QStringLiteral("%1 (iş günü: %2) ").arg(baslik.trimmed(), TakvimTanimi(takvim));
}

QString DegisiklikOnizlemesi(const TakvimEtkisi& etki)
{
    if (!etki.hesaplandi)
        return QStringLiteral("Projenin tarihleri hesaplanamıyor: takvim değişikliği yalnızca kaydedilir.");
    const QString faaliyetler = etki.kayanFaaliyet == 0
        ? QStringLiteral("Takvim değişikliği hiçbir faaliyetin tarihini kaydırmıyor")
        : QStringLiteral("Takvim değişikliği %1 faaliyetin tarihini kaydırıyor").arg(QLocale().toString(etki.kayanFaaliyet));
    const QString eski = BolgeselMetin::TarihYaz(etki.eskiBitis), yeni = BolgeselMetin::TarihYaz(etki.yeniBitis);
    if (etki.eskiBitis == etki.yeniBitis)
        return QStringLiteral("%1; proje bitişi değişmiyor: %2").arg(faaliyetler, eski);
    // A finish moved onto or off days the new calendar does not work moves by no working
    // day: the calendar days say how far.
    const qint64 kayma = etki.bitisKaymasi != 0 ? etki.bitisKaymasi : etki.eskiBitis.daysTo(etki.yeniBitis);
    const QString birim = etki.bitisKaymasi != 0 ? QStringLiteral("iş günü") : QStringLiteral("gün");
    return QStringLiteral("%1; proje bitişi %2 %3 %4: %5 → %6")
        .arg(faaliyetler, QLocale().toString(std::abs(kayma)), birim,
             etki.yeniBitis > etki.eskiBitis ? QStringLiteral("geç") : QStringLiteral("erken"), eski, yeni);
}

QString KesinlikNotu()
{
    return QStringLiteral("Bayram tarihleri %1 yılına kadar Diyanet İşleri Başkanlığınca kesinleşmiş; sonraki yıllarınki "
                          "tahmini.").arg(SonKesinYil);
}

QString KaynakNotu(int yil)
{
    const QString kaynak = QString::fromUtf8(YilinKaynagi(yil));
    if (kaynak.isEmpty())
        return QStringLiteral("Kaynak: yok; %1 yılının bayram tarihleri ayın ortalama hareketinden hesaplandı (%2).")
            .arg(yil).arg(Tahmini());
    return QStringLiteral("Kaynak: %1").arg(kaynak);
}

QString TahminiTarih(const QString& tarihMetni)
{
    return QStringLiteral("%1 (%2)").arg(tarihMetni, Tahmini());
}

QString TahminiYilNotu(int yil)
{
    return QStringLiteral("%1 yılının bayram tarihleri tahmini; kesin tarihler %2 yılına kadar.").arg(yil).arg(SonKesinYil);
}

QString TakvimTanimi(const ProjeTakvimi& takvim)
{
    QString metin = TakvimAdi(takvim.tur);
    if (takvim.arifelerTatil && takvim.tur != TakvimTuru::HerGun)
        metin += QStringLiteral(", arifeler tatil");
    if (!takvim.istisnalar.isEmpty())
        metin += QStringLiteral(" + %1 istisna").arg(takvim.istisnalar.size());
    return metin;
}

namespace {

struct AyAdi {
    const char16_t* ad;
    const char16_t* ek; // its ending for "on", by vowel harmony and the last sound
};
constexpr AyAdi Aylar[] = {{u"Ocak", u"'ta"},   {u"Şubat", u"'ta"},   {u"Mart", u"'ta"},   {u"Nisan", u"'da"},
                           {u"Mayıs", u"'ta"},  {u"Haziran", u"'da"}, {u"Temmuz", u"'da"}, {u"Ağustos", u"'ta"},
                           {u"Eylül", u"'de"},  {u"Ekim", u"'de"},    {u"Kasım", u"'da"},  {u"Aralık", u"'ta"}};

} // namespace

QString GunAy(const QDate& tarih)
{
    if (!tarih.isValid())
        return QString();
    return QStringLiteral("%1 %2").arg(tarih.day()).arg(QString::fromUtf16(Aylar[tarih.month() - 1].ad));
}

QString GunAyda(const QDate& tarih)
{
    if (!tarih.isValid())
        return QString();
    return GunAy(tarih) + QString::fromUtf16(Aylar[tarih.month() - 1].ek);
}

QString DonemAdi(const IsTakvimi& takvim, const TatilDonemi& donem)
{
    QString ad = donem.ad;
    if (donem.resmi)
        ad = TatilAdi(*donem.resmi);
    else if (ad.isEmpty())
        ad = IstisnaTuruAdi(takvim.Gun(donem.ilk).istisna.value_or(TakvimIstisnasi{}).tur);
    QString gunler = GunAy(donem.son);
    if (donem.ilk != donem.son) {
        const bool ayniAy = donem.ilk.month() == donem.son.month() && donem.ilk.year() == donem.son.year();
        gunler = (ayniAy ? QString::number(donem.ilk.day()) : GunAy(donem.ilk)) + QChar(0x2013) + gunler;
    }
    const bool bayram = donem.resmi && *donem.resmi >= ResmiTatil::RamazanArifesi;
    if (bayram && TahminiYil(donem.ilk.year()))
        gunler += QStringLiteral(", ") + Tahmini();
    return QStringLiteral("%1 (%2)").arg(ad, gunler);
}

} // namespace TakvimMetinleri
