#include "drawing/RaporSayfalari.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

GanttÖlçeği DosyaÖlçeği(const Rapor& rapor, const QFont& yazı)
{
    const qint64 günler = std::max<qint64>({1, rapor.analiz.projeBitişGünü, rapor.analiz.plan.tahminiGünSayısı.value_or(0)});
    GanttÖlçeği ölçek;
    ölçek.yazı = yazı;
    ölçek.günGenişliği = std::clamp(1600.0 / double(günler), 0.05, 24.0);
    return ölçek;
}

void RaporuSayfalaraÇiz(QPagedPaintDevice& aygıt, const Rapor& rapor, const QFont& yazı)
{
    QPainter boyacı(&aygıt);
    GanttÇizimi(rapor.analiz, rapor.proje.başlama.değer.value_or(QDate()), rapor.analiz.plan.tahminiGünSayısı,
                DosyaÖlçeği(rapor, yazı))
        .Çiz(boyacı);
}
