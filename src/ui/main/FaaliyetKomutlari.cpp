#include "ui/main/TemelForm.h"

#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"

#include <QTreeWidget>

namespace {

// A dialog closed in this same event is deleted only afterwards; it is no longer open.
bool Açık(const QWidget* diyalog)
{
    return diyalog && diyalog->isVisible();
}

} // namespace

void TemelForm::FaaliyetEkleDüğmesi_Click()
{
    if (SeçiliProje().isEmpty())
        return;
    if (!Açık(AçıkFaaliyetEklemeFormu))
        AçıkFaaliyetEklemeFormu = new FaaliyetEklemeFormu(*this);
    AçıkFaaliyetEklemeFormu->ÖneGetir();
}

void TemelForm::FaaliyetDeğiştirDüğmesi_Click()
{
    const QList<QTreeWidgetItem*> seçili = FaaliyetlerListesi->selectedItems();
    // The rows belong to the selected project; with none selected there is no row to change.
    const QString proje = SeçiliProje();
    if (seçili.isEmpty() || proje.isEmpty())
        return;
    const QTreeWidgetItem* satır = seçili.first();
    const Faaliyet faaliyet{satır->text(0), satır->text(1), satır->text(2), satır->text(3)};
    if (!Açık(AçıkFaaliyetDeğiştirmeFormu))
        AçıkFaaliyetDeğiştirmeFormu = new FaaliyetDeğiştirmeFormu(*this, proje, faaliyet.kodu);
    AçıkFaaliyetDeğiştirmeFormu->Doldur(proje, faaliyet);
    AçıkFaaliyetDeğiştirmeFormu->ÖneGetir();
}

void TemelForm::SonFaaliyetiSilDüğmesi_Click()
{
    const QString proje = SeçiliProje();
    if (FaaliyetlerListesi->topLevelItemCount() == 0 || proje.isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Son faaliyeti SİLMEK istiyor musunuz?")))
        return;
    if (auto hata = m_depo.SonFaaliyetiSil(proje)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    ProjeListesi_Click();
}

void TemelForm::TümKayıtlarıSilDüğmesi_Click()
{
    if (FaaliyetlerListesi->topLevelItemCount() == 0 || SeçiliProje().isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Tüm faaliyetleri SİLMEK istiyor musunuz?")))
        return;
    TümKayıtlarıSil();
    ProjeListesi_Click();
}

void TemelForm::TümKayıtlarıSil()
{
    const QString proje = SeçiliProje();
    if (proje.isEmpty())
        return;
    if (auto hata = m_depo.TümFaaliyetleriSil(proje))
        Mesaj::HatayıGöster(this, hata);
}
