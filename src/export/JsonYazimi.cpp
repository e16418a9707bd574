#include "export/JsonYazimi.h"

#include "export/JsonIlerlemesi.h"
#include "export/JsonYazici.h"
#include "text/AnalizMetinleri.h"
#include "text/BagMetinleri.h"

namespace {

// Whether a link of the plan is not plain finish-to-start: only then do activities list their links.
bool BagliPlan(const PlanAgi& ag)
{
    for (int k = 0; k < ag.tur.size(); ++k)
        if (ag.tur.at(k) != BagTuru::BitisBaslama || ag.gecikme.at(k) != 0)
            return true;
    return false;
}

// [{"onceki": code, "tur": "BB", "BaBa", "BiBi" or "BaBi", "gecikme": working days}, …], as listed.
void BaglariYaz(JsonYazici& y, const AgAnalizi& analiz, int i)
{
    const QStringList kodlar = Oncekileri(analiz, i);
    y.metin += '[';
    for (int j = 0; j < kodlar.size(); ++j) {
        const int k = analiz.ag.girenBasi.at(i) + j;
        y.Anahtar("onceki", j > 0 ? ", {" : "{");
        y.Metin(kodlar.at(j));
        y.Anahtar("tur", ", ");
        y.Metin(BagMetinleri::KisaAd(analiz.ag.tur.at(k)));
        y.Anahtar("gecikme", ", ");
        y.Sayi(analiz.ag.gecikme.at(k));
        y.metin += '}';
    }
    y.metin += ']';
}

void FaaliyetYaz(JsonYazici& y, const Rapor& rapor, int i, bool baglar)
{
    const AgAnalizi& analiz = rapor.analiz;
    const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
    y.Anahtar("kodu", "{");
    y.Metin(f.kodu);
    y.Anahtar("adi", ", ");
    y.Metin(f.adi);
    const std::pair<const char*, qint64> sayilar[] = {
        {"sure", qint64(f.ef) - f.es}, {"es", f.es}, {"ef", f.ef}, {"ls", f.ls}, {"lf", f.lf},
        {"toplamBolluk", f.toplamBolluk}, {"serbestBolluk", f.serbestBolluk}};
    for (const auto& [ad, deger] : sayilar) {
        y.Anahtar(ad, ", ");
        y.Sayi(deger);
    }
    y.Anahtar("kritik", ", ");
    y.metin += f.kritik ? "true" : "false";
    y.Anahtar("baslangic", ", ");
    y.Tarih(f.baslama);
    y.Anahtar("bitis", ", ");
    y.Tarih(f.bitis);
    y.Anahtar("oncekiler", ", ");
    y.Kodlar(Oncekileri(analiz, i));
    if (baglar) {
        y.Anahtar("baglar", ", ");
        BaglariYaz(y, analiz, i);
    }
    y.Anahtar("neden", ", ");
    y.Metin(AnalizMetinleri::Neden(analiz, i));
    y.Anahtar("tahmin", ", ");
    y.Tahmin(rapor.tahminler, f.kodu);
    y.metin += '}';
}

} // namespace

QByteArray JsonYaz(const Rapor& rapor)
{
    const AgAnalizi& analiz = rapor.analiz;
    JsonYazici y;
    y.metin.reserve(1024 + 400 * analiz.faaliyetler.size());
    y.Proje(rapor.proje);
    if (const QString takvim = TakvimAdiYaz(rapor.proje.takvim); !takvim.isEmpty()) {
        y.Anahtar("takvim");
        y.Metin(takvim);
    }
    if (rapor.deneme) {
        y.Anahtar("deneme");
        y.Metin(DenemeIsareti());
    }
    if (y.Hesaplanamiyor(analiz.hata.Var(), AnalizMetinleri::Hesaplanamiyor(analiz)))
        return y.metin;

    const PlanKarsilastirmasi& plan = analiz.plan;
    y.Anahtar("projeSuresi");
    y.Sayi(analiz.projeBitisGunu);
    y.Anahtar("enErkenBitis");
    y.Tarih(plan.enErkenBitis);
    y.Anahtar("tahminiGunSayisi");
    plan.tahminiGunSayisi ? y.Sayi(*plan.tahminiGunSayisi) : y.Bos();
    y.Anahtar("pay");
    plan.pay ? y.Sayi(*plan.pay) : y.Bos();
    y.Anahtar("plan");
    y.Metin(AnalizMetinleri::PlanDurumu(plan));
    y.Anahtar("kritikYolSayisi");
    y.Metin(analiz.kritikYolSayisi);
    y.Anahtar("kritikYollar");
    y.metin += '[';
    for (int i = 0; i < analiz.kritikYollar.size(); ++i) {
        y.metin += i > 0 ? ",\n    " : "\n    ";
        y.Kodlar(analiz.kritikYollar.at(i));
    }
    y.metin += analiz.kritikYollar.isEmpty() ? "]" : "\n  ]";
    y.Anahtar("kalanYollar");
    y.Metin(AnalizMetinleri::KalanYollar(analiz));
    y.Anahtar("yolNotu");
    y.Metin(AnalizMetinleri::YolNotu(analiz));
    y.Anahtar("anaPenceredekiYol");
    y.Metin(analiz.anaPenceredekiYol);
    y.Anahtar("anaPenceredekiYolSirasi");
    analiz.anaPenceredekiYolSirasi >= 0 ? y.Sayi(analiz.anaPenceredekiYolSirasi) : y.Bos();
    y.Anahtar("faaliyetler");
    y.metin += '[';
    const bool baglar = BagliPlan(analiz.ag);
    for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
        y.metin += i > 0 ? ",\n    " : "\n    ";
        FaaliyetYaz(y, rapor, i, baglar);
    }
    y.metin += analiz.faaliyetler.isEmpty() ? "]" : "\n  ]";
    JsonIlerlemesiniYaz(y, rapor);
    y.metin += "\n}\n";
    return y.metin;
}
