#include "Bolumler.h"
#include "PencereOlcumleri.h"
#include "Uretim.h"

#include <QDir>

void ListeyiOlc(Tablo& tablo, OlculenPencere& olculen, const QString& ayrinti, int tekrar,
                std::optional<double> hedef)
{
    const auto [islev, ekranda] = SureOlc(tekrar, nullptr, [&] { olculen.pencere().ProjeleriEkle(); },
                                          EkraniTamamla);
    tablo.Satir(QStringLiteral("ProjeleriEkle"), ayrinti, islev, QStringLiteral("ms"), hedef);
    tablo.Satir(QStringLiteral("ProjeleriEkle, çizimle"), ayrinti, ekranda, QStringLiteral("ms"));
}

void SecimiOlc(Tablo& tablo, OlculenPencere& olculen, AgBicimi bicim, const QString& ayrinti, double hedef)
{
    const int satir = olculen.Satir(Deney::BicimProjesi(bicim));
    const auto [islev, ekranda] = SureOlc(201, [&] { olculen.SecimiKaldir(); }, [&] { olculen.Sec(satir); },
                                          EkraniTamamla);
    tablo.Satir(QStringLiteral("ProjeListesi_Click"), ayrinti, islev, QStringLiteral("ms"), hedef);
    tablo.Satir(QStringLiteral("ProjeListesi_Click, çizimle"), ayrinti, ekranda, QStringLiteral("ms"));
}

void ProjeleriEkleBolumu(Tablo& tablo, const QVector<Deney::Veritabani>& vtler)
{
    tablo.Bolum(QStringLiteral("Proje listesi"));
    for (const Deney::Veritabani& vt : vtler) {
        OlculenPencere olculen(vt.yol);
        ListeyiOlc(tablo, olculen, Deney::ProjeSayisi(vt.projeSayisi), vt.projeSayisi >= 10000 ? 31 : 101,
                   vt.projeSayisi == 10000 ? std::optional<double>(30) : std::nullopt);
    }
}

void SecimBolumu(Tablo& tablo, const QVector<Deney::Veritabani>& vtler)
{
    tablo.Bolum(QStringLiteral("Proje seçimi, %1 faaliyet").arg(Deney::FaaliyetSayisi));
    for (AgBicimi bicim : Deney::Bicimler) {
        for (const Deney::Veritabani& vt : vtler) {
            OlculenPencere olculen(vt.yol);
            SecimiOlc(tablo, olculen, bicim,
                      BicimAdi(bicim) + QStringLiteral(", ") + Deney::ProjeSayisi(vt.projeSayisi), 1.0);
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
    Deney::Gerekli(VeritabaniUret(yol, 10, {proje}, uretec), yol + QStringLiteral(" üretilemedi"));

    tablo.Bolum(QStringLiteral("Proje seçimi, uzun önceki faaliyet listesi"));
    OlculenPencere olculen(yol);
    const int satir = olculen.Satir(ad);
    const auto [islev, ekranda] = SureOlc(11, [&] { olculen.SecimiKaldir(); }, [&] { olculen.Sec(satir); },
                                          EkraniTamamla);
    const QString ayrinti = QStringLiteral("B'nin öncekileri 1 MB \"A,A,…\", 10 proje");
    tablo.Satir(QStringLiteral("ProjeListesi_Click"), ayrinti, islev, QStringLiteral("ms"), 200.0);
    tablo.Satir(QStringLiteral("ProjeListesi_Click, çizimle"), ayrinti, ekranda, QStringLiteral("ms"), 200.0);
}
