#include "ui/analysis/GanttAlani.h"

#include "text/AnalizMetinleri.h"
#include "text/TakvimMetinleri.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr double YakinlastirmaOrani = 1.5;
constexpr double EnDarGun = 0.001;
constexpr double EnGenisGun = 400;
// A widget may be at most 16,777,215 pixels wide; the chart stays well below.
constexpr double EnGenisCizim = 1e6;
// The widget is a pixel wider and taller than the drawing, for the lines on its edge.
const QSize KenarPikseli(1, 1);

} // namespace

GanttAlani::GanttAlani(QWidget* ebeveyn) : QWidget(ebeveyn)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
    m_olcek.yazi = font();
}

GanttAlani::~GanttAlani() = default;

void GanttAlani::Goster(const AgAnalizi& analiz, const QDate& baslama, std::optional<qint64> tahminiGun,
                        std::optional<int> sigacakGenislik, const IlerlemeAnalizi* ilerleme)
{
    m_analiz = analiz;
    m_ilerleme = ilerleme ? *ilerleme : IlerlemeAnalizi();
    m_baslama = baslama;
    m_tahminiGun = tahminiGun;
    m_secili = -1;
    CizimiKur();
    GunGenisliginiKur(sigacakGenislik ? SiganGunGenisligi(*sigacakGenislik) : m_olcek.gunGenisligi);
}

void GanttAlani::Bosalt()
{
    m_cizim.reset();
    m_analiz = AgAnalizi();
    m_ilerleme = IlerlemeAnalizi();
    m_secili = -1;
    // Nothing to scroll to: the previous project's range goes with its chart, and
    // nothing is left to paint.
    resize(0, 0);
    m_sonCizilen = GanttSayimi();
    update();
}

void GanttAlani::CizimiKur()
{
    // The drawing measures its texts once; zooming and fitting then only set the day width.
    m_olcek.yazi = font();
    m_cizim = std::make_unique<GanttCizimi>(m_analiz, m_baslama, m_tahminiGun, m_olcek, QStringList(), &m_ilerleme);
}

void GanttAlani::GunGenisliginiKur(double genislik)
{
    const qint64 gunler = std::max<qint64>(1, m_cizim->SutunSayisi());
    m_olcek.gunGenisligi = std::clamp(genislik, EnDarGun, std::max(EnDarGun, std::min(EnGenisGun, EnGenisCizim / double(gunler))));
    m_cizim->GunGenisliginiKur(m_olcek.gunGenisligi);
    resize(m_cizim->Boyut().toSize() + KenarPikseli);
    update();
}

QRectF GanttAlani::Sec(int i)
{
    m_secili = i;
    update();
    return m_cizim && i >= 0 && i < m_analiz.faaliyetler.size() ? m_cizim->Cubuk(i) : QRectF();
}

void GanttAlani::Yakinlastir()
{
    if (m_cizim)
        GunGenisliginiKur(m_olcek.gunGenisligi * YakinlastirmaOrani);
}

void GanttAlani::Uzaklastir()
{
    if (m_cizim)
        GunGenisliginiKur(m_olcek.gunGenisligi / YakinlastirmaOrani);
}

void GanttAlani::GenisligeSigdir(int genislik)
{
    if (m_cizim)
        GunGenisliginiKur(SiganGunGenisligi(genislik));
}

double GanttAlani::SiganGunGenisligi(int genislik) const
{
    // Fitted to the width, the widget must not be a pixel wider than it.
    return m_cizim->SiganGunGenisligi(genislik - KenarPikseli.width());
}

void GanttAlani::changeEvent(QEvent* olay)
{
    // The drawing measured its texts in the old font.
    if (olay->type() == QEvent::FontChange && m_cizim) {
        CizimiKur();
        GunGenisliginiKur(m_olcek.gunGenisligi);
    }
    QWidget::changeEvent(olay);
}

void GanttAlani::paintEvent(QPaintEvent* olay)
{
    QPainter boyaci(this);
    boyaci.fillRect(olay->rect(), palette().color(QPalette::Base));
    m_sonCizilen = m_cizim ? m_cizim->Ciz(boyaci, olay->rect(), m_secili) : GanttSayimi();
}

bool GanttAlani::event(QEvent* olay)
{
    if (olay->type() == QEvent::ToolTip) {
        auto* yardim = static_cast<QHelpEvent*>(olay);
        const int i = m_cizim ? m_cizim->CubukBul(yardim->pos()) : -1;
        // A bar's figures first; on a shaded day beside the bars, the day's name.
        const QDate tatil = m_cizim && i < 0 ? m_cizim->CalisilmayanGun(yardim->pos()) : QDate();
        if (i >= 0)
            QToolTip::showText(yardim->globalPos(), AnalizMetinleri::Ipucu(m_analiz.faaliyetler.at(i)), this,
                               m_cizim->Cubuk(i).toAlignedRect());
        else if (tatil.isValid())
            QToolTip::showText(yardim->globalPos(), TakvimMetinleri::CalisilmayanGun(tatil, m_analiz.takvim.Gun(tatil)), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(olay);
}
