#pragma once

#include "schedule/Cizelge.h"

#include <QVector>

// The network of a project whose forward pass the main window completed: each row's
// figures in 64 bits, so that the backward pass cannot wrap around, and its links
// both ways. Rows stay in their stored order; every predecessor stands above.
struct Ag {
    QVector<qint64> es, ef, ls, lf;
    qint64 bitis = 0; // F, the largest EF
    // The predecessors of row i are oncekiler[oncekiBasi[i] .. oncekiBasi[i + 1]), as
    // listed and each once; its successors likewise, in row order.
    QVector<int> oncekiBasi, oncekiler, ardilBasi, ardillar;

    int Boyut() const { return int(es.size()); }
    qint64 ToplamBolluk(int i) const { return ls[i] - es[i]; }
    qint64 SerbestBolluk(int i) const; // the earliest of the successors' ES and F, less EF
    bool Kritik(int i) const { return ToplamBolluk(i) <= 0; }
    // The predecessor's finish is what sets the successor's start.
    bool Belirler(int onceki, int ardil) const { return ef[onceki] == es[ardil]; }
};

// The network of rows the main window's forward pass has filled in without a fault,
// linked as that pass reads the predecessor lists, with the backward pass done: LF
// is the smallest LS among the successors, and never later than F, since nothing may
// finish after the project does.
Ag AgiKur(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler, const KodDizini& dizin);
