#pragma once

#include "kernel/BagTuru.h"

#include <QVector>

struct Bag {
    int onceki = 0;
    int ardil = 0;
    BagTuru tur = BagTuru::BitisBaslama;
    qint64 gecikme = 0; // days (or the caller's unit) between the two ends the type names
};

// A plan's links, built once and read both ways. Link k, numbered by successor and then in
// the order given, runs from onceki[k] to ardil[k]. Row i's incoming links are the numbers
// girenBasi[i] .. girenBasi[i + 1]; its outgoing ones are cikanBaglar[cikanBasi[i] ..
// cikanBasi[i + 1]), in the order of their successors' rows.
struct PlanAgi {
    int boyut = 0;
    QVector<int> girenBasi, onceki, ardil;
    QVector<BagTuru> tur;
    QVector<qint64> gecikme;
    QVector<int> cikanBasi, cikanBaglar;
    bool sirali = true; // every link runs down the rows, so one pass in row order suffices
    bool bitisBaslamali = true; // every link is finish-to-start, lag or not: the passes need read no type
};

PlanAgi AgKur(int boyut, const QVector<Bag>& baglar);

// The rows in an order where each stands after its predecessors, as near the rows' own
// order as that allows. With a cycle, nothing, and `dongu` holds one: told forwards from
// its lowest row, which closes it again.
QVector<int> Sirala(const PlanAgi& ag, QVector<int>& dongu);
