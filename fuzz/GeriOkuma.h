#pragma once

#include "Dogrula.h"
#include "export/Rapor.h"
#include "import/AktarimPlani.h"

// What an import accepts must come back whole: the plan written with Kavrion's own
// export and read again gives the same activities and estimates. A plan the export cannot write
// (figures beyond 32 bits, dates beyond the year 9999 for MSPDI) is left alone.
template <typename Yaz, typename Oku>
void GeriOkunmali(const AktarimSonucu& sonuc, Yaz&& yaz, Oku&& oku)
{
    if (!sonuc.plan)
        return Dogrula(!sonuc.ret.isEmpty());
    const AktarimPlani& plan = *sonuc.plan;
    Dogrula(plan.onaylanacaklar.isEmpty() == plan.onayMetni.isEmpty());
    QVector<KayitliFaaliyet> kayitlilar;
    for (const Faaliyet& f : plan.faaliyetler)
        kayitlilar.append({f.kodu, f.adi, {f.sure, f.sure}, f.oncekiler});
    const QDate baslama(2026, 12, 7);
    Rapor rapor{{plan.proje.ad, {baslama, baslama}, {baslama, baslama}}, {}, plan.tahminler};
    rapor.analiz = AnaliziHesapla(kayitlilar, rapor.proje);
    QByteArray dosya;
    if (rapor.analiz.hata.Var() || !yaz(rapor, dosya))
        return;
    const AktarimSonucu ikinci = oku(dosya);
    Dogrula(ikinci.plan && ikinci.plan->faaliyetler.size() == plan.faaliyetler.size()
            && ikinci.plan->tahminler == plan.tahminler);
    for (int i = 0; i < plan.faaliyetler.size(); ++i) {
        const Faaliyet &a = plan.faaliyetler.at(i), &b = ikinci.plan->faaliyetler.at(i);
        Dogrula(a.kodu == b.kodu && a.adi == b.adi && a.sure == b.sure && a.oncekiler == b.oncekiler);
    }
}
