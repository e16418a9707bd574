#include "kernel/IsTakvimi.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <mutex>

namespace {

// The years the tables cover; the years every date field and file format names.
constexpr int IlkYil = 1;
constexpr int SonYil = 9999;
constexpr quint8 TatilYok = 0xFF;

bool HaftaSonu(TakvimTuru tur, int haftaGunu)
{
    switch (tur) {
    case TakvimTuru::HerGun: return false;
    case TakvimTuru::PazartesiCuma: return haftaGunu >= Qt::Saturday;
    case TakvimTuru::PazartesiCumartesi: return haftaGunu == Qt::Sunday;
    }
    return false;
}

bool Kapsamda(const QDate& tarih)
{
    return tarih.isValid() && tarih.year() >= IlkYil && tarih.year() <= SonYil;
}

const TakvimIstisnasi* IstisnaBul(const ProjeTakvimi& tanim, const QDate& tarih)
{
    const auto it = std::lower_bound(tanim.istisnalar.cbegin(), tanim.istisnalar.cend(), tarih,
                                     [](const TakvimIstisnasi& i, const QDate& t) { return i.tarih < t; });
    return it != tanim.istisnalar.cend() && it->tarih == tarih ? &*it : nullptr;
}

// Whether a day works, from its exception, its official holiday and its week day.
bool Calisilir(const ProjeTakvimi& tanim, const TakvimIstisnasi* istisna, std::optional<ResmiTatil> tatil, int haftaGunu)
{
    if (istisna)
        return istisna->tur == IstisnaTuru::CalisilanGun;
    if (tatil)
        return YarimGun(*tatil) && !tanim.arifelerTatil && !HaftaSonu(tanim.tur, haftaGunu);
    return !HaftaSonu(tanim.tur, haftaGunu);
}

// The official holiday on that day, looked up directly: for days outside the tables. A whole
// holiday wins over an arife on the same day; otherwise the first found stays.
std::optional<ResmiTatil> ResmiTatilBul(const QDate& tarih)
{
    std::optional<ResmiTatil> bulunan;
    for (int yil = tarih.year() - 1; yil <= tarih.year() + 1; ++yil)
        for (const TatilAraligi& t : YilinTatilleri(yil))
            if (t.ilk <= tarih && tarih <= t.Son() && (!bulunan || YarimGun(*bulunan)))
                bulunan = t.tatil;
    return bulunan;
}

// The holiday as the year lists have it, a bayram whole, for a day it falls on.
std::optional<TatilAraligi> AraligiBul(ResmiTatil tatil, const QDate& gun)
{
    for (int yil = gun.year() - 1; yil <= gun.year() + 1; ++yil)
        for (const TatilAraligi& t : YilinTatilleri(yil))
            if (t.tatil == tatil && t.ilk <= gun && gun <= t.Son())
                return t;
    return std::nullopt;
}

// One year's days: the official holiday on each, and the working days before each.
struct YilTablosu {
    qint64 ocakJd = 0; // 1 January
    int gunSayisi = 0;
    std::array<quint8, 366> tatil{};
    std::array<quint16, 367> onceki{}; // working days among the year's first i days

    int Toplam() const { return onceki[gunSayisi]; }
    bool Calisilir(int i) const { return onceki[i + 1] != onceki[i]; }
    std::optional<ResmiTatil> Tatil(int i) const
    {
        return tatil[i] == TatilYok ? std::nullopt : std::optional<ResmiTatil>(ResmiTatil(tatil[i]));
    }
};

// The holidays of the year before and after count too: a bayram may run over New Year.
void TatilleriIsle(YilTablosu& t, int yil)
{
    t.tatil.fill(TatilYok);
    for (int y = yil - 1; y <= yil + 1; ++y) {
        for (const TatilAraligi& a : YilinTatilleri(y)) {
            if (!a.ilk.isValid())
                continue;
            const qint64 bas = std::max<qint64>(a.ilk.toJulianDay() - t.ocakJd, 0);
            const qint64 son = std::min<qint64>(a.ilk.toJulianDay() + a.gunSayisi - 1 - t.ocakJd, t.gunSayisi - 1);
            for (qint64 i = bas; i <= son; ++i)
                if (t.tatil[i] == TatilYok || YarimGun(ResmiTatil(t.tatil[i])))
                    t.tatil[i] = quint8(a.tatil);
        }
    }
}

YilTablosu YilTablosuKur(const ProjeTakvimi& tanim, int yil)
{
    YilTablosu t;
    const QDate ocak(yil, 1, 1);
    t.ocakJd = ocak.toJulianDay();
    t.gunSayisi = ocak.daysInYear();
    if (tanim.tur != TakvimTuru::HerGun)
        TatilleriIsle(t, yil);
    else
        t.tatil.fill(TatilYok);
    auto istisna = std::lower_bound(tanim.istisnalar.cbegin(), tanim.istisnalar.cend(), ocak,
                                    [](const TakvimIstisnasi& i, const QDate& d) { return i.tarih < d; });
    const int ocakHaftaGunu = ocak.dayOfWeek();
    for (int i = 0; i < t.gunSayisi; ++i) {
        const qint64 jd = t.ocakJd + i;
        while (istisna != tanim.istisnalar.cend() && istisna->tarih.toJulianDay() < jd)
            ++istisna;
        const bool var = istisna != tanim.istisnalar.cend() && istisna->tarih.toJulianDay() == jd;
        const int haftaGunu = (ocakHaftaGunu - 1 + i) % 7 + 1;
        t.onceki[i + 1] = t.onceki[i] + Calisilir(tanim, var ? &*istisna : nullptr, t.Tatil(i), haftaGunu);
    }
    return t;
}

} // namespace

// Built lazily, as years are touched, and shared by every copy of the calendar: its content
// follows from the definition alone, which a calendar never changes. One lock guards it,
// so the const functions are safe from several threads; each call takes it once.
struct IsTakvimi::Onbellek {
    std::mutex kilit;
    std::map<int, std::unique_ptr<const YilTablosu>> yillar;
    // birikimli[k]: the working days from 1 January of the first year touched to 1 January
    // of ilkYil + k (negative before it). Grows either way, one year's count at a time.
    int ilkYil = 0;
    std::deque<qint64> birikimli;

    const YilTablosu& Yil(const ProjeTakvimi& tanim, int yil)
    {
        auto& yer = yillar[yil];
        if (!yer)
            yer = std::make_unique<const YilTablosu>(YilTablosuKur(tanim, yil));
        return *yer;
    }

    int YilToplami(const ProjeTakvimi& tanim, int yil) const
    {
        const auto it = yillar.find(yil);
        return it != yillar.cend() ? it->second->Toplam() : YilTablosuKur(tanim, yil).Toplam();
    }

    // Makes birikimli hold 1 January of `yil` and of the year after.
    void Kapsa(const ProjeTakvimi& tanim, int yil)
    {
        if (birikimli.empty()) {
            ilkYil = yil;
            birikimli = {0, YilToplami(tanim, yil)};
        }
        while (ilkYil + int(birikimli.size()) - 1 <= yil)
            birikimli.push_back(birikimli.back() + YilToplami(tanim, ilkYil + int(birikimli.size()) - 1));
        while (ilkYil > yil) {
            --ilkYil;
            birikimli.push_front(birikimli.front() - YilToplami(tanim, ilkYil));
        }
    }

    // The working days before `tarih`, counted from the first year touched; a date beyond
    // the covered years counts as their first or last day.
    qint64 Sira(const ProjeTakvimi& tanim, const QDate& tarih)
    {
        if (tarih.year() < IlkYil) {
            Kapsa(tanim, IlkYil);
            return birikimli[IlkYil - ilkYil];
        }
        if (tarih.year() > SonYil) {
            Kapsa(tanim, SonYil);
            return birikimli[SonYil + 1 - ilkYil];
        }
        Kapsa(tanim, tarih.year());
        return birikimli[tarih.year() - ilkYil] + Yil(tanim, tarih.year()).onceki[tarih.dayOfYear() - 1];
    }

    // The working day numbered `sira` as Sira counts; invalid beyond the covered years.
    QDate Siradaki(const ProjeTakvimi& tanim, qint64 sira)
    {
        if (birikimli.empty())
            return QDate();
        while (birikimli.back() <= sira && ilkYil + int(birikimli.size()) - 1 <= SonYil)
            Kapsa(tanim, ilkYil + int(birikimli.size()) - 1);
        while (birikimli.front() > sira && ilkYil > IlkYil)
            Kapsa(tanim, ilkYil - 1);
        if (sira < birikimli.front() || sira >= birikimli.back())
            return QDate();
        const auto sonraki = std::upper_bound(birikimli.cbegin(), birikimli.cend(), sira);
        const int k = int(sonraki - birikimli.cbegin()) - 1;
        const YilTablosu& t = Yil(tanim, ilkYil + k);
        const qint64 kalan = sira - birikimli[k];
        const auto gun = std::upper_bound(t.onceki.cbegin(), t.onceki.cbegin() + t.gunSayisi + 1, kalan);
        return QDate::fromJulianDay(t.ocakJd + (gun - t.onceki.cbegin()) - 1);
    }
};

IsTakvimi::IsTakvimi(ProjeTakvimi tanim) : m_tanim(std::move(tanim))
{
    if (!HerGunCalisilir())
        m_onbellek = std::make_shared<Onbellek>();
}

bool IsTakvimi::HerGunCalisilir() const
{
    return m_tanim.tur == TakvimTuru::HerGun && m_tanim.istisnalar.isEmpty();
}

GunBilgisi IsTakvimi::Gun(const QDate& tarih) const
{
    GunBilgisi bilgi;
    const TakvimIstisnasi* istisna = IstisnaBul(m_tanim, tarih);
    if (istisna)
        bilgi.istisna = *istisna;
    if (m_tanim.tur == TakvimTuru::HerGun) {
        bilgi.calisilir = Calisilir(m_tanim, istisna, std::nullopt, tarih.dayOfWeek());
        return bilgi;
    }
    bilgi.tahmini = TahminiYil(tarih.year());
    if (!Kapsamda(tarih)) {
        bilgi.tatil = ResmiTatilBul(tarih);
        bilgi.calisilir = Calisilir(m_tanim, istisna, bilgi.tatil, tarih.dayOfWeek());
        return bilgi;
    }
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    const YilTablosu& t = m_onbellek->Yil(m_tanim, tarih.year());
    bilgi.tatil = t.Tatil(tarih.dayOfYear() - 1);
    bilgi.calisilir = t.Calisilir(tarih.dayOfYear() - 1);
    return bilgi;
}

QDate IsTakvimi::IlkIsGunu(const QDate& tarih) const
{
    if (HerGunCalisilir() || !Kapsamda(tarih))
        return HerGunCalisilir() ? tarih : QDate();
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    return m_onbellek->Siradaki(m_tanim, m_onbellek->Sira(m_tanim, tarih));
}

QDate IsTakvimi::IsGunuEkle(const QDate& isGunu, qint64 n) const
{
    if (HerGunCalisilir())
        return isGunu.addDays(n);
    if (!Kapsamda(isGunu) || !CalisilirMi(isGunu))
        return QDate();
    // A working day is at least a calendar day: a count beyond the covered days needs no table.
    const qint64 jd = isGunu.toJulianDay();
    if (n >= QDate(SonYil + 1, 1, 1).toJulianDay() - jd || -n > jd - QDate(IlkYil, 1, 1).toJulianDay())
        return QDate();
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    return m_onbellek->Siradaki(m_tanim, m_onbellek->Sira(m_tanim, isGunu) + n);
}

qint64 IsTakvimi::IsGunuSay(const QDate& a, const QDate& b) const
{
    if (HerGunCalisilir())
        return a.daysTo(b);
    if (!a.isValid() || !b.isValid())
        return 0;
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    return m_onbellek->Sira(m_tanim, b) - m_onbellek->Sira(m_tanim, a);
}

QVector<TatilDonemi> IsTakvimi::KayipTatiller(const QDate& a, const QDate& b) const
{
    QVector<TatilDonemi> donemler;
    if (HerGunCalisilir() || !a.isValid() || !b.isValid())
        return donemler;
    const QDate ilk = std::max(a, QDate(IlkYil, 1, 1)), son = std::min(b, QDate(SonYil, 12, 31));
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    std::optional<TatilAraligi> sonResmi; // the official holiday listed last, whole
    for (QDate gun = ilk; gun <= son; gun = gun.addDays(1)) {
        const YilTablosu& t = m_onbellek->Yil(m_tanim, gun.year());
        const int i = gun.dayOfYear() - 1;
        if (t.Calisilir(i) || HaftaSonu(m_tanim.tur, gun.dayOfWeek()))
            continue;
        if (const TakvimIstisnasi* istisna = IstisnaBul(m_tanim, gun)) {
            donemler.push_back({std::nullopt, istisna->ad, gun, gun});
            continue;
        }
        const std::optional<ResmiTatil> tatil = t.Tatil(i);
        if (!tatil || (sonResmi && sonResmi->tatil == *tatil && gun <= sonResmi->Son()))
            continue;
        if ((sonResmi = AraligiBul(*tatil, gun)))
            donemler.push_back({sonResmi->tatil, QString(), sonResmi->ilk, sonResmi->Son()});
    }
    return donemler;
}
