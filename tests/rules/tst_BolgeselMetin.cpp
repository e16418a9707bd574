#include "rules/BolgeselMetin.h"

#include <QLocale>
#include <QTest>

class RegionalTextTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void readsDates_data()
    {
        QTest::addColumn<QString>("yerel");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QDate>("tarih"); // invalid: refused

        QTest::newRow("tr short") << "tr_TR" << "1.03.2026" << QDate(2026, 3, 1);
        QTest::newRow("tr padded") << "tr_TR" << "01.03.2026" << QDate(2026, 3, 1);
        QTest::newRow("tr two-digit year") << "tr_TR" << "1.3.26" << QDate(2026, 3, 1);
        QTest::newRow("window upper end") << "tr_TR" << "1.3.29" << QDate(2029, 3, 1);
        QTest::newRow("window lower end") << "tr_TR" << "1.3.30" << QDate(1930, 3, 1);
        QTest::newRow("en two-digit year") << "en_US" << "3/1/26" << QDate(2026, 3, 1);
        QTest::newRow("en four digits") << "en_US" << "3/1/2026" << QDate(2026, 3, 1);
        QTest::newRow("de two-digit year") << "de_DE" << "01.03.26" << QDate(2026, 3, 1);
        QTest::newRow("iso anywhere") << "en_US" << "2026-03-01" << QDate(2026, 3, 1);
        QTest::newRow("year one") << "tr_TR" << "01.01.0001" << QDate(1, 1, 1);
        QTest::newRow("last storable") << "tr_TR" << "31.12.9999" << QDate(9999, 12, 31);
        QTest::newRow("leap day") << "tr_TR" << "29.02.2024" << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << "tr_TR" << "29.02.2025" << QDate();
        QTest::newRow("no such day") << "tr_TR" << "31.02.2026" << QDate();
        QTest::newRow("other locale's form") << "tr_TR" << "3/1/2026" << QDate();
        QTest::newRow("a lone number") << "tr_TR" << "0" << QDate();
        QTest::newRow("long digits") << "tr_TR" << "1.1.123456789012" << QDate();
        QTest::newRow("words") << "tr_TR" << "abc" << QDate();
        QTest::newRow("empty") << "tr_TR" << "" << QDate();
    }
    void readsDates()
    {
        QFETCH(QString, yerel);
        QFETCH(QString, metin);
        QFETCH(QDate, tarih);
        QLocale::setDefault(QLocale(yerel));
        const auto okunan = BölgeselMetin::TarihOku(metin);
        QCOMPARE(okunan.value_or(QDate()), tarih);
    }

    // Whatever is accepted is written back with four digits and reads back the same.
    void datesRoundTrip_data()
    {
        QTest::addColumn<QString>("yerel");
        for (const char* yerel : {"tr_TR", "en_US", "de_DE", "ja_JP", "fa_IR"})
            QTest::newRow(yerel) << yerel;
    }
    void datesRoundTrip()
    {
        QFETCH(QString, yerel);
        QLocale::setDefault(QLocale(yerel));
        for (const QDate& tarih : {QDate(1, 1, 1), QDate(1926, 3, 1), QDate(2026, 3, 1), QDate(2029, 12, 31),
                                   QDate(9999, 12, 31)}) {
            const QString metin = BölgeselMetin::TarihYaz(tarih);
            QCOMPARE(BölgeselMetin::TarihOku(metin).value_or(QDate()), tarih);
        }
    }

    void readsWholeNumbers_data()
    {
        QTest::addColumn<QString>("yerel");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("sayıMı");
        QTest::addColumn<int>("değer");
        QTest::newRow("plain") << "tr_TR" << "1234" << true << 1234;
        QTest::newRow("tr grouped") << "tr_TR" << "1.234" << true << 1234;
        QTest::newRow("en grouped") << "en_US" << "1,234" << true << 1234;
        QTest::newRow("decimal comma is no group") << "tr_TR" << "2,5" << false << 0;
        QTest::newRow("misplaced group") << "en_US" << "2,5" << false << 0;
        QTest::newRow("above 32 bits") << "tr_TR" << "2147483648" << false << 0;
        QTest::newRow("lowest") << "tr_TR" << "-2147483648" << true << int(-2147483647 - 1);
    }
    void readsWholeNumbers()
    {
        QFETCH(QString, yerel);
        QFETCH(QString, metin);
        QFETCH(bool, sayıMı);
        QLocale::setDefault(QLocale(yerel));
        const auto sayı = BölgeselMetin::TamSayıOku(metin);
        QCOMPARE(sayı.has_value(), sayıMı);
        if (sayı)
            QTEST(*sayı, "değer");
    }
};

QTEST_GUILESS_MAIN(RegionalTextTest)
#include "tst_BolgeselMetin.moc"
