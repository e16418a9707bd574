#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// No plan Kavrion can hold comes near this: a larger file is refused by its size,
// before a byte of it is read.
inline constexpr qint64 EnBuyukAktarimDosyasi = 64 * 1024 * 1024;

// Why a file (`dosya`: "Dosya", or its path in quotes) of more than that is not read.
QString BuyukDosyaNedeni(const QString& dosya);

// The file's bytes; without them, `neden` says why, in a sentence for the preview.
std::optional<QByteArray> AktarimDosyasiniOku(const QString& yol, QString& neden);
