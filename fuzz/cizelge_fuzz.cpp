// The whole schedule over arbitrary rows, as another program might have stored
// them. One row per line, its fields separated by tabs: code, name, duration (a
// number when it reads as one, else the text), predecessors. The pass must end, and whatever it reports must hold:
// every row finishes its duration after it starts, the day counts are those of the
// rows, and the path ends at a row that finishes last. (That each start is the
// latest finish before it is checked against the analysis in analiz_fuzz.)
#include "Dogrula.h"
#include "kernel/Cizelge.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace {

// The figure the pass worked out there; a computed project has one in every cell.
qint64 Sayi(const std::optional<qint32>& gun)
{
    Dogrula(gun.has_value());
    return *gun;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    QVector<KayitliFaaliyet> satirlar;
    for (const QString& satir : QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy)).split('\n')) {
        const QStringList alan = satir.split(QLatin1Char('\t'));
        bool sayi = false;
        const qint32 sure = alan.value(2).toInt(&sayi);
        satirlar.append({alan.value(0), alan.value(1), {alan.value(2), sayi ? std::optional(sure) : std::nullopt},
                         alan.value(3)});
    }
    const Cizelge cizelge = CizelgeyiHesapla(satirlar);
    const QVector<Gunler>& gunler = cizelge.gunler;
    if (satirlar.size() < 2)
        return 0;
    if (!cizelge.projeBitisGunu) {
        Dogrula(cizelge.hata.Var() && cizelge.kritikYol.isEmpty() && !cizelge.enErkenGunSayisi);
        return 0;
    }
    Dogrula(gunler[0].es == 0 && gunler[0].ef == satirlar[0].sure.deger);
    qint64 enGec = Sayi(gunler[0].ef);
    for (int i = 0; i < satirlar.size(); ++i) {
        Dogrula(i == 0 || Sayi(gunler[i].ef) == Sayi(gunler[i].es) + Sayi(satirlar[i].sure.deger));
        enGec = std::max(enGec, Sayi(gunler[i].ef));
    }
    Dogrula(*cizelge.projeBitisGunu == enGec && *cizelge.enErkenGunSayisi == enGec - Sayi(gunler[0].ef));
    // The path climbs the rows and ends at a row that finishes last.
    const QVector<int>& yol = cizelge.kritikYol;
    Dogrula(!yol.isEmpty() && std::adjacent_find(yol.begin(), yol.end(), std::greater_equal<int>()) == yol.end());
    Dogrula(Sayi(gunler[yol.last()].ef) == enGec);
    return 0;
}
