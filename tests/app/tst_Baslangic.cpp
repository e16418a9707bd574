// Start-up with a Proje.mdb that cannot serve: one box with the reason, no window,
// and not a byte created or changed.
#include "app/Baslangic.h"
#include "app/VeriKonumu.h"
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/DosyaIzinleri.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/YardimciProgram.h"
#include "destek/Yereller.h"
#include "destek/Ozet.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Bozukluk)

namespace {

int denenen = 0;
int atlatilan = 0;
int degisen = 0;

void BaglantilariKapat()
{
    for (const QString& ad : QSqlDatabase::connectionNames()) {
        QSqlDatabase::database(ad, false).close();
        QSqlDatabase::removeDatabase(ad);
    }
}

bool PencereGorunuyor()
{
    for (QWidget* pencere : QApplication::topLevelWidgets()) {
        if (pencere->isVisible())
            return true;
    }
    return false;
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }
    void cleanup() { BaglantilariKapat(); }
    void cleanupTestCase()
    {
        OzetYaz(QStringLiteral("start-up faults: injected %1, survived %2, folders with a file created or changed %3")
                    .arg(denenen).arg(atlatilan).arg(degisen));
    }

    void brokenDatabaseEndsWithOneBox_data()
    {
        QTest::addColumn<Bozukluk>("bozukluk");
        QTest::addColumn<QString>("metin");
        const QString acilamadi = QStringLiteral("Hata 14: Veritabanı dosyası açılamadı: dosya yok ya da erişilemiyor.");
        const QString tablosuz = QStringLiteral("Hata 1: Veritabanında ProjeTablosu tablosu yok. "
                                                "Dosya bir Kavrion veritabanı değil.");
        QTest::newRow("missing") << Bozukluk::Yok << acilamadi;
        QTest::newRow("a folder") << Bozukluk::Klasor << acilamadi;
        QTest::newRow("empty file") << Bozukluk::Bos << tablosuz;
        QTest::newRow("random bytes") << Bozukluk::Cop
                                      << QStringLiteral("Hata 26: Dosya bir veritabanı değil.");
        QTest::newRow("no tables") << Bozukluk::Tablosuz << tablosuz;
        QTest::newRow("a column missing")
            << Bozukluk::SutunuEksik
            << QStringLiteral("Hata 1: Veritabanındaki FaaliyetlerTablosu tablosunda OncekiFaaliyet sütunu yok.");
        QTest::newRow("no row number column")
            << Bozukluk::KimliksizTablo
            << QStringLiteral("Hata 1: Veritabanındaki ProjeTablosu tablosunda Kimlik sütunu yok.");
        QTest::newRow("no read permission") << Bozukluk::Okunamaz << acilamadi;
        QTest::newRow("locked exclusively")
            << Bozukluk::OzelKilitli
            << QStringLiteral("Hata 5: Veritabanı başka bir program tarafından kullanılıyor (kilitli). "
                              "Biraz sonra yeniden deneyin.");
    }
    void brokenDatabaseEndsWithOneBox()
    {
        QFETCH(Bozukluk, bozukluk);
        QFETCH(QString, metin);
        QTemporaryDir dizin;
        const BozukVeritabani bozuk(dizin.path(), bozukluk);
        QVERIFY(bozuk.hazir());
        const QStringList once = KlasorGorunumu(dizin.path());
        ++denenen;

        MesajKaydi kayit;
        {
            const DosyaIzinleriGecerli izinler;
            QVERIFY(!Baslat(VeritabaniYolu(dizin.path())));
        }
        QCOMPARE(kayit.sayi(), 1);
        QCOMPARE(kayit.son().baslik, QStringLiteral("Kavrion"));
        QCOMPARE(kayit.son().simge, QMessageBox::Critical);
        QCOMPARE(kayit.son().metin, metin);
        QVERIFY(!PencereGorunuyor());
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
        const QStringList sonra = KlasorGorunumu(dizin.path());
        degisen += sonra == once ? 0 : 1;
        QCOMPARE(sonra, once);
        ++atlatilan;
    }

    // The file beside the executable, read-only, opens for reading; a command that
    // writes is then refused with one box and the file stays as it was.
    void readOnlyFileOpensAndRefusesWrites()
    {
        QTemporaryDir dizin;
        const BozukVeritabani bozuk(dizin.path(), Bozukluk::SaltOkunur);
        QVERIFY(bozuk.hazir());
        const QStringList once = KlasorGorunumu(dizin.path());
        ++denenen;

        MesajKaydi kayit;
        const DosyaIzinleriGecerli izinler;
        const auto acik = Baslat(VeritabaniYolu(dizin.path()));
        QVERIFY(acik && acik->pencere.isVisible());
        TemelForm* pencere = &acik->pencere;
        QCOMPARE(kayit.sayi(), 0);
        QCOMPARE(pencere->ProjeListesi->Metinler(), QStringList{"ALFA"});
        pencere->ProjeListesi->Sec(0);
        QTest::mouseClick(pencere->ProjeSilDugmesi, Qt::LeftButton);
        QCOMPARE(kayit.hatalar(), QStringList{"Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör "
                                              "salt okunur."});
        QCOMPARE(pencere->ProjeListesi->Metinler(), QStringList{"ALFA"});
        const QStringList sonra = KlasorGorunumu(dizin.path());
        degisen += sonra == once ? 0 : 1;
        QCOMPARE(sonra, once);
        ++atlatilan;
    }

    // Where the plan file is without an argument: beside a portable copy, in the data folder
    // for an installed one.
    void fileBesideTheProgramOrInTheDataFolder_data()
    {
        QTest::addColumn<QString>("klasor");
        QTest::addColumn<bool>("dosyaVar");
        QTest::addColumn<bool>("yazilabilir");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("beklenen"); // "!" marks the data folder's
        const QString kopya = "/home/ayse/kavrion/bin", veri = "!/home/ayse/.local/share/kavrion/Proje.mdb";
        QTest::newRow("file beside") << kopya << true << false << "" << kopya + "/Proje.mdb";
        QTest::newRow("folder writable") << kopya << false << true << "" << kopya + "/Proje.mdb";
        QTest::newRow("installed") << "/usr/bin" << false << false << "" << veri;
        QTest::newRow("installed, root") << "/usr/bin" << false << true << "" << veri;
        QTest::newRow("/usrx is no /usr") << "/usrx/bin" << false << true << "" << "/usrx/bin/Proje.mdb";
        QTest::newRow("read-only copy") << kopya << false << false << "" << veri;
        QTest::newRow("XDG_DATA_HOME") << "/opt/k" << false << false << "/veri/" << "!/veri/kavrion/Proje.mdb";
        QTest::newRow("relative XDG_DATA_HOME") << "/opt/k" << false << false << "veri" << veri;
    }
    void fileBesideTheProgramOrInTheDataFolder()
    {
        QFETCH(QString, klasor);
        QFETCH(bool, dosyaVar);
        QFETCH(bool, yazilabilir);
        QFETCH(QString, xdg);
        QFETCH(QString, beklenen);
        const VeriKonumu konum = VeriKonumuSec(klasor, dosyaVar, yazilabilir, xdg, "/home/ayse");
        QCOMPARE((konum.veriKlasorunde ? "!" : "") + konum.yol, beklenen);
    }

    // Help and the version answer without a window (or a display); a line the program cannot
    // use ends it with status 2 and one line on standard error, opening nothing.
    void commandLineAnswersOrRefuses_data()
    {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QByteArray>("cikti"); // how standard output, or else the error line, begins
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("kavrion 1.");
        QTest::newRow("help beside a mistake") << QStringList{"--yok", "-h"} << 0 << QByteArray("Kullanım: kavrion");
        QTest::newRow("unknown option") << QStringList{"--surum"} << 2 << QByteArray("geçersiz argüman \"--surum\"");
        QTest::newRow("two files") << QStringList{"a.mdb", "b.mdb"} << 2 << QByteArray("geçersiz argüman \"b.mdb\"");
        QTest::newRow("a file and a server") << QStringList{"--sunucu", "host=/yok", "a.mdb"} << 2
                                             << QByteArray("geçersiz argüman \"a.mdb\"");
    }
    void commandLineAnswersOrRefuses()
    {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, durum);
        QFETCH(QByteArray, cikti);
        QTemporaryDir dizin;
        const ProgramSonucu sonuc = ProgramiCalistir(YardimciProgram("kavrion"), argumanlar, dizin.path());
        QCOMPARE(sonuc.durum, durum);
        QVERIFY(durum == 0 ? sonuc.cikti.startsWith(cikti) : sonuc.cikti.isEmpty());
        QCOMPARE(sonuc.hata.count("kavrion: "), durum / 2);
        QVERIFY(durum == 0 || sonuc.hata.contains("kavrion: " + cikti));
        QVERIFY(QDir(dizin.path()).isEmpty());
    }

    void qtTextsAreTurkish()
    {
        TurkceArayuzuYukle(*qApp);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Evet"));
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_Baslangic.moc"
