#include "ui/analysis/GanttAlani.h"

#include "analysis/AnalizMetinleri.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr double YakınlaştırmaOranı = 1.5;
constexpr double EnDarGün = 0.001;
constexpr double EnGenişGün = 400;
// A widget may be at most 16,777,215 pixels wide; the chart stays well below.
constexpr double EnGenişÇizim = 1e6;

} // namespace

GanttAlanı::GanttAlanı(QWidget* ebeveyn) : QWidget(ebeveyn)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
    m_ölçek.yazı = font();
}

GanttAlanı::~GanttAlanı() = default;

void GanttAlanı::Göster(const AğAnalizi& analiz, const QDate& başlama, std::optional<qint64> tahminiGün)
{
    m_analiz = analiz;
    m_başlama = başlama;
    m_tahminiGün = tahminiGün;
    m_seçili = -1;
    GünGenişliğiniKur(m_ölçek.günGenişliği);
}

void GanttAlanı::Boşalt()
{
    m_çizim.reset();
    m_analiz = AğAnalizi();
    m_seçili = -1;
    // The size stays: the scroll bars do not come and go with every project shown.
    update();
}

void GanttAlanı::GünGenişliğiniKur(double genişlik)
{
    const qint64 günler = std::max<qint64>({1, m_analiz.projeBitişGünü, m_tahminiGün.value_or(0)});
    m_ölçek.günGenişliği = std::clamp(genişlik, EnDarGün, std::max(EnDarGün, std::min(EnGenişGün, EnGenişÇizim / double(günler))));
    m_ölçek.yazı = font();
    m_çizim = std::make_unique<GanttÇizimi>(m_analiz, m_başlama, m_tahminiGün, m_ölçek);
    resize(m_çizim->Boyut().toSize() + QSize(1, 1));
    update();
}

QRectF GanttAlanı::Seç(int i)
{
    m_seçili = i;
    update();
    return m_çizim && i >= 0 && i < m_analiz.faaliyetler.size() ? m_çizim->Çubuk(i) : QRectF();
}

void GanttAlanı::Yakınlaştır()
{
    if (m_çizim)
        GünGenişliğiniKur(m_ölçek.günGenişliği * YakınlaştırmaOranı);
}

void GanttAlanı::Uzaklaştır()
{
    if (m_çizim)
        GünGenişliğiniKur(m_ölçek.günGenişliği / YakınlaştırmaOranı);
}

void GanttAlanı::GenişliğeSığdır(int genişlik)
{
    if (m_çizim)
        GünGenişliğiniKur(m_çizim->SığanGünGenişliği(genişlik));
}

void GanttAlanı::paintEvent(QPaintEvent* olay)
{
    QPainter boyacı(this);
    boyacı.fillRect(olay->rect(), palette().color(QPalette::Base));
    m_sonÇizilen = m_çizim ? m_çizim->Çiz(boyacı, olay->rect(), m_seçili) : GanttSayımı();
}

bool GanttAlanı::event(QEvent* olay)
{
    if (olay->type() == QEvent::ToolTip) {
        auto* yardım = static_cast<QHelpEvent*>(olay);
        const int i = m_çizim ? m_çizim->ÇubukBul(yardım->pos()) : -1;
        if (i >= 0)
            QToolTip::showText(yardım->globalPos(), AnalizMetinleri::İpucu(m_analiz.faaliyetler.at(i)), this,
                               m_çizim->Çubuk(i).toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(olay);
}
