#pragma once

#include "import/Aktarim.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// "İçe Aktar…": the file to read, chosen in Qt's own open dialog.
namespace IceAktarim {

struct Secim {
    QString yol;
    AktarimKaynagi kaynak = AktarimKaynagi::Mspdi;
};

// Asks for the file; its name's extension decides its kind, else the filter chosen.
// Nothing when cancelled.
std::optional<Secim> DosyaSor(QWidget* sahibi);

// Replaces the open dialog, for tests; an empty function restores it.
using Sorucu = std::function<std::optional<Secim>(QWidget* sahibi)>;
void SorucuKur(Sorucu sorucu);

} // namespace IceAktarim
