#pragma once

#include "drawing/ResimBasligi.h"
#include "drawing/RiskCizimi.h"
#include "store/Kayitlar.h"

#include <QSizeF>

// The simulation's charts as the Risk tab shows them: its result, the settings it ran
// with, and the activities' codes in stored order for the tornado's captions.
struct RiskGorseli {
    RiskSonucu sonuc;
    QStringList kodlar;
    RiskAyarlari ayarlar;
    bool deneme = false; // of a what-if, not of the plan stored
};

enum class RiskCizimTuru {
    Histogram, // the finish's histogram with its cumulative curve and the P-lines
    Kasirga,   // the tornado of the sensitivities
};

// One risk chart as a file shows it, read without Kavrion beside it: a title with the
// project, its start, the plan's finish and the simulation's settings, a legend, the
// chart the Risk tab draws, and its axes' titles.
class RiskResmi {
public:
    // `yazi`: the window's font, or the default one.
    RiskResmi(const RiskGorseli& gorsel, RiskCizimTuru tur, const KayitliProje& proje, const QFont& yazi);

    QSizeF Boyut() const { return m_boyut; }
    RiskCizimSayimi Ciz(QPainter& boyaci) const;

private:
    void EksenBasliklariniCiz(QPainter& boyaci) const;

    RiskGorseli m_gorsel;
    RiskCizimTuru m_tur;
    QFont m_yazi;
    ResimBasligi m_baslik;
    QRectF m_cizim; // the chart's own area, the axes' titles around it
    QSizeF m_boyut;
};
