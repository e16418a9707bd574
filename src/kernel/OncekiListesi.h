#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Calls `islev` with each code of a predecessor list in the order listed, as a view
// into `liste`, read as the stored format demands: the first character of what is
// left, then on after the next comma. "C,A,B" gives C, A, B; "A,,B" gives A, ",", B;
// "A," gives A and an empty code. Each comma is looked at once, so a list another
// program made a megabyte long costs no more than its length.
template <typename Islev>
void OncekiKodlariniGez(QStringView liste, Islev&& islev)
{
    qsizetype bas = 0;
    for (;;) {
        islev(liste.mid(bas, 1));
        const qsizetype virgul = liste.indexOf(QLatin1Char(','), bas);
        if (virgul < 0)
            return;
        bas = virgul + 1;
    }
}

// The same codes as a list.
QStringList OncekiKodlari(const QString& liste);
