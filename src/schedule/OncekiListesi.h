#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Calls `işlev` with each code of a predecessor list in the order listed, as a view
// into `liste`, read as the stored format demands: the first character of what is
// left, then on after the next comma. "C,A,B" gives C, A, B; "A,,B" gives A, ",", B;
// "A," gives A and an empty code. Each comma is looked at once, so a list another
// program made a megabyte long costs no more than its length.
template <typename İşlev>
void ÖncekiKodlarınıGez(QStringView liste, İşlev&& işlev)
{
    qsizetype baş = 0;
    for (;;) {
        işlev(liste.mid(baş, 1));
        const qsizetype virgül = liste.indexOf(QLatin1Char(','), baş);
        if (virgül < 0)
            return;
        baş = virgül + 1;
    }
}

// The same codes as a list.
QStringList ÖncekiKodları(const QString& liste);
