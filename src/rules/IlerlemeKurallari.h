#pragma once

#include "kernel/Ilerleme.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The rules progress and baselines keep before they are stored, as plain functions.

// The longest name a baseline may have, in characters.
constexpr int TabanAdiSiniri = 50;

// Why progress, a status date or a baseline cannot be stored, with the activity and the
// date (or the baseline's number) it concerns.
struct IlerlemeReddi {
    enum Tur {
        Yok,
        BitisBaslamadanOnce,  // an actual finish before the actual start
        DurumTarihindenSonra, // an actual date after the status date
        YuzdeAralikDisi,      // a percent outside 0–100
        KalanAralikDisi,      // remaining days below 0 (other than "from the percent")
        EksikBitis,           // a finish given with less than 100 %
        BaslamasizBitis,      // a finish given with no start
        BaslamasizIlerleme,   // a percent or remaining days given with no start
        GecersizTarih,        // a date beyond the years 1–9999
        DurumTarihiYok,       // progress without a status date
        DurumTarihiGeride,    // a status date before an actual date already entered
        FaaliyetYok,          // progress of an activity the project does not have
        TabanAdiBos,
        TabanAdiUzun,         // over TabanAdiSiniri characters
        TabanAdiKullanilmis,
        TabanSiniriDolu,      // a twelfth baseline
        TabanYok,             // a baseline number the project does not have
        TabanNumarasi,        // an imported baseline's number outside 0–10, or given twice
    };
    Tur tur = Yok;
    QString kodu; // the activity, when the rule is about one
    QDate tarih;  // the date that breaks it
    QString ad;   // the baseline's name, when the rule is about one

    explicit operator bool() const { return tur != Yok; }
};

// An activity's progress against the project's status date (invalid: none set).
IlerlemeReddi IlerlemeyiDenetle(const QString& kodu, const FaaliyetIlerlemesi& ilerleme, const QDate& durumTarihi);
// A new status date against the progress stored: none while there is progress, never
// before an actual date.
IlerlemeReddi DurumTarihiniDenetle(const QDate& yeni, const ProjeIlerlemesi& saklanan);
// A name for baseline `numara` (-1: a new one) among the project's baselines.
IlerlemeReddi TabanAdiniDenetle(const QString& ad, const TabanPlanlari& tabanlar, qint32 numara = -1);
// A new baseline: its name, and room for it.
IlerlemeReddi TabanKaydiniDenetle(const TabanPlani& yeni, const TabanPlanlari& tabanlar);
// The baseline chosen for comparison (-1: none) must be one of the project's.
IlerlemeReddi TabanSeciminiDenetle(qint32 numara, const TabanPlanlari& tabanlar);
// A whole project's progress and baselines as an import brings them, for its activities' codes.
IlerlemeReddi ProjeIlerlemesiniDenetle(const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar,
                                       const QStringList& kodlar);
