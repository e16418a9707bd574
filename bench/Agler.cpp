#include "Agler.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

QString Kod(int sira)
{
    return QString(QChar(char16_t(u'A' + sira)));
}

namespace {

QStringList Oncekiler(AgBicimi bicim, int sira, int son, std::mt19937& uretec)
{
    switch (bicim) {
    case AgBicimi::Zincir:
        return {Kod(sira - 1)};
    case AgBicimi::Yelpaze: {
        if (sira < son)
            return {Kod(0)};
        QStringList hepsi;
        for (int i = 1; i < son; ++i)
            hepsi << Kod(i);
        return hepsi;
    }
    case AgBicimi::Rastgele:
        break;
    }
    std::vector<int> adaylar(static_cast<size_t>(sira));
    std::iota(adaylar.begin(), adaylar.end(), 0);
    std::shuffle(adaylar.begin(), adaylar.end(), uretec);
    const int kac = 1 + int(uretec() % unsigned(std::min(sira, 4)));
    QStringList secilen;
    for (int i = 0; i < kac; ++i)
        secilen << Kod(adaylar[size_t(i)]);
    return secilen;
}

} // namespace

QString BicimAdi(AgBicimi bicim)
{
    switch (bicim) {
    case AgBicimi::Zincir:
        return QStringLiteral("zincir");
    case AgBicimi::Yelpaze:
        return QStringLiteral("yelpaze");
    case AgBicimi::Rastgele:
        break;
    }
    return QStringLiteral("rastgele ağ");
}

QVector<Faaliyet> AgKur(AgBicimi bicim, int faaliyetSayisi, std::mt19937& uretec)
{
    QVector<Faaliyet> faaliyetler;
    faaliyetler.reserve(faaliyetSayisi);
    for (int i = 0; i < faaliyetSayisi; ++i) {
        const QString oncekiler = i == 0 ? QStringLiteral("")
            : Oncekiler(bicim, i, faaliyetSayisi - 1, uretec).join(QLatin1Char(','));
        faaliyetler.append({Kod(i), QStringLiteral("Faaliyet %1").arg(i + 1),
                            qint32(1 + uretec() % 30), oncekiler});
    }
    return faaliyetler;
}
