// The forward pass and the critical path over rows as stored; the predecessor walk
// through the explanations of what cannot be computed.
#include "destek/PlanYazisi.h"
#include "destek/Yereller.h"
#include "kernel/Cizelge.h"
#include "text/CizelgeMetinleri.h"

#include <QTest>

namespace {

// The ES and EF cells as the main window shows them.
QString EsEf(const Cizelge& cizelge, const QVector<KayitliFaaliyet>& satirlar)
{
    QStringList sonuc;
    for (int i = 0; i < satirlar.size(); ++i)
        sonuc << CizelgeMetinleri::Es(cizelge, i) + QLatin1Char('/') + CizelgeMetinleri::Ef(cizelge, i);
    return sonuc.join(QLatin1Char(' '));
}

} // namespace

class ScheduleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Turkce); }

    void forwardPass_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<QString>("esEf");
        QTest::addColumn<QString>("enGec");
        QTest::addColumn<QString>("enErken");
        QTest::addColumn<QString>("kritikYol");

        QTest::newRow("overview example") << "A:Tasarım:3: B:Alım:2:A C:Yapım:4:A D:Teslim:1:B,C"
                                          << "0/3 3/5 3/7 7/8" << "8" << "5" << "A,C,D";
        QTest::newRow("predecessors out of order") << "A:a:1: B:b:5:A C:c:2:A D:d:1:C,B"
                                                   << "0/1 1/6 1/3 6/7" << "7" << "6" << "A,B,D";
        // B and C finish together: the one listed first wins the tie.
        QTest::newRow("tie goes to first listed") << "A:a:1: B:b:2:A C:c:2:A D:d:1:C,B"
                                                  << "0/1 1/3 1/3 3/4" << "4" << "3" << "A,C,D";
        QTest::newRow("predecessors repeated") << "A:a:1: B:b:2:A C:c:2:A D:d:1:C,B,C,B,A"
                                               << "0/1 1/3 1/3 3/4" << "4" << "3" << "A,C,D";
        // Names, durations and starts equal to the EF sought must not lead the walk astray.
        QTest::newRow("values equal to an EF") << "A:5:1: B:b:4:A C:c:3:A D:d:1:C E:e:1:D"
                                               << "0/1 1/5 1/4 4/5 5/6" << "6" << "5" << "A,C,D,E";
        // The first row finishing last ends the path at once.
        QTest::newRow("first activity finishes last") << "A:a:10: B:b:1:A" << "0/10 10/11" << "11" << "1"
                                                     << "A,B";
        QTest::newRow("zero and negative durations") << "A:a:0: B:b:-2:A C:c:0:A D:d:1:B,C"
                                                     << "0/0 0/-2 0/0 0/1" << "1" << "1" << "A,C,D";
        QTest::newRow("one activity") << "A:a:4:" << "0/4" << "" << "" << "";
        // Another program may have stored a code twice: the upper row is the one meant.
        QTest::newRow("code stored twice") << "A:a:1: B:b:2:A B:c:5:A C:c:1:B" << "0/1 1/3 1/6 3/4" << "6" << "5"
                                           << "A,B";
        // Codes beyond ASCII are found another way than Kavrion's own letters; a code
        // stored twice keeps its upper row there too.
        QTest::newRow("codes beyond ASCII") << "Ç:a:2: Ş:b:3:Ç Ş:x:9:Ç a:c:1:Ş,Ç" << "0/2 2/5 2/11 5/6" << "11"
                                            << "9" << "Ç,Ş";
    }
    void forwardPass()
    {
        QFETCH(QString, tanim);
        const QVector<KayitliFaaliyet> satirlar = Faaliyetler(tanim);
        const Cizelge cizelge = CizelgeyiHesapla(satirlar);
        QTEST(EsEf(cizelge, satirlar), "esEf");
        QTEST(CizelgeMetinleri::EnGecGunSayisi(cizelge), "enGec");
        QTEST(CizelgeMetinleri::EnErkenGunSayisi(cizelge), "enErken");
        QTEST(CizelgeMetinleri::KritikYol(cizelge), "kritikYol");

        // A what-if computes on the model of the plan as read, with other durations: the same
        // figures as a model built afresh for them.
        QVector<KayitliFaaliyet> okunan = satirlar;
        for (KayitliFaaliyet& f : okunan)
            f.sure = {7, 7};
        const auto denenen = std::make_shared<const PlanModeli>(PlanModeli(okunan).BaskaSurelerle(satirlar));
        const Cizelge deneme = CizelgeyiHesapla(denenen);
        QTEST(EsEf(deneme, satirlar), "esEf");
        QTEST(CizelgeMetinleri::KritikYol(deneme), "kritikYol");
    }

    void notComputable_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<QString>("esEf");
        QTest::addColumn<QString>("aciklama");
        QTest::newRow("unknown code") << "A:a:1: B:b:1:D C:c:1:A" << "0/1 / 1/2"
                                      << "B faaliyetinin önceki faaliyeti D tanımlı değil.";
        // The explanation names the very code that failed, past the ones that did not.
        QTest::newRow("unknown code after known ones") << "A:a:1: B:b:1:A C:c:1:A,B,A,,Z" << "0/1 1/2 /"
                                                       << "C faaliyetinin önceki faaliyeti , tanımlı değil.";
        QTest::newRow("own code") << "A:a:1: B:b:1:B" << "0/1 /" << "B faaliyeti kendi önceki faaliyeti olamaz.";
        QTest::newRow("later code") << "A:a:1: B:b:1:C C:c:1:A" << "0/1 / 1/2"
                                    << "B faaliyetinin önceki faaliyeti C ondan sonra eklenmiş.";
        QTest::newRow("trailing comma") << "A:a:1: B:b:1:A," << "0/1 /"
                                        << "B faaliyetinin önceki faaliyet listesinde boş bir kod var.";
        QTest::newRow("depends on a row that failed") << "A:a:1: B:b:1:X C:c:1:B" << "0/1 / /"
                                                      << "B faaliyetinin önceki faaliyeti X tanımlı değil.";
        // A text where a number belongs is shown as stored and never read in the regional
        // form: "1.234" is a thousand under Turkish settings, but the file holds no number.
        QTest::newRow("first duration a text") << "A:a:üç: B:b:1:A" << "0/üç /"
                                               << "A faaliyetinin süresi \"üç\" bir tam sayı değil.";
        QTest::newRow("regional digits stored as text") << "A:a:1: B:b:1.234:A" << "0/1 1/"
                                                        << "B faaliyetinin süresi \"1.234\" bir tam sayı değil.";
        QTest::newRow("overflow") << "A:a:2147483647: B:b:1:A" << "0/2147483647 2147483647/"
                                  << "B faaliyetinin bitiş günü 32 bitlik sayı sınırını aşıyor.";
        QTest::newRow("earliest finish overflows") << "A:a:-2147483648: B:b:2147483647:"
                                                  << "0/-2147483648 /"
                                                  << "B faaliyetinin önceki faaliyet listesinde boş bir kod var.";
        QTest::newRow("difference overflows") << "A:a:-2147483648: B:b:2147483647:A"
                                              << "0/-2147483648 0/2147483647"
                                              << "Projenin en erken bitiş gün sayısı 32 bitlik sayı sınırını aşıyor.";
    }
    void notComputable()
    {
        QFETCH(QString, tanim);
        QFETCH(QString, aciklama);
        const auto satirlar = Faaliyetler(tanim);
        const Cizelge cizelge = CizelgeyiHesapla(satirlar);
        QTEST(EsEf(cizelge, satirlar), "esEf");
        QCOMPARE(CizelgeMetinleri::KritikYol(cizelge), QStringLiteral("Hesaplanamıyor: ") + aciklama);
        QVERIFY(cizelge.hata.Var() && cizelge.kritikYol.isEmpty());
        QVERIFY(!cizelge.projeBitisGunu && !cizelge.enErkenGunSayisi);
    }
};

QTEST_GUILESS_MAIN(ScheduleTest)
#include "tst_Cizelge.moc"
