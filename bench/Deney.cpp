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

namespace {

// A fixed seed: every run measures the very same projects and networks.
constexpr unsigned Tohum = 20260301;

struct Projeler {
    QVector<UretilecekProje> bicimler; // the three 62-activity networks
    QVector<UretilecekProje> komutlar; // those and the projects the commands change
};

Projeler BelirliProjeler(std::mt19937& uretec)
{
    Projeler projeler;
    for (AgBicimi bicim : Bicimler)
        projeler.bicimler.append({BicimProjesi(bicim), AgKur(bicim, FaaliyetSayisi, uretec)});
    projeler.komutlar = projeler.bicimler;
    projeler.komutlar.append({EklenecekProje, AgKur(AgBicimi::Rastgele, FaaliyetSayisi - 1, uretec)});
    projeler.komutlar.append({AdiDegisecekProje, AgKur(AgBicimi::Rastgele, FaaliyetSayisi, uretec)});
    for (int i = 1; i <= KomutTekrari; ++i) {
        projeler.komutlar.append({SilinecekProje(i), AgKur(AgBicimi::Rastgele, FaaliyetSayisi, uretec)});
        projeler.komutlar.append({BosaltilacakProje(i), AgKur(AgBicimi::Rastgele, FaaliyetSayisi, uretec)});
    }
    return projeler;
}

} // namespace

void Gerekli(const DepoHatasi& hata, const QString& nerede)
{
    if (hata) {
        std::fprintf(stderr, "%sHata %d: %s\n", qPrintable(nerede.isEmpty() ? nerede : nerede + QStringLiteral(": ")),
                     hata.numara, qPrintable(hata.aciklama));
        std::exit(1);
    }
}

QVector<Veritabani> Uret(const QString& klasor)
{
    std::mt19937 uretec(Tohum);
    const Projeler projeler = BelirliProjeler(uretec);
    QVector<Veritabani> vtler;
    for (int sayi : {10, 1000, 10000}) {
        const QString yol = QDir(klasor).filePath(QStringLiteral("proje-%1.mdb").arg(sayi));
        Gerekli(VeritabaniUret(yol, sayi, sayi == 10000 ? projeler.komutlar : projeler.bicimler, uretec),
                yol + QStringLiteral(" üretilemedi"));
        vtler.append({sayi, yol});
    }
    return vtler;
}

int SunucudaUret(const SunucuAdresi& adres)
{
    std::mt19937 uretec(Tohum);
    const int sayi = 10000;
    Gerekli(VeritabaniUret(adres, sayi, BelirliProjeler(uretec).komutlar, uretec),
            GosterilecekAdres(adres) + QStringLiteral(" üretilemedi"));
    return sayi;
}

} // namespace Deney
