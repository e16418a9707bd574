#pragma once

#include "kernel/Hesap.h"
#include "schedule/Cizelge.h"

#include <QString>

// The network of rows the main window's forward pass completed, linked as that pass reads
// the predecessor lists (the first row has none), and the kernel's figures for it.
struct HesaplananAg {
    PlanAgi ag;
    Sonuc sonuc;
};

// Computes the rows' network into `hesap`; returns why it cannot be, in the main window's
// words ("Hesaplanamıyor: …"), or an empty text. The figures must fit in 32 bits, as the
// main window's do.
QString AgiHesapla(const QVector<KayitliFaaliyet>& satirlar, const Cizelge& cizelge, HesaplananAg& hesap);
