// ctest-sunucu
// kavrion-aktar as scripts start it: a file comes in as one step that an undo takes back
// whole, or the database stays byte for byte as it was and standard error says why.
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/SunucuVeritabani.h"
#include "destek/YardimciProgram.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Csv = "Ad;Süre;Başlangıç;Bitiş;Öncüller\n"
                       "Kazı;2;2026-03-02;2026-03-04;\nBeton;3;2026-03-05;2026-03-09;1\n";

ProgramSonucu Aktar(const QStringList& argumanlar, const QString& klasor)
{
    return ProgramiCalistir(YardimciProgram(QStringLiteral("kavrion-aktar")), argumanlar, klasor);
}

// The files the rows name, in the folder the program runs in.
void DosyalariYaz(const QString& klasor)
{
    const QList<QPair<QString, QByteArray>> dosyalar{
        {"plan.csv", Csv},
        {"kesir.csv", QByteArray(Csv).replace(";3;", ";3,5;")}, // a day and a half must be accepted
        {"tarihsiz.csv", "Ad;Süre\nKazı;2\n"},                   // nothing gives the project's dates
        {"bozuk.xml", "<?xml version=\"1.0\"?><Proje/>"},
        // Progress comes in with its plan: a status date and a task 40% done.
        {"ilerleme.xml", "<?xml version=\"1.0\"?><Project xmlns=\"http://schemas.microsoft.com/project\"><Name>ilerleme"
                         "</Name><StartDate>2026-03-02T08:00:00</StartDate><FinishDate>2026-03-10T17:00:00</FinishDate>"
                         "<StatusDate>2026-03-04T17:00:00</StatusDate><Tasks><Task><UID>1</UID><Name>Kazı</Name>"
                         "<Duration>PT40H0M0S</Duration><ActualStart>2026-03-02T08:00:00</ActualStart>"
                         "<PercentComplete>40</PercentComplete></Task></Tasks></Project>"}};
    for (const auto& [ad, icerik] : dosyalar) {
        QFile dosya(QDir(klasor).filePath(ad));
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(icerik) == icerik.size());
    }
}

} // namespace

class KavrionAktarTest : public QObject {
    Q_OBJECT

private slots:
    // `proje`: the project that comes in with `faaliyet` activities; none when refused.
    void importedOrLeftAsItWas_data()
    {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("ileti");   // what standard error holds; empty: nothing
        QTest::addColumn<QString>("cikti");   // what standard output holds
        QTest::addColumn<QString>("proje");
        QTest::addColumn<int>("faaliyet");
        QTest::newRow("a CSV") << QStringList{"plan.csv"} << 0 << ""
                               << "Proje adı büyük harfle yazılacak: \"plan\" → \"PLAN\".\n\"PLAN\" aktarıldı: 2 faaliyet.\n"
                               << "PLAN" << 2;
        QTest::newRow("named with --ad") << QStringList{"--ad", "yeni iş", "plan.csv"} << 0 << ""
                                         << "\"YENİ İŞ\" aktarıldı: 2 faaliyet.\n" << "YENİ İŞ" << 2;
        QTest::newRow("a taken name") << QStringList{"--ad=alfa", "plan.csv"} << 1
                                      << "kavrion-aktar: \"ALFA\" adıyla kayıtlı bir proje zaten var; "
                                         "boş bir ad: \"ALFA (2)\" (--ad ile verin).\n"
                                      << "" << "" << 0;
        QTest::newRow("needs acceptance") << QStringList{"kesir.csv"} << 1
                                          << "Değişecekler:\nkavrion-aktar:   «Beton»: 3,5 günlük süresi 4 güne "
                                             "yuvarlanacak.\n" << "" << "" << 0;
        QTest::newRow("accepted") << QStringList{"--kabul", "kesir.csv"} << 0 << ""
                                  << "Kavrion'un tutamadıkları:\n«Beton»: 3,5 günlük süresi 4 güne yuvarlanacak.\n"
                                  << "KESİR" << 2;
        QTest::newRow("no dates") << QStringList{"tarihsiz.csv"} << 1
                                  << "\"TARİHSİZ\" aktarılamıyor: BAŞLAMA TARİHİ boş bırakılmaz! "
                                     "BİTİŞ TARİHİ boş bırakılmaz!"
                                  << "" << "" << 0;
        QTest::newRow("with progress") << QStringList{"--kabul", "ilerleme.xml"} << 0 << "" << "" << "İLERLEME" << 1;
        QTest::newRow("a broken file") << QStringList{"bozuk.xml"} << 1
                                       << "kavrion-aktar: \"bozuk.xml\" içe aktarılamıyor." << "" << "" << 0;
        QTest::newRow("no database") << QStringList{"--veritabani", "yok.mdb", "plan.csv"} << 1 << "yok.mdb: Hata 14: "
                                     << "" << "" << 0;
        QTest::newRow("help") << QStringList{"--help"} << 0 << "" << "Kullanım: kavrion-aktar" << "" << 0;
        const QString kullanim = "Yardım için: kavrion-aktar --help\nKullanım: kavrion-aktar [";
        QTest::newRow("no input") << QStringList{"--kabul"} << 2 << kullanim << "" << "" << 0;
        QTest::newRow("unknown option") << QStringList{"--renk", "plan.csv"} << 2 << kullanim << "" << "" << 0;
        QTest::newRow("a file and a server") << QStringList{"--veritabani", "a.mdb", "--sunucu", "host=/yok", "plan.csv"}
                                             << 2 << "birlikte verilemez." << "" << "" << 0;
        QTest::newRow("two inputs") << QStringList{"plan.csv", "kesir.csv"} << 2 << kullanim << "" << "" << 0;
    }
    void importedOrLeftAsItWas()
    {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, durum);
        QFETCH(QString, ileti);
        QFETCH(QString, cikti);
        QFETCH(QString, proje);
        QFETCH(int, faaliyet);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        DosyalariYaz(vt.klasor());
        const QStringList dokum = vt.Dokum(), once = KlasorGorunumu(vt.klasor());
        const bool kendiVeritabani = argumanlar.contains("--veritabani") || argumanlar.contains("--sunucu");
        const QStringList veritabani = kendiVeritabani ? QStringList() : QStringList{"--veritabani", vt.yol()};
        const ProgramSonucu s = Aktar(veritabani + argumanlar, vt.klasor());
        QCOMPARE(s.durum, durum);
        QVERIFY2(ileti.isEmpty() ? s.hata.isEmpty() : QString::fromUtf8(s.hata).contains(ileti), s.hata.constData());
        QVERIFY2(QString::fromUtf8(s.cikti).contains(cikti) && (durum == 0 || s.cikti.isEmpty()), s.cikti.constData());
        if (proje.isEmpty()) {
            QCOMPARE(KlasorGorunumu(vt.klasor()), once);
            return;
        }
        QVector<KayitliFaaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku(proje, faaliyetler));
        QCOMPARE(faaliyetler.size(), faaliyet);
        KayitliProje okunan;
        QVERIFY(!vt.depo().ProjeOku(proje, okunan));
        QCOMPARE(okunan.ilerleme.faaliyetler.size(), proje == "İLERLEME" ? 1 : 0);
        // One step of the history, which one undo takes back whole.
        QVector<GecmisAdimi> adimlar;
        QVERIFY(!vt.depo().GecmisiOku(adimlar));
        QCOMPARE(adimlar.size(), 8);
        GecmisAdimi adim;
        QVERIFY(!vt.depo().GeriAl(adim));
        QCOMPARE(adim.tur, AdimTuru::IceAktar);
        QCOMPARE(vt.Dokum(), dokum);
    }

    // A team's server: the import writes there as to a file, refuses a taken name there
    // too, and no message shows the password.
    void toAServer()
    {
        SUNUCU_VERITABANI(sunucu);
        QTemporaryDir klasor;
        DosyalariYaz(klasor.path());
        const QString adres = KalinacakAdres(sunucu.adres()) + QStringLiteral(" password=gizli-7q");
        QCOMPARE(ProgramiCalistir(YardimciProgram("veritabani-olustur"), {"--sunucu", adres}).durum, 0);
        const ProgramSonucu ilk = Aktar({"--sunucu", adres, "plan.csv"}, klasor.path());
        QCOMPARE(ilk.durum, 0);
        const ProgramSonucu ikinci = Aktar({"--sunucu", adres, "plan.csv"}, klasor.path());
        QVERIFY2(ikinci.durum == 1 && ikinci.hata.contains("\"PLAN (2)\"") && !ikinci.hata.contains("gizli-7q"),
                 ikinci.hata.constData());
        const ProgramSonucu projeler =
            ProgramiCalistir(YardimciProgram("kavrion-rapor"), {"--sunucu", adres, "projeler"});
        QCOMPARE(QString::fromUtf8(projeler.cikti), QStringLiteral("PLAN\n"));
    }
};

QTEST_GUILESS_MAIN(KavrionAktarTest)
#include "tst_KavrionAktar.moc"
