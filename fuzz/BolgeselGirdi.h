#pragma once

#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>

// The first byte of a fuzz input picks the regional settings (tr_TR, en_US or
// de_DE), the rest is the text the user typed. Gives that text; empty input gives none.
inline QString BölgeselGirdi(const uint8_t* veri, size_t boy)
{
    static const QLocale yereller[] = {QLocale(QLocale::Turkish, QLocale::Turkey),
                                       QLocale(QLocale::English, QLocale::UnitedStates),
                                       QLocale(QLocale::German, QLocale::Germany)};
    if (boy == 0)
        return QString();
    QLocale::setDefault(yereller[veri[0] % 3]);
    return QString::fromUtf8(reinterpret_cast<const char*>(veri) + 1, qsizetype(boy - 1));
}
