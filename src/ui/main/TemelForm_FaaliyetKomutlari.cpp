#include "ui/main/TemelForm.h"

#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"

#include <QTreeWidget>
#include <algorithm>

void TemelForm::FaaliyetEkleDüğmesi_Click()
{
    if (SeçiliProje().isEmpty())
        return;
    AçYaDaÖneGetir(m_faaliyetEklemeFormu, Bağlam());
}

void TemelForm::FaaliyetDeğiştirDüğmesi_Click()
{
    // The rows belong to the project shown; with none selected there is no row to change.
    const QList<QTreeWidgetItem*> seçili = FaaliyetlerListesi->selectedItems();
    const int satır = seçili.isEmpty() ? -1 : FaaliyetlerListesi->indexOfTopLevelItem(seçili.first());
    if (!m_proje || satır < 0 || satır >= m_faaliyetler.size())
        return;
    const KayıtlıFaaliyet& faaliyet = m_faaliyetler.at(satır);
    AçYaDaÖneGetir(m_faaliyetDeğiştirmeFormu, Bağlam(), m_proje->ad, faaliyet.kodu)->Doldur(m_proje->ad, faaliyet);
}

void TemelForm::SonFaaliyetiSilDüğmesi_Click()
{
    if (!m_proje || m_faaliyetler.isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Son faaliyeti SİLMEK istiyor musunuz?")))
        return;
    // The activity with the greatest code, as the list shows it; the store refuses
    // should the file hold a later one by now.
    const auto son = std::max_element(m_faaliyetler.cbegin(), m_faaliyetler.cend(),
                                      [](const KayıtlıFaaliyet& a, const KayıtlıFaaliyet& b) { return a.kodu < b.kodu; });
    if (auto hata = m_depo.SonFaaliyetiSil(m_proje->ad, *son)) {
        Mesaj::ReddiGöster(this, hata, [this] { ProjeListesi_Click(); });
        return;
    }
    ProjeListesi_Click();
}

void TemelForm::TümKayıtlarıSilDüğmesi_Click()
{
    if (!m_proje || m_faaliyetler.isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Tüm faaliyetleri SİLMEK istiyor musunuz?")))
        return;
    if (auto hata = m_depo.TümFaaliyetleriSil(m_proje->ad, m_faaliyetler)) {
        Mesaj::ReddiGöster(this, hata, [this] { ProjeListesi_Click(); });
        return;
    }
    ProjeListesi_Click();
}

FaaliyetEklemeFormu* TemelForm::AçıkFaaliyetEklemeFormu() const
{
    return m_faaliyetEklemeFormu;
}

FaaliyetDeğiştirmeFormu* TemelForm::AçıkFaaliyetDeğiştirmeFormu() const
{
    return m_faaliyetDeğiştirmeFormu;
}
