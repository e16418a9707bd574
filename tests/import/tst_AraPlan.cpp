// The conversion both readers share: summaries, order, the start activity, what needs
// the user's acceptance, and each refusal.
#include "destek/RastgelePlan.h"
#include "import/AraPlan.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// Tasks from "key:days:level:links" texts, a link "P", "P!SS" (its type), "P+2" or "P-2" (its
// lag in days), "P+2h" (in hours), "P+50%" (a percentage); named by key.
AraPlan Ara(const QString& tanim)
{
    static const QHash<QString, BagTuru> turler{{"SS", BagTuru::BaslamaBaslama}, {"FF", BagTuru::BitisBitis},
                                                {"SF", BagTuru::BaslamaBitis}};
    static const QHash<QString, GecikmeBirimi> birimler{{"h", GecikmeBirimi::Saat}, {"%", GecikmeBirimi::Yuzde}};
    static const QRegularExpression bag("^(\\w+)(?:!(\\w\\w))?([+-][\\d.]+)?(h|%)?$");
    AraPlan ara;
    for (const QString& parca : tanim.split(' ', Qt::SkipEmptyParts)) {
        const QStringList a = parca.split(':');
        AraGorev g{a[0], a[0], a[0], a[1].toDouble(), a[2].toInt(), {}, {}, {}, {}};
        for (const QString& b : a[3].split('/', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch e = bag.match(b);
            g.bagli.append({e.captured(1), turler.value(e.captured(2), BagTuru::BitisBaslama), e.captured(3).toDouble(),
                            birimler.value(e.captured(4), GecikmeBirimi::IsGunu)});
        }
        ara.gorevler.append(g);
    }
    return ara;
}

// n tasks, the first `koksuz` waiting for nothing, each later one for the one before.
QString Zincir(int n, int koksuz)
{
    QStringList parcalar;
    for (int i = 0; i < n; ++i)
        parcalar << QString("T%1:1:1:%2").arg(i).arg(i < koksuz ? QString() : QString("T%1").arg(i - 1));
    return parcalar.join(' ');
}

} // namespace

class AraPlanTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // `beklenen`: the activities one per line, or "RET:" and a part of the refusal.
    void conversions_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<QString>("beklenen");
        QTest::addColumn<QString>("raporda");
        QTest::addColumn<int>("onay");
        QTest::newRow("one task") << "X:3:1:" << "A:X:3:" << "" << 0;
        QTest::newRow("a predecessor below moves up")
            << "X:1:1:Y Y:2:1:" << "A:Y:2:\nB:X:1:A" << "«Y» faaliyetler arasında 2. sıradaydı, 1. sıraya alındı" << 0;
        QTest::newRow("several without predecessor: start activity")
            << "X:1:1: Y:2:1: Z:0:1:Y/X" << "A:Başlangıç:0:\nB:X:1:A\nC:Y:2:A\nD:Z:0:C,B"
            << "«Başlangıç» (A, 0 gün) eklendi: öncülü olmayan 2 faaliyet («X», «Y»)" << 0;
        QTest::newRow("summary: its links go to and from its leaves")
            << "P:2:1: S:0:1:P X:1:2: Y:1:2:X T:1:1:S" << "A:P:2:\nB:X:1:A\nC:Y:1:B,A\nD:T:1:B,C"
            << "«S» özet görevi faaliyet olmadı: altındaki 2 görev" << 0;
        QTest::newRow("nested summaries") << "S:0:1: R:0:2: X:1:3: Y:1:1:S" << "A:X:1:\nB:Y:1:A" << "«R» özet" << 0;
        QTest::newRow("type and lag kept, a fraction to accept")
            << "X:1:1: Y:2.5:1:X!SS+2" << "A:X:1:\nB:Y:3:A ABaBa2" << "" << 1;
        QTest::newRow("each type, a lead, a summary's link to its leaves")
            << "X:4:1: S:0:1:X!SF-3 Y:1:2: Z:1:1:Y!FF/X-2" << "A:X:4:\nB:Y:1:A ABaBi-3\nC:Z:1:B,A BBiBi0 ABB-2" << "" << 0;
        QTest::newRow("hours, a percentage and a fraction: one line for each kind")
            << "X:4:1: Y:1:1:X+0.5h Z:1:1:Y+1.5/X+50%"
            << "A:X:4:\nB:Y:1:A ABB1\nC:Z:1:B,A BBB2 ABB2"
            << "1 bağın gecikmesi kesirli gün olarak verilmiş; Kavrion gecikmeyi projenin takviminin tam iş günleriyle "
               "sayar, kesirli olan bir üst tam güne yuvarlandı: «Z» ← «Y»: 1,5 gün → 2 iş günü.\n"
               "1 bağın gecikmesi saat olarak verilmiş (günlük çalışma saatiyle güne çevrildi); Kavrion gecikmeyi "
               "projenin takviminin tam iş günleriyle sayar, kesirli olan bir üst tam güne yuvarlandı: «Y» ← «X»: "
               "0,5 gün → 1 iş günü.\n1 bağın gecikmesi öncülün süresinin yüzdesi olarak"
            << 0;
        QTest::newRow("two links between one pair: one type kept, the larger lag")
            << "X:1:1: S:0:1:X!SS/X+3 Y:1:2:X!SS+1/X" << "A:X:1:\nB:Y:1:A ABaBa1" << "" << 1;
        QTest::newRow("a lead of 10,000 days") << "X:1:1: Y:1:1:X-10000" << "A:X:1:\nB:Y:1:A ABB-10000" << "" << 0;
        QTest::newRow("a lag beyond 10,000 days")
            << "X:1:1: Y:1:1:X!SS+10000.5" << "RET:«Y» görevinin «X» ile bağındaki gecikme (10000,5 gün)" << "" << 0;
        QTest::newRow("a cycle through start-to-start links")
            << "X:1:1:Z!SS Y:1:1:X!SS Z:1:1:Y!FF" << "RET:döngü kuruyor: «X» → «Y» → «Z» → «X»" << "" << 0;
        QTest::newRow("62 activities") << Zincir(62, 1) << "" << "" << 0;
        QTest::newRow("cycle") << "W:1:1: X:1:1:W/Z Y:1:1:X Z:1:1:Y" << "RET:döngü kuruyor: «X» → «Y» → «Z» → «X»"
                               << "" << 0;
        QTest::newRow("a task its own predecessor") << "X:1:1:X" << "RET:«X» → «X»" << "" << 0;
        QTest::newRow("empty") << "" << "RET:hiç görev yok" << "" << 0;
        QTest::newRow("the last task is no summary") << "S:1:1:" << "A:S:1:" << "" << 0;
        QTest::newRow("63 activities") << Zincir(63, 1) << "RET:Dosyada 63 görev var" << "" << 0;
        QTest::newRow("62 and a start activity") << Zincir(62, 2) << "RET:başlangıç faaliyetiyle 63 faaliyet" << "" << 0;
        QTest::newRow("same key twice") << "X:1:1: X:2:1:" << "RET:aynı kimliği (X)" << "" << 0;
        QTest::newRow("link to nothing") << "X:1:1:Q" << "RET:«X» görevinin öncülü (Q) dosyada yok" << "" << 0;
        QTest::newRow("below zero") << "X:-1:1:" << "RET:«X» görevinin süresi (-1 gün)" << "" << 0;
        QTest::newRow("beyond 32 bits") << "X:3e9:1:" << "RET:Kavrion'un tutabileceği" << "" << 0;
    }
    void conversions()
    {
        QFETCH(QString, tanim);
        QFETCH(QString, beklenen);
        QFETCH(QString, raporda);
        QFETCH(int, onay);
        const AktarimSonucu sonuc = Donustur(Ara(tanim));
        if (beklenen.startsWith("RET:")) {
            QVERIFY(!sonuc.plan);
            QVERIFY2(sonuc.ret.contains(beklenen.mid(4)), qPrintable(sonuc.ret));
            return;
        }
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        if (!beklenen.isEmpty())
            QCOMPARE(Ozeti(sonuc.plan->faaliyetler), beklenen);
        QCOMPARE(sonuc.plan->faaliyetler.last().kodu, QString(QChar(char16_t(u'A' + sonuc.plan->faaliyetler.size() - 1))));
        QVERIFY2(sonuc.plan->rapor.join('\n').contains(raporda), qPrintable(sonuc.plan->rapor.join('\n')));
        QCOMPARE(sonuc.plan->onaylanacaklar.size(), onay);
        QCOMPARE(sonuc.plan->onayMetni.isEmpty(), onay == 0);
    }

    // The check box says exactly what acceptance does, and only that.
    void acceptanceText()
    {
        const AktarimSonucu sonuc = Donustur(Ara("X:1:1: S:0:1:X!FF Y:1.5:2:X"));
        QVERIFY(sonuc.plan);
        QCOMPARE(sonuc.plan->onaylanacaklar,
                 QStringList({"«Y»: «X» ile ikinci bağı (BiBi) atılacak; 1,5 günlük süresi 2 güne yuvarlanacak."}));
        QCOMPARE(sonuc.plan->onayMetni, "Kabul ediyorum: aynı iki görev arasındaki ikinci bağlar atılır; kesirli süreler "
                                        "bir üst tam güne yuvarlanır.");
    }
};

QTEST_GUILESS_MAIN(AraPlanTest)
#include "tst_AraPlan.moc"
