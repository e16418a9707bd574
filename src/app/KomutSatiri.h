#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the program's arguments ask for: `kavrion [DOSYA.mdb]`, `kavrion --sunucu BAĞLANTI`
// (or `--sunucu=BAĞLANTI`), `--version`, `--help` (`-h`). After "--" every argument is a
// file's name. Asked for help or the version, that is the answer whatever else is given.
struct KomutSatiri {
    enum class Is { Pencere, Surum, Yardim, Hatali };
    Is is = Is::Pencere;
    QString dosya;                // empty: the plan file found where it is kept
    std::optional<QString> sunucu;
    QString hatali;               // the argument that made the line unusable
};

KomutSatiri KomutSatiriniOku(const QStringList& argumanlar);

// Printed for --help and --version; the usage error's one line names the argument.
QString YardimMetni();
QString SurumMetni();
QString KullanimHatasi(const QString& hatali);
