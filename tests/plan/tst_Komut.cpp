// The commands' own rules, before anything is written: a predecessor must be an
// activity of the project added before the one it precedes; an import is written whole
// or not at all.
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

    // The second project's name is taken, or rows of no project wait under it: the first,
    // already written in the same transaction, goes too.
    void importIsWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("kutu");
        QTest::newRow("name taken") << "" << "BETA" << "Bu adla kayıtlı bir proje zaten var. Başka bir ad girin.";
        QTest::newRow("rows of no project") << "INSERT INTO FaaliyetlerTablosu VALUES (9, 'ESKİ', 'A', 'a', 1, '')"
            << "ESKİ" << "Dosyada \"ESKİ\" adına kayıtlı, projesi olmayan faaliyetler var; bu adla içe aktarılamaz. "
                         "Başka bir ad girin.";
    }
    void importIsWrittenWholeOrNotAtAll()
    {
        QFETCH(QString, sql);
        QFETCH(QString, ad);
        QFETCH(QString, kutu);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        QVERIFY(sql.isEmpty() || DosyadaCalistir(vt.yol(), {sql}));
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        const TamProje yeni{{"YENİ", QDate(2026, 4, 1), QDate(2026, 4, 9)}, {{"A", "a", 0, ""}}};
        const KomutHatasi hata = KomutuUygula(vt.depo(), IceAktarKomutu{{yeni, {{ad, yeni.proje.baslama, yeni.proje.bitis}, {}}}});
        QCOMPARE(hata.depo.numara, int(DepoHatasi::Kisit));
        QCOMPARE(hata.depo.aciklama, kutu);
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
    }
};

QTEST_GUILESS_MAIN(CommandTest)
#include "tst_Komut.moc"
