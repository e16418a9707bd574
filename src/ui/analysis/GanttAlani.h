#pragma once

#include "drawing/GanttCizimi.h"

#include <QWidget>
#include <memory>

// The Gantt chart on screen, inside a scroll area: it paints what is exposed, shows a
// bar's figures in its tool tip, highlights the selected row and zooms by day width.
class GanttAlanı : public QWidget {
public:
    explicit GanttAlanı(QWidget* ebeveyn = nullptr);
    ~GanttAlanı() override;

    // The chart of a computed analysis, or none. The day width is kept.
    void Göster(const AğAnalizi& analiz, const QDate& başlama, std::optional<qint64> tahminiGün);
    void Boşalt();

    // Highlights row i's bar and arrows (-1 for none) and gives the bar, to scroll it into view.
    QRectF Seç(int i);

    void Yakınlaştır();
    void Uzaklaştır();
    // The day width at which the whole chart fits `genişlik` pixels.
    void GenişliğeSığdır(int genişlik);
    double GünGenişliği() const { return m_ölçek.günGenişliği; }

    // What the last painting drew.
    GanttSayımı SonÇizilen() const { return m_sonÇizilen; }

protected:
    void paintEvent(QPaintEvent* olay) override;
    bool event(QEvent* olay) override;

private:
    void GünGenişliğiniKur(double genişlik);

    std::unique_ptr<GanttÇizimi> m_çizim;
    AğAnalizi m_analiz;
    QDate m_başlama;
    std::optional<qint64> m_tahminiGün;
    GanttÖlçeği m_ölçek;
    int m_seçili = -1;
    GanttSayımı m_sonÇizilen;
};
