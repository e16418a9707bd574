#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>
#include <QVector>

class QPainter;

// `r` with its corners cut `kesik` deep, as the network diagram draws a zero-day activity.
QPolygonF KesikKoseli(const QRectF& r, double kesik);

// The top of a picture read without Kavrion beside it: the lines of its title (the
// first, the name, larger and bold), then a legend whose entries flow over as many
// lines as the picture's width needs. An empty one takes no room and draws nothing.
class ResimBasligi {
public:
    // What a legend entry shows before its caption.
    enum class Simge {
        Dolgu,     // a filled bar
        Cizgi,     // a line along it, in the entry's pen style
        DikCizgi,  // a line across it, in the entry's pen style
        Elmas,     // a filled diamond
        Bolluk,    // a thin line ending in a tick
        KesikKutu, // an outlined box with cut corners
    };
    struct Oge {
        Simge simge;
        QColor renk;
        QString metin;
        Qt::PenStyle cizgi = Qt::SolidLine;
        QPointF yer = {}; // set by Yerlestir
    };

    ResimBasligi() = default;
    ResimBasligi(const QFont& yazi, const QStringList& satirlar, const QVector<Oge>& lejant);

    bool bos() const { return m_satirlar.isEmpty(); }
    // The width the title's lines want, the name's up to a hundred characters.
    double Genislik() const { return m_genislik; }
    // Places the legend's entries across `genislik` (the picture's) and gives the height of the whole.
    double Yerlestir(double genislik);
    void Ciz(QPainter& boyaci, double genislik) const;

private:
    QFont SatirYazisi(int satir) const;

    QFont m_yazi;
    QStringList m_satirlar;
    QVector<Oge> m_lejant;
    double m_genislik = 0;
};
