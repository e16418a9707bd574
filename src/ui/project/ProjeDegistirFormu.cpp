#include "ui/project/ProjeDegistirFormu.h"

#include "ui/main/TemelForm.h"

#include <QLineEdit>
#include <QPushButton>

ProjeDeğiştirFormu::ProjeDeğiştirFormu(TemelForm* anaPencere)
    : Diyalog(anaPencere, Düzenler::ProjeDeğiştirFormu()),
      ProjeAlanları(this, denetimler()),
      KaydetDüğmesi(denetimler().al<QPushButton>("KaydetDüğmesi")),
      VazgeçDüğmesi(denetimler().al<QPushButton>("VazgeçDüğmesi")),
      m_anaPencere(anaPencere)
{
    connect(KaydetDüğmesi, &QPushButton::clicked, this, &ProjeDeğiştirFormu::KaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &ProjeDeğiştirFormu::VazgeçDüğmesi_Click);
    ProjeninAdıKutusu->setFocus();
}

void ProjeDeğiştirFormu::Doldur(const QString& ad, const QString& başlama, const QString& bitiş,
                               const QString& günSayısı)
{
    m_projeAdı = ad;
    ProjeninAdıKutusu->setText(ad);
    BaşlamaTarihiKutusu->setText(başlama);
    BitişTarihiKutusu->setText(bitiş);
    TahminiGünSayısıKutusu->setText(günSayısı);
}

void ProjeDeğiştirFormu::KaydetDüğmesi_Click()
{
    if (!BilgileriDenetle())
        return;
    // The project the dialog was filled for, not whatever the main window has selected
    // now: the user may have clicked another project while the dialog was open.
    if (auto hata = m_anaPencere->Depo().ProjeDeğiştir(m_projeAdı, ProjeninAdıKutusu->text(),
                                                      BaşlamaTarihiKutusu->text(), BitişTarihiKutusu->text())) {
        KayıtHatasınıGöster(hata);
        return;
    }
    VazgeçDüğmesi_Click();
    m_anaPencere->ProjeleriEkle();
}

void ProjeDeğiştirFormu::VazgeçDüğmesi_Click()
{
    close();
}
