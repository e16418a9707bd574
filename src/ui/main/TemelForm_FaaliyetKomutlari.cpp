#include "ui/main/TemelForm.h"

#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"

#include <QTreeWidget>
#include <algorithm>

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
    if (!m_proje || satir < 0 || satir >= m_faaliyetler.size())
        return;
    const KayitliFaaliyet& faaliyet = m_faaliyetler.at(satir);
    AcYaDaOneGetir(m_faaliyetDegistirmeFormu, Baglam(), m_proje->ad, faaliyet.kodu)->Doldur(m_proje->ad, faaliyet);
}

void TemelForm::SonFaaliyetiSilDugmesi_Click()
{
    if (!m_proje || m_faaliyetler.isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Son faaliyeti SİLMEK istiyor musunuz?")))
        return;
    // The activity with the greatest code, as the list shows it; the store refuses
    // should the file hold a later one by now.
    const auto son = std::max_element(m_faaliyetler.cbegin(), m_faaliyetler.cend(),
                                      [](const KayitliFaaliyet& a, const KayitliFaaliyet& b) { return a.kodu < b.kodu; });
    if (auto hata = m_depo.SonFaaliyetiSil(m_proje->ad, *son)) {
        Mesaj::ReddiGoster(this, hata, [this, ad = m_proje->ad] { ProjeleriEkle(ad); });
        return;
    }
    ProjeListesi_Click();
}

void TemelForm::TumKayitlariSilDugmesi_Click()
{
    if (!m_proje || m_faaliyetler.isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Tüm faaliyetleri SİLMEK istiyor musunuz?")))
        return;
    if (auto hata = m_depo.TumFaaliyetleriSil(m_proje->ad, m_faaliyetler)) {
        Mesaj::ReddiGoster(this, hata, [this, ad = m_proje->ad] { ProjeleriEkle(ad); });
        return;
    }
    ProjeListesi_Click();
}

FaaliyetEklemeFormu* TemelForm::AcikFaaliyetEklemeFormu() const
{
    return m_faaliyetEklemeFormu;
}

FaaliyetDegistirmeFormu* TemelForm::AcikFaaliyetDegistirmeFormu() const
{
    return m_faaliyetDegistirmeFormu;
}
