// ctest-sunucu
// Two planners on one server: what one writes reaches the other's document by itself,
// the list when a project changed and the selected plan when its rows did; each undoes
// only his own steps, and one refused for a row the other changed since writes nothing.
#include "destek/GeciciVeritabani.h"
#include "plan/PlanBelgesi.h"

#include <QSignalSpy>
#include <QTest>

class SharedPlanTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("KAVRION_TEST_MOTORU", "sunucu");
        if (qEnvironmentVariableIsEmpty("KAVRION_TEST_SUNUCU"))
            QSKIP("KAVRION_TEST_SUNUCU ayarlı değil: sunucu testleri ctest ile çalışır");
    }

    void anotherPlannersWritesArriveByThemselves()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const auto oteki = vt.Baglan(ProjeDeposu::Acilis::Denetle, QStringLiteral("öteki"));
        PlanBelgesi ben(vt.depo()), o(oteki->depo());
        QVERIFY(!ben.ProjeleriOku() && !ben.Sec("ALFA") && !o.ProjeleriOku() && !o.Sec("ALFA"));
        QSignalSpy liste(&ben, &PlanBelgesi::projelerOkundu);

        // An activity or the calendar of the selected project: its plan is read again, the list is not.
        QVERIFY(!o.Calistir(FaaliyetEkleKomutu{"ALFA", {"D", "d", 5, "B,C"}}));
        QTRY_COMPARE_WITH_TIMEOUT(ben.plan()->faaliyetler.size(), 4, 1000);
        QCOMPARE(liste.count(), 0);
        QVERIFY(!o.Calistir(TakvimDegistirKomutu{"ALFA", {}, {TakvimTuru::PazartesiCuma, false, {}}}));
        QTRY_COMPARE_WITH_TIMEOUT(ben.plan()->proje.takvim.tur, TakvimTuru::PazartesiCuma, 1000);
        // Another project's activities leave the selected plan alone.
        QVERIFY(!o.Sec("BETA") && !o.Calistir(SonFaaliyetiSilKomutu{"BETA", o.plan()->faaliyetler}));
        // A project: the list is read again and the selected project stays selected.
        QVERIFY(!o.Calistir(ProjeEkleKomutu{{"GAMA", QDate(2026, 5, 1), QDate(2026, 5, 9)}}));
        QTRY_COMPARE_WITH_TIMEOUT(liste.count(), 1, 1000);
        QCOMPARE(ben.projeler(), (QStringList{"ALFA", "BETA", "GAMA"}));
        QCOMPARE(liste.takeFirst().at(0).toString(), "ALFA");

        // Each undoes his own: my undo takes my last step, not the other's.
        QVERIFY(!ben.Sec("ALFA") && !ben.Calistir(FaaliyetDegistirKomutu{"ALFA", ben.plan()->faaliyetler[3],
                                                                         {"D", "dd", 6, "B,C"}}));
        QCOMPARE(ben.geriAlinacak().tur, AdimTuru::FaaliyetDegistir);
        QCOMPARE(o.geriAlinacak().tur, AdimTuru::ProjeEkle);
        // ...and is refused whole when the other changed the row since.
        QVERIFY(!o.Sec("ALFA"));
        QTRY_COMPARE_WITH_TIMEOUT(o.plan()->faaliyetler[3].adi, "dd", 1000);
        QVERIFY(!o.Calistir(FaaliyetDegistirKomutu{"ALFA", o.plan()->faaliyetler[3], {"D", "ddd", 7, "B,C"}}));
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        QCOMPARE(ben.GeriAl().numara, int(DepoHatasi::Bulunamadi));
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
        QVERIFY(!o.GeriAl() && !o.GeriAl());
        QTRY_COMPARE_WITH_TIMEOUT(ben.projeler(), (QStringList{"ALFA", "BETA"}), 1000);
        QVERIFY(!ben.Sec("ALFA")); // as the list's window does after a list read again
        QCOMPARE(ben.plan()->faaliyetler[3].adi, "dd");
    }

    // An undo or redo that would leave the other's rows under no project is refused whole:
    // my project undone under his activity, my rename undone under his activity, my
    // activity redone into the project he deleted.
    void noStepLeavesTheOthersRowsUnderNoProject()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const auto oteki = vt.Baglan(ProjeDeposu::Acilis::Denetle, QStringLiteral("öteki"));
        const ProjeDeposu ben = vt.depo(), o = oteki->depo();
        const auto reddedilir = [&](bool geri) {
            const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
            GecmisAdimi adim;
            const DepoHatasi hata = geri ? ben.GeriAl(adim) : ben.Yinele(adim);
            return hata.numara == DepoHatasi::Bulunamadi && vt.Dokum(GeciciVeritabani::TumTablolar) == once;
        };
        QVERIFY(!ben.ProjeEkle({"GAMA", QDate(2026, 5, 1), QDate(2026, 5, 9)}) && !o.FaaliyetEkle("GAMA", {"A", "a", 1, ""}));
        QVERIFY(reddedilir(true));
        KayitliProje beta;
        QVERIFY(!ben.ProjeOku("BETA", beta) && !ben.ProjeDegistir(beta, {"DELTA", QDate(2026, 2, 1), QDate(2026, 2, 28)}));
        QVERIFY(!o.FaaliyetEkle("DELTA", {"B", "b", 2, "A"}));
        QVERIFY(reddedilir(true));
        GecmisAdimi adim;
        KayitliProje alfa;
        QVERIFY(!ben.FaaliyetEkle("ALFA", {"D", "d", 5, "B,C"}) && !ben.GeriAl(adim));
        QVERIFY(!o.ProjeOku("ALFA", alfa) && !o.ProjeSil(alfa));
        QVERIFY(reddedilir(false));
    }
};

QTEST_GUILESS_MAIN(SharedPlanTest)
#include "tst_OrtakPlan.moc"
