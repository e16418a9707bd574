#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The path of a program built beside the test executables: kavrion itself and the
// helpers the tests start as other processes.
inline QString YardimciProgram(const QString& ad)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + ad;
}

struct ProgramSonucu {
    int durum = -1; // -1 when it did not end by itself within a minute
    QByteArray cikti, hata;
};

// Runs the program as a script would, in `klasor` when one is given, held to file
// permissions as any user is: as root, in CI, it would otherwise write into read-only folders.
ProgramSonucu ProgramiCalistir(const QString& program, const QStringList& argumanlar,
                               const QString& klasor = QString());
