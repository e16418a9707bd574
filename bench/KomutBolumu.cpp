#include "Bolumler.h"
#include "OlculenPencere.h"
#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/project/ProjeDegistirFormu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
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

// Answers every confirmation with Yes, as the user who gave the command would. Any
// other box means the command did not do what is measured.
class Onaylayıcı {
public:
    Onaylayıcı()
    {
        Mesaj::GöstericiKur([](QWidget*, const QString&, const QString& metin, QMessageBox::Icon simge,
                               const QString&) {
            if (simge != QMessageBox::Question) {
                std::fprintf(stderr, "Beklenmeyen ileti: %s\n", qPrintable(metin));
                std::exit(1);
            }
            return QMessageBox::Yes;
        });
    }
    ~Onaylayıcı() { Mesaj::GöstericiKur({}); }
    Onaylayıcı(const Onaylayıcı&) = delete;
    Onaylayıcı& operator=(const Onaylayıcı&) = delete;
};

void İkiSatır(Tablo& tablo, const QString& işlem, const QString& ayrıntı, const std::pair<Ölçüm, Ölçüm>& ölçüm,
              std::optional<double> hedef = std::nullopt)
{
    tablo.Satır(işlem, ayrıntı, ölçüm.first, QStringLiteral("ms"), hedef);
    tablo.Satır(işlem + QStringLiteral(", çizimle"), ayrıntı, ölçüm.second, QStringLiteral("ms"));
}

} // namespace

void KomutBölümü(Tablo& tablo, const Deney::Veritabanı& vt)
{
    tablo.Bölüm(QStringLiteral("Yazan komutlar, %1 faaliyet, %2 listede")
                    .arg(Deney::FaaliyetSayısı).arg(Deney::ProjeSayısı(vt.projeSayısı)));
    ÖlçülenPencere ölçülen(vt.yol);
    TemelForm& pencere = ölçülen.pencere();
    const Onaylayıcı onaylayıcı;
    const int tekrar = Deney::KomutTekrarı;

    // The 62nd activity, typed into the add dialog and saved with "Kaydet".
    ölçülen.Seç(ölçülen.Satır(Deney::EklenecekProje));
    pencere.FaaliyetEkleDüğmesi_Click();
    FaaliyetEklemeFormu* ekleme = pencere.AçıkFaaliyetEklemeFormu();
    EkranıTamamla();
    bool eklendi = false;
    const auto ekle = SüreÖlç(tekrar, [&] {
        if (eklendi) {
            QVector<KayıtlıFaaliyet> faaliyetler;
            Gerekli(ölçülen.depo().FaaliyetleriOku(Deney::EklenecekProje, faaliyetler));
            Gerekli(ölçülen.depo().SonFaaliyetiSil(Deney::EklenecekProje, faaliyetler.last()));
            pencere.ProjeListesi_Click();
        }
        ekleme->EkleKaydetDüğmesi->click();
        ekleme->FaaliyetAdıKutusu->setText(QStringLiteral("Son faaliyet"));
        ekleme->ÖngörülenSüreKutusu->setText(QStringLiteral("5"));
        ekleme->ÖncekiFaaliyetleriSeçmeKutusu->setCurrentIndex(0);
        ekleme->EklemeDüğmesi->click();
        EkranıTamamla();
    }, [&] {
        ekleme->EkleKaydetDüğmesi->click();
        eklendi = true;
    }, EkranıTamamla);
    if (pencere.FaaliyetlerListesi->topLevelItemCount() != Deney::FaaliyetSayısı) {
        std::fprintf(stderr, "Faaliyet eklenmedi\n");
        std::exit(1);
    }
    İkiSatır(tablo, QStringLiteral("Faaliyet Ekleme: Kaydet"), QStringLiteral("61 faaliyetten sonra, yenilemeyle"),
             ekle, 10.0);

    int sıra = 0;
    const auto boşalt = SüreÖlç(tekrar, [&] {
        ölçülen.Seç(ölçülen.Satır(Deney::BoşaltılacakProje(++sıra)));
        EkranıTamamla();
    }, [&] { pencere.TümKayıtlarıSilDüğmesi->click(); }, EkranıTamamla);
    İkiSatır(tablo, QStringLiteral("Tüm Faaliyetleri Sil"), QStringLiteral("62 faaliyet, yenilemeyle"), boşalt);

    sıra = 0;
    const auto sil = SüreÖlç(tekrar, [&] {
        ölçülen.Seç(ölçülen.Satır(Deney::SilinecekProje(++sıra)));
        EkranıTamamla();
    }, [&] { pencere.ProjeSilDüğmesi->click(); }, EkranıTamamla);
    İkiSatır(tablo, QStringLiteral("Proje Sil"), QStringLiteral("62 faaliyetiyle, liste yeniden dolar"), sil);

    // The name goes back and forth, each time carried to the 62 activities.
    QString ad = Deney::AdıDeğişecekProje;
    ProjeDeğiştirFormu* değiştirme = nullptr;
    const auto değiştir = SüreÖlç(tekrar, [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ölçülen.Seç(ölçülen.Satır(ad));
        pencere.ProjeDeğiştirDüğmesi_Click();
        değiştirme = pencere.AçıkProjeDeğiştirFormu();
        ad = ad == Deney::AdıDeğişecekProje ? ad + QStringLiteral(" 2") : Deney::AdıDeğişecekProje;
        değiştirme->ProjeninAdıKutusu->setText(ad);
        EkranıTamamla();
    }, [&] { değiştirme->KaydetDüğmesi->click(); }, EkranıTamamla);
    ölçülen.Satır(ad);
    İkiSatır(tablo, QStringLiteral("Proje Değiştir: Kaydet"), QStringLiteral("yeni ad 62 faaliyete, liste yeniden dolar"),
             değiştir);
}
