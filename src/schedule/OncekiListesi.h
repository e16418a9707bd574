#pragma once

#include <QString>
#include <QStringList>

// The codes of a predecessor list in the order listed, read as the stored format
// demands: the first character of what is left, then on after the next comma.
// "C,A,B" gives C, A, B; "A,,B" gives A, ",", B; "A," gives A and an empty code.
QStringList ÖncekiKodları(const QString& liste);
