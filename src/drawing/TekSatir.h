#pragma once

#include <QString>

// A name or cell on one line of its row: line breaks would run into the next. The
// text is cut long before any width it could be drawn in, since it is elided anyway.
inline QString TekSatir(const QString& metin)
{
    QString duz = metin.left(400);
    for (QChar& c : duz) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return duz;
}
