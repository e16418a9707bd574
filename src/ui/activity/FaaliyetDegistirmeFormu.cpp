#include "ui/activity/FaaliyetDegistirmeFormu.h"

#include "ui/Mesaj.h"
#include "rules/FaaliyetKurallari.h"
#include "rules/BolgeselMetin.h"
#include "ui/layout/Kurucu.h"

#include <QLineEdit>
#include <QPushButton>

FaaliyetDeğiştirmeFormu::FaaliyetDeğiştirmeFormu(const DiyalogBağlamı& bağlam, const QString& proje,
                                                 const QString& kod)
    : Diyalog(bağlam),
      FaaliyetDeğiştirmeDenetimleri(PencereyiKur(this, Düzenler::FaaliyetDeğiştirmeFormu())),
      FaaliyetAlanları(this, *this)
{
    connect(KaydetDüğmesi, &QPushButton::clicked, this, &FaaliyetDeğiştirmeFormu::KaydetDüğmesi_Click);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &FaaliyetDeğiştirmeFormu::VazgeçDüğmesi_Click);
    Form_Load(proje, kod);
}

void FaaliyetDeğiştirmeFormu::Form_Load(const QString& proje, const QString& kod)
{
    if (kod == QLatin1String("A"))
        return;
    QStringList kodlar;
    if (auto hata = bağlam().depo.KodlarıOku(proje, kodlar)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    KodListesiniDoldur(ÖncekiOlabilecekKodlar(kodlar, kod));
}

void FaaliyetDeğiştirmeFormu::Doldur(const QString& proje, const KayıtlıFaaliyet& satır)
{
    m_proje = proje;
    m_satır = satır;
    FaaliyetKoduKutusu->setText(satır.kodu);
    FaaliyetAdıKutusu->setText(satır.adı);
    ÖngörülenSüreKutusu->setText(BölgeselMetin::SüreMetni(satır.süre));
    ÖncekiFaaliyetlerKutusu->setText(satır.öncekiler);
}

void FaaliyetDeğiştirmeFormu::KaydetDüğmesi_Click()
{
    if (!m_satır)
        return;
    const auto faaliyet = KaydedilecekFaaliyet(bağlam().depo, m_proje, m_satır->kodu,
                                               m_satır->kodu != QLatin1String("A"));
    if (!faaliyet)
        return;
    if (auto hata = bağlam().depo.FaaliyetDeğiştir(m_proje, *m_satır, *faaliyet)) {
        Mesaj::ReddiGöster(this, hata, bağlam().faaliyetlerDeğişti);
        return;
    }
    const DiyalogBağlamı sahibi = bağlam();
    VazgeçDüğmesi_Click();
    sahibi.faaliyetlerDeğişti();
}

void FaaliyetDeğiştirmeFormu::VazgeçDüğmesi_Click()
{
    close();
}
