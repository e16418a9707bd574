#include "Deney.h"

#include "Uretim.h"

#include <QDir>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace Deney {

const QString EklenecekProje = QStringLiteral("FAALİYET EKLENECEK");
const QString AdıDeğişecekProje = QStringLiteral("ADI DEĞİŞECEK");

QString BiçimProjesi(AğBiçimi biçim)
{
    return QLocale(QLocale::Turkish, QLocale::Turkey).toUpper(BiçimAdı(biçim)) + QStringLiteral(" %1").arg(FaaliyetSayısı);
}

QString SilinecekProje(int sıra)
{
    return QStringLiteral("SİLİNECEK %1").arg(sıra, 2, 10, QLatin1Char('0'));
}

QString BoşaltılacakProje(int sıra)
{
    return QStringLiteral("BOŞALTILACAK %1").arg(sıra, 2, 10, QLatin1Char('0'));
}

QString ProjeSayısı(int sayı)
{
    return QStringLiteral("%1 proje").arg(QLocale(QLocale::English).toString(sayı));
}

QVector<Veritabanı> Üret(const QString& klasör)
{
    // A fixed seed: every run measures the very same projects and networks.
    std::mt19937 üreteç(20260301);
    QVector<ÜretilecekProje> biçimler;
    for (AğBiçimi biçim : Biçimler)
        biçimler.append({BiçimProjesi(biçim), AğKur(biçim, FaaliyetSayısı, üreteç)});

    QVector<ÜretilecekProje> komutlar = biçimler;
    komutlar.append({EklenecekProje, AğKur(AğBiçimi::Rastgele, FaaliyetSayısı - 1, üreteç)});
    komutlar.append({AdıDeğişecekProje, AğKur(AğBiçimi::Rastgele, FaaliyetSayısı, üreteç)});
    for (int i = 1; i <= KomutTekrarı; ++i) {
        komutlar.append({SilinecekProje(i), AğKur(AğBiçimi::Rastgele, FaaliyetSayısı, üreteç)});
        komutlar.append({BoşaltılacakProje(i), AğKur(AğBiçimi::Rastgele, FaaliyetSayısı, üreteç)});
    }

    QVector<Veritabanı> vtler;
    for (int sayı : {10, 1000, 10000}) {
        const QString yol = QDir(klasör).filePath(QStringLiteral("proje-%1.mdb").arg(sayı));
        if (auto hata = VeritabanıÜret(yol, sayı, sayı == 10000 ? komutlar : biçimler, üreteç)) {
            std::fprintf(stderr, "%s üretilemedi: Hata %d: %s\n", qPrintable(yol), hata.numara,
                         qPrintable(hata.açıklama));
            std::exit(1);
        }
        vtler.append({sayı, yol});
    }
    return vtler;
}

} // namespace Deney
