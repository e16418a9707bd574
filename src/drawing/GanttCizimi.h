#pragma once

#include "analysis/AgAnalizi.h"
#include "analysis/IlerlemeAnalizi.h"
#include "drawing/GanttTakvimi.h"
#include "drawing/ResimBasligi.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <QVector>
#include <optional>
#include <set>
#include <utility>

class QFontMetricsF;
class QPainter;

// The chart's measures in the painter's units: one day's width and everything that
// depends on the font (rows, the day axis, the code and name column).
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
// calendar dates, each row's code and name, one bar per activity from ES to EF (day
// ES's column to the end of day EF − 1's, its last day of work), a diamond for a
// zero-day activity on its day, total float as a thin line after the bar, an arrow
// per link between the ends its type ties, and markers at F and at the estimated end.
// It holds no widget, so the same drawing can go to a screen, an image or a printer.
//
// The axis: a tick at the start of every day (when days are 4 units wide or more);
// a labelled day has its column marked on the axis line and its date over that
// column. The markers' captions have a row of their own under the dates, the earlier
// marker's to the left of its line and the later one's to the right, so that neither
// crosses a date or the other caption.
//
// With a status date the bars are the forecast's, each with its completed part darker, the
// compared baseline's bar thin under it, and a line at the status date.
class GanttCizimi {
public:
    // `tahminiGun` is the project's own end date as a day count, when it has one.
    // `baslik`: for a chart read without Kavrion beside it, the lines of its title (the
    // first, the project's name, in bold), followed by a legend and with each row's name
    // beside its code; none of these on screen.
    // `ilerleme`: the forecast of the same rows, drawn when it has a status date.
    GanttCizimi(const AgAnalizi& analiz, const QDate& baslama, std::optional<qint64> tahminiGun,
                const GanttOlcegi& olcek, const QStringList& baslik = {}, const IlerlemeAnalizi* ilerleme = nullptr);

    // Another day width for the same chart: zooming measures no text again.
    void GunGenisliginiKur(double gunGenisligi);

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
    // The days the axis spans: working days, and under a working-day calendar the days off between them.
    qint64 SutunSayisi() const { return m_takvim.Sinir(SonGun()); }
    // The day off under `yer` among the rows, shaded; invalid elsewhere.
    QDate CalisilmayanGun(const QPointF& yer) const;

    // The date axis's band (between the title and the first row), and its painting
    // across what `alan` spans from left to right: a page of rows repeats it at its top.
    QRectF Eksen() const;
    void EkseniCiz(QPainter& boyaci, const QRectF& alan) const;

private:
    // The x of a column's left edge; columns are the axis's days.
    double X(qint64 sutun) const { return m_solBosluk + double(sutun) * m_olcek.gunGenisligi; }
    // The x where working day `gun` starts, and where work ending at day count `sinir` ends.
    double Bas(qint64 gun) const { return X(m_takvim.Baslangic(gun)); }
    double Son(qint64 sinir) const { return X(m_takvim.Sinir(sinir)); }
    // The last day count the chart shows: F or the estimated end, whichever is later.
    qint64 SonGun() const;
    double Genislik() const;
    QString Etiket(qint64 gun) const;
    double EtiketGenisligi() const;
    bool KilometreTasi(int i) const;
    // The title's and legend's height, and the axis under them.
    void UstuYerlestir();
    void IsaretleriCiz(QPainter& boyaci) const;
    void LejantaIlerlemeyiEkle(QVector<ResimBasligi::Oge>& lejant) const;
    // Row i's baseline bar and completed part, around its bar.
    void IlerlemeyiCiz(QPainter& boyaci, int i, const QRectF& cubuk) const;
    void DurumTarihiniCiz(QPainter& boyaci) const;
    // The days off in the columns `alan` spans, down through the rows.
    void TatilleriCiz(QPainter& boyaci, const QRectF& alan) const;
    void SatiriCiz(QPainter& boyaci, const QFontMetricsF& olcu, int i, int secili) const;
    void OklariCiz(QPainter& boyaci, const QRectF& alan, int secili, GanttSayimi& sayim) const;
    // `gecenler`: the vertical lines already drawn across the area by arrows passing through it.
    bool OkCiz(QPainter& boyaci, const QRectF& alan, int onceki, int ardil, BagTuru tur, bool vurgulu,
               std::set<std::pair<double, bool>>& gecenler) const;

    AgAnalizi m_analiz; // shares its rows with the caller's copy
    QDate m_baslama;
    std::optional<qint64> m_tahminiGun;
    // The forecast's rows beside m_analiz's and the status date; empty without one.
    QVector<FaaliyetTahmini> m_tahminler;
    QDate m_durumTarihi;
    QString m_tabanAdi;
    qint64 m_ilerlemeSonGunu = 0; // the day count the baseline's finish and the status date reach
    GanttTakvimi m_takvim;
    GanttOlcegi m_olcek;
    ResimBasligi m_baslik;
    double m_satir, m_ust, m_eksen, m_solBosluk, m_kodGenisligi, m_kenar, m_sagBosluk;
};
