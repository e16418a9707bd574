#pragma once

#include <QDate>
#include <QString>
#include <QVector>

// Which days a project's durations count. HerGun is how every plan was computed before
// calendars existed, and the calendar of every project that never chose one.
enum class TakvimTuru : quint8 { HerGun, PazartesiCuma, PazartesiCumartesi };

// A day the project treats otherwise than its week and the official holidays say.
enum class IstisnaTuru : quint8 {
    Tatil,        // an extra holiday
    IdariIzin,    // a bridge day the administration gives off
    CalisilanGun, // a weekend day or holiday that is worked
};

struct TakvimIstisnasi {
    QDate tarih;
    IstisnaTuru tur = IstisnaTuru::Tatil;
    QString ad; // the user's own name for it

    bool operator==(const TakvimIstisnasi& o) const { return tarih == o.tarih && tur == o.tur && ad == o.ad; }
    bool operator!=(const TakvimIstisnasi& o) const { return !(*this == o); }
};

// A project's calendar as it is stored.
struct ProjeTakvimi {
    TakvimTuru tur = TakvimTuru::HerGun;
    // The arife afternoons (the eve of each bayram and 28 October) are worked unless this is
    // set; then those days are whole holidays. Kavrion counts whole days.
    bool arifelerTatil = false;
    QVector<TakvimIstisnasi> istisnalar; // by date, at most one a day

    bool operator==(const ProjeTakvimi& o) const
    {
        return tur == o.tur && arifelerTatil == o.arifelerTatil && istisnalar == o.istisnalar;
    }
    bool operator!=(const ProjeTakvimi& o) const { return !(*this == o); }
};
