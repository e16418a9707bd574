#include "drawing/AgCizimi.h"

#include "drawing/TekSatir.h"
#include "kernel/Hesap.h"
#include "text/AnalizMetinleri.h"
#include "text/BagMetinleri.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

// The Gantt chart's colours, so that both pictures read alike.
const QColor KritikRenk(196, 32, 32);
const QColor OlaganRenk(62, 120, 178);
const QColor OkRengi(110, 110, 110);
const QColor SeciliKutuRengi(255, 236, 170);
const QColor KutuZemini(246, 246, 246);

} // namespace

AgCizimi::AgCizimi(const AgAnalizi& analiz, const QFont& yazi, const QStringList& baslik)
    : m_analiz(analiz), m_yerlesim(AgiYerlestir(m_analiz)), m_yazi(yazi)
{
    m_olcek = QFontMetricsF(m_yazi).height() * 5 / AgYerlesimi::KutuYuksekligi;
    if (!baslik.isEmpty()) {
        using Simge = ResimBasligi::Simge;
        const QVector<ResimBasligi::Oge> lejant{
            {Simge::Dolgu, KritikRenk, QStringLiteral("Kritik faaliyet ve belirleyici bağ")},
            {Simge::Dolgu, OlaganRenk, QStringLiteral("Kritik olmayan faaliyet")},
            {Simge::Cizgi, OkRengi, QStringLiteral("Bağ; düz olmayanın yanında türü ve gecikmesi (BaBa+2)")},
            {Simge::KesikKutu, OlaganRenk, QStringLiteral("Kilometre taşı (0 gün): köşeleri kesik kutu")},
            {Simge::Dolgu, KutuZemini,
             QStringLiteral("Kutu: üstte kod ve ad; sol üstte ES, sağ üstte EF; ortada süre ve toplam bolluk; "
                            "sol altta LS, sağ altta LF")}};
        m_baslik = ResimBasligi(m_yazi, baslik, lejant);
        m_ust = m_baslik.Yerlestir(std::max(m_yerlesim.boyut.width() * m_olcek, m_baslik.Genislik()));
    }
    CevreleriKur();
}

// Worked out once: a repaint of a plan of thousands tests each arrow against the area, and a
// page plan keeps its cuts off the words.
void AgCizimi::CevreleriKur()
{
    const QFontMetricsF olcu(m_yazi);
    QHash<QPair<int, bool>, int> yazilar; // by box and side: the words written there so far
    for (const AgOku& ok : m_yerlesim.oklar) {
        const QRectF cevre = QPolygonF(ok.noktalar).boundingRect();
        const QString yazi = BagMetinleri::TurVeGecikme(ok.tur, ok.gecikme);
        const int satir = yazi.isEmpty() ? 0 : yazilar[qMakePair(ok.onceki, OncekininBaslamasi(ok.tur))]++;
        const double pay = olcu.horizontalAdvance(yazi) + olcu.height();
        m_okCevreleri.append(QRectF(Yer(cevre.topLeft()), cevre.size() * m_olcek)
                                 .adjusted(-pay, -olcu.height() * (satir + 1), pay, olcu.height()));
        QRectF yer;
        if (!yazi.isEmpty() && ok.noktalar.size() >= 2) {
            // Beside the first stretch, out of the predecessor's box, above the words before it.
            const QPointF bas = Yer(ok.noktalar.at(0));
            const double w = olcu.horizontalAdvance(yazi) + 4, y = bas.y() - olcu.height() * (satir + 1);
            const bool saga = ok.noktalar.at(1).x() >= ok.noktalar.at(0).x();
            yer = QRectF(QPointF(saga ? bas.x() + 2 : bas.x() - 2 - w, y), QSizeF(w, olcu.height()));
        }
        m_yaziAlanlari.append(yer);
    }
    for (const AgDemeti& demet : m_yerlesim.demetler) {
        const QRectF cevre = QPolygonF(demet.noktalar).boundingRect();
        m_demetCevreleri.append(QRectF(Yer(cevre.topLeft()), cevre.size() * m_olcek)
                                    .adjusted(-olcu.height(), -olcu.height(), olcu.height(), olcu.height()));
    }
}

QSizeF AgCizimi::Boyut() const
{
    return {std::max(m_yerlesim.boyut.width() * m_olcek, m_baslik.Genislik()),
            m_ust + m_yerlesim.boyut.height() * m_olcek};
}

QRectF AgCizimi::Kutu(int i) const
{
    const QRectF& r = m_yerlesim.kutular.at(i).dikdortgen;
    return {Yer(r.topLeft()), r.size() * m_olcek};
}

int AgCizimi::KutuBul(const QPointF& yer) const
{
    for (int i = 0; i < m_yerlesim.kutular.size(); ++i) {
        if (Kutu(i).contains(yer))
            return i;
    }
    return -1;
}

bool AgCizimi::KilometreTasi(int i) const
{
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    return f.ef == f.es;
}

QStringList AgCizimi::Yazilar(int i) const
{
    // As the analysis table writes them, column by column.
    QStringList yazilar;
    for (int sutun : {0, 1, 3, 4, 2, 7, 5, 6})
        yazilar << AnalizMetinleri::Hucre(m_analiz.faaliyetler.at(i), sutun);
    return yazilar;
}

AgSayimi AgCizimi::Ciz(QPainter& boyaci, const QRectF& verilen, int secili, int odak) const
{
    AgSayimi sayim;
    const QRectF alan = verilen.isValid() ? verilen : QRectF(QPointF(0, 0), Boyut());
    boyaci.save();
    boyaci.setFont(m_yazi);
    if (alan.top() < m_ust)
        m_baslik.Ciz(boyaci, Boyut().width());
    // The critical arrows over the others.
    for (bool kritikler : {false, true}) {
        for (int d = 0; d < m_yerlesim.demetler.size(); ++d) {
            if (m_demetCevreleri.at(d).intersects(alan))
                DemetCiz(boyaci, d, kritikler);
        }
        for (int k = 0; k < m_yerlesim.oklar.size(); ++k) {
            const AgOku& ok = m_yerlesim.oklar.at(k);
            if (ok.belirleyici != kritikler || ok.noktalar.isEmpty() || !m_okCevreleri.at(k).intersects(alan))
                continue;
            OkCiz(boyaci, k);
            ++sayim.ok;
        }
    }
    for (int i = 0; i < m_yerlesim.kutular.size(); ++i) {
        if (!Kutu(i).intersects(alan))
            continue;
        KutuCiz(boyaci, i, i == secili, i == odak);
        ++sayim.kutu;
        sayim.kritikKutu += m_analiz.faaliyetler.at(i).kritik;
    }
    boyaci.restore();
    return sayim;
}

// A line through the gaps, with its head at its end when it reaches a box: into a start from
// the left, into a finish from the right.
void AgCizimi::CizgiCiz(QPainter& boyaci, const QVector<QPointF>& noktalar, bool belirleyici, bool basli) const
{
    QPolygonF yol;
    for (const QPointF& nokta : noktalar)
        yol << Yer(nokta);
    const QColor renk = belirleyici ? KritikRenk : OkRengi;
    boyaci.setPen(QPen(renk, belirleyici ? 2 : 1));
    boyaci.setBrush(Qt::NoBrush);
    boyaci.drawPolyline(yol);
    if (!basli)
        return;
    const QPointF uc = yol.last();
    const double boy = QFontMetricsF(m_yazi).height() * 0.45;
    const double yon = yol.size() > 1 && yol.at(yol.size() - 2).x() > uc.x() ? -1.0 : 1.0;
    boyaci.setRenderHint(QPainter::Antialiasing, true);
    boyaci.setPen(Qt::NoPen);
    boyaci.setBrush(renk);
    boyaci.drawPolygon(QPolygonF{uc, uc + QPointF(-yon * boy, -boy / 2), uc + QPointF(-yon * boy, boy / 2)});
    boyaci.setRenderHint(QPainter::Antialiasing, false);
}

// A shared line's stretch before the first driving link joins it, or the critical rest.
void AgCizimi::DemetCiz(QPainter& boyaci, int d, bool kritikler) const
{
    const AgDemeti& demet = m_yerlesim.demetler.at(d);
    if (kritikler && demet.kritikten >= 0)
        CizgiCiz(boyaci, demet.noktalar.mid(demet.kritikten), true, true);
    else if (!kritikler && demet.kritikten != 0)
        CizgiCiz(boyaci, demet.kritikten < 0 ? demet.noktalar : demet.noktalar.mid(0, demet.kritikten + 1), false,
                 demet.kritikten < 0);
}

// Its line, with its head unless it joins a line shared with others, and its type and lag
// over its first stretch, out of the predecessor's box, when it is not plain.
void AgCizimi::OkCiz(QPainter& boyaci, int k) const
{
    const AgOku& ok = m_yerlesim.oklar.at(k);
    CizgiCiz(boyaci, ok.noktalar, ok.belirleyici, ok.demet < 0);
    const QRectF yer = YaziAlani(k);
    if (yer.isNull())
        return;
    boyaci.setPen(ok.belirleyici ? KritikRenk : OkRengi);
    boyaci.drawText(yer, Qt::AlignCenter, BagMetinleri::TurVeGecikme(ok.tur, ok.gecikme));
}

// The code and name across the top, then ES and EF, the duration and total float, LS and LF.
void AgCizimi::KutuCiz(QPainter& boyaci, int i, bool secili, bool odakta) const
{
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    const QStringList yazilar = Yazilar(i);
    const QRectF r = Kutu(i);
    const QFontMetricsF olcu(m_yazi);
    const double satir = r.height() / 4, pay = olcu.averageCharWidth() / 2;
    const QColor cerceve = f.kritik ? KritikRenk : OlaganRenk;
    boyaci.setPen(QPen(cerceve, f.kritik ? 2 : 1));
    boyaci.setBrush(secili ? SeciliKutuRengi : QColor(Qt::white));
    const double kesik = satir * 0.8;
    if (KilometreTasi(i)) {
        boyaci.setRenderHint(QPainter::Antialiasing, true);
        boyaci.drawPolygon(KesikKoseli(r, kesik));
        boyaci.setRenderHint(QPainter::Antialiasing, false);
    } else {
        boyaci.drawRect(r);
    }
    boyaci.setPen(QPen(cerceve, 0));
    const double ic = KilometreTasi(i) ? kesik : 0;
    for (int s = 1; s < 4; ++s)
        boyaci.drawLine(QPointF(r.left() + ic, r.top() + satir * s), QPointF(r.right() - ic, r.top() + satir * s));
    boyaci.drawLine(QPointF(r.center().x(), r.top() + satir), QPointF(r.center().x(), r.bottom()));

    boyaci.setPen(Qt::black);
    QFont kalin = m_yazi;
    kalin.setBold(true);
    const QString ust = TekSatir(yazilar.at(0)) + QStringLiteral("  ") + TekSatir(yazilar.at(1));
    boyaci.setFont(kalin);
    boyaci.drawText(QRectF(r.left() + pay + ic, r.top(), r.width() - 2 * (pay + ic), satir), Qt::AlignCenter,
                    QFontMetricsF(kalin).elidedText(ust, Qt::ElideRight, r.width() - 2 * (pay + ic)));
    boyaci.setFont(m_yazi);
    const auto hucre = [&](int s, bool sag, const QString& metin) {
        const QRectF yer(sag ? r.center().x() + pay : r.left() + pay, r.top() + satir * s, r.width() / 2 - 2 * pay, satir);
        boyaci.drawText(yer, (sag ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                        olcu.elidedText(metin, Qt::ElideRight, yer.width()));
    };
    hucre(1, false, yazilar.at(2));
    hucre(1, true, yazilar.at(3));
    hucre(2, false, QStringLiteral("Süre %1").arg(yazilar.at(4)));
    hucre(2, true, QStringLiteral("Bolluk %1").arg(yazilar.at(5)));
    hucre(3, false, yazilar.at(6));
    hucre(3, true, yazilar.at(7));
    if (odakta) {
        boyaci.setPen(QPen(Qt::black, 1, Qt::DashLine));
        boyaci.setBrush(Qt::NoBrush);
        boyaci.drawRect(r.adjusted(-4, -4, 4, 4));
    }
}
