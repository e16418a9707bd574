// The import preview's checks on plain texts: every save check that fails at once, and a
// taken name with the first free one, compared in capitals as it will be stored.
#include "destek/Yereller.h"
#include "import/AktarimDenetimi.h"

#include <QTest>

class ImportCheckTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // `bulgular`: the failing checks by number (1 name, 2 start, 3 end, 4 day count), "|", the free name offered.
    void findings_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QStringList>("alinmis");
        QTest::addColumn<QString>("bulgular");
        QTest::newRow("free") << "ALFA" << "1.03.2026" << "11.03.2026" << QStringList{"BETA", "ALFA (2)"} << "|";
        QTest::newRow("taken, typed in small letters") << "ılık iş" << "1.03.2026" << "11.03.2026"
                                                        << QStringList{"ILIK İŞ"} << "|ILIK İŞ (2)";
        QTest::newRow("the next free number") << "ALFA" << "1.03.2026" << "11.03.2026"
                                              << QStringList{"ALFA (3)", "ALFA", "ALFA (2)"} << "|ALFA (4)";
        QTest::newRow("a placeholder in the name") << "%1 %2" << "1.03.2026" << "11.03.2026"
                                                   << QStringList{"%1 %2"} << "|%1 %2 (2)";
        QTest::newRow("no start, and taken") << "ALFA" << "" << "11.03.2026" << QStringList{"ALFA"} << "2|ALFA (2)";
        QTest::newRow("start and end the same day") << "ALFA" << "2.03.2026" << "2.03.2026" << QStringList() << "4|";
        QTest::newRow("all empty") << "" << "" << "" << QStringList{""} << "1,2,3|";
    }
    void findings()
    {
        QFETCH(QString, ad);
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        QFETCH(QStringList, alinmis);
        // The day count field is ignored: a preview's fields are checked as they are typed.
        const AktarimBulgulari b = AktarimProjesiniDenetle({ad, baslama, bitis, "30"}, alinmis);
        QStringList eksikler;
        for (EksikBilgi e : b.eksikler)
            eksikler << QString::number(int(e));
        QTEST(eksikler.join(',') + '|' + b.bosAd, "bulgular");
        QCOMPARE(b.temiz(), eksikler.isEmpty() && b.bosAd.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ImportCheckTest)
#include "tst_AktarimDenetimi.moc"
