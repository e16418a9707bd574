#include "destek/YardimciProgram.h"

#include <QCoreApplication>

QString YardımcıProgram(const QString& ad)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + ad;
}
