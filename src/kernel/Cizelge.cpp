#include "kernel/Cizelge.h"

#include <algorithm>
#include <limits>

namespace {

bool Sigar(qint64 deger)
{
    return deger >= std::numeric_limits<qint32>::min() && deger <= std::numeric_limits<qint32>::max();
}

void HataKoy(Cizelge& c, PlanHatasi tur, int satir, const QString& kod = QString())
{
    if (!c.hata.Var())
        c.hata = {tur, satir, kod};
}

// Why row `satir` names a code with no row above it: the code as listed, and where it stands.
void TanimsizOnceki(Cizelge& c, int satir)
{
    if (c.hata.Var())
        return;
    const PlanModeli& model = *c.model;
    const QString kod = model.TanimsizKod(satir);
    PlanHatasi tur = PlanHatasi::TanimsizOnceki;
    if (kod.isEmpty())
        tur = PlanHatasi::BosOnceki;
    else if (kod == model.Satirlar().at(satir).kodu)
        tur = PlanHatasi::KendiOncekisi;
    else if (model.IlkSatir(kod) > satir)
        tur = PlanHatasi::SonrakiOnceki;
    HataKoy(c, tur, satir, kod);
}

// Which figures the main window works out, in row order: a row whose predecessors all
// finish on a day of their own, with a duration read as a number, finishing within 32 bits.
void GunleriBelirle(Cizelge& c)
{
    const PlanModeli& model = *c.model;
    const PlanAgi& ag = model.Ag();
    const QVector<KayitliFaaliyet>& satirlar = model.Satirlar();
    if (!c.gunler.at(0).ef)
        HataKoy(c, PlanHatasi::SureSayiDegil, 0);
    for (int i = 1; i < model.Boyut(); ++i) {
        if (model.Eksik(i)) {
            TanimsizOnceki(c, i);
            continue;
        }
        bool hazir = true;
        for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1] && hazir; ++k)
            hazir = c.gunler.at(ag.onceki[k]).ef.has_value();
        // A predecessor that could not be worked out has had its own fault named.
        if (!hazir)
            continue;
        // A lag after a predecessor's start can carry a start past 32 bits, as a finish can.
        if (Sigar(c.hesap.es[i]))
            c.gunler[i].es = qint32(c.hesap.es[i]);
        if (!satirlar.at(i).sure.deger)
            HataKoy(c, PlanHatasi::SureSayiDegil, i);
        else if (!Sigar(c.hesap.ef[i]) || !Sigar(c.hesap.es[i]))
            HataKoy(c, PlanHatasi::BitisSinirDisi, i);
        else
            c.gunler[i].ef = qint32(c.hesap.ef[i]);
    }
}

QVector<int> KritikYolBul(const Cizelge& c)
{
    const PlanAgi& ag = c.model->Ag();
    const QVector<qint64>& es = c.hesap.es;
    const QVector<qint64>& ef = c.hesap.ef;
    int satir = int(std::find(ef.cbegin(), ef.cend(), c.hesap.bitis) - ef.cbegin());
    QVector<int> yol{satir};
    // Every predecessor stands above its activity, so each step moves up and the walk ends.
    while (satir > 0 && c.model->Satirlar().at(satir).kodu != QLatin1String("A")) {
        int enIyi = -1, enIyiBag = -1;
        qint64 enGec = 0;
        for (int k = ag.girenBasi[satir]; k < ag.girenBasi[satir + 1]; ++k) {
            const int p = ag.onceki[k];
            const qint64 baslama = BagaGoreBaslama(ag, k, es[p], ef[p], ef[satir] - es[satir]);
            if (enIyi < 0 || baslama > enGec) {
                enIyi = p;
                enIyiBag = k;
                enGec = baslama;
            }
        }
        // A start held at day 0 against a lead or a finish-to-finish waits for no link: the path
        // begins here. Plain links walk on as they always did (a negative duration included).
        const bool duz = enIyiBag < 0 || (ag.tur[enIyiBag] == BagTuru::BitisBaslama && ag.gecikme[enIyiBag] == 0);
        if (!duz && enGec < es[satir])
            break;
        satir = enIyi;
        yol.append(satir);
    }
    std::reverse(yol.begin(), yol.end());
    return yol;
}

} // namespace

Cizelge CizelgeyiHesapla(const QVector<KayitliFaaliyet>& satirlar)
{
    return satirlar.isEmpty() ? Cizelge() : CizelgeyiHesapla(std::make_shared<const PlanModeli>(satirlar));
}

Cizelge CizelgeyiHesapla(std::shared_ptr<const PlanModeli> model)
{
    Cizelge c;
    c.model = std::move(model);
    const QVector<KayitliFaaliyet>& satirlar = c.model->Satirlar();
    const int n = int(satirlar.size());
    Senaryo senaryo;
    senaryo.sure.resize(n);
    for (int i = 0; i < n; ++i)
        senaryo.sure[i] = satirlar.at(i).sure.deger.value_or(0);
    Hesapla(c.model->Ag(), senaryo, c.hesap);

    // The first activity starts at day 0 and finishes after its duration; one row alone
    // is all the main window computes.
    c.gunler.resize(n);
    c.gunler[0] = {0, satirlar.at(0).sure.deger};
    if (n < 2)
        return c;
    GunleriBelirle(c);
    if (c.hata.Var())
        return c;
    const qint64 enErken = c.hesap.bitis - c.hesap.ef[0];
    if (!Sigar(enErken)) {
        HataKoy(c, PlanHatasi::EnErkenSinirDisi, -1);
        return c;
    }
    c.projeBitisGunu = qint32(c.hesap.bitis);
    c.enErkenGunSayisi = qint32(enErken);
    c.kritikYol = KritikYolBul(c);
    return c;
}
