// What the store does when the file under an open connection is changed by others.
#include "destek/DosyaIzinleri.h"
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Writes `bayt` over the file at `yol` in place, as `cp` does: same inode, new contents.
void YerindeYaz(const QString& yol, const QByteArray& bayt)
{
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(dosya.write(bayt), bayt.size());
}

QByteArray Oku(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

int denenen = 0;
int atlatilan = 0;

} // namespace

class FileChangeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ++denenen; }
    void cleanup() { atlatilan += QTest::currentTestFailed() ? 0 : 1; }
    void cleanupTestCase()
    {
        OzetYaz(QStringLiteral("file changed under an open connection (copied in place, made read-only, garbage, "
                               "emptied, deleted, renamed over): tried %1, read afresh or refused with nothing "
                               "written %2").arg(denenen).arg(atlatilan));
    }

    // Both files go through the same number of commits, so SQLite's change counter
    // alone would not tell them apart and its cache would serve the old rows.
    void copiedInPlaceIsReadAfresh()
    {
        GeciciVeritabani acik;
        acik.ProjeEkle(QStringLiteral("ALFA"));
        QStringList adlar;
        QVERIFY(!acik.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar, QStringList{QStringLiteral("ALFA")});

        GeciciVeritabani baska;
        baska.ProjeEkle(QStringLiteral("BETA"));
        YerindeYaz(acik.yol(), Oku(baska.yol()));

        QVERIFY(!acik.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar, QStringList{QStringLiteral("BETA")});
        QVERIFY(!acik.depo().ProjeEkle({QStringLiteral("GAMA"), QDate(2026, 1, 1), QDate(2026, 2, 1)}));
        QCOMPARE(acik.Satirlar(), (QStringList{QStringLiteral("P|BETA|2026-03-01|2026-03-11|"),
                                               QStringLiteral("P|GAMA|2026-01-01|2026-02-01|")}));
    }

    // Made read-only while open, the file or its folder (then no journal can be made):
    // the write is refused though the descriptor SQLite holds could still write, and
    // carried out once the right is back.
    void madeReadOnlyWhileOpenIsNotWritten_data()
    {
        QTest::addColumn<bool>("klasor");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }
    void madeReadOnlyWhileOpenIsNotWritten()
    {
        QFETCH(bool, klasor);
        GeciciVeritabani acik;
        OrnekProjeler(acik);
        const QStringList once = acik.Satirlar();
        KayitliProje alfa;
        QVERIFY(!acik.depo().ProjeOku(QStringLiteral("ALFA"), alfa));
        const Proje yeni{QStringLiteral("ALFA 2"), QDate(2026, 1, 2), QDate(2026, 2, 3)};
        const QString yol = klasor ? acik.klasor() : acik.yol();
        QVERIFY(QFile::setPermissions(yol, QFile::ReadOwner | (klasor ? QFile::ExeOwner : QFile::Permissions())));
        DepoHatasi hata;
        {
            const DosyaIzinleriGecerli izinler; // root would write anyway
            hata = acik.depo().ProjeDegistir(alfa, yeni);
        }
        QFile::setPermissions(yol, QFile::ReadOwner | QFile::WriteOwner | (klasor ? QFile::ExeOwner : QFile::Permissions()));
        QCOMPARE(QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.aciklama),
                 QStringLiteral("Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur."));
        QCOMPARE(acik.Satirlar(), once);
        QVERIFY(!acik.depo().ProjeDegistir(alfa, yeni));
    }

    void replacedByWhatIsNoKavrionFileIsNotWritten_data()
    {
        QTest::addColumn<QByteArray>("icerik");
        QTest::newRow("garbage") << QByteArray(8192, 'x');
        QTest::newRow("empty") << QByteArray();
    }
    void replacedByWhatIsNoKavrionFileIsNotWritten()
    {
        QFETCH(QByteArray, icerik);
        GeciciVeritabani acik;
        acik.ProjeEkle(QStringLiteral("ALFA"));
        YerindeYaz(acik.yol(), icerik);

        QStringList adlar;
        QVERIFY(acik.depo().ProjeleriOku(adlar));
        QVERIFY(acik.depo().ProjeEkle({QStringLiteral("GAMA"), QDate(2026, 1, 1), QDate(2026, 2, 1)}));
        QCOMPARE(Oku(acik.yol()), icerik);
    }

    void deletedOrRenamedOverIsSaid()
    {
        GeciciVeritabani acik;
        acik.ProjeEkle(QStringLiteral("ALFA"));
        GeciciVeritabani baska;
        QVERIFY(QFile::remove(acik.yol()));
        QStringList adlar;
        QCOMPARE(acik.depo().ProjeleriOku(adlar).numara, 8);
        QVERIFY(QFile::copy(baska.yol(), acik.yol()));
        QCOMPARE(acik.depo().ProjeleriOku(adlar).numara, 8);
        QCOMPARE(acik.depo().ProjeEkle({QStringLiteral("GAMA"), QDate(2026, 1, 1), QDate(2026, 2, 1)}).numara, 8);
        QCOMPARE(acik.Satirlar(), QStringList());
    }
};

QTEST_GUILESS_MAIN(FileChangeTest)
#include "tst_DosyaDegisimi.moc"
