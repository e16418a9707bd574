#include "ui/project/ProjeEklemeFormu.h"

#include "ui/layout/Kurucu.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

ProjeEklemeFormu::ProjeEklemeFormu(const DiyalogBağlamı& bağlam)
    : Diyalog(bağlam),
      ProjeEklemeDenetimleri(PencereyiKur(this, Düzenler::ProjeEklemeFormu())),
      ProjeAlanları(this, *this)
{
    connect(EkleKaydetDüğmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::EkleKaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::VazgeçDüğmesi_Click);
    connect(KapatDüğmesi, &QPushButton::clicked, this, &ProjeEklemeFormu::KapatDüğmesi_Click);
    // The fields are out of reach while waiting, so the first button takes the focus.
    EkleKaydetDüğmesi->setFocus();
}

void ProjeEklemeFormu::EkleKaydetDüğmesi_Click()
{
    if (!Giriliyor()) {
        Çerçeve->setEnabled(true);
        EkleKaydetDüğmesi->setText(QStringLiteral("Kaydet"));
        KapatDüğmesi->setEnabled(false);
        ProjeninAdıKutusu->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto proje = KaydedilecekProje();
    if (!proje)
        return;
    if (auto hata = bağlam().depo.ProjeEkle(*proje)) {
        KayıtHatasınıGöster(hata);
        return;
    }
    VazgeçDüğmesi_Click();
    bağlam().projelerDeğişti();
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
