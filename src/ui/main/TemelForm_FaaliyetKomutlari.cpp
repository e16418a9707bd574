#include "ui/main/TemelForm.h"

#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"

#include <QTreeWidget>

void TemelForm::FaaliyetEkleDugmesi_Click()
{
    if (SeciliProje().isEmpty())
        return;
    AcYaDaOneGetir(m_faaliyetEklemeFormu, Baglam());
}

void TemelForm::FaaliyetDegistirDugmesi_Click()
{
    // The rows belong to the project shown; with none selected there is no row to change.
    const QList<QTreeWidgetItem*> secili = FaaliyetlerListesi->selectedItems();
    const int satir = secili.isEmpty() ? -1 : FaaliyetlerListesi->indexOfTopLevelItem(secili.first());
    const auto& plan = m_belge.plan();
    if (!plan || satir < 0 || satir >= plan->faaliyetler.size())
        return;
    const QString proje = plan->proje.ad;
    const KayitliFaaliyet faaliyet = plan->faaliyetler.at(satir);
    AcYaDaOneGetir(m_faaliyetDegistirmeFormu, Baglam(), proje, faaliyet.kodu)->Doldur(proje, faaliyet);
}

void TemelForm::SonFaaliyetiSilDugmesi_Click()
{
    const auto& plan = m_belge.plan();
    if (!plan || plan->faaliyetler.isEmpty())
        return;
    // The rows as shown at the press: one that arrives while the question is open makes
    // the store refuse, rather than become the last and be deleted unseen.
    const SonFaaliyetiSilKomutu komut{plan->proje.ad, plan->faaliyetler};
    if (!Mesaj::Onayla(this, QStringLiteral("Son faaliyeti SİLMEK istiyor musunuz?")))
        return;
    if (const KomutHatasi hata = m_belge.Calistir(komut))
        ReddiGoster(hata, komut.proje);
}

void TemelForm::TumKayitlariSilDugmesi_Click()
{
    const auto& plan = m_belge.plan();
    if (!plan || plan->faaliyetler.isEmpty())
        return;
    // The rows as shown at the press, as for the last one.
    const TumFaaliyetleriSilKomutu komut{plan->proje.ad, plan->faaliyetler};
    if (!Mesaj::Onayla(this, QStringLiteral("Tüm faaliyetleri SİLMEK istiyor musunuz?")))
        return;
    if (const KomutHatasi hata = m_belge.Calistir(komut))
        ReddiGoster(hata, komut.proje);
}

FaaliyetEklemeFormu* TemelForm::AcikFaaliyetEklemeFormu() const
{
    return m_faaliyetEklemeFormu;
}

FaaliyetDegistirmeFormu* TemelForm::AcikFaaliyetDegistirmeFormu() const
{
    return m_faaliyetDegistirmeFormu;
}
