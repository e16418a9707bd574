#include "drawing/ResimBasligi.h"

#include "drawing/TekSatir.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

QPolygonF KesikKoseli(const QRectF& r, double kesik)
{
    return QPolygonF{QPointF(r.left() + kesik, r.top()),     QPointF(r.right() - kesik, r.top()),
                     QPointF(r.right(), r.top() + kesik),    QPointF(r.right(), r.bottom() - kesik),
                     QPointF(r.right() - kesik, r.bottom()), QPointF(r.left() + kesik, r.bottom()),
                     QPointF(r.left(), r.bottom() - kesik),  QPointF(r.left(), r.top() + kesik),
                     QPointF(r.left() + kesik, r.top())};
}

ResimBasligi::ResimBasligi(const QFont& yazi, const QStringList& satirlar, const QVector<Oge>& lejant)
    : m_yazi(yazi), m_satirlar(satirlar), m_lejant(lejant)
{
    const QFontMetricsF olcu(m_yazi);
    const double kenar = olcu.height() / 2;
    for (int i = 0; i < m_satirlar.size(); ++i) {
        const double w = QFontMetricsF(SatirYazisi(i)).horizontalAdvance(TekSatir(m_satirlar.at(i)));
        m_genislik = std::max(m_genislik, std::min(w, olcu.averageCharWidth() * 100) + kenar * 2);
    }
}

// The first line, the name, is larger and bold.
QFont ResimBasligi::SatirYazisi(int satir) const
{
    QFont yazi = m_yazi;
    yazi.setBold(satir == 0);
    if (satir == 0 && yazi.pixelSize() > 0)
        yazi.setPixelSize(yazi.pixelSize() * 5 / 4);
    return yazi;
}

double ResimBasligi::Yerlestir(double genislik)
{
    if (bos())
        return 0;
    const QFontMetricsF olcu(m_yazi);
    const double h = olcu.height(), kenar = h / 2;
    double y = kenar + h * 1.5 + h * double(m_satirlar.size() - 1) + kenar / 2;
    const double satir = std::max(genislik - kenar * 2, h * 20);
    double x = 0;
    for (Oge& oge : m_lejant) {
        const double w = h * 2 + olcu.horizontalAdvance(oge.metin);
        if (x > 0 && x + w > satir) {
            x = 0;
            y += h * 1.2;
        }
        oge.yer = QPointF(kenar + x, y);
        x += w + h * 1.5;
    }
    return y + h * 1.2 + kenar;
}

void ResimBasligi::Ciz(QPainter& boyaci, double genislik) const
{
    if (bos())
        return;
    const QFontMetricsF olcu(m_yazi);
    const double h = olcu.height(), kenar = h / 2;
    boyaci.save();
    boyaci.setPen(Qt::black);
    double y = kenar;
    for (int i = 0; i < m_satirlar.size(); ++i) {
        const double yukseklik = i == 0 ? h * 1.5 : h;
        const QFont yazi = SatirYazisi(i);
        boyaci.setFont(yazi);
        boyaci.drawText(QRectF(kenar, y, genislik - kenar * 2, yukseklik), Qt::AlignLeft | Qt::AlignVCenter,
                        QFontMetricsF(yazi).elidedText(TekSatir(m_satirlar.at(i)), Qt::ElideRight, genislik - kenar * 2));
        y += yukseklik;
    }
    boyaci.setFont(m_yazi);
    for (const Oge& oge : m_lejant) {
        const QRectF simge(oge.yer.x(), oge.yer.y() + h * 0.2, h * 1.5, h * 0.6);
        const QPointF orta = simge.center();
        boyaci.setPen(QPen(oge.renk, oge.simge == Simge::Bolluk ? 1 : 2, oge.cizgi));
        switch (oge.simge) {
        case Simge::Dolgu:
            boyaci.fillRect(simge, oge.renk);
            break;
        case Simge::Cizgi:
            boyaci.drawLine(QPointF(simge.left(), orta.y()), QPointF(simge.right(), orta.y()));
            break;
        case Simge::Bolluk:
            boyaci.drawLine(QPointF(simge.left(), orta.y()), QPointF(simge.right(), orta.y()));
            boyaci.drawLine(QPointF(simge.right(), orta.y() - h * 0.25), QPointF(simge.right(), orta.y() + h * 0.25));
            break;
        case Simge::DikCizgi:
            boyaci.drawLine(QPointF(orta.x(), oge.yer.y()), QPointF(orta.x(), oge.yer.y() + h));
            break;
        case Simge::Elmas: {
            const bool yumusak = boyaci.testRenderHint(QPainter::Antialiasing);
            boyaci.setRenderHint(QPainter::Antialiasing, true);
            boyaci.setPen(Qt::NoPen);
            boyaci.setBrush(oge.renk);
            boyaci.drawPolygon(QPolygonF{orta + QPointF(0, -h * 0.4), orta + QPointF(h * 0.4, 0),
                                         orta + QPointF(0, h * 0.4), orta + QPointF(-h * 0.4, 0)});
            boyaci.setRenderHint(QPainter::Antialiasing, yumusak);
            break;
        }
        case Simge::KesikKutu: {
            const bool yumusak = boyaci.testRenderHint(QPainter::Antialiasing);
            boyaci.setRenderHint(QPainter::Antialiasing, true);
            boyaci.setBrush(Qt::NoBrush);
            // A box's shape, taller than a bar, its corners cut as the diagram cuts them.
            const QRectF kutu = simge.adjusted(0, -h * 0.1, 0, h * 0.1);
            boyaci.drawPolygon(KesikKoseli(kutu, kutu.height() * 0.25));
            boyaci.setRenderHint(QPainter::Antialiasing, yumusak);
            break;
        }
        }
        boyaci.setPen(Qt::black);
        boyaci.drawText(QRectF(simge.right() + h * 0.4, oge.yer.y(), olcu.horizontalAdvance(oge.metin) + 4, h),
                        Qt::AlignLeft | Qt::AlignVCenter, oge.metin);
    }
    boyaci.restore();
}
