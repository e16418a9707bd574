// The whole schedule over arbitrary rows of text, as another program might have
// stored them. One row per line, its fields separated by tabs: code, name,
// duration, predecessors. The pass must end, and whatever it reports must hold:
// every row finishes its duration after it starts, the day counts are those of the
// rows, and the path ends at a row that finishes last. (That each start is the
// latest finish before it is checked against the analysis in analiz_fuzz.)
#include "Dogrula.h"
#include "rules/BolgeselMetin.h"
#include "schedule/Cizelge.h"

#include <QLocale>
#include <QSet>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// The number the pass itself read or wrote there; a computed project has one in every cell.
qint64 Sayi(const QString& metin)
{
    const auto sayi = BolgeselMetin::TamSayiOku(metin);
    Dogrula(sayi.has_value());
    return *sayi;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QVector<CizelgeSatiri> satirlar;
    for (const QString& satir : QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy)).split('\n')) {
        const QStringList alan = satir.split(QLatin1Char('\t'));
        satirlar.append({alan.value(0), alan.value(1), alan.value(2), alan.value(3), QString(), QString()});
    }
    const CizelgeSonucu sonuc = CizelgeyiHesapla(satirlar);
    if (satirlar.size() < 2)
        return 0;
    if (!sonuc.projeBitisGunu) {
        Dogrula(sonuc.kritikYol.startsWith(QStringLiteral("Hesaplanamıyor: ")) && sonuc.enGecGunSayisi.isEmpty());
        return 0;
    }
    Dogrula(satirlar[0].es == QLatin1String("0") && satirlar[0].ef == satirlar[0].sure);
    qint64 enGec = Sayi(satirlar[0].ef);
    QSet<QString> kodlar;
    for (int i = 0; i < satirlar.size(); ++i) {
        const CizelgeSatiri& s = satirlar[i];
        Dogrula(i == 0 || Sayi(s.ef) == Sayi(s.es) + Sayi(s.sure));
        enGec = std::max(enGec, Sayi(s.ef));
        kodlar.insert(s.kodu);
    }
    Dogrula(*sonuc.projeBitisGunu == enGec && Sayi(sonuc.enGecGunSayisi) == enGec);
    Dogrula(Sayi(sonuc.enErkenGunSayisi) == enGec - Sayi(satirlar[0].ef));
    // The path names rows by their codes: it can be checked row by row only when the
    // codes are what our own store holds, one character each, unique, none a comma.
    if (kodlar.size() < satirlar.size() || kodlar.contains(QStringLiteral(",")))
        return 0;
    for (const QString& kod : kodlar)
        if (kod.size() != 1)
            return 0;
    const QStringList yol = sonuc.kritikYol.split(QLatin1Char(','));
    Dogrula(yol.size() <= satirlar.size() && kodlar.contains(QSet<QString>(yol.begin(), yol.end())));
    const auto son = std::find_if(satirlar.begin(), satirlar.end(), [&](const CizelgeSatiri& s) { return s.kodu == yol.last(); });
    Dogrula(Sayi(son->ef) == enGec);
    return 0;
}
