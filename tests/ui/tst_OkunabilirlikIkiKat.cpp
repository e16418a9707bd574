// The readability checks at twice the scale (as on a 192 DPI screen) with a large font.
#include "destek/PencereCizim.h"

#include <QApplication>
#include <QTest>

// The scale is read as the application starts, so it is set before main.
static const bool İkiKat = qputenv("QT_SCALE_FACTOR", "2");

class DoubleScaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(İkiKat);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QFont yazı(QStringLiteral("DejaVu Sans")); // before any window measures it
        yazı.setPixelSize(20);
        QApplication::setFont(yazı);
    }
    void lettersKeepTheirDotsAndBreves_data() { HarfÇizimiSatırları(); }
    void lettersKeepTheirDotsAndBreves() { HarfÇiziminiDenetle(); }
    void windowsGrowWithTheFont_data() { PencereÖlçüsüSatırları(); }
    void windowsGrowWithTheFont() { PencereÖlçüsünüDenetle(); }
};

QTEST_MAIN(DoubleScaleTest)
#include "tst_OkunabilirlikIkiKat.moc"
