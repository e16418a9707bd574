#include "ui/project/ProjeDegistirFormu.h"

#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

ProjeDegistirFormu::ProjeDegistirFormu(const DiyalogBaglami& baglam)
    : Diyalog(baglam),
      ProjeDegistirDenetimleri(PencereyiKur(this, Duzenler::ProjeDegistirFormu())),
      ProjeAlanlari(this, *this)
{
    connect(KaydetDugmesi, &QPushButton::clicked, this, &ProjeDegistirFormu::KaydetDugmesi_Click);
    connect(VazgecDugmesi, &QPushButton::clicked, this, &ProjeDegistirFormu::VazgecDugmesi_Click);
    connect(&belge(), &PlanBelgesi::projeSilindi, this, &ProjeDegistirFormu::ProjeSilindi);
    connect(&belge(), &PlanBelgesi::planDegisti, this, &ProjeDegistirFormu::BaskaYerdeDegistiyse);
    ProjeninAdiKutusu->setFocus();
}

void ProjeDegistirFormu::Doldur(const KayitliProje& proje, const QString& gunSayisi)
{
    m_proje = proje;
    m_buradaSilindi = false;
    ProjeninAdiKutusu->setText(proje.ad);
    BaslamaTarihiKutusu->setText(BolgeselMetin::TarihMetni(proje.baslama));
    BitisTarihiKutusu->setText(BolgeselMetin::TarihMetni(proje.bitis));
    TahminiGunSayisiKutusu->setText(gunSayisi);
}

void ProjeDegistirFormu::ProjeSilindi(const QString& ad)
{
    if (m_proje && m_proje->ad == ad)
        m_buradaSilindi = true;
}

void ProjeDegistirFormu::KaydetDugmesi_Click()
{
    if (!m_proje)
        return;
    if (m_buradaSilindi) {
        Mesaj::HatayiGoster(this, DepoHatasi::yeni(DepoHatasi::Bulunamadi,
            QStringLiteral("\"%1\" projesi ana pencerede silindi; değişiklik kaydedilemez.").arg(m_proje->ad)));
        return;
    }
    const QScopedValueRollback<bool> kaydediyor(m_kaydediyor, true);
    const auto yeni = KaydedilecekProje();
    if (!yeni)
        return;
    // The project the dialog was filled for, not whatever the main window has selected
    // now: the user may have clicked another project while the dialog was open.
    if (const KomutHatasi hata = belge().Calistir(ProjeDegistirKomutu{*m_proje, *yeni})) {
        KayitHatasiniGoster(hata.depo);
        if (hata.depo.numara == DepoHatasi::Bulunamadi)
            GuncelHaliniGoster();
        return;
    }
    VazgecDugmesi_Click();
}

void ProjeDegistirFormu::GuncelHaliniGoster()
{
    // As the box says: the main window and the fields show the project as the file
    // holds it, and the next save is compared with that. A project no longer stored
    // under its name (deleted or renamed elsewhere) leaves nothing to change.
    const QString ad = m_proje->ad;
    KayitliProje kayitli;
    const bool kayitliMi = !belge().ProjeOku(ad, kayitli);
    ProjeleriYenile(kayitliMi ? ad : QString());
    if (!kayitliMi) {
        close();
        return;
    }
    const QString baslama = BolgeselMetin::TarihMetni(kayitli.baslama), bitis = BolgeselMetin::TarihMetni(kayitli.bitis);
    Doldur(kayitli, GunSayisiMetni(baslama, bitis));
}

void ProjeDegistirFormu::BaskaYerdeDegistiyse()
{
    const auto& plan = belge().plan();
    if (m_kaydediyor || !m_proje || !plan || plan->proje.ad != m_proje->ad)
        return;
    if (plan->proje == *m_proje)
        return;
    // Filled before the box is shown: a change that arrives while it is open is shown in
    // turn, and the next save is compared with the newest, not with this one.
    const KayitliProje simdi = plan->proje;
    Doldur(simdi, GunSayisiMetni(BolgeselMetin::TarihMetni(simdi.baslama), BolgeselMetin::TarihMetni(simdi.bitis)));
    Mesaj::Goster(this, QStringLiteral("\"%1\" projesi bu pencere açıldıktan sonra başka bir yerde değiştirildi; "
                                       "alanlar güncel halini gösteriyor.").arg(simdi.ad),
                  Mesaj::Tur::Bilgi);
}

void ProjeDegistirFormu::VazgecDugmesi_Click()
{
    close();
}
