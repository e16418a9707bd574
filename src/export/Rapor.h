#pragma once

#include "analysis/AgAnalizi.h"
#include "store/DepoHatasi.h"
#include "store/Kayitlar.h"

class ProjeDeposu;

// One project and its analysis: what every export and the command-line report write.
struct Rapor {
    KayitliProje proje;
    AgAnalizi analiz;
};

// Reads the project named exactly `proje` and its activities, and computes the analysis.
DepoHatasi RaporuOku(const ProjeDeposu& depo, const QString& proje, Rapor& rapor);
