#include "ui/widgets/ListeKutusu.h"

#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class ListBoxTest : public QObject {
    Q_OBJECT

private slots:
    // A text longer than the list is cut to one line in the view rather than widening
    // it and shows whole in a tool tip; finding is exact, a selection is one row that the keyboard
    // moves, and a refill leaves nothing selected.
    void longTextToolTipAndSelection()
    {
        const QString uzun = QStringLiteral("İSTANBUL KÖPRÜ YENİLEME VE GÜÇLENDİRME PROJESİ");
        ListeKutusu liste;
        liste.resize(150, 400);
        liste.Doldur({QStringLiteral("OKUL"), uzun, QStringLiteral("YOL")});
        liste.show();
        QVERIFY(QTest::qWaitForWindowExposed(&liste, 30000));
        QVERIFY(!liste.horizontalScrollBar()->isVisible());
        QCOMPARE(liste.visualRect(liste.model()->index(1, 0)).height(), liste.visualRect(liste.model()->index(0, 0)).height());
        for (int satir : {0, 1}) {
            const QPoint yer = liste.visualRect(liste.model()->index(satir, 0)).center();
            QHelpEvent olay(QEvent::ToolTip, yer, liste.viewport()->mapToGlobal(yer));
            QCoreApplication::sendEvent(liste.viewport(), &olay);
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), satir ? uzun : QString());
        }

        QSignalSpy degisti(liste.selectionModel(), &QItemSelectionModel::selectionChanged);
        QCOMPARE(liste.Bul("yol"), -1);
        liste.Sec(liste.Bul("YOL"));
        QCOMPARE(liste.SeciliMetin(), "YOL");
        QCOMPARE(degisti.count(), 1);
        liste.setFocus();
        QTest::keyClick(&liste, Qt::Key_Up);
        QCOMPARE(liste.SeciliMetin(), uzun);
        QCOMPARE(liste.selectionModel()->selectedIndexes().size(), 1);
        liste.Doldur({"YENİ"});
        QCOMPARE(liste.SeciliMetin(), QString());
        QCOMPARE(liste.Metinler(), QStringList{"YENİ"});
    }
};

QTEST_MAIN(ListBoxTest)
#include "tst_ListeKutusu.moc"
