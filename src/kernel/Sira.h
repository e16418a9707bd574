#pragma once

#include <QVector>

// The rows of a plan given as each row's predecessor rows, in an order where each stands
// after its predecessors, as near the rows' own order as that allows; the plan's graph is
// the one the passes use. With a cycle, nothing, and `dongu` holds one: told forwards from
// its lowest row, which closes it again.
QVector<int> Sirala(const QVector<QVector<int>>& onceki, QVector<int>& dongu);
