#include "analysis/Ag.h"

namespace {

PlanHatasi SinirDisiHatasi(SinirDisiAlan alan)
{
    switch (alan) {
    case SinirDisiAlan::EnGecBitis: return PlanHatasi::EnGecBitisSinirDisi;
    case SinirDisiAlan::EnGecBaslama: return PlanHatasi::EnGecBaslamaSinirDisi;
    case SinirDisiAlan::ToplamBolluk: break;
    }
    return PlanHatasi::ToplamBollukSinirDisi;
}

} // namespace

HataYeri AgiHesapla(const QVector<KayitliFaaliyet>& satirlar, const Cizelge& cizelge, HesaplananAg& hesap)
{
    if (satirlar.isEmpty())
        return {PlanHatasi::FaaliyetYok, -1, {}};
    // The main window gives one row no results, and so checks nothing in it.
    if (satirlar.size() == 1 && !cizelge.gunler.at(0).ef)
        return {PlanHatasi::SureSayiDegil, 0, {}};
    if (cizelge.hata.Var())
        return cizelge.hata;

    // The pass has run the engine over the model's one graph; the analysis reads the same.
    hesap.ag = cizelge.model->Ag();
    hesap.sonuc = cizelge.hesap;
    OtuzIkiBiteSigdir(hesap.sonuc);
    if (hesap.sonuc.hata == HesapHatasi::SinirDisi)
        return {SinirDisiHatasi(hesap.sonuc.hataAlani), hesap.sonuc.hataSatiri, {}};
    return {};
}
