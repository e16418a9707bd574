// The chart and the report's pages as files: every bar and name survives, a plan that
// cannot be computed is explained, a large one stays within what viewers open.
#include "destek/Yereller.h"
#include "drawing/GorselCikti.h"

#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

Rapor Ag(const QString& ad, int n, const QString& kod = QString())
{
    Rapor rapor;
    rapor.proje = {ad, {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 4, 1), QDate(2026, 4, 1)}};
    QVector<KayitliFaaliyet> faaliyetler;
    // Codes are one character each, "A" onwards; the first may be given.
    const auto kodu = [&](int i) { return i == 0 && !kod.isEmpty() ? kod : QString(QChar(char16_t(u'A' + i))); };
    for (int i = 0; i < n; ++i) {
        const QString onceki = i == 0 ? QString() : kodu(i - 1) + (i % 7 == 0 ? QStringLiteral(",") + kodu(0) : QString());
        faaliyetler.append({kodu(i), ad, {1 + i % 4, 1 + i % 4}, onceki});
    }
    rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
    return rapor;
}

struct SvgOkumasi {
    QString hata, baslik;
    QStringList metinler;
    int cubuk = 0;
};

// Reads the SVG as any XML reader would; bars are the rectangles filled in the chart's two bar colours.
SvgOkumasi SvgOku(const QByteArray& svg)
{
    SvgOkumasi okunan;
    QXmlStreamReader xml(svg);
    QStringList dolgular;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString dolgu = xml.attributes().value(QStringLiteral("fill")).toString();
            dolgular << (dolgu.isEmpty() && !dolgular.isEmpty() ? dolgular.last() : dolgu);
            if (xml.name() == QLatin1String("rect") && (dolgular.last() == QLatin1String("#c42020")
                                                         || dolgular.last() == QLatin1String("#3e78b2")))
                ++okunan.cubuk;
            if (xml.name() == QLatin1String("title"))
                okunan.baslik = xml.readElementText();
            else if (xml.name() == QLatin1String("text"))
                okunan.metinler << xml.readElementText();
            if (xml.isEndElement())
                dolgular.removeLast();
        } else if (xml.isEndElement()) {
            dolgular.removeLast();
        }
    }
    okunan.hata = xml.hasError() ? xml.errorString() : QString();
    return okunan;
}

int PdfSayfaSayisi(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)"))));
}

} // namespace

class DrawingExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Turkce); }

    void svgIsReadableXmlWithEveryBar_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("kod"); // the first activity's; a predecessor list names one character a code
        QTest::newRow("markup") << QStringLiteral("A&B <x> \"q\" ]]> 'y'") << QStringLiteral("<");
        QTest::newRow("control characters") << QStringLiteral("a\x01" "b\x1f" "c\nd\te") << QStringLiteral("\x02");
        QTest::newRow("emoji and right-to-left") << QStringLiteral("Plan 🚧 مشروع שלום") << QStringLiteral("ש");
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'Ş')) << QStringLiteral("İ");
    }
    void svgIsReadableXmlWithEveryBar()
    {
        QFETCH(QString, ad);
        QFETCH(QString, kod);
        const Rapor rapor = Ag(ad, 12, kod);
        QVERIFY2(rapor.analiz.hesaplanamiyor.isEmpty(), qPrintable(rapor.analiz.hesaplanamiyor));
        const SvgOkumasi okunan = SvgOku(GorselYaz(rapor, GorselBicim::Svg, QFont()));
        QCOMPARE(okunan.hata, QString());
        QCOMPARE(okunan.cubuk, 12);
        // What XML cannot hold is left out; every other character is kept.
        QString beklenen = ad;
        beklenen.remove(QRegularExpression(QStringLiteral("[\\x00-\\x08\\x0b\\x0c\\x0e-\\x1f]")));
        QCOMPARE(okunan.baslik, beklenen);
    }

    void aPlanThatCannotBeComputedIsExplained()
    {
        Rapor rapor = Ag(QStringLiteral("P"), 3);
        rapor.analiz = AnaliziHesapla({{"A", "a", {1, 1}, ""}, {"B", "b", {1, 1}, "Z"}}, rapor.proje);
        QVERIFY(!rapor.analiz.hesaplanamiyor.isEmpty());
        const SvgOkumasi okunan = SvgOku(GorselYaz(rapor, GorselBicim::Svg, QFont()));
        QCOMPARE(okunan.hata, QString());
        QCOMPARE(okunan.cubuk, 0);
        // The explanation is wrapped over lines; its words are all there.
        QCOMPARE(okunan.metinler.join(QLatin1Char(' ')).simplified(), rapor.analiz.hesaplanamiyor.simplified());
        QCOMPARE(PdfSayfaSayisi(GorselYaz(rapor, GorselBicim::Pdf, QFont())), 1);
        QVERIFY(!QImage::fromData(GorselYaz(rapor, GorselBicim::Png, QFont()), "PNG").isNull());
    }

    // 6,200 rows: the PNG is scaled into what viewers open, the PDF runs over many pages.
    void aLargePlanStaysOpenable()
    {
        const Rapor rapor = Ag(QStringLiteral("Büyük"), 6200);
        QCOMPARE(rapor.analiz.hesaplanamiyor, QString());
        const QImage resim = QImage::fromData(GorselYaz(rapor, GorselBicim::Png, QFont()), "PNG");
        QVERIFY(!resim.isNull());
        QVERIFY(resim.height() <= 16384 && resim.width() <= 16384);
        QVERIFY(resim.height() > 10000);
        const int sayfa = PdfSayfaSayisi(GorselYaz(rapor, GorselBicim::Pdf, QFont()));
        // A page holds some tens of table rows and of chart rows.
        QVERIFY2(sayfa > 6200 / 60 && sayfa < 6200 / 10, qPrintable(QString::number(sayfa)));
    }
};

QTEST_MAIN(DrawingExportTest)
#include "tst_GorselCikti.moc"
