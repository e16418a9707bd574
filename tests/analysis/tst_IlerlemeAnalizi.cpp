#include "analysis/IlerlemeAnalizi.h"
#include "destek/PlanYazisi.h"
#include "risk/RiskHesabi.h"
#include "text/BagMetinleri.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

KayitliProje TakvimliProje(const QDate& baslama, TakvimTuru tur)
{
    KayitliProje proje{QStringLiteral("P"), {QVariant(baslama), baslama}, {QVariant(), std::nullopt}};
    proje.takvim.tur = tur;
    return proje;
}

// The baseline a save would keep of the plan as analysed.
TabanPlani Taban(const AgAnalizi& analiz)
{
    TabanPlani taban{0, QStringLiteral("İlk"), analiz.ilkIsGunu, analiz.ilkIsGunu, analiz.plan.enErkenBitis, {}};
    for (const FaaliyetAnalizi& f : analiz.faaliyetler)
        taban.satirlar.append({f.kodu, f.baslama, f.bitis, f.ef - f.es});
    return taban;
}

// Progress as "A=0..3" (started on day 0 of the calendar, finished on day 3), "B=2:60" (started,
// 60 % done) or "B=2:k4" (started, 4 days remain): days counted in calendar days from `ilk`.
ProjeIlerlemesi Ilerleme(const QDate& ilk, int durum, const QString& tanim)
{
    ProjeIlerlemesi ilerleme{ilk.addDays(durum), {}};
    for (const QString& parca : tanim.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString kod = parca.section(QLatin1Char('='), 0, 0), deger = parca.section(QLatin1Char('='), 1);
        FaaliyetIlerlemesi f;
        f.gercekBaslama = ilk.addDays(deger.section(QRegularExpression(QStringLiteral("[.:]")), 0, 0).toInt());
        if (deger.contains(QLatin1String("..")))
            f.gercekBitis = ilk.addDays(deger.section(QLatin1String(".."), 1).toInt());
        else if (deger.section(QLatin1Char(':'), 1).startsWith(QLatin1Char('k')))
            f.kalan = deger.section(QLatin1Char(':'), 1).mid(1).toInt();
        else
            f.yuzde = deger.section(QLatin1Char(':'), 1).toInt();
        ilerleme.faaliyetler.insert(kod, f);
    }
    return ilerleme;
}

// A link as the test draws it, read by its own rule below rather than the kernel's.
struct TestBagi {
    int onceki;
    BagTuru tur;
    int gecikme;
};

// The forecast again, plainly: the plan's day n is the n-th working day from day 0, found
// by walking the calendar a day at a time.
struct BagimsizTahmin {
    QVector<qint64> es, ef, ls, lf;
    QVector<bool> siraDisi;
    qint64 bitis = 0;
};

qint64 GunNo(const IsTakvimi& takvim, const QDate& ilk, const QDate& tarih)
{
    qint64 n = 0;
    for (QDate d = ilk; d < tarih; d = d.addDays(1))
        n += takvim.CalisilirMi(d) ? 1 : 0;
    for (QDate d = tarih; d < ilk; d = d.addDays(1))
        n -= takvim.CalisilirMi(d) ? 1 : 0;
    return n;
}

// What link b asks of its successor's start (the successor lasting d days).
qint64 Gerekli(const TestBagi& b, qint64 es, qint64 ef, qint64 d)
{
    const bool baslamadan = b.tur == BagTuru::BaslamaBaslama || b.tur == BagTuru::BaslamaBitis;
    const bool bitise = b.tur == BagTuru::BitisBitis || b.tur == BagTuru::BaslamaBitis;
    return (baslamadan ? es : ef) + b.gecikme - (bitise ? d : 0);
}

// The latest finish link b lets its predecessor (lasting d days) have.
qint64 EnGec(const TestBagi& b, qint64 ls, qint64 lf, qint64 d)
{
    const bool baslamadan = b.tur == BagTuru::BaslamaBaslama || b.tur == BagTuru::BaslamaBitis;
    const bool bitise = b.tur == BagTuru::BitisBitis || b.tur == BagTuru::BaslamaBitis;
    return (bitise ? lf : ls) - b.gecikme + (baslamadan ? d : 0);
}

BagimsizTahmin Yeniden(const AgAnalizi& a, const QVector<QVector<TestBagi>>& baglar, const ProjeIlerlemesi& ilerleme)
{
    const int n = int(a.faaliyetler.size());
    const qint64 sonrasi = GunNo(a.takvim, a.ilkIsGunu, ilerleme.durumTarihi.addDays(1));
    BagimsizTahmin t{QVector<qint64>(n), QVector<qint64>(n), QVector<qint64>(n), QVector<qint64>(n), QVector<bool>(n), 0};
    for (int i = 0; i < n; ++i) {
        const qint64 sure = a.faaliyetler[i].ef - a.faaliyetler[i].es;
        const FaaliyetIlerlemesi f = ilerleme.faaliyetler.value(a.faaliyetler[i].kodu);
        if (f.gercekBaslama.isValid()) {
            t.es[i] = GunNo(a.takvim, a.ilkIsGunu, f.gercekBaslama);
            t.ef[i] = f.gercekBitis.isValid() ? GunNo(a.takvim, a.ilkIsGunu, f.gercekBitis.addDays(1))
                                              : std::max(t.es[i], sonrasi) + KalanGun(int(sure), f);
            for (const TestBagi& b : baglar[i])
                t.siraDisi[i] = t.siraDisi[i] || Gerekli(b, t.es[b.onceki], t.ef[b.onceki], t.ef[i] - t.es[i]) > t.es[i];
        } else {
            t.es[i] = std::max<qint64>(0, sonrasi);
            for (const TestBagi& b : baglar[i])
                t.es[i] = std::max(t.es[i], Gerekli(b, t.es[b.onceki], t.ef[b.onceki], sure));
            t.ef[i] = t.es[i] + sure;
        }
        t.bitis = std::max(t.bitis, t.ef[i]);
    }
    for (int i = n - 1; i >= 0; --i) {
        t.lf[i] = t.bitis;
        for (int j = i + 1; j < n; ++j) {
            for (const TestBagi& b : baglar[j])
                if (b.onceki == i)
                    t.lf[i] = std::min(t.lf[i], EnGec(b, t.ls[j], t.lf[j], t.ef[i] - t.es[i]));
        }
        t.ls[i] = t.lf[i] - (t.ef[i] - t.es[i]);
    }
    return t;
}

} // namespace

class tst_IlerlemeAnalizi : public QObject {
    Q_OBJECT

private slots:
    // Random plans of every link type and lag, progressed at random, on each calendar.
    void rastgeleIlerleme_data()
    {
        QTest::addColumn<int>("takvim");
        QTest::newRow("her gün") << int(TakvimTuru::HerGun);
        QTest::newRow("pazartesi-cuma") << int(TakvimTuru::PazartesiCuma);
        QTest::newRow("pazartesi-cumartesi") << int(TakvimTuru::PazartesiCumartesi);
    }
    void rastgeleIlerleme()
    {
        QFETCH(int, takvim);
        std::mt19937 uretec(20261208 + takvim);
        const auto Zar = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(uretec); };
        for (int deneme = 0; deneme < 300; ++deneme) {
            const int n = Zar(2, 10);
            QStringList satirlar;
            QVector<QVector<TestBagi>> baglar(n);
            for (int i = 0; i < n; ++i) {
                QStringList oncekiler;
                for (int k = i ? Zar(1, 3) : 0; k > 0; --k) {
                    const TestBagi b{Zar(0, i - 1), BagTuru(Zar(0, 3)), Zar(-2, 3)};
                    if (std::any_of(baglar[i].cbegin(), baglar[i].cend(), [&](const TestBagi& o) { return o.onceki == b.onceki; }))
                        continue;
                    baglar[i].append(b);
                    oncekiler << QStringLiteral("%1/%2%3%4").arg(QChar('A' + b.onceki), BagMetinleri::KisaAd(b.tur),
                                                                  b.gecikme < 0 ? "-" : "+").arg(std::abs(b.gecikme));
                }
                satirlar << QStringLiteral("%1:%2:%3").arg(QChar('A' + i)).arg(Zar(0, 6)).arg(oncekiler.join(','));
            }
            const QDate ilk = QDate(2026, 3, 2).addDays(Zar(0, 400));
            const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(satirlar.join(' ')), TakvimliProje(ilk, TakvimTuru(takvim)));
            QVERIFY2(!analiz.hata.Var(), qPrintable(satirlar.join(QLatin1Char(' '))));

            // Before the start, with nothing done, the forecast is the plan.
            const IlerlemeAnalizi once = IlerlemeyiHesapla(analiz, {ilk.addDays(-1), {}}, nullptr);
            for (int i = 0; i < n; ++i)
                QCOMPARE(QVector<qint32>({once.faaliyetler[i].es, once.faaliyetler[i].ef, once.faaliyetler[i].ls}),
                         QVector<qint32>({analiz.faaliyetler[i].es, analiz.faaliyetler[i].ef, analiz.faaliyetler[i].ls}));
            QVERIFY(!IlerlemeyiHesapla(analiz, {}, nullptr).var);

            // Work begun in row order, some of it out of sequence.
            const int durum = Zar(-3, 40);
            QStringList yapilan;
            for (int i = 0, gun = 0; i < n && durum >= 0; ++i) {
                gun = std::min(durum, gun + Zar(-2, 5));
                const int durumu = Zar(0, 2);
                if (durumu == 0)
                    yapilan << QStringLiteral("%1=%2..%3").arg(QChar('A' + i)).arg(std::max(gun, 0)).arg(Zar(std::max(gun, 0), durum));
                else if (durumu == 1)
                    yapilan << QStringLiteral("%1=%2:%3").arg(QChar('A' + i)).arg(std::max(gun, 0))
                                   .arg(Zar(0, 1) ? QString::number(Zar(0, 99)) : QStringLiteral("k%1").arg(Zar(0, 8)));
            }
            const ProjeIlerlemesi ilerleme = Ilerleme(ilk, durum, yapilan.join(' '));
            const IlerlemeAnalizi t = IlerlemeyiHesapla(analiz, ilerleme, nullptr);
            const BagimsizTahmin b = Yeniden(analiz, baglar, ilerleme);
            const QString durumu = satirlar.join(' ') + QStringLiteral(" | ") + yapilan.join(' ');
            QVERIFY2(t.var, qPrintable(durumu));
            QCOMPARE(qint64(t.projeBitisGunu), b.bitis);
            for (int i = 0; i < n; ++i) {
                const FaaliyetTahmini& f = t.faaliyetler[i];
                const FaaliyetIlerlemesi gercek = ilerleme.faaliyetler.value(analiz.faaliyetler[i].kodu);
                QVERIFY2(QVector<qint64>({f.es, f.ef, f.ls, f.lf}) == QVector<qint64>({b.es[i], b.ef[i], b.ls[i], b.lf[i]}),
                         qPrintable(durumu + QStringLiteral(" @%1").arg(i)));
                QCOMPARE(f.siraDisi, b.siraDisi[i]);
                if (f.bitti) // finished work stays where it happened
                    QVERIFY(f.baslama == gercek.gercekBaslama && f.bitis == gercek.gercekBitis);
                else if (!f.basladi) // nothing remains before the status date
                    QVERIFY2(f.baslama > ilerleme.durumTarihi || f.es == 0, qPrintable(durumu));
                else
                    QVERIFY(f.ef - f.kalan >= GunNo(analiz.takvim, ilk, ilerleme.durumTarihi.addDays(1)));
            }
        }
    }

    // The interpolation of Lipke (2003), "Schedule is Different": ES = C + (EV − PV_C) /
    // (PV_C+1 − PV_C), on the case of his figure: seven periods gone, all of the fifth's PV
    // earned and part of the sixth's. Here PV is 7 after day 5 and 9 after day 6, EV is 8.
    void kazanilmisTakvim_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<int>("takvim");
        QTest::addColumn<QDate>("ilk");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("ilerleme");
        QTest::addColumn<QVector<double>>("beklenen"); // PV, EV, SPI, ES, AT, SPI(t)
        QTest::addColumn<QDate>("esBitis");
        QTest::addColumn<int>("bitisSapmasi");
        QTest::newRow("Lipke") << "A:4: B:5:A/BaBa+2 C:5:A/BaBa+5" << int(TakvimTuru::HerGun) << QDate(2026, 3, 2) << 6
                               << "A=0..3 B=2:60 C=5:20" << QVector<double>{11, 8, 8.0 / 11, 5.5, 7, 5.5 / 7}
                               << QDate(2026, 3, 14) << 1;
        // Ten working days done in fifteen: cost-based SPI forgives it, SPI(t) does not.
        QTest::newRow("yarı yarıya geç") << "A:10:" << int(TakvimTuru::PazartesiCuma) << QDate(2026, 9, 7) << 18
                                         << "A=0..18" << QVector<double>{10, 10, 1, 10, 15, 10.0 / 15}
                                         << QDate(2026, 9, 25) << 5;
        // The same finished project seen two weeks later: AT stops at the actual finish.
        QTest::newRow("bitmiş, geç bakılmış") << "A:10:" << int(TakvimTuru::PazartesiCuma) << QDate(2026, 9, 7) << 32
                                              << "A=0..18" << QVector<double>{10, 10, 1, 10, 15, 10.0 / 15}
                                              << QDate(2026, 9, 25) << 5;
    }
    void kazanilmisTakvim()
    {
        QFETCH(QString, plan);
        QFETCH(int, takvim);
        QFETCH(QDate, ilk);
        QFETCH(int, durum);
        QFETCH(QString, ilerleme);
        QFETCH(QVector<double>, beklenen);
        QFETCH(QDate, esBitis);
        QFETCH(int, bitisSapmasi);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(plan), TakvimliProje(ilk, TakvimTuru(takvim)));
        const TabanPlani taban = Taban(analiz);
        const IlerlemeAnalizi t = IlerlemeyiHesapla(analiz, Ilerleme(ilk, durum, ilerleme), &taban);
        QVERIFY(t.tabanVar);
        const QVector<double> olculen{t.pv, t.ev, t.spi, t.kazanilmisTakvim, t.gecenSure, t.spiT};
        for (int i = 0; i < beklenen.size(); ++i)
            QVERIFY2(std::abs(olculen[i] - beklenen[i]) < 0.01, qPrintable(QStringLiteral("%1: %2").arg(i).arg(olculen[i])));
        QCOMPARE(t.sv, t.ev - t.pv);
        QCOMPARE(t.esBitis, esBitis);
        QCOMPARE(t.bitisSapmasi, bitisSapmasi);
        QVERIFY(!IlerlemeyiHesapla(analiz, Ilerleme(ilk, durum, ilerleme), nullptr).tabanVar);
    }

    // From the status date the simulation draws only what remains: A finished two days
    // late, B half done with its estimate scaled by half, C as planned.
    void kalanIsinBenzetimi()
    {
        const QVector<KayitliFaaliyet> plan = Faaliyetler(QStringLiteral("A:4: B:6:A C:3:B"));
        const QDate ilk(2026, 3, 2);
        const AgAnalizi analiz = AnaliziHesapla(plan, TakvimliProje(ilk, TakvimTuru::HerGun));
        const IlerlemeAnalizi durum = IlerlemeyiHesapla(analiz, Ilerleme(ilk, 9, QStringLiteral("A=0..5 B=6:50")), nullptr);
        QCOMPARE(durum.projeBitisGunu, 16); // B: 3 days left from day 10, then C
        const QHash<QString, UcNoktaTahmini> tahminler{{QStringLiteral("B"), {4, 6, 12}}};
        const RiskSonucu sonuc = RiskiHesapla(plan, tahminler, {Dagilim::Pert, 2000, 7, 1}, durum);
        QCOMPARE(sonuc.deterministikF, 16);
        QCOMPARE(sonuc.durumTarihi, durum.durumTarihi);
        QVERIFY(sonuc.siraliBitisler.first() >= 15 && sonuc.siraliBitisler.last() <= 19);
        QVERIFY(sonuc.p80 > 16 && sonuc.p80 < 19);
        const RiskSonucu plandaki = RiskiHesapla(plan, tahminler, {Dagilim::Pert, 2000, 7, 1});
        QVERIFY(!plandaki.durumTarihi.isValid() && plandaki.siraliBitisler.first() >= 11);
    }
};

QTEST_GUILESS_MAIN(tst_IlerlemeAnalizi)
#include "tst_IlerlemeAnalizi.moc"
