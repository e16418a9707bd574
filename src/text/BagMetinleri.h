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
// The code with its genitive ending, which follows how the code's last character is read
// aloud: "A'nın", "B'nin", "O'nun", "Ü'nün", "3'ün", "6'nın".
QString Tamlayan(const QString& kod);
// The rule a link sets, in words: "C, A'nın başlangıcından 2 iş günü sonra başlayabilir
// (BaBa+2)", "C, A bitmeden başlayamaz".
QString KuralCumlesi(const QString& ardil, const BagAyrintisi& bag);
// The predecessor list as every list shows it: "A, C BaBa+2" when `baglar` holds a link
// that is not plain, the list exactly as stored otherwise.
QString OncekilerMetni(const QString& oncekiler, const QVector<BagAyrintisi>& baglar);

} // namespace BagMetinleri
