// Dates in the user's regional form: read, written with four-digit years, and read
// back as the same value.
#include "destek/Yereller.h"
#include "rules/BolgeselMetin.h"

#include <QTest>

using namespace BolgeselMetin;

class RegionalTextTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Impossible days, the edges of the years a date may have, two-digit years, the
    // other locale's form, endless digits. A date accepted is written back in the
    // regional form and reads as the same date.
    void hostileDates_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("tarih");
        QTest::addColumn<QString>("iso"); // empty: refused
        QTest::newRow("31 February") << Turkce << "31.02.2026" << "";
        QTest::newRow("29 February, leap year") << Turkce << "29.02.2024" << "2024-02-29";
        QTest::newRow("29 February 2000, two digits") << Turkce << "29.02.00" << "2000-02-29";
        QTest::newRow("1.1.1") << Turkce << "1.1.1" << "";
        QTest::newRow("first day of year 1") << Turkce << "01.01.0001" << "0001-01-01";
        QTest::newRow("last day of year 9999") << Turkce << "31.12.9999" << "9999-12-31";
        QTest::newRow("year 10000") << Turkce << "01.01.10000" << "";
        QTest::newRow("two-digit year, this century") << Turkce << "1.3.29" << "2029-03-01";
        QTest::newRow("two-digit year, last century") << Turkce << "1.3.30" << "1930-03-01";
        QTest::newRow("en_US form under tr_TR") << Turkce << "3/1/2026" << "";
        QTest::newRow("en_US two-digit year") << Amerikan << "12/31/29" << "2029-12-31";
        QTest::newRow("month 13 under en_US") << Amerikan << "13/1/2026" << "";
        QTest::newRow("ISO under de_DE") << Alman << "2026-03-01" << "2026-03-01";
        QTest::newRow("C, month name") << QLocale::c() << "1 Mar 2026" << "2026-03-01";
        QTest::newRow("C, digits only") << QLocale::c() << "1.3.2026" << "";
        QTest::newRow("very long digits") << Turkce << "1.1.20260000000000000000" << "";
        QTest::newRow("blanks") << Turkce << "   " << "";
    }
    void hostileDates()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, tarih);
        QFETCH(QString, iso);
        QLocale::setDefault(yerel);
        const auto okunan = TarihOku(tarih);
        QCOMPARE(okunan.value_or(QDate()), QDate::fromString(iso, Qt::ISODate));
        if (okunan)
            QCOMPARE(TarihOku(TarihYaz(*okunan)), okunan);
    }

    // The years 1..29 and 1930..1999 are where a two-digit year would lose its century.
    void writtenDatesReadBackInEveryLocale_data()
    {
        QTest::addColumn<QLocale>("yerel");
        for (const QLocale& yerel : {Turkce, Amerikan, Alman, QLocale::c(), QLocale("ja_JP"), QLocale("fa_IR")})
            QTest::newRow(qPrintable(yerel.name())) << yerel;
    }
    void writtenDatesReadBackInEveryLocale()
    {
        QFETCH(QLocale, yerel);
        QLocale::setDefault(yerel);
        for (const QDate& tarih : {QDate(1, 1, 1), QDate(29, 3, 1), QDate(1926, 3, 1), QDate(2029, 12, 31), QDate(9999, 12, 31)})
            QCOMPARE(TarihOku(TarihYaz(tarih)).value_or(QDate()), tarih);
    }
};

QTEST_GUILESS_MAIN(RegionalTextTest)
#include "tst_BolgeselMetin.moc"
