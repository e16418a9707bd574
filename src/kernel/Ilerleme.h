#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>

#include <cmath>

// What happened to an activity by the project's status date. An activity without a row has
// neither started nor progressed.
struct FaaliyetIlerlemesi {
    QDate gercekBaslama; // invalid: not started
    QDate gercekBitis;   // invalid: not finished; a finished activity is at 100 %
    qint32 yuzde = 0;    // percent complete, 0–100
    // The remaining working days when the user gave them rather than a percent; -1 when the
    // percent was given, and the remaining days follow from it and the duration.
    qint32 kalan = -1;

    bool operator==(const FaaliyetIlerlemesi& o) const
    {
        return gercekBaslama == o.gercekBaslama && gercekBitis == o.gercekBitis && yuzde == o.yuzde
               && kalan == o.kalan;
    }
    bool operator!=(const FaaliyetIlerlemesi& o) const { return !(*this == o); }
};

// The remaining working days of an activity of `sure` days: as given, or the part of the
// duration the percent leaves, rounded up (work half a day short is a day still to do).
inline qint32 KalanGun(qint32 sure, const FaaliyetIlerlemesi& ilerleme)
{
    if (ilerleme.gercekBitis.isValid())
        return 0;
    if (ilerleme.kalan >= 0)
        return ilerleme.kalan;
    return qint32(std::ceil(double(sure) * double(100 - ilerleme.yuzde) / 100.0));
}

// The percent complete: as given, or what the remaining days leave of the duration (never
// below 0 when the remaining work has grown beyond the duration).
inline qint32 TamamlanmaYuzdesi(qint32 sure, const FaaliyetIlerlemesi& ilerleme)
{
    if (ilerleme.gercekBitis.isValid())
        return 100;
    if (ilerleme.kalan < 0)
        return ilerleme.yuzde;
    if (sure <= 0)
        return ilerleme.kalan == 0 ? 100 : 0;
    const double yapilan = double(sure - ilerleme.kalan) / double(sure);
    return yapilan <= 0 ? 0 : qint32(std::lround(100.0 * yapilan));
}

// A project's progress as stored: its status date and each activity's progress by code.
struct ProjeIlerlemesi {
    QDate durumTarihi; // invalid: no status date set, and then no forecast
    QHash<QString, FaaliyetIlerlemesi> faaliyetler; // by the code as stored

    bool operator==(const ProjeIlerlemesi& o) const
    {
        return durumTarihi == o.durumTarihi && faaliyetler == o.faaliyetler;
    }
    bool operator!=(const ProjeIlerlemesi& o) const { return !(*this == o); }
};

// One activity as a baseline kept it: its dates and duration when the baseline was saved.
struct TabanSatiri {
    QString kodu;
    QDate baslama, bitis;
    qint32 sure = 0;

    bool operator==(const TabanSatiri& o) const
    {
        return kodu == o.kodu && baslama == o.baslama && bitis == o.bitis && sure == o.sure;
    }
    bool operator!=(const TabanSatiri& o) const { return !(*this == o); }
};

// A plan kept under a name: the dates and durations of its activities on the day it was saved.
struct TabanPlani {
    qint32 numara = 0; // 0 to TabanPlaniSiniri − 1, as MSPDI's Baseline Number counts
    QString ad;
    QDate kayitTarihi;
    QDate baslama, bitis; // the project's first working day and finish then
    QVector<TabanSatiri> satirlar; // in the activities' stored order then

    bool operator==(const TabanPlani& o) const
    {
        return numara == o.numara && ad == o.ad && kayitTarihi == o.kayitTarihi && baslama == o.baslama
               && bitis == o.bitis && satirlar == o.satirlar;
    }
    bool operator!=(const TabanPlani& o) const { return !(*this == o); }
};

inline constexpr qint32 TabanPlaniSiniri = 11;

// A project's baselines by number, and the one its progress is compared with (-1: none).
struct TabanPlanlari {
    QVector<TabanPlani> planlar; // by number
    qint32 karsilastirilan = -1;

    bool operator==(const TabanPlanlari& o) const
    {
        return planlar == o.planlar && karsilastirilan == o.karsilastirilan;
    }
    bool operator!=(const TabanPlanlari& o) const { return !(*this == o); }
};
