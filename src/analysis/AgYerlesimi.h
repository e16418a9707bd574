#pragma once

#include "analysis/AgAnalizi.h"
#include "kernel/BagTuru.h"

#include <QPointF>
#include <QRectF>
#include <QVector>

// Where the network diagram puts each activity's box and how each link's arrow runs, in
// layout units (a box is KutuGenisligi × KutuYuksekligi); the drawing scales them. Worked
// out from the analysis alone, with no font or window, so that the same plan gives the
// same picture on screen, in every export and in the tests.
struct AgKutusu {
    int satir = -1;   // the activity's stored row in the analysis
    int katman = 0;   // its column: every predecessor's column is to its left
    int sira = 0;     // its place from the top within the column
    QRectF dikdortgen;
};

struct AgOku {
    int onceki = -1, ardil = -1; // stored rows
    BagTuru tur = BagTuru::BitisBaslama;
    qint32 gecikme = 0;
    bool belirleyici = false; // a driving link between critical activities: drawn in the critical colour
    // From the side of the predecessor's box its type leaves by to the side of the successor's
    // box it enters by, through the gaps between the columns and rows: no segment crosses a box.
    QVector<QPointF> noktalar;
    // Its place from the top in each column it passes through between its two boxes, for
    // counting crossings as the sweeps do; empty for one that runs over the boxes (see
    // AgYerlesimi::seritSayisi) or shares a line (see AgDemeti::siralar).
    QVector<int> araSiralar;
    // When several long links enter one side of one box they share a line from where the
    // first of them starts: `noktalar` then ends where this link joins that line, and
    // AgYerlesimi::demetler[demet] runs on to the box and carries the head. −1: its own to the box.
    int demet = -1;
};

// The line long links share into one side of one box.
struct AgDemeti {
    int ardil = -1;
    bool baslamaya = true;     // into its start (the left side), else its finish (the right)
    // From the column where the first of its links joins it to the box's side, with a point
    // where each column it passes begins, where its links join it.
    QVector<QPointF> noktalar;
    // From this point of `noktalar` on it carries a driving link, and is drawn in the critical
    // colour: where the first of them joins. −1: it carries none.
    int kritikten = -1;
    int ilkKolon = 0;     // the column where its first link joins it
    QVector<int> siralar; // its place from the top in each column from there to its box; empty over the boxes
};

struct AgYerlesimi {
    static constexpr double KutuGenisligi = 180;
    static constexpr double KutuYuksekligi = 84;
    QVector<AgKutusu> kutular; // by stored row
    QVector<AgOku> oklar;      // by successor, then in the order its predecessors are listed
    QVector<AgDemeti> demetler;
    // A plan whose long links would need more than a budget of points to thread between the
    // boxes sends the longest of them over all the boxes, in lanes along the top: how many.
    int seritSayisi = 0;
    QSizeF boyut;              // everything laid out fits in (0, 0) – boyut
};

// Lays out the analysis's network: columns from the longest path so that every arrow runs
// left to right, the order within each column by several crossing-reduction sweeps, long
// links routed through the gaps. An analysis that could not be computed lays out nothing.
AgYerlesimi AgiYerlestir(const AgAnalizi& analiz);

// How many pairs of arrows cross, counted between adjacent columns as the sweeps count them.
qint64 KesismeSayisi(const AgYerlesimi& yerlesim);
