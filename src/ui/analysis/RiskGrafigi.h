#pragma once

#include "drawing/RiskCizimi.h"

#include <QWidget>

// The simulation's histogram of the finish beside the tornado of its sensitivities,
// drawn by the chart code an export would use.
class RiskGrafigi : public QWidget {
public:
    explicit RiskGrafigi(QWidget* ust = nullptr);

    void Goster(const RiskSonucu& sonuc, const QStringList& kodlar);
    // What the last painting drew: the histogram's, then the tornado's.
    std::pair<RiskCizimSayimi, RiskCizimSayimi> sonCizilen() const { return m_sonCizilen; }

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    RiskSonucu m_sonuc;
    QStringList m_kodlar;
    std::pair<RiskCizimSayimi, RiskCizimSayimi> m_sonCizilen;
};
