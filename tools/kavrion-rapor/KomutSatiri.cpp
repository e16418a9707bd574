#include "KomutSatiri.h"

#include <QFileInfo>
#include <optional>

namespace {

using Tür = RaporKomutu::Tür;
using Biçim = RaporKomutu::Biçim;

struct Seçenekler {
    std::optional<QString> veritabanı, biçim, çıktı;
    bool yardım = false;
    QStringList konumlu;
};

QString Tırnaklı(const QString& metin)
{
    return QLatin1Char('"') + metin + QLatin1Char('"');
}

// Sorts the arguments into options and names; an error names the first fault.
QString Ayır(const QStringList& argümanlar, Seçenekler& s)
{
    bool seçeneklerBitti = false;
    for (int i = 0; i < argümanlar.size(); ++i) {
        const QString& a = argümanlar.at(i);
        if (seçeneklerBitti || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            s.konumlu << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            seçeneklerBitti = true;
            continue;
        }
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--yardim")) {
            s.yardım = true;
            continue;
        }
        const qsizetype eşit = a.indexOf(QLatin1Char('='));
        const QString ad = eşit < 0 ? a : a.left(eşit);
        std::optional<QString>* hedef = ad == QLatin1String("--veritabani") ? &s.veritabanı
                                         : ad == QLatin1String("--bicim")    ? &s.biçim
                                         : ad == QLatin1String("--cikti")    ? &s.çıktı
                                                                             : nullptr;
        if (!hedef)
            return QStringLiteral("bilinmeyen seçenek: %1").arg(Tırnaklı(a));
        if (*hedef)
            return QStringLiteral("%1 seçeneği bir kez verilebilir.").arg(ad);
        if (eşit < 0 && i + 1 >= argümanlar.size())
            return QStringLiteral("%1 seçeneği bir değer ister.").arg(ad);
        const QString değer = eşit < 0 ? argümanlar.at(++i) : a.mid(eşit + 1);
        if (değer.isEmpty())
            return QStringLiteral("%1 seçeneğinin değeri boş.").arg(ad);
        *hedef = değer;
    }
    return QString();
}

QString BiçimiSeç(const Seçenekler& s, RaporKomutu& komut, bool csvOlur)
{
    const QString değer = s.biçim.value_or(QStringLiteral("tablo"));
    if (değer == QLatin1String("tablo"))
        komut.biçim = Biçim::Tablo;
    else if (değer == QLatin1String("json"))
        komut.biçim = Biçim::Json;
    else if (değer == QLatin1String("csv") && csvOlur)
        komut.biçim = Biçim::Csv;
    else
        return QStringLiteral("--bicim %1 olamaz; %2.")
            .arg(Tırnaklı(değer), csvOlur ? QStringLiteral("tablo, csv ya da json olabilir")
                                          : QStringLiteral("tablo ya da json olabilir"));
    return QString();
}

// gantt writes the picture its file's extension names.
QString ResimBiçimi(const QString& çıktı, RaporKomutu& komut)
{
    const QString uzantı = QFileInfo(çıktı).suffix().toLower();
    if (uzantı == QLatin1String("svg"))
        komut.biçim = Biçim::Svg;
    else if (uzantı == QLatin1String("png"))
        komut.biçim = Biçim::Png;
    else if (uzantı == QLatin1String("pdf"))
        komut.biçim = Biçim::Pdf;
    else
        return QStringLiteral("gantt dosyasının uzantısı .svg, .png ya da .pdf olmalı.");
    return QString();
}

} // namespace

Çözümleme KomutuÇözümle(const QStringList& argümanlar)
{
    Seçenekler s;
    Çözümleme sonuç;
    RaporKomutu& komut = sonuç.komut;
    sonuç.hata = Ayır(argümanlar, s);
    if (!sonuç.hata.isEmpty() || s.yardım)
        return sonuç;
    if (s.konumlu.isEmpty()) {
        sonuç.hata = QStringLiteral("komut verilmedi.");
        return sonuç;
    }
    const QString ad = s.konumlu.first();
    komut.veritabanı = s.veritabanı.value_or(QString());
    komut.proje = s.konumlu.value(1);
    komut.çıktı = s.çıktı.value_or(QString());

    if (ad == QLatin1String("projeler"))
        komut.tür = Tür::Projeler;
    else if (ad == QStringLiteral("çizelge") || ad == QLatin1String("cizelge"))
        komut.tür = Tür::Çizelge;
    else if (ad == QLatin1String("gantt"))
        komut.tür = Tür::Gantt;
    else if (ad == QLatin1String("xml"))
        komut.tür = Tür::Xml;
    else {
        sonuç.hata = QStringLiteral("bilinmeyen komut: %1").arg(Tırnaklı(ad));
        return sonuç;
    }

    const bool projeli = komut.tür != Tür::Projeler;
    const bool dosyalı = komut.tür == Tür::Gantt || komut.tür == Tür::Xml;
    if (s.konumlu.size() != (projeli ? 2 : 1))
        sonuç.hata = projeli ? QStringLiteral("%1 komutu bir proje adı ister.").arg(ad)
                             : QStringLiteral("projeler komutu proje adı almaz.");
    else if (dosyalı && !s.çıktı)
        sonuç.hata = QStringLiteral("%1 komutu --cikti DOSYA ister.").arg(ad);
    else if (!dosyalı && s.çıktı)
        sonuç.hata = QStringLiteral("%1 komutu --cikti almaz; çıktısı standart çıktıya yazılır.").arg(ad);
    else if (dosyalı && s.biçim)
        sonuç.hata = QStringLiteral("%1 komutu --bicim almaz.").arg(ad);
    else if (komut.tür == Tür::Gantt)
        sonuç.hata = ResimBiçimi(komut.çıktı, komut);
    else if (komut.tür == Tür::Xml)
        komut.biçim = Biçim::Xml;
    else
        sonuç.hata = BiçimiSeç(s, komut, komut.tür == Tür::Çizelge);
    return sonuç;
}

QString YardımMetni(const QString& varsayılanVeritabanı)
{
    return QStringLiteral(
        "Kullanım: kavrion-rapor [--veritabani DOSYA] KOMUT ...\n"
        "Kavrion veritabanındaki planları raporlar. Veritabanını salt okunur açar: hiçbir\n"
        "dosya oluşturmaz, hiçbir şeyi değiştirmez; Kavrion açıkken de çalışır.\n"
        "\n"
        "Komutlar:\n"
        "  projeler [--bicim tablo|json]\n"
        "      Proje adları, her satırda bir ad.\n"
        "  çizelge PROJE [--bicim tablo|csv|json]\n"
        "      Projenin ağ analizi: her faaliyetin süresi, ES, EF, LS, LF, bollukları,\n"
        "      tarihleri; kritik yollar; planla karşılaştırma.\n"
        "  gantt PROJE --cikti DOSYA.svg|DOSYA.png|DOSYA.pdf\n"
        "      Gantt şemasını (PDF'de çizelgeyle birlikte sayfalara) dosyaya yazar.\n"
        "  xml PROJE --cikti DOSYA.xml\n"
        "      Projeyi Microsoft Project XML (MSPDI) dosyası olarak yazar.\n"
        "\n"
        "Seçenekler:\n"
        "  --veritabani DOSYA  Okunacak veritabanı. Verilmezse: %1\n"
        "  --bicim BİÇİM       tablo: uçbirim için hizalı metin, bölgesel tarihlerle (varsayılan);\n"
        "                      csv: hesap tablosu için (UTF-8, RFC 4180); ondalık virgül kullanan\n"
        "                      bölgelerde ayırıcı \";\", öbürlerinde \",\";\n"
        "                      json: betikler için, bölgesel ayarlardan bağımsız.\n"
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
        .arg(varsayılanVeritabanı);
}
