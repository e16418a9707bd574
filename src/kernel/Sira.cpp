#include "kernel/Sira.h"

#include "kernel/PlanAgi.h"

QVector<int> Sirala(const QVector<QVector<int>>& onceki, QVector<int>& dongu)
{
    QVector<Bag> baglar;
    for (int y = 0; y < int(onceki.size()); ++y) {
        for (int p : onceki[y])
            baglar.append({p, y});
    }
    return Sirala(AgKur(int(onceki.size()), baglar), dongu);
}
