#include "analysis/AgAnalizi.h"
#include "destek/PlanYazisi.h"
#include "destek/Yereller.h"
#include "kernel/Cizelge.h"
#include "text/AnalizMetinleri.h"
#include "text/BagMetinleri.h"

#include <QTest>
#include <algorithm>
#include <functional>
#include <random>

namespace {

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

// The critical paths counted again from the analysis's own figures and links, and each
// listed one followed link by link: from an activity no predecessor drives (EF = ES) to
// one finishing at F, every step a listed link between critical activities that drives.
// Codes must be unique. Empty when all holds, else what does not.
QString YollarTutarsiz(const AgAnalizi& analiz)
{
    const QVector<FaaliyetAnalizi>& f = analiz.faaliyetler;
    const auto Surenler = [&](int i) { // the predecessors whose finish is i's start
        QVector<int> surenler;
        for (int k = analiz.ag.girenBasi[i]; k < analiz.ag.girenBasi[i + 1]; ++k)
            if (f[analiz.ag.onceki[k]].ef == f[i].es)
                surenler << analiz.ag.onceki[k];
        return surenler;
    };
    QVector<quint64> sonaKadar(f.size(), 0); // from row i to the finish; successors stand below
    quint64 toplam = 0;
    for (int i = int(f.size()) - 1; i >= 0; --i) {
        sonaKadar[i] += f[i].kritik && f[i].ef == analiz.projeBitisGunu;
        for (const int onceki : Surenler(i))
            sonaKadar[onceki] += f[i].kritik && f[onceki].kritik ? sonaKadar[i] : 0;
        toplam += Surenler(i).isEmpty() ? sonaKadar[i] : 0;
    }
    const quint64 listelenen = std::min<quint64>(toplam, KritikYolSiniri);
    const QString kalan = toplam > listelenen ? QStringLiteral("ve %1 yol daha").arg(toplam - listelenen) : QString();
    if (analiz.kritikYolSayisi != QString::number(toplam) || quint64(analiz.kritikYollar.size()) != listelenen
        || AnalizMetinleri::KalanYollar(analiz) != kalan)
        return QStringLiteral("%1 yol sayıldı, %2 listelendi; %3 olmalı").arg(analiz.kritikYolSayisi)
            .arg(analiz.kritikYollar.size()).arg(toplam);
    QHash<QString, int> satir;
    for (int i = 0; i < f.size(); ++i)
        satir.insert(f[i].kodu, i);
    for (const QStringList& yol : analiz.kritikYollar) {
        bool tutar = Surenler(satir[yol.first()]).isEmpty() && f[satir[yol.last()]].ef == analiz.projeBitisGunu;
        for (int k = 0; k < yol.size(); ++k)
            tutar = tutar && f[satir[yol[k]]].kritik && (k == 0 || Surenler(satir[yol[k]]).contains(satir[yol[k - 1]]));
        if (!tutar)
            return yol.join(',') + QStringLiteral(" bir kritik yol değil");
    }
    if (std::adjacent_find(analiz.kritikYollar.begin(), analiz.kritikYollar.end(), std::greater_equal<QStringList>())
        != analiz.kritikYollar.end())
        return QStringLiteral("yollar sıralı ve tekil değil");
    return QString();
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

// The figures by definition, for plans whose codes are unique: longest paths over every
// activity's start and finish events (an activity ties its two by its duration both ways),
// relaxed until none moves, and the critical paths as the zero-float chains of links that
// are tight at their successor's event, from one no link drives to one finishing at F.
struct Olaylar {
    QVector<qint64> erken, gec, serbest; // per event: 2i the start, 2i + 1 the finish; per activity
    qint64 bitis = 0;
    QStringList yollar; // sorted, at most as many as the listing holds
    qint64 yolSayisi = 0;
};

Olaylar OlaylariHesapla(const QVector<KayitliFaaliyet>& satirlar)
{
    struct Kenar {
        int u, v;
        qint64 w;
    };
    const int n = int(satirlar.size());
    QHash<QString, int> satir;
    QVector<Kenar> kenarlar, baglar;
    Olaylar o;
    o.erken.resize(2 * n);
    for (int i = 0; i < n; ++i) {
        satir.insert(satirlar[i].kodu, i);
        const qint64 d = *satirlar[i].sure.deger;
        kenarlar << Kenar{2 * i, 2 * i + 1, d} << Kenar{2 * i + 1, 2 * i, -d};
        o.erken[2 * i + 1] = d;
        for (const QString& kod : satirlar[i].oncekiler.split(',', Qt::SkipEmptyParts)) {
            BagAyrintisi b{kod};
            for (const BagAyrintisi& a : satirlar[i].baglar)
                b = a.onceki == kod ? a : b;
            const bool oncekiBaslar = b.tur == BagTuru::BaslamaBaslama || b.tur == BagTuru::BaslamaBitis;
            const bool ardilBaslar = b.tur == BagTuru::BaslamaBaslama || b.tur == BagTuru::BitisBaslama;
            baglar << Kenar{2 * satir[kod] + !oncekiBaslar, 2 * i + !ardilBaslar, b.gecikme};
        }
    }
    kenarlar += baglar;
    for (bool degisti = true; degisti;) {
        degisti = false;
        for (const Kenar& k : kenarlar)
            if (o.erken[k.u] + k.w > o.erken[k.v])
                o.erken[k.v] = o.erken[k.u] + k.w, degisti = true;
    }
    for (int i = 0; i < n; ++i)
        o.bitis = std::max(o.bitis, o.erken[2 * i + 1]);
    o.gec.fill(o.bitis, 2 * n);
    for (bool degisti = true; degisti;) {
        degisti = false;
        for (const Kenar& k : kenarlar)
            if (o.gec[k.v] - k.w < o.gec[k.u])
                o.gec[k.u] = o.gec[k.v] - k.w, degisti = true;
    }
    const auto Kritik = [&](int i) { return o.gec[2 * i] == o.erken[2 * i]; };
    QVector<QVector<int>> sonraki(n);
    QVector<bool> surulen(n, false);
    for (int i = 0; i < n; ++i)
        o.serbest << o.bitis - o.erken[2 * i + 1];
    for (const Kenar& k : baglar) {
        const int p = k.u / 2, a = k.v / 2;
        o.serbest[p] = std::min(o.serbest[p], o.erken[k.v] - k.w - o.erken[k.u]);
        const bool siki = o.erken[k.v] == o.erken[k.u] + k.w;
        surulen[a] = surulen[a] || siki;
        if (siki && Kritik(p) && Kritik(a))
            sonraki[p] << a;
    }
    const std::function<void(int, QStringList)> Yuru = [&](int i, QStringList yol) {
        yol << satirlar[i].kodu;
        if (o.erken[2 * i + 1] == o.bitis && ++o.yolSayisi <= KritikYolSiniri)
            o.yollar << yol.join(',');
        for (int j = 0; j < sonraki[i].size() && o.yolSayisi <= KritikYolSiniri; ++j)
            Yuru(sonraki[i][j], yol);
    };
    for (int i = 0; i < n; ++i)
        if (Kritik(i) && !surulen[i])
            Yuru(i, {});
    o.yollar.sort();
    return o;
}

// 1 to 62 activities with unique codes, each after one to three distinct ones above it (every
// seventh after up to thirty), about half of the links of a random type with a lag from −10 to +10.
QVector<KayitliFaaliyet> KarisikBagliPlan(std::mt19937& uretec)
{
    const QString kodlar = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    const auto Zar = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(uretec); };
    QString tanim;
    for (int i = 0, n = Zar(1, 62); i < n; ++i) {
        QStringList oncekiler;
        for (int k = Zar(1, i % 7 == 6 ? 30 : 3); i > 0 && k > 0; --k) { // now and then a long list
            const QString kod = kodlar.at(Zar(0, i - 1));
            if (std::none_of(oncekiler.cbegin(), oncekiler.cend(), [&](const QString& o) { return o.startsWith(kod); }))
                oncekiler << (Zar(0, 1) ? kod : kod + QLatin1Char('/')
                                 + BagMetinleri::KisaAd(BagTuru(Zar(0, 3))) + QString::asprintf("%+d", Zar(-10, 10)));
        }
        tanim += QStringLiteral("%1:%2:%3 ").arg(kodlar.at(i)).arg(Zar(0, 12)).arg(oncekiler.join(','));
    }
    return Faaliyetler(tanim);
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
        // Free float, total float, ES and LS all differ in B: C, its successor, may slip too.
        QTest::newRow("free float below total float") << "A:2: B:1:A C:1:B D:5:A"
                                                      << "0/2/0/2/0/0* 2/3/5/6/3/0 3/4/6/7/3/3 2/7/2/7/0/0*"
                                                      << "A,D" << "1" << 0;
        // B and D are both critical, but B's finish does not set D's start: no path runs B → D.
        QTest::newRow("critical link that does not drive") << "A:1: B:2:A C:3:A D:1:B,C E:2:B"
                                                           << "0/1/0/1/0/0* 1/3/1/3/0/0* 1/4/1/4/0/0* 4/5/4/5/0/0* "
                                                              "3/5/3/5/0/0*"
                                                           << "A,B,E | A,C,D" << "2" << 1;
        // F is -3, yet B cannot start before day 0: its ES counts no further than F.
        QTest::newRow("successor starting after F") << "A:-3: B:-3:A" << "0/-3/0/-3/0/0* 0/-3/0/-3/0/0*" << "A | B"
                                                    << "2" << 0;
        // B's ES of 0 would give A a free float of 2^31; bounded by F it is A's total float.
        QTest::newRow("floats at the 32-bit limit")
            << "A:-2147483648: B:-1:A" << "0/-2147483648/2147483647/-1/2147483647/2147483647 0/-1/0/-1/0/0*" << "B"
            << "1" << -1;
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
        QVERIFY(!analiz.hata.Var());
        QTEST(Rakamlar(analiz), "rakamlar");
        QTEST(Yollar(analiz), "yollar");
        QTEST(analiz.kritikYolSayisi, "sayi");
        QCOMPARE(analiz.kalanYolSayisi, QString());
        QCOMPARE(analiz.anaPenceredekiYolSirasi, anaYolSirasi);
        QCOMPARE(analiz.anaPenceredekiYolKritik, anaYolSirasi >= 0);
        QCOMPARE(YollarTutarsiz(analiz), QString());
    }

    // What the note says of the main window's "Hesaplanan Kritik Yol", which it shows as it is.
    void pathNote_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<QString>("anaYol");
        QTest::addColumn<QString>("not_");
        QTest::newRow("one of them") << "A:1: B:2:A C:2:A D:1:C,B" << "A,C,D"
                                     << "Projenin 2 kritik yolu var: eşit süren yollar birlikte kritik. Ana penceredeki "
                                        "\"Hesaplanan Kritik Yol\" (A,C,D) bunlardan biri.";
        QTest::newRow("not one of them") << "A:-5: B:3:A" << "A,B"
                                         << "Projenin tek kritik yolu var. Ana penceredeki \"Hesaplanan Kritik Yol\" "
                                            "(A,B) bunlardan biri değil: en geç biten önceki faaliyetlerden geriye "
                                            "yürüyerek bulunur ve burada başlamayı belirlemeyen ya da kritik olmayan "
                                            "bir faaliyetten geçiyor.";
        // The main window computes nothing for one row and leaves its field empty.
        QTest::newRow("one activity") << "A:3:" << ""
                                      << "Projenin tek kritik yolu var. Ana penceredeki \"Hesaplanan Kritik Yol\" "
                                         "tek faaliyetli projede boş kalır.";
    }
    void pathNote()
    {
        QFETCH(QString, tanim);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), Tarihli());
        QTEST(analiz.anaPenceredekiYol, "anaYol");
        QTEST(AnalizMetinleri::YolNotu(analiz), "not_");
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
        QTEST(AnalizMetinleri::KalanYollar(analiz), "kalan");
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
        QTEST(AnalizMetinleri::Neden(AnaliziHesapla(Faaliyetler(tanim), Tarihli()), satir), "neden");
    }

    // Under a working-day calendar the sentences name the holidays in the activity's own span
    // (and the project's) that moved its finish; under "Her gün" they stay as they were.
    void holidaySentences_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<bool>("arifeler");
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<int>("satir");
        QTest::addColumn<QString>("neden");
        QTest::addColumn<QString>("plan");
        const int herGun = int(TakvimTuru::HerGun), cuma = int(TakvimTuru::PazartesiCuma);
        const QString ilk = QStringLiteral("Kritik: hiçbir önceki faaliyeti beklemeden 0. günde başlıyor; ");
        QTest::newRow("Kurban") << cuma << false << "2026-05-25" << "A:3: B:2:A" << 0
                                << ilk + "gecikirse B faaliyeti de gecikir. A, Kurban Bayramı (27–30 Mayıs) nedeniyle 1 Haziran'da bitiyor."
                                << "Proje, Kurban Bayramı (27–30 Mayıs) nedeniyle 3 Haziran'da bitiyor.";
        QTest::newRow("after it") << cuma << false << "2026-05-25" << "A:3: B:2:A" << 1
                                  << "Kritik: A bitince başlıyor; gecikirse proje de gecikir."
                                  << "Proje, Kurban Bayramı (27–30 Mayıs) nedeniyle 3 Haziran'da bitiyor.";
        QTest::newRow("arife off") << cuma << true << "2026-05-25" << "A:3:" << 0
                                   << ilk + "gecikirse proje de gecikir. A, Kurban Bayramı arifesi (26 Mayıs) ve Kurban "
                                            "Bayramı (27–30 Mayıs) nedeniyle 2 Haziran'da bitiyor."
                                   << "Proje, Kurban Bayramı arifesi (26 Mayıs) ve Kurban Bayramı (27–30 Mayıs) nedeniyle "
                                      "2 Haziran'da bitiyor.";
        QTest::newRow("exception") << herGun << false << "2026-03-01" << "A:3: B:2:A" << 0
                                   << ilk + "gecikirse B faaliyeti de gecikir. A, Şantiye tatili (3–4 Mart) nedeniyle "
                                            "5 Mart'ta bitiyor."
                                   << "Proje, Şantiye tatili (3–4 Mart) nedeniyle 7 Mart'ta bitiyor.";
        QTest::newRow("across months") << cuma << false << "2025-03-27" << "A:3:" << 0
                                       << ilk + "gecikirse proje de gecikir. A, Ramazan Bayramı (30 Mart–1 Nisan) nedeniyle "
                                                "2 Nisan'da bitiyor."
                                       << "Proje, Ramazan Bayramı (30 Mart–1 Nisan) nedeniyle 2 Nisan'da bitiyor.";
        QTest::newRow("estimated") << cuma << false << "2034-02-27" << "A:4:" << 0
                                   << ilk + "gecikirse proje de gecikir. A, Kurban Bayramı (1–4 Mart, tahmini) nedeniyle "
                                            "7 Mart'ta bitiyor."
                                   << "Proje, Kurban Bayramı (1–4 Mart, tahmini) nedeniyle 7 Mart'ta bitiyor.";
        QTest::newRow("many") << cuma << false << "2026-03-16" << "A:1: B:60:A" << 1
                              << "Kritik: A bitince başlıyor; gecikirse proje de gecikir. B, Ramazan Bayramı (20–22 Mart), "
                                 "Ulusal Egemenlik ve Çocuk Bayramı (23 Nisan), Emek ve Dayanışma Günü (1 Mayıs) ve 2 tatil "
                                 "daha nedeniyle 17 Haziran'da bitiyor."
                              << "Proje, Ramazan Bayramı (20–22 Mart), Ulusal Egemenlik ve Çocuk Bayramı (23 Nisan), Emek ve "
                                 "Dayanışma Günü (1 Mayıs) ve 2 tatil daha nedeniyle 17 Haziran'da bitiyor.";
        QTest::newRow("Her gün") << herGun << false << "2026-05-25" << "A:3: B:2:A" << 0
                                 << ilk + "gecikirse B faaliyeti de gecikir." << "";
    }
    void holidaySentences()
    {
        QFETCH(int, tur);
        QFETCH(bool, arifeler);
        QFETCH(QString, baslama);
        QFETCH(QString, tanim);
        QFETCH(int, satir);
        KayitliProje proje = Tarihli(baslama, "2026-12-31");
        proje.takvim = {TakvimTuru(tur), arifeler, {}};
        if (QByteArray(QTest::currentDataTag()) == "exception")
            for (const QDate gun : {QDate(2026, 3, 3), QDate(2026, 3, 4)})
                proje.takvim.istisnalar.append({gun, IstisnaTuru::IdariIzin, QStringLiteral("Şantiye tatili")});
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), proje);
        QTEST(AnalizMetinleri::Neden(analiz, satir), "neden");
        const QString plan = AnalizMetinleri::Plan(analiz);
        QTEST(plan.mid(plan.indexOf(QStringLiteral("Proje, ")) < 0 ? plan.size() : plan.indexOf(QStringLiteral("Proje, "))), "plan");
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
        QTest::newRow("no activities") << "" << "Projede faaliyet yok.";
    }
    void notComputable()
    {
        QFETCH(QString, tanim);
        QFETCH(QString, aciklama);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), Tarihli());
        QCOMPARE(AnalizMetinleri::Hesaplanamiyor(analiz), QStringLiteral("Hesaplanamıyor: ") + aciklama);
        QVERIFY(analiz.faaliyetler.isEmpty());
        QVERIFY(analiz.kritikYollar.isEmpty());
        QVERIFY(AnalizMetinleri::PlanDurumu(analiz.plan).isEmpty());
    }

    // F is 8 days: the day counts compare, the finish date is the project's last day of work.
    void planAgainstTheProjectDates_data()
    {
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QDate>("enErkenBitis");
        const QDate sekizMart(2026, 3, 8);
        QTest::newRow("float") << "2026-03-01" << "2026-03-11" << "2 gün pay" << sekizMart;
        QTest::newRow("on time") << "2026-03-01" << "2026-03-09" << "0 gün pay" << sekizMart;
        QTest::newRow("delay") << "2026-03-01" << "2026-03-05" << "4 gün gecikme" << sekizMart;
        QTest::newRow("across a year") << "2025-12-30" << "2026-01-01" << "6 gün gecikme" << QDate(2026, 1, 6);
        QTest::newRow("no end date") << "2026-03-01" << "" << "Projenin bitiş tarihi girilmemiş." << sekizMart;
        QTest::newRow("start not a date") << "31.02.2026" << "2026-03-11"
                                          << "Projenin başlama tarihi \"31.02.2026\" bir tarih değil." << QDate();
    }
    void planAgainstTheProjectDates()
    {
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler("A:3: B:2:A C:4:A D:1:B,C"), Tarihli(baslama, bitis));
        QTEST(AnalizMetinleri::PlanDurumu(analiz.plan), "metin");
        QTEST(analiz.plan.enErkenBitis, "enErkenBitis");
        QCOMPARE(analiz.faaliyetler.at(2).bitis.isValid(), analiz.plan.enErkenBitis.isValid());
    }

    // One row per case of the finish-date convention, the project starting on 7.12.2026: a
    // finish is the last day of work, start + EF − 1; a milestone's one date is start + ES;
    // the project's finish is start + F − 1.
    void finishDates_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<int>("satir");
        QTest::addColumn<QDate>("baslangic");
        QTest::addColumn<QDate>("bitisTarihi");
        QTest::addColumn<QDate>("projeBitisi");
        const QDate yedi(2026, 12, 7);
        QTest::newRow("one day or more") << "A:3: B:2:A" << 0 << yedi << QDate(2026, 12, 9) << QDate(2026, 12, 11);
        QTest::newRow("its successor, the day after") << "A:3: B:2:A" << 1 << QDate(2026, 12, 10)
                                                      << QDate(2026, 12, 11) << QDate(2026, 12, 11);
        QTest::newRow("milestone after a finish") << "A:3: B:0:A" << 1 << QDate(2026, 12, 10) << QDate(2026, 12, 10)
                                                  << QDate(2026, 12, 9);
        QTest::newRow("milestones alone, F = 0") << "A:0:" << 0 << yedi << yedi << yedi;
        QTest::newRow("negative duration") << "A:-2: B:3:A" << 0 << yedi << QDate(2026, 12, 4) << QDate(2026, 12, 9);
        QTest::newRow("year after 9999") << "A:3: B:2147483644:A" << 1 << QDate(2026, 12, 10)
                                         << QDate(5881637, 6, 15) << QDate(5881637, 6, 15);
    }
    void finishDates()
    {
        QFETCH(QString, tanim);
        QFETCH(int, satir);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), Tarihli("2026-12-07", "2026-12-31"));
        QVERIFY(!analiz.hata.Var());
        QTEST(analiz.faaliyetler.at(satir).baslama, "baslangic");
        QTEST(analiz.faaliyetler.at(satir).bitis, "bitisTarihi");
        QTEST(analiz.plan.enErkenBitis, "projeBitisi");
    }

    // Mixed link types and lags on random plans under each calendar: every figure and the
    // listed critical paths are those of the longest paths over the activities' events,
    // and each start is ES working days from the project start.
    void linkTypesAgreeWithTheEventOracle()
    {
        std::mt19937 uretec(3434);
        for (int plan = 0; plan < 200; ++plan) {
            const QVector<KayitliFaaliyet> satirlar = KarisikBagliPlan(uretec);
            const Olaylar o = OlaylariHesapla(satirlar);
            KayitliProje proje = Tarihli("2026-03-02");
            proje.takvim.tur = TakvimTuru(plan % 3);
            const AgAnalizi analiz = AnaliziHesapla(satirlar, proje);
            QString tanim;
            for (const KayitliFaaliyet& f : satirlar) {
                tanim += f.kodu + ':' + f.oncekiler;
                for (const BagAyrintisi& b : f.baglar)
                    tanim += ' ' + b.onceki + BagMetinleri::TurVeGecikme(b.tur, b.gecikme);
                tanim += QStringLiteral("; ");
            }
            const QByteArray ne = tanim.toUtf8();
            QVERIFY2(!analiz.hata.Var(), ne);
            QCOMPARE(analiz.projeBitisGunu, o.bitis);
            for (int i = 0; i < satirlar.size(); ++i) {
                const FaaliyetAnalizi& f = analiz.faaliyetler[i];
                const QVector<qint64> beklenen{o.erken[2 * i], o.erken[2 * i + 1], o.gec[2 * i], o.gec[2 * i + 1],
                                               o.gec[2 * i] - o.erken[2 * i], o.serbest[i]};
                QVERIFY2((QVector<qint64>{f.es, f.ef, f.ls, f.lf, f.toplamBolluk, f.serbestBolluk} == beklenen), ne);
                QVERIFY2(analiz.takvim.IsGunuSay(proje.baslama.deger.value(), f.baslama) == f.es, ne);
            }
            QCOMPARE(analiz.kritikYolSayisi, QString::number(o.yolSayisi));
            if (o.yolSayisi <= KritikYolSiniri) {
                QStringList yollar;
                for (const QStringList& yol : analiz.kritikYollar)
                    yollar << yol.join(',');
                yollar.sort();
                QVERIFY2(yollar == o.yollar, ne);
            }
        }
    }

    // The classic cases: a lag after a Friday counts working days, a finish-to-finish that
    // would pull its successor before the project start is held there, a start-to-finish,
    // and B, entered by its finish and leaving by its start, shortens the project as it grows.
    void linkTypesByHand_data()
    {
        QTest::addColumn<QString>("tanim");
        QTest::addColumn<int>("takvim");
        QTest::addColumn<QString>("rakamlar");
        QTest::addColumn<QString>("yollar"); // the critical paths; the main window's path is the first
        QTest::addColumn<QString>("tarihler"); // each activity's start and finish; empty: not checked
        QTest::addColumn<QString>("neden");    // the second activity's
        QTest::newRow("lag after a Friday") << "A:5: B:1:A/BB+2" << int(TakvimTuru::PazartesiCuma)
                                            << "0/5/0/5/0/0* 7/8/7/8/0/0*" << "A,B"
                                            << "2026-03-02 2026-03-06 2026-03-11 2026-03-11"
                                            << "Kritik: B, A'nın bitişinden 2 iş günü sonra başlayabilir (BB+2); "
                                               "gecikirse proje de gecikir.";
        QTest::newRow("held at the start") << "A:2: B:5:A/BiBi" << 0 << "0/2/3/5/3/3 0/5/0/5/0/0*" << "B" << ""
                                           << "Kritik: hiçbir önceki faaliyeti beklemeden 0. günde başlıyor; "
                                              "gecikirse proje de gecikir.";
        QTest::newRow("start to finish") << "A:3: B:2:A/BaBi+4" << 0 << "0/3/0/3/0/0* 2/4/2/4/0/0*" << "A,B" << ""
                                         << "Kritik: B, A'nın başlangıcından 4 iş günü sonra bitebilir (BaBi+4); "
                                            "gecikirse proje de gecikir.";
        QTest::newRow("lengthening shortens") << "A:10: B:4:A/BiBi+2 C:5:B/BaBa+1" << 0
                                              << "0/10/0/10/0/0* 8/12/8/12/0/0* 9/14/9/14/0/0*" << "A,B,C" << ""
                                              << "Kritik: B, A'nın bitişinden 2 iş günü sonra bitebilir (BiBi+2); "
                                                 "gecikirse C faaliyeti de gecikir. B uzarsa başlangıcı öne çekilir "
                                                 "ve üzerinden geçen kritik yol kısalır; kısalırsa proje uzar.";
    }
    void linkTypesByHand()
    {
        QFETCH(QString, tanim);
        QFETCH(int, takvim);
        QFETCH(QString, tarihler);
        KayitliProje proje = Tarihli("2026-03-02");
        proje.takvim.tur = TakvimTuru(takvim);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), proje);
        QTEST(Rakamlar(analiz), "rakamlar");
        QTEST(Yollar(analiz), "yollar");
        QFETCH(QString, yollar);
        QCOMPARE(analiz.anaPenceredekiYol, yollar.section(QLatin1Char(' '), 0, 0));
        QTEST(AnalizMetinleri::Neden(analiz, 1), "neden");
        QStringList gunler;
        for (const FaaliyetAnalizi& f : analiz.faaliyetler)
            gunler << f.baslama.toString(Qt::ISODate) << f.bitis.toString(Qt::ISODate);
        if (!tarihler.isEmpty())
            QCOMPARE(gunler.join(' '), tarihler);
    }

    // A link's rule in words, the code's genitive ending following how its last character reads.
    void linkRuleInWords_data()
    {
        QTest::addColumn<QString>("onceki");
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("gecikme");
        QTest::addColumn<QString>("cumle");
        const int bb = int(BagTuru::BitisBaslama), baba = int(BagTuru::BaslamaBaslama);
        const int bibi = int(BagTuru::BitisBitis), babi = int(BagTuru::BaslamaBitis);
        QTest::newRow("SS lag") << "A" << baba << 2 << "C, A'nın başlangıcından 2 iş günü sonra başlayabilir (BaBa+2)";
        QTest::newRow("FS lead") << "B" << bb << -2 << "C, B'nin bitişinden 2 iş günü önce başlayabilir (BB−2)";
        QTest::newRow("plain") << "A" << bb << 0 << "C, A bitmeden başlayamaz";
        QTest::newRow("SS") << "A" << baba << 0 << "C, A başlamadan başlayamaz (BaBa)";
        QTest::newRow("FF") << "B" << bibi << 0 << "C, B bitmeden bitemez (BiBi)";
        QTest::newRow("SF") << "A" << babi << 0 << "C, A başlamadan bitemez (BaBi)";
        QTest::newRow("FF lag, O") << "O" << bibi << 3 << "C, O'nun bitişinden 3 iş günü sonra bitebilir (BiBi+3)";
        QTest::newRow("SF lead, Ü") << "Ü" << babi << -1 << "C, Ü'nün başlangıcından 1 iş günü önce bitebilir (BaBi−1)";
        QTest::newRow("3") << "3" << bb << 1 << "C, 3'ün bitişinden 1 iş günü sonra başlayabilir (BB+1)";
        QTest::newRow("6") << "6" << bb << 1 << "C, 6'nın bitişinden 1 iş günü sonra başlayabilir (BB+1)";
        QTest::newRow("long code, digits grouped")
            << "B12" << bb << 10000 << "C, B12'nin bitişinden 10.000 iş günü sonra başlayabilir (BB+10.000)";
    }
    void linkRuleInWords()
    {
        QFETCH(QString, onceki);
        QFETCH(int, tur);
        QFETCH(int, gecikme);
        QTEST(BagMetinleri::KuralCumlesi("C", {onceki, BagTuru(tur), gecikme}), "cumle");
    }

    // Floats and paths against the main window's path on a few hundred random networks
    // full of ties, zero and negative durations.
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
            const AgAnalizi analiz = AnaliziHesapla(Faaliyetler(tanim), Tarihli());
            const QByteArray ne = tanim.toUtf8();
            for (const FaaliyetAnalizi& f : analiz.faaliyetler)
                QVERIFY2(f.serbestBolluk >= 0 && f.serbestBolluk <= f.toplamBolluk, ne);
            QVERIFY2(analiz.anaPenceredekiYolKritik || negatifOlabilir, ne);
            if (analiz.kalanYolSayisi.isEmpty())
                QVERIFY2((analiz.anaPenceredekiYolSirasi >= 0) == analiz.anaPenceredekiYolKritik, ne);
            if (analiz.anaPenceredekiYolSirasi >= 0)
                QVERIFY2(analiz.kritikYollar.at(analiz.anaPenceredekiYolSirasi).join(',') == analiz.anaPenceredekiYol, ne);
            // Counted without walking and listed by walking, each against a count of its own,
            // "ve N yol daha" included: a link wrongly taken for a step adds paths beyond the listing.
            const QString tutarsiz = YollarTutarsiz(analiz);
            QVERIFY2(tutarsiz.isEmpty(), qPrintable(tutarsiz + QStringLiteral(": ") + tanim));
        }
    }
};

QTEST_GUILESS_MAIN(NetworkAnalysisTest)
#include "tst_AgAnalizi.moc"
