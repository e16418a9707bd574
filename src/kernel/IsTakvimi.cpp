#include "kernel/IsTakvimi.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <vector>

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

const TakvimIstisnasi* IstisnaBul(const ProjeTakvimi& tanim, const QDate& tarih)
{
    const auto it = std::lower_bound(tanim.istisnalar.cbegin(), tanim.istisnalar.cend(), tarih,
                                     [](const TakvimIstisnasi& i, const QDate& t) { return i.tarih < t; });
    return it != tanim.istisnalar.cend() && it->tarih == tarih ? &*it : nullptr;
}

// Whether a day works, from its exception, its official holiday and whether the week rests.
bool Calisilir(const ProjeTakvimi& tanim, const TakvimIstisnasi* istisna, std::optional<ResmiTatil> tatil, bool haftaSonu)
{
    if (istisna)
        return istisna->tur == IstisnaTuru::CalisilanGun;
    if (tatil)
        return YarimGun(*tatil) && !tanim.arifelerTatil && !haftaSonu;
    return !haftaSonu;
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
using UcYilinTatilleri = std::array<QVector<TatilAraligi>, 3>; // the year before, the year, the year after

void TatilleriIsle(YilTablosu& t, const UcYilinTatilleri& tatiller)
{
    for (const QVector<TatilAraligi>& liste : tatiller) {
        for (const TatilAraligi& a : liste) {
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

YilTablosu YilTablosuKur(const ProjeTakvimi& tanim, int yil, const UcYilinTatilleri& tatiller)
{
    YilTablosu t;
    const QDate ocak(yil, 1, 1);
    t.ocakJd = ocak.toJulianDay();
    t.gunSayisi = ocak.daysInYear();
    t.tatil.fill(TatilYok);
    if (tanim.tur != TakvimTuru::HerGun)
        TatilleriIsle(t, tatiller);
    auto istisna = std::lower_bound(tanim.istisnalar.cbegin(), tanim.istisnalar.cend(), ocak,
                                    [](const TakvimIstisnasi& i, const QDate& d) { return i.tarih < d; });
    std::array<bool, 7> haftaSonu{};
    for (int g = 0; g < 7; ++g)
        haftaSonu[g] = HaftaSonu(tanim.tur, g + 1);
    // Weeks and holidays in one tight loop, the count in a register: a year is built on nearly
    // every first touch.
    quint16 sayi = 0;
    for (int i = 0, hafta = ocak.dayOfWeek() - 1; i < t.gunSayisi; ++i) {
        bool calisir = !haftaSonu[hafta];
        hafta = hafta == 6 ? 0 : hafta + 1;
        while (istisna != tanim.istisnalar.cend() && istisna->tarih.toJulianDay() < t.ocakJd + i)
            ++istisna;
        const bool var = istisna != tanim.istisnalar.cend() && istisna->tarih.toJulianDay() == t.ocakJd + i;
        if (var || t.tatil[i] != TatilYok)
            calisir = Calisilir(tanim, var ? &*istisna : nullptr, t.Tatil(i), !calisir);
        sayi += calisir;
        t.onceki[i + 1] = sayi;
    }
    return t;
}

// A calendar keeps the day tables of at most this many years; beyond them it keeps only
// each year's count and builds a year's days again when they are asked for.
constexpr int EnCokTablo = 2048;

const qint64 IlkJd = QDate(IlkYil, 1, 1).toJulianDay();
const qint64 SonJd = QDate(SonYil + 1, 1, 1).toJulianDay(); // the first day past the tables

bool Kapsamda(qint64 jd)
{
    return jd >= IlkJd && jd < SonJd;
}

} // namespace

// Built lazily, a year at a time from the first year touched, and shared by every copy of the
// calendar: its content follows from the definition alone, which a calendar never changes. One
// lock guards it, so the const functions are safe from several threads; each call takes it once.
// The years covered are contiguous; year ilkYil + k starts on ocakJd[k] and has the working
// days birikimli[k] to birikimli[k + 1] (counted from the first year touched).
struct IsTakvimi::Onbellek {
    std::mutex kilit;
    int ilkYil = 0;
    std::vector<qint64> ocakJd, birikimli;                  // one more than the years covered
    std::vector<std::unique_ptr<const YilTablosu>> tablolar; // null beyond EnCokTablo, built again on demand
    int tabloSayisi = 0;
    std::map<int, QVector<TatilAraligi>> tatiller; // the official holidays by year, while tables are built
    QDate sonBaslama, sonIlkIsGunu;                // IlkIsGunu's last question and answer

    std::unique_ptr<const YilTablosu> Kur(const ProjeTakvimi& tanim, int yil)
    {
        if (tatiller.size() > 8)
            tatiller.clear();
        const auto liste = [&](int y) {
            auto [yer, yeni] = tatiller.try_emplace(y);
            if (yeni)
                yer->second = YilinTatilleri(y);
            return yer->second;
        };
        const UcYilinTatilleri uc = tanim.tur == TakvimTuru::HerGun ? UcYilinTatilleri{}
                                                                    : UcYilinTatilleri{liste(yil - 1), liste(yil), liste(yil + 1)};
        return std::make_unique<const YilTablosu>(YilTablosuKur(tanim, yil, uc));
    }

    std::unique_ptr<const YilTablosu> Sakla(std::unique_ptr<const YilTablosu> tablo)
    {
        if (tabloSayisi >= EnCokTablo)
            return nullptr;
        ++tabloSayisi;
        return tablo;
    }

    // Covers one more year after the last, or before the first as many years as are covered
    // (so that going back costs no more, in all, than going forward).
    void Ekle(const ProjeTakvimi& tanim, bool sonraki)
    {
        if (sonraki) {
            std::unique_ptr<const YilTablosu> t = Kur(tanim, ilkYil + int(tablolar.size()));
            birikimli.push_back(birikimli.back() + t->Toplam());
            ocakJd.push_back(t->ocakJd + t->gunSayisi);
            tablolar.push_back(Sakla(std::move(t)));
            return;
        }
        const int sayi = std::max(1, std::min(int(tablolar.size()), ilkYil - IlkYil));
        std::vector<qint64> yeniBirikimli(sayi), yeniOcak(sayi);
        std::vector<std::unique_ptr<const YilTablosu>> yeniTablolar(sayi);
        qint64 toplam = birikimli.front();
        for (int k = sayi - 1; k >= 0; --k) {
            std::unique_ptr<const YilTablosu> t = Kur(tanim, ilkYil - sayi + k);
            toplam -= t->Toplam();
            yeniBirikimli[k] = toplam;
            yeniOcak[k] = t->ocakJd;
            yeniTablolar[k] = Sakla(std::move(t));
        }
        ilkYil -= sayi;
        birikimli.insert(birikimli.begin(), yeniBirikimli.cbegin(), yeniBirikimli.cend());
        ocakJd.insert(ocakJd.begin(), yeniOcak.cbegin(), yeniOcak.cend());
        tablolar.insert(tablolar.begin(), std::make_move_iterator(yeniTablolar.begin()),
                        std::make_move_iterator(yeniTablolar.end()));
    }

    // Makes the years covered reach day `jd`, which lies within the tables' years.
    void Kapsa(const ProjeTakvimi& tanim, qint64 jd)
    {
        if (ocakJd.empty()) {
            ilkYil = QDate::fromJulianDay(jd).year();
            ocakJd = {QDate(ilkYil, 1, 1).toJulianDay()};
            birikimli = {0};
            Ekle(tanim, true);
        }
        while (jd >= ocakJd.back())
            Ekle(tanim, true);
        while (jd < ocakJd.front())
            Ekle(tanim, false);
    }

    int YilSirasi(qint64 jd) const
    {
        return int(std::upper_bound(ocakJd.cbegin(), ocakJd.cend(), jd) - ocakJd.cbegin()) - 1;
    }

    const YilTablosu& Tablo(const ProjeTakvimi& tanim, int k)
    {
        if (!tablolar[k])
            tablolar[k] = Kur(tanim, ilkYil + k);
        return *tablolar[k];
    }

    // A day within the tables' years: its year's table, its place there, and the working
    // days before it as birikimli counts them.
    struct GunYeri {
        const YilTablosu* t;
        int i;
        qint64 once;
    };
    GunYeri Gunu(const ProjeTakvimi& tanim, qint64 jd)
    {
        Kapsa(tanim, jd);
        const int k = YilSirasi(jd);
        const YilTablosu& t = Tablo(tanim, k);
        const int i = int(jd - t.ocakJd);
        return {&t, i, birikimli[k] + t.onceki[i]};
    }

    // The working days before day `jd`, as birikimli counts them; a day beyond the tables'
    // years counts as their first or last.
    qint64 Sira(const ProjeTakvimi& tanim, qint64 jd)
    {
        if (!Kapsamda(jd)) {
            Kapsa(tanim, jd < IlkJd ? IlkJd : SonJd - 1);
            return jd < IlkJd ? birikimli.front() : birikimli.back();
        }
        return Gunu(tanim, jd).once;
    }

    // The working day numbered `sira` as Sira counts; invalid beyond the tables' years.
    QDate Siradaki(const ProjeTakvimi& tanim, qint64 sira)
    {
        if (birikimli.empty())
            return QDate();
        while (birikimli.back() <= sira && ocakJd.back() < SonJd)
            Ekle(tanim, true);
        while (birikimli.front() > sira && ocakJd.front() > IlkJd)
            Ekle(tanim, false);
        if (sira < birikimli.front() || sira >= birikimli.back())
            return QDate();
        const int k = int(std::upper_bound(birikimli.cbegin(), birikimli.cend(), sira) - birikimli.cbegin()) - 1;
        const YilTablosu& t = Tablo(tanim, k);
        const auto gun = std::upper_bound(t.onceki.cbegin(), t.onceki.cbegin() + t.gunSayisi + 1, sira - birikimli[k]);
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
        bilgi.calisilir = Calisilir(m_tanim, istisna, std::nullopt, false);
        return bilgi;
    }
    bilgi.tahmini = TahminiYil(tarih.year());
    if (!tarih.isValid() || !Kapsamda(tarih.toJulianDay())) {
        bilgi.tatil = ResmiTatilBul(tarih);
        bilgi.calisilir = Calisilir(m_tanim, istisna, bilgi.tatil, HaftaSonu(m_tanim.tur, tarih.dayOfWeek()));
        return bilgi;
    }
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    const auto gun = m_onbellek->Gunu(m_tanim, tarih.toJulianDay());
    bilgi.tatil = gun.t->Tatil(gun.i);
    bilgi.calisilir = gun.t->Calisilir(gun.i);
    return bilgi;
}

QDate IsTakvimi::IlkIsGunu(const QDate& tarih) const
{
    if (HerGunCalisilir())
        return tarih;
    if (!tarih.isValid() || !Kapsamda(tarih.toJulianDay()))
        return QDate();
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    // Every date of a plan is counted from its start: that day's answer is kept.
    Onbellek& o = *m_onbellek;
    if (o.sonBaslama != tarih)
        o.sonIlkIsGunu = o.Siradaki(m_tanim, o.Sira(m_tanim, tarih.toJulianDay()));
    o.sonBaslama = tarih;
    return o.sonIlkIsGunu;
}

QDate IsTakvimi::IsGunuEkle(const QDate& isGunu, qint64 n) const
{
    if (HerGunCalisilir())
        return isGunu.addDays(n);
    const qint64 jd = isGunu.toJulianDay();
    // A working day is at least a calendar day: a count beyond the tables' days needs no table.
    if (!isGunu.isValid() || !Kapsamda(jd) || n >= SonJd - jd || n < IlkJd - jd)
        return QDate();
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    const auto gun = m_onbellek->Gunu(m_tanim, jd);
    return gun.t->Calisilir(gun.i) ? m_onbellek->Siradaki(m_tanim, gun.once + n) : QDate();
}

qint64 IsTakvimi::IsGunuSay(const QDate& a, const QDate& b) const
{
    if (HerGunCalisilir())
        return a.daysTo(b);
    if (!a.isValid() || !b.isValid())
        return 0;
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    return m_onbellek->Sira(m_tanim, b.toJulianDay()) - m_onbellek->Sira(m_tanim, a.toJulianDay());
}

QVector<TatilDonemi> IsTakvimi::KayipTatiller(const QDate& a, const QDate& b) const
{
    QVector<TatilDonemi> donemler;
    if (HerGunCalisilir() || !a.isValid() || !b.isValid())
        return donemler;
    const qint64 ilk = std::max(a.toJulianDay(), IlkJd), son = std::min(b.toJulianDay(), SonJd - 1);
    const std::lock_guard<std::mutex> kilit(m_onbellek->kilit);
    std::optional<TatilAraligi> sonResmi; // the official holiday listed last, whole
    for (qint64 jd = ilk; jd <= son; ++jd) {
        const auto [t, i, once] = m_onbellek->Gunu(m_tanim, jd);
        Q_UNUSED(once)
        const QDate gun = QDate::fromJulianDay(jd);
        if (t->Calisilir(i) || HaftaSonu(m_tanim.tur, gun.dayOfWeek()))
            continue;
        if (const TakvimIstisnasi* istisna = IstisnaBul(m_tanim, gun)) {
            donemler.push_back({std::nullopt, istisna->ad, gun, gun});
            continue;
        }
        const std::optional<ResmiTatil> tatil = t->Tatil(i);
        if (!tatil || (sonResmi && sonResmi->tatil == *tatil && gun <= sonResmi->Son()))
            continue;
        if ((sonResmi = AraligiBul(*tatil, gun)))
            donemler.push_back({sonResmi->tatil, QString(), sonResmi->ilk, sonResmi->Son()});
    }
    return donemler;
}
