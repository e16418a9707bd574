#pragma once

#include "kernel/ResmiTatiller.h"
#include "kernel/Takvim.h"

#include <QDate>
#include <QVector>
#include <memory>
#include <optional>

// What a calendar says of one day.
struct GunBilgisi {
    bool calisilir = true;
    std::optional<ResmiTatil> tatil;          // the official holiday on that day, worked or not
    std::optional<TakvimIstisnasi> istisna;   // the project's own exception for that day
    bool tahmini = false;                     // the year's bayram dates are an estimate
};

// Days off that are not the week's own: an official holiday (whole, as the year has it) or
// one of the project's holiday exceptions (a single day, under the user's name).
struct TatilDonemi {
    std::optional<ResmiTatil> resmi;
    QString ad; // the exception's name; empty for an official holiday
    QDate ilk, son;
};

// A project's calendar ready for counting: which days work, and working days added to
// and counted between dates. Cheap to copy; its const functions may run in several
// threads at once. A working-day calendar counts within the years 1 to 9999, the years
// every date field and file names: a date it would reach beyond them is invalid, and no
// day beyond them is counted.
class IsTakvimi {
public:
    IsTakvimi() = default; // every day works
    explicit IsTakvimi(ProjeTakvimi tanim);

    const ProjeTakvimi& Tanim() const { return m_tanim; }
    // Every day is a working day: dates are the start plus calendar days.
    bool HerGunCalisilir() const;

    GunBilgisi Gun(const QDate& tarih) const;
    bool CalisilirMi(const QDate& tarih) const { return Gun(tarih).calisilir; }
    // The first working day on or after `tarih`.
    QDate IlkIsGunu(const QDate& tarih) const;
    // From working day `isGunu`, the working day n working days later (earlier when n < 0).
    // Invalid when that leaves the years a QDate names or `isGunu` does not work.
    QDate IsGunuEkle(const QDate& isGunu, qint64 n) const;
    // The working days d with a <= d < b; negative (the count of b <= d < a) when b < a.
    qint64 IsGunuSay(const QDate& a, const QDate& b) const;
    // The official holidays and the project's holiday exceptions that take working time
    // away between a and b (both included), in date order: what moved a finish in that span.
    QVector<TatilDonemi> KayipTatiller(const QDate& a, const QDate& b) const;

private:
    struct Onbellek;
    ProjeTakvimi m_tanim;
    // The year tables built so far, shared by copies; none under "Her gün".
    std::shared_ptr<Onbellek> m_onbellek;
};
