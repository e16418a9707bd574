#pragma once

#include "store/Kayitlar.h"

#include <QVector>

// Activities as the tests write them, separated by blanks: "code:duration:predecessors"
// (named by the code in lower case; the predecessors may be left out) or
// "code:name:duration:predecessors". A duration that is no plain whole number is kept as
// the text another program left, with no value. "A:3: B:2:A C:4:A D:1:B,C". A link that is
// not plain follows its code after a slash, as the column shows it: "C:4:A/BaBa+2,B/BB-1".
QVector<KayitliFaaliyet> Faaliyetler(const QString& tanim);
