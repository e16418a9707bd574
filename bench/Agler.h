#pragma once

#include "store/ProjeDeposu.h"

#include <QVector>
#include <random>

// The shapes of activity network the benchmark measures.
enum class AgBicimi {
    Zincir,   // each activity after the one before it
    Yelpaze,  // A fans out to all the middle activities, and the last one waits for all of them
    Rastgele, // one to four predecessors picked among the activities above
};

QString BicimAdi(AgBicimi bicim);

// The code of the activity at `sira`: one character each, handed out one after the other
// from "A", for plans of thousands.
QString Kod(int sira);

// Activities A, B, C, ... in code order, with durations of 1 to 30 days; every
// predecessor stands above its activity, as the add-activity dialog guarantees.
QVector<Faaliyet> AgKur(AgBicimi bicim, int faaliyetSayisi, std::mt19937& uretec);
