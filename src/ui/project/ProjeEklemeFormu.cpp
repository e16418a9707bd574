#include "ui/project/ProjeEklemeFormu.h"

#include "ui/layout/Kurucu.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

ProjeEklemeFormu::ProjeEklemeFormu(const DiyalogBaglami& baglam)
    : Diyalog(baglam),
      ProjeEklemeDenetimleri(PencereyiKur(this, Duzenler::ProjeEklemeFormu())),
      ProjeAlanlari(this, *this)
{
    connect(EkleKaydetDugmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::EkleKaydetDugmesi_Click);
    connect(VazgecDugmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::VazgecDugmesi_Click);
    connect(KapatDugmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::KapatDugmesi_Click);
    // The fields are out of reach while waiting, so the first button takes the focus.
    EkleKaydetDugmesi->setFocus();
}

void ProjeEklemeFormu::EkleKaydetDugmesi_Click()
{
    if (!Giriliyor()) {
        Cerceve->setEnabled(true);
        EkleKaydetDugmesi->setText(QStringLiteral("Kaydet"));
        KapatDugmesi->setEnabled(false);
        ProjeninAdiKutusu->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto proje = KaydedilecekProje();
    if (!proje)
        return;
    if (const KomutHatasi hata = belge().Calistir(ProjeEkleKomutu{*proje})) {
        KayitHatasiniGoster(hata.depo);
        return;
    }
    VazgecDugmesi_Click();
}

void ProjeEklemeFormu::VazgecDugmesi_Click()
{
    ProjeninAdiKutusu->clear();
    BaslamaTarihiKutusu->clear();
    BitisTarihiKutusu->clear();
    EkleKaydetDugmesi->setText(QStringLiteral("Proje &Ekle"));
    Cerceve->setEnabled(false);
    KapatDugmesi->setEnabled(true);
}

void ProjeEklemeFormu::KapatDugmesi_Click()
{
    close();
}
