#include "analysis/AgAnalizi.h"

#include "analysis/Ag.h"
#include "analysis/KritikYollar.h"
#include "analysis/Nedenler.h"
#include "kernel/TarihEsleme.h"
#include "text/AnalizMetinleri.h"
#include "text/CizelgeMetinleri.h"

namespace {

void YollariYaz(AgAnalizi& analiz, const HesaplananAg& hesap, const Cizelge& cizelge)
{
    const QVector<KayitliFaaliyet>& satirlar = cizelge.model->Satirlar();
    KritikYollar yollar = KritikYollariBul(hesap.ag, hesap.sonuc, satirlar, KritikYolSiniri);
    analiz.kritikYollar = std::move(yollar.yollar);
    analiz.kritikYolSayisi = yollar.sayi;
    analiz.kalanYolSayisi = yollar.kalani;
    analiz.anaPenceredekiYolKritik = KritikYollardanBiri(hesap.ag, hesap.sonuc, cizelge.kritikYol);
    QStringList anaYol;
    for (const int satir : cizelge.kritikYol)
        anaYol << satirlar.at(satir).kodu;
    for (int i = 0; analiz.anaPenceredekiYolKritik && i < analiz.kritikYollar.size(); ++i) {
        if (analiz.kritikYollar.at(i) == anaYol) {
            analiz.anaPenceredekiYolSirasi = i;
            break;
        }
    }
}

} // namespace

AgAnalizi AnaliziHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const KayitliProje& proje)
{
    return AnaliziHesapla(faaliyetler, proje, CizelgeyiHesapla(faaliyetler));
}

AgAnalizi AnaliziHesapla(const QVector<KayitliFaaliyet>& satirlar, const KayitliProje& proje, const Cizelge& cizelge)
{
    AgAnalizi analiz;
    analiz.takvim = IsTakvimi(proje.takvim);
    HesaplananAg hesap;
    analiz.hata = AgiHesapla(satirlar, cizelge, hesap);
    if (analiz.hata.Var()) {
        analiz.hataliSatirlar = satirlar;
        return analiz;
    }

    const Sonuc& s = hesap.sonuc;
    analiz.projeBitisGunu = qint32(s.bitis);
    analiz.ag = hesap.ag;
    analiz.faaliyetler.reserve(s.Boyut());
    const QDate baslama = proje.baslama.deger.value_or(QDate());
    for (int i = 0; i < s.Boyut(); ++i) {
        FaaliyetAnalizi f;
        f.kodu = satirlar.at(i).kodu;
        f.adi = satirlar.at(i).adi;
        f.es = qint32(s.es[i]);
        f.ef = qint32(s.ef[i]);
        f.ls = qint32(s.ls[i]);
        f.lf = qint32(s.lf[i]);
        f.toplamBolluk = qint32(s.ToplamBolluk(i));
        f.serbestBolluk = qint32(s.serbestBolluk[i]);
        f.kritik = s.Kritik(i);
        f.baslama = GununTarihi(analiz.takvim, baslama, s.es[i]);
        f.bitis = BitisTarihi(analiz.takvim, baslama, s.es[i], s.ef[i]);
        f.neden = NedenBul(hesap.ag, s, i);
        analiz.faaliyetler.append(f);
    }
    analiz.anaPenceredekiYol = CizelgeMetinleri::Yol(cizelge);
    YollariYaz(analiz, hesap, cizelge);
    analiz.plan = PlaniKarsilastir(proje, analiz.takvim, s.bitis);
    analiz.ilkIsGunu = GununTarihi(analiz.takvim, baslama, 0);
    return analiz;
}

QStringList Oncekileri(const AgAnalizi& analiz, int i)
{
    QStringList kodlar;
    for (int k = analiz.ag.girenBasi.value(i); k < analiz.ag.girenBasi.value(i + 1); ++k)
        kodlar << analiz.faaliyetler.at(analiz.ag.onceki.at(k)).kodu;
    return kodlar;
}
