#pragma once

#include <QCoreApplication>
#include <QString>

// The path of a program built beside the test executables: kavrion itself and the
// helpers the tests start as other processes.
inline QString YardimciProgram(const QString& ad)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + ad;
}
