#include "ui/analysis/AgDiyagrami.h"

#include "text/AnalizMetinleri.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double YakinlastirmaOrani = 1.25;
constexpr double EnKucukOlcek = 0.1;
constexpr double EnBuyukOlcek = 4;
// The widget is a pixel wider and taller than the drawing, for the lines on its edge.
const QSize KenarPikseli(1, 1);
// The highlight and the focus frame may reach a little beyond a box.
constexpr int VurguPayi = 6;

} // namespace

AgDiyagrami::AgDiyagrami(QWidget* ebeveyn) : QWidget(ebeveyn)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Ağ Diyagramı"));
}

AgDiyagrami::~AgDiyagrami() = default;

void AgDiyagrami::Goster(const AgAnalizi& analiz)
{
    // A refresh of the same rows keeps the selected and focused boxes: the table's selection
    // does not change then, so nothing else would give them back.
    if (analiz.faaliyetler.size() != m_analiz.faaliyetler.size())
        m_secili = m_odak = -1;
    m_analiz = analiz;
    m_cizim.reset();
    m_kurulacak = true;
    if (isVisible())
        CizimiKur();
}

void AgDiyagrami::Bosalt()
{
    m_cizim.reset();
    m_analiz = AgAnalizi();
    m_kurulacak = false;
    m_sutunlar.clear();
    m_secili = m_odak = -1;
    m_sonCizilen = AgSayimi();
    setAccessibleDescription(QString());
    resize(0, 0);
    update();
}

void AgDiyagrami::CizimiKur()
{
    m_kurulacak = false;
    m_cizim = std::make_unique<AgCizimi>(m_analiz, font());
    m_sutunlar.clear();
    const QVector<AgKutusu>& kutular = m_cizim->yerlesim().kutular;
    for (const AgKutusu& kutu : kutular) {
        if (kutu.katman >= m_sutunlar.size())
            m_sutunlar.resize(kutu.katman + 1);
        m_sutunlar[kutu.katman] << kutu.satir;
    }
    for (QVector<int>& sutun : m_sutunlar)
        std::sort(sutun.begin(), sutun.end(), [&](int a, int b) { return kutular.at(a).sira < kutular.at(b).sira; });
    OlcegiKur(m_olcek);
}

void AgDiyagrami::OlcegiKur(double olcek)
{
    m_olcek = std::clamp(olcek, EnKucukOlcek, EnBuyukOlcek);
    resize(m_cizim ? (m_cizim->Boyut() * m_olcek).toSize() + KenarPikseli : QSize(0, 0));
    update();
}

void AgDiyagrami::Yakinlastir()
{
    OlcegiKur(m_olcek * YakinlastirmaOrani);
}

void AgDiyagrami::Uzaklastir()
{
    OlcegiKur(m_olcek / YakinlastirmaOrani);
}

void AgDiyagrami::GercekBoyut()
{
    OlcegiKur(1);
}

QRect AgDiyagrami::KutuAlani(int i) const
{
    if (!m_cizim || i < 0 || i >= m_analiz.faaliyetler.size())
        return QRect();
    const QRectF kutu = m_cizim->Kutu(i);
    return QRectF(kutu.topLeft() * m_olcek, kutu.size() * m_olcek).toAlignedRect();
}

void AgDiyagrami::Yenile(int i)
{
    if (const QRect alan = KutuAlani(i); !alan.isEmpty())
        update(alan.adjusted(-VurguPayi, -VurguPayi, VurguPayi, VurguPayi));
}

void AgDiyagrami::Sec(int i)
{
    const int eski = m_secili;
    m_secili = i;
    Yenile(eski);
    if (i >= 0)
        OdakKoy(i);
    else
        Yenile(i);
}

void AgDiyagrami::OdakKoy(int i)
{
    const int eski = m_odak;
    m_odak = i;
    Yenile(eski);
    Yenile(i);
    const QRect kutu = KutuAlani(i);
    if (kutu.isEmpty())
        return;
    if (auto* kaydirma = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        kaydirma->ensureVisible(kutu.center().x(), kutu.center().y(), kutu.width() / 2 + VurguPayi,
                                kutu.height() / 2 + VurguPayi);
    // A screen reader reads the focused box as the diagram's description.
    setAccessibleDescription(AnalizMetinleri::Ipucu(m_analiz.faaliyetler.at(i)));
}

int AgDiyagrami::IlkKutu() const
{
    return m_sutunlar.isEmpty() || m_sutunlar.first().isEmpty() ? -1 : m_sutunlar.first().first();
}

int AgDiyagrami::Komsu(int tus) const
{
    const QVector<AgKutusu>& kutular = m_cizim->yerlesim().kutular;
    if (m_odak < 0 || m_odak >= kutular.size())
        return IlkKutu();
    const AgKutusu& kutu = kutular.at(m_odak);
    const QVector<int>& sutun = m_sutunlar.at(kutu.katman);
    const int yer = int(sutun.indexOf(m_odak));
    if (tus == Qt::Key_Up)
        return yer > 0 ? sutun.at(yer - 1) : -1;
    if (tus == Qt::Key_Down)
        return sutun.value(yer + 1, -1);
    const bool saga = tus == Qt::Key_Right;
    const double y = kutu.dikdortgen.center().y();
    int en = -1;
    double enYakin = std::numeric_limits<double>::max();
    const auto dene = [&](int aday) {
        const double uzaklik = std::abs(kutular.at(aday).dikdortgen.center().y() - y);
        if (uzaklik < enYakin) {
            en = aday;
            enYakin = uzaklik;
        }
    };
    // Along the links first, to the linked box nearest in height.
    for (const AgOku& ok : m_cizim->yerlesim().oklar) {
        if (saga ? ok.onceki == m_odak : ok.ardil == m_odak)
            dene(saga ? ok.ardil : ok.onceki);
    }
    // A box with no link that way goes to the nearest box in the next column that has one.
    for (int c = kutu.katman + (saga ? 1 : -1); en < 0 && c >= 0 && c < m_sutunlar.size(); c += saga ? 1 : -1) {
        for (int aday : m_sutunlar.at(c))
            dene(aday);
    }
    return en;
}

void AgDiyagrami::changeEvent(QEvent* olay)
{
    // The drawing measured its texts in the old font.
    if (olay->type() == QEvent::FontChange && m_cizim) {
        const int secili = m_secili, odak = m_odak;
        CizimiKur();
        m_secili = secili;
        m_odak = odak;
    }
    QWidget::changeEvent(olay);
}

void AgDiyagrami::showEvent(QShowEvent* olay)
{
    if (m_kurulacak) {
        CizimiKur();
        // A row selected while the tab was hidden is brought into view as it is first shown.
        if (m_secili >= 0)
            OdakKoy(m_secili);
    }
    QWidget::showEvent(olay);
}

void AgDiyagrami::paintEvent(QPaintEvent* olay)
{
    QPainter boyaci(this);
    boyaci.fillRect(olay->rect(), palette().color(QPalette::Base));
    if (!m_cizim) {
        m_sonCizilen = AgSayimi();
        return;
    }
    boyaci.scale(m_olcek, m_olcek);
    const QRectF alan(QPointF(olay->rect().topLeft()) / m_olcek, QSizeF(olay->rect().size()) / m_olcek);
    m_sonCizilen = m_cizim->Ciz(boyaci, alan, m_secili, hasFocus() ? m_odak : -1);
}

void AgDiyagrami::keyPressEvent(QKeyEvent* olay)
{
    if (!m_cizim || olay->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(olay);
        return;
    }
    switch (olay->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (const int komsu = Komsu(olay->key()); komsu >= 0)
            OdakKoy(komsu);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_odak >= 0 && m_secilince)
            m_secilince(m_odak);
        return;
    default:
        QWidget::keyPressEvent(olay);
    }
}

void AgDiyagrami::mousePressEvent(QMouseEvent* olay)
{
    setFocus(Qt::MouseFocusReason);
    const int i = m_cizim && olay->button() == Qt::LeftButton ? m_cizim->KutuBul(olay->position() / m_olcek) : -1;
    if (i < 0)
        return;
    OdakKoy(i);
    if (m_secilince)
        m_secilince(i);
}

void AgDiyagrami::wheelEvent(QWheelEvent* olay)
{
    // Without Ctrl the wheel scrolls, which the scroll area does.
    if (!(olay->modifiers() & Qt::ControlModifier) || olay->angleDelta().y() == 0) {
        olay->ignore();
        return;
    }
    if (olay->angleDelta().y() > 0)
        Yakinlastir();
    else
        Uzaklastir();
}

void AgDiyagrami::focusInEvent(QFocusEvent* olay)
{
    // The keyboard starts at the selected box, else at the first one.
    if (m_cizim && m_odak < 0)
        OdakKoy(m_secili >= 0 ? m_secili : IlkKutu());
    Yenile(m_odak);
    QWidget::focusInEvent(olay);
}

bool AgDiyagrami::event(QEvent* olay)
{
    if (olay->type() == QEvent::FocusOut)
        Yenile(m_odak);
    if (olay->type() == QEvent::ToolTip) {
        auto* yardim = static_cast<QHelpEvent*>(olay);
        const int i = m_cizim ? m_cizim->KutuBul(QPointF(yardim->pos()) / m_olcek) : -1;
        if (i >= 0)
            QToolTip::showText(yardim->globalPos(), AnalizMetinleri::Ipucu(m_analiz.faaliyetler.at(i)), this,
                               KutuAlani(i));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(olay);
}
