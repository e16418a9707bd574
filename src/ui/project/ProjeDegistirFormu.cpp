#include "ui/project/ProjeDegistirFormu.h"

#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"

#include <QLineEdit>
#include <QPushButton>

ProjeDegistirFormu::ProjeDegistirFormu(const DiyalogBaglami& baglam)
    : Diyalog(baglam),
      ProjeDegistirDenetimleri(PencereyiKur(this, Duzenler::ProjeDegistirFormu())),
      ProjeAlanlari(this, *this)
{
    connect(KaydetDugmesi, &QPushButton::clicked, this, &ProjeDegistirFormu::KaydetDugmesi_Click);
    connect(VazgecDugmesi, &QPushButton::clicked, this, &ProjeDegistirFormu::VazgecDugmesi_Click);
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
    const auto yeni = KaydedilecekProje();
    if (!yeni)
        return;
    // The project the dialog was filled for, not whatever the main window has selected
    // now: the user may have clicked another project while the dialog was open.
    if (auto hata = baglam().depo.ProjeDegistir(*m_proje, *yeni)) {
        KayitHatasiniGoster(hata);
        if (hata.numara == DepoHatasi::Bulunamadi)
            baglam().projelerDegisti();
        return;
    }
    const DiyalogBaglami sahibi = baglam();
    VazgecDugmesi_Click();
    sahibi.projelerDegisti();
}

void ProjeDegistirFormu::VazgecDugmesi_Click()
{
    close();
}
