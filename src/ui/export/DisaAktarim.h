#pragma once

#include "store/ProjeDeposu.h"
#include "ui/GosterilenKayitlar.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// "Dışa Aktar…" and "Yazdır…" for the project the main window shows, from either
// window that offers them.
namespace DışaAktarım {

enum class Biçim { Csv, Svg, Png, Pdf, Xml };

// Asks for a file and its format (Qt's own save dialog), writes it safely and tells
// of a failure in one box. The database is only read, and never the target.
void DışaAktar(QWidget* sahibi, const GösterilenKayıtlar& gösterilen, const ProjeDeposu& depo);

// Qt's print dialog with a preview of the same pages as the PDF.
void Yazdır(QWidget* sahibi, const GösterilenKayıtlar& gösterilen);

// The chosen file and format; nothing when the dialog was cancelled.
struct Seçim {
    QString yol;
    Biçim biçim = Biçim::Csv;
};
// Replaces the save dialog, for tests; an empty function restores it.
using Sorucu = std::function<std::optional<Seçim>(QWidget* sahibi, const QString& önerilen)>;
void SorucuKur(Sorucu sorucu);

} // namespace DışaAktarım
