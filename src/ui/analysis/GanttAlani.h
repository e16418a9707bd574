#pragma once

#include "drawing/GanttCizimi.h"

#include <QWidget>
#include <memory>

// The Gantt chart on screen, inside a scroll area: it paints what is exposed, shows a
// bar's figures in its tool tip, highlights the selected row and zooms by day width.
class GanttAlani : public QWidget {
public:
    explicit GanttAlani(QWidget* ebeveyn = nullptr);
    ~GanttAlani() override;

    // The chart of a computed analysis, or none. The day width is kept, or made to fit
    // `sigacakGenislik` pixels when given. With a status date in `ilerleme` the forecast is drawn.
    void Goster(const AgAnalizi& analiz, const QDate& baslama, std::optional<qint64> tahminiGun,
                std::optional<int> sigacakGenislik = std::nullopt, const IlerlemeAnalizi* ilerleme = nullptr);
    void Bosalt();

    // Highlights row i's bar and arrows (-1 for none) and gives the bar, to scroll it into view.
    QRectF Sec(int i);

    void Yakinlastir();
    void Uzaklastir();
    // The day width at which the whole chart fits `genislik` pixels.
    void GenisligeSigdir(int genislik);
    double GunGenisligi() const { return m_olcek.gunGenisligi; }

    // What the last painting drew.
    GanttSayimi SonCizilen() const { return m_sonCizilen; }

protected:
    void changeEvent(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    bool event(QEvent* olay) override;

private:
    void CizimiKur();
    void GunGenisliginiKur(double genislik);
    double SiganGunGenisligi(int genislik) const;

    std::unique_ptr<GanttCizimi> m_cizim;
    AgAnalizi m_analiz;
    QDate m_baslama;
    std::optional<qint64> m_tahminiGun;
    IlerlemeAnalizi m_ilerleme;
    GanttOlcegi m_olcek;
    int m_secili = -1;
    GanttSayimi m_sonCizilen;
};
