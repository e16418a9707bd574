#pragma once

#include "kernel/BagTuru.h"

#include <QString>
#include <QVector>

// A link's words in Turkish, as Turkish planners name the types.
namespace BagMetinleri {

// "BB", "BaBa", "BiBi", "BaBi".
QString KisaAd(BagTuru tur);
// "Bitiş–Başlangıç", "Başlangıç–Başlangıç", "Bitiş–Bitiş", "Başlangıç–Bitiş".
QString Ad(BagTuru tur);
// The type and lag as a link is written after its predecessor's code: "BaBa+2", "BB−2",
// "BiBi"; empty for a plain link.
QString TurVeGecikme(BagTuru tur, qint32 gecikme);
// The predecessor list as every list shows it: "A, C BaBa+2" when `baglar` holds a link
// that is not plain, the list exactly as stored otherwise.
QString OncekilerMetni(const QString& oncekiler, const QVector<BagAyrintisi>& baglar);

} // namespace BagMetinleri
