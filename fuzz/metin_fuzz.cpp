// Any text as a project name and as a predecessor list. The name rule leaves no "i"
// or "ı", changes nothing when applied again and passes digits and blanks through;
// the predecessor walk ends, gives one code per comma plus one, each at most one
// character, and gives a well-formed list ("A,C,B") back as it was.
#include "rules/ProjeKurallari.h"
#include "schedule/OncekiListesi.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Doğrula(bool koşul)
{
    if (!koşul)
        std::abort();
}

QString RakamlarVeBoşluklar(const QString& metin)
{
    QString kalan;
    for (QChar c : metin)
        kalan += c.isDigit() || c == QLatin1Char(' ') || c == QLatin1Char('\t') ? QString(c) : QString();
    return kalan;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy));
    const QString büyük = BüyükHarfeÇevir(metin);
    Doğrula(!büyük.contains(QLatin1Char('i')) && !büyük.contains(QChar(0x0131)) && BüyükHarfeÇevir(büyük) == büyük);
    Doğrula(RakamlarVeBoşluklar(büyük) == RakamlarVeBoşluklar(metin));

    const QStringList kodlar = ÖncekiKodları(metin);
    Doğrula(kodlar.size() == metin.count(QLatin1Char(',')) + 1);
    bool düzgün = true;
    for (const QString& kod : kodlar) {
        Doğrula(kod.size() <= 1);
        düzgün = düzgün && kod.size() == 1 && kod != QLatin1String(",");
    }
    for (const QString& parça : metin.split(QLatin1Char(',')))
        düzgün = düzgün && parça.size() == 1;
    Doğrula(!düzgün || kodlar.join(QLatin1Char(',')) == metin);
    return 0;
}
