// The commands' own rules, before anything is written: a predecessor must be an
// activity of the project added before the one it precedes; an import is written whole
// or not at all; an estimate follows its activity and project, and keeps its order; a
// project's distribution follows the project; a calendar keeps its exceptions in order, one
// a day, each with a short name; a link keeps its lag within bounds and names a listed
// predecessor once, and an import's links close no cycle; progress keeps to its dates and
// its status date, a baseline to its name and number.
#include "destek/GeciciVeritabani.h"
#include "destek/Yereller.h"
#include "destek/YazimKomutlari.h"
#include "plan/Komut.h"
#include "store/ArizaNoktasi.h"
#include "text/IlerlemeMetinleri.h"

#include <QTest>

Q_DECLARE_METATYPE(Komut)

namespace {

// ALFA's status date 10 January, A finished on the 5th, baselines "İlk" and "İkinci".
void IlerlemeKur(const ProjeDeposu& d)
{
    const FaaliyetIlerlemesi a{QDate(2026, 1, 1), QDate(2026, 1, 5), 100, -1};
    for (const Komut& k : {Komut(DurumTarihiKomutu{"ALFA", {}, QDate(2026, 1, 10)}),
                           Komut(IlerlemeKomutu{"ALFA", "A", std::nullopt, a}),
                           Komut(TabanKaydetKomutu{"ALFA", {0, "İlk", {}, {}, {}, {}}}),
                           Komut(TabanKaydetKomutu{"ALFA", {0, "İkinci", {}, {}, {}, {}}})})
        QVERIFY(!KomutuUygula(d, k));
}

} // namespace

class CommandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Turkce); }
    void predecessorsAddedBeforeOnly_data()
    {
        QTest::addColumn<Komut>("komut");
        QTest::addColumn<QString>("yersiz");
        const KayitliFaaliyet b{"B", "b", {2, 2}, "A"};
        QTest::newRow("add: unknown code") << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "A,Z"}}) << "Z";
        QTest::newRow("add: every code stored") << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "C,B"}}) << "";
        QTest::newRow("change: a code added after") << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"B", "b", 2, "C"}}) << "C";
        QTest::newRow("change: itself") << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"B", "b", 2, "B"}}) << "B";
        QTest::newRow("change: a code added before") << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"B", "b", 3, "A"}}) << "";
    }
    void predecessorsAddedBeforeOnly()
    {
        QFETCH(Komut, komut);
        QFETCH(QString, yersiz);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const QStringList once = vt.Satirlar();
        const KomutHatasi hata = KomutuUygula(vt.depo(), komut);
        QCOMPARE(hata.yersizOnceki, yersiz);
        QVERIFY(!hata.depo);
        QCOMPARE(vt.Satirlar() == once, !yersiz.isEmpty());
    }

    // Another program deletes the last activity just before each statement of an add naming
    // it, in turn, until the add ends first. Landing before the write, it is refused by the
    // write's own check; once the write has begun, the delete waits for it (here it is
    // refused, as nothing waits). Never is the activity stored naming a code that is gone.
    void predecessorDeletedMeanwhileIsRefused()
    {
        int once = 0, sirasinda = 0;
        for (int an = 1;; ++an) {
            GeciciVeritabani vt;
            OrnekProjeler(vt);
            QVector<GecmisAdimi> adimlar;
            QVERIFY(!vt.depo().GecmisiOku(adimlar));
            bool araya = false, silindi = false;
            ArizaNoktasi::ArayaGir(an, [&] {
                araya = true;
                silindi = DosyadaCalistir(vt.yol(), {"PRAGMA busy_timeout = 0",
                                                     "DELETE FROM FaaliyetlerTablosu WHERE Projesi = 'ALFA' AND Kodu = 'C'"});
            });
            const KomutHatasi hata = KomutuUygula(vt.depo(), FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "A,C"}});
            ArizaNoktasi::Kaldir();
            if (!araya)
                break;
            (silindi ? once : sirasinda) += 1;
            QVERIFY(!hata.depo);
            QCOMPARE(hata.yersizOnceki, silindi ? "C" : "");
            const qsizetype yazilan = adimlar.size();
            QVERIFY(!vt.depo().GecmisiOku(adimlar));
            QCOMPARE(adimlar.size(), yazilan + (silindi ? 0 : 1));
        }
        QVERIFY(once > 0 && sirasinda > 0);
    }

    // The second project's name is taken, or rows of no project wait under it: the first,
    // already written in the same transaction, goes too.
    void importIsWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("kutu");
        QTest::newRow("name taken") << "" << "BETA" << "Bu adla kayıtlı bir proje zaten var. Başka bir ad girin.";
        const QString kalinti = "Dosyada \"ESKİ\" adına kayıtlı, projesi olmayan faaliyetler ya da ayarlar var; bu adla "
                                "içe aktarılamaz. Başka bir ad girin.";
        QTest::newRow("rows of no project") << "INSERT INTO FaaliyetlerTablosu VALUES (9, 'ESKİ', 'A', 'a', 1, '')"
                                            << "ESKİ" << kalinti;
        QTest::newRow("a distribution of no project") << "INSERT INTO DagilimTablosu VALUES (9, 'ESKİ', 'ucgen')"
                                                      << "ESKİ" << kalinti;
    }
    void importIsWrittenWholeOrNotAtAll()
    {
        QFETCH(QString, sql);
        QFETCH(QString, ad);
        QFETCH(QString, kutu);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        QVERIFY(sql.isEmpty() || DosyadaCalistir(vt.yol(), {sql}));
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        const TamProje yeni{{"YENİ", QDate(2026, 4, 1), QDate(2026, 4, 9)}, {{"A", "a", 0, ""}}, {}};
        const KomutHatasi hata = KomutuUygula(vt.depo(), IceAktarKomutu{{yeni, {{ad, yeni.proje.baslama, yeni.proje.bitis}, {}, {}}}});
        QCOMPARE(hata.depo.numara, int(DepoHatasi::Kisit));
        QCOMPARE(hata.depo.aciklama, kutu);
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
    }

    // The project's estimates after each write that touches the project or the activity.
    void estimatesFollowTheirActivity_data()
    {
        QTest::addColumn<int>("komut");
        QTest::addColumn<QString>("tahminler");
        QTest::addColumn<QString>("ucgen"); // the project whose distribution is triangular
        QTest::newRow("rename") << 1 << "ALFA 2:C 2 4 9" << "ALFA 2";
        QTest::newRow("project deleted") << 2 << "" << "";
        QTest::newRow("activity changed") << 4 << "ALFA:C 2 4 9" << "ALFA";
        QTest::newRow("its activity deleted") << 5 << "" << "ALFA";
        QTest::newRow("every activity deleted") << 6 << "" << "ALFA";
    }
    void estimatesFollowTheirActivity()
    {
        QFETCH(int, komut);
        QFETCH(QString, tahminler);
        QFETCH(QString, ucgen);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        QVERIFY(!KomutuUygula(d, DagilimDegistirKomutu{"ALFA", Dagilim::Pert, Dagilim::Ucgen}));
        QVERIFY(!YazimKomutlari[komut].calistir(d, AlfaOku(d)));
        QStringList okunan, ucgenler;
        for (const QString proje : {"ALFA", "ALFA 2"}) {
            QHash<QString, UcNoktaTahmini> t;
            QVERIFY(!d.TahminleriOku(proje, t));
            for (auto i = t.cbegin(); i != t.cend(); ++i)
                okunan << QString("%1:%2 %3 %4 %5").arg(proje, i.key()).arg(i->iyimser).arg(i->olasi).arg(i->kotumser);
            Dagilim dagilim = Dagilim::Pert;
            QVERIFY(!d.DagilimOku(proje, dagilim));
            if (dagilim == Dagilim::Ucgen)
                ucgenler << proje;
        }
        QCOMPARE(okunan.join(","), tahminler);
        QCOMPARE(ucgenler.join(","), ucgen);
        QCOMPARE(vt.Dokum(QStringList{"DagilimTablosu"}).size(), ucgen.isEmpty() ? 0 : 1);
        GecmisAdimi adim;
        Dagilim dagilim = Dagilim::Pert;
        QVERIFY(!d.GeriAl(adim) && !d.DagilimOku("ALFA", dagilim));
        QCOMPARE(dagilim, Dagilim::Ucgen);
    }

    // An estimate out of order, or a calendar that breaks its rules, is refused before the store;
    // one changed elsewhere by the store.
    void estimatesAreCheckedAndComparedOnWrite_data()
    {
        QTest::addColumn<Komut>("komut");
        QTest::addColumn<QString>("kutu");
        const UcNoktaTahmini gosterilen{2, 4, 9};
        QTest::newRow("optimistic over likely") << Komut(TahminDegistirKomutu{"ALFA", "C", gosterilen, {{5, 4, 9}}})
                                                << "İyimser süre en olası süreden uzun olamaz.";
        QTest::newRow("likely over pessimistic") << Komut(TahminDegistirKomutu{"ALFA", "C", gosterilen, {{2, 10, 9}}})
                                                 << "En olası süre kötümser süreden uzun olamaz.";
        QTest::newRow("below zero") << Komut(TahminDegistirKomutu{"ALFA", "C", gosterilen, {{-1, 4, 9}}})
                                    << "İyimser süre sıfırdan küçük olamaz.";
        QTest::newRow("pessimistic below zero") << Komut(TahminDegistirKomutu{"ALFA", "C", gosterilen, {{2, 4, -3}}})
                                                << "Kötümser süre sıfırdan küçük olamaz.";
        QTest::newRow("changed elsewhere") << Komut(TahminDegistirKomutu{"ALFA", "C", std::nullopt, {{1, 1, 1}}})
            << "\"ALFA\" projesinin C faaliyetinin tahmini siz görüntüledikten sonra başka bir yerde değiştirilmiş; "
               "hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.";
        QTest::newRow("activity gone") << Komut(TahminDegistirKomutu{"ALFA", "D", std::nullopt, {{1, 1, 1}}})
            << "\"ALFA\" projesinin D faaliyeti artık kayıtlı değil; başka bir yerde silinmiş.";
        QTest::newRow("distribution changed elsewhere") << Komut(DagilimDegistirKomutu{"ALFA", Dagilim::Ucgen, Dagilim::Pert})
            << "\"ALFA\" projesinin dağılımı siz görüntüledikten sonra başka bir yerde değiştirilmiş; "
               "hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.";
        QTest::newRow("distribution, project gone") << Komut(DagilimDegistirKomutu{"YOK", Dagilim::Pert, Dagilim::Ucgen})
            << "\"YOK\" projesi artık kayıtlı değil; başka bir yerde silinmiş ya da adı değiştirilmiş.";
        const auto takvim = [](std::initializer_list<std::pair<QDate, QString>> gunler) {
            ProjeTakvimi t{TakvimTuru::PazartesiCuma, false, {}};
            for (const auto& [tarih, ad] : gunler)
                t.istisnalar.append({tarih, IstisnaTuru::Tatil, ad});
            return t;
        };
        const QDate gun(2026, 3, 16);
        QTest::newRow("calendar: two exceptions on a day")
            << Komut(TakvimDegistirKomutu{"ALFA", {}, takvim({{gun, "a"}, {gun, "b"}})})
            << "16.03.2026 gününe birden fazla istisna girilmiş; bir güne yalnızca bir istisna girilebilir.";
        QTest::newRow("calendar: out of order") << Komut(TakvimDegistirKomutu{"ALFA", {}, takvim({{gun, ""}, {gun.addDays(-1), ""}})})
            << "Takvim istisnaları tarih sırasında değil (15.03.2026); takvim kaydedilmedi.";
        QTest::newRow("calendar: 51 characters") << Komut(TakvimDegistirKomutu{"ALFA", {}, takvim({{gun, QString(51, 'x')}})})
            << "16.03.2026 gününün istisna adı en çok 50 karakter olabilir.";
        QTest::newRow("calendar: no real day") << Komut(TakvimDegistirKomutu{"ALFA", {}, takvim({{QDate(10000, 1, 1), ""}})})
            << "Takvim istisnasının tarihi geçerli bir gün değil; takvim kaydedilmedi.";
        QTest::newRow("import: a calendar out of order")
            << Komut(IceAktarKomutu{{{{"YENİ", gun, gun}, {}, {}, Dagilim::Pert, takvim({{gun, ""}, {gun, ""}})}}})
            << "\"YENİ\" projesinin takvimi: 16.03.2026 gününe birden fazla istisna girilmiş; bir güne yalnızca bir "
               "istisna girilebilir.";
        using B = BagTuru;
        const KayitliFaaliyet b{"B", "b", {2, 2}, "A"};
        QTest::newRow("link: lag beyond the limit")
            << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "C", {{"C", B::BaslamaBaslama, 10001}}}})
            << "D faaliyetinin C ile bağında gecikme 10.001 iş günü; gecikme ya da öncelik en çok 10.000 iş günü olabilir.";
        QTest::newRow("link: lead beyond the limit")
            << Komut(FaaliyetDegistirKomutu{"ALFA", b, {"", "b", 2, "A", {{"A", B::BitisBaslama, -10001}}}})
            << "B faaliyetinin A ile bağında gecikme -10.001 iş günü; gecikme ya da öncelik en çok 10.000 iş günü olabilir.";
        QTest::newRow("link: not listed") << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "C", {{"A", B::BitisBitis, 0}}}})
            << "D faaliyetinin bağlarından biri \"A\" faaliyetine; ama \"A\" ÖNCEKİ FAALİYETLER arasında değil.";
        QTest::newRow("link: twice")
            << Komut(FaaliyetEkleKomutu{"ALFA", {"D", "d", 1, "A,C", {{"A", B::BitisBitis, 1}, {"A", B::BaslamaBitis, 2}}}})
            << "D faaliyetinin \"A\" öncülüne iki bağ verilmiş; bir öncülün tek bağı olabilir.";
        QTest::newRow("import: a cycle") << Komut(IceAktarKomutu{{{{"YENİ", gun, gun},
            {{"A", "a", 1, "C"}, {"B", "b", 1, "A", {{"A", B::BaslamaBaslama, 2}}}, {"C", "c", 1, "B"}}, {}}}})
            << "\"YENİ\" projesi: Bağlar bir döngü kuruyor: A → B → C → A. Bir faaliyet kendi ardıllarından birine "
               "bağlanamaz.";
        QTest::newRow("calendar changed elsewhere") << Komut(TakvimDegistirKomutu{"ALFA", takvim({}), {}})
            << "\"ALFA\" projesinin takvimi siz görüntüledikten sonra başka bir yerde değiştirilmiş; "
               "hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.";
        // Against the progress IlerlemeKur leaves: status date 10 January, A finished on the 5th.
        const auto ocak = [](int gun) { return gun ? QDate(2026, 1, gun) : QDate(); };
        const auto ilerleB = [&](int bas, int bit, int yuzde, int kalan = -1) {
            return Komut(IlerlemeKomutu{"ALFA", "B", std::nullopt, FaaliyetIlerlemesi{ocak(bas), ocak(bit), yuzde, kalan}});
        };
        const QString durumYok = "İlerleme girmek için önce projenin durum tarihini girin; ilerlemesi olan bir projenin "
                                 "durum tarihi silinemez.";
        QTest::newRow("progress: finish before start") << ilerleB(6, 5, 100)
            << "B faaliyetinin gerçek bitişi (5.01.2026) gerçek başlamasından önce olamaz.";
        QTest::newRow("progress: after the status date") << ilerleB(11, 0, 0)
            << "B faaliyetinin gerçek tarihi (11.01.2026) durum tarihinden sonra olamaz; önce durum tarihini ileri alın.";
        QTest::newRow("progress: 101 %") << ilerleB(6, 0, 101) << "B faaliyetinin tamamlanma yüzdesi 0 ile 100 arasında olmalı.";
        QTest::newRow("progress: remaining -2") << ilerleB(6, 0, 0, -2)
            << "B faaliyetinin kalan süresi 0 ya da daha büyük bir tam sayı olmalı.";
        QTest::newRow("progress: finished at 60 %") << ilerleB(6, 8, 60) << "B faaliyetine gerçek bitiş girilmiş ama "
            "tamamlanmamış; bitmiş bir faaliyetin tamamlanma yüzdesi 100 olur.";
        QTest::newRow("progress: finish, no start") << ilerleB(0, 8, 100)
            << "B faaliyetine gerçek başlama girilmeden gerçek bitiş girilemez.";
        QTest::newRow("progress: a percent, no start") << ilerleB(0, 0, 40)
            << "B faaliyetine gerçek başlama girilmeden tamamlanma yüzdesi ya da kalan süre girilemez.";
        QTest::newRow("progress: remaining days, no start") << ilerleB(0, 0, 0, 3)
            << "B faaliyetine gerçek başlama girilmeden tamamlanma yüzdesi ya da kalan süre girilemez.";
        QTest::newRow("progress: no status date")
            << Komut(IlerlemeKomutu{"BETA", "A", std::nullopt, FaaliyetIlerlemesi{ocak(2), {}, 10, -1}}) << durumYok;
        QTest::newRow("progress: changed elsewhere") << Komut(IlerlemeKomutu{"ALFA", "A", std::nullopt, std::nullopt})
            << "\"ALFA\" projesinin A faaliyetinin ilerlemesi siz görüntüledikten sonra başka bir yerde değiştirilmiş; "
               "hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.";
        QTest::newRow("status date: cleared") << Komut(DurumTarihiKomutu{"ALFA", ocak(10), {}}) << durumYok;
        QTest::newRow("status date: before a finish") << Komut(DurumTarihiKomutu{"ALFA", ocak(10), ocak(4)})
            << "Durum tarihi, A faaliyetinin girilmiş gerçek tarihinden (5.01.2026) önceye alınamaz.";
        QTest::newRow("baseline: blank name") << Komut(TabanKaydetKomutu{"ALFA", {0, " ", {}, {}, {}, {}}})
            << "Taban planının adı boş olamaz.";
        QTest::newRow("baseline: 51 characters") << Komut(TabanKaydetKomutu{"ALFA", {0, QString(51, u'Ş'), {}, {}, {}, {}}})
            << "Taban planının adı en çok 50 karakter olabilir.";
        QTest::newRow("baseline: a name taken") << Komut(TabanAdlandirKomutu{"ALFA", 1, "İkinci", "İlk"})
            << "\"İlk\" adlı bir taban planı zaten var; başka bir ad girin.";
        QTest::newRow("baseline: none such chosen") << Komut(TabanSecKomutu{"ALFA", -1, 7}) << "Seçilen taban planı projede yok.";
        TamProje aktarilan{{"YENİ", gun, gun}, {{"A", "a", 1, ""}}, {}};
        aktarilan.ilerleme = {ocak(10), {{"Z", FaaliyetIlerlemesi{ocak(2), {}, 5, -1}}}};
        QTest::newRow("import: progress of no activity") << Komut(IceAktarKomutu{{aktarilan}})
            << "\"YENİ\" projesi: İlerlemesi girilen Z faaliyeti projede yok.";
    }
    void estimatesAreCheckedAndComparedOnWrite()
    {
        QFETCH(Komut, komut);
        QFETCH(QString, kutu);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        IlerlemeKur(vt.depo());
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        const KomutHatasi hata = KomutuUygula(vt.depo(), komut);
        const QString metin = hata.takvim ? TakvimReddiMetni(hata.takvim) : IlerlemeMetinleri::RedMetni(hata.ilerleme);
        QCOMPARE(!hata.depo ? metin : hata.depo.aciklama, kutu);
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
    }

    // Baselines take the lowest free number, eleven at most; deleting the compared one leaves
    // none compared, and undoing brings it back.
    void baselinesTakeTheLowestFreeNumber()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        for (int i = 0; i < TabanPlaniSiniri; ++i)
            QVERIFY(!KomutuUygula(d, TabanKaydetKomutu{"ALFA", {0, QString("T%1").arg(i), {}, {}, {}, {}}}));
        const Komut onIkinci = TabanKaydetKomutu{"ALFA", {0, "T11", {}, {}, {}, {}}};
        QCOMPARE(IlerlemeMetinleri::RedMetni(KomutuUygula(d, onIkinci).ilerleme),
                 "Bir projede en çok 11 taban planı saklanabilir; yenisini kaydetmek için önce birini silin.");
        KayitliProje alfa;
        QVERIFY(!d.ProjeOku("ALFA", alfa) && alfa.tabanlar.planlar.size() == TabanPlaniSiniri);
        const TabanPlani ucuncu = alfa.tabanlar.planlar[3];
        QVERIFY(!KomutuUygula(d, TabanSecKomutu{"ALFA", -1, 3}) && !KomutuUygula(d, TabanSilKomutu{"ALFA", ucuncu}));
        QVERIFY(!d.ProjeOku("ALFA", alfa) && alfa.tabanlar.karsilastirilan == -1);
        QVERIFY(!KomutuUygula(d, onIkinci) && !d.ProjeOku("ALFA", alfa));
        QCOMPARE(alfa.tabanlar.planlar[3].ad, "T11");
        QCOMPARE(alfa.tabanlar.karsilastirilan, -1);
        GecmisAdimi adim;
        QVERIFY(!d.GeriAl(adim) && !d.GeriAl(adim) && !d.ProjeOku("ALFA", alfa));
        QCOMPARE(alfa.tabanlar.planlar[3], ucuncu);
        QCOMPARE(alfa.tabanlar.karsilastirilan, 3);
    }
};

QTEST_GUILESS_MAIN(CommandTest)
#include "tst_Komut.moc"
