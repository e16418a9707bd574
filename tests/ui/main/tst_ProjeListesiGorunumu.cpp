#include "destek/GeciciVeritabani.h"
#include "ui/main/TemelForm.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QLocale>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

namespace {

const QString UzunAd = QStringLiteral("İSTANBUL KÖPRÜ YENİLEME VE GÜÇLENDİRME PROJESİ");

QListWidgetItem* Öğe(QListWidget* liste, const QString& ad)
{
    return liste->findItems(ad, Qt::MatchExactly).value(0);
}

// Asks the list for the tool tip of the item, as hovering over it does.
QString İpucu(QListWidget* liste, QListWidgetItem* öğe)
{
    const QPoint yer = liste->visualItemRect(öğe).center();
    QHelpEvent olay(QEvent::ToolTip, yer, liste->viewport()->mapToGlobal(yer));
    QCoreApplication::sendEvent(liste->viewport(), &olay);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class ProjectListViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    // A name longer than the list is cut in the view rather than widening it, and
    // every name keeps one line of the same height whatever was listed last.
    void longNameStaysInView()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("OKUL"));
        vt.ProjeEkle(UzunAd);
        vt.ProjeEkle(QStringLiteral("YOL"));
        TemelForm pencere(vt.depo());
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QListWidget* liste = pencere.ProjeListesi;

        QVERIFY(!liste->horizontalScrollBar()->isVisible());
        const QRect uzun = liste->visualItemRect(Öğe(liste, UzunAd));
        QVERIFY(uzun.right() < liste->viewport()->width());
        const QRect kısa = liste->visualItemRect(Öğe(liste, QStringLiteral("OKUL")));
        QCOMPARE(uzun.height(), kısa.height());
        QCOMPARE(uzun.top(), kısa.bottom() + 1);
        QVERIFY(kısa.height() >= liste->fontMetrics().height());
    }

    void toolTipShowsOnlyACutName()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("OKUL"));
        vt.ProjeEkle(UzunAd);
        TemelForm pencere(vt.depo());
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QListWidget* liste = pencere.ProjeListesi;

        QCOMPARE(İpucu(liste, Öğe(liste, QStringLiteral("OKUL"))), QString());
        QCOMPARE(İpucu(liste, Öğe(liste, UzunAd)), UzunAd);
    }
};

QTEST_MAIN(ProjectListViewTest)
#include "tst_ProjeListesiGorunumu.moc"
