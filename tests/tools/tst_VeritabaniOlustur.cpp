// veritabani-olustur as people and scripts start it: asked for help, given a mistyped
// option or a file whose name starts with "-". It makes the one file it is asked for,
// or none, and never touches a file that is there.
#include "destek/YardimciProgram.h"
#include "store/GeciciBaglanti.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

ProgramSonucu Olustur(const QString& klasor, const QStringList& argumanlar)
{
    return ProgramiCalistir(YardimciProgram(QStringLiteral("veritabani-olustur")), argumanlar, klasor);
}

} // namespace

class VeritabaniOlusturTest : public QObject {
    Q_OBJECT

private slots:
    void oneFileOrNone_data()
    {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QByteArray>("cikti");      // how standard output begins
        QTest::addColumn<QByteArray>("hata");       // how standard error begins
        QTest::addColumn<QStringList>("dosyalar");  // what the folder holds afterwards
        QTest::addColumn<int>("projeSayisi");       // in the file made

        const QByteArray kullanim = "Kullanım: veritabani-olustur";
        QTest::newRow("help") << QStringList{"--help"} << 0 << kullanim << QByteArray() << QStringList() << 0;
        QTest::newRow("help beside a name") << QStringList{"a.mdb", "-h"} << 0 << kullanim << QByteArray()
                                            << QStringList() << 0;
        QTest::newRow("mistyped option") << QStringList{"--ornk", "a.mdb"} << 1 << QByteArray() << kullanim
                                         << QStringList() << 0;
        QTest::newRow("mistyped option alone") << QStringList{"--ornk"} << 1 << QByteArray() << kullanim
                                               << QStringList() << 0;
        QTest::newRow("a server and a file") << QStringList{"--sunucu", "host=/yok", "a.mdb"} << 1 << QByteArray()
                                             << kullanim << QStringList() << 0;
        QTest::newRow("two names") << QStringList{"a.mdb", "b.mdb"} << 1 << QByteArray() << kullanim
                                   << QStringList() << 0;
        QTest::newRow("a name") << QStringList{"a.mdb"} << 0 << QByteArray() << QByteArray()
                                << QStringList{"a.mdb"} << 0;
        QTest::newRow("a name starting with -") << QStringList{"--", "-a.mdb"} << 0 << QByteArray() << QByteArray()
                                                << QStringList{"-a.mdb"} << 0;
        QTest::newRow("sample, the name --help") << QStringList{"--ornek", "--", "--help"} << 0 << QByteArray()
                                                 << QByteArray() << QStringList{"--help"} << 1;
    }

    void oneFileOrNone()
    {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, durum);
        QFETCH(QByteArray, cikti);
        QFETCH(QByteArray, hata);
        QFETCH(QStringList, dosyalar);
        QFETCH(int, projeSayisi);
        QTemporaryDir klasor;
        const ProgramSonucu s = Olustur(klasor.path(), argumanlar);
        QCOMPARE(s.durum, durum);
        QVERIFY2(s.cikti.startsWith(cikti) && s.cikti.isEmpty() == cikti.isEmpty(), s.cikti.constData());
        QVERIFY2(s.hata.startsWith(hata) && s.hata.isEmpty() == hata.isEmpty(), s.hata.constData());
        QCOMPARE(QDir(klasor.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), dosyalar);
        for (const QString& dosya : dosyalar) {
            const GeciciBaglanti baglanti(QDir(klasor.path()).filePath(dosya));
            QVERIFY2(!baglanti.hata(), qPrintable(baglanti.hata().aciklama));
            QStringList adlar;
            QVERIFY(!baglanti.depo().ProjeleriOku(adlar));
            QCOMPARE(adlar.size(), projeSayisi);
            // The sample is whole, and a new user's first Ctrl+Z finds nothing of it to take away.
            QVector<KayitliFaaliyet> faaliyetler;
            QVERIFY(adlar.isEmpty() || (!baglanti.depo().FaaliyetleriOku(adlar.first(), faaliyetler)
                                        && faaliyetler.size() == 4));
            QVector<GecmisAdimi> adimlar;
            QVERIFY(!baglanti.depo().GecmisiOku(adimlar));
            QCOMPARE(adimlar.size(), 0);
        }
    }

    void aFileThatIsThereIsLeftAsItWas()
    {
        QTemporaryDir klasor;
        const QString yol = QDir(klasor.path()).filePath(QStringLiteral("Proje.mdb"));
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write("kullanıcının dosyası") > 0);
        dosya.close();
        const ProgramSonucu s = Olustur(klasor.path(), {QStringLiteral("Proje.mdb")});
        QCOMPARE(s.durum, 1);
        QVERIFY2(s.hata.contains("zaten var; üzerine yazılmaz."), s.hata.constData());
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        QCOMPARE(dosya.readAll(), QByteArray("kullanıcının dosyası"));
        // Nor is the file made to take its name left beside it.
        QCOMPARE(QDir(klasor.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Proje.mdb"});
    }
};

QTEST_GUILESS_MAIN(VeritabaniOlusturTest)
#include "tst_VeritabaniOlustur.moc"
