#include "ui/Mesaj.h"
#include "ui/layout/ListeKutusu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QLineEdit>

namespace {

// The open dialog, or a new one. A dialog that was just closed is deleted a moment
// later; it must not be shown again in between.
template <typename Form>
Form* AçıkYaDaYeni(QPointer<Form>& form, TemelForm* sahip)
{
    if (!form || form->isHidden())
        form = new Form(sahip);
    return form;
}

} // namespace

void TemelForm::ProjeEkleDüğmesi_Click()
{
    AçıkYaDaYeni(m_projeEklemeFormu, this)->ÖneGetir();
}

void TemelForm::ProjeDeğiştirDüğmesi_Click()
{
    const QString ad = SeçiliProje();
    if (ad.isEmpty())
        return;
    ProjeDeğiştirFormu* form = AçıkYaDaYeni(m_projeDeğiştirFormu, this);
    form->Doldur(ad, BaşlamaTarihiKutusu->text(), BitişTarihiKutusu->text(), TahminiGünSayısıKutusu->text());
    form->ÖneGetir();
}

void TemelForm::ProjeSilDüğmesi_Click()
{
    if (ProjeListesi->Sayı() == 0)
        return;
    const QString ad = SeçiliProje();
    if (ad.isEmpty())
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Seçilen projeyi SİLMEK istiyor musunuz?")))
        return;
    // The row and its activities go in one transaction: a failure leaves both in place.
    if (auto hata = m_depo.ProjeSil(ad)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    ProjeleriEkle();
}

ProjeEklemeFormu* TemelForm::AçıkProjeEklemeFormu() const
{
    return m_projeEklemeFormu;
}

ProjeDeğiştirFormu* TemelForm::AçıkProjeDeğiştirFormu() const
{
    return m_projeDeğiştirFormu;
}
