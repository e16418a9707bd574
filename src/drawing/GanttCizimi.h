#pragma once

#include "analysis/AgAnalizi.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <set>
#include <utility>

class QPainter;

// The chart's measures in the painter's units: one day's width and everything that
// depends on the font (rows, the day axis, the code column).
struct GanttOlcegi {
    double gunGenisligi = 20;
    QFont yazi;
};

// What one painting drew, for tests that count rather than read pixels.
struct GanttSayimi {
    int cubuk = 0;
    int ok = 0;
    int vurgulananOk = 0;
};

// The Gantt chart of one analysis, painted on any QPainter: a day axis with the
// calendar dates, one bar per activity from ES to EF, total float as a thin line
// after it, finish-to-start arrows, and markers at F and at the estimated end. It
// holds no widget, so the same drawing can go to a screen, an image or a printer.
class GanttCizimi {
public:
    // `tahminiGun` is the project's own end date as a day count, when it has one.
    GanttCizimi(const AgAnalizi& analiz, const QDate& baslama, std::optional<qint64> tahminiGun,
                const GanttOlcegi& olcek);

    QSizeF Boyut() const;
    // The day width at which the chart fills `genislik`.
    double SiganGunGenisligi(double genislik) const;

    // Paints what meets `alan` (all of it when empty); `secili` is the highlighted
    // row with its arrows, -1 for none.
    GanttSayimi Ciz(QPainter& boyaci, const QRectF& alan = QRectF(), int secili = -1) const;

    // The bar of row i, and the row whose bar is at `yer` (-1 for none).
    QRectF Cubuk(int i) const;
    int CubukBul(const QPointF& yer) const;
    // Row i's band across the whole chart.
    QRectF Satir(int i) const;

private:
    double X(qint64 gun) const { return m_solBosluk + double(gun) * m_olcek.gunGenisligi; }
    qint64 SonGun() const;
    void EkseniCiz(QPainter& boyaci, const QRectF& alan) const;
    void IsaretleriCiz(QPainter& boyaci) const;
    // `gecenler`: the vertical lines already drawn across the area by arrows passing through it.
    bool OkCiz(QPainter& boyaci, const QRectF& alan, int onceki, int ardil, bool vurgulu,
               std::set<std::pair<double, bool>>& gecenler) const;

    AgAnalizi m_analiz; // shares its rows with the caller's copy
    QDate m_baslama;
    std::optional<qint64> m_tahminiGun;
    GanttOlcegi m_olcek;
    double m_satir, m_eksen, m_solBosluk, m_kenar;
};
