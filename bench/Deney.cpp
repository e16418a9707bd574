#include "Deney.h"

#include "Uretim.h"

#include <QDir>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace Deney {

const QString EklenecekProje = QStringLiteral("FAALİYET EKLENECEK");
const QString AdiDegisecekProje = QStringLiteral("ADI DEĞİŞECEK");

QString BicimProjesi(AgBicimi bicim)
{
    return QLocale(QLocale::Turkish, QLocale::Turkey).toUpper(BicimAdi(bicim)) + QStringLiteral(" %1").arg(FaaliyetSayisi);
}

QString SilinecekProje(int sira)
{
    return QStringLiteral("SİLİNECEK %1").arg(sira, 2, 10, QLatin1Char('0'));
}

QString BosaltilacakProje(int sira)
{
    return QStringLiteral("BOŞALTILACAK %1").arg(sira, 2, 10, QLatin1Char('0'));
}

QString ProjeSayisi(int sayi)
{
    return QStringLiteral("%1 proje").arg(QLocale(QLocale::English).toString(sayi));
}

QVector<Veritabani> Uret(const QString& klasor)
{
    // A fixed seed: every run measures the very same projects and networks.
    std::mt19937 uretec(20260301);
    QVector<UretilecekProje> bicimler;
    for (AgBicimi bicim : Bicimler)
        bicimler.append({BicimProjesi(bicim), AgKur(bicim, FaaliyetSayisi, uretec)});

    QVector<UretilecekProje> komutlar = bicimler;
    komutlar.append({EklenecekProje, AgKur(AgBicimi::Rastgele, FaaliyetSayisi - 1, uretec)});
    komutlar.append({AdiDegisecekProje, AgKur(AgBicimi::Rastgele, FaaliyetSayisi, uretec)});
    for (int i = 1; i <= KomutTekrari; ++i) {
        komutlar.append({SilinecekProje(i), AgKur(AgBicimi::Rastgele, FaaliyetSayisi, uretec)});
        komutlar.append({BosaltilacakProje(i), AgKur(AgBicimi::Rastgele, FaaliyetSayisi, uretec)});
    }

    QVector<Veritabani> vtler;
    for (int sayi : {10, 1000, 10000}) {
        const QString yol = QDir(klasor).filePath(QStringLiteral("proje-%1.mdb").arg(sayi));
        if (auto hata = VeritabaniUret(yol, sayi, sayi == 10000 ? komutlar : bicimler, uretec)) {
            std::fprintf(stderr, "%s üretilemedi: Hata %d: %s\n", qPrintable(yol), hata.numara,
                         qPrintable(hata.aciklama));
            std::exit(1);
        }
        vtler.append({sayi, yol});
    }
    return vtler;
}

} // namespace Deney
