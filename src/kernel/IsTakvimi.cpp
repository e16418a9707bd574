#include "kernel/IsTakvimi.h"

#include <algorithm>

namespace {

bool HaftaSonu(TakvimTuru tur, const QDate& tarih)
{
    const int gun = tarih.dayOfWeek();
    switch (tur) {
    case TakvimTuru::HerGun: return false;
    case TakvimTuru::PazartesiCuma: return gun >= Qt::Saturday;
    case TakvimTuru::PazartesiCumartesi: return gun == Qt::Sunday;
    }
    return false;
}

const TakvimIstisnasi* IstisnaBul(const ProjeTakvimi& tanim, const QDate& tarih)
{
    const auto it = std::lower_bound(tanim.istisnalar.cbegin(), tanim.istisnalar.cend(), tarih,
                                     [](const TakvimIstisnasi& i, const QDate& t) { return i.tarih < t; });
    return it != tanim.istisnalar.cend() && it->tarih == tarih ? &*it : nullptr;
}

// The official holiday on that day; a whole holiday wins over an arife on the same day.
std::optional<ResmiTatil> ResmiTatilBul(const QDate& tarih)
{
    std::optional<ResmiTatil> bulunan;
    for (int yil = tarih.year() - 1; yil <= tarih.year() + 1; ++yil)
        for (const TatilAraligi& t : YilinTatilleri(yil))
            if (t.ilk <= tarih && tarih <= t.Son() && (!bulunan || YarimGun(*bulunan)))
                bulunan = t.tatil;
    return bulunan;
}

} // namespace

IsTakvimi::IsTakvimi(ProjeTakvimi tanim) : m_tanim(std::move(tanim)) {}

bool IsTakvimi::HerGunCalisilir() const
{
    return m_tanim.tur == TakvimTuru::HerGun && m_tanim.istisnalar.isEmpty();
}

GunBilgisi IsTakvimi::Gun(const QDate& tarih) const
{
    GunBilgisi bilgi;
    if (m_tanim.tur != TakvimTuru::HerGun) {
        bilgi.tatil = ResmiTatilBul(tarih);
        bilgi.tahmini = TahminiYil(tarih.year());
    }
    if (const TakvimIstisnasi* istisna = IstisnaBul(m_tanim, tarih)) {
        bilgi.istisna = *istisna;
        bilgi.calisilir = istisna->tur == IstisnaTuru::CalisilanGun;
    } else if (bilgi.tatil) {
        bilgi.calisilir = YarimGun(*bilgi.tatil) && !m_tanim.arifelerTatil && !HaftaSonu(m_tanim.tur, tarih);
    } else {
        bilgi.calisilir = !HaftaSonu(m_tanim.tur, tarih);
    }
    return bilgi;
}

QDate IsTakvimi::IlkIsGunu(const QDate& tarih) const
{
    QDate gun = tarih;
    while (gun.isValid() && !CalisilirMi(gun))
        gun = gun.addDays(1);
    return gun;
}

QDate IsTakvimi::IsGunuEkle(const QDate& isGunu, qint64 n) const
{
    if (!isGunu.isValid() || !CalisilirMi(isGunu))
        return QDate();
    QDate gun = isGunu;
    const int adim = n < 0 ? -1 : 1;
    for (qint64 kalan = n < 0 ? -n : n; kalan > 0 && gun.isValid();) {
        gun = gun.addDays(adim);
        if (gun.isValid() && CalisilirMi(gun))
            --kalan;
    }
    return gun;
}

qint64 IsTakvimi::IsGunuSay(const QDate& a, const QDate& b) const
{
    if (b < a)
        return -IsGunuSay(b, a);
    qint64 sayi = 0;
    for (QDate gun = a; gun < b; gun = gun.addDays(1))
        sayi += CalisilirMi(gun);
    return sayi;
}

QVector<TatilDonemi> IsTakvimi::KayipTatiller(const QDate& a, const QDate& b) const
{
    QVector<TatilDonemi> donemler;
    for (QDate gun = a; gun.isValid() && gun <= b; gun = gun.addDays(1)) {
        const GunBilgisi bilgi = Gun(gun);
        if (bilgi.calisilir || (!bilgi.istisna && !bilgi.tatil) || HaftaSonu(m_tanim.tur, gun))
            continue;
        if (bilgi.istisna) {
            donemler.push_back({std::nullopt, bilgi.istisna->ad, gun, gun});
            continue;
        }
        if (!donemler.isEmpty() && donemler.back().resmi == bilgi.tatil && gun <= donemler.back().son)
            continue;
        for (const TatilAraligi& t : YilinTatilleri(gun.year()))
            if (t.tatil == *bilgi.tatil && t.ilk <= gun && gun <= t.Son())
                donemler.push_back({t.tatil, QString(), t.ilk, t.Son()});
    }
    return donemler;
}
