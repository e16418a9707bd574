#include "destek/Yereller.h"
#include "rules/FaaliyetKurallari.h"

#include <QTest>
#include <cmath>

class ActivityRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<double>("sayı");
        QTest::newRow("comma is no decimal point") << "2,5" << 2.0;
        QTest::newRow("unit after") << "12 gün" << 12.0;
        QTest::newRow("no digit") << "gün" << 0.0;
        QTest::newRow("blanks inside") << " 1\t2\n3 " << 123.0;
        QTest::newRow("sign apart") << "- 4" << -4.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("second point stops") << "1.5.3" << 1.5;
        QTest::newRow("exponent") << "2.5E2" << 250.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "4E+x" << 4.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("other digits") << QString::fromUtf8("\u0661\u0662") << 0.0;
        QTest::newRow("overflow") << "1E400" << HUGE_VAL;
    }
    void leadingNumber()
    {
        QFETCH(QString, metin);
        QTEST(ÖndekiSayı(metin), "sayı");
    }

    // Both locales: one groups with a point, the other with a comma.
    void durationRule_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("girilen");
        QTest::addColumn<QString>("gösterilen");
        QTest::newRow("tr half up") << Türkçe << "2.5" << "3";
        QTest::newRow("tr half away from zero") << Türkçe << "-2.5" << "-3";
        QTest::newRow("tr comma cuts") << Türkçe << "2,5" << "2";
        QTest::newRow("tr no negative zero") << Türkçe << "-0.4" << "0";
        QTest::newRow("tr grouped") << Türkçe << "1234" << "1.234";
        QTest::newRow("tr own output kept") << Türkçe << "1.234" << "1.234";
        QTest::newRow("tr negative grouped kept") << Türkçe << "-12.345.678" << "-12.345.678";
        QTest::newRow("tr badly grouped is decimal") << Türkçe << "0.123" << "0";
        QTest::newRow("tr beyond 32 bits kept") << Türkçe << "3000000000" << "3.000.000.000";
        QTest::newRow("tr hexadecimal") << Türkçe << "&HFFFF" << "65.535";
        QTest::newRow("tr too large stays") << Türkçe << "1E400" << "1E400";
        QTest::newRow("en grouped") << Amerikan << "1234" << "1,234";
        QTest::newRow("en own output kept") << Amerikan << "1,234" << "1,234";
        QTest::newRow("en point is decimal") << Amerikan << "1.234" << "1";
        QTest::newRow("en comma cuts") << Amerikan << "2,5" << "2";
    }
    void durationRule()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, girilen);
        QLocale::setDefault(yerel);
        const QString gösterilen = SüreKuralı(girilen);
        QTEST(gösterilen, "gösterilen");
        // Leaving the field again must not change it any more.
        QCOMPARE(SüreKuralı(gösterilen), gösterilen);
        // The save check reads the same value as the rule.
        QCOMPARE(SüreSayısı(gösterilen) == 0, gösterilen == QLatin1String("0"));
    }

    void nextCode_data()
    {
        QTest::addColumn<QString>("koduBul");
        QTest::addColumn<QString>("sonraki"); // empty: no more codes
        QTest::newRow("first") << "" << "A";
        QTest::newRow("second") << "A" << "B";
        QTest::newRow("after Z") << "Z" << "[";
        QTest::newRow("last") << "}" << "~";
        QTest::newRow("none after tilde") << "~" << "";
        QTest::newRow("none after non-ASCII") << QString::fromUtf8("Ç") << "";
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
        QTest::addColumn<QString>("öncekiler");
        QTest::addColumn<QString>("yersiz"); // empty: accepted
        QTest::newRow("earlier codes") << "B" << "C,A" << "";
        QTest::newRow("smaller letter added later") << "C" << "B" << "B";
        QTest::newRow("none") << "A" << "" << "";
        QTest::newRow("own code") << "C" << "A,C" << "C";
        QTest::newRow("later code") << "B" << "D" << "D";
        QTest::newRow("deleted code") << "C" << "A,X" << "X";
        QTest::newRow("new activity may name any") << "F" << "E,A" << "";
    }
    void predecessorsMustComeBefore()
    {
        QFETCH(QString, kod);
        QFETCH(QString, öncekiler);
        // Codes in the order added, not in code order.
        const QStringList kodlar{"A", "C", "B", "D", "E"};
        QTEST(YersizÖnceki(öncekiler, ÖncekiOlabilecekKodlar(kodlar, kod)).value_or(QString()), "yersiz");
    }
};

QTEST_GUILESS_MAIN(ActivityRulesTest)
#include "tst_FaaliyetKurallari.moc"
