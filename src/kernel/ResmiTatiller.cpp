#include "kernel/ResmiTatiller.h"

#include <algorithm>
#include <cmath>

namespace {

// The bayrams' first days, month * 100 + day; each arife is the day before. Kept as data
// because no formula gives them: the arithmetic Hijri calendar puts more than half of
// these one day late.
struct BayramYili {
    int yil;
    int ramazan;
    int kurban;
    int ikinciRamazan; // 0 when the year has one
    const char* kaynak;
};

constexpr const char* Kaynak2024 = "python-holidays, Turkey (Diyanet Hicri takvim çevirisiyle doğrulanmış); "
                                   "2024–2026 resmî tatil veri seti";
constexpr const char* Kaynak2026 = "python-holidays, Turkey (Diyanet Hicri takvim çevirisiyle doğrulanmış); "
                                   "Diyanet dinî günler 2026–2035; 2024–2026 resmî tatil veri seti";
constexpr const char* KaynakKesin = "python-holidays, Turkey (Diyanet Hicri takvim çevirisiyle doğrulanmış); "
                                    "Diyanet dinî günler 2026–2035";
constexpr const char* KaynakTahmini = "Diyanet dinî günler 2026–2035; python-holidays, Turkey (tahmin)";

constexpr BayramYili BayramYillari[] = {
    {2024, 410, 616, 0, Kaynak2024},     {2025, 330, 606, 0, Kaynak2024},
    {2026, 320, 527, 0, Kaynak2026},     {2027, 309, 516, 0, KaynakKesin},
    {2028, 226, 505, 0, KaynakKesin},    {2029, 214, 424, 0, KaynakKesin},
    {2030, 204, 413, 0, KaynakKesin},    {2031, 124, 402, 0, KaynakKesin},
    {2032, 114, 322, 0, KaynakKesin},    {2033, 102, 311, 1223, KaynakTahmini},
    {2034, 1212, 301, 0, KaynakTahmini}, {2035, 1201, 218, 0, KaynakTahmini},
};

const BayramYili* BayramYiliBul(int yil)
{
    for (const BayramYili& y : BayramYillari)
        if (y.yil == yil)
            return &y;
    return nullptr;
}

// A bayram's first days in a year that is not bundled: a bundled first day moved by whole
// mean lunar years, rounded to the day.
QVector<QDate> TahminiIlkGunler(int yil, const QDate& dayanak)
{
    constexpr double AyYili = 354.36707;
    const QDate yilBasi(yil, 1, 1);
    const qint64 once = dayanak.daysTo(yilBasi);
    QVector<QDate> gunler;
    for (qint64 k = static_cast<qint64>(std::floor(once / AyYili)) - 1; k <= once / AyYili + 2; ++k) {
        const QDate gun = dayanak.addDays(std::llround(k * AyYili));
        if (gun.year() == yil)
            gunler.push_back(gun);
    }
    return gunler;
}

void BayramEkle(QVector<TatilAraligi>& tatiller, ResmiTatil arife, ResmiTatil bayram, const QDate& ilk, int gun)
{
    tatiller.push_back({arife, ilk.addDays(-1), 1});
    tatiller.push_back({bayram, ilk, gun});
}

} // namespace

bool YarimGun(ResmiTatil tatil)
{
    return tatil == ResmiTatil::CumhuriyetArifesi || tatil == ResmiTatil::RamazanArifesi
        || tatil == ResmiTatil::KurbanArifesi;
}

QVector<TatilAraligi> YilinTatilleri(int yil)
{
    QVector<TatilAraligi> tatiller = {
        {ResmiTatil::YilBasi, QDate(yil, 1, 1), 1},          {ResmiTatil::UlusalEgemenlik, QDate(yil, 4, 23), 1},
        {ResmiTatil::EmekVeDayanisma, QDate(yil, 5, 1), 1},  {ResmiTatil::GenclikVeSpor, QDate(yil, 5, 19), 1},
        {ResmiTatil::DemokrasiVeMilliBirlik, QDate(yil, 7, 15), 1}, {ResmiTatil::Zafer, QDate(yil, 8, 30), 1},
        {ResmiTatil::CumhuriyetArifesi, QDate(yil, 10, 28), 1}, {ResmiTatil::Cumhuriyet, QDate(yil, 10, 29), 1},
    };
    const auto tarih = [yil](int ayGun) { return QDate(yil, ayGun / 100, ayGun % 100); };
    if (const BayramYili* y = BayramYiliBul(yil)) {
        BayramEkle(tatiller, ResmiTatil::RamazanArifesi, ResmiTatil::RamazanBayrami, tarih(y->ramazan), 3);
        if (y->ikinciRamazan)
            BayramEkle(tatiller, ResmiTatil::RamazanArifesi, ResmiTatil::RamazanBayrami, tarih(y->ikinciRamazan), 3);
        BayramEkle(tatiller, ResmiTatil::KurbanArifesi, ResmiTatil::KurbanBayrami, tarih(y->kurban), 4);
    } else {
        for (const QDate& ilk : TahminiIlkGunler(yil, QDate(2026, 3, 20)))
            BayramEkle(tatiller, ResmiTatil::RamazanArifesi, ResmiTatil::RamazanBayrami, ilk, 3);
        for (const QDate& ilk : TahminiIlkGunler(yil, QDate(2026, 5, 27)))
            BayramEkle(tatiller, ResmiTatil::KurbanArifesi, ResmiTatil::KurbanBayrami, ilk, 4);
    }
    std::stable_sort(tatiller.begin(), tatiller.end(),
                     [](const TatilAraligi& a, const TatilAraligi& b) { return a.ilk < b.ilk; });
    return tatiller;
}

bool TahminiYil(int yil)
{
    return yil > SonKesinYil || !BayramYiliBul(yil);
}

const char* YilinKaynagi(int yil)
{
    const BayramYili* y = BayramYiliBul(yil);
    return y ? y->kaynak : "";
}
