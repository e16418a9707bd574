#include "ui/widgets/ListeKutusu.h"

#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

namespace {

const QString UzunAd = QStringLiteral("İSTANBUL KÖPRÜ YENİLEME VE GÜÇLENDİRME PROJESİ");

// Asks the list for the tool tip of a row, as hovering over it does.
QString İpucu(ListeKutusu& liste, int satır)
{
    const QPoint yer = liste.visualRect(liste.model()->index(satır, 0)).center();
    QHelpEvent olay(QEvent::ToolTip, yer, liste.viewport()->mapToGlobal(yer));
    QCoreApplication::sendEvent(liste.viewport(), &olay);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// A list the size of the main window's project list, shown with three names.
struct GösterilenListe {
    ListeKutusu liste;
    GösterilenListe()
    {
        liste.resize(157, 420);
        liste.Doldur({QStringLiteral("OKUL"), UzunAd, QStringLiteral("YOL")});
        liste.show();
    }
};

} // namespace

class ListBoxTest : public QObject {
    Q_OBJECT

private slots:
    // A text longer than the list is cut in the view rather than widening it, shows
    // whole in a tool tip, and every row has one line of the same height.
    void longTextIsCutAndShownInAToolTip()
    {
        GösterilenListe g;
        QVERIFY(QTest::qWaitForWindowExposed(&g.liste));
        ListeKutusu& liste = g.liste;
        QVERIFY(!liste.horizontalScrollBar()->isVisible());
        const QRect kısa = liste.visualRect(liste.model()->index(0, 0));
        const QRect uzun = liste.visualRect(liste.model()->index(1, 0));
        QVERIFY(uzun.right() < liste.viewport()->width());
        QCOMPARE(uzun.height(), kısa.height());
        QCOMPARE(uzun.top(), kısa.bottom() + 1);
        QCOMPARE(İpucu(liste, 0), QString());
        QCOMPARE(İpucu(liste, 1), UzunAd);
    }

    // Selecting, finding and refilling: a refill leaves nothing selected, and the
    // keyboard moves the one selected row.
    void selectionFollowsCommandsAndKeys()
    {
        GösterilenListe g;
        ListeKutusu& liste = g.liste;
        QSignalSpy değişti(liste.selectionModel(), &QItemSelectionModel::selectionChanged);

        QCOMPARE(liste.Bul("yol"), -1);
        liste.Seç(liste.Bul("YOL"));
        QCOMPARE(liste.SeçiliMetin(), "YOL");
        QCOMPARE(değişti.count(), 1);

        liste.setFocus();
        QTest::keyClick(&liste, Qt::Key_Up);
        QCOMPARE(liste.SeçiliMetin(), UzunAd);
        QCOMPARE(liste.selectionModel()->selectedIndexes().size(), 1);

        liste.Doldur({"YENİ"});
        QCOMPARE(liste.SeçiliMetin(), QString());
        QCOMPARE(liste.Metinler(), QStringList{"YENİ"});
    }
};

QTEST_MAIN(ListBoxTest)
#include "tst_ListeKutusu.moc"
