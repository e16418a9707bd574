// The Risk tab's estimates as the user edits them: by keyboard in the table, each edit a
// command of the document (refused with a box when the order breaks, undone like any other),
// and the simulation that follows every change, never showing an older state's figures;
// the distribution chosen is the project's, kept in its file and undone like an edit.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "plan/AdimAdi.h"
#include "plan/PlanBelgesi.h"
#include "store/GeciciBaglanti.h"
#include "ui/analysis/RiskGrafigi.h"
#include "ui/analysis/RiskSekmesi.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace {

QStringList Satirlar(const QTableView* tablo)
{
    QStringList satirlar;
    const QAbstractItemModel* m = tablo->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList hucreler;
        for (int c = 0; c < 6; ++c) // the estimates; the simulation's columns are read apart
            hucreler << m->index(r, c).data().toString();
        satirlar << hucreler.join('|');
    }
    return satirlar;
}

// Types over a cell as the user does: F2, the text, Enter.
void HucreyeYaz(QTableView* tablo, int satir, int sutun, const QString& metin)
{
    tablo->setFocus();
    tablo->setCurrentIndex(tablo->model()->index(satir, sutun));
    QTest::keyClick(tablo, Qt::Key_F2);
    auto* editor = tablo->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, metin);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on its next turn, and the tab refreshes on the one after.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ALFA selected in a document, and the tab over it, refreshed as the analysis window
// refreshes it: once the edit is done.
struct Sekme {
    GeciciVeritabani vt;
    PlanBelgesi belge{vt.depo()};
    MesajKaydi kayit;
    RiskSekmesi sekme{belge};

    Sekme()
    {
        OrnekProjeler(vt);
        QObject::connect(&belge, &PlanBelgesi::planDegisti, &sekme, &RiskSekmesi::Yenile, Qt::QueuedConnection);
        // As the main window does after an undo.
        QObject::connect(&belge, &PlanBelgesi::secilecek, &belge, [this](const QString& ad) { belge.Sec(ad); });
        belge.ProjeleriOku();
        belge.Sec("ALFA");
    }
};

} // namespace

class RiskTabTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    void estimatesAreEditedAsCommands()
    {
        Sekme k;
        auto& [vt, belge, kayit, sekme] = k;
        QAbstractItemModelTester denetci(sekme.tablo()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(OneGetirVeBekle(&sekme));
        QCOMPARE(Satirlar(sekme.tablo()), QStringList({"A|a|3|3|3|3", "B|b|2|2|2|2", "C|c|4|2|4|9"}));

        HucreyeYaz(sekme.tablo(), 0, 5, "1.000");
        QCOMPARE(Satirlar(sekme.tablo())[0], "A|a|3|3|3|1.000");
        QCOMPARE(belge.geriAlinacak().tur, AdimTuru::TahminDegistir);
        QCOMPARE(belge.geriAlinacak().kodu, "A");

        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        HucreyeYaz(sekme.tablo(), 2, 3, "5");
        HucreyeYaz(sekme.tablo(), 2, 4, "on");
        QCOMPARE(kayit.metinler(), QStringList({"İyimser süre en olası süreden uzun olamaz.",
                                                "\"on\" bir süre değil: 0 ile 2.147.483.647 arasında bir tam sayı olmalıdır."}));
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);

        HucreyeYaz(sekme.tablo(), 2, 4, "");
        QCOMPARE(Satirlar(sekme.tablo())[2], "C|c|4|4|4|4");
        QVERIFY(!belge.GeriAl());
        QCoreApplication::processEvents();
        QCOMPARE(Satirlar(sekme.tablo())[2], "C|c|4|2|4|9");

        // An edit goes to the project of the rows shown, not to one the document selected since.
        const qint64 onceki = belge.geriAlinacak().kimlik;
        belge.Sec("BETA");
        sekme.tablo()->model()->setData(sekme.tablo()->model()->index(0, 3), "1");
        QCOMPARE(kayit.hatalar(), QStringList());
        QVERIFY(belge.geriAlinacak().kimlik > onceki);
        QCOMPARE(AdimAdi(belge.geriAlinacak()), "Tahmin Değiştir (A) – ALFA");
    }

    void theSimulationFollowsEveryChange()
    {
        Sekme k;
        auto& [vt, belge, kayit, sekme] = k;
        QAbstractItemModelTester denetci(sekme.tablo()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(OneGetirVeBekle(&sekme));
        QTRY_VERIFY(!sekme.calisiyor());
        QCOMPARE(sekme.gosterilen().yineleme, 10000);
        QVERIFY(sekme.gosterilen().p90 > 7 && sekme.gosterilen().p10 < 7.1);
        QVERIFY2(sekme.sonuc()->text().contains("(31.01.2026) bitme olasılığı: %100,0."), qPrintable(sekme.sonuc()->text()));
        const QAbstractItemModel* m = sekme.tablo()->model();
        QCOMPARE(m->index(0, 6).data().toString() + ' ' + m->index(0, 7).data().toString(), "%100,0 0,00");
        // The histogram with its plan and four percentile lines, and a tornado bar per activity.
        sekme.grafik()->grab();
        QVERIFY(sekme.grafik()->sonCizilen().first.sutun > 0);
        QCOMPARE(sekme.grafik()->sonCizilen().first.cizgi, 5);
        QCOMPARE(sekme.grafik()->sonCizilen().second.sutun, 3);

        // No spread left: every figure is the plan's own finish, 7 days, ending on 7 January.
        HucreyeYaz(sekme.tablo(), 2, 3, "");
        QTRY_VERIFY(!sekme.calisiyor() && sekme.gosterilen().yineleme == 10000);
        QCOMPARE(sekme.gosterilen().p10, 7.0);
        QCOMPARE(sekme.gosterilen().p90, 7.0);
        QVERIFY2(sekme.sonuc()->text().startsWith("P10: 7,0 gün (7.01.2026) · P50: 7,0 gün (7.01.2026)"),
                 qPrintable(sekme.sonuc()->text()));
        QVERIFY(kayit.metinler().isEmpty());
        // A count of iterations out of range is told with the range; the count stays as it was.
        sekme.yineleme()->setFocus();
        sekme.yineleme()->selectAll();
        QTest::keyClicks(sekme.yineleme(), "500");
        QTest::keyClick(sekme.yineleme(), Qt::Key_Return);
        QCOMPARE(kayit.metinler(), QStringList{"Yineleme sayısı 1.000 ile 1.000.000 arasında olmalıdır: \"500\" alınmadı."});
        QCOMPARE(sekme.yineleme()->value(), 10000);
    }

    // The typed date is checked as the project dialogs check theirs, on Enter as when left: a date is
    // rewritten and asked about at once, an impossible one gets their box and is emptied.
    void theTypedDateIsCheckedOnEnterAndWhenLeft_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<int>("tus");
        QTest::addColumn<QString>("alan");
        QTest::addColumn<QStringList>("kutular");
        QTest::newRow("a date, Enter") << "5.1.26" << int(Qt::Key_Return) << "5.01.2026" << QStringList();
        QTest::newRow("an impossible date, Enter") << "31.02.2027" << int(Qt::Key_Enter) << "" << QStringList{"Lüten tarihi DÜZGÜN giriniz!"};
        QTest::newRow("an impossible date, Tab") << "31.02.2027" << int(Qt::Key_Tab) << "" << QStringList{"Lüten tarihi DÜZGÜN giriniz!"};
    }
    void theTypedDateIsCheckedOnEnterAndWhenLeft()
    {
        QFETCH(QString, yazilan);
        QFETCH(int, tus);
        QFETCH(QString, alan);
        QFETCH(QStringList, kutular);
        Sekme k;
        auto& [vt, belge, kayit, sekme] = k;
        QVERIFY(OneGetirVeBekle(&sekme));
        QTRY_VERIFY(!sekme.calisiyor());
        sekme.tarih()->setFocus();
        QTest::keyClicks(sekme.tarih(), yazilan);
        QTest::keyClick(sekme.tarih(), Qt::Key(tus));
        QCOMPARE(sekme.tarih()->text(), alan);
        QCOMPARE(kayit.metinler(), kutular);
        QVERIFY2(sekme.sonuc()->text().contains("Girilen tarihe kadar (5.01.2026) bitme olasılığı: %") == !alan.isEmpty(),
                 qPrintable(sekme.sonuc()->text()));
        // After the box the field keeps the keyboard, for the date to be typed again.
        QVERIFY(sekme.tarih()->hasFocus());
    }

    void theDistributionIsTheProjects()
    {
        Sekme k;
        auto& [vt, belge, kayit, sekme] = k;
        QVERIFY(OneGetirVeBekle(&sekme));
        QCOMPARE(sekme.dagilim()->currentText(), "Beta-PERT");
        sekme.dagilim()->setFocus();
        QTest::keyClick(sekme.dagilim(), Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(AdimAdi(belge.geriAlinacak()), "Dağılım Değiştir – ALFA");
        QCOMPARE(sekme.dagilim()->currentText(), "Üçgen");
        QTRY_VERIFY(!sekme.calisiyor() && sekme.gosterilen().yineleme == 10000);

        // Another window on the file, opened afresh, shows the project's own.
        const GeciciBaglanti baglanti(vt.yol());
        PlanBelgesi baska(baglanti.depo());
        RiskSekmesi ikinci(baska);
        baska.Sec("ALFA");
        QVERIFY(OneGetirVeBekle(&ikinci));
        QCOMPARE(ikinci.dagilim()->currentText(), "Üçgen");

        QVERIFY(!belge.GeriAl());
        QCoreApplication::processEvents();
        QCOMPARE(sekme.dagilim()->currentText(), "Beta-PERT");
        QVERIFY(kayit.metinler().isEmpty());

        // A pick is written over the distribution shown: one changed elsewhere and read by the
        // document, but not shown by the tab yet, is refused.
        QVERIFY(DosyadaCalistir(vt.yol(), {"INSERT OR REPLACE INTO DagilimTablosu (Projesi, Dagilim) VALUES ('ALFA', 'ucgen')"}));
        belge.Sec("ALFA");
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        QTest::keyClick(sekme.dagilim(), Qt::Key_Down);
        QCOMPARE(kayit.hatalar(), QStringList{"Hata 12: \"ALFA\" projesinin dağılımı siz görüntüledikten sonra başka bir "
                                              "yerde değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor."});
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
        QTRY_COMPARE(sekme.dagilim()->currentText(), "Üçgen");
    }
};

QTEST_MAIN(RiskTabTest)
#include "tst_RiskSekmesi.moc"
