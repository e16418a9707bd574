#include "ui/activity/FaaliyetEklemeFormu.h"

#include "ui/Mesaj.h"
#include "rules/FaaliyetKurallari.h"
#include "ui/layout/Kurucu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString EkleBaşlığı = QStringLiteral("Faaliyet &Ekle");
const QString KaydetBaşlığı = QStringLiteral("Kaydet");

} // namespace

FaaliyetEklemeFormu::FaaliyetEklemeFormu(const DiyalogBağlamı& bağlam)
    : Diyalog(bağlam),
      FaaliyetEklemeDenetimleri(PencereyiKur(this, Düzenler::FaaliyetEklemeFormu())),
      FaaliyetAlanları(this, *this)
{
    // Its caption changes with the state; the name read out follows the caption.
    EkleKaydetDüğmesi->setAccessibleName(QString());

    connect(EkleKaydetDüğmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::EkleKaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::VazgeçDüğmesi_Click);
    connect(KapatDüğmesi, &QPushButton::clicked, this, &FaaliyetEklemeFormu::KapatDüğmesi_Click);
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
    const QString proje = bağlam().seçiliProje();
    if (proje.isEmpty())
        return;
    QStringList kodlar;
    QString koduBul;
    DepoHatası hata = bağlam().depo.KodlarıOku(proje, kodlar);
    if (!hata)
        hata = bağlam().depo.EnBüyükKodu(proje, koduBul);
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
    // Predecessors are required when the project had an activity when the entry started.
    const auto faaliyet = KaydedilecekFaaliyet(bağlam().depo, m_proje, FaaliyetKoduKutusu->text(),
                                               ÖncekiFaaliyetleriSeçmeKutusu->count() > 0);
    if (!faaliyet)
        return;
    if (auto hata = bağlam().depo.FaaliyetEkle(m_proje, *faaliyet)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    VazgeçDüğmesi_Click();
    bağlam().faaliyetlerDeğişti();
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
