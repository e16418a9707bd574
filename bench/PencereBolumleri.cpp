#include "Bolumler.h"
#include "OlculenPencere.h"
#include "Uretim.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

void ProjeleriEkleBölümü(Tablo& tablo, const QVector<Deney::Veritabanı>& vtler)
{
    tablo.Bölüm(QStringLiteral("Proje listesi"));
    for (const Deney::Veritabanı& vt : vtler) {
        ÖlçülenPencere ölçülen(vt.yol);
        const int tekrar = vt.projeSayısı >= 10000 ? 31 : 101;
        const auto [işlev, ekranda] = SüreÖlç(tekrar, nullptr, [&] { ölçülen.pencere().ProjeleriEkle(); },
                                              EkranıTamamla);
        const QString ayrıntı = Deney::ProjeSayısı(vt.projeSayısı);
        tablo.Satır(QStringLiteral("ProjeleriEkle"), ayrıntı, işlev, QStringLiteral("ms"),
                    vt.projeSayısı == 10000 ? std::optional<double>(30) : std::nullopt);
        tablo.Satır(QStringLiteral("ProjeleriEkle, çizimle"), ayrıntı, ekranda, QStringLiteral("ms"));
    }
}

void SeçimBölümü(Tablo& tablo, const QVector<Deney::Veritabanı>& vtler)
{
    tablo.Bölüm(QStringLiteral("Proje seçimi, %1 faaliyet").arg(Deney::FaaliyetSayısı));
    for (AğBiçimi biçim : Deney::Biçimler) {
        for (const Deney::Veritabanı& vt : vtler) {
            ÖlçülenPencere ölçülen(vt.yol);
            const int satır = ölçülen.Satır(Deney::BiçimProjesi(biçim));
            const auto [işlev, ekranda] = SüreÖlç(201, [&] { ölçülen.SeçimiKaldır(); },
                                                  [&] { ölçülen.Seç(satır); }, EkranıTamamla);
            const QString ayrıntı = BiçimAdı(biçim) + QStringLiteral(", ") + Deney::ProjeSayısı(vt.projeSayısı);
            tablo.Satır(QStringLiteral("ProjeListesi_Click"), ayrıntı, işlev, QStringLiteral("ms"), 1.0);
            tablo.Satır(QStringLiteral("ProjeListesi_Click, çizimle"), ayrıntı, ekranda, QStringLiteral("ms"));
        }
    }
}

void UzunÖncekiListesiBölümü(Tablo& tablo, const QString& klasör)
{
    // Another program may store any text as the predecessors: here B lists A
    // 524,288 times, a megabyte of "A,A,…", beside nine filler projects.
    const QString ad = QStringLiteral("UZUN ÖNCEKİ LİSTESİ");
    const QString öncekiler = QStringLiteral("A,").repeated(512 * 1024).chopped(1);
    const ÜretilecekProje proje{ad,
                                {{QStringLiteral("A"), QStringLiteral("a"), 3, QString()},
                                 {QStringLiteral("B"), QStringLiteral("b"), 2, öncekiler},
                                 {QStringLiteral("C"), QStringLiteral("c"), 4, QStringLiteral("B")}}};
    const QString yol = QDir(klasör).filePath(QStringLiteral("uzun-onceki.mdb"));
    std::mt19937 üreteç(20260303);
    if (auto hata = VeritabanıÜret(yol, 10, {proje}, üreteç)) {
        std::fprintf(stderr, "%s üretilemedi: Hata %d: %s\n", qPrintable(yol), hata.numara, qPrintable(hata.açıklama));
        std::exit(1);
    }

    tablo.Bölüm(QStringLiteral("Proje seçimi, uzun önceki faaliyet listesi"));
    ÖlçülenPencere ölçülen(yol);
    const int satır = ölçülen.Satır(ad);
    const auto [işlev, ekranda] = SüreÖlç(11, [&] { ölçülen.SeçimiKaldır(); }, [&] { ölçülen.Seç(satır); },
                                          EkranıTamamla);
    const QString ayrıntı = QStringLiteral("B'nin öncekileri 1 MB \"A,A,…\", 10 proje");
    tablo.Satır(QStringLiteral("ProjeListesi_Click"), ayrıntı, işlev, QStringLiteral("ms"), 200.0);
    tablo.Satır(QStringLiteral("ProjeListesi_Click, çizimle"), ayrıntı, ekranda, QStringLiteral("ms"), 200.0);
}
