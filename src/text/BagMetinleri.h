#pragma once

#include "kernel/BagTuru.h"

#include <QString>

// A link's words in Turkish, as Turkish planners name the types.
namespace BagMetinleri {

// "BB", "BaBa", "BiBi", "BaBi".
QString KisaAd(BagTuru tur);
// "Bitiş–Başlangıç", "Başlangıç–Başlangıç", "Bitiş–Bitiş", "Başlangıç–Bitiş".
QString Ad(BagTuru tur);
// The type and lag as a link is written after its predecessor's code: "BaBa+2", "BB−2",
// "BiBi"; empty for a plain link.
QString TurVeGecikme(BagTuru tur, qint32 gecikme);

} // namespace BagMetinleri
