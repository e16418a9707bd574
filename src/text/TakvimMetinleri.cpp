#include "text/TakvimMetinleri.h"

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

QString TakvimTanimi(const ProjeTakvimi& takvim)
{
    QString metin = TakvimAdi(takvim.tur);
    if (takvim.arifelerTatil && takvim.tur != TakvimTuru::HerGun)
        metin += QStringLiteral(", arifeler tatil");
    if (!takvim.istisnalar.isEmpty())
        metin += QStringLiteral(" + %1 istisna").arg(takvim.istisnalar.size());
    return metin;
}

} // namespace TakvimMetinleri
