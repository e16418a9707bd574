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
qint64 Sayı(const QString& metin)
{
    const auto sayı = BölgeselMetin::TamSayıOku(metin);
    Doğrula(sayı.has_value());
    return *sayı;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QVector<ÇizelgeSatırı> satırlar;
    for (const QString& satır : QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy)).split('\n')) {
        const QStringList alan = satır.split(QLatin1Char('\t'));
        satırlar.append({alan.value(0), alan.value(1), alan.value(2), alan.value(3), QString(), QString()});
    }
    const ÇizelgeSonucu sonuç = ÇizelgeyiHesapla(satırlar);
    if (satırlar.size() < 2)
        return 0;
    if (!sonuç.projeBitişGünü) {
        Doğrula(sonuç.kritikYol.startsWith(QStringLiteral("Hesaplanamıyor: ")) && sonuç.enGeçGünSayısı.isEmpty());
        return 0;
    }
    Doğrula(satırlar[0].es == QLatin1String("0") && satırlar[0].ef == satırlar[0].süre);
    qint64 enGeç = Sayı(satırlar[0].ef);
    QSet<QString> kodlar;
    for (int i = 0; i < satırlar.size(); ++i) {
        const ÇizelgeSatırı& s = satırlar[i];
        Doğrula(i == 0 || Sayı(s.ef) == Sayı(s.es) + Sayı(s.süre));
        enGeç = std::max(enGeç, Sayı(s.ef));
        kodlar.insert(s.kodu);
    }
    Doğrula(*sonuç.projeBitişGünü == enGeç && Sayı(sonuç.enGeçGünSayısı) == enGeç);
    Doğrula(Sayı(sonuç.enErkenGünSayısı) == enGeç - Sayı(satırlar[0].ef));
    // The path names rows by their codes: it can be checked row by row only when the
    // codes are what our own store holds, one character each, unique, none a comma.
    if (kodlar.size() < satırlar.size() || kodlar.contains(QStringLiteral(",")))
        return 0;
    for (const QString& kod : kodlar)
        if (kod.size() != 1)
            return 0;
    const QStringList yol = sonuç.kritikYol.split(QLatin1Char(','));
    Doğrula(yol.size() <= satırlar.size() && kodlar.contains(QSet<QString>(yol.begin(), yol.end())));
    const auto son = std::find_if(satırlar.begin(), satırlar.end(), [&](const ÇizelgeSatırı& s) { return s.kodu == yol.last(); });
    Doğrula(Sayı(son->ef) == enGeç);
    return 0;
}
