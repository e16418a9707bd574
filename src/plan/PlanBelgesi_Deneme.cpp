#include "plan/PlanBelgesi.h"

#include <algorithm>

bool PlanBelgesi::Denemede() const
{
    return m_plan && !m_deneme.sureler.isEmpty() && m_plan->proje.ad == m_deneme.proje;
}

void PlanBelgesi::DenemeyiDenetle()
{
    m_denenenFaaliyetler.reset();
    m_denemeAnalizi.reset();
    m_ilerlemeAnalizi.reset();
    if (m_deneme.sureler.isEmpty())
        return;
    // Its project gone (deleted, renamed): there is nothing left to apply it to.
    bool dusur = !m_projeler.contains(m_deneme.proje);
    if (!dusur && Denemede()) {
        QSet<QString> kodlar;
        for (const KayitliFaaliyet& f : m_plan->faaliyetler)
            kodlar.insert(f.kodu);
        for (auto i = m_deneme.sureler.cbegin(); i != m_deneme.sureler.cend() && !dusur; ++i)
            dusur = !kodlar.contains(i.key());
    }
    if (dusur)
        m_deneme = Deneme();
}

void PlanBelgesi::DenemeGosterildi()
{
    if (Denemede())
        m_denemePlani = *m_plan;
}

const QVector<KayitliFaaliyet>& PlanBelgesi::gosterilenFaaliyetler() const
{
    static const QVector<KayitliFaaliyet> hic;
    if (!Denemede())
        return m_plan ? m_plan->faaliyetler : hic;
    if (!m_denenenFaaliyetler)
        m_denenenFaaliyetler = DenenenFaaliyetler(m_plan->faaliyetler, m_deneme);
    return *m_denenenFaaliyetler;
}

const AgAnalizi& PlanBelgesi::gosterilenAnaliz() const
{
    if (!Denemede() || !m_cizelge.model)
        return analiz();
    if (!m_denemeAnalizi) {
        // Only durations differ from the plan as read: its graph serves the trial too.
        const QVector<KayitliFaaliyet>& satirlar = gosterilenFaaliyetler();
        const Cizelge cizelge = CizelgeyiHesapla(std::make_shared<const PlanModeli>(m_cizelge.model->BaskaSurelerle(satirlar)));
        m_denemeAnalizi = AnaliziHesapla(satirlar, m_plan->proje, cizelge);
    }
    return *m_denemeAnalizi;
}

const IlerlemeAnalizi& PlanBelgesi::ilerlemeAnalizi() const
{
    if (!m_ilerlemeAnalizi) {
        m_ilerlemeAnalizi = m_plan ? IlerlemeyiHesapla(gosterilenAnaliz(), m_plan->proje.ilerleme,
                                                       KarsilastirilanTaban(m_plan->proje.tabanlar))
                                   : IlerlemeAnalizi();
    }
    return *m_ilerlemeAnalizi;
}

void PlanBelgesi::SureyiDene(const KayitliFaaliyet& faaliyet, qint32 sure)
{
    // A window may still show an activity that a change read since has removed.
    const auto ayniKod = [&](const KayitliFaaliyet& f) { return f.kodu == faaliyet.kodu; };
    if (!m_plan || std::none_of(m_plan->faaliyetler.cbegin(), m_plan->faaliyetler.cend(), ayniKod))
        return;
    if (m_deneme.proje != m_plan->proje.ad)
        m_deneme = Deneme{m_plan->proje.ad, {}};
    m_denemePlani = *m_plan;
    ::SureyiDene(m_deneme, faaliyet, sure);
    m_denenenFaaliyetler.reset();
    m_denemeAnalizi.reset();
    m_ilerlemeAnalizi.reset();
    emit denemeDegisti();
}

void PlanBelgesi::DenemeyiBirak()
{
    if (m_deneme.sureler.isEmpty() && m_deneme.proje.isEmpty())
        return;
    m_deneme = Deneme();
    m_denenenFaaliyetler.reset();
    m_denemeAnalizi.reset();
    m_ilerlemeAnalizi.reset();
    emit denemeDegisti();
}

KomutHatasi PlanBelgesi::DenemeyiUygula()
{
    const SureleriDegistirKomutu komut = DenemeKomutu(m_denemePlani, m_deneme);
    if (!komut.eskiler.isEmpty()) {
        if (const KomutHatasi hata = Calistir(komut))
            return hata;
    }
    DenemeyiBirak();
    return {};
}
