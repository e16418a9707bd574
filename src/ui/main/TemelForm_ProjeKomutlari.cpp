#include "ui/main/TemelForm.h"

#include "ui/Mesaj.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QLineEdit>

void TemelForm::ProjeEkleDugmesi_Click()
{
    AcYaDaOneGetir(m_projeEklemeFormu, Baglam());
}

void TemelForm::ProjeDegistirDugmesi_Click()
{
    // Only a project that was read whole can be changed; after a failed read there is none.
    if (SeciliProje().isEmpty() || !m_belge.plan())
        return;
    AcYaDaOneGetir(m_projeDegistirFormu, Baglam())->Doldur(m_belge.plan()->proje, TahminiGunSayisiKutusu->text());
}

void TemelForm::ProjeSilDugmesi_Click()
{
    if (SeciliProje().isEmpty() || !m_belge.plan())
        return;
    // The project as shown at the press: a change shown while the question is open must
    // make the delete refuse, not become what is deleted.
    const KayitliProje proje = m_belge.plan()->proje;
    if (!Mesaj::Onayla(this, QStringLiteral("Seçilen projeyi SİLMEK istiyor musunuz?")))
        return;
    // The row and its activities go in one transaction: a failure leaves both in place.
    if (const KomutHatasi hata = m_belge.Calistir(ProjeSilKomutu{proje}))
        ReddiGoster(hata, proje.ad);
}

ProjeEklemeFormu* TemelForm::AcikProjeEklemeFormu() const
{
    return m_projeEklemeFormu;
}

ProjeDegistirFormu* TemelForm::AcikProjeDegistirFormu() const
{
    return m_projeDegistirFormu;
}
