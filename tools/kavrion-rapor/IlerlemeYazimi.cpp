#include "IlerlemeYazimi.h"

#include "Iletiler.h"
#include "RaporOkuma.h"
#include "TabloYazimi.h"
#include "export/CsvYazimi.h"
#include "export/IlerlemeSutunlari.h"
#include "export/JsonYazici.h"
#include "rules/BolgeselMetin.h"

#include <cmath>
#include <optional>

namespace {

// The project's figures, one row each: what a table, a CSV and a JSON write alike.
struct Olcu {
    const char* anahtar; // the JSON key
    QString ad;          // the table's and the CSV's row name
    std::optional<double> deger;
    QDate tarih = {};
    int basamak = 2; // decimals in the table: none for whole working days
};

std::optional<double> Sonlu(double deger)
{
    return std::isfinite(deger) ? std::optional(deger) : std::nullopt;
}

QVector<Olcu> Olculer(const IlerlemeAnalizi& a)
{
    QVector<Olcu> olculer{{"tahminiSure", QStringLiteral("Tahmini bitiş (F)"), a.projeBitisGunu, a.bitis, 0}};
    if (!a.tabanVar)
        return olculer;
    olculer += QVector<Olcu>{
        {"bitisSapmasi", QStringLiteral("Taban bitişi ve sapma (iş günü)"), a.bitisSapmasi, a.tabanBitis, 0},
        {"pv", QStringLiteral("PV (planlanan iş, faaliyet-gün)"), Sonlu(a.pv)},
        {"ev", QStringLiteral("EV (kazanılan iş, faaliyet-gün)"), Sonlu(a.ev)},
        {"sv", QStringLiteral("SV = EV − PV"), Sonlu(a.sv)},
        {"spi", QStringLiteral("SPI = EV / PV"), Sonlu(a.spi)},
        {"es", QStringLiteral("ES (kazanılmış takvim, iş günü)"), Sonlu(a.kazanilmisTakvim)},
        {"at", QStringLiteral("AT (geçen süre, iş günü)"), Sonlu(a.gecenSure)},
        {"spiT", QStringLiteral("SPI(t) = ES / AT"), Sonlu(a.spiT), a.esBitis}};
    return olculer;
}

const FaaliyetIlerlemesi* Ilerlemesi(const IlerlemeRaporu& r, const QString& kodu)
{
    const auto yer = r.rapor.proje.ilerleme.faaliyetler.constFind(kodu);
    return yer == r.rapor.proje.ilerleme.faaliyetler.cend() ? nullptr : &*yer;
}

QString Tarihi(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QStringLiteral("—");
}

QString Ondalik(const std::optional<double>& deger, int basamak)
{
    return deger ? QLocale().toString(*deger, 'f', basamak) : QStringLiteral("—");
}

QString CsvSayisi(const std::optional<double>& deger, const QLocale& yerel)
{
    if (!deger)
        return QString();
    QString metin = QString::number(*deger, 'g', QLocale::FloatingPointShortest);
    return metin.replace(QLatin1Char('.'), yerel.decimalPoint());
}

// Per activity, in stored order: its code, name and progress cells, `tarih` and `sayi` writing dates and figures.
QVector<QStringList> Satirlar(const IlerlemeRaporu& r, const std::function<QString(const QDate&)>& tarih,
                              const std::function<QString(qint64)>& sayi)
{
    QVector<QStringList> satirlar;
    for (int i = 0; i < r.ilerleme.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = r.rapor.analiz.faaliyetler.at(i);
        satirlar.append(QStringList{f.kodu, f.adi} + IlerlemeHucreleri(r.rapor, r.ilerleme, i, tarih, sayi));
    }
    return satirlar;
}

const QStringList Basliklar = QStringList{QStringLiteral("Kodu"), QStringLiteral("Faaliyet Adı")} + IlerlemeBasliklari();

} // namespace

int IlerlemeRaporunuAl(const RaporKomutu& komut, IlerlemeRaporu& r)
{
    if (const int durum = RaporuAl(komut, r.rapor))
        return durum;
    if (!r.rapor.proje.ilerleme.durumTarihi.isValid())
        return HataBildir(QStringLiteral("%1 projesinin durum tarihi yok: ilerleme durum tarihine göre hesaplanır. "
                                         "Kavrion'da projeye bir durum tarihi girin.").arg(Alinti(r.rapor.proje.ad)));
    r.ilerleme = IlerlemeyiHesapla(r.rapor.analiz, r.rapor.proje.ilerleme, KarsilastirilanTaban(r.rapor.proje.tabanlar));
    if (!r.ilerleme.var)
        return HataBildir(r.rapor.proje.baslama.deger
                              ? QStringLiteral("%1 projesinin ağı hesaplanamıyor: ilerleme de hesaplanamaz.")
                                    .arg(Alinti(r.rapor.proje.ad))
                              : QStringLiteral("%1 projesinin başlama tarihi yok: ilerleme tarihlerle hesaplanır.")
                                    .arg(Alinti(r.rapor.proje.ad)));
    return Cikis::Basarili;
}

QString IlerlemeTablosu(const IlerlemeRaporu& r)
{
    const IlerlemeAnalizi& a = r.ilerleme;
    QString metin = ProjeBasligi(r.rapor.proje);
    metin += QStringLiteral("Durum tarihi: %1\n").arg(Tarihi(a.durumTarihi));
    metin += a.tabanVar ? QStringLiteral("Karşılaştırılan taban planı: %1\n").arg(Gorunur(a.tabanAdi))
                        : QStringLiteral("Karşılaştırılacak taban planı seçilmemiş.\n");
    QVector<QStringList> ozet{{QString(), QStringLiteral("Değer"), QStringLiteral("Tarih")}};
    for (const Olcu& o : Olculer(a))
        ozet.append({o.ad, Ondalik(o.deger, o.basamak), o.tarih.isValid() ? Tarihi(o.tarih) : QString()});
    metin += QLatin1Char('\n') + HizaliTablo(ozet, [](int sutun) { return sutun == 1; });
    if (a.tabanVar)
        metin += QStringLiteral("PV: taban planında durum tarihine kadar yapılacak iş; EV: her faaliyetin taban "
                                "süresi × tamamlanma yüzdesi; ES: taban planının bugünkü EV'ye ulaştığı gün; "
                                "AT: taban başlamasından durum tarihine geçen iş günü. Birim faaliyet-gün; "
                                "sapmalar iş günü, artı gecikme demek.\n");
    if (a.siraDisiSayisi > 0)
        metin += QStringLiteral("%1 faaliyet öncülü izin vermeden başlamış (sıra dışı).\n").arg(a.siraDisiSayisi);
    QVector<QStringList> satirlar{Basliklar};
    for (QStringList satir : Satirlar(r, Tarihi, [](qint64 n) { return QLocale().toString(n); })) {
        satir[0] = HucreMetni(satir[0]);
        satir[1] = HucreMetni(satir[1]);
        satirlar.append(satir);
    }
    metin += QLatin1Char('\n') + HizaliTablo(satirlar, [](int sutun) { return sutun == 4 || sutun == 5 || sutun >= 10; });
    return metin;
}

QByteArray IlerlemeCsv(const IlerlemeRaporu& r, const QLocale& yerel)
{
    const QChar ayrac = CsvAyraci(yerel);
    const QLatin1String satirSonu("\r\n");
    QString metin;
    const auto satir = [&](const QStringList& alanlar) { metin += alanlar.join(ayrac) + satirSonu; };
    satir({QStringLiteral("Ölçü"), CsvAlani(QStringLiteral("Değer"), ayrac), QStringLiteral("Tarih")});
    satir({CsvAlani(QStringLiteral("Durum Tarihi"), ayrac), QString(), CsvAlani(IsoTarih(r.ilerleme.durumTarihi), ayrac)});
    for (const Olcu& o : Olculer(r.ilerleme))
        satir({CsvAlani(o.ad, ayrac), CsvSayisi(o.deger, yerel), CsvAlani(IsoTarih(o.tarih), ayrac)});
    metin += satirSonu;
    QStringList basliklar;
    for (const QString& baslik : Basliklar)
        basliklar << CsvAlani(baslik, ayrac);
    satir(basliklar);
    const auto tarih = [ayrac](const QDate& d) { return CsvAlani(IsoTarih(d), ayrac); };
    for (QStringList alanlar : Satirlar(r, tarih, [](qint64 n) { return QString::number(n); })) {
        alanlar[0] = CsvAlani(alanlar[0], ayrac);
        alanlar[1] = CsvAlani(alanlar[1], ayrac);
        satir(alanlar);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
}

namespace {

// Row i's object in the "faaliyetler" list.
void FaaliyetJson(JsonYazici& y, const IlerlemeRaporu& r, int i)
{
    const FaaliyetAnalizi& f = r.rapor.analiz.faaliyetler.at(i);
    const FaaliyetTahmini& t = r.ilerleme.faaliyetler.at(i);
    const FaaliyetIlerlemesi* g = Ilerlemesi(r, f.kodu);
    y.Anahtar("kodu", "{");
    y.Metin(f.kodu);
    y.Anahtar("adi", ", ");
    y.Metin(f.adi);
    y.Anahtar("sure", ", ");
    y.Sayi(qint64(f.ef) - f.es);
    const std::pair<const char*, QDate> tarihler[] = {
        {"gercekBaslama", g ? g->gercekBaslama : QDate()}, {"gercekBitis", g ? g->gercekBitis : QDate()},
        {"baslama", t.baslama}, {"bitis", t.bitis}, {"tabanBaslama", t.tabanBaslama}, {"tabanBitis", t.tabanBitis}};
    for (const auto& [ad, tarih] : tarihler) {
        y.Anahtar(ad, ", ");
        y.Tarih(tarih);
    }
    const std::pair<const char*, std::optional<qint64>> sayilar[] = {
        {"yuzde", t.yuzde}, {"kalan", t.kalan}, {"toplamBolluk", t.toplamBolluk},
        {"baslamaSapmasi", t.tabandaVar ? std::optional<qint64>(t.baslamaSapmasi) : std::nullopt},
        {"bitisSapmasi", t.tabandaVar ? std::optional<qint64>(t.bitisSapmasi) : std::nullopt}};
    for (const auto& [ad, sayi] : sayilar) {
        y.Anahtar(ad, ", ");
        sayi ? y.Sayi(*sayi) : y.Bos();
    }
    y.Anahtar("kritik", ", ");
    y.metin += t.kritik ? "true" : "false";
    y.Anahtar("siraDisi", ", ");
    y.metin += t.siraDisi ? "true" : "false";
    y.metin += '}';
}

} // namespace

QByteArray IlerlemeJson(const IlerlemeRaporu& r)
{
    const IlerlemeAnalizi& a = r.ilerleme;
    JsonYazici y;
    y.Proje(r.rapor.proje);
    y.Anahtar("durumTarihi");
    y.Tarih(a.durumTarihi);
    y.Anahtar("tahminiBitis");
    y.Tarih(a.bitis);
    y.Anahtar("taban");
    a.tabanVar ? y.Metin(a.tabanAdi) : y.Bos();
    if (a.tabanVar) {
        y.Anahtar("tabanBitis");
        y.Tarih(a.tabanBitis);
    }
    for (const Olcu& o : Olculer(a)) {
        y.Anahtar(o.anahtar);
        o.deger ? y.Ondalik(*o.deger) : y.Bos();
    }
    if (a.tabanVar) {
        y.Anahtar("esBitis");
        y.Tarih(a.esBitis);
    }
    y.Anahtar("siraDisi");
    y.Sayi(a.siraDisiSayisi);
    y.Anahtar("kritikYollar");
    y.metin += '[';
    for (int i = 0; i < a.kritikYollar.size(); ++i) {
        y.metin += i > 0 ? ", " : "";
        y.Kodlar(a.kritikYollar.at(i));
    }
    y.metin += ']';
    y.Anahtar("faaliyetler");
    y.metin += '[';
    for (int i = 0; i < a.faaliyetler.size(); ++i) {
        y.metin += i > 0 ? ",\n    " : "\n    ";
        FaaliyetJson(y, r, i);
    }
    y.metin += a.faaliyetler.isEmpty() ? "]" : "\n  ]";
    y.metin += "\n}\n";
    return y.metin;
}
