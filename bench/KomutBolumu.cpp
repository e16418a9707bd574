#include "Bolumler.h"
#include "OlculenPencere.h"

#include <QLineEdit>
#include <cstdio>
#include <cstdlib>

namespace {

// A refused write would make every figure after it meaningless.
void Gerekli(const DepoHatası& hata)
{
    if (hata) {
        std::fprintf(stderr, "Hata %d: %s\n", hata.numara, qPrintable(hata.açıklama));
        std::exit(1);
    }
}

} // namespace

void KomutBölümü(Tablo& tablo, const Deney::Veritabanı& vt)
{
    tablo.Bölüm(QStringLiteral("Yazan komutlar, %1 faaliyet, %2 listede")
                    .arg(Deney::FaaliyetSayısı).arg(Deney::ProjeSayısı(vt.projeSayısı)));
    ÖlçülenPencere ölçülen(vt.yol, QStringLiteral("komutlar"));
    TemelForm& pencere = ölçülen.pencere();
    const ProjeDeposu depo = ölçülen.depo();
    const int tekrar = Deney::KomutTekrarı;

    ölçülen.Seç(ölçülen.Öğe(Deney::EklenecekProje));
    EkranıTamamla();
    const Faaliyet yeni{QString(QChar(char16_t(u'A' + Deney::FaaliyetSayısı - 1))), QStringLiteral("Son faaliyet"),
                        QStringLiteral("5"), QStringLiteral("A")};
    bool eklendi = false;
    const Ölçüm ekle = SüreÖlç(tekrar, [&] {
        if (eklendi)
            Gerekli(depo.SonFaaliyetiSil(Deney::EklenecekProje));
    }, [&] {
        Gerekli(depo.FaaliyetEkle(Deney::EklenecekProje, yeni));
        pencere.ProjeListesi_Click();
        EkranıTamamla();
        eklendi = true;
    });
    tablo.Satır(QStringLiteral("FaaliyetEkle + ProjeListesi_Click"), QStringLiteral("61. faaliyetten sonra"), ekle,
                QStringLiteral("ms"), 10.0);

    int sıra = 0;
    const Ölçüm boşalt = SüreÖlç(tekrar, [&] {
        ölçülen.Seç(ölçülen.Öğe(Deney::BoşaltılacakProje(++sıra)));
        EkranıTamamla();
    }, [&] {
        Gerekli(depo.TümFaaliyetleriSil(Deney::BoşaltılacakProje(sıra)));
        pencere.ProjeListesi_Click();
        EkranıTamamla();
    });
    tablo.Satır(QStringLiteral("TümFaaliyetleriSil + ProjeListesi_Click"), QStringLiteral("62 faaliyet"), boşalt,
                QStringLiteral("ms"));

    sıra = 0;
    const Ölçüm sil = SüreÖlç(tekrar, [&] { ++sıra; }, [&] {
        Gerekli(depo.ProjeSil(Deney::SilinecekProje(sıra)));
        pencere.ProjeleriEkle();
        EkranıTamamla();
    });
    tablo.Satır(QStringLiteral("ProjeSil + ProjeleriEkle"), QStringLiteral("62 faaliyetiyle"), sil,
                QStringLiteral("ms"));

    QString ad = Deney::AdıDeğişecekProje;
    ölçülen.Seç(ölçülen.Öğe(ad));
    EkranıTamamla();
    const QString başlama = pencere.BaşlamaTarihiKutusu->text();
    const QString bitiş = pencere.BitişTarihiKutusu->text();
    const Ölçüm değiştir = SüreÖlç(tekrar, nullptr, [&] {
        const QString yeniAd = ad == Deney::AdıDeğişecekProje ? ad + QStringLiteral(" 2") : Deney::AdıDeğişecekProje;
        Gerekli(depo.ProjeDeğiştir(ad, yeniAd, başlama, bitiş));
        pencere.ProjeleriEkle();
        EkranıTamamla();
        ad = yeniAd;
    });
    tablo.Satır(QStringLiteral("ProjeDeğiştir + ProjeleriEkle"), QStringLiteral("ad 62 faaliyete taşınır"), değiştir,
                QStringLiteral("ms"));
}
