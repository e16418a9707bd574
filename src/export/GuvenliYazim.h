#pragma once

#include "store/DepoHatasi.h"

#include <QByteArray>
#include <QString>

// Writes `icerik` to `yol` through a temporary file in the same folder that is renamed
// into place only when every byte is on disk: a failure leaves any file already there
// as it was. The error names the reason in plain Turkish (numbers on the store's scale).
// `veritabani`, when given, is the open plan: a path that names it is refused.
DepoHatasi DosyayaYaz(const QString& yol, const QByteArray& icerik, const QString& veritabani = QString());

// Whether `yol` is the database file at `veritabani` by whatever name, hard link or
// symbolic link: writing there would replace the plan. False for an empty `veritabani`.
bool VeritabaniDosyasi(const QString& yol, const QString& veritabani);
