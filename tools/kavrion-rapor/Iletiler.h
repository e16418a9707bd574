#pragma once

#include "store/DepoHatasi.h"

#include <QByteArray>
#include <QString>

// How the program ends, for scripts.
namespace Cikis {
inline constexpr int Basarili = 0;
inline constexpr int Hata = 1;     // the store, an output file or an unknown project
inline constexpr int Kullanim = 2; // the command line itself
} // namespace Cikis

// Writes the program's name (QCoreApplication::applicationName, set before any
// message), ": " and `metin` as one line on standard error, its control
// characters made visible, and gives back `durum`.
int HataBildir(const QString& metin, int durum = Cikis::Hata);
// A usage error, with where to find help.
int KullanimHatasi(const QString& metin);
// A name in a message: quoted, visible and no longer than the analysis window shows it.
QString Alinti(const QString& ad);

// Writes all of `metin` to standard output; when it cannot, says so and gives back false.
bool CiktiyaYaz(const QByteArray& metin);
