#include "analysis/AgAnalizi.h"
#include "destek/Yereller.h"
#include "schedule/Cizelge.h"

#include <QTest>
#include <random>

namespace {

// Activities from "code:duration:predecessors" texts separated by blanks; a duration
// that is not a number is kept as another program would have left it.
QVector<KayıtlıFaaliyet> Faaliyetler(const QString& tanım)
{
    QVector<KayıtlıFaaliyet> faaliyetler;
    for (const QString& parça : tanım.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList alan = parça.split(QLatin1Char(':'));
        bool sayı = false;
        const qint32 süre = alan.value(1).toInt(&sayı);
        Saklı<qint32> saklı{sayı ? QVariant(süre) : QVariant(alan.value(1)), {}};
        if (sayı)
            saklı.değer = süre;
        faaliyetler.append({alan.value(0), alan.value(0).toLower(), saklı, alan.value(2)});
    }
    return faaliyetler;
}

KayıtlıProje Tarihli(const QString& başlama = "2026-03-01", const QString& bitiş = "2026-03-11")
{
    auto Tarih = [](const QString& metin) {
        const QDate tarih = QDate::fromString(metin, Qt::ISODate);
        return Saklı<QDate>{metin.isEmpty() ? QVariant() : QVariant(metin),
                            tarih.isValid() ? std::optional<QDate>(tarih) : std::nullopt};
    };
    return {QStringLiteral("P"), Tarih(başlama), Tarih(bitiş)};
}

// "ES/EF/LS/LF/total/free", a star for a critical one.
QString Rakamlar(const AğAnalizi& analiz)
{
    QStringList sonuç;
    for (const FaaliyetAnalizi& f : analiz.faaliyetler)
        sonuç << QStringLiteral("%1/%2/%3/%4/%5/%6%7")
                     .arg(f.es).arg(f.ef).arg(f.ls).arg(f.lf).arg(f.toplamBolluk).arg(f.serbestBolluk)
                     .arg(f.kritik ? QStringLiteral("*") : QString());
    return sonuç.join(QLatin1Char(' '));
}

QString Yollar(const AğAnalizi& analiz)
{
    QStringList yollar;
    for (const QStringList& yol : analiz.kritikYollar)
        yollar << yol.join(QLatin1Char(','));
    return yollar.join(QStringLiteral(" | "));
}

// k diamonds in a row, each a tie of two equal branches: 2^k critical paths.
QString Elmaslar(int k)
{
    QString tanım = QStringLiteral("A:1:");
    QChar son = QLatin1Char('A');
    for (int i = 0; i < k; ++i) {
        const QChar sol(son.unicode() + 1), sağ(son.unicode() + 2), birleşim(son.unicode() + 3);
        tanım += QStringLiteral(" %1:1:%4 %2:1:%4 %3:1:%1,%2").arg(sol).arg(sağ).arg(birleşim).arg(son);
        son = birleşim;
    }
    return tanım;
}

} // namespace

class NetworkAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Türkçe); }

    void handWorkedNetworks_data()
    {
        QTest::addColumn<QString>("tanım");
        QTest::addColumn<QString>("rakamlar");
        QTest::addColumn<QString>("yollar");
        QTest::addColumn<QString>("sayı");
        QTest::addColumn<int>("anaYolSırası");
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
        QFETCH(QString, tanım);
        QFETCH(int, anaYolSırası);
        const AğAnalizi analiz = AnaliziHesapla(Faaliyetler(tanım), Tarihli());
        QCOMPARE(analiz.hesaplanamıyor, QString());
        QTEST(Rakamlar(analiz), "rakamlar");
        QTEST(Yollar(analiz), "yollar");
        QTEST(analiz.kritikYolSayısı, "sayı");
        QCOMPARE(analiz.kalanYollar, QString());
        QCOMPARE(analiz.anaPenceredekiYolSırası, anaYolSırası);
        QCOMPARE(analiz.anaPenceredekiYolKritik, anaYolSırası >= 0);
        QCOMPARE(analiz.yolNotu.contains(QStringLiteral("biri değil")), anaYolSırası < 0);
    }

    void pathsBeyondTheListing_data()
    {
        QTest::addColumn<int>("elmas");
        QTest::addColumn<QString>("sayı");
        QTest::addColumn<QString>("kalan");
        QTest::newRow("2^10 paths") << 10 << "1024" << "ve 24 yol daha";
        QTest::newRow("2^70 paths, beyond 64 bits") << 70 << "1180591620717411303424"
                                                    << "ve 1180591620717411302424 yol daha";
    }
    void pathsBeyondTheListing()
    {
        QFETCH(int, elmas);
        const AğAnalizi analiz = AnaliziHesapla(Faaliyetler(Elmaslar(elmas)), Tarihli());
        QTEST(analiz.kritikYolSayısı, "sayı");
        QTEST(analiz.kalanYollar, "kalan");
        QCOMPARE(analiz.kritikYollar.size(), KritikYolSınırı);
        // By the codes along them: every fork takes its left branch first.
        QCOMPARE(analiz.kritikYollar.first().at(1), QStringLiteral("B"));
        QCOMPARE(analiz.kritikYollar.first().size(), 2 * elmas + 1);
        QVERIFY(analiz.anaPenceredekiYolKritik);
    }

    void whyCritical_data()
    {
        QTest::addColumn<QString>("tanım");
        QTest::addColumn<int>("satır");
        QTest::addColumn<QString>("neden");
        const QString örnek = QStringLiteral("A:3: B:2:A C:4:A D:1:B,C");
        QTest::newRow("first") << örnek << 0
                               << "Kritik: hiçbir önceki faaliyeti beklemeden 0. günde başlıyor; gecikirse C "
                                  "faaliyeti de gecikir.";
        QTest::newRow("float to a successor") << örnek << 1
                                              << "2 gün kayabilir; en geç bitişini D faaliyetinin en geç başlaması "
                                                 "belirliyor.";
        QTest::newRow("driven") << örnek << 2 << "Kritik: A bitince başlıyor; gecikirse D faaliyeti de gecikir.";
        QTest::newRow("last") << örnek << 3 << "Kritik: C bitince başlıyor; gecikirse proje de gecikir.";
        QTest::newRow("float to the finish") << "A:2: B:1:A C:4:A" << 1
                                             << "3 gün kayabilir; en geç bitişini projenin bitişi belirliyor.";
    }
    void whyCritical()
    {
        QFETCH(QString, tanım);
        QFETCH(int, satır);
        QTEST(AnaliziHesapla(Faaliyetler(tanım), Tarihli()).faaliyetler.at(satır).neden, "neden");
    }

    void notComputable_data()
    {
        QTest::addColumn<QString>("tanım");
        QTest::addColumn<QString>("açıklama");
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
        QFETCH(QString, tanım);
        QFETCH(QString, açıklama);
        const AğAnalizi analiz = AnaliziHesapla(Faaliyetler(tanım), Tarihli());
        QCOMPARE(analiz.hesaplanamıyor, QStringLiteral("Hesaplanamıyor: ") + açıklama);
        QVERIFY(analiz.faaliyetler.isEmpty());
        QVERIFY(analiz.kritikYollar.isEmpty());
        QVERIFY(analiz.plan.metin.isEmpty());
    }

    void planAgainstTheProjectDates_data()
    {
        QTest::addColumn<QString>("başlama");
        QTest::addColumn<QString>("bitiş");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QDate>("enErkenBitiş");
        QTest::addColumn<QDate>("cBaşlama"); // C runs from day 3 to day 7
        const QDate dokuzMart(2026, 3, 9), dörtMart(2026, 3, 4);
        QTest::newRow("float") << "2026-03-01" << "2026-03-11" << "2 gün pay" << dokuzMart << dörtMart;
        QTest::newRow("on time") << "2026-03-01" << "2026-03-09" << "0 gün pay" << dokuzMart << dörtMart;
        QTest::newRow("delay") << "2026-03-01" << "2026-03-05" << "4 gün gecikme" << dokuzMart << dörtMart;
        QTest::newRow("across a year") << "2025-12-30" << "2026-01-01" << "6 gün gecikme" << QDate(2026, 1, 7)
                                       << QDate(2026, 1, 2);
        QTest::newRow("no end date") << "2026-03-01" << "" << "Projenin bitiş tarihi girilmemiş." << dokuzMart
                                     << dörtMart;
        QTest::newRow("start not a date") << "31.02.2026" << "2026-03-11"
                                          << "Projenin başlama tarihi \"31.02.2026\" bir tarih değil." << QDate()
                                          << QDate();
    }
    void planAgainstTheProjectDates()
    {
        QFETCH(QString, başlama);
        QFETCH(QString, bitiş);
        const AğAnalizi analiz = AnaliziHesapla(Faaliyetler("A:3: B:2:A C:4:A D:1:B,C"), Tarihli(başlama, bitiş));
        QTEST(analiz.plan.metin, "metin");
        QTEST(analiz.plan.enErkenBitiş, "enErkenBitiş");
        QTEST(analiz.faaliyetler.at(2).başlama, "cBaşlama");
        QCOMPARE(analiz.faaliyetler.at(2).bitiş.isValid(), analiz.faaliyetler.at(2).başlama.isValid());
    }

    // The main window's ES, EF and path on a few hundred random networks full of ties,
    // zero and negative durations.
    void agreesWithTheMainWindow()
    {
        std::mt19937 üreteç(20261207);
        for (int ağ = 0; ağ < 300; ++ağ) {
            const int n = std::uniform_int_distribution<int>(2, 60)(üreteç);
            const bool negatifOlabilir = ağ % 3 == 0;
            QString tanım;
            for (int i = 0; i < n; ++i) {
                const int süre = std::uniform_int_distribution<int>(negatifOlabilir ? -3 : 0, 4)(üreteç);
                QStringList öncekiler;
                for (int k = std::uniform_int_distribution<int>(1, 3)(üreteç); i > 0 && k > 0; --k)
                    öncekiler << QChar('A' + std::uniform_int_distribution<int>(0, i - 1)(üreteç));
                tanım += QStringLiteral("%1:%2:%3 ").arg(QChar('A' + i)).arg(süre).arg(öncekiler.join(','));
            }
            const QVector<KayıtlıFaaliyet> faaliyetler = Faaliyetler(tanım);
            QVector<ÇizelgeSatırı> satırlar;
            for (const KayıtlıFaaliyet& f : faaliyetler)
                satırlar.append({f.kodu, f.adı, QString::number(*f.süre.değer), f.öncekiler, {}, {}});
            const ÇizelgeSonucu çizelge = ÇizelgeyiHesapla(satırlar);
            const AğAnalizi analiz = AnaliziHesapla(faaliyetler, Tarihli());
            const QByteArray ne = tanım.toUtf8();
            for (int i = 0; i < n; ++i) {
                QVERIFY2(QString::number(analiz.faaliyetler.at(i).es) == satırlar.at(i).es, ne);
                QVERIFY2(QString::number(analiz.faaliyetler.at(i).ef) == satırlar.at(i).ef, ne);
            }
            QVERIFY2(analiz.anaPenceredekiYol == çizelge.kritikYol, ne);
            QVERIFY2(analiz.anaPenceredekiYolKritik || negatifOlabilir, ne);
            if (analiz.kalanYollar.isEmpty())
                QVERIFY2((analiz.anaPenceredekiYolSırası >= 0) == analiz.anaPenceredekiYolKritik, ne);
            if (analiz.anaPenceredekiYolSırası >= 0)
                QVERIFY2(analiz.kritikYollar.at(analiz.anaPenceredekiYolSırası).join(',') == çizelge.kritikYol, ne);
            // Counted without walking, listed by walking: the two must agree.
            if (analiz.kalanYollar.isEmpty())
                QVERIFY2(analiz.kritikYolSayısı == QString::number(analiz.kritikYollar.size()), ne);
            QVERIFY2(std::is_sorted(analiz.kritikYollar.begin(), analiz.kritikYollar.end()), ne);
        }
    }
};

QTEST_GUILESS_MAIN(NetworkAnalysisTest)
#include "tst_AgAnalizi.moc"
