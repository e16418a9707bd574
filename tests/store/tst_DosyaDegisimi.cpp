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
int atlatılan = 0;

} // namespace

class FileChangeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ++denenen; }
    void cleanup() { atlatılan += QTest::currentTestFailed() ? 0 : 1; }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("file changed under an open connection (copied in place, made read-only, garbage, "
                               "emptied, deleted, renamed over): tried %1, read afresh or refused with nothing "
                               "written %2").arg(denenen).arg(atlatılan));
    }

    // Both files go through the same number of commits, so SQLite's change counter
    // alone would not tell them apart and its cache would serve the old rows.
    void copiedInPlaceIsReadAfresh()
    {
        GeçiciVeritabanı açık;
        açık.ProjeEkle(QStringLiteral("ALFA"));
        QStringList adlar;
        QVERIFY(!açık.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar, QStringList{QStringLiteral("ALFA")});

        GeçiciVeritabanı başka;
        başka.ProjeEkle(QStringLiteral("BETA"));
        YerindeYaz(açık.yol(), Oku(başka.yol()));

        QVERIFY(!açık.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar, QStringList{QStringLiteral("BETA")});
        QVERIFY(!açık.depo().ProjeEkle({QStringLiteral("GAMA"), QDate(2026, 1, 1), QDate(2026, 2, 1)}));
        QCOMPARE(açık.Satırlar(), (QStringList{QStringLiteral("P|BETA|2026-03-01|2026-03-11|"),
                                               QStringLiteral("P|GAMA|2026-01-01|2026-02-01|")}));
    }

    // Made read-only while open, the file or its folder (then no journal can be made):
    // the write is refused though the descriptor SQLite holds could still write, and
    // carried out once the right is back.
    void madeReadOnlyWhileOpenIsNotWritten_data()
    {
        QTest::addColumn<bool>("klasör");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }
    void madeReadOnlyWhileOpenIsNotWritten()
    {
        QFETCH(bool, klasör);
        GeçiciVeritabanı açık;
        ÖrnekProjeler(açık);
        const QStringList önce = açık.Satırlar();
        KayıtlıProje alfa;
        QVERIFY(!açık.depo().ProjeOku(QStringLiteral("ALFA"), alfa));
        const Proje yeni{QStringLiteral("ALFA 2"), QDate(2026, 1, 2), QDate(2026, 2, 3)};
        const QString yol = klasör ? açık.klasör() : açık.yol();
        QVERIFY(QFile::setPermissions(yol, QFile::ReadOwner | (klasör ? QFile::ExeOwner : QFile::Permissions())));
        DepoHatası hata;
        {
            const DosyaİzinleriGeçerli izinler; // root would write anyway
            hata = açık.depo().ProjeDeğiştir(alfa, yeni);
        }
        QFile::setPermissions(yol, QFile::ReadOwner | QFile::WriteOwner | (klasör ? QFile::ExeOwner : QFile::Permissions()));
        QCOMPARE(QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.açıklama),
                 QStringLiteral("Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur."));
        QCOMPARE(açık.Satırlar(), önce);
        QVERIFY(!açık.depo().ProjeDeğiştir(alfa, yeni));
    }

    void replacedByWhatIsNoKavrionFileIsNotWritten_data()
    {
        QTest::addColumn<QByteArray>("içerik");
        QTest::newRow("garbage") << QByteArray(8192, 'x');
        QTest::newRow("empty") << QByteArray();
    }
    void replacedByWhatIsNoKavrionFileIsNotWritten()
    {
        QFETCH(QByteArray, içerik);
        GeçiciVeritabanı açık;
        açık.ProjeEkle(QStringLiteral("ALFA"));
        YerindeYaz(açık.yol(), içerik);

        QStringList adlar;
        QVERIFY(açık.depo().ProjeleriOku(adlar));
        QVERIFY(açık.depo().ProjeEkle({QStringLiteral("GAMA"), QDate(2026, 1, 1), QDate(2026, 2, 1)}));
        QCOMPARE(Oku(açık.yol()), içerik);
    }

    void deletedOrRenamedOverIsSaid()
    {
        GeçiciVeritabanı açık;
        açık.ProjeEkle(QStringLiteral("ALFA"));
        GeçiciVeritabanı başka;
        QVERIFY(QFile::remove(açık.yol()));
        QStringList adlar;
        QCOMPARE(açık.depo().ProjeleriOku(adlar).numara, 8);
        QVERIFY(QFile::copy(başka.yol(), açık.yol()));
        QCOMPARE(açık.depo().ProjeleriOku(adlar).numara, 8);
        QCOMPARE(açık.depo().ProjeEkle({QStringLiteral("GAMA"), QDate(2026, 1, 1), QDate(2026, 2, 1)}).numara, 8);
        QCOMPARE(açık.Satırlar(), QStringList());
    }
};

QTEST_GUILESS_MAIN(FileChangeTest)
#include "tst_DosyaDegisimi.moc"
