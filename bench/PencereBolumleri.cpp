#include "Bolumler.h"
#include "OlculenPencere.h"
#include "Uretim.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

void ProjeleriEkleBolumu(Tablo& tablo, const QVector<Deney::Veritabani>& vtler)
{
    tablo.Bolum(QStringLiteral("Proje listesi"));
    for (const Deney::Veritabani& vt : vtler) {
        OlculenPencere olculen(vt.yol);
        const int tekrar = vt.projeSayisi >= 10000 ? 31 : 101;
        const auto [islev, ekranda] = SureOlc(tekrar, nullptr, [&] { olculen.pencere().ProjeleriEkle(); },
                                              EkraniTamamla);
        const QString ayrinti = Deney::ProjeSayisi(vt.projeSayisi);
        tablo.Satir(QStringLiteral("ProjeleriEkle"), ayrinti, islev, QStringLiteral("ms"),
                    vt.projeSayisi == 10000 ? std::optional<double>(30) : std::nullopt);
        tablo.Satir(QStringLiteral("ProjeleriEkle, çizimle"), ayrinti, ekranda, QStringLiteral("ms"));
    }
}

void SecimBolumu(Tablo& tablo, const QVector<Deney::Veritabani>& vtler)
{
    tablo.Bolum(QStringLiteral("Proje seçimi, %1 faaliyet").arg(Deney::FaaliyetSayisi));
    for (AgBicimi bicim : Deney::Bicimler) {
        for (const Deney::Veritabani& vt : vtler) {
            OlculenPencere olculen(vt.yol);
            const int satir = olculen.Satir(Deney::BicimProjesi(bicim));
            const auto [islev, ekranda] = SureOlc(201, [&] { olculen.SecimiKaldir(); },
                                                  [&] { olculen.Sec(satir); }, EkraniTamamla);
            const QString ayrinti = BicimAdi(bicim) + QStringLiteral(", ") + Deney::ProjeSayisi(vt.projeSayisi);
            tablo.Satir(QStringLiteral("ProjeListesi_Click"), ayrinti, islev, QStringLiteral("ms"), 1.0);
            tablo.Satir(QStringLiteral("ProjeListesi_Click, çizimle"), ayrinti, ekranda, QStringLiteral("ms"));
        }
    }
}

void UzunOncekiListesiBolumu(Tablo& tablo, const QString& klasor)
{
    // Another program may store any text as the predecessors: here B lists A
    // 524,288 times, a megabyte of "A,A,…", beside nine filler projects.
    const QString ad = QStringLiteral("UZUN ÖNCEKİ LİSTESİ");
    const QString oncekiler = QStringLiteral("A,").repeated(512 * 1024).chopped(1);
    const UretilecekProje proje{ad,
                                {{QStringLiteral("A"), QStringLiteral("a"), 3, QString()},
                                 {QStringLiteral("B"), QStringLiteral("b"), 2, oncekiler},
                                 {QStringLiteral("C"), QStringLiteral("c"), 4, QStringLiteral("B")}}};
    const QString yol = QDir(klasor).filePath(QStringLiteral("uzun-onceki.mdb"));
    std::mt19937 uretec(20260303);
    if (auto hata = VeritabaniUret(yol, 10, {proje}, uretec)) {
        std::fprintf(stderr, "%s üretilemedi: Hata %d: %s\n", qPrintable(yol), hata.numara, qPrintable(hata.aciklama));
        std::exit(1);
    }

    tablo.Bolum(QStringLiteral("Proje seçimi, uzun önceki faaliyet listesi"));
    OlculenPencere olculen(yol);
    const int satir = olculen.Satir(ad);
    const auto [islev, ekranda] = SureOlc(11, [&] { olculen.SecimiKaldir(); }, [&] { olculen.Sec(satir); },
                                          EkraniTamamla);
    const QString ayrinti = QStringLiteral("B'nin öncekileri 1 MB \"A,A,…\", 10 proje");
    tablo.Satir(QStringLiteral("ProjeListesi_Click"), ayrinti, islev, QStringLiteral("ms"), 200.0);
    tablo.Satir(QStringLiteral("ProjeListesi_Click, çizimle"), ayrinti, ekranda, QStringLiteral("ms"), 200.0);
}
