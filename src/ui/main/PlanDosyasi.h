#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// "Dosya → Aç…" and "Dosya → Yeni…": the plan file to open or to make, chosen in Qt's
// own dialogs, and the files opened lately.
namespace PlanDosyasi {

enum class Islem { Ac, Yeni };

// Asks for an existing plan file (Ac) or the name of a new one (Yeni). The new file's
// dialog asks nothing about a file that is there: making a plan there is refused
// afterwards, never an overwrite. Nothing when cancelled.
std::optional<QString> Sor(QWidget* sahibi, Islem islem);

// Replaces the dialogs, for tests; an empty function restores them.
using Sorucu = std::function<std::optional<QString>(QWidget* sahibi, Islem islem)>;
void SorucuKur(Sorucu sorucu);

// The files opened lately, the latest first, those gone since left out; at most SonSinir.
constexpr int SonSinir = 8;
QStringList SonDosyalar();
// Puts the file first in that list.
void SonDosyalaraEkle(const QString& yol);

} // namespace PlanDosyasi
