#include "destek/DusmancaTarihler.h"

#include "destek/Yereller.h"

#include <QTest>

void DüşmancaTarihSatırları()
{
    QTest::addColumn<QLocale>("yerel");
    QTest::addColumn<QString>("tarih");
    QTest::addColumn<QString>("iso");
    QTest::newRow("31 February") << Türkçe << "31.02.2026" << "";
    QTest::newRow("29 February, common year") << Türkçe << "29.02.2025" << "";
    QTest::newRow("29 February, leap year") << Türkçe << "29.02.2024" << "2024-02-29";
    QTest::newRow("0") << Türkçe << "0" << "";
    QTest::newRow("1.1.1") << Türkçe << "1.1.1" << "";
    QTest::newRow("first day of year 1") << Türkçe << "01.01.0001" << "0001-01-01";
    QTest::newRow("last day of year 9999") << Türkçe << "31.12.9999" << "9999-12-31";
    QTest::newRow("year 10000") << Türkçe << "01.01.10000" << "";
    QTest::newRow("two-digit year, this century") << Türkçe << "1.3.29" << "2029-03-01";
    QTest::newRow("two-digit year, last century") << Türkçe << "1.3.30" << "1930-03-01";
    QTest::newRow("en_US form under tr_TR") << Türkçe << "3/1/2026" << "";
    QTest::newRow("tr_TR form under en_US") << Amerikan << "1.03.2026" << "";
    QTest::newRow("en_US form") << Amerikan << "3/1/2026" << "2026-03-01";
    QTest::newRow("en_US two-digit year") << Amerikan << "12/31/29" << "2029-12-31";
    QTest::newRow("very long digits") << Türkçe << "1.1.20260000000000000000" << "";
    QTest::newRow("only digits") << Türkçe << QString(40, QChar(u'9')) << "";
}
