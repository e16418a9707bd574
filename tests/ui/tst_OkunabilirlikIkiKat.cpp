// The readability checks at twice the scale (as on a 192 DPI screen) with a large
// font: the letters still whole, the windows grown alike.
#include "destek/PencereCizim.h"

#include <QApplication>
#include <QTest>

class DoubleScaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
    void lettersKeepTheirDotsAndBreves_data() { HarfÇizimiSatırları(); }
    void lettersKeepTheirDotsAndBreves() { HarfÇiziminiDenetle(); }
    void windowsGrowWithTheFont_data() { PencereÖlçüsüSatırları(); }
    void windowsGrowWithTheFont() { PencereÖlçüsünüDenetle(); }
};

int main(int argc, char** argv)
{
    // The scale is read as the application starts, the font before any window measures it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication uygulama(argc, argv);
    QFont yazı(QStringLiteral("DejaVu Sans"));
    yazı.setPixelSize(20);
    QApplication::setFont(yazı);
    DoubleScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_OkunabilirlikIkiKat.moc"
