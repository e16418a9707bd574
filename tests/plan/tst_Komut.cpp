// The commands' own rules, before anything is written: a predecessor must be an
// activity of the project added before the one it precedes.
#include "destek/GeciciVeritabani.h"
#include "plan/Komut.h"

#include <QTest>

Q_DECLARE_METATYPE(Komut)

class CommandTest : public QObject {
    Q_OBJECT

private slots:
    void predecessorsAddedBeforeOnly_data()
    {
        QTest::addColumn<Komut>("komut");
        QTest::addColumn<QString>("yersiz");
        const KayitliFaaliyet b{"B", "b", {2, 2}, "A"};
        QTest::newRow("add: unknown code") << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "A,Z"}}) << "Z";
        QTest::newRow("add: every code stored") << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "C,B"}}) << "";
        QTest::newRow("change: a code added after") << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"B", "b", 2, "C"}}) << "C";
        QTest::newRow("change: itself") << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"B", "b", 2, "B"}}) << "B";
        QTest::newRow("change: a code added before") << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"B", "b", 3, "A"}}) << "";
    }
    void predecessorsAddedBeforeOnly()
    {
        QFETCH(Komut, komut);
        QFETCH(QString, yersiz);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const QStringList once = vt.Satirlar();
        const KomutHatasi hata = KomutuUygula(vt.depo(), komut);
        QCOMPARE(hata.yersizOnceki, yersiz);
        QVERIFY(!hata.depo);
        QCOMPARE(vt.Satirlar() == once, !yersiz.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandTest)
#include "tst_Komut.moc"
