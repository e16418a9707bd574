#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for, once read and checked.
struct RaporKomutu {
    enum class Tür { Yardım, Projeler, Çizelge, Gantt, Xml };
    // How the output is written: the --bicim of projeler and çizelge, the picture a
    // gantt file's extension names, or the MSPDI file of xml.
    enum class Biçim { Tablo, Csv, Json, Svg, Png, Pdf, Xml };

    Tür tür = Tür::Yardım;
    Biçim biçim = Biçim::Tablo;
    QString veritabanı; // empty: Proje.mdb beside the executables
    QString proje;
    QString çıktı;      // the file gantt and xml write
};

// The command, or why the arguments are not one (a usage error).
struct Çözümleme {
    RaporKomutu komut;
    QString hata;
};

// Reads the arguments after the program's name. Options may stand anywhere; after
// "--" every argument is a name, so a project whose name starts with "-" can be given.
Çözümleme KomutuÇözümle(const QStringList& argümanlar);

// --help, naming the database read by default.
QString YardımMetni(const QString& varsayılanVeritabanı);
