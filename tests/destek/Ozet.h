#pragma once

#include <QString>
#include <QTextStream>

// Prints one line of the figures a reliability test reports, marked so that a script
// can collect them from standard output: "GÜVENİLİRLİK store faults: ...".
inline void OzetYaz(const QString& satir)
{
    QTextStream(stdout) << QStringLiteral("GÜVENİLİRLİK ") << satir << Qt::endl;
}
