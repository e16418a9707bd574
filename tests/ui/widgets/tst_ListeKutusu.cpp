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
    // A text longer than the list is cut in the view rather than widening it, and
    // every row has one line of the same height.
    void longTextStaysInView()
    {
        GösterilenListe g;
        QVERIFY(QTest::qWaitForWindowExposed(&g.liste));
        ListeKutusu& liste = g.liste;

        QVERIFY(!liste.horizontalScrollBar()->isVisible());
        const QRect uzun = liste.visualRect(liste.model()->index(1, 0));
        QVERIFY(uzun.right() < liste.viewport()->width());
        const QRect kısa = liste.visualRect(liste.model()->index(0, 0));
        QCOMPARE(uzun.height(), kısa.height());
        QCOMPARE(uzun.top(), kısa.bottom() + 1);
        QVERIFY(kısa.height() >= liste.fontMetrics().height());
    }

    void toolTipShowsOnlyACutText()
    {
        GösterilenListe g;
        QVERIFY(QTest::qWaitForWindowExposed(&g.liste));
        QCOMPARE(İpucu(g.liste, 0), QString());
        QCOMPARE(İpucu(g.liste, 1), UzunAd);
    }

    // Selecting, finding and refilling: a refill leaves nothing selected, and the
    // keyboard moves the one selected row.
    void selectionFollowsCommandsAndKeys()
    {
        GösterilenListe g;
        ListeKutusu& liste = g.liste;
        QSignalSpy değişti(liste.selectionModel(), &QItemSelectionModel::selectionChanged);

        QCOMPARE(liste.Bul(QStringLiteral("YOL")), 2);
        QCOMPARE(liste.Bul(QStringLiteral("yol")), -1);
        liste.Seç(liste.Bul(QStringLiteral("YOL")));
        QCOMPARE(liste.SeçiliMetin(), QStringLiteral("YOL"));
        QCOMPARE(değişti.count(), 1);

        liste.setFocus();
        QTest::keyClick(&liste, Qt::Key_Up);
        QCOMPARE(liste.SeçiliMetin(), UzunAd);
        QCOMPARE(liste.selectionModel()->selectedIndexes().size(), 1);

        liste.Seç(-1);
        QCOMPARE(liste.SeçiliMetin(), QString());
        liste.Seç(0);
        liste.Doldur({QStringLiteral("YENİ")});
        QCOMPARE(liste.SeçiliMetin(), QString());
        QCOMPARE(liste.Metinler(), QStringList{QStringLiteral("YENİ")});
        QCOMPARE(liste.Sayı(), 1);
        QCOMPARE(liste.Metin(5), QString());
    }
};

QTEST_MAIN(ListBoxTest)
#include "tst_ListeKutusu.moc"
