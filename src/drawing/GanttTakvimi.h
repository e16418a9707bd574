#pragma once

#include "kernel/IsTakvimi.h"

#include <QDate>
#include <QVector>
#include <optional>

// Where the Gantt chart's working days stand on its calendar-day axis. Under "Her gün",
// or without a start date, a column is a working day and nothing is mapped. Otherwise
// column 0 is the project's first working day and the weekends and holidays between
// working days have columns of their own, which the chart shades.
class GanttTakvimi {
public:
    GanttTakvimi() = default;
    // Maps working days 0 … sonGun of the project starting on `baslama`.
    GanttTakvimi(const IsTakvimi& takvim, const QDate& baslama, qint64 sonGun);

    // The column where working day `gun` starts.
    qint64 Baslangic(qint64 gun) const;
    // The column line after working day `sinir` − 1: where work that ends at that day count ends.
    qint64 Sinir(qint64 sinir) const;
    // The calendar date of a column; invalid without a start date.
    QDate Tarih(qint64 sutun) const;
    // The column of a calendar date, the inverse of Tarih; none without a start date.
    std::optional<qint64> Sutun(const QDate& tarih) const;
    // The runs of columns nobody works, [ilk, son), in order; none under "Her gün".
    struct Aralik {
        qint64 ilk, son;
    };
    const QVector<Aralik>& Calisilmayanlar() const { return m_calisilmayanlar; }
    // Whether the column is shaded.
    bool Calisilmaz(qint64 sutun) const;

private:
    bool m_esleniyor = false;
    IsTakvimi m_takvim;
    QDate m_ilk;             // the date of column 0
    QVector<qint64> m_konum; // the column of each working day from 0
    QVector<Aralik> m_calisilmayanlar;
};
