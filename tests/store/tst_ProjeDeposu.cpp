// ctest-motorlar
// The store's commands on a sound file: values, and hostile names, come back exactly
// as written, in the order added; what another program left is kept as it is; refused
// writes and writes aimed at one project leave every other row alone. No locale: the
// store speaks values.
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"

#include <QTest>
#include <functional>
#include <limits>

using YazimKomutu = std::function<DepoHatasi(const ProjeDeposu&, const KayitliProje& alfa)>;
Q_DECLARE_METATYPE(YazimKomutu)

namespace {

int denenen = 0, ayniDonen = 0, sunucununReddettigi = 0, dokunulanKomsu = 0;

} // namespace

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        OzetYaz(QStringLiteral("hostile names at the store: tried %1, read back exactly %2, refused whole by a server "
                               "(NUL) %3, other rows touched %4")
                    .arg(denenen).arg(ayniDonen).arg(sunucununReddettigi).arg(dokunulanKomsu));
    }

    void namesRoundTripThroughEveryCommand_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("komsu"); // another project whose name is close to it
        QTest::newRow("quotes") << "O'BRİEN \"ALFA\" \"\"" << "O'BRİEN";
        QTest::newRow("LIKE wildcards") << "%_" << "A_";
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'Ş')) << QString(9999, QChar(u'Ş'));
        QTest::newRow("emoji and combining marks")
            << QString::fromUtf8("PROJE \xF0\x9F\x9A\x80 E\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB")
            << QString::fromUtf8("PROJE \xF0\x9F\x9A\x80 \xC3\x89");
        QTest::newRow("right to left") << QString::fromUtf8("\xD7\xA4\xD7\xA8\xD7\x95 \xD9\x85\xD8\xB4 \xE2\x80\x8F" "42")
                                       << "";
        QTest::newRow("tabs and line breaks") << "İLK\tSATIR\nİKİNCİ\r\nSON" << "İLK SATIR";
        QTest::newRow("blanks around") << "  ALFA  " << "ALFA";
        QTest::newRow("differs only in case") << "alfa" << "ALFA";
        QTest::newRow("dotted and dotless i") << "İSTANBUL ıi" << "ISTANBUL Iİ";
        QTest::newRow("NUL inside") << QString::fromUtf16(u"A\0B", 3) << "A";
    }
    void namesRoundTripThroughEveryCommand()
    {
        QFETCH(QString, ad);
        QFETCH(QString, komsu);
        ++denenen;
        GeciciVeritabani vt;
        vt.ProjeEkle("DİĞER", QDate(2026, 1, 1), QDate(2026, 1, 5), {{"A", "diğer", 1, ""}, {"B", "b", 2, "A"}});
        if (!komsu.isEmpty())
            vt.ProjeEkle(komsu, QDate(2026, 2, 1), QDate(2026, 2, 5), {{"A", komsu, 4, ""}});
        const QStringList komsular = vt.Satirlar();
        const ProjeDeposu d = vt.depo();
        // A server's texts cannot hold NUL: refused whole rather than cut.
        if (GeciciVeritabani::Sunucuda() && ad.contains(QChar(0))) {
            QCOMPARE(d.ProjeEkle({ad, QDate(2026, 3, 1), QDate(2026, 3, 11)}).numara, int(DepoHatasi::Uyumsuz));
            QCOMPARE(vt.Satirlar(), komsular);
            ++sunucununReddettigi;
            return;
        }

        vt.ProjeEkle(ad, QDate(2026, 3, 1), QDate(2026, 3, 11), {{"A", ad, 3, ""}, {"B", "b", 2, "A"}});
        QVector<KayitliFaaliyet> fs;
        QVERIFY(!d.FaaliyetleriOku(ad, fs));
        QVERIFY(!d.FaaliyetDegistir(ad, fs[1], {"B", ad + ad, 5, "A"}));
        KayitliProje p;
        QVERIFY(!d.ProjeOku(ad, p));
        QVERIFY(!d.ProjeDegistir(p, {"GEÇİCİ", QDate(2026, 3, 1), QDate(2026, 3, 12)}));
        QVERIFY(!d.ProjeOku("GEÇİCİ", p));
        QVERIFY(!d.ProjeDegistir(p, {ad, QDate(2026, 3, 1), QDate(2026, 3, 12)}));

        QStringList adlar;
        QString kod;
        QVERIFY(!d.ProjeleriOku(adlar) && !d.FaaliyetleriOku(ad, fs) && !d.EnBuyukKodu(ad, kod) && !d.ProjeOku(ad, p));
        const bool ayni = adlar.last() == ad && p.ad == ad && fs.size() == 2 && fs[0].adi == ad
                          && fs[1].adi == ad + ad && kod == "B" && p.bitis.deger == QDate(2026, 3, 12);
        ayniDonen += ayni ? 1 : 0;
        QVERIFY(ayni);

        QVERIFY(!d.SonFaaliyetiSil(ad, fs[1]));
        QVERIFY(!d.FaaliyetleriOku(ad, fs) && !d.TumFaaliyetleriSil(ad, fs));
        QVERIFY(!d.ProjeSil(p));
        dokunulanKomsu += vt.Satirlar() != komsular ? 1 : 0;
        QCOMPARE(vt.Satirlar(), komsular);
    }

    void valuesComeBackInTheOrderAdded()
    {
        GeciciVeritabani vt;
        const ProjeDeposu d = vt.depo();
        for (const char* ad : {"ZETA", "ALFA", "MU"})
            vt.ProjeEkle(ad);
        QVERIFY(!d.ProjeEkle({"UÇLAR", QDate(1, 1, 1), QDate(9999, 12, 31)}));
        constexpr qint32 enAz = std::numeric_limits<qint32>::min(), enCok = std::numeric_limits<qint32>::max();
        // Codes out of code order; a null text for "no predecessors" is stored as the empty text.
        for (const Faaliyet& f : {Faaliyet{"A", "a", enAz, QString()}, Faaliyet{"C", "c", enCok, "A"},
                                  Faaliyet{"B", "b", 0, "A,C"}})
            QVERIFY(!d.FaaliyetEkle("UÇLAR", f));
        QStringList liste;
        QVERIFY(!d.ProjeleriOku(liste));
        QCOMPARE(liste, (QStringList{"ZETA", "ALFA", "MU", "UÇLAR"}));
        QVERIFY(!d.KodlariOku("UÇLAR", liste));
        QCOMPARE(liste, (QStringList{"A", "C", "B"}));
        QString kod;
        QVERIFY(!d.EnBuyukKodu("UÇLAR", kod));
        QCOMPARE(kod, "C");
        QVERIFY(!d.EnBuyukKodu("ZETA", kod));
        QVERIFY(kod.isNull());
        KayitliProje p;
        QVERIFY(!d.ProjeOku("UÇLAR", p));
        QVERIFY(p.baslama.deger == QDate(1, 1, 1) && p.bitis.deger == QDate(9999, 12, 31));
        QVector<KayitliFaaliyet> fs;
        QVERIFY(!d.FaaliyetleriOku("UÇLAR", fs));
        QVERIFY(fs[0].sure.deger == enAz && fs[1].sure.deger == enCok && fs[2].sure.deger == 0);
        QCOMPARE(fs[2].oncekiler, "A,C");
        QVERIFY(!fs[0].oncekiler.isNull() && vt.Satirlar().contains("F|UÇLAR|A|a|-2147483648|"));
        QCOMPARE(d.ProjeEkle({"GEÇERSİZ", QDate(), QDate(2026, 1, 1)}).numara, int(DepoHatasi::Uyumsuz));
    }

    // A file whose tables another program made without our checks: what is not a date or
    // a 32-bit number is read as it is, and the record as read can still be changed and
    // deleted, since a write compares with what was stored.
    void whatOtherProgramsLeftIsKept()
    {
        if (GeciciVeritabani::Sunucuda())
            QSKIP("a server's schema is made only by Kavrion's tool");
        QTemporaryDir dizin;
        const QString yol = VeritabaniYolu(dizin.path());
        QVERIFY(DosyadaCalistir(yol, {
            "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)",
            "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)",
            "INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) VALUES ('P', '1.03.2026', 'yok'), ('R', NULL, '2026-03-01')",
            "INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet) VALUES "
            "('P', 'A', 'a', '12 gün', ''), ('P', 'B', 'b', '7', 'A'), ('P', 'C', 'c', 3000000000, NULL)"}));
        const QStringList ilk = GeciciVeritabani::Dokum(yol);
        const GeciciBaglanti baglanti(yol);
        const ProjeDeposu d = baglanti.depo();
        KayitliProje p;
        QVERIFY(!d.ProjeOku("P", p));
        QVERIFY(!p.baslama.deger && !p.bitis.deger);
        QCOMPARE(p.baslama.ham.toString(), "1.03.2026");
        QVector<KayitliFaaliyet> fs;
        QVERIFY(!d.FaaliyetleriOku("P", fs));
        QVERIFY(!fs[0].sure.deger && fs[1].sure.deger == 7 && !fs[2].sure.deger);
        QCOMPARE(fs[0].sure.ham.toString(), "12 gün");
        QCOMPARE(fs[2].sure.ham.toLongLong(), 3000000000LL);

        QVERIFY(!d.SonFaaliyetiSil("P", fs[2]));
        QVERIFY(!d.FaaliyetDegistir("P", fs[0], {"A", "a", 12, ""}));
        const DepoHatasi hata = d.ProjeDegistir(p, {"Q", QDate(2026, 3, 1), QDate(2026, 3, 9)});
        QVERIFY2(!hata, qPrintable(hata.aciklama));
        QCOMPARE(GeciciVeritabani::DosyadakiSatirlar(yol), (QStringList{"P|Q|2026-03-01|2026-03-09|", "P|R||2026-03-01|", "F|Q|A|a|12|",
                                                      "F|Q|B|b|7|A"}));
        QVERIFY(!d.ProjeOku("R", p) && p.baslama.ham.isNull());
        QVERIFY(!d.ProjeSil(p));
        // Undone, every value comes back with the type it was stored with ('7' a text, NULL).
        GecmisAdimi adim;
        for (int i = 0; i < 4; ++i)
            QVERIFY(!d.GeriAl(adim) && adim.kimlik == 4 - i);
        QCOMPARE(GeciciVeritabani::Dokum(yol), ilk);
    }

    void refusedWritesLeaveEverythingAsItWas_data()
    {
        using K = YazimKomutu;
        QTest::addColumn<K>("komut");
        QTest::addColumn<QString>("kutu"); // how the box begins: number and description
        const QDate gun(2026, 1, 1);
        const QString adVar = "19: Bu adla kayıtlı bir proje zaten var.";
        QTest::newRow("taken name") << K([=](auto& d, auto&) { return d.ProjeEkle({"BETA", gun, gun}); }) << adVar;
        // Renaming onto a taken name must not move ALFA's activities either.
        QTest::newRow("renamed onto a taken name")
            << K([=](auto& d, auto& alfa) { return d.ProjeDegistir(alfa, {"BETA", gun, gun}); }) << adVar;
        QTest::newRow("invalid date") << K([=](auto& d, auto& alfa) { return d.ProjeDegistir(alfa, {"X", gun, {}}); })
                                      << "20: Geçerli olmayan bir tarih kaydedilemez.";
        QTest::newRow("activity of no project")
            << K([](auto& d, auto&) { return d.FaaliyetEkle("YOK", {"A", "a", 1, ""}); })
            << "12: \"YOK\" projesi artık kayıtlı değil";
        QTest::newRow("taken code") << K([](auto& d, auto&) { return d.FaaliyetEkle("ALFA", {"A", "a", 1, ""}); })
                                    << "19: Bu projede aynı kodla bir faaliyet zaten var.";
        QTest::newRow("code of two characters")
            << K([](auto& d, auto&) { return d.FaaliyetEkle("ALFA", {"DD", "d", 1, "A"}); })
            << "19: Girilen değer veritabanına kaydedilemiyor.";
        QTest::newRow("activity not stored")
            << K([](auto& d, auto&) { return d.FaaliyetDegistir("ALFA", {"Z", "z", {1, 1}, ""}, {"Z", "z", 2, ""}); })
            << "12: \"ALFA\" projesinin Z faaliyeti artık kayıtlı değil";
    }
    void refusedWritesLeaveEverythingAsItWas()
    {
        QFETCH(YazimKomutu, komut);
        QFETCH(QString, kutu);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        KayitliProje alfa;
        QVERIFY(!vt.depo().ProjeOku("ALFA", alfa));
        const DepoHatasi hata = komut(vt.depo(), alfa);
        const QString verilen = QStringLiteral("%1: %2").arg(hata.numara).arg(hata.aciklama);
        QVERIFY2(verilen.startsWith(kutu), qPrintable(verilen));
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once); // no step either
    }

    // A calendar comes back as written; a rename carries it, a delete takes it, undoing either
    // brings it back, and a project back on every day keeps no row. A value this build cannot
    // read is an error, not every day.
    void aCalendarGoesWithItsProject()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        const QStringList takvimTablolari{"TakvimTablosu", "TakvimIstisnalariTablosu"};
        const ProjeTakvimi takvim{TakvimTuru::PazartesiCumartesi, true,
                                  {{QDate(2026, 3, 16), IstisnaTuru::Tatil, "Şantiye 'kapalı'"},
                                   {QDate(2026, 3, 21), IstisnaTuru::CalisilanGun, ""},
                                   {QDate(2026, 5, 25), IstisnaTuru::IdariIzin, QString(50, QChar(u'İ'))}}};
        ProjeTakvimi yeni = takvim;
        yeni.tur = TakvimTuru::PazartesiCuma;
        yeni.istisnalar.removeFirst();
        yeni.istisnalar[1].ad = "köprü";
        KayitliProje alfa, beta;
        QVERIFY(!d.TakvimDegistir("ALFA", {}, takvim) && !d.TakvimDegistir("ALFA", takvim, yeni));
        QVERIFY(!d.ProjeOku("ALFA", alfa) && alfa.takvim == yeni);
        QVERIFY(!d.ProjeOku("BETA", beta) && beta.takvim == ProjeTakvimi());
        QVERIFY(!d.ProjeDegistir(alfa, {"ALFA 2", QDate(2026, 1, 2), QDate(2026, 1, 3)}));
        QVERIFY(!d.ProjeOku("ALFA 2", alfa) && alfa.takvim == yeni);
        QVERIFY(!d.ProjeSil(alfa));
        QVERIFY(vt.Dokum(takvimTablolari).isEmpty());
        GecmisAdimi adim;
        for (const auto& [ad, beklenen] : {std::pair("ALFA 2", yeni), {"ALFA", yeni}, {"ALFA", takvim}, {"ALFA", {}}})
            QVERIFY(!d.GeriAl(adim) && !d.ProjeOku(ad, alfa) && alfa.takvim == beklenen);
        QVERIFY(vt.Dokum(takvimTablolari).isEmpty());
        QVERIFY(!d.IceAktar({{{"GAMA", QDate(2026, 1, 1), QDate(2026, 1, 9)}, {}, {}, Dagilim::Pert, takvim}}));
        QVERIFY(!d.ProjeOku("GAMA", alfa) && alfa.takvim == takvim);
        if (GeciciVeritabani::Sunucuda())
            return;
        QVERIFY(DosyadaCalistir(vt.yol(), {"PRAGMA ignore_check_constraints = 1",
                                           "UPDATE TakvimIstisnalariTablosu SET Tarih = '2026-02-30' WHERE Adi = ''"}));
        QCOMPARE(d.ProjeOku("GAMA", alfa).numara, int(DepoHatasi::Uyumsuz));
    }

    // Progress and baselines come back as written; a rename carries them, deleting the
    // activities takes their progress and keeps the baselines, deleting the project takes all,
    // undoing brings each back, and an import writes them. A value this build cannot read is
    // an error, not "no progress".
    void progressAndBaselinesGoWithTheirProject()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        const QDate durum(2026, 1, 10);
        const FaaliyetIlerlemesi a{QDate(2026, 1, 1), QDate(2026, 1, 3), 100, -1}, b{QDate(2026, 1, 4), {}, 0, 5};
        const TabanPlani taban{0, "İlk 'plan'", QDate(2026, 1, 2), QDate(2026, 1, 1), QDate(2026, 1, 9),
                               {{"C", {}, {}, -4}, {"A", QDate(2026, 1, 1), QDate(2026, 1, 3), 3}}};
        const ProjeIlerlemesi ilerleme{durum, {{"A", a}, {"B", b}}};
        const TabanPlanlari tabanlar{{taban}, 0};
        qint32 numara = -1;
        QVERIFY(!d.DurumTarihiDegistir("ALFA", {}, durum) && !d.IlerlemeDegistir("ALFA", "A", std::nullopt, a)
                && !d.IlerlemeDegistir("ALFA", "B", std::nullopt, b) && !d.TabanKaydet("ALFA", taban, numara)
                && !d.TabanSec("ALFA", -1, numara));
        KayitliProje alfa, beta;
        QVERIFY(!d.ProjeOku("ALFA", alfa) && alfa.ilerleme == ilerleme && alfa.tabanlar == tabanlar);
        QVERIFY(!d.ProjeOku("BETA", beta) && beta.ilerleme == ProjeIlerlemesi() && beta.tabanlar == TabanPlanlari());
        QVERIFY(!d.ProjeDegistir(alfa, {"ALFA 2", QDate(2026, 1, 1), QDate(2026, 1, 31)}));
        QVERIFY(!d.ProjeOku("ALFA 2", alfa) && alfa.ilerleme == ilerleme && alfa.tabanlar == tabanlar);
        QVector<KayitliFaaliyet> fs;
        QVERIFY(!d.FaaliyetleriOku("ALFA 2", fs) && !d.TumFaaliyetleriSil("ALFA 2", fs));
        QVERIFY(!d.ProjeOku("ALFA 2", alfa) && alfa.ilerleme == ProjeIlerlemesi({durum, {}}) && alfa.tabanlar == tabanlar);
        QVERIFY(!d.ProjeSil(alfa));
        const QStringList tablolar{"DurumTablosu", "IlerlemeTablosu", "TabanPlanlariTablosu", "TabanSatirlariTablosu"};
        QVERIFY(vt.Dokum(tablolar).isEmpty());
        GecmisAdimi adim;
        QVERIFY(!d.GeriAl(adim) && !d.GeriAl(adim) && !d.GeriAl(adim));
        QVERIFY(!d.ProjeOku("ALFA", alfa) && alfa.ilerleme == ilerleme && alfa.tabanlar == tabanlar);
        QVERIFY(!d.TabanSil("ALFA", taban) && !d.ProjeOku("ALFA", alfa));
        QVERIFY(alfa.ilerleme == ilerleme && alfa.tabanlar == TabanPlanlari());
        QVERIFY(!d.IceAktar({{{"GAMA", QDate(2026, 1, 1), QDate(2026, 1, 9)}, {{"A", "a", 3, ""}, {"B", "b", 2, "A"}}, {},
                              Dagilim::Pert, {}, ilerleme, tabanlar}}));
        QVERIFY(!d.ProjeOku("GAMA", beta) && beta.ilerleme == ilerleme && beta.tabanlar == tabanlar);
        if (GeciciVeritabani::Sunucuda())
            return;
        QVERIFY(DosyadaCalistir(vt.yol(), {"PRAGMA ignore_check_constraints = 1",
                                           "UPDATE IlerlemeTablosu SET Yuzde = 'yarım' WHERE Projesi = 'GAMA'"}));
        QCOMPARE(d.ProjeOku("GAMA", beta).numara, int(DepoHatasi::Uyumsuz));
    }

    // Links come back in the predecessor list's order, whatever order they were given in; a
    // change keeps only what it names, a rename carries them, deletes take them, undoing
    // brings them back, and a plan of plain links keeps no row. A value this build cannot
    // hold is an error, not a plain link.
    void linksGoWithTheirActivity()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        using B = BagTuru;
        const QVector<BagAyrintisi> sirali{{"C", B::BaslamaBaslama, 2}, {"A", B::BaslamaBitis, -10000},
                                           {"B", B::BitisBaslama, 10000}};
        const QVector<BagAyrintisi> degisen{{"C", B::BitisBitis, 0}};
        const QStringList tablo{"BaglarTablosu"};
        auto baglar = [&](const QString& proje) {
            QVector<KayitliFaaliyet> fs;
            return d.FaaliyetleriOku(proje, fs) || fs.isEmpty() ? QVector<BagAyrintisi>{{"?"}} : fs.last().baglar;
        };
        QVERIFY(vt.Dokum(tablo).isEmpty());
        QVERIFY(!d.FaaliyetEkle("ALFA", {"D", "d", 1, "C,A,B", {sirali[1], sirali[2], sirali[0], {"A", B::BitisBaslama, 0}}}));
        QCOMPARE(baglar("ALFA"), sirali);
        QVector<KayitliFaaliyet> fs;
        QVERIFY(!d.FaaliyetleriOku("ALFA", fs));
        QVERIFY(!d.FaaliyetDegistir("ALFA", fs.last(), {"D", "d", 1, "C,B", degisen}));
        QCOMPARE(baglar("ALFA"), degisen);
        QCOMPARE(vt.Dokum(tablo).size(), 1);
        KayitliProje alfa;
        QVERIFY(!d.ProjeOku("ALFA", alfa) && !d.ProjeDegistir(alfa, {"ALFA 2", QDate(2026, 1, 2), QDate(2026, 1, 3)}));
        QCOMPARE(baglar("ALFA 2"), degisen);
        QVERIFY(!d.FaaliyetleriOku("ALFA 2", fs) && !d.SonFaaliyetiSil("ALFA 2", fs.last()));
        QVERIFY(vt.Dokum(tablo).isEmpty());
        GecmisAdimi adim;
        for (const auto& [ad, beklenen] : {std::pair("ALFA 2", degisen), {"ALFA", degisen}, {"ALFA", sirali}})
            QVERIFY(!d.GeriAl(adim) && baglar(ad) == beklenen);
        QVERIFY(!d.FaaliyetleriOku("ALFA", fs) && !d.TumFaaliyetleriSil("ALFA", fs) && !d.GeriAl(adim));
        QVERIFY(!d.ProjeOku("ALFA", alfa) && !d.ProjeSil(alfa) && vt.Dokum(tablo).isEmpty());
        QVERIFY(!d.GeriAl(adim) && baglar("ALFA") == sirali);
        QVERIFY(!d.IceAktar({{{"GAMA", QDate(2026, 1, 1), QDate(2026, 1, 9)},
                              {{"A", "a", 1, ""}, {"B", "b", 2, "A", {{"A", B::BitisBitis, 1}}}}, {}}}));
        QCOMPARE(baglar("GAMA"), (QVector<BagAyrintisi>{{"A", B::BitisBitis, 1}}));
        if (GeciciVeritabani::Sunucuda())
            return;
        for (const char* bozuk : {"SET Turu = 'bb'", "SET Turu = 'bitis-bitis', Gecikme = 2.5", "SET Gecikme = 10001"}) {
            QVERIFY(DosyadaCalistir(vt.yol(), {"PRAGMA ignore_check_constraints = 1",
                                               QStringLiteral("UPDATE BaglarTablosu ") + bozuk}));
            QCOMPARE(d.FaaliyetleriOku("ALFA", fs).numara, int(DepoHatasi::Uyumsuz));
        }
    }

    // A rename carries the name to the activities; the last delete takes the greatest
    // code, not the newest row; a deleted project takes its activities with it.
    void writesTouchOnlyTheirRows()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        vt.ProjeEkle("GAMA", QDate(2026, 5, 1), QDate(2026, 5, 9), {{"A", "g", 1, ""}, {"[", "k", 1, "A"}, {"B", "b", 1, "A"}});
        const ProjeDeposu d = vt.depo();
        KayitliProje alfa;
        QVector<KayitliFaaliyet> fs;
        QVERIFY(!d.ProjeOku("ALFA", alfa) && !d.FaaliyetleriOku("GAMA", fs));
        QVERIFY(!d.ProjeDegistir(alfa, {"DELTA", QDate(2026, 1, 2), QDate(2026, 1, 3)}));
        QVERIFY(!d.SonFaaliyetiSil("GAMA", fs[1]));
        QVERIFY(!d.ProjeOku("BETA", alfa) && !d.ProjeSil(alfa));
        QCOMPARE(vt.Satirlar(), (QStringList{"P|DELTA|2026-01-02|2026-01-03|", "P|GAMA|2026-05-01|2026-05-09|", "F|DELTA|A|a|3|", "F|DELTA|B|b|2|A",
                                             "F|DELTA|C|c|4|A", "F|GAMA|A|g|1|", "F|GAMA|B|b|1|A"}));
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_ProjeDeposu.moc"
