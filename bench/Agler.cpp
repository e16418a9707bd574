#include "Agler.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace {

// Codes are handed out one character after the other from "A".
QString Kod(int sıra)
{
    return QString(QChar(char16_t(u'A' + sıra)));
}

QStringList Öncekiler(AğBiçimi biçim, int sıra, int son, std::mt19937& üreteç)
{
    switch (biçim) {
    case AğBiçimi::Zincir:
        return {Kod(sıra - 1)};
    case AğBiçimi::Yelpaze: {
        if (sıra < son)
            return {Kod(0)};
        QStringList hepsi;
        for (int i = 1; i < son; ++i)
            hepsi << Kod(i);
        return hepsi;
    }
    case AğBiçimi::Rastgele:
        break;
    }
    std::vector<int> adaylar(static_cast<size_t>(sıra));
    std::iota(adaylar.begin(), adaylar.end(), 0);
    std::shuffle(adaylar.begin(), adaylar.end(), üreteç);
    const int kaç = 1 + int(üreteç() % unsigned(std::min(sıra, 4)));
    QStringList seçilen;
    for (int i = 0; i < kaç; ++i)
        seçilen << Kod(adaylar[size_t(i)]);
    return seçilen;
}

} // namespace

QString BiçimAdı(AğBiçimi biçim)
{
    switch (biçim) {
    case AğBiçimi::Zincir:
        return QStringLiteral("zincir");
    case AğBiçimi::Yelpaze:
        return QStringLiteral("yelpaze");
    case AğBiçimi::Rastgele:
        break;
    }
    return QStringLiteral("rastgele ağ");
}

QVector<Faaliyet> AğKur(AğBiçimi biçim, int faaliyetSayısı, std::mt19937& üreteç)
{
    QVector<Faaliyet> faaliyetler;
    faaliyetler.reserve(faaliyetSayısı);
    for (int i = 0; i < faaliyetSayısı; ++i) {
        const QString öncekiler = i == 0 ? QStringLiteral("")
            : Öncekiler(biçim, i, faaliyetSayısı - 1, üreteç).join(QLatin1Char(','));
        faaliyetler.append({Kod(i), QStringLiteral("Faaliyet %1").arg(i + 1),
                            qint32(1 + üreteç() % 30), öncekiler});
    }
    return faaliyetler;
}
