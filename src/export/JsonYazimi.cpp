#include "export/JsonYazimi.h"

namespace {

// Written by hand rather than through QJsonObject, which would sort the keys and put
// an activity's code in the middle of its figures.
class Yazıcı {
public:
    QByteArray metin;

    void Metin(QStringView değer)
    {
        metin += '"';
        // Runs without a character to escape are converted whole, so surrogate pairs stay together.
        qsizetype baş = 0;
        for (qsizetype i = 0; i < değer.size(); ++i) {
            const char16_t u = değer[i].unicode();
            if (u >= 0x20 && u != '"' && u != '\\')
                continue;
            metin += değer.mid(baş, i - baş).toUtf8();
            baş = i + 1;
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
        metin += değer.mid(baş).toUtf8();
        metin += '"';
    }
    void Anahtar(const char* ad, const char* önce = ",\n  ")
    {
        metin += önce;
        metin += '"';
        metin += ad;
        metin += "\": ";
    }
    void Sayı(qint64 değer) { metin += QByteArray::number(değer); }
    void Boş() { metin += "null"; }
    void Tarih(const QDate& tarih)
    {
        if (tarih.isValid())
            Metin(tarih.toString(Qt::ISODate));
        else
            Boş();
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

void FaaliyetYaz(Yazıcı& y, const AğAnalizi& analiz, int i)
{
    const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
    y.Anahtar("kodu", "{");
    y.Metin(f.kodu);
    y.Anahtar("adi", ", ");
    y.Metin(f.adı);
    const std::pair<const char*, qint64> sayılar[] = {
        {"sure", qint64(f.ef) - f.es}, {"es", f.es}, {"ef", f.ef}, {"ls", f.ls}, {"lf", f.lf},
        {"toplamBolluk", f.toplamBolluk}, {"serbestBolluk", f.serbestBolluk}};
    for (const auto& [ad, değer] : sayılar) {
        y.Anahtar(ad, ", ");
        y.Sayı(değer);
    }
    y.Anahtar("kritik", ", ");
    y.metin += f.kritik ? "true" : "false";
    y.Anahtar("baslangic", ", ");
    y.Tarih(f.başlama);
    y.Anahtar("bitis", ", ");
    y.Tarih(f.bitiş);
    QStringList öncekiler;
    for (int k = analiz.öncekiBaşı.value(i); k < analiz.öncekiBaşı.value(i + 1); ++k)
        öncekiler << analiz.faaliyetler.at(analiz.öncekiler.at(k)).kodu;
    y.Anahtar("oncekiler", ", ");
    y.Kodlar(öncekiler);
    y.Anahtar("neden", ", ");
    y.Metin(f.neden);
    y.metin += '}';
}

void Tarih(Yazıcı& y, const Saklı<QDate>& tarih)
{
    y.Tarih(tarih.değer.value_or(QDate()));
}

} // namespace

QByteArray JsonYaz(const Rapor& rapor)
{
    const AğAnalizi& analiz = rapor.analiz;
    Yazıcı y;
    y.metin.reserve(1024 + 400 * analiz.faaliyetler.size());
    y.Anahtar("proje", "{\n  ");
    y.Metin(rapor.proje.ad);
    y.Anahtar("baslama");
    Tarih(y, rapor.proje.başlama);
    y.Anahtar("bitis");
    Tarih(y, rapor.proje.bitiş);
    y.Anahtar("hesaplanamiyor");
    if (!analiz.hesaplanamıyor.isEmpty()) {
        y.Metin(analiz.hesaplanamıyor);
        y.metin += "\n}\n";
        return y.metin;
    }
    y.Boş();

    const PlanKarşılaştırması& plan = analiz.plan;
    y.Anahtar("projeSuresi");
    y.Sayı(analiz.projeBitişGünü);
    y.Anahtar("enErkenBitis");
    y.Tarih(plan.enErkenBitiş);
    y.Anahtar("tahminiGunSayisi");
    plan.tahminiGünSayısı ? y.Sayı(*plan.tahminiGünSayısı) : y.Boş();
    y.Anahtar("pay");
    plan.pay ? y.Sayı(*plan.pay) : y.Boş();
    y.Anahtar("plan");
    y.Metin(plan.metin);
    y.Anahtar("kritikYolSayisi");
    y.Metin(analiz.kritikYolSayısı);
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
    analiz.anaPenceredekiYolSırası >= 0 ? y.Sayı(analiz.anaPenceredekiYolSırası) : y.Boş();
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
