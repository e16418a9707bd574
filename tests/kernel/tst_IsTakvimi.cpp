#include "destek/RastgelePlan.h"
#include "kernel/IsTakvimi.h"

#include <QTest>
#include <limits>
#include <random>

namespace {

const QDate Ilk(2017, 1, 1), Son(2048, 12, 31); // the days the reference covers

// Which days work, found as the rules say, one day at a time: the week, the official
// holidays (a whole one wins over an arife), the project's exceptions over both.
bool ElleCalisilir(const ProjeTakvimi& t, const QDate& gun)
{
    for (const TakvimIstisnasi& i : t.istisnalar)
        if (i.tarih == gun)
            return i.tur == IstisnaTuru::CalisilanGun;
    const int hafta = gun.dayOfWeek();
    const bool haftaSonu = (t.tur == TakvimTuru::PazartesiCuma && hafta >= 6)
                           || (t.tur == TakvimTuru::PazartesiCumartesi && hafta == 7);
    if (t.tur == TakvimTuru::HerGun)
        return true;
    bool tam = false, yarim = false;
    for (int yil = gun.year() - 1; yil <= gun.year() + 1; ++yil)
        for (const TatilAraligi& a : YilinTatilleri(yil))
            if (a.ilk <= gun && gun <= a.Son())
                (YarimGun(a.tatil) ? yarim : tam) = true;
    return !haftaSonu && !tam && !(yarim && t.arifelerTatil);
}

// The reference: each day's count of working days before it, and the working days in order.
struct ElleSayim {
    QVector<qint64> once; // by day from Ilk, one past Son
    QVector<QDate> isGunleri;
    qint64 Once(const QDate& d) const { return once.at(int(Ilk.daysTo(d))); }
};

ElleSayim Say(const ProjeTakvimi& t)
{
    ElleSayim s;
    s.once.append(0);
    for (QDate d = Ilk; d <= Son; d = d.addDays(1)) {
        const bool calisir = ElleCalisilir(t, d);
        if (calisir)
            s.isGunleri.append(d);
        s.once.append(s.once.last() + calisir);
    }
    return s;
}

QDate RastgeleGun(std::mt19937& u)
{
    return QDate(2020, 1, 1).addDays(u() % QDate(2020, 1, 1).daysTo(QDate(2046, 1, 1)));
}

ProjeTakvimi RastgeleTakvim(std::mt19937& u)
{
    ProjeTakvimi t{TakvimTuru(u() % 3), u() % 2 == 0, {}};
    for (int k = int(u() % 40); k > 0; --k) {
        const QDate gun = RastgeleGun(u);
        const auto yer = std::lower_bound(t.istisnalar.begin(), t.istisnalar.end(), gun,
                                          [](const TakvimIstisnasi& i, const QDate& d) { return i.tarih < d; });
        if (yer == t.istisnalar.end() || yer->tarih != gun)
            t.istisnalar.insert(yer, {gun, IstisnaTuru(u() % 3), QStringLiteral("istisna %1").arg(k)});
    }
    return t;
}

QVector<KayitliFaaliyet> Faaliyetleri(const AgAnalizi& analiz)
{
    QVector<KayitliFaaliyet> faaliyetler;
    for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
        const qint32 sure = qint32(f.ef - f.es);
        faaliyetler.append({f.kodu, f.adi, {sure, sure}, Oncekileri(analiz, i).join(QLatin1Char(','))});
    }
    return faaliyetler;
}

// "MM-DD" or "MM-DD..MM-DD", separated by blanks, as the days of `yil`.
QVector<QDate> GunListesi(int yil, const QString& metin)
{
    QVector<QDate> gunler;
    for (const QString& parca : metin.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList uclar = parca.split(QStringLiteral(".."));
        const QDate ilk = QDate::fromString(QStringLiteral("%1-%2").arg(yil).arg(uclar.first()), Qt::ISODate);
        const QDate son = QDate::fromString(QStringLiteral("%1-%2").arg(yil).arg(uclar.last()), Qt::ISODate);
        for (QDate d = ilk; d <= son; d = d.addDays(1))
            gunler.append(d);
    }
    return gunler;
}

} // namespace

class tst_IsTakvimi : public QObject {
    Q_OBJECT

private slots:
    // The bayrams as published, written here apart from the data that ships.
    void resmiTatiller_data()
    {
        QTest::addColumn<int>("yil");
        QTest::addColumn<QString>("ramazanArifesi");
        QTest::addColumn<QString>("ramazan");
        QTest::addColumn<QString>("kurbanArifesi");
        QTest::addColumn<QString>("kurban");
        QTest::newRow("2024") << 2024 << "04-09" << "04-10..04-12" << "06-15" << "06-16..06-19";
        QTest::newRow("2025") << 2025 << "03-29" << "03-30..04-01" << "06-05" << "06-06..06-09";
        QTest::newRow("2026") << 2026 << "03-19" << "03-20..03-22" << "05-26" << "05-27..05-30";
        QTest::newRow("2027") << 2027 << "03-08" << "03-09..03-11" << "05-15" << "05-16..05-19";
        QTest::newRow("2028") << 2028 << "02-25" << "02-26..02-28" << "05-04" << "05-05..05-08";
        QTest::newRow("2029") << 2029 << "02-13" << "02-14..02-16" << "04-23" << "04-24..04-27";
        QTest::newRow("2030") << 2030 << "02-03" << "02-04..02-06" << "04-12" << "04-13..04-16";
        QTest::newRow("2031") << 2031 << "01-23" << "01-24..01-26" << "04-01" << "04-02..04-05";
        QTest::newRow("2032") << 2032 << "01-13" << "01-14..01-16" << "03-21" << "03-22..03-25";
        QTest::newRow("2033") << 2033 << "01-01 12-22" << "01-02..01-04 12-23..12-25" << "03-10" << "03-11..03-14";
        QTest::newRow("2034") << 2034 << "12-11" << "12-12..12-14" << "02-28" << "03-01..03-04";
        QTest::newRow("2035") << 2035 << "11-30" << "12-01..12-03" << "02-17" << "02-18..02-21";
    }
    // Every day of the year: a holiday exactly where the table has one, a whole one where a
    // whole one falls (1 January over 2033's arife, 23 April over 2029's), worked or not as
    // the arife setting says; 2033 on is an estimate.
    void resmiTatiller()
    {
        QFETCH(int, yil);
        QFETCH(QString, ramazanArifesi);
        QFETCH(QString, ramazan);
        QFETCH(QString, kurbanArifesi);
        QFETCH(QString, kurban);
        const QVector<QDate> yarim = GunListesi(yil, ramazanArifesi + ' ' + kurbanArifesi + " 10-28");
        const QVector<QDate> tam = GunListesi(yil, ramazan + ' ' + kurban + " 01-01 04-23 05-01 05-19 07-15 08-30 10-29");
        const IsTakvimi hafta({TakvimTuru::PazartesiCumartesi, false, {}}), arifeler({TakvimTuru::PazartesiCumartesi, true, {}});
        for (QDate d(yil, 1, 1); d.year() == yil; d = d.addDays(1)) {
            const GunBilgisi gun = hafta.Gun(d);
            const bool tamGun = tam.contains(d), yarimGun = yarim.contains(d) && !tamGun;
            QVERIFY2(gun.tatil.has_value() == (tamGun || yarimGun), qPrintable(d.toString(Qt::ISODate)));
            if (gun.tatil)
                QCOMPARE(YarimGun(*gun.tatil), yarimGun);
            const bool pazar = d.dayOfWeek() == Qt::Sunday;
            QCOMPARE(gun.calisilir, !pazar && !tamGun);
            QCOMPARE(arifeler.CalisilirMi(d), !pazar && !tamGun && !yarimGun);
            QCOMPARE(gun.tahmini, yil >= 2033);
        }
    }

    // Adding, subtracting and counting working days agree with the day-by-day reference on
    // a million random cases over calendars of every kind with random exceptions.
    void isGunuHesabi()
    {
        std::mt19937 u(3301);
        for (int takvimNo = 0; takvimNo < 40; ++takvimNo) {
            const ProjeTakvimi tanim = RastgeleTakvim(u);
            const IsTakvimi takvim(tanim);
            const ElleSayim ref = Say(tanim);
            for (int d = 0; d < ref.once.size() - 1; ++d)
                QCOMPARE(takvim.CalisilirMi(Ilk.addDays(d)), ref.once.at(d + 1) > ref.once.at(d));
            for (int vaka = 0; vaka < 25000; ++vaka) {
                const QDate a = RastgeleGun(u), b = RastgeleGun(u).addDays(qint64(u() % 801) - 400);
                QCOMPARE(takvim.IsGunuSay(a, b), ref.Once(b) - ref.Once(a));
                const qint64 sira = ref.Once(a);
                QCOMPARE(takvim.IlkIsGunu(a), ref.isGunleri.value(int(sira)));
                const qint64 n = qint64(u() % 801) - 400;
                const QDate bulunan = takvim.IsGunuEkle(a, n);
                if (ref.isGunleri.value(int(sira)) != a)
                    QVERIFY(!bulunan.isValid());
                else
                    QCOMPARE(bulunan, ref.isGunleri.value(int(sira + n)));
            }
        }
    }

    // Beyond the years a table covers nothing loops: a count no calendar reaches, a date
    // past year 9999, a span of all the years (with one day off, under "Her gün").
    void sinirlar()
    {
        const IsTakvimi cuma({TakvimTuru::PazartesiCuma, false, {}});
        QVERIFY(!cuma.IsGunuEkle(QDate(2026, 6, 1), Q_INT64_C(1) << 50).isValid());
        QVERIFY(!cuma.IsGunuEkle(QDate(2026, 6, 1), std::numeric_limits<qint64>::min()).isValid());
        QVERIFY(!cuma.IsGunuEkle(QDate(9999, 12, 30), 2).isValid());
        QVERIFY(!cuma.IlkIsGunu(QDate(12000, 1, 1)).isValid());
        QCOMPARE(cuma.IsGunuSay(QDate(), QDate(2026, 1, 1)), Q_INT64_C(0));
        const QDate uzak = cuma.IsGunuEkle(QDate(2026, 6, 1), 1500000);
        QVERIFY(uzak.isValid());
        QCOMPARE(cuma.IsGunuSay(QDate(2026, 6, 1), uzak), Q_INT64_C(1500000));
        QCOMPARE(cuma.IsGunuEkle(uzak, -1500000), QDate(2026, 6, 1));
        const IsTakvimi birTatil({TakvimTuru::HerGun, false, {{QDate(5000, 3, 3), IstisnaTuru::Tatil, QString()}}});
        QCOMPARE(birTatil.IsGunuSay(QDate(1, 1, 1), QDate(10000, 1, 1)), QDate(1, 1, 1).daysTo(QDate(10000, 1, 1)) - 1);
        QCOMPARE(birTatil.IsGunuEkle(QDate(1, 1, 1), 3652057), QDate(9999, 12, 31));
        QVERIFY(!birTatil.IsGunuEkle(QDate(1, 1, 1), 3652058).isValid());
    }

    // On random plans a working-day calendar changes no count, only dates: each activity
    // starts on working day ES and finishes on working day EF − 1 (a milestone on ES).
    void hesapVeTarihler()
    {
        std::mt19937 u(3302);
        for (int plan = 0; plan < 150; ++plan) {
            const Rapor rapor = RastgelePlan(u);
            KayitliProje proje = rapor.proje;
            proje.takvim = RastgeleTakvim(u);
            const AgAnalizi analiz = AnaliziHesapla(Faaliyetleri(rapor.analiz), proje);
            const ElleSayim ref = Say(proje.takvim);
            const int sifir = int(ref.Once(*proje.baslama.deger));
            QCOMPARE(analiz.projeBitisGunu, rapor.analiz.projeBitisGunu);
            for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
                const FaaliyetAnalizi &f = analiz.faaliyetler.at(i), &herGun = rapor.analiz.faaliyetler.at(i);
                QCOMPARE(QVector<qint64>({f.es, f.ef, f.ls, f.lf, f.toplamBolluk, f.serbestBolluk}),
                         QVector<qint64>({herGun.es, herGun.ef, herGun.ls, herGun.lf, herGun.toplamBolluk, herGun.serbestBolluk}));
                QCOMPARE(f.baslama, ref.isGunleri.value(sifir + int(f.es)));
                QCOMPARE(f.bitis, ref.isGunleri.value(sifir + int(f.ef == f.es ? f.es : f.ef - 1)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_IsTakvimi)
#include "tst_IsTakvimi.moc"
