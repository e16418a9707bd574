// The readability checks at twice the scale (as on a 192 DPI screen) with a large font.
#include "destek/PencereCizim.h"

#include <QApplication>
#include <QTest>

// The scale is read as the application starts, so it is set before main.
static const bool IkiKat = qputenv("QT_SCALE_FACTOR", "2");

class DoubleScaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(IkiKat);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QFont yazi(QStringLiteral("DejaVu Sans")); // before any window measures it
        yazi.setPixelSize(20);
        QApplication::setFont(yazi);
    }
    void lettersKeepTheirDotsAndBreves_data() { HarfCizimiSatirlari(); }
    void lettersKeepTheirDotsAndBreves() { HarfCiziminiDenetle(); }
    void windowsGrowWithTheFont_data() { PencereOlcusuSatirlari(); }
    void windowsGrowWithTheFont() { PencereOlcusunuDenetle(); }
};

QTEST_MAIN(DoubleScaleTest)
#include "tst_OkunabilirlikIkiKat.moc"
