#include "ui/activity/FaaliyetDegistirmeFormu.h"

#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetKurallari.h"
#include "ui/main/TemelForm.h"

#include <QLineEdit>
#include <QPushButton>

FaaliyetDeğiştirmeFormu::FaaliyetDeğiştirmeFormu(TemelForm& anaPencere, const QString& proje, const QString& kod)
    : FaaliyetAlanları(anaPencere, Düzenler::FaaliyetDeğiştirmeFormu())
{
    KaydetDüğmesi = denetimler().al<QPushButton>("KaydetDüğmesi");
    VazgeçDüğmesi = denetimler().al<QPushButton>("VazgeçDüğmesi");
    connect(KaydetDüğmesi, &QPushButton::clicked, this, &FaaliyetDeğiştirmeFormu::KaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &FaaliyetDeğiştirmeFormu::VazgeçDüğmesi_Click);
    Form_Load(proje, kod);
}

void FaaliyetDeğiştirmeFormu::Form_Load(const QString& proje, const QString& kod)
{
    if (kod == QLatin1String("A"))
        return;
    QStringList kodlar;
    if (auto hata = anaPencere().Depo().KodlarıOku(proje, kodlar)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    KodListesiniDoldur(ÖncekiOlabilecekKodlar(kodlar, kod));
}

void FaaliyetDeğiştirmeFormu::Doldur(const QString& proje, const Faaliyet& satır)
{
    m_proje = proje;
    m_kod = satır.kodu;
    FaaliyetKoduKutusu->setText(satır.kodu);
    FaaliyetAdıKutusu->setText(satır.adı);
    ÖngörülenSüreKutusu->setText(satır.süre);
    ÖncekiFaaliyetlerKutusu->setText(satır.öncekiler);
}

void FaaliyetDeğiştirmeFormu::KaydetDüğmesi_Click()
{
    if (!KaydetmedenDenetle(m_proje, m_kod, m_kod != QLatin1String("A")))
        return;
    Faaliyet faaliyet = Alanlar();
    faaliyet.kodu = m_kod;
    if (auto hata = anaPencere().Depo().FaaliyetDeğiştir(m_proje, faaliyet)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    TemelForm& ana = anaPencere();
    VazgeçDüğmesi_Click();
    ana.ProjeListesi_Click();
}

void FaaliyetDeğiştirmeFormu::VazgeçDüğmesi_Click()
{
    close();
}
