#include "ui/project/ProjeEklemeFormu.h"

#include "ui/main/TemelForm.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

ProjeEklemeFormu::ProjeEklemeFormu(TemelForm* anaPencere)
    : Diyalog(anaPencere, Düzenler::ProjeEklemeFormu()),
      ProjeAlanları(this, denetimler()),
      EkleKaydetDüğmesi(denetimler().al<QPushButton>("EkleKaydetDüğmesi")),
      VazgeçDüğmesi(denetimler().al<QPushButton>("VazgeçDüğmesi")),
      KapatDüğmesi(denetimler().al<QPushButton>("KapatDüğmesi")),
      m_anaPencere(anaPencere)
{
    connect(EkleKaydetDüğmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::EkleKaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::VazgeçDüğmesi_Click);
    connect(KapatDüğmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::KapatDüğmesi_Click);
    // The fields are out of reach while waiting, so the first button takes the focus.
    EkleKaydetDüğmesi->setFocus();
}

void ProjeEklemeFormu::EkleKaydetDüğmesi_Click()
{
    if (!Çerçeve->isEnabled()) {
        Çerçeve->setEnabled(true);
        EkleKaydetDüğmesi->setText(QStringLiteral("Kaydet"));
        KapatDüğmesi->setEnabled(false);
        ProjeninAdıKutusu->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!BilgileriDenetle())
        return;
    if (auto hata = m_anaPencere->Depo().ProjeEkle(ProjeninAdıKutusu->text(), BaşlamaTarihiKutusu->text(),
                                                  BitişTarihiKutusu->text())) {
        KayıtHatasınıGöster(hata);
        return;
    }
    VazgeçDüğmesi_Click();
    m_anaPencere->ProjeleriEkle();
}

void ProjeEklemeFormu::VazgeçDüğmesi_Click()
{
    ProjeninAdıKutusu->clear();
    BaşlamaTarihiKutusu->clear();
    BitişTarihiKutusu->clear();
    EkleKaydetDüğmesi->setText(QStringLiteral("Proje &Ekle"));
    Çerçeve->setEnabled(false);
    KapatDüğmesi->setEnabled(true);
}

void ProjeEklemeFormu::KapatDüğmesi_Click()
{
    close();
}
