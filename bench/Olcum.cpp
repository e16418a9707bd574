#include "Olcum.h"

#include <QElapsedTimer>
#include <algorithm>

Olcum Ozetle(std::vector<double> degerler)
{
    Olcum olcum;
    if (degerler.empty())
        return olcum;
    std::sort(degerler.begin(), degerler.end());
    const size_t n = degerler.size();
    olcum.medyan = n % 2 ? degerler[n / 2] : (degerler[n / 2 - 1] + degerler[n / 2]) / 2;
    olcum.enAz = degerler.front();
    olcum.enCok = degerler.back();
    olcum.tekrar = int(n);
    return olcum;
}

Olcum SureOlc(int tekrar, const std::function<void()>& hazirla, const std::function<void()>& is)
{
    return SureOlc(tekrar, hazirla, is, [] {}).first;
}

std::pair<Olcum, Olcum> SureOlc(int tekrar, const std::function<void()>& hazirla, const std::function<void()>& is,
                                const std::function<void()>& ardindan)
{
    std::vector<double> ilk, toplam;
    QElapsedTimer saat;
    for (int i = 0; i < tekrar; ++i) {
        if (hazirla)
            hazirla();
        saat.start();
        is();
        ilk.push_back(double(saat.nsecsElapsed()) / 1e6);
        ardindan();
        toplam.push_back(double(saat.nsecsElapsed()) / 1e6);
    }
    return {Ozetle(std::move(ilk)), Ozetle(std::move(toplam))};
}
