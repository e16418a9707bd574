#pragma once

#include "kernel/Takvim.h"

#include <QDate>
#include <QString>

// The rules a project's calendar keeps before it is stored, as a plain function.

// The longest name an exception may have, in characters.
constexpr int IstisnaAdiSiniri = 50;

// Why a calendar cannot be stored, and the exception (by its date) that breaks the rule.
struct TakvimReddi {
    enum Tur {
        Yok,
        GecersizTur,    // a kind of week or of exception this build does not know
        GecersizTarih,  // an exception on no real day, or beyond the years 1–9999
        Sirasiz,        // the exceptions are not in date order
        AyniGun,        // two exceptions on one day
        UzunAd,         // a name longer than IstisnaAdiSiniri
    };
    Tur tur = Yok;
    QDate tarih;

    explicit operator bool() const { return tur != Yok; }
};

// The first rule the calendar breaks, in the order of its exceptions; none when it keeps them all.
TakvimReddi TakvimiDenetle(const ProjeTakvimi& takvim);

// The box's words for a refusal, the date in the regional format; empty for none.
QString TakvimReddiMetni(const TakvimReddi& ret);
