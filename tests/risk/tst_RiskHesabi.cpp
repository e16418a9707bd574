#include "analysis/AgAnalizi.h"
#include "destek/PlanYazisi.h"
#include "destek/Yereller.h"
#include "text/RiskMetinleri.h"
#include "risk/RiskHesabi.h"

#include <QDataStream>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {

// Estimates from "code=a/m/b" texts separated by blanks.
QHash<QString, UcNoktaTahmini> Tahminler(const QString& tanim)
{
    QHash<QString, UcNoktaTahmini> tahminler;
    for (const QString& parca : tanim.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList alan = parca.split(QRegularExpression(QStringLiteral("[=/]")));
        tahminler.insert(alan.value(0), {alan.value(1).toInt(), alan.value(2).toInt(), alan.value(3).toInt()});
    }
    return tahminler;
}

RiskSonucu Hesapla(const QString& plan, const QString& tahmin, Dagilim dagilim, int yineleme, int isParcacigi = 0,
                   quint64 tohum = 20261207)
{
    return RiskiHesapla(Faaliyetler(plan), Tahminler(tahmin), {dagilim, yineleme, tohum, isParcacigi});
}

// P(X ≤ t) of one estimate. Beta-PERT's parameters are whole here, α + β = 6, so its
// distribution function is a binomial sum.
double Dagilimi(Dagilim dagilim, double a, double m, double b, double t)
{
    const double x = std::clamp((t - a) / (b - a), 0.0, 1.0), tepe = (m - a) / (b - a);
    if (dagilim == Dagilim::Ucgen)
        return x <= tepe ? (tepe > 0 ? x * x / tepe : 0) : 1 - (1 - x) * (1 - x) / (1 - tepe);
    const int alfa = int(std::lround(1 + 4 * tepe));
    double toplam = 0;
    for (int j = alfa; j <= 5; ++j)
        toplam += std::tgamma(6) / std::tgamma(j + 1) / std::tgamma(6 - j) * std::pow(x, j) * std::pow(1 - x, 5 - j);
    return toplam;
}

// Within five standard errors of a share p over n samples.
void PayYakin(double olculen, double p, int n)
{
    QVERIFY2(std::abs(olculen - p) <= 5 * std::sqrt(p * (1 - p) / n) + 1e-12,
             qPrintable(QStringLiteral("%1 ≠ %2").arg(olculen).arg(p)));
}

// What the merge sentence claims of the samples holds for them.
void CumleDogru(const RiskSonucu& sonuc)
{
    const QString cumle = RiskMetinleri::BirlesmeCumlesi(sonuc);
    const auto eslesen = QRegularExpression(QStringLiteral("proje ([0-9,]+) gün(den önce bitmiyor| içinde bitiyor)"))
                             .match(cumle);
    QVERIFY2(eslesen.hasMatch() || cumle.contains(QStringLiteral("ortancası da")), qPrintable(cumle));
    const double gun = Turkce.toDouble(eslesen.captured(1));
    const QVector<double>& f = sonuc.siraliBitisler;
    if (eslesen.captured(2).contains(QStringLiteral("bitmiyor")))
        QVERIFY(gun > sonuc.deterministikF && std::lower_bound(f.begin(), f.end(), gun) - f.begin() <= f.size() / 2);
    else if (eslesen.hasMatch())
        QVERIFY(gun < sonuc.deterministikF && std::upper_bound(f.begin(), f.end(), gun) - f.begin() >= (f.size() + 1) / 2);
}

QByteArray Baytlari(const RiskSonucu& s)
{
    QByteArray baytlar;
    QDataStream akis(&baytlar, QIODevice::WriteOnly);
    akis << RiskMetinleri::Hesaplanamiyor(s) << s.yineleme << s.durduruldu << s.deterministikF << s.p10 << s.p50 << s.p80 << s.p90
         << s.ortalama << s.standartSapma << s.siraliBitisler;
    for (const FaaliyetRiski& f : s.faaliyetler)
        akis << f.kritiklik << f.duyarlilik;
    return baytlar;
}

const QString Ag = QStringLiteral("A:2 B:4:A C:3:A D:6:B E:2:B,C F:5:C G:1:D,E,F H:0:G I:3:A");
const QString AgTahmini = QStringLiteral("A=1/2/4 B=2/4/9 C=3/3/3 D=4/6/7 E=0/2/8 F=2/5/6 I=1/3/12");

} // namespace

class tst_RiskHesabi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Turkce); }

    void sacilimYok_data()
    {
        QTest::addColumn<Dagilim>("dagilim");
        QTest::addColumn<QString>("plan");
        QTest::newRow("üçgen") << Dagilim::Ucgen << Ag;
        QTest::newRow("PERT") << Dagilim::Pert << Ag;
        // Lags count days, as the draws do, whatever the ticks the simulation counts in.
        QTest::newRow("bağlar") << Dagilim::Pert << "A:2 B:4:A/BaBa+1 C:3:A/BB-1 D:6:B/BiBi+2 E:2:B,C/BaBi+3 F:5:C G:1:D,E,F H:0:G I:3:A";
    }
    // Without spread every iteration is the plan: its F, and its critical activities every time.
    void sacilimYok()
    {
        QFETCH(Dagilim, dagilim);
        QFETCH(QString, plan);
        const RiskSonucu sonuc = Hesapla(plan, QStringLiteral("B=4/4/4 I=3/3/3"), dagilim, 1000);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(plan), {});
        QCOMPARE(sonuc.deterministikF, analiz.projeBitisGunu);
        QCOMPARE(sonuc.yineleme, 1000);
        QVERIFY(!sonuc.durduruldu);
        for (double p : {sonuc.p10, sonuc.p50, sonuc.p80, sonuc.p90, sonuc.ortalama, sonuc.siraliBitisler.last()})
            QCOMPARE(p, double(analiz.projeBitisGunu));
        QCOMPARE(sonuc.standartSapma, 0.0);
        QCOMPARE(sonuc.Olasilik(analiz.projeBitisGunu - 1), 0.0);
        QCOMPARE(sonuc.Olasilik(analiz.projeBitisGunu), 1.0);
        for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
            QCOMPARE(sonuc.faaliyetler.at(i).kritiklik, analiz.faaliyetler.at(i).kritik ? 1.0 : 0.0);
            QCOMPARE(sonuc.faaliyetler.at(i).duyarlilik, 0.0);
        }
        QCOMPARE(RiskMetinleri::BirlesmeCumlesi(sonuc), QStringLiteral("Plan %1 günde bitiyor; benzetimlerin ortancası da %1 gün: "
                                                        "yolların birleştiği yerlerde gecikme birikmiyor.").arg(analiz.projeBitisGunu));
    }

    void takvimliBitis_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<QDate>("baslama");
        QTest::addColumn<QDate>("bitis");
        QTest::newRow("her gün") << int(TakvimTuru::HerGun) << QDate(2026, 5, 18) << QDate(2026, 5, 30);
        // 19 May and Kurban Bayramı (27–29 May on weekdays) do not work; the arife does.
        QTest::newRow("Pazartesi–Cuma, bayram") << int(TakvimTuru::PazartesiCuma) << QDate(2026, 5, 18) << QDate(2026, 6, 9);
        QTest::newRow("start on a Saturday") << int(TakvimTuru::PazartesiCuma) << QDate(2026, 1, 3) << QDate(2026, 1, 21);
    }
    // A simulated finish of F days falls where the plan's finish of F days does, and the share
    // finished by a date counts the working days up to it.
    void takvimliBitis()
    {
        QFETCH(int, tur);
        QFETCH(QDate, baslama);
        QFETCH(QDate, bitis);
        const IsTakvimi takvim(ProjeTakvimi{TakvimTuru(tur), false, {}});
        const RiskSonucu sonuc = Hesapla(Ag, QStringLiteral("B=4/4/4 I=3/3/3"), Dagilim::Pert, 100);
        QCOMPARE(RiskBitisTarihi(takvim, baslama, sonuc.deterministikF), bitis);
        QCOMPARE(BitisTarihi(takvim, baslama, 0, qint64(sonuc.deterministikF)), bitis);
        QCOMPARE(TariheKadarOlasilik(sonuc, takvim, baslama, bitis.addDays(-1)).value_or(-1), 0.0);
        QCOMPARE(TariheKadarOlasilik(sonuc, takvim, baslama, bitis).value_or(-1), 1.0);
        QCOMPARE(TariheKadarOlasilik(sonuc, takvim, baslama, baslama.addDays(-3)).value_or(-1), 0.0);
    }

    void dagilimlar_data()
    {
        QTest::addColumn<Dagilim>("dagilim");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("kopya"); // identical activities side by side
        QTest::newRow("üçgen 2/5/12") << Dagilim::Ucgen << 2 << 5 << 12 << 1;
        QTest::newRow("üçgen 0/0/6") << Dagilim::Ucgen << 0 << 0 << 6 << 1;
        QTest::newRow("üçgen 3/7/7") << Dagilim::Ucgen << 3 << 7 << 7 << 1;
        QTest::newRow("PERT 0/1/4") << Dagilim::Pert << 0 << 1 << 4 << 1;
        QTest::newRow("PERT 10/20/20") << Dagilim::Pert << 10 << 20 << 20 << 1;
        QTest::newRow("PERT 0/0/8") << Dagilim::Pert << 0 << 0 << 8 << 1;
        QTest::newRow("iki üçgen yan yana") << Dagilim::Ucgen << 2 << 5 << 12 << 2;
        QTest::newRow("iki PERT yan yana") << Dagilim::Pert << 0 << 1 << 4 << 2;
        QTest::newRow("üç PERT yan yana") << Dagilim::Pert << 4 << 6 << 8 << 3;
    }
    // One activity against its formulas; k of them side by side after a start of no
    // duration have F's distribution function the single one's to the power k.
    void dagilimlar()
    {
        QFETCH(Dagilim, dagilim);
        QFETCH(int, a);
        QFETCH(int, m);
        QFETCH(int, b);
        QFETCH(int, kopya);
        QString plan = QStringLiteral("S:0"), tahmin;
        for (int i = 0; i < kopya; ++i) {
            plan += QStringLiteral(" %1:%2:S").arg(QChar(u'A' + i)).arg(m);
            tahmin += QStringLiteral(" %1=%2/%3/%4").arg(QChar(u'A' + i)).arg(a).arg(m).arg(b);
        }
        const int n = 100000;
        const RiskSonucu sonuc = Hesapla(plan, tahmin, dagilim, n);
        const auto G = [&](double t) { return std::pow(Dagilimi(dagilim, a, m, b, t), kopya); };
        for (int t = a; t <= b; ++t)
            PayYakin(sonuc.Olasilik(t), G(t), n);
        const double yuzde[] = {0.1, 0.5, 0.8, 0.9};
        const double pler[] = {sonuc.p10, sonuc.p50, sonuc.p80, sonuc.p90};
        for (int i = 0; i < 4; ++i)
            PayYakin(G(pler[i]), yuzde[i], n);
        CumleDogru(sonuc);
        if (kopya > 1)
            return;
        const double ortalama = dagilim == Dagilim::Ucgen ? (a + m + b) / 3.0 : (a + 4.0 * m + b) / 6.0;
        const double sapma = dagilim == Dagilim::Ucgen
                                 ? std::sqrt((a * a + m * m + b * b - a * m - a * b - m * b) / 18.0)
                                 : std::sqrt((ortalama - a) * (b - ortalama) / 7);
        QVERIFY(std::abs(sonuc.ortalama - ortalama) <= 5 * sapma / std::sqrt(n));
        QVERIFY(std::abs(sonuc.standartSapma - sapma) <= 5 * sapma / std::sqrt(n));
        QCOMPARE(sonuc.faaliyetler.at(1).kritiklik, 1.0);
        QCOMPARE(sonuc.faaliyetler.at(1).duyarlilik, 1.0);
    }

    void zincir_data() { sacilimYok_data(); }
    // Along a chain the means and the variances add up.
    void zincir()
    {
        QFETCH(Dagilim, dagilim);
        const int n = 50000;
        const RiskSonucu sonuc = Hesapla(QStringLiteral("A:3 B:5:A C:2:B D:4:C"),
                                         QStringLiteral("A=1/3/8 B=5/5/5 C=0/2/3 D=2/4/12"), dagilim, n);
        const double ucgen = dagilim == Dagilim::Ucgen;
        const double ortalama = ucgen ? 12 / 3.0 + 5 + 5 / 3.0 + 18 / 3.0 : 21 / 6.0 + 5 + 11 / 6.0 + 30 / 6.0;
        const double varyans = ucgen ? (1 + 9 + 64 - 3 - 8 - 24) / 18.0 + (0 + 4 + 9 - 0 - 0 - 6) / 18.0
                                           + (4 + 16 + 144 - 8 - 24 - 48) / 18.0
                                     : (3.5 - 1) * (8 - 3.5) / 7 + (11 / 6.0) * (3 - 11 / 6.0) / 7 + 3 * 7 / 7.0;
        QVERIFY(std::abs(sonuc.ortalama - ortalama) <= 5 * std::sqrt(varyans / n));
        QVERIFY(std::abs(sonuc.standartSapma - std::sqrt(varyans)) <= 5 * std::sqrt(varyans / n));
    }

    // A branch that is always the longer one is critical in every iteration and decides F
    // alone; the other never is and tells nothing of F.
    void hepUzunDal()
    {
        const int n = 20000;
        const RiskSonucu sonuc = Hesapla(QStringLiteral("A:1 B:12:A C:3:A D:2:B,C"),
                                         QStringLiteral("B=10/12/15 C=2/3/5"), Dagilim::Pert, n);
        const double kritiklik[] = {1, 1, 0, 1};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(sonuc.faaliyetler.at(i).kritiklik, kritiklik[i]);
        QCOMPARE(sonuc.faaliyetler.at(1).duyarlilik, 1.0);
        QVERIFY(std::abs(sonuc.faaliyetler.at(2).duyarlilik) <= 5 / std::sqrt(n));
        QCOMPARE(sonuc.faaliyetler.at(0).duyarlilik, 0.0);
    }

    void ayniTohum_data() { sacilimYok_data(); }
    // The same seed gives the same bytes on 1, 2 and 8 threads, a partial last block included.
    void ayniTohum()
    {
        QFETCH(Dagilim, dagilim);
        const QByteArray tek = Baytlari(Hesapla(Ag, AgTahmini, dagilim, 3001, 1));
        QCOMPARE(Baytlari(Hesapla(Ag, AgTahmini, dagilim, 3001, 2)), tek);
        QCOMPARE(Baytlari(Hesapla(Ag, AgTahmini, dagilim, 3001, 8)), tek);
        QVERIFY(Baytlari(Hesapla(Ag, AgTahmini, dagilim, 3001, 2, 7)) != tek);
    }

    // A stop ends the run between blocks with what was done, marked as stopped.
    void durdurma()
    {
        std::atomic<bool> dur{false};
        QVector<int> raporlar;
        const RiskSonucu sonuc = RiskiHesapla(Faaliyetler(Ag), Tahminler(AgTahmini), {Dagilim::Pert, 10000, 1, 1},
                                              &dur, [&](int yapilan) {
                                                  raporlar << yapilan;
                                                  dur = true;
                                              });
        QCOMPARE(raporlar, QVector<int>{256});
        QCOMPARE(sonuc.yineleme, 256);
        QVERIFY(sonuc.durduruldu);
        QCOMPARE(sonuc.siraliBitisler.size(), 256);
        QVERIFY(sonuc.p10 <= sonuc.p50 && sonuc.p50 <= sonuc.p90);
        QCOMPARE(sonuc.faaliyetler.size(), 9);

        const RiskSonucu hic = RiskiHesapla(Faaliyetler(Ag), {}, {}, &dur);
        QVERIFY(hic.durduruldu);
        QCOMPARE(hic.yineleme, 0);
        QCOMPARE(hic.deterministikF, 13);
        QVERIFY(hic.faaliyetler.isEmpty() && RiskMetinleri::BirlesmeCumlesi(hic).isEmpty());
    }

    void hesaplanamiyor_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("tahmin");
        QTest::addColumn<QString>("aciklama");
        QTest::newRow("boş") << "" << "" << "Hesaplanamıyor: Projede faaliyet yok.";
        QTest::newRow("tanımsız önceki") << "A:1 B:2:X" << "" << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti X tanımlı değil.";
        QTest::newRow("ters tahmin") << "A:1 B:2:A" << "B=3/2/4"
                                     << "Hesaplanamıyor: B faaliyetinin tahmini 0 ≤ iyimser ≤ en olası ≤ kötümser sırasında değil.";
        QTest::newRow("eksi tahmin") << "A:1" << "A=-1/0/0"
                                     << "Hesaplanamıyor: A faaliyetinin tahmini 0 ≤ iyimser ≤ en olası ≤ kötümser sırasında değil.";
    }
    void hesaplanamiyor()
    {
        QFETCH(QString, plan);
        QFETCH(QString, tahmin);
        QFETCH(QString, aciklama);
        const RiskSonucu sonuc = Hesapla(plan, tahmin, Dagilim::Pert, 1000);
        QVERIFY(sonuc.Hesaplanamadi());
        QCOMPARE(RiskMetinleri::Hesaplanamiyor(sonuc), aciklama);
        QVERIFY(sonuc.yineleme == 0 && sonuc.faaliyetler.isEmpty() && sonuc.siraliBitisler.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_RiskHesabi)
#include "tst_RiskHesabi.moc"
