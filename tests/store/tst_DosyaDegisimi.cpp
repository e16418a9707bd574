// What the store does when the file under an open connection is changed by others.
#include "destek/GeciciVeritabani.h"

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

} // namespace

class FileChangeTest : public QObject {
    Q_OBJECT

private slots:
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
