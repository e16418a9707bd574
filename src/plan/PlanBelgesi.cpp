#include "plan/PlanBelgesi.h"

#include <utility>

PlanBelgesi::PlanBelgesi(ProjeDeposu depo, QObject* ust) : QObject(ust), m_depo(std::move(depo)) {}

DepoHatasi PlanBelgesi::ProjeleriOku(const QString& gosterilecek)
{
    QStringList adlar;
    const DepoHatasi hata = m_depo.ProjeleriOku(adlar);
    // A list that could not be read whole is not shown in part.
    ProjeleriKoy(hata ? QStringList() : adlar);
    emit projelerOkundu(hata ? QString() : gosterilecek);
    return hata;
}

void PlanBelgesi::ProjeleriKoy(const QStringList& adlar)
{
    m_projeler = adlar;
    m_secili.clear();
    PlaniKoy(std::nullopt);
    GecmisiTazele();
}

DepoHatasi PlanBelgesi::Sec(const QString& ad)
{
    m_secili = ad;
    if (ad.isEmpty()) {
        PlaniKoy(std::nullopt);
        return {};
    }
    Plan plan;
    DepoHatasi hata = m_depo.ProjeOku(ad, plan.proje);
    if (!hata)
        hata = m_depo.FaaliyetleriOku(ad, plan.faaliyetler);
    PlaniKoy(hata ? std::nullopt : std::optional<Plan>(std::move(plan)));
    return hata;
}

void PlanBelgesi::PlaniKoy(std::optional<Plan> plan)
{
    m_plan = std::move(plan);
    m_cizelge = m_plan ? CizelgeyiHesapla(m_plan->faaliyetler) : Cizelge();
    m_analiz.reset();
    emit planDegisti();
}

const AgAnalizi& PlanBelgesi::analiz() const
{
    if (!m_analiz)
        m_analiz = m_plan ? AnaliziHesapla(m_plan->faaliyetler, m_plan->proje, m_cizelge) : AgAnalizi();
    return *m_analiz;
}

KomutHatasi PlanBelgesi::Calistir(const Komut& komut)
{
    const KomutHatasi hata = KomutuUygula(m_depo, komut);
    if (hata)
        return hata;
    if (const auto* silme = std::get_if<ProjeSilKomutu>(&komut))
        emit projeSilindi(silme->proje.ad);
    // What was written is shown as stored. The write itself is done: a failed read
    // after it is said on its own, not as the command's refusal.
    if (auto okuma = ProjeKomutuMu(komut) ? ProjeleriOku() : Sec(m_secili))
        emit okunamadi(okuma);
    GecmisiTazele();
    return hata;
}

DepoHatasi PlanBelgesi::GeriAl()
{
    GecmisAdimi adim;
    if (auto hata = m_depo.GeriAl(adim))
        return hata;
    if (adim.kimlik != 0)
        AdimiGoster(adim.tur, adim.projeOnce);
    GecmisiTazele();
    return {};
}

DepoHatasi PlanBelgesi::Yinele()
{
    GecmisAdimi adim;
    if (auto hata = m_depo.Yinele(adim))
        return hata;
    if (adim.kimlik != 0)
        AdimiGoster(adim.tur, adim.projeSonra);
    GecmisiTazele();
    return {};
}

DepoHatasi PlanBelgesi::AdimaGit(qint64 adim)
{
    while (m_geriAlinacak.kimlik > adim) {
        if (auto hata = GeriAl())
            return hata;
    }
    while (m_yinelenecek.kimlik != 0 && m_yinelenecek.kimlik <= adim) {
        if (auto hata = Yinele())
            return hata;
    }
    return {};
}

void PlanBelgesi::AdimiGoster(AdimTuru tur, const QString& proje)
{
    // A step on activities leaves the project list as it was: reading ten thousand
    // names again would cost more than the step.
    const bool listeAyni = tur != AdimTuru::ProjeEkle && tur != AdimTuru::ProjeDegistir && tur != AdimTuru::ProjeSil;
    if (listeAyni && m_projeler.contains(proje))
        emit secilecek(proje);
    else if (auto okuma = ProjeleriOku(proje))
        emit okunamadi(okuma);
}

void PlanBelgesi::GecmisiTazele()
{
    m_geriAlinacak = m_yinelenecek = GecmisAdimi();
    if (m_depo.KomsuAdimlar(m_geriAlinacak, m_yinelenecek))
        m_geriAlinacak = m_yinelenecek = GecmisAdimi();
    emit gecmisDegisti();
}
