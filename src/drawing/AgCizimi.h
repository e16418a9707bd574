#pragma once

#include "analysis/AgAnalizi.h"
#include "analysis/AgYerlesimi.h"
#include "drawing/ResimBasligi.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <QVector>

class QPainter;

// What one painting drew, for tests that count rather than read pixels.
struct AgSayimi {
    int kutu = 0;
    int ok = 0;
    int kritikKutu = 0;
};

// The network diagram of one analysis, painted on any QPainter from its layout: a box per
// activity with its code, name, duration, ES, EF, LS, LF and total float in the textbook's
// corners, an arrow per link, the critical ones in the critical colour. It holds no widget,
// so the same drawing goes to a screen, an image or a printer.
class AgCizimi {
public:
    // `baslik`: for a picture read without Kavrion beside it, the lines of its title (the
    // first, the project's name, in bold), followed by a legend; none of these on screen.
    AgCizimi(const AgAnalizi& analiz, const QFont& yazi, const QStringList& baslik = {});
    QSizeF Boyut() const;
    // Paints what meets `alan` (all of it when empty); `secili` is the highlighted row and
    // `odak` the row with keyboard focus, -1 for none.
    AgSayimi Ciz(QPainter& boyaci, const QRectF& alan = QRectF(), int secili = -1, int odak = -1) const;
    // Row i's box in the picture, and the row whose box is at `yer` (-1 for none).
    QRectF Kutu(int i) const;
    int KutuBul(const QPointF& yer) const;
    // Where arrow k's type and lag are written in the picture; null for a plain link.
    QRectF YaziAlani(int k) const { return m_yaziAlanlari.at(k); }
    const AgYerlesimi& yerlesim() const { return m_yerlesim; }
    // The height of the title and legend above the boxes; 0 without them.
    double BaslikYuksekligi() const { return m_ust; }
    // What row i's box says: its code, name, ES, EF, duration, total float, LS and LF.
    QStringList Yazilar(int i) const;

private:
    QPointF Yer(const QPointF& yerlesimde) const { return {yerlesimde.x() * m_olcek, m_ust + yerlesimde.y() * m_olcek}; }
    bool KilometreTasi(int i) const;
    void KutuCiz(QPainter& boyaci, int i, bool secili, bool odakta) const;
    void CevreleriKur();
    void OkCiz(QPainter& boyaci, int k) const;
    void DemetCiz(QPainter& boyaci, int d, bool kritikler) const;
    void CizgiCiz(QPainter& boyaci, const QVector<QPointF>& noktalar, bool belirleyici, bool basli) const;

    AgAnalizi m_analiz; // shares its rows with the caller's copy
    AgYerlesimi m_yerlesim;
    QFont m_yazi;
    ResimBasligi m_baslik;
    double m_ust = 0;   // the title's and legend's height above the diagram
    double m_olcek = 1; // picture units per layout unit: a box holds five lines of the font
    QVector<QRectF> m_okCevreleri; // by arrow, in the picture, with room for its head and words
    QVector<QRectF> m_demetCevreleri; // by shared line, the same
    // By arrow: where its type and lag are written, above those of the arrows before it that
    // leave the same side of the same box; null for a plain link.
    QVector<QRectF> m_yaziAlanlari;
};
