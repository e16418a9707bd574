#include "AktarmaKomutu.h"

#include "SecenekAyirma.h"

AktarmaCozumu AktarmaKomutunuCozumle(const QStringList& argumanlar)
{
    AktarmaCozumu sonuc;
    AktarmaKomutu& komut = sonuc.komut;
    std::optional<QString> veritabani, sunucu;
    QStringList konumlu;
    sonuc.hata = SecenekleriAyir(argumanlar,
                                 {{"--veritabani", &veritabani}, {"--sunucu", &sunucu}, {"--ad", &komut.ad}},
                                 {{"--kabul", &komut.kabul}}, komut.yardim, konumlu);
    if (!sonuc.hata.isEmpty() || komut.yardim)
        return sonuc;
    komut.vt = {veritabani.value_or(QString()), sunucu.value_or(QString())};
    komut.girdi = konumlu.value(0);
    const auto kaynak = KaynagiBul(komut.girdi);
    if (veritabani && sunucu)
        sonuc.hata = QStringLiteral("--veritabani ile --sunucu birlikte verilemez.");
    else if (konumlu.isEmpty())
        sonuc.hata = QStringLiteral("aktarılacak dosya (GİRDİ) verilmedi.");
    else if (konumlu.size() > 1)
        sonuc.hata = QStringLiteral("tek bir dosya aktarılır; fazladan: \"%1\"").arg(konumlu.at(1));
    else if (!kaynak)
        sonuc.hata = QStringLiteral("GİRDİ'nin uzantısı .xml (MSPDI), .csv ya da .mdb (Kavrion) olmalı.");
    else
        komut.kaynak = *kaynak;
    return sonuc;
}

QString AktarmaKullanimi()
{
    return QStringLiteral("Kullanım: kavrion-aktar [--veritabani DOSYA | --sunucu BAĞLANTI] [--ad \"PROJE ADI\"] "
                          "[--kabul] GİRDİ\n");
}

QString AktarmaYardimi(const QString& varsayilanVeritabani)
{
    return AktarmaKullanimi()
           + QStringLiteral(
               "Bir Microsoft Project XML (MSPDI, .xml), CSV (.csv) ya da Kavrion (.mdb) dosyasını, Kavrion'daki\n"
               "\"Dosya → İçe Aktar…\" gibi okur ve yeni proje olarak tek bir geri alınabilir adımda yazar.\n"
               "Okuma ve dönüşümlerin raporu standart çıktıya yazılır.\n"
               "\n"
               "Seçenekler:\n"
               "  --veritabani DOSYA  Yazılacak veritabanı; var olmalı, oluşturulmaz. Verilmezse: %1\n"
               "  --sunucu BAĞLANTI   Bir PostgreSQL sunucusuna yazar (libpq bağlantı dizesi ya da\n"
               "                      postgresql:// adresi). Parola libpq'nun yollarıyla verilir (~/.pgpass,\n"
               "                      PGPASSWORD); hiçbir çıktıda gösterilmez.\n"
               "  --ad \"PROJE ADI\"    Yeni projenin adı (büyük harfle yazılır). Verilmezse dosyadaki ad.\n"
               "                      Yalnız tek proje aktaran dosyalarda.\n"
               "  --kabul             Dosyada Kavrion'un tutamadıklarını (kesirli süreler, iki görev arasında\n"
               "                      ikinci bağlar) kabul eder; verilmezse böyle bir dosya, değişecekler\n"
               "                      listelenerek reddedilir.\n"
               "  -h, --help          Bu yardımı gösterir.\n"
               "  --                  Ardından gelen dosya adı seçenek sayılmaz (\"-\" ile başlayan adlar için).\n"
               "\n"
               "Kayıtlı bir adla aktarılmaz: ret iletisi boş bir ad önerir, --ad ile verilebilir.\n"
               "\n"
               "Çıkış durumu: 0 aktarıldı; 1 reddedildi (standart hataya nedeni yazılır, veritabanına\n"
               "hiçbir şey yazılmaz); 2 kullanım hatası.\n")
                 .arg(varsayilanVeritabani);
}
