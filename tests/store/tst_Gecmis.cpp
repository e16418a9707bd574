// ctest-motorlar
// The undo history in the file: every write undone gives back every column of every
// row, ids and order included, and redone gives its result again; a row written
// elsewhere since refuses the undo whole; a file of an older Kavrion is only changed by
// its first write, and one of a newer Kavrion is never written.
#include "destek/GeciciVeritabani.h"
#include "destek/YazimKomutlari.h"
#include "store/Sema.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace {

QString Adim(const GecmisAdimi& a)
{
    return QStringLiteral("%1 %2|%3|%4 %5").arg(int(a.tur)).arg(a.projeOnce, a.projeSonra, a.kodu)
        .arg(a.uygulandi ? "uygulandı" : "geri alındı");
}

int Sayi(const GeciciVeritabani& vt, const QString& sql)
{
    const auto baglanti = vt.Baglan();
    QSqlQuery sorgu(baglanti->vt());
    return sorgu.exec(sql) && sorgu.next() ? sorgu.value(0).toInt() : -1;
}

QByteArray Baytlar(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

// Undoes (or redoes) until there is nothing left; the number of steps it took.
int Sonuna(const ProjeDeposu& d, bool geri)
{
    GecmisAdimi adim;
    int sayi = 0;
    while (!(geri ? d.GeriAl(adim) : d.Yinele(adim)) && adim.kimlik != 0)
        ++sayi;
    return sayi;
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void everyWriteIsUndoneAndRedone_data()
    {
        QTest::addColumn<int>("komut");
        for (int i = 0; i < int(std::size(YazimKomutlari)); ++i)
            QTest::newRow(YazimKomutlari[i].ad) << i;
    }
    // Undone and redone one step, then back to the empty file and forward again.
    void everyWriteIsUndoneAndRedone()
    {
        QFETCH(int, komut);
        const YazimKomutu& k = YazimKomutlari[komut];
        GeciciVeritabani vt;
        OrnekProjeler(vt); // 7 steps
        const ProjeDeposu d = vt.depo();
        const QStringList once = vt.Dokum();
        const QDateTime simdi = QDateTime::currentDateTimeUtc();
        QVERIFY(!k.calistir(d, AlfaOku(d)));
        const QStringList sonra = vt.Dokum();
        QVERIFY(sonra != once);

        GecmisAdimi adim;
        const DepoHatasi hata = d.GeriAl(adim);
        QVERIFY2(!hata, qPrintable(hata.aciklama + hata.ayrinti));
        QCOMPARE(vt.Dokum(), once);
        QCOMPARE(Adim(adim), QStringLiteral("%1 %2 geri alındı").arg(int(k.tur)).arg(k.adim));
        QVERIFY(adim.zaman.timeSpec() == Qt::UTC && qAbs(adim.zaman.msecsTo(simdi)) < 60000);
        QVERIFY(!d.Yinele(adim) && adim.uygulandi);
        QCOMPARE(vt.Dokum(), sonra);
        QVERIFY(!d.Yinele(adim) && adim.kimlik == 0);

        QCOMPARE(Sonuna(d, true), 8);
        QVERIFY(vt.Dokum().isEmpty());
        QVERIFY(!d.GeriAl(adim) && adim.kimlik == 0);
        QCOMPARE(Sonuna(d, false), 8);
        QCOMPARE(vt.Dokum(), sonra);
        QVector<GecmisAdimi> adimlar;
        QVERIFY(!d.GecmisiOku(adimlar));
        QCOMPARE(adimlar.size(), 8);
        QCOMPARE(Adim(adimlar[0]), "1 |ALFA| uygulandı");
        QCOMPARE(Adim(adimlar[7]), QStringLiteral("%1 %2 uygulandı").arg(int(k.tur)).arg(k.adim));
    }

    // Another program wrote a row the step wrote: undo or redo is refused, names the row, writes nothing.
    void changedElsewhereIsRefusedWhole_data()
    {
        QTest::addColumn<int>("komut");
        QTest::addColumn<bool>("yinele"); // undone first, then the other program writes, then redone
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("kutu");
        const QString tail = "; geri alınamadı, hiçbir şey yazılmadı.";
        QTest::newRow("activity changed") << 4 << false << "UPDATE FaaliyetlerTablosu SET Adi = 'x' WHERE Kodu = 'B'"
            << "\"ALFA\" projesinin B faaliyeti bu adımdan sonra başka bir yerde değiştirilmiş" + tail;
        // The same bytes as a blob are not the text the step wrote (a server's column has one type).
        if (!GeciciVeritabani::Sunucuda())
            QTest::newRow("same value, other type") << 4 << false
                << "UPDATE FaaliyetlerTablosu SET Adi = CAST(Adi AS BLOB) WHERE Kodu = 'B' AND Projesi = 'ALFA'"
                << "\"ALFA\" projesinin B faaliyeti bu adımdan sonra başka bir yerde değiştirilmiş" + tail;
        QTest::newRow("activity deleted") << 3 << false << "DELETE FROM FaaliyetlerTablosu WHERE Kodu = 'D'"
            << "\"ALFA\" projesinin D faaliyeti bu adımdan sonra başka bir yerde silinmiş" + tail;
        QTest::newRow("project's date changed") << 1 << false << "UPDATE ProjeTablosu SET BitisTarihi = '2026-12-01'"
            << "\"ALFA 2\" projesi bu adımdan sonra başka bir yerde değiştirilmiş" + tail;
        // Its activities are put back first: the whole undo is rolled back.
        QTest::newRow("deleted project's place taken") << 2 << false
            << "INSERT INTO ProjeTablosu VALUES (1, 'GAMA', '2026-01-01', '2026-01-02')"
            << "\"ALFA\" projesinin yeri (kayıt 1) bu adımdan sonra başka bir yerde eklenen bir kayıtça alınmış" + tail;
        QTest::newRow("redo, place taken") << 3 << true
            << "INSERT INTO FaaliyetlerTablosu VALUES (5, 'BETA', 'B', 'b', 1, 'A')"
            << "\"ALFA\" projesinin D faaliyetinin yeri (kayıt 5) bu adımdan sonra başka bir yerde eklenen bir kayıtça "
               "alınmış; yinelenemedi, hiçbir şey yazılmadı.";
    }
    void changedElsewhereIsRefusedWhole()
    {
        QFETCH(int, komut);
        QFETCH(bool, yinele);
        QFETCH(QString, sql);
        QFETCH(QString, kutu);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        QVERIFY(!YazimKomutlari[komut].calistir(d, AlfaOku(d)));
        GecmisAdimi adim;
        QVERIFY(!yinele || !d.GeriAl(adim));
        QVERIFY(vt.Calistir({sql}));
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        const DepoHatasi hata = yinele ? d.Yinele(adim) : d.GeriAl(adim);
        QCOMPARE(hata.numara, int(DepoHatasi::Bulunamadi));
        QCOMPARE(hata.aciklama, kutu);
        QCOMPARE(adim.kimlik, 0);
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
    }

    // A file of an older Kavrion (0: no history, 1: no estimates, 2: no distributions, 3: no calendars, nor progress)
    // is read, and even given a
    // nothing-to-undo, without a byte changed; its first write brings what it lacks, and
    // the history can undo that write.
    void anOlderFileChangesOnlyWithItsFirstWrite_data()
    {
        QTest::addColumn<int>("surum");
        QTest::addColumn<QStringList>("sql");
        const QString tahminler = "DROP TABLE TahminlerTablosu", dagilim = "DROP TABLE DagilimTablosu";
        // The history's images as they were before progress: six columns.
        const QStringList gecmis{"DELETE FROM GecmisDegisiklikleri", "DELETE FROM GecmisAdimlari",
                                 "ALTER TABLE GecmisDegisiklikleri DROP COLUMN O7", "ALTER TABLE GecmisDegisiklikleri DROP COLUMN S7"};
        QTest::newRow("0") << 0 << QStringList{"DROP TABLE GecmisDegisiklikleri", "DROP TABLE GecmisAdimlari", tahminler, dagilim};
        QTest::newRow("1") << 1 << gecmis + QStringList{tahminler, dagilim};
        QTest::newRow("2") << 2 << gecmis + QStringList{dagilim};
        QTest::newRow("3") << 3 << gecmis;
    }
    void anOlderFileChangesOnlyWithItsFirstWrite()
    {
        QFETCH(int, surum);
        QFETCH(QStringList, sql);
        if (GeciciVeritabani::Sunucuda())
            QSKIP("a server's schema is made whole at its version");
        GeciciVeritabani vt;
        vt.ProjeEkle("ALFA", QDate(2026, 1, 1), QDate(2026, 1, 9), {{"A", "a", 1, ""}});
        QCOMPARE(Sayi(vt, "PRAGMA user_version"), Sema::Surum); // as Sema::Kur made it
        QVERIFY(DosyadaCalistir(vt.yol(), sql + QStringList{"DROP TABLE TakvimIstisnalariTablosu", "DROP TABLE TakvimTablosu",
                                                              "DROP TABLE DurumTablosu", "DROP TABLE IlerlemeTablosu",
                                                              "DROP TABLE TabanPlanlariTablosu", "DROP TABLE TabanSatirlariTablosu",
                                                              QString("PRAGMA user_version = %1").arg(surum)}));
        const QStringList once = vt.Dokum();
        const QByteArray baytlar = Baytlar(vt.yol());
        const GeciciBaglanti baglanti(vt.yol());
        const ProjeDeposu d = baglanti.depo();
        QVector<GecmisAdimi> adimlar;
        GecmisAdimi adim;
        QVector<KayitliFaaliyet> fs;
        QHash<QString, UcNoktaTahmini> tahminler;
        QVERIFY(!d.GecmisiOku(adimlar) && adimlar.isEmpty() && !d.FaaliyetleriOku("ALFA", fs));
        QVERIFY(!d.TahminleriOku("ALFA", tahminler) && tahminler.isEmpty());
        Dagilim dagilim = Dagilim::Ucgen;
        QVERIFY(!d.DagilimOku("ALFA", dagilim) && dagilim == Dagilim::Pert);
        KayitliProje alfa;
        QVERIFY(!d.ProjeOku("ALFA", alfa) && alfa.takvim == ProjeTakvimi());
        QVERIFY(alfa.ilerleme == ProjeIlerlemesi() && alfa.tabanlar == TabanPlanlari());
        QVERIFY(!d.GeriAl(adim) && adim.kimlik == 0 && !d.Yinele(adim) && adim.kimlik == 0);
        QCOMPARE(Baytlar(vt.yol()), baytlar);

        QVERIFY(!d.TahminDegistir("ALFA", "A", std::nullopt, UcNoktaTahmini{1, 1, 2}));
        QCOMPARE(Sayi(vt, "PRAGMA user_version"), Sema::Surum);
        QVERIFY(!d.GecmisiOku(adimlar) && adimlar.size() == 1);
        QVERIFY(!d.GeriAl(adim) && adim.kimlik == 1);
        QCOMPARE(vt.Dokum(), once);
        QVERIFY(!d.DagilimDegistir("ALFA", Dagilim::Pert, Dagilim::Ucgen));
        QVERIFY(!d.DagilimOku("ALFA", dagilim) && dagilim == Dagilim::Ucgen);
        QVERIFY(!d.GeriAl(adim) && adim.tur == AdimTuru::DagilimDegistir);
        QVERIFY(!d.DagilimOku("ALFA", dagilim) && dagilim == Dagilim::Pert);
        QVERIFY(!d.TakvimDegistir("ALFA", {}, {TakvimTuru::PazartesiCuma, false, {}}));
        QCOMPARE(Sayi(vt, "SELECT count(*) FROM TakvimTablosu"), 1);
    }

    // The newest GecmisSiniri steps are kept, and the changes of no other: the oldest go
    // once GecmisPayi more have come.
    void theOldestStepsBeyondTheLimitGo()
    {
        GeciciVeritabani vt;
        const ProjeDeposu d = vt.depo();
        // Only for speed: a commit does not wait for the disk.
        QVERIFY(QSqlQuery(QSqlDatabase::database(d.baglanti()))
                    .exec(GeciciVeritabani::Sunucuda() ? "SET synchronous_commit = off" : "PRAGMA synchronous = OFF"));
        vt.ProjeEkle("ALFA", QDate(2026, 1, 1), QDate(2026, 1, 9), {{"A", "a", 0, ""}});
        QVector<KayitliFaaliyet> fs;
        for (int i = 1; i < GecmisSiniri + GecmisPayi - 1; ++i)
            QVERIFY(!d.FaaliyetleriOku("ALFA", fs) && !d.FaaliyetDegistir("ALFA", fs[0], {"A", "a", i, ""}));
        QVector<GecmisAdimi> adimlar;
        QVERIFY(!d.GecmisiOku(adimlar) && adimlar.size() == GecmisSiniri + GecmisPayi);
        QVERIFY(!d.FaaliyetleriOku("ALFA", fs) && !d.FaaliyetDegistir("ALFA", fs[0], {"A", "a", -1, ""}));
        QVERIFY(!d.GecmisiOku(adimlar));
        QCOMPARE(adimlar.size(), GecmisSiniri);
        QCOMPARE(adimlar[0].kimlik, GecmisPayi + 2);
        const QString sql = "SELECT count(DISTINCT Adim) FROM GecmisDegisiklikleri WHERE Adim %1 (SELECT Kimlik FROM GecmisAdimlari)";
        QCOMPARE(Sayi(vt, sql.arg("IN")), GecmisSiniri);
        QCOMPARE(Sayi(vt, sql.arg("NOT IN")), 0);
    }

    // A newer Kavrion's file: read as it is, every write and undo refused, nothing changed.
    void aNewerFileIsOnlyRead()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        QVERIFY(vt.Calistir({QString(GeciciVeritabani::Sunucuda() ? "UPDATE KavrionSurumu SET Surum = %1"
                                                                   : "PRAGMA user_version = %1").arg(Sema::Surum + 1)}));
        const QByteArray baytlar = Baytlar(vt.yol());
        const QStringList tumu = vt.Dokum(GeciciVeritabani::TumTablolar); // a server has no bytes to compare
        const ProjeDeposu d = vt.depo();
        const QString kutu = "Veritabanı Kavrion'un daha yeni bir sürümüyle yazılmış; değişiklik kaydedilemez.";
        for (const YazimKomutu& k : YazimKomutlari)
            QCOMPARE(k.calistir(d, AlfaOku(d)).aciklama, kutu);
        GecmisAdimi adim;
        QCOMPARE(d.GeriAl(adim).aciklama, kutu);
        QCOMPARE(d.Yinele(adim).numara, int(DepoHatasi::Genel));
        QVector<GecmisAdimi> adimlar;
        QVERIFY(!d.GecmisiOku(adimlar) && adimlar.size() == 7);
        QCOMPARE(Baytlar(vt.yol()), baytlar);
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), tumu);
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_Gecmis.moc"
