#pragma once

#include <QString>
#include <optional>

// Calendar days from the start date to the end date, both regional date texts:
// end minus start, negative when the end comes first. Nothing when either text is
// empty or not a date, or the count does not fit in 32 bits.
std::optional<qint32> GünSayısınıHesapla(const QString& başlama, const QString& bitiş);
