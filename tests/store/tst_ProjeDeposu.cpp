#include "destek/GeciciVeritabani.h"
#include "destek/Yereller.h"
#include "store/ProjeDeposu.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Özet(const QString& yol)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(dosya.readAll(), QCryptographicHash::Sha256);
}

// Runs statements on a database file through a connection of its own.
void SqlÇalıştır(const QString& yol, const QStringList& komutlar)
{
    const QString ad = QStringLiteral("hazırlık");
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        vt.setDatabaseName(yol);
        QVERIFY(vt.open());
        QSqlQuery sorgu(vt);
        for (const QString& komut : komutlar)
            QVERIFY2(sorgu.exec(komut), qPrintable(komut));
        vt.close();
    }
    QSqlDatabase::removeDatabase(ad);
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    void pathBesideExecutable_data()
    {
        QTest::addColumn<QString>("klasör");
        QTest::addColumn<QString>("yol");
        QTest::newRow("root") << "/" << "/Proje.mdb";
        QTest::newRow("folder") << "/opt/kavrion" << "/opt/kavrion/Proje.mdb";
        QTest::newRow("folder with separator") << "/opt/kavrion/" << "/opt/kavrion/Proje.mdb";
    }
    void pathBesideExecutable()
    {
        QFETCH(QString, klasör);
        QTEST(VeritabanıYolu(klasör), "yol");
    }

    // Each broken file is refused with its own number, and nothing is created or changed.
    void openRefusesWhatIsNotOurDatabase_data()
    {
        QTest::addColumn<QString>("hazırlık");
        QTest::addColumn<int>("numara");
        QTest::newRow("missing") << "yok" << 14;
        QTest::newRow("a folder") << "klasör" << 14;
        QTest::newRow("empty file") << "boş" << 1;
        QTest::newRow("random bytes") << "çöp" << 26;
        QTest::newRow("no tables") << "tablosuz" << 1;
        QTest::newRow("a column missing") << "sütunsuz" << 1;
    }
    void openRefusesWhatIsNotOurDatabase()
    {
        QFETCH(QString, hazırlık);
        QTemporaryDir dizin;
        const QString yol = VeritabanıYolu(dizin.path());
        if (hazırlık == QStringLiteral("klasör")) {
            QVERIFY(QDir(dizin.path()).mkdir(QStringLiteral("Proje.mdb")));
        } else if (hazırlık == QStringLiteral("boş") || hazırlık == QStringLiteral("çöp")) {
            QFile dosya(yol);
            QVERIFY(dosya.open(QIODevice::WriteOnly));
            if (hazırlık == QStringLiteral("çöp"))
                dosya.write(QByteArray(4096, '\x5a'));
        } else if (hazırlık == QStringLiteral("tablosuz")) {
            SqlÇalıştır(yol, {QStringLiteral("CREATE TABLE Baska (x)")});
        } else if (hazırlık == QStringLiteral("sütunsuz")) {
            SqlÇalıştır(yol, {QStringLiteral("CREATE TABLE ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)"),
                              QStringLiteral("CREATE TABLE FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure)")});
        }
        const QByteArray önce = Özet(yol);
        const QStringList dosyalarÖnce = QDir(dizin.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        const DepoHatası hata = ProjeDeposu::Aç(yol, QStringLiteral("açılış"));
        QTEST(hata.numara, "numara");
        QVERIFY(!hata.açıklama.isEmpty());
        QCOMPARE(Özet(yol), önce);
        QCOMPARE(QDir(dizin.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dosyalarÖnce);
        QVERIFY(!QSqlDatabase::contains(QStringLiteral("açılış")));
    }

    void hostileNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::newRow("injection") << "O'Brien'; DROP TABLE ProjeTablosu;--";
        QTest::newRow("double quotes") << "\"ALFA\"";
        QTest::newRow("wildcards") << "%_\\";
        QTest::newRow("emoji and marks") << QString::fromUtf8("PROJE \xF0\x9F\x9A\x80 e\xCC\x81");
        QTest::newRow("blanks") << "   ";
    }
    void hostileNamesRoundTrip()
    {
        QFETCH(QString, ad);
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("DİĞER"), "2026-01-01", "2026-01-05", {{"A", "x", "1", ""}});
        vt.ProjeEkle(ad, "2026-03-01", "2026-03-11", {{"A", ad, "3", ""}, {"B", "b", "2", "A"}});

        QStringList adlar;
        QVERIFY(!vt.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar, (QStringList{QStringLiteral("DİĞER"), ad}));
        QVector<Faaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku(ad, faaliyetler));
        QCOMPARE(faaliyetler.size(), 2);
        QCOMPARE(faaliyetler[0].adı, ad);

        QVERIFY(!vt.depo().ProjeSil(ad));
        QCOMPARE(vt.Satırlar(), (QStringList{"P|DİĞER|2026-01-01|2026-01-05|", "F|DİĞER|A|x|1|"}));
    }

    void listsKeepTheOrderAdded()
    {
        GeçiciVeritabanı vt;
        for (const char* ad : {"ZETA", "ALFA", "MU"})
            vt.ProjeEkle(QString::fromUtf8(ad));
        QStringList adlar;
        QVERIFY(!vt.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar, (QStringList{"ZETA", "ALFA", "MU"}));

        // Codes as another program might have added them: the list keeps that order, not code order.
        vt.ProjeEkle(QStringLiteral("KODLAR"), "2026-01-01", "2026-01-02",
                     {{"A", "a", "1", ""}, {"C", "c", "1", "A"}, {"B", "b", "1", "A"}});
        QStringList kodlar;
        QVERIFY(!vt.depo().KodlarıOku(QStringLiteral("KODLAR"), kodlar));
        QCOMPARE(kodlar, (QStringList{"A", "C", "B"}));
        QVector<Faaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku(QStringLiteral("KODLAR"), faaliyetler));
        QCOMPARE(faaliyetler[1].kodu, QStringLiteral("C"));
        QCOMPARE(faaliyetler[0].öncekiler, QString(""));
        QVERIFY(!faaliyetler[0].öncekiler.isNull());
    }

    void datesAreStoredIsoAndShownRegionally()
    {
        GeçiciVeritabanı vt;
        QVERIFY(!vt.depo().ProjeEkle(QStringLiteral("T"), QStringLiteral("1.03.2026"), QStringLiteral("11.03.2026")));
        QCOMPARE(vt.Satırlar(), QStringList{"P|T|2026-03-01|2026-03-11|"});

        ProjeBilgisi bilgi;
        QVERIFY(!vt.depo().ProjeOku(QStringLiteral("T"), bilgi));
        QCOMPARE(bilgi.başlamaTarihi, QStringLiteral("1.03.2026"));
        QLocale::setDefault(Amerikan);
        QVERIFY(!vt.depo().ProjeOku(QStringLiteral("T"), bilgi));
        QCOMPARE(bilgi.başlamaTarihi, QStringLiteral("3/1/2026"));
        QCOMPARE(bilgi.bitişTarihi, QStringLiteral("3/11/2026"));

        const DepoHatası hata = vt.depo().ProjeEkle(QStringLiteral("U"), QStringLiteral("31.02.2026"), bilgi.bitişTarihi);
        QCOMPARE(hata.numara, int(DepoHatası::Uyumsuz));
        QCOMPARE(vt.Satırlar().size(), 1);
    }

    void refusedWritesLeaveEverythingAsItWas()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("ALFA"), "2026-01-01", "2026-01-09", {{"A", "a", "1", ""}});
        vt.ProjeEkle(QStringLiteral("BETA"));
        const QStringList önce = vt.Satırlar();
        const ProjeDeposu depo = vt.depo();

        QCOMPARE(depo.ProjeEkle(QStringLiteral("ALFA"), "2026-01-01", "2026-01-02").numara, 19);
        // Renaming onto a taken name must not move ALFA's activities either.
        QCOMPARE(depo.ProjeDeğiştir(QStringLiteral("ALFA"), QStringLiteral("BETA"), "2026-01-01", "2026-01-02").numara,
                 19);
        QCOMPARE(depo.ProjeDeğiştir(QStringLiteral("YOK"), QStringLiteral("YENİ"), "2026-01-01", "2026-01-02").numara,
                 int(DepoHatası::Bulunamadı));
        QCOMPARE(depo.ProjeSil(QStringLiteral("YOK")).numara, int(DepoHatası::Bulunamadı));
        QCOMPARE(depo.FaaliyetEkle(QStringLiteral("YOK"), {"A", "a", "1", ""}).numara, int(DepoHatası::Bulunamadı));
        QCOMPARE(depo.FaaliyetEkle(QStringLiteral("ALFA"), {"A", "tekrar", "1", ""}).numara, 19);
        QCOMPARE(depo.FaaliyetEkle(QStringLiteral("ALFA"), {"B", "b", "2147483648", "A"}).numara,
                 int(DepoHatası::Uyumsuz));
        QCOMPARE(depo.FaaliyetEkle(QStringLiteral("ALFA"), {"BB", "b", "1", "A"}).numara, 19);
        QCOMPARE(depo.FaaliyetDeğiştir(QStringLiteral("ALFA"), {"Z", "z", "1", "A"}).numara,
                 int(DepoHatası::Bulunamadı));
        QCOMPARE(vt.Satırlar(), önce);
    }

    void renameCarriesTheNameToActivities()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("ALFA"), "2026-01-01", "2026-01-09", {{"A", "a", "1", ""}, {"B", "b", "2", "A"}});
        vt.ProjeEkle(QStringLiteral("GAMA"), "2026-01-01", "2026-01-09", {{"A", "g", "1", ""}});
        QVERIFY(!vt.depo().ProjeDeğiştir(QStringLiteral("ALFA"), QStringLiteral("BETA"), "2.01.2026", "3.01.2026"));
        QCOMPARE(vt.Satırlar(), (QStringList{"P|BETA|2026-01-02|2026-01-03|", "P|GAMA|2026-01-01|2026-01-09|",
                                             "F|BETA|A|a|1|", "F|BETA|B|b|2|A", "F|GAMA|A|g|1|"}));
    }

    void durationsTakeRegionalGrouping_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("süre");
        QTest::addColumn<QString>("saklanan");
        QTest::newRow("tr grouping") << Türkçe << "1.234" << "1234";
        QTest::newRow("en grouping") << Amerikan << "1,234" << "1234";
        QTest::newRow("negative") << Türkçe << "-4" << "-4";
        QTest::newRow("smallest") << Türkçe << "-2147483648" << "-2147483648";
    }
    void durationsTakeRegionalGrouping()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, süre);
        QLocale::setDefault(yerel);
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("P"));
        QVERIFY(!vt.depo().FaaliyetEkle(QStringLiteral("P"), {"A", "a", süre, ""}));
        QVector<Faaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku(QStringLiteral("P"), faaliyetler));
        QTEST(faaliyetler.value(0).süre, "saklanan");
    }

    void greatestCodeAndLastDelete()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("P"));
        QString kod = QStringLiteral("x");
        QVERIFY(!vt.depo().EnBüyükKodu(QStringLiteral("P"), kod));
        QVERIFY(kod.isEmpty());

        // Added out of code order: the greatest code is deleted, not the newest row.
        for (const char* k : {"A", "[", "Z", "B"})
            QVERIFY(!vt.depo().FaaliyetEkle(QStringLiteral("P"), {k, "f", "1", k == QLatin1String("A") ? "" : "A"}));
        QVERIFY(!vt.depo().EnBüyükKodu(QStringLiteral("P"), kod));
        QCOMPARE(kod, QStringLiteral("["));
        QVERIFY(!vt.depo().SonFaaliyetiSil(QStringLiteral("P")));
        QVERIFY(!vt.depo().SonFaaliyetiSil(QStringLiteral("P")));
        QStringList kodlar;
        QVERIFY(!vt.depo().KodlarıOku(QStringLiteral("P"), kodlar));
        QCOMPARE(kodlar, (QStringList{"A", "B"}));

        QVERIFY(!vt.depo().TümFaaliyetleriSil(QStringLiteral("P")));
        QVERIFY(!vt.depo().KodlarıOku(QStringLiteral("P"), kodlar));
        QVERIFY(kodlar.isEmpty());
        QCOMPARE(vt.Satırlar().size(), 1);
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_ProjeDeposu.moc"
