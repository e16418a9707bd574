#include "RiskYazimi.h"

#include "TabloYazimi.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazici.h"
#include "rules/BolgeselMetin.h"
#include "text/RiskMetinleri.h"

#include <optional>

namespace {

struct Yuzdelik {
    const char* ad; // "p10"
    double gun;
};

QVector<Yuzdelik> Yuzdelikler(const RiskSonucu& s)
{
    return {{"p10", s.p10}, {"p50", s.p50}, {"p80", s.p80}, {"p90", s.p90}};
}

QDate Baslama(const RiskRaporu& r)
{
    return r.rapor.proje.baslama.deger.value_or(QDate());
}

QDate Tarihi(const RiskRaporu& r, double gun)
{
    return RiskBitisTarihi(r.rapor.analiz.takvim, Baslama(r), gun);
}

std::optional<double> BitisOlasiligi(const RiskRaporu& r)
{
    return TariheKadarOlasilik(r.sonuc, r.rapor.analiz.takvim, Baslama(r), r.rapor.proje.bitis.deger.value_or(QDate()));
}

const UcNoktaTahmini* Tahmini(const RiskRaporu& r, int i)
{
    const auto yer = r.rapor.tahminler.constFind(r.rapor.analiz.faaliyetler.at(i).kodu);
    return yer == r.rapor.tahminler.cend() ? nullptr : &*yer;
}

qint64 Suresi(const FaaliyetAnalizi& f)
{
    return qint64(f.ef) - f.es;
}

QString DagilimAdi(Dagilim d)
{
    return d == Dagilim::Ucgen ? QStringLiteral("ucgen") : QStringLiteral("pert");
}

QString Ondalik(double deger, int basamak)
{
    return QLocale().toString(deger, 'f', basamak);
}

QString Yuzde(double oran)
{
    return QLatin1Char('%') + Ondalik(oran * 100, 1);
}

QString TarihYazisi(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QStringLiteral("—");
}

// The shortest decimal that reads back as the same double, with the locale's decimal mark.
QString CsvSayisi(double deger, const QLocale& yerel)
{
    QString metin = QString::number(deger, 'g', QLocale::FloatingPointShortest);
    return metin.replace(QLatin1Char('.'), yerel.decimalPoint());
}

} // namespace

QString RiskTablosu(const RiskRaporu& r)
{
    const RiskSonucu& s = r.sonuc;
    QString metin = ProjeBasligi(r.rapor.proje);
    metin += RiskMetinleri::BenzetimCumlesi(r.ayarlar, s.yineleme) + QLatin1Char('\n');
    if (s.Hesaplanamadi())
        return metin + QLatin1Char('\n') + Gorunur(RiskMetinleri::Hesaplanamiyor(s)) + QLatin1Char('\n');

    QVector<QStringList> ozet{{QString(), QStringLiteral("Gün"), QStringLiteral("Tarih")},
                              {QStringLiteral("Plan (F)"), QLocale().toString(s.deterministikF),
                               TarihYazisi(Tarihi(r, s.deterministikF))}};
    for (const Yuzdelik& p : Yuzdelikler(s))
        ozet.append({QString::fromLatin1(p.ad).toUpper(), Ondalik(p.gun, 1), TarihYazisi(Tarihi(r, p.gun))});
    metin += QLatin1Char('\n') + HizaliTablo(ozet, [](int sutun) { return sutun == 1; });
    metin += QStringLiteral("Ortalama %1 gün, standart sapma %2 gün.\n").arg(Ondalik(s.ortalama, 1), Ondalik(s.standartSapma, 1));
    if (const auto olasilik = BitisOlasiligi(r))
        metin += QStringLiteral("Projenin bitiş tarihine kadar (%1) bitme olasılığı: %2.\n")
                     .arg(TarihMetni(r.rapor.proje.bitis), Yuzde(*olasilik));
    metin += RiskMetinleri::BirlesmeCumlesi(s) + QLatin1Char('\n');

    QVector<QStringList> satirlar{{QStringLiteral("Kodu"), QStringLiteral("Faaliyet Adı"), QStringLiteral("Süre"),
                                   QStringLiteral("İyimser"), QStringLiteral("En Olası"), QStringLiteral("Kötümser"),
                                   QStringLiteral("Kritiklik"), QStringLiteral("Duyarlılık")}};
    bool tahminsiz = false;
    for (int i = 0; i < s.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = r.rapor.analiz.faaliyetler.at(i);
        const UcNoktaTahmini* t = Tahmini(r, i);
        tahminsiz = tahminsiz || !t;
        const auto gun = [&](qint32 deger) { return t ? QLocale().toString(deger) : QStringLiteral("—"); };
        satirlar.append({HucreMetni(f.kodu), HucreMetni(f.adi), QLocale().toString(Suresi(f)),
                         gun(t ? t->iyimser : 0), gun(t ? t->olasi : 0), gun(t ? t->kotumser : 0),
                         Yuzde(s.faaliyetler.at(i).kritiklik), Ondalik(s.faaliyetler.at(i).duyarlilik, 2)});
    }
    metin += QLatin1Char('\n') + HizaliTablo(satirlar, [](int sutun) { return sutun >= 2; });
    if (tahminsiz)
        metin += QStringLiteral("Tahmini olmayan faaliyet (—) öngörülen süresiyle hesaplandı.\n");
    return metin;
}

QByteArray RiskCsv(const RiskRaporu& r, const QLocale& yerel)
{
    const RiskSonucu& s = r.sonuc;
    const QChar ayrac = CsvAyraci(yerel);
    const QLatin1String satirSonu("\r\n");
    QString metin;
    const auto satir = [&](const QStringList& alanlar) { metin += alanlar.join(ayrac) + satirSonu; };
    const auto metinler = [&](const QStringList& alanlar) {
        QStringList guvenli;
        for (const QString& alan : alanlar)
            guvenli << CsvAlani(alan, ayrac);
        satir(guvenli);
    };
    if (s.Hesaplanamadi()) {
        metinler({RiskMetinleri::Hesaplanamiyor(s)});
        return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
    }
    metinler({QStringLiteral("Ölçü"), QStringLiteral("Değer"), QStringLiteral("Tarih")});
    satir({CsvAlani(QStringLiteral("Plan (F)"), ayrac), QString::number(s.deterministikF),
           CsvAlani(IsoTarih(Tarihi(r, s.deterministikF)), ayrac)});
    for (const Yuzdelik& p : Yuzdelikler(s))
        satir({QString::fromLatin1(p.ad).toUpper(), CsvSayisi(p.gun, yerel), CsvAlani(IsoTarih(Tarihi(r, p.gun)), ayrac)});
    satir({CsvAlani(QStringLiteral("Ortalama"), ayrac), CsvSayisi(s.ortalama, yerel), QString()});
    satir({CsvAlani(QStringLiteral("Standart Sapma"), ayrac), CsvSayisi(s.standartSapma, yerel), QString()});
    const auto olasilik = BitisOlasiligi(r);
    satir({CsvAlani(QStringLiteral("Bitiş Tarihine Kadar Bitme Olasılığı"), ayrac),
           olasilik ? CsvSayisi(*olasilik, yerel) : QString(),
           CsvAlani(IsoTarih(r.rapor.proje.bitis.deger.value_or(QDate())), ayrac)});
    satir({CsvAlani(QStringLiteral("Yineleme"), ayrac), QString::number(s.yineleme), QString()});
    satir({CsvAlani(QStringLiteral("Tohum"), ayrac), QString::number(r.ayarlar.tohum), QString()});
    metinler({QStringLiteral("Dağılım"), DagilimAdi(r.ayarlar.dagilim), QString()});
    metinler({QStringLiteral("Birleşme"), RiskMetinleri::BirlesmeCumlesi(s), QString()});
    metin += satirSonu;

    metinler({QStringLiteral("Kodu"), QStringLiteral("Faaliyet Adı"), QStringLiteral("Süre"), QStringLiteral("İyimser"),
              QStringLiteral("En Olası"), QStringLiteral("Kötümser"), QStringLiteral("Kritiklik"),
              QStringLiteral("Duyarlılık")});
    for (int i = 0; i < s.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = r.rapor.analiz.faaliyetler.at(i);
        const UcNoktaTahmini* t = Tahmini(r, i);
        const auto gun = [&](qint32 deger) { return t ? QString::number(deger) : QString(); };
        satir({CsvAlani(f.kodu, ayrac), CsvAlani(f.adi, ayrac), QString::number(Suresi(f)), gun(t ? t->iyimser : 0),
               gun(t ? t->olasi : 0), gun(t ? t->kotumser : 0), CsvSayisi(s.faaliyetler.at(i).kritiklik, yerel),
               CsvSayisi(s.faaliyetler.at(i).duyarlilik, yerel)});
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
}

QByteArray RiskJson(const RiskRaporu& r)
{
    const RiskSonucu& s = r.sonuc;
    JsonYazici y;
    y.Proje(r.rapor.proje);
    y.Anahtar("dagilim");
    y.Metin(DagilimAdi(r.ayarlar.dagilim));
    y.Anahtar("yineleme");
    y.Sayi(s.yineleme);
    y.Anahtar("tohum");
    y.metin += QByteArray::number(r.ayarlar.tohum);
    if (y.Hesaplanamiyor(s.Hesaplanamadi(), RiskMetinleri::Hesaplanamiyor(s)))
        return y.metin;
    y.Anahtar("planSuresi");
    y.Sayi(s.deterministikF);
    for (const Yuzdelik& p : Yuzdelikler(s)) {
        y.Anahtar(p.ad);
        y.Anahtar("gun", "{");
        y.Ondalik(p.gun);
        y.Anahtar("tarih", ", ");
        y.Tarih(Tarihi(r, p.gun));
        y.metin += '}';
    }
    y.Anahtar("ortalama");
    y.Ondalik(s.ortalama);
    y.Anahtar("standartSapma");
    y.Ondalik(s.standartSapma);
    y.Anahtar("bitisTarihineKadar");
    const auto olasilik = BitisOlasiligi(r);
    olasilik ? y.Ondalik(*olasilik) : y.Bos();
    y.Anahtar("birlesme");
    y.Metin(RiskMetinleri::BirlesmeCumlesi(s));
    y.Anahtar("faaliyetler");
    y.metin += '[';
    for (int i = 0; i < s.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = r.rapor.analiz.faaliyetler.at(i);
        y.metin += i > 0 ? ",\n    " : "\n    ";
        y.Anahtar("kodu", "{");
        y.Metin(f.kodu);
        y.Anahtar("adi", ", ");
        y.Metin(f.adi);
        y.Anahtar("sure", ", ");
        y.Sayi(Suresi(f));
        y.Anahtar("tahmin", ", ");
        y.Tahmin(r.rapor.tahminler, f.kodu);
        y.Anahtar("kritiklik", ", ");
        y.Ondalik(s.faaliyetler.at(i).kritiklik);
        y.Anahtar("duyarlilik", ", ");
        y.Ondalik(s.faaliyetler.at(i).duyarlilik);
        y.metin += '}';
    }
    y.metin += s.faaliyetler.isEmpty() ? "]" : "\n  ]";
    y.metin += "\n}\n";
    return y.metin;
}
