#include "analysis/AgAnalizi.h"
#include "destek/Yereller.h"
#include "schedule/Cizelge.h"

#include <QTest>
#include <random>

namespace {

// Activities from "code:duration:predecessors" texts separated by blanks; a duration
// that is not a number is kept as another program would have left it.
QVector<KayitliFaaliyet> Faaliyetler(const QString& tanim)
{
    QVector<KayitliFaaliyet> faaliyetler;
    for (const QString& parca : tanim.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList alan = parca.split(QLatin1Char(':'));
        bool sayi = false;
        const qint32 sure = alan.value(1).toInt(&sayi);
        Sakli<qint32> sakli{sayi ? QVariant(sure) : QVariant(alan.value(1)), {}};
        if (sayi)
            sakli.deger = sure;
        faaliyetler.append({alan.value(0), alan.value(0).toLower(), sakli, alan.value(2)});
    }
    return faaliyetler;
}

KayitliProje Tarihli(const QString& baslama = "2026-03-01", const QString& bitis = "2026-03-11")
{
    auto Tarih = [](const QString& metin) {
        const QDate tarih = QDate::fromString(metin, Qt::ISODate);
        return Sakli<QDate>{metin.isEmpty() ? QVariant() : QVariant(metin),
                            tarih.isValid() ? std::optional<QDate>(tarih) : std::nullopt};
    };
    return {QStringLiteral("P"), Tarih(baslama), Tarih(bitis)};
}

// "ES/EF/LS/LF/total/free", a star for a critical one.
QString Rakamlar(const AgAnalizi& analiz)
{
    QStringList sonuc;
    for (const FaaliyetAnalizi& f : analiz.faaliyetler)
        sonuc << QStringLiteral("%1/%2/%3/%4/%5/%6%7")
                     .arg(f.es).arg(f.ef).arg(f.ls).arg(f.lf).arg(f.toplamBolluk).arg(f.serbestBolluk)
                     .arg(f.kritik ? QStringLiteral("*") : QString());
    return sonuc.join(QLatin1Char(' '));
}

QString Yollar(const AgAnalizi& analiz)
{
    QStringList yollar;
    for (const QStringList& yol : analiz.kritikYollar)
        yollar << yol.join(QLatin1Char(','));
    return yollar.join(QStringLiteral(" | "));
}

// k diamonds in a row, each a tie of two equal branches: 2^k critical paths.
QString Elmaslar(int k)
{
    QString tanim = QStringLiteral("A:1:");
    QChar son = QLatin1Char('A');
    for (int i = 0; i < k; ++i) {
        const QChar sol(son.unicode() + 1), sag(son.unicode() + 2), birlesim(son.unicode() + 3);
        tanim += QStringLiteral(" %1:1:%4 %2:1:%4 %3:1:%1,%2").arg(sol).arg(sag).arg(birlesim).arg(son);
        son = birlesim;
    }
    return tanim;
}

} // namespace

class NetworkAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Turkce); }

    void handWorkedNetworks_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<QString>("rakamlar");
        QTest::addColumn<QString>("yollar");
        QTest::addColumn<QString>("sayi");
        QTest::addColumn<int>("anaYolSirasi");
        QTest::newRow("four-activity sample") << "A:3: B:2:A C:4:A D:1:B,C"
                                              << "0/3/0/3/0/0* 3/5/5/7/2/2 3/7/3/7/0/0* 7/8/7/8/0/0*" << "A,C,D"
                                              << "1" << 0;
        QTest::newRow("chain") << "A:2: B:3:A C:1:B" << "0/2/0/2/0/0* 2/5/2/5/0/0* 5/6/5/6/0/0*" << "A,B,C" << "1"
                               << 0;
        QTest::newRow("diamond with tied paths") << "A:1: B:2:A C:2:A D:1:C,B"
                                                 << "0/1/0/1/0/0* 1/3/1/3/0/0* 1/3/1/3/0/0* 3/4/3/4/0/0*"
                                                 << "A,B,D | A,C,D" << "2" << 1;
        QTest::newRow("fan-in") << "A:1: B:3:A C:5:A D:2:A E:1:B,C,D"
                                << "0/1/0/1/0/0* 1/4/3/6/2/2 1/6/1/6/0/0* 1/3/4/6/3/3 6/7/6/7/0/0*" << "A,C,E"
                                << "1" << 0;
        QTest::newRow("zero and negative durations") << "A:0: B:-2:A C:0:A D:1:B,C"
                                                     << "0/0/0/0/0/0* 0/-2/2/0/2/2 0/0/0/0/0/0* 0/1/0/1/0/0*"
                                                     << "A,C,D" << "1" << 0;
        // A finishes at F too, so the path may end there or run on through B.
        QTest::newRow("zero duration at the end") << "A:5: B:0:A" << "0/5/0/5/0/0* 5/5/5/5/0/0*" << "A | A,B"
                                                  << "2" << 0;
        // A's finish does not set B's start, yet the main window walks back to it.
        QTest::newRow("negative first duration") << "A:-5: B:3:A" << "0/-5/5/0/5/5 0/3/0/3/0/0*" << "B" << "1"
                                                 << -1;
        QTest::newRow("not a predecessor of anything") << "A:2: B:1:A C:4:A"
                                                       << "0/2/0/2/0/0* 2/3/5/6/3/3 2/6/2/6/0/0*" << "A,C" << "1" << 0;
        QTest::newRow("greedy path one of several")
            << "A:1: B:1:A C:1:A D:1:C,B E:1:D F:1:D G:1:F,E"
            << "0/1/0/1/0/0* 1/2/1/2/0/0* 1/2/1/2/0/0* 2/3/2/3/0/0* 3/4/3/4/0/0* 3/4/3/4/0/0* 4/5/4/5/0/0*"
            << "A,B,D,E,G | A,B,D,F,G | A,C,D,E,G | A,C,D,F,G" << "4" << 3;
    }
    void handWorkedNetworks()
    {
        QFETCH(QString, tanim);
        QFETCH(int, anaYolSirasi);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), Tarihli());
        QCOMPARE(analiz.hesaplanamiyor, QString());
        QTEST(Rakamlar(analiz), "rakamlar");
        QTEST(Yollar(analiz), "yollar");
        QTEST(analiz.kritikYolSayisi, "sayi");
        QCOMPARE(analiz.kalanYollar, QString());
        QCOMPARE(analiz.anaPenceredekiYolSirasi, anaYolSirasi);
        QCOMPARE(analiz.anaPenceredekiYolKritik, anaYolSirasi >= 0);
        QCOMPARE(analiz.yolNotu.contains(QStringLiteral("biri değil")), anaYolSirasi < 0);
    }

    void pathsBeyondTheListing_data()
    {
        QTest::addColumn<int>("elmas");
        QTest::addColumn<QString>("sayi");
        QTest::addColumn<QString>("kalan");
        QTest::newRow("2^10 paths") << 10 << "1024" << "ve 24 yol daha";
        QTest::newRow("2^70 paths, beyond 64 bits") << 70 << "1180591620717411303424"
                                                    << "ve 1180591620717411302424 yol daha";
    }
    void pathsBeyondTheListing()
    {
        QFETCH(int, elmas);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(Elmaslar(elmas)), Tarihli());
        QTEST(analiz.kritikYolSayisi, "sayi");
        QTEST(analiz.kalanYollar, "kalan");
        QCOMPARE(analiz.kritikYollar.size(), KritikYolSiniri);
        // By the codes along them: every fork takes its left branch first.
        QCOMPARE(analiz.kritikYollar.first().at(1), QStringLiteral("B"));
        QCOMPARE(analiz.kritikYollar.first().size(), 2 * elmas + 1);
        QVERIFY(analiz.anaPenceredekiYolKritik);
    }

    void whyCritical_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<int>("satir");
        QTest::addColumn<QString>("neden");
        const QString ornek = QStringLiteral("A:3: B:2:A C:4:A D:1:B,C");
        QTest::newRow("first") << ornek << 0
                               << "Kritik: hiçbir önceki faaliyeti beklemeden 0. günde başlıyor; gecikirse C "
                                  "faaliyeti de gecikir.";
        QTest::newRow("float to a successor") << ornek << 1
                                              << "2 gün kayabilir; en geç bitişini D faaliyetinin en geç başlaması "
                                                 "belirliyor.";
        QTest::newRow("driven") << ornek << 2 << "Kritik: A bitince başlıyor; gecikirse D faaliyeti de gecikir.";
        QTest::newRow("last") << ornek << 3 << "Kritik: C bitince başlıyor; gecikirse proje de gecikir.";
        QTest::newRow("float to the finish") << "A:2: B:1:A C:4:A" << 1
                                             << "3 gün kayabilir; en geç bitişini projenin bitişi belirliyor.";
    }
    void whyCritical()
    {
        QFETCH(QString, tanim);
        QFETCH(int, satir);
        QTEST(AnaliziHesapla(Faaliyetler(tanim), Tarihli()).faaliyetler.at(satir).neden, "neden");
    }

    void notComputable_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<QString>("aciklama");
        QTest::newRow("unknown code") << "A:1: B:1:X" << "B faaliyetinin önceki faaliyeti X tanımlı değil.";
        QTest::newRow("duration not a number") << "A:1: B:abc:A" << "B faaliyetinin süresi \"abc\" bir tam sayı değil.";
        QTest::newRow("one row, not a number") << "A:x:" << "A faaliyetinin süresi \"x\" bir tam sayı değil.";
        QTest::newRow("finish overflows") << "A:2147483647: B:1:A"
                                          << "B faaliyetinin bitiş günü 32 bitlik sayı sınırını aşıyor.";
        QTest::newRow("latest start overflows") << "A:2147483647: B:-2147483648:A"
                                                << "B faaliyetinin en geç başlama günü 32 bitlik sayı sınırını aşıyor.";
        QTest::newRow("free float overflows") << "A:-2147483648: B:-1:A"
                                              << "A faaliyetinin serbest bolluğu 32 bitlik sayı sınırını aşıyor.";
        QTest::newRow("no activities") << "" << "Projede faaliyet yok.";
    }
    void notComputable()
    {
        QFETCH(QString, tanim);
        QFETCH(QString, aciklama);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), Tarihli());
        QCOMPARE(analiz.hesaplanamiyor, QStringLiteral("Hesaplanamıyor: ") + aciklama);
        QVERIFY(analiz.faaliyetler.isEmpty());
        QVERIFY(analiz.kritikYollar.isEmpty());
        QVERIFY(analiz.plan.metin.isEmpty());
    }

    void planAgainstTheProjectDates_data()
    {
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QDate>("enErkenBitis");
        QTest::addColumn<QDate>("cBaslama"); // C runs from day 3 to day 7
        const QDate dokuzMart(2026, 3, 9), dortMart(2026, 3, 4);
        QTest::newRow("float") << "2026-03-01" << "2026-03-11" << "2 gün pay" << dokuzMart << dortMart;
        QTest::newRow("on time") << "2026-03-01" << "2026-03-09" << "0 gün pay" << dokuzMart << dortMart;
        QTest::newRow("delay") << "2026-03-01" << "2026-03-05" << "4 gün gecikme" << dokuzMart << dortMart;
        QTest::newRow("across a year") << "2025-12-30" << "2026-01-01" << "6 gün gecikme" << QDate(2026, 1, 7)
                                       << QDate(2026, 1, 2);
        QTest::newRow("no end date") << "2026-03-01" << "" << "Projenin bitiş tarihi girilmemiş." << dokuzMart
                                     << dortMart;
        QTest::newRow("start not a date") << "31.02.2026" << "2026-03-11"
                                          << "Projenin başlama tarihi \"31.02.2026\" bir tarih değil." << QDate()
                                          << QDate();
    }
    void planAgainstTheProjectDates()
    {
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler("A:3: B:2:A C:4:A D:1:B,C"), Tarihli(baslama, bitis));
        QTEST(analiz.plan.metin, "metin");
        QTEST(analiz.plan.enErkenBitis, "enErkenBitis");
        QTEST(analiz.faaliyetler.at(2).baslama, "cBaslama");
        QCOMPARE(analiz.faaliyetler.at(2).bitis.isValid(), analiz.faaliyetler.at(2).baslama.isValid());
    }

    // The main window's ES, EF and path on a few hundred random networks full of ties,
    // zero and negative durations.
    void agreesWithTheMainWindow()
    {
        std::mt19937 uretec(20261207);
        for (int ag = 0; ag < 300; ++ag) {
            const int n = std::uniform_int_distribution<int>(2, 60)(uretec);
            const bool negatifOlabilir = ag % 3 == 0;
            QString tanim;
            for (int i = 0; i < n; ++i) {
                const int sure = std::uniform_int_distribution<int>(negatifOlabilir ? -3 : 0, 4)(uretec);
                QStringList oncekiler;
                for (int k = std::uniform_int_distribution<int>(1, 3)(uretec); i > 0 && k > 0; --k)
                    oncekiler << QChar('A' + std::uniform_int_distribution<int>(0, i - 1)(uretec));
                tanim += QStringLiteral("%1:%2:%3 ").arg(QChar('A' + i)).arg(sure).arg(oncekiler.join(','));
            }
            const QVector<KayitliFaaliyet> faaliyetler = Faaliyetler(tanim);
            QVector<CizelgeSatiri> satirlar;
            for (const KayitliFaaliyet& f : faaliyetler)
                satirlar.append({f.kodu, f.adi, QString::number(*f.sure.deger), f.oncekiler, {}, {}});
            const CizelgeSonucu cizelge = CizelgeyiHesapla(satirlar);
            const AgAnalizi analiz = AnaliziHesapla(faaliyetler, Tarihli());
            const QByteArray ne = tanim.toUtf8();
            for (int i = 0; i < n; ++i) {
                QVERIFY2(QString::number(analiz.faaliyetler.at(i).es) == satirlar.at(i).es, ne);
                QVERIFY2(QString::number(analiz.faaliyetler.at(i).ef) == satirlar.at(i).ef, ne);
            }
            QVERIFY2(analiz.anaPenceredekiYol == cizelge.kritikYol, ne);
            QVERIFY2(analiz.anaPenceredekiYolKritik || negatifOlabilir, ne);
            if (analiz.kalanYollar.isEmpty())
                QVERIFY2((analiz.anaPenceredekiYolSirasi >= 0) == analiz.anaPenceredekiYolKritik, ne);
            if (analiz.anaPenceredekiYolSirasi >= 0)
                QVERIFY2(analiz.kritikYollar.at(analiz.anaPenceredekiYolSirasi).join(',') == cizelge.kritikYol, ne);
            // Counted without walking, listed by walking: the two must agree.
            if (analiz.kalanYollar.isEmpty())
                QVERIFY2(analiz.kritikYolSayisi == QString::number(analiz.kritikYollar.size()), ne);
            QVERIFY2(std::is_sorted(analiz.kritikYollar.begin(), analiz.kritikYollar.end()), ne);
        }
    }
};

QTEST_GUILESS_MAIN(NetworkAnalysisTest)
#include "tst_AgAnalizi.moc"
