#include "ui/activity/FaaliyetEklemeFormu.h"

#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {

const QString EkleBasligi = QStringLiteral("Faaliyet &Ekle");
const QString KaydetBasligi = QStringLiteral("Kaydet");

} // namespace

FaaliyetEklemeFormu::FaaliyetEklemeFormu(const DiyalogBaglami& baglam)
    : Diyalog(baglam),
      FaaliyetEklemeDenetimleri(PencereyiKur(this, Duzenler::FaaliyetEklemeFormu())),
      FaaliyetAlanlari(this, *this)
{
    // Its caption changes with the state; the name read out follows the caption.
    EkleKaydetDugmesi->setAccessibleName(QString());

    connect(EkleKaydetDugmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::EkleKaydetDugmesi_Click);
    connect(VazgecDugmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::VazgecDugmesi_Click);
    connect(KapatDugmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::KapatDugmesi_Click);
    connect(&belge(), &PlanBelgesi::planDegisti, this, &FaaliyetEklemeFormu::KodlariYenile);
}

void FaaliyetEklemeFormu::KodlariYenile()
{
    // Only the entry's own project as the document shows it: one gone or not read
    // leaves the entry as it is, for the save to say why.
    const auto& plan = belge().plan();
    if (!Giriliyor() || m_kaydediliyor || !plan || plan->proje.ad != m_proje)
        return;
    const auto kod = SonrakiKodu(plan->faaliyetler);
    if (!kod || *kod == FaaliyetKoduKutusu->text())
        return;
    QStringList kodlar;
    for (const KayitliFaaliyet& f : plan->faaliyetler)
        kodlar << f.kodu;
    FaaliyetKoduKutusu->setText(*kod);
    KodListesiniDoldur(kodlar);
}

void FaaliyetEklemeFormu::EkleKaydetDugmesi_Click()
{
    if (Giriliyor())
        Kaydet();
    else
        GiriseBasla();
}

void FaaliyetEklemeFormu::GiriseBasla()
{
    // With no project selected there is nothing to add to; like every command, it then does nothing.
    const QString proje = belge().seciliProje();
    if (proje.isEmpty())
        return;
    QStringList kodlar;
    std::optional<QString> kod;
    DepoHatasi hata = belge().KodlariOku(proje, kodlar);
    if (!hata)
        hata = belge().SonrakiKodu(proje, kod);
    if (hata) {
        Mesaj::HatayiGoster(this, hata);
        return;
    }
    if (!kod) {
        Mesaj::Goster(this,
                      QStringLiteral("\"%1\" projesine yeni faaliyet eklenemez: faaliyet kodları \"~\" ile bitti.")
                          .arg(proje),
                      Mesaj::Tur::Bilgi);
        return;
    }

    m_proje = proje;
    KodListesiniDoldur(kodlar);
    FaaliyetKoduKutusu->setText(*kod);
    Cerceve->setEnabled(true);
    EkleKaydetDugmesi->setText(KaydetBasligi);
    KapatDugmesi->setEnabled(false);
    FaaliyetAdiKutusu->setFocus();
}

void FaaliyetEklemeFormu::Kaydet()
{
    // Predecessors are required when the project had an activity when the entry started.
    const auto faaliyet =
        KaydedilecekFaaliyet(FaaliyetKoduKutusu->text(), OncekiFaaliyetleriSecmeKutusu->count() > 0);
    if (!faaliyet)
        return;
    QScopedValueRollback<bool> kaydediliyor(m_kaydediliyor, true);
    if (const KomutHatasi hata = belge().Calistir(FaaliyetEkleKomutu{m_proje, *faaliyet})) {
        KomutHatasiniGoster(hata, [this] { ProjeleriYenile(belge().seciliProje()); });
        return;
    }
    VazgecDugmesi_Click();
}

void FaaliyetEklemeFormu::VazgecDugmesi_Click()
{
    EkleKaydetDugmesi->setText(EkleBasligi);
    KapatDugmesi->setEnabled(true);
    // Disabled first: should the focus still be in a field, it leaves before the
    // field is emptied, so no rule refills what is being cleared.
    Cerceve->setEnabled(false);
    FaaliyetKoduKutusu->clear();
    FaaliyetAdiKutusu->clear();
    OngorulenSureKutusu->clear();
    OncekiFaaliyetleriSecmeKutusu->setCurrentIndex(-1);
    BagSeciminiSifirla();
    SilDugmesi_Click();
    m_proje.clear();
}

void FaaliyetEklemeFormu::KapatDugmesi_Click()
{
    close();
}
