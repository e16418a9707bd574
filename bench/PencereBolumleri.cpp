#include "Bolumler.h"
#include "OlculenPencere.h"

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
