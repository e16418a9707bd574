// The activity fields' rules on plain texts under tr_TR and en_US: the leading number,
// the duration rule, the duration a save stores, the next code, where a predecessor may stand.
#include "destek/Yereller.h"
#include "rules/FaaliyetKurallari.h"

#include <QTest>
#include <cmath>

class ActivityRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<double>("sayi");
        QTest::newRow("comma is no decimal point") << "2,5" << 2.0;
        QTest::newRow("unit after") << "12 gün" << 12.0;
        QTest::newRow("blanks inside") << " 1\t2\n3 " << 123.0;
        QTest::newRow("sign apart") << "- 4" << -4.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "4E+x" << 4.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("other digits") << QString::fromUtf8("\u0661\u0662") << 0.0;
        QTest::newRow("overflow") << "1E400" << HUGE_VAL;
    }
    void leadingNumber()
    {
        QFETCH(QString, metin);
        QTEST(OndekiSayi(metin), "sayi");
    }

    // One locale groups with a point, the other with a comma.
    void durationRule_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("girilen");
        QTest::addColumn<QString>("gosterilen");
        QTest::newRow("tr half away from zero") << Turkce << "-2.5" << "-3";
        QTest::newRow("tr no negative zero") << Turkce << "-0.4" << "0";
        QTest::newRow("tr negative grouped kept") << Turkce << "-12.345.678" << "-12.345.678";
        QTest::newRow("tr badly grouped is decimal") << Turkce << "0.123" << "0";
        QTest::newRow("tr beyond 32 bits kept") << Turkce << "3000000000" << "3.000.000.000";
        QTest::newRow("tr hexadecimal") << Turkce << "&HFFFF" << "65.535";
        QTest::newRow("tr too large stays") << Turkce << "1E400" << "1E400";
        QTest::newRow("en own output kept") << Amerikan << "1,234" << "1,234";
        QTest::newRow("en point is decimal") << Amerikan << "1.234" << "1";
    }
    void durationRule()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, girilen);
        QLocale::setDefault(yerel);
        const QString gosterilen = SureKurali(girilen);
        QTEST(gosterilen, "gosterilen");
        QCOMPARE(SureKurali(gosterilen), gosterilen); // leaving the field again changes nothing
        QCOMPARE(SureSayisi(gosterilen) == 0, gosterilen == "0"); // the save check reads the same value
    }

    // What a save stores: a 32-bit whole number, plain or regionally grouped; anything
    // else is refused with the reason for the box.
    void durationToStore_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("sure");
        QTest::addColumn<QString>("saklanan"); // empty: refused
        QTest::newRow("largest") << Turkce << "2147483647" << "2147483647";
        QTest::newRow("smallest") << Turkce << "-2147483648" << "-2147483648";
        QTest::newRow("one past the largest") << Turkce << "2147483648" << "";
        QTest::newRow("tr grouping") << Turkce << "1.234.567" << "1234567";
        QTest::newRow("en grouping") << Amerikan << "1,234" << "1234";
        QTest::newRow("tr grouping under en_US") << Amerikan << "1.234.567" << "";
        QTest::newRow("misplaced group") << Amerikan << "2,5" << "";
        QTest::newRow("-0") << Turkce << "-0" << "0";
        QTest::newRow("blanks around") << Turkce << "  7  " << "7";
        QTest::newRow("1e308") << Turkce << "1e308" << "";
        QTest::newRow("0x10") << Turkce << "0x10" << "";
        QTest::newRow("Arabic-Indic digit") << Turkce << QString::fromUtf8("\xD9\xA3") << "";
        QTest::newRow("blanks only") << Turkce << " \t " << "";
    }
    void durationToStore()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, sure);
        QFETCH(QString, saklanan);
        QLocale::setDefault(yerel);
        QString neden;
        const auto deger = KaydedilecekSure(sure, &neden);
        QCOMPARE(deger ? QString::number(*deger) : QString(), saklanan);
        QCOMPARE(neden.startsWith(QStringLiteral("Öngörülen süre \"%1\" kaydedilemiyor").arg(sure)), !deger);
    }

    void nextCode_data()
    {
        QTest::addColumn<QString>("koduBul");
        QTest::addColumn<QString>("sonraki"); // empty: no more codes
        QTest::newRow("first") << "" << "A";
        QTest::newRow("last") << "}" << "~";
        QTest::newRow("none after tilde") << "~" << "";
        QTest::newRow("below A starts at A") << "5" << "A";
    }
    void nextCode()
    {
        QFETCH(QString, koduBul);
        QTEST(SonrakiKod(koduBul).value_or(QString()), "sonraki");
    }

    void predecessorsMustComeBefore_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("oncekiler");
        QTest::addColumn<QString>("yersiz"); // empty: accepted
        QTest::newRow("smaller letter added later") << "C" << "B" << "B";
        QTest::newRow("own code") << "C" << "A,C" << "C";
        QTest::newRow("deleted code") << "C" << "A,X" << "X";
        QTest::newRow("new activity may name any") << "F" << "E,A" << "";
    }
    void predecessorsMustComeBefore()
    {
        QFETCH(QString, kod);
        QFETCH(QString, oncekiler);
        const QStringList kodlar{"A", "C", "B", "D", "E"}; // in the order added, not in code order
        QTEST(YersizOnceki(oncekiler, OncekiOlabilecekKodlar(kodlar, kod)).value_or(QString()), "yersiz");
    }
};

QTEST_GUILESS_MAIN(ActivityRulesTest)
#include "tst_FaaliyetKurallari.moc"
