#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Calendar days from the start date to the end date: end minus start, negative when
// the end comes first. Nothing when either is not a date or the count does not fit in 32 bits.
std::optional<qint32> GunSayisiniHesapla(const QDate& baslama, const QDate& bitis);
// The same for two regional date texts; nothing when either is empty or not a date.
std::optional<qint32> GunSayisiniHesapla(const QString& baslama, const QString& bitis);
