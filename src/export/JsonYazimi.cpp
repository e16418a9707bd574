#include "export/JsonYazimi.h"

namespace {

// Written by hand rather than through QJsonObject, which would sort the keys and put
// an activity's code in the middle of its figures.
class Yazici {
public:
    QByteArray metin;

    void Metin(QStringView deger)
    {
        metin += '"';
        // Runs without a character to escape are converted whole, so surrogate pairs stay together.
        qsizetype bas = 0;
        for (qsizetype i = 0; i < deger.size(); ++i) {
            const char16_t u = deger[i].unicode();
            if (u >= 0x20 && u != '"' && u != '\\')
                continue;
            metin += deger.mid(bas, i - bas).toUtf8();
            bas = i + 1;
            switch (u) {
            case '"': metin += "\\\""; break;
            case '\\': metin += "\\\\"; break;
            case '\n': metin += "\\n"; break;
            case '\r': metin += "\\r"; break;
            case '\t': metin += "\\t"; break;
            default:
                metin += "\\u00";
                metin += "0123456789abcdef"[u >> 4];
                metin += "0123456789abcdef"[u & 0xf];
            }
        }
        metin += deger.mid(bas).toUtf8();
        metin += '"';
    }
    void Anahtar(const char* ad, const char* once = ",\n  ")
    {
        metin += once;
        metin += '"';
        metin += ad;
        metin += "\": ";
    }
    void Sayi(qint64 deger) { metin += QByteArray::number(deger); }
    void Bos() { metin += "null"; }
    void Tarih(const QDate& tarih)
    {
        if (tarih.isValid())
            Metin(IsoTarih(tarih));
        else
            Bos();
    }
    void Kodlar(const QStringList& kodlar)
    {
        metin += '[';
        for (int i = 0; i < kodlar.size(); ++i) {
            if (i > 0)
                metin += ", ";
            Metin(kodlar.at(i));
        }
        metin += ']';
    }
};

void FaaliyetYaz(Yazici& y, const AgAnalizi& analiz, int i)
{
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
    y.Anahtar("neden", ", ");
    y.Metin(f.neden);
    y.metin += '}';
}

void Tarih(Yazici& y, const Sakli<QDate>& tarih)
{
    y.Tarih(tarih.deger.value_or(QDate()));
}

} // namespace

QByteArray JsonYaz(const Rapor& rapor)
{
    const AgAnalizi& analiz = rapor.analiz;
    Yazici y;
    y.metin.reserve(1024 + 400 * analiz.faaliyetler.size());
    y.Anahtar("proje", "{\n  ");
    y.Metin(rapor.proje.ad);
    y.Anahtar("baslama");
    Tarih(y, rapor.proje.baslama);
    y.Anahtar("bitis");
    Tarih(y, rapor.proje.bitis);
    y.Anahtar("hesaplanamiyor");
    if (!analiz.hesaplanamiyor.isEmpty()) {
        y.Metin(analiz.hesaplanamiyor);
        y.metin += "\n}\n";
        return y.metin;
    }
    y.Bos();

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
    y.Metin(plan.metin);
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
    y.Metin(analiz.kalanYollar);
    y.Anahtar("yolNotu");
    y.Metin(analiz.yolNotu);
    y.Anahtar("anaPenceredekiYol");
    y.Metin(analiz.anaPenceredekiYol);
    y.Anahtar("anaPenceredekiYolSirasi");
    analiz.anaPenceredekiYolSirasi >= 0 ? y.Sayi(analiz.anaPenceredekiYolSirasi) : y.Bos();
    y.Anahtar("faaliyetler");
    y.metin += '[';
    for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
        y.metin += i > 0 ? ",\n    " : "\n    ";
        FaaliyetYaz(y, analiz, i);
    }
    y.metin += analiz.faaliyetler.isEmpty() ? "]" : "\n  ]";
    y.metin += "\n}\n";
    return y.metin;
}
