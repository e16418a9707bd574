// The whole schedule over arbitrary rows of text, as another program might have
// stored them. One row per line, its fields separated by tabs: code, name,
// duration, predecessors. The pass must end, and whatever it reports must hold.
#include "schedule/Cizelge.h"
#include "rules/BolgeselMetin.h"

#include <QLocale>
#include <QSet>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void Doğrula(bool koşul)
{
    if (!koşul)
        std::abort();
}

// The number the pass itself read or wrote there; a computed project has one in every cell.
qint64 Sayı(const QString& metin)
{
    const auto sayı = BölgeselMetin::TamSayıOku(metin);
    Doğrula(sayı.has_value());
    return *sayı;
}

// A computed project: every row's figures follow the rules and the path is made
// of real codes, ending at a row that finishes last.
void HesaplananıDoğrula(const QVector<ÇizelgeSatırı>& satırlar, const ÇizelgeSonucu& sonuç)
{
    Doğrula(satırlar[0].es == QLatin1String("0") && satırlar[0].ef == satırlar[0].süre);
    qint64 enGeç = Sayı(satırlar[0].ef);
    for (int i = 1; i < satırlar.size(); ++i) {
        const ÇizelgeSatırı& s = satırlar[i];
        Doğrula(Sayı(s.ef) == Sayı(s.es) + Sayı(s.süre));
        Doğrula(SüreBul(satırlar, i) == Sayı(s.es));
        enGeç = std::max(enGeç, Sayı(s.ef));
    }
    Doğrula(*sonuç.projeBitişGünü == enGeç);
    Doğrula(Sayı(sonuç.enGeçGünSayısı) == enGeç);
    Doğrula(Sayı(sonuç.enErkenGünSayısı) == enGeç - Sayı(satırlar[0].ef));
    // The path names rows by their codes: it can be checked row by row only when the
    // codes are what our own store holds, one character each, unique, none a comma.
    QSet<QString> kodlar;
    for (const ÇizelgeSatırı& s : satırlar) {
        if (s.kodu.size() != 1 || s.kodu == QLatin1String(",") || kodlar.contains(s.kodu))
            return;
        kodlar.insert(s.kodu);
    }
    const QStringList yol = sonuç.kritikYol.split(QLatin1Char(','));
    Doğrula(yol.size() <= satırlar.size());
    for (const QString& kod : yol)
        Doğrula(std::any_of(satırlar.begin(), satırlar.end(), [&](const ÇizelgeSatırı& s) { return s.kodu == kod; }));
    const auto son = std::find_if(satırlar.begin(), satırlar.end(),
                                  [&](const ÇizelgeSatırı& s) { return s.kodu == yol.last(); });
    Doğrula(Sayı(son->ef) == enGeç);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy));
    QVector<ÇizelgeSatırı> satırlar;
    for (const QString& satır : metin.split(QLatin1Char('\n'))) {
        const QStringList alan = satır.split(QLatin1Char('\t'));
        satırlar.append({alan.value(0), alan.value(1), alan.value(2), alan.value(3), QString(), QString()});
    }
    const ÇizelgeSonucu sonuç = ÇizelgeyiHesapla(satırlar);
    if (satırlar.size() < 2)
        return 0;
    if (sonuç.projeBitişGünü)
        HesaplananıDoğrula(satırlar, sonuç);
    else
        Doğrula(sonuç.kritikYol.startsWith(QStringLiteral("Hesaplanamıyor: ")) && sonuç.enGeçGünSayısı.isEmpty());
    return 0;
}
