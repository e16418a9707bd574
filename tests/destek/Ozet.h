#pragma once

#include <QString>
#include <QTextStream>

// Prints one line of the figures a reliability test reports, marked so that a script
// can collect them from standard output: "GÜVENİLİRLİK store faults: ...".
inline void ÖzetYaz(const QString& satır)
{
    QTextStream(stdout) << QStringLiteral("GÜVENİLİRLİK ") << satır << Qt::endl;
}
