#pragma once

#include "kernel/Cizelge.h"

// The network of rows the main window's pass completed, linked as that pass reads the
// predecessor lists (the first row has none), and the kernel's figures for it.
struct HesaplananAg {
    PlanAgi ag;
    Sonuc sonuc;
};

// Takes the rows' network and figures from the main window's pass into `hesap`; returns why
// they cannot be had, the main window's own fault first. The figures must fit in 32 bits,
// as the main window's do.
HataYeri AgiHesapla(const QVector<KayitliFaaliyet>& satirlar, const Cizelge& cizelge, HesaplananAg& hesap);
