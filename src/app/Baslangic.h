#pragma once

#include "plan/PlanBelgesi.h"
#include "ui/main/TemelForm.h"

#include <QString>
#include <memory>

class QApplication;

// The running application: the open document and the main window that shows it, built
// after the document and gone before it.
struct Uygulama {
    explicit Uygulama(ProjeDeposu depo);
    PlanBelgesi belge;
    TemelForm pencere;
};

// Qt's own texts (Evet, Hayır, Tamam, context menus) in Turkish, whatever the system
// language; and without regional settings (C, POSIX), Turkish dates and numbers too.
void TurkceArayuzuYukle(QApplication& uygulama);

// Opens the plan file at `yol` and shows the main window with the stored projects.
// When the file cannot be opened, is locked or is not our database, shows the
// reason in a box and gives nothing back; nothing is created or changed.
std::unique_ptr<Uygulama> Baslat(const QString& yol);

// The same for a PostgreSQL server: `baglanti` is a libpq connection string or URI. A
// server that wants a password it was not given asks for it once. A malformed address, a
// server that cannot be reached or refuses, or a missing or other schema: the box, and nothing.
std::unique_ptr<Uygulama> SunucuylaBaslat(const QString& baglanti);
