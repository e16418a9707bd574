// The whole schedule over arbitrary rows, as another program might have stored
// them. One row per line, its fields separated by tabs: code, name, duration (a
// number when it reads as one, else the text), predecessors. The pass must end, and whatever it reports must hold:
// every row finishes its duration after it starts, the day counts are those of the
// rows, and the path ends at a row that finishes last. (That each start is the
// latest finish before it is checked against the analysis in analiz_fuzz.)
#include "Dogrula.h"
#include "schedule/Cizelge.h"

#include <QSet>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

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
    const CizelgeSonucu& sonuc = cizelge.sonuc;
    const QVector<Gunler>& gunler = cizelge.gunler;
    if (satirlar.size() < 2)
        return 0;
    if (!sonuc.projeBitisGunu) {
        Dogrula(sonuc.kritikYol.startsWith(QStringLiteral("Hesaplanamıyor: ")) && sonuc.enGecGunSayisi.isEmpty());
        return 0;
    }
    Dogrula(gunler[0].es == 0 && gunler[0].ef == satirlar[0].sure.deger);
    qint64 enGec = Sayi(gunler[0].ef);
    QSet<QString> kodlar;
    for (int i = 0; i < satirlar.size(); ++i) {
        Dogrula(i == 0 || Sayi(gunler[i].ef) == Sayi(gunler[i].es) + Sayi(satirlar[i].sure.deger));
        enGec = std::max(enGec, Sayi(gunler[i].ef));
        kodlar.insert(satirlar[i].kodu);
    }
    Dogrula(*sonuc.projeBitisGunu == enGec && sonuc.enGecGunSayisi.toLongLong() == enGec);
    Dogrula(sonuc.enErkenGunSayisi.toLongLong() == enGec - Sayi(gunler[0].ef));
    // The path names rows by their codes: it can be checked row by row only when the
    // codes are what our own store holds, one character each, unique, none a comma.
    if (kodlar.size() < satirlar.size() || kodlar.contains(QStringLiteral(",")))
        return 0;
    for (const QString& kod : kodlar)
        if (kod.size() != 1)
            return 0;
    const QStringList yol = sonuc.kritikYol.split(QLatin1Char(','));
    Dogrula(yol.size() <= satirlar.size() && kodlar.contains(QSet<QString>(yol.begin(), yol.end())));
    const auto son = std::find_if(satirlar.begin(), satirlar.end(), [&](const KayitliFaaliyet& s) { return s.kodu == yol.last(); });
    Dogrula(Sayi(gunler[int(son - satirlar.begin())].ef) == enGec);
    return 0;
}
