#include "ui/project/ProjeDegistirFormu.h"

#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"

#include <QLineEdit>
#include <QPushButton>

ProjeDeğiştirFormu::ProjeDeğiştirFormu(const DiyalogBağlamı& bağlam)
    : Diyalog(bağlam),
      ProjeDeğiştirDenetimleri(PencereyiKur(this, Düzenler::ProjeDeğiştirFormu())),
      ProjeAlanları(this, *this)
{
    connect(KaydetDüğmesi, &QPushButton::clicked, this, &ProjeDeğiştirFormu::KaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &ProjeDeğiştirFormu::VazgeçDüğmesi_Click);
    ProjeninAdıKutusu->setFocus();
}

void ProjeDeğiştirFormu::Doldur(const KayıtlıProje& proje, const QString& günSayısı)
{
    m_proje = proje;
    m_buradaSilindi = false;
    ProjeninAdıKutusu->setText(proje.ad);
    BaşlamaTarihiKutusu->setText(BölgeselMetin::TarihMetni(proje.başlama));
    BitişTarihiKutusu->setText(BölgeselMetin::TarihMetni(proje.bitiş));
    TahminiGünSayısıKutusu->setText(günSayısı);
}

void ProjeDeğiştirFormu::ProjeSilindi(const QString& ad)
{
    if (m_proje && m_proje->ad == ad)
        m_buradaSilindi = true;
}

void ProjeDeğiştirFormu::KaydetDüğmesi_Click()
{
    if (!m_proje)
        return;
    if (m_buradaSilindi) {
        Mesaj::HatayıGöster(this, DepoHatası::yeni(DepoHatası::Bulunamadı,
            QStringLiteral("\"%1\" projesi ana pencerede silindi; değişiklik kaydedilemez.").arg(m_proje->ad)));
        return;
    }
    const auto yeni = KaydedilecekProje();
    if (!yeni)
        return;
    // The project the dialog was filled for, not whatever the main window has selected
    // now: the user may have clicked another project while the dialog was open.
    if (auto hata = bağlam().depo.ProjeDeğiştir(*m_proje, *yeni)) {
        KayıtHatasınıGöster(hata);
        if (hata.numara == DepoHatası::Bulunamadı)
            bağlam().projelerDeğişti();
        return;
    }
    const DiyalogBağlamı sahibi = bağlam();
    VazgeçDüğmesi_Click();
    sahibi.projelerDeğişti();
}

void ProjeDeğiştirFormu::VazgeçDüğmesi_Click()
{
    close();
}
