// The Risk tab's estimates as the user edits them: by keyboard in the table, each edit a
// command of the document (refused with a box when the order breaks, undone like any other).
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "plan/PlanBelgesi.h"
#include "ui/analysis/RiskSekmesi.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

QStringList Satirlar(const QTableView* tablo)
{
    QStringList satirlar;
    const QAbstractItemModel* m = tablo->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList hucreler;
        for (int c = 0; c < m->columnCount(); ++c)
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

} // namespace

class RiskTabTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    void estimatesAreEditedAsCommands()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        PlanBelgesi belge(vt.depo());
        QVERIFY(!belge.ProjeleriOku() && !belge.Sec("ALFA"));
        MesajKaydi kayit;
        RiskSekmesi sekme(belge);
        // As the analysis window does: once the edit is done.
        QObject::connect(&belge, &PlanBelgesi::planDegisti, &sekme, &RiskSekmesi::Yenile, Qt::QueuedConnection);
        // As the main window does after an undo.
        QObject::connect(&belge, &PlanBelgesi::secilecek, &belge, [&](const QString& ad) { belge.Sec(ad); });
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
    }
};

QTEST_MAIN(RiskTabTest)
#include "tst_RiskSekmesi.moc"
