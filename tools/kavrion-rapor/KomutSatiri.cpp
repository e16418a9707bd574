#include "KomutSatiri.h"

#include "SecenekAyirma.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <limits>
#include <optional>

namespace {

using Tur = RaporKomutu::Tur;
using Bicim = RaporKomutu::Bicim;

struct Secenekler {
    std::optional<QString> veritabani, sunucu, bicim, cikti, yineleme, tohum, dagilim, yil;
    bool yardim = false;
    QStringList konumlu;
};

QString Tirnakli(const QString& metin)
{
    return QLatin1Char('"') + metin + QLatin1Char('"');
}

QString Ayir(const QStringList& argumanlar, Secenekler& s)
{
    return SecenekleriAyir(argumanlar,
                           {{"--veritabani", &s.veritabani}, {"--sunucu", &s.sunucu}, {"--bicim", &s.bicim},
                            {"--cikti", &s.cikti}, {"--yineleme", &s.yineleme}, {"--tohum", &s.tohum},
                            {"--dagilim", &s.dagilim}, {"--yil", &s.yil}},
                           {}, s.yardim, s.konumlu);
}

QString BicimiSec(const Secenekler& s, RaporKomutu& komut, bool csvOlur)
{
    const QString deger = s.bicim.value_or(QStringLiteral("tablo"));
    if (deger == QLatin1String("tablo"))
        komut.bicim = Bicim::Tablo;
    else if (deger == QLatin1String("json"))
        komut.bicim = Bicim::Json;
    else if (deger == QLatin1String("csv") && csvOlur)
        komut.bicim = Bicim::Csv;
    else
        return QStringLiteral("--bicim %1 olamaz; %2.")
            .arg(Tirnakli(deger), csvOlur ? QStringLiteral("tablo, csv ya da json olabilir")
                                          : QStringLiteral("tablo ya da json olabilir"));
    return QString();
}

// risk's settings; the others take none of them.
QString RiskAyarlariniSec(const Secenekler& s, RaporKomutu& komut)
{
    if (komut.tur != Tur::Risk) {
        for (const auto& [secenek, ad] : {std::pair{&s.yineleme, "--yineleme"}, {&s.tohum, "--tohum"}, {&s.dagilim, "--dagilim"}})
            if (*secenek)
                return QStringLiteral("yalnız risk komutu %1 alır.").arg(QLatin1String(ad));
        return QString();
    }
    // Plain digits only: no sign, no blanks, nothing beyond 64 bits.
    const auto tamSayi = [](const QString& metin) -> std::optional<qulonglong> {
        static const QRegularExpression rakamlar(QStringLiteral("^[0-9]+$"));
        bool tamam = false;
        const qulonglong sayi = rakamlar.match(metin).hasMatch() ? metin.toULongLong(&tamam) : 0;
        return tamam ? std::optional(sayi) : std::nullopt;
    };
    if (s.yineleme) {
        const auto n = tamSayi(*s.yineleme);
        if (!n || *n < 1000 || *n > 1000000)
            return QStringLiteral("--yineleme %1 olamaz; 1000 ile 1000000 arasında bir tam sayı olabilir.")
                .arg(Tirnakli(*s.yineleme));
        komut.risk.yineleme = int(*n);
    }
    if (s.tohum) {
        const auto tohum = tamSayi(*s.tohum);
        if (!tohum)
            return QStringLiteral("--tohum %1 olamaz; 0 ile %2 arasında bir tam sayı olabilir.")
                .arg(Tirnakli(*s.tohum))
                .arg(std::numeric_limits<quint64>::max());
        komut.risk.tohum = *tohum;
    }
    if (!s.dagilim)
        return QString();
    if (*s.dagilim == QLatin1String("ucgen") || *s.dagilim == QStringLiteral("üçgen"))
        komut.dagilim = Dagilim::Ucgen;
    else if (*s.dagilim == QLatin1String("pert"))
        komut.dagilim = Dagilim::Pert;
    else
        return QStringLiteral("--dagilim %1 olamaz; ucgen ya da pert olabilir.").arg(Tirnakli(*s.dagilim));
    return QString();
}

// takvim's year; the others take none.
QString YiliSec(const Secenekler& s, RaporKomutu& komut)
{
    if (!s.yil)
        return QString();
    if (komut.tur != Tur::Takvim)
        return QStringLiteral("yalnız takvim komutu --yil alır.");
    static const QRegularExpression dortRakam(QStringLiteral("^[0-9]{4}$"));
    if (!dortRakam.match(*s.yil).hasMatch() || s.yil->toInt() < 1)
        return QStringLiteral("--yil %1 olamaz; 0001 ile 9999 arasında dört rakamlı bir yıl olabilir.").arg(Tirnakli(*s.yil));
    komut.yil = s.yil->toInt();
    return QString();
}

// gantt and ag write the picture their file's extension names.
QString ResimBicimi(const QString& ad, const QString& cikti, RaporKomutu& komut)
{
    const QString uzanti = QFileInfo(cikti).suffix().toLower();
    if (uzanti == QLatin1String("svg"))
        komut.bicim = Bicim::Svg;
    else if (uzanti == QLatin1String("png"))
        komut.bicim = Bicim::Png;
    else if (uzanti == QLatin1String("pdf"))
        komut.bicim = Bicim::Pdf;
    else
        return QStringLiteral("%1 dosyasının uzantısı .svg, .png ya da .pdf olmalı.").arg(ad);
    return QString();
}

// The command a name asks for; none for a name no command has.
std::optional<Tur> KomutTuru(const QString& ad)
{
    const std::pair<const char*, Tur> adlar[] = {
        {"projeler", Tur::Projeler}, {"çizelge", Tur::Cizelge}, {"cizelge", Tur::Cizelge}, {"gantt", Tur::Gantt},
        {"xml", Tur::Xml},           {"risk", Tur::Risk},       {"takvim", Tur::Takvim},    {"ag", Tur::Ag},
        {"ağ", Tur::Ag},             {"ilerleme", Tur::Ilerleme}};
    for (const auto& [metin, tur] : adlar)
        if (ad == QString::fromUtf8(metin))
            return tur;
    return std::nullopt;
}

// The help's list of commands, each with what it writes.
QString KomutlarYardimi()
{
    return QStringLiteral(
        "Komutlar:\n"
        "  projeler [--bicim tablo|json]\n"
        "      Proje adları, her satırda bir ad.\n"
        "  çizelge PROJE [--bicim tablo|csv|json]\n"
        "      Projenin ağ analizi: her faaliyetin süresi, ES, EF, LS, LF, bollukları,\n"
        "      tarihleri (bitiş, işin son günüdür); kritik yollar; planla karşılaştırma.\n"
        "  gantt PROJE --cikti DOSYA.svg|DOSYA.png|DOSYA.pdf\n"
        "      Gantt şemasını (PDF'de çizelgeyle birlikte sayfalara) dosyaya yazar.\n"
        "  ag PROJE --cikti DOSYA.svg|DOSYA.png|DOSYA.pdf\n"
        "      Ağ diyagramını (faaliyet kutuları, bağlar, kritik yol) dosyaya yazar; sığmayan\n"
        "      PDF, ilk sayfası sayfa planı olmak üzere A4 sayfalara bölünür.\n"
        "  xml PROJE --cikti DOSYA.xml\n"
        "      Projeyi Microsoft Project XML (MSPDI) dosyası olarak yazar.\n"
        "  risk PROJE [--yineleme N] [--tohum S] [--dagilim ucgen|pert] [--bicim tablo|csv|json]\n"
        "      Monte Carlo benzetimi: süreler üç noktalı tahminlerden çekilir (tahmini olmayan\n"
        "      faaliyet öngörülen süresini korur). Bitişin (F) P10, P50, P80, P90'ı gün ve\n"
        "      tarihle, ortalaması, standart sapması, projenin bitiş tarihine kadar bitme\n"
        "      olasılığı; her faaliyetin tahmini, kritikliği ve duyarlılığı.\n"
        "  ilerleme PROJE [--bicim tablo|csv|json | --cikti DOSYA.pdf]\n"
        "      Durum tarihine göre ilerleme: tahmini bitiş ve taban planındaki bitişle farkı\n"
        "      (iş günü, artı gecikme); faaliyet-gün olarak PV (taban planında durum tarihine\n"
        "      kadar yapılacak iş), EV (taban süresi × tamamlanma yüzdesi), SV = EV − PV,\n"
        "      SPI = EV / PV; kazanılmış takvim ES, geçen süre AT, SPI(t) = ES / AT ve ona göre\n"
        "      bitiş; her faaliyetin gerçek, tahmini ve taban tarihleri, sapmaları. --cikti ile\n"
        "      tek sayfalık durum raporu (PDF): bitiş o zaman ve şimdi, geciken faaliyetler, göstergeler.\n"
        "  takvim PROJE [--yil YYYY] [--bicim tablo|json]\n"
        "      Projenin takvimi: adı, haftanın çalışılan günleri, arifeler; yılın her tatil\n"
        "      günü adıyla (tahmini bayram tarihleri \"tahmini\" diye) ve projenin istisnaları,\n"
        "      çalışılan günler de.\n");
}

} // namespace

Cozumleme KomutuCozumle(const QStringList& argumanlar)
{
    Secenekler s;
    Cozumleme sonuc;
    RaporKomutu& komut = sonuc.komut;
    sonuc.hata = Ayir(argumanlar, s);
    if (!sonuc.hata.isEmpty() || s.yardim)
        return sonuc;
    if (s.konumlu.isEmpty()) {
        sonuc.hata = QStringLiteral("komut verilmedi.");
        return sonuc;
    }
    const QString ad = s.konumlu.first();
    if (s.veritabani && s.sunucu) {
        sonuc.hata = QStringLiteral("--veritabani ile --sunucu birlikte verilemez.");
        return sonuc;
    }
    komut.veritabani = s.veritabani.value_or(QString());
    komut.sunucu = s.sunucu.value_or(QString());
    komut.proje = s.konumlu.value(1);
    komut.cikti = s.cikti.value_or(QString());

    const std::optional<Tur> tur = KomutTuru(ad);
    if (!tur) {
        sonuc.hata = QStringLiteral("bilinmeyen komut: %1").arg(Tirnakli(ad));
        return sonuc;
    }
    komut.tur = *tur;

    const bool projeli = komut.tur != Tur::Projeler;
    const bool resimli = komut.tur == Tur::Gantt || komut.tur == Tur::Ag;
    // ilerleme writes its one-page status report to a PDF file when given one.
    const bool dosyali = resimli || komut.tur == Tur::Xml || (komut.tur == Tur::Ilerleme && s.cikti);
    if (s.konumlu.size() != (projeli ? 2 : 1))
        sonuc.hata = projeli ? QStringLiteral("%1 komutu bir proje adı ister.").arg(ad)
                             : QStringLiteral("projeler komutu proje adı almaz.");
    else if (dosyali && !s.cikti)
        sonuc.hata = QStringLiteral("%1 komutu --cikti DOSYA ister.").arg(ad);
    else if (!dosyali && s.cikti)
        sonuc.hata = QStringLiteral("%1 komutu --cikti almaz; çıktısı standart çıktıya yazılır.").arg(ad);
    else if (dosyali && s.bicim)
        sonuc.hata = QStringLiteral("%1 komutu --bicim almaz.").arg(ad);
    else if (const QString hata = RiskAyarlariniSec(s, komut); !hata.isEmpty())
        sonuc.hata = hata;
    else if (const QString hata = YiliSec(s, komut); !hata.isEmpty())
        sonuc.hata = hata;
    else if (resimli)
        sonuc.hata = ResimBicimi(ad, komut.cikti, komut);
    else if (komut.tur == Tur::Xml)
        komut.bicim = Bicim::Xml;
    else if (komut.tur == Tur::Ilerleme && s.cikti) {
        komut.bicim = Bicim::Pdf;
        if (QFileInfo(komut.cikti).suffix().toLower() != QLatin1String("pdf"))
            sonuc.hata = QStringLiteral("ilerleme raporu dosyasının uzantısı .pdf olmalı.");
    }
    else
        sonuc.hata = BicimiSec(s, komut, komut.tur == Tur::Cizelge || komut.tur == Tur::Risk || komut.tur == Tur::Ilerleme);
    return sonuc;
}

QString YardimMetni(const QString& varsayilanVeritabani)
{
    return QStringLiteral(
        "Kullanım: kavrion-rapor [--veritabani DOSYA | --sunucu BAĞLANTI] KOMUT ...\n"
        "Kavrion veritabanındaki planları raporlar. Veritabanını salt okunur açar: hiçbir\n"
        "dosya oluşturmaz, hiçbir şeyi değiştirmez; Kavrion açıkken de çalışır.\n"
        "\n"
        "%2"
        "\n"
        "Seçenekler:\n"
        "  --veritabani DOSYA  Okunacak veritabanı. Verilmezse: %1\n"
        "  --sunucu BAĞLANTI   Planları bir PostgreSQL sunucusundan okur (libpq bağlantı dizesi ya da\n"
        "                      postgresql:// adresi), tek bir salt okunur işlemde. Parola libpq'nun\n"
        "                      yollarıyla verilir (~/.pgpass, PGPASSWORD); hiçbir çıktıda gösterilmez.\n"
        "  --bicim BİÇİM       tablo: uçbirim için hizalı metin, bölgesel tarihlerle (varsayılan);\n"
        "                      csv: hesap tablosu için (UTF-8, RFC 4180); ondalık virgül kullanan\n"
        "                      bölgelerde ayırıcı \";\", öbürlerinde \",\"; \"=\", \"+\", \"-\", \"@\" ile\n"
        "                      başlayan metinlerin başına \"'\" konur, formül olarak çalışmasınlar;\n"
        "                      json: betikler için, bölgesel ayarlardan bağımsız.\n"
        "  --yineleme N        risk: yineleme sayısı, 1000 ile 1000000 arası (varsayılan 10000).\n"
        "  --tohum S           risk: rastgele sayı tohumu, 0 ya da daha büyük bir tam sayı (varsayılan 1);\n"
        "                      aynı tohum aynı sonucu verir.\n"
        "  --dagilim DAĞILIM   risk: ucgen (üçgen) ya da pert (beta-PERT, λ = 4). Verilmezse projenin\n"
        "                      Kavrion'da seçilmiş dağılımı (seçilmemişse pert).\n"
        "  --yil YYYY          takvim: listelenecek yıl. Verilmezse projenin başlama yılı (tarihi yoksa bu yıl).\n"
        "  --cikti DOSYA       Yazılacak dosya. Yazma başarısız olursa eski dosya olduğu gibi kalır.\n"
        "  -h, --help          Bu yardımı gösterir.\n"
        "  --                  Ardından gelenler seçenek sayılmaz (\"-\" ile başlayan adlar için).\n"
        "\n"
        "Proje adı tam olarak eşleşmelidir: büyük-küçük harf ve boşluklar dahil.\n"
        "tablo biçiminde satır sonu gibi denetim karakterleri \\n, \\t, \\u001b biçiminde\n"
        "gösterilir ve uzun adlar kısaltılır; adların tam hali json biçimindedir.\n"
        "\n"
        "Çıkış durumu: 0 başarı; 1 veritabanı okunamadı, proje yok ya da dosya yazılamadı;\n"
        "2 kullanım hatası. Her hata standart hataya tek satırlık bir iletiyle bildirilir.\n")
        .arg(varsayilanVeritabani, KomutlarYardimi());
}
