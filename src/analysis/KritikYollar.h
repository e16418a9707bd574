#pragma once

#include "analysis/Ag.h"

#include <QStringList>
#include <QVector>

// Every critical path of a network: from an activity that no predecessor drives to one
// finishing at F, through critical activities each started by the previous one's finish.
struct KritikYollar {
    QVector<QStringList> yollar; // the first by the codes along them (a code stored twice by its row)
    QString sayi;                // how many there are, exactly, in decimal digits
    QString kalani;              // how many there are beyond the listed ones, in decimal digits; empty for none
};

// Counts the paths without walking them and lists the first `sinir` of them.
KritikYollar KritikYollariBul(const PlanAgi& ag, const Sonuc& s, const QVector<KayitliFaaliyet>& satirlar, int sinir);

// Whether the main window's path (its rows, first to last) is one of the critical paths.
bool KritikYollardanBiri(const PlanAgi& ag, const Sonuc& s, const QVector<int>& yol);
