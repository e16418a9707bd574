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
struct GanttÖlçeği {
    double günGenişliği = 20;
    QFont yazı;
};

// What one painting drew, for tests that count rather than read pixels.
struct GanttSayımı {
    int çubuk = 0;
    int ok = 0;
    int vurgulananOk = 0;
};

// The Gantt chart of one analysis, painted on any QPainter: a day axis with the
// calendar dates, one bar per activity from ES to EF, total float as a thin line
// after it, finish-to-start arrows, and markers at F and at the estimated end. It
// holds no widget, so the same drawing can go to a screen, an image or a printer.
class GanttÇizimi {
public:
    // `tahminiGün` is the project's own end date as a day count, when it has one.
    GanttÇizimi(const AğAnalizi& analiz, const QDate& başlama, std::optional<qint64> tahminiGün,
                const GanttÖlçeği& ölçek);

    QSizeF Boyut() const;
    // The day width at which the chart fills `genişlik`.
    double SığanGünGenişliği(double genişlik) const;

    // Paints what meets `alan` (all of it when empty); `seçili` is the highlighted
    // row with its arrows, -1 for none.
    GanttSayımı Çiz(QPainter& boyacı, const QRectF& alan = QRectF(), int seçili = -1) const;

    // The bar of row i, and the row whose bar is at `yer` (-1 for none).
    QRectF Çubuk(int i) const;
    int ÇubukBul(const QPointF& yer) const;
    // Row i's band across the whole chart.
    QRectF Satır(int i) const;

private:
    double X(qint64 gün) const { return m_solBoşluk + double(gün) * m_ölçek.günGenişliği; }
    qint64 SonGün() const;
    void EkseniÇiz(QPainter& boyacı, const QRectF& alan) const;
    void İşaretleriÇiz(QPainter& boyacı) const;
    // `geçenler`: the vertical lines already drawn across the area by arrows passing through it.
    bool OkÇiz(QPainter& boyacı, const QRectF& alan, int önceki, int ardıl, bool vurgulu,
               std::set<std::pair<double, bool>>& geçenler) const;

    AğAnalizi m_analiz; // shares its rows with the caller's copy
    QDate m_başlama;
    std::optional<qint64> m_tahminiGün;
    GanttÖlçeği m_ölçek;
    double m_satır, m_eksen, m_solBoşluk, m_kenar;
};
