#include "analysis/TakvimEtkisi.h"

TakvimEtkisi TakvimEtkisiniHesapla(const AgAnalizi& eski, const AgAnalizi& yeni)
{
    TakvimEtkisi etki;
    etki.eskiBitis = eski.plan.enErkenBitis;
    etki.yeniBitis = yeni.plan.enErkenBitis;
    etki.hesaplandi = !eski.hata.Var() && !yeni.hata.Var() && etki.eskiBitis.isValid() && etki.yeniBitis.isValid()
        && eski.faaliyetler.size() == yeni.faaliyetler.size();
    if (!etki.hesaplandi)
        return etki;
    // A calendar changes dates only, never the rows: both analyses list them in one order.
    for (int i = 0; i < eski.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& a = eski.faaliyetler.at(i);
        const FaaliyetAnalizi& b = yeni.faaliyetler.at(i);
        etki.kayanFaaliyet += a.baslama != b.baslama || a.bitis != b.bitis;
    }
    etki.bitisKaymasi = yeni.takvim.IsGunuSay(etki.eskiBitis, etki.yeniBitis);
    return etki;
}
