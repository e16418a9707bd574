#pragma once

#include <QDate>
#include <QVector>

// The official holidays of Türkiye. The arifes are half days from 13:00.
enum class ResmiTatil : quint8 {
    YilBasi,                // 1 January
    UlusalEgemenlik,        // 23 April
    EmekVeDayanisma,        // 1 May
    GenclikVeSpor,          // 19 May
    DemokrasiVeMilliBirlik, // 15 July
    Zafer,                  // 30 August
    CumhuriyetArifesi,      // 28 October, half day
    Cumhuriyet,             // 29 October
    RamazanArifesi,         // half day
    RamazanBayrami,
    KurbanArifesi,          // half day
    KurbanBayrami,
};

bool YarimGun(ResmiTatil tatil);

// One holiday as it falls in a year: its first day and how many days it lasts.
struct TatilAraligi {
    ResmiTatil tatil = ResmiTatil::YilBasi;
    QDate ilk;
    int gunSayisi = 1;
    QDate Son() const { return ilk.addDays(gunSayisi - 1); }
};

// The first and last year whose bayram dates ship with Kavrion, and the last of them
// confirmed by the Presidency of Religious Affairs; later bundled years are its estimates.
inline constexpr int IlkBilinenYil = 2024;
inline constexpr int SonBilinenYil = 2035;
inline constexpr int SonKesinYil = 2032;

// Every official holiday of the year in date order, arifes included. Outside the bundled
// years the bayrams are estimated from the moon's mean motion.
QVector<TatilAraligi> YilinTatilleri(int yil);
// Whether the year's bayram dates are an estimate (after SonKesinYil, or not bundled).
bool TahminiYil(int yil);
// Where the year's bayram dates come from; empty for a year that is not bundled.
const char* YilinKaynagi(int yil);
