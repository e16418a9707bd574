#pragma once

#include "risk/RiskHesabi.h"

#include <QString>

// The simulation's results in Turkish, with the regional digits.
namespace RiskMetinleri {

// The settings a result came from, in one sentence: "Benzetim: 10.000 yineleme, tohum 1,
// beta-PERT dağılımı." with the iterations done.
QString BenzetimCumlesi(const RiskAyarlari& ayarlar, int yineleme);

// One sentence in plain Turkish comparing the plan's F with P50, true to the samples
// (the merge bias: where paths meet, delays add up). Empty without figures.
QString BirlesmeCumlesi(const RiskSonucu& sonuc);

// "Hesaplanamıyor: …", why the simulation could not run on these rows; empty when it could.
QString Hesaplanamiyor(const RiskSonucu& sonuc);

} // namespace RiskMetinleri
