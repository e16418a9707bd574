#pragma once

#include <QString>
#include <memory>

class QApplication;
class TemelForm;

// Qt's own texts (Evet, Hayır, Tamam, context menus) in Turkish, whatever the system
// language; and without regional settings (C, POSIX), Turkish dates and numbers too.
void TurkceArayuzuYukle(QApplication& uygulama);

// Opens Proje.mdb in `klasor` and shows the main window with the stored projects.
// When the file cannot be opened, is locked or is not our database, shows the
// reason in a box and gives nothing back; nothing is created or changed.
std::unique_ptr<TemelForm> Baslat(const QString& klasor);
