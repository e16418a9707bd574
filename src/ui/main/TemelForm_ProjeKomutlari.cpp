#include "ui/main/TemelForm.h"

#include "ui/Mesaj.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QLineEdit>

void TemelForm::ProjeEkleDüğmesi_Click()
{
    AçYaDaÖneGetir(m_projeEklemeFormu, Bağlam());
}

void TemelForm::ProjeDeğiştirDüğmesi_Click()
{
    // Only a project that was read whole can be changed; after a failed read there is none.
    if (SeçiliProje().isEmpty() || !m_proje)
        return;
    AçYaDaÖneGetir(m_projeDeğiştirFormu, Bağlam())->Doldur(*m_proje, TahminiGünSayısıKutusu->text());
}

void TemelForm::ProjeSilDüğmesi_Click()
{
    if (SeçiliProje().isEmpty() || !m_proje)
        return;
    if (!Mesaj::Onayla(this, QStringLiteral("Seçilen projeyi SİLMEK istiyor musunuz?")))
        return;
    // The row and its activities go in one transaction: a failure leaves both in place.
    if (auto hata = m_depo.ProjeSil(*m_proje)) {
        Mesaj::ReddiGöster(this, hata, [this] { ProjeleriEkle(); });
        return;
    }
    if (m_projeDeğiştirFormu)
        m_projeDeğiştirFormu->ProjeSilindi(m_proje->ad);
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
