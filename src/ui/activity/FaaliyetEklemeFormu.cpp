#include "ui/activity/FaaliyetEklemeFormu.h"

#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetKurallari.h"
#include "ui/main/TemelForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString EkleBaşlığı = QStringLiteral("Faaliyet &Ekle");
const QString KaydetBaşlığı = QStringLiteral("Kaydet");

} // namespace

FaaliyetEklemeFormu::FaaliyetEklemeFormu(TemelForm& anaPencere)
    : FaaliyetAlanları(anaPencere, Düzenler::FaaliyetEklemeFormu())
{
    EkleKaydetDüğmesi = denetimler().al<QPushButton>("EkleKaydetDüğmesi");
    VazgeçDüğmesi = denetimler().al<QPushButton>("VazgeçDüğmesi");
    KapatDüğmesi = denetimler().al<QPushButton>("KapatDüğmesi");
    // Its caption changes with the state; the name read out follows the caption.
    EkleKaydetDüğmesi->setAccessibleName(QString());

    connect(EkleKaydetDüğmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::EkleKaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::VazgeçDüğmesi_Click);
    connect(KapatDüğmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::KapatDüğmesi_Click);
}

bool FaaliyetEklemeFormu::Giriliyor() const
{
    return Çerçeve->isEnabledTo(this);
}

void FaaliyetEklemeFormu::EkleKaydetDüğmesi_Click()
{
    if (Giriliyor())
        Kaydet();
    else
        GirişeBaşla();
}

void FaaliyetEklemeFormu::GirişeBaşla()
{
    // With no project selected there is nothing to add to; like every command, it then does nothing.
    const QString proje = anaPencere().SeçiliProje();
    if (proje.isEmpty())
        return;
    QStringList kodlar;
    QString koduBul;
    DepoHatası hata = anaPencere().Depo().KodlarıOku(proje, kodlar);
    if (!hata)
        hata = anaPencere().Depo().EnBüyükKodu(proje, koduBul);
    if (hata) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    const auto kod = SonrakiKod(koduBul);
    if (!kod) {
        Mesaj::Göster(this,
                      QStringLiteral("\"%1\" projesine yeni faaliyet eklenemez: faaliyet kodları \"~\" ile bitti.")
                          .arg(proje),
                      Mesaj::Tür::Bilgi);
        return;
    }

    m_proje = proje;
    KodListesiniDoldur(kodlar);
    FaaliyetKoduKutusu->setText(*kod);
    Çerçeve->setEnabled(true);
    EkleKaydetDüğmesi->setText(KaydetBaşlığı);
    KapatDüğmesi->setEnabled(false);
    FaaliyetAdıKutusu->setFocus();
}

void FaaliyetEklemeFormu::Kaydet()
{
    const Faaliyet faaliyet = Alanlar();
    // Predecessors are required when the project had an activity when the entry started.
    if (!KaydetmedenDenetle(m_proje, faaliyet.kodu, ÖncekiFaaliyetleriSeçmeKutusu->count() > 0))
        return;
    if (auto hata = anaPencere().Depo().FaaliyetEkle(m_proje, faaliyet)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    VazgeçDüğmesi_Click();
    anaPencere().ProjeListesi_Click();
}

void FaaliyetEklemeFormu::VazgeçDüğmesi_Click()
{
    EkleKaydetDüğmesi->setText(EkleBaşlığı);
    KapatDüğmesi->setEnabled(true);
    // Disabled first: should the focus still be in a field, it leaves before the
    // field is emptied, so no rule refills what is being cleared.
    Çerçeve->setEnabled(false);
    FaaliyetKoduKutusu->clear();
    FaaliyetAdıKutusu->clear();
    ÖngörülenSüreKutusu->clear();
    ÖncekiFaaliyetleriSeçmeKutusu->setCurrentIndex(-1);
    ÖncekiFaaliyetlerKutusu->clear();
    m_proje.clear();
}

void FaaliyetEklemeFormu::KapatDüğmesi_Click()
{
    close();
}
