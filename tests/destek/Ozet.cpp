#include "destek/Ozet.h"

#include <QTextStream>
#include <cstdio>

void ÖzetYaz(const QString& satır)
{
    QTextStream(stdout) << QStringLiteral("GÜVENİLİRLİK ") << satır << Qt::endl;
}
