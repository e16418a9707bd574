#pragma once

#include "risk/RiskHesabi.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for, once read and checked.
struct RaporKomutu {
    enum class Tur { Yardim, Projeler, Cizelge, Gantt, Xml, Risk, Takvim, Ag, Ilerleme };
    // How the output is written: the --bicim of projeler and çizelge, the picture a
    // gantt or ag file's extension names, or the MSPDI file of xml.
    enum class Bicim { Tablo, Csv, Json, Svg, Png, Pdf, Xml };

    Tur tur = Tur::Yardim;
    Bicim bicim = Bicim::Tablo;
    QString veritabani; // empty: Proje.mdb beside the executables
    QString sunucu;     // a PostgreSQL server's address instead of a file
    QString proje;
    QString cikti;      // the file gantt, ag and xml write
    RiskAyarlari risk;  // risk's --yineleme and --tohum
    std::optional<Dagilim> dagilim; // risk's --dagilim; none: the project's own
    std::optional<int> yil;         // takvim's --yil; none: the project's start year, else this year
};

// The command, or why the arguments are not one (a usage error).
struct Cozumleme {
    RaporKomutu komut;
    QString hata;
};

// Reads the arguments after the program's name. Options may stand anywhere; after
// "--" every argument is a name, so a project whose name starts with "-" can be given.
Cozumleme KomutuCozumle(const QStringList& argumanlar);

// --help, naming the database read by default.
QString YardimMetni(const QString& varsayilanVeritabani);
