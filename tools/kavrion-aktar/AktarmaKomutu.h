#pragma once

#include "VeritabaniAcma.h"
#include "import/Aktarim.h"

#include <QString>
#include <QStringList>
#include <optional>

// What kavrion-aktar's command line asks for, once read and checked.
struct AktarmaKomutu {
    bool yardim = false;
    VeritabaniSecimi vt;       // no file nor server: Proje.mdb beside the executables
    std::optional<QString> ad; // the new project's name in place of the file's
    bool kabul = false;        // what Kavrion cannot hold is accepted
    QString girdi;
    AktarimKaynagi kaynak = AktarimKaynagi::Mspdi; // by the file's extension
};

// The command, or why the arguments are not one (a usage error).
struct AktarmaCozumu {
    AktarmaKomutu komut;
    QString hata;
};

// Reads the arguments after the program's name; options may stand anywhere, and after
// "--" every argument is the file, so a name that starts with "-" can be given.
AktarmaCozumu AktarmaKomutunuCozumle(const QStringList& argumanlar);

// The synopsis, one line.
QString AktarmaKullanimi();
// --help, naming the database written by default.
QString AktarmaYardimi(const QString& varsayilanVeritabani);
