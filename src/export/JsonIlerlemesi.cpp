#include "export/JsonIlerlemesi.h"

namespace {

void Tarihler(JsonYazici& y, std::initializer_list<std::pair<const char*, QDate>> tarihler)
{
    for (const auto& [ad, tarih] : tarihler) {
        y.Anahtar(ad, ", ");
        y.Tarih(tarih);
    }
}

void IlerlemeYaz(JsonYazici& y, const QString& kodu, const FaaliyetIlerlemesi& f, bool ilk)
{
    y.metin += ilk ? "\n    " : ",\n    ";
    y.Anahtar("kodu", "{");
    y.Metin(kodu);
    Tarihler(y, {{"gercekBaslama", f.gercekBaslama}, {"gercekBitis", f.gercekBitis}});
    y.Anahtar("yuzde", ", ");
    y.Sayi(f.yuzde);
    y.Anahtar("kalan", ", ");
    f.kalan >= 0 ? y.Sayi(f.kalan) : y.Bos();
    y.metin += '}';
}

void TabanYaz(JsonYazici& y, const TabanPlani& t, bool karsilastirilan, bool ilk)
{
    y.metin += ilk ? "\n    " : ",\n    ";
    y.Anahtar("numara", "{");
    y.Sayi(t.numara);
    y.Anahtar("ad", ", ");
    y.Metin(t.ad);
    Tarihler(y, {{"kayitTarihi", t.kayitTarihi}, {"baslama", t.baslama}, {"bitis", t.bitis}});
    y.Anahtar("karsilastirilan", ", ");
    y.metin += karsilastirilan ? "true" : "false";
    y.Anahtar("satirlar", ", ");
    y.metin += '[';
    for (int i = 0; i < t.satirlar.size(); ++i) {
        const TabanSatiri& s = t.satirlar.at(i);
        y.Anahtar("kodu", i > 0 ? ", {" : "{");
        y.Metin(s.kodu);
        Tarihler(y, {{"baslama", s.baslama}, {"bitis", s.bitis}});
        y.Anahtar("sure", ", ");
        y.Sayi(s.sure);
        y.metin += '}';
    }
    y.metin += "]}";
}

} // namespace

void JsonIlerlemesiniYaz(JsonYazici& y, const Rapor& rapor)
{
    const ProjeIlerlemesi& ilerleme = rapor.proje.ilerleme;
    const TabanPlanlari& tabanlar = rapor.proje.tabanlar;
    if (!ilerleme.durumTarihi.isValid() && ilerleme.faaliyetler.isEmpty() && tabanlar.planlar.isEmpty())
        return;
    y.Anahtar("durumTarihi");
    y.Tarih(ilerleme.durumTarihi);
    y.Anahtar("ilerleme");
    y.metin += '[';
    bool ilk = true;
    for (const FaaliyetAnalizi& f : rapor.analiz.faaliyetler)
        if (const auto yer = ilerleme.faaliyetler.constFind(f.kodu); yer != ilerleme.faaliyetler.cend()) {
            IlerlemeYaz(y, f.kodu, *yer, ilk);
            ilk = false;
        }
    y.metin += ilk ? "]" : "\n  ]";
    y.Anahtar("tabanlar");
    y.metin += '[';
    for (int i = 0; i < tabanlar.planlar.size(); ++i) {
        const TabanPlani& t = tabanlar.planlar.at(i);
        TabanYaz(y, t, t.numara == tabanlar.karsilastirilan, i == 0);
    }
    y.metin += tabanlar.planlar.isEmpty() ? "]" : "\n  ]";
}
