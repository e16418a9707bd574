#include "plan/PlanBelgesi.h"

#include <algorithm>
#include <utility>

namespace {

bool ListeyiDegistirir(AdimTuru tur)
{
    return tur == AdimTuru::ProjeEkle || tur == AdimTuru::ProjeDegistir || tur == AdimTuru::ProjeSil
           || tur == AdimTuru::IceAktar;
}

// The activities a step wrote, by code; none for a step on the project or on all of
// its activities (an import's kodu counts projects).
QStringList Faaliyetleri(const GecmisAdimi& adim)
{
    const bool faaliyetAdimi = adim.tur == AdimTuru::FaaliyetEkle || adim.tur == AdimTuru::FaaliyetDegistir
                               || adim.tur == AdimTuru::SonFaaliyetiSil || adim.tur == AdimTuru::TahminDegistir
                               || adim.tur == AdimTuru::SureleriDegistir;
    return faaliyetAdimi ? adim.kodu.split(QLatin1Char(','), Qt::SkipEmptyParts) : QStringList();
}

} // namespace

PlanBelgesi::PlanBelgesi(ProjeDeposu depo, QObject* ust) : QObject(ust), m_depo(std::move(depo))
{
    DuyurulariDinle();
}

QString PlanBelgesi::VeritabaniYolu() const
{
    DepoBilgisi veritabani;
    ::DepoBilgisiniOku(m_depo, veritabani); // only its path is wanted, which it gives even when the file cannot be read
    return veritabani.yol;
}

DepoHatasi PlanBelgesi::ProjeleriOku(QString gosterilecek)
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
    m_seciliFaaliyet.clear();
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

void PlanBelgesi::FaaliyetiSec(const QString& kod)
{
    if (kod.isEmpty() || kod == m_seciliFaaliyet)
        return;
    m_seciliFaaliyet = kod;
    emit faaliyetSecildi(kod);
}

QString PlanBelgesi::SeciliFaaliyet() const
{
    const bool var = m_plan && std::any_of(m_plan->faaliyetler.cbegin(), m_plan->faaliyetler.cend(),
                                           [this](const KayitliFaaliyet& f) { return f.kodu == m_seciliFaaliyet; });
    return var ? m_seciliFaaliyet : QString();
}

void PlanBelgesi::PlaniKoy(std::optional<Plan> plan)
{
    m_plan = std::move(plan);
    m_cizelge = m_plan ? CizelgeyiHesapla(m_plan->faaliyetler) : Cizelge();
    m_analiz.reset();
    m_tahminler.reset();
    m_dagilim.reset();
    DenemeyiDenetle();
    emit planDegisti();
}

const AgAnalizi& PlanBelgesi::analiz() const
{
    if (!m_analiz)
        m_analiz = m_plan ? AnaliziHesapla(m_plan->faaliyetler, m_plan->proje, m_cizelge) : AgAnalizi();
    return *m_analiz;
}

DepoHatasi PlanBelgesi::Tahminler(QHash<QString, UcNoktaTahmini>& tahminler) const
{
    tahminler.clear();
    if (!m_plan)
        return {};
    if (!m_tahminler) {
        QHash<QString, UcNoktaTahmini> okunan;
        if (auto hata = m_depo.TahminleriOku(m_secili, okunan))
            return hata;
        m_tahminler = std::move(okunan);
    }
    tahminler = *m_tahminler;
    return {};
}

DepoHatasi PlanBelgesi::ProjeDagilimi(Dagilim& dagilim) const
{
    dagilim = Dagilim::Pert;
    if (!m_plan)
        return {};
    if (!m_dagilim) {
        Dagilim okunan = Dagilim::Pert;
        if (auto hata = m_depo.DagilimOku(m_secili, okunan))
            return hata;
        m_dagilim = okunan;
    }
    dagilim = *m_dagilim;
    return {};
}

KomutHatasi PlanBelgesi::Calistir(const Komut& komut)
{
    const KomutHatasi hata = KomutuUygula(m_depo, komut);
    if (hata)
        return hata;
    if (const auto* silme = std::get_if<ProjeSilKomutu>(&komut))
        emit projeSilindi(silme->proje.ad);
    // What was written is shown as stored (a list read afresh brings the history's steps
    // with it). The write itself is done: a failed read after it is said on its own, not
    // as the command's refusal.
    const bool listeDegisti = ProjeKomutuMu(komut);
    // An import shows what it brought.
    const auto* aktarim = std::get_if<IceAktarKomutu>(&komut);
    const QString gosterilecek = aktarim && !aktarim->projeler.isEmpty() ? aktarim->projeler.first().proje.ad : QString();
    if (auto okuma = listeDegisti ? ProjeleriOku(gosterilecek) : Sec(m_secili))
        emit okunamadi(okuma);
    if (!listeDegisti)
        GecmisiTazele();
    return hata;
}

DepoHatasi PlanBelgesi::GeriAl()
{
    return Gez(true);
}

DepoHatasi PlanBelgesi::Yinele()
{
    return Gez(false);
}

DepoHatasi PlanBelgesi::Gez(bool geri)
{
    // The step the menu named, as read after the last command; with none named, none is
    // taken, whatever was written elsewhere since.
    const qint64 beklenen = geri ? m_geriAlinacak.kimlik : m_yinelenecek.kimlik;
    GecmisAdimi adim;
    if (beklenen != 0) {
        if (auto hata = geri ? m_depo.GeriAl(adim, beklenen) : m_depo.Yinele(adim, beklenen))
            return hata;
    }
    // Nothing taken: none was named, or the file no longer has the one named.
    if (adim.kimlik == 0)
        GecmisiTazele();
    else
        AdimiGoster(adim, geri, ListeyiDegistirir(adim.tur));
    return {};
}

Gezinti PlanBelgesi::AdimaGit(qint64 adim)
{
    // Each step its own transaction, but the windows are shown only where it ends: a
    // thousand steps back must not read and paint the plan a thousand times.
    Gezinti gezinti;
    GecmisAdimi son;
    bool listeDegisti = false;
    for (;;) {
        const bool geriAl = m_geriAlinacak.kimlik > adim;
        if (!geriAl && (m_yinelenecek.kimlik == 0 || m_yinelenecek.kimlik > adim))
            break;
        gezinti.geri = geriAl;
        GecmisAdimi atilan;
        gezinti.hata = geriAl ? m_depo.GeriAl(atilan, m_geriAlinacak.kimlik) : m_depo.Yinele(atilan, m_yinelenecek.kimlik);
        if (gezinti.hata)
            gezinti.duran = geriAl ? m_geriAlinacak : m_yinelenecek;
        if (gezinti.hata || atilan.kimlik == 0)
            break;
        son = atilan;
        ++gezinti.atilan;
        listeDegisti = listeDegisti || ListeyiDegistirir(atilan.tur);
        if (m_depo.KomsuAdimlar(m_geriAlinacak, m_yinelenecek))
            break;
    }
    if (son.kimlik != 0)
        AdimiGoster(son, gezinti.geri, listeDegisti);
    return gezinti;
}

void PlanBelgesi::AdimiGoster(const GecmisAdimi& adim, bool geri, bool listeDegisti)
{
    // A step on activities leaves the project list as it was: reading ten thousand
    // names again would cost more than the step. A list read afresh brings the
    // history's steps with it.
    const QString& proje = geri ? adim.projeOnce : adim.projeSonra;
    if (!listeDegisti && m_projeler.contains(proje)) {
        emit secilecek(proje, Faaliyetleri(adim));
        GecmisiTazele();
    } else if (auto okuma = ProjeleriOku(proje)) {
        emit okunamadi(okuma);
    }
}

void PlanBelgesi::GecmisiTazele()
{
    // A file that cannot tell offers no step.
    if (m_depo.KomsuAdimlar(m_geriAlinacak, m_yinelenecek))
        m_geriAlinacak = m_yinelenecek = GecmisAdimi();
    emit gecmisDegisti();
}
