#include "Olcum.h"

#include <QElapsedTimer>
#include <algorithm>

Ölçüm Özetle(std::vector<double> değerler)
{
    Ölçüm ölçüm;
    if (değerler.empty())
        return ölçüm;
    std::sort(değerler.begin(), değerler.end());
    const size_t n = değerler.size();
    ölçüm.medyan = n % 2 ? değerler[n / 2] : (değerler[n / 2 - 1] + değerler[n / 2]) / 2;
    ölçüm.enAz = değerler.front();
    ölçüm.enÇok = değerler.back();
    ölçüm.tekrar = int(n);
    return ölçüm;
}

Ölçüm SüreÖlç(int tekrar, const std::function<void()>& hazırla, const std::function<void()>& iş)
{
    return SüreÖlç(tekrar, hazırla, iş, [] {}).first;
}

std::pair<Ölçüm, Ölçüm> SüreÖlç(int tekrar, const std::function<void()>& hazırla, const std::function<void()>& iş,
                                const std::function<void()>& ardından)
{
    std::vector<double> ilk, toplam;
    QElapsedTimer saat;
    for (int i = 0; i < tekrar; ++i) {
        if (hazırla)
            hazırla();
        saat.start();
        iş();
        ilk.push_back(double(saat.nsecsElapsed()) / 1e6);
        ardından();
        toplam.push_back(double(saat.nsecsElapsed()) / 1e6);
    }
    return {Özetle(std::move(ilk)), Özetle(std::move(toplam))};
}
