#pragma once

#include "kernel/Hesap.h"
#include "kernel/PlanHatasi.h"
#include "kernel/PlanModeli.h"

#include <QVector>
#include <memory>
#include <optional>

// The two days the main window works out for a row; none where it could not.
struct Gunler {
    std::optional<qint32> es; // earliest start
    std::optional<qint32> ef; // earliest finish
};

// The main window's pass over the rows as stored. A row computes only from the predecessors
// stored above it, and the first row starts at day 0 whatever it lists. A project that cannot
// be computed keeps the ES and EF that could be worked out and names its first fault.
struct Cizelge {
    std::shared_ptr<const PlanModeli> model; // none without rows
    QVector<Gunler> gunler;                  // one per row, in stored order
    // The engine's figures for every row: what the analysis reads once no fault stands.
    Sonuc hesap;
    std::optional<qint32> projeBitisGunu;   // the largest EF
    std::optional<qint32> enErkenGunSayisi; // the largest EF less the first row's EF
    // The rows of the critical path, first to last: traced back from the first row finishing
    // at F, always to the predecessor whose link allows the latest start (with plain links the
    // one finishing latest; the first listed on a tie), to the first row or a row coded "A".
    // Empty for one row, or when the project cannot be computed.
    QVector<int> kritikYol;
    HataYeri hata;
};

Cizelge CizelgeyiHesapla(const QVector<KayitliFaaliyet>& satirlar);
// The same over a model already built (one with rows).
Cizelge CizelgeyiHesapla(std::shared_ptr<const PlanModeli> model);
