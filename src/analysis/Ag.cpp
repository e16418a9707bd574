#include "analysis/Ag.h"

namespace {

PlanAgi Bagla(int n, const KodDizini& dizin)
{
    QVector<Bag> baglar;
    // Read once by the index: each row listed, once, in the order first listed.
    for (int i = 1; i < n; ++i) {
        for (const int onceki : dizin.OncekiSatirlari(i))
            baglar.append({onceki, i});
    }
    return AgKur(n, baglar);
}

QString SinirDisiAdi(SinirDisiAlan alan)
{
    switch (alan) {
    case SinirDisiAlan::EnGecBitis: return QStringLiteral("en geç bitiş günü");
    case SinirDisiAlan::EnGecBaslama: return QStringLiteral("en geç başlama günü");
    case SinirDisiAlan::ToplamBolluk: break;
    }
    return QStringLiteral("toplam bolluğu");
}

} // namespace

QString AgiHesapla(const QVector<KayitliFaaliyet>& satirlar, const Cizelge& cizelge, HesaplananAg& hesap)
{
    if (satirlar.isEmpty())
        return Hesaplanamiyor(QStringLiteral("Projede faaliyet yok."));
    // The main window gives one row no results, and so checks nothing in it.
    if (satirlar.size() == 1 && !cizelge.gunler.at(0).ef)
        return Hesaplanamiyor(SureSayiDegil(satirlar.at(0).kodu, satirlar.at(0).sure.ham.toString()));
    if (satirlar.size() > 1 && !cizelge.sonuc.projeBitisGunu)
        return cizelge.sonuc.kritikYol;

    const int n = int(satirlar.size());
    hesap.ag = Bagla(n, *cizelge.dizin);
    Senaryo senaryo;
    senaryo.sure.resize(n);
    for (int i = 0; i < n; ++i) // the pass worked out every figure
        senaryo.sure[i] = qint64(*cizelge.gunler.at(i).ef) - *cizelge.gunler.at(i).es;
    Hesapla(hesap.ag, senaryo, hesap.sonuc);
    OtuzIkiBiteSigdir(hesap.sonuc);
    if (hesap.sonuc.hata == HesapHatasi::SinirDisi)
        return Hesaplanamiyor(
            SayiSiniriniAsiyor(satirlar.at(hesap.sonuc.hataSatiri).kodu, SinirDisiAdi(hesap.sonuc.hataAlani)));
    return QString();
}
