// ctest-etiket: guvenilirlik
// The plan document over many random commands of every kind on a fresh file, with a
// fixed seed: after each, the document's plan is what a fresh read gives; undoing
// every step brings both tables back row for row (ids and types included), redoing
// them all brings the end back; and a random walk of undo, redo and new commands
// keeps the history one straight line.
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"
#include "plan/PlanBelgesi.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <random>

namespace {

constexpr int KomutSayisi = 10000;
constexpr int YuruyusAdimi = 2000;

QString Metin(const std::optional<Plan>& plan)
{
    if (!plan)
        return QString();
    const ProjeTakvimi& takvim = plan->proje.takvim;
    QString metin = plan->proje.ad + plan->proje.baslama.ham.toString() + plan->proje.bitis.ham.toString()
                    + QStringLiteral("|%1%2").arg(int(takvim.tur)).arg(takvim.arifelerTatil);
    for (const TakvimIstisnasi& i : takvim.istisnalar)
        metin += QStringList{"", i.tarih.toString(Qt::ISODate), QString::number(int(i.tur)), i.ad}.join('|');
    for (const KayitliFaaliyet& f : plan->faaliyetler)
        metin += QStringList{"", f.kodu, f.adi, f.sure.ham.toString(), f.oncekiler}.join('|');
    return metin;
}

// A command of a random kind on a random project as the document shows it; project names
// repeat, so that refusals are among them.
void RastgeleKomut(PlanBelgesi& belge, std::mt19937& uretec)
{
    const auto zar = [&](int kac) { return std::uniform_int_distribution<int>(0, kac - 1)(uretec); };
    const QStringList& projeler = belge.projeler();
    QVERIFY(!belge.Sec(projeler.isEmpty() || zar(4) == 0 ? QString() : projeler.at(zar(int(projeler.size())))));
    const QDate baslama = QDate(2026, 1, 1).addDays(zar(300));
    const Proje yeni{QStringLiteral("P%1").arg(zar(6)), baslama, baslama.addDays(zar(90))};
    if (!belge.plan()) {
        belge.Calistir(ProjeEkleKomutu{yeni});
        return;
    }
    const Plan plan = *belge.plan();
    const auto faaliyet = [&](const QString& kod) {
        QStringList oncekiler;
        for (const KayitliFaaliyet& f : plan.faaliyetler)
            if (f.kodu < kod && zar(3) == 0)
                oncekiler << f.kodu;
        return Faaliyet{kod, QStringLiteral("İş %1").arg(zar(1000)), zar(25) - 3, oncekiler.join(',')};
    };
    switch (const int tur = zar(11); tur) {
    case 0: belge.Calistir(ProjeEkleKomutu{yeni}); break;
    case 1: belge.Calistir(ProjeDegistirKomutu{plan.proje, yeni}); break;
    case 2: belge.Calistir(ProjeSilKomutu{plan.proje}); break;
    case 3: belge.Calistir(SonFaaliyetiSilKomutu{plan.proje.ad, plan.faaliyetler}); break;
    case 4: belge.Calistir(TumFaaliyetleriSilKomutu{plan.proje.ad, plan.faaliyetler}); break;
    case 10: {
        ProjeTakvimi takvim{TakvimTuru(zar(3)), zar(2) == 0, {}};
        for (QDate gun = baslama; gun < baslama.addDays(zar(3) * 7); gun = gun.addDays(1 + zar(5)))
            takvim.istisnalar.append({gun, IstisnaTuru(zar(3)), QStringLiteral("Gün %1").arg(zar(9))});
        belge.Calistir(TakvimDegistirKomutu{plan.proje.ad, plan.proje.takvim, takvim});
        break;
    }
    default:
        if (tur < 7 && !plan.faaliyetler.isEmpty()) {
            const KayitliFaaliyet& eski = plan.faaliyetler.at(zar(int(plan.faaliyetler.size())));
            belge.Calistir(FaaliyetDegistirKomutu{plan.proje.ad, eski, faaliyet(eski.kodu)});
        } else if (std::optional<QString> kod; !belge.SonrakiKodu(plan.proje.ad, kod) && kod) {
            belge.Calistir(FaaliyetEkleKomutu{plan.proje.ad, faaliyet(*kod)});
        }
    }
}

// The history is one line: the applied steps, oldest first, then the undone ones.
int DogrusalGecmis(const ProjeDeposu& depo)
{
    QVector<GecmisAdimi> adimlar;
    if (depo.GecmisiOku(adimlar))
        return -1;
    int uygulanan = 0;
    while (uygulanan < adimlar.size() && adimlar.at(uygulanan).uygulandi)
        ++uygulanan;
    for (int k = 1; k < adimlar.size(); ++k)
        if (adimlar.at(k).kimlik <= adimlar.at(k - 1).kimlik || (k >= uygulanan && adimlar.at(k).uygulandi))
            return -1;
    return uygulanan;
}

} // namespace

class PlanDocumentTest : public QObject {
    Q_OBJECT

private slots:
    // The what-if is the document's: tried, it changes what is shown and nothing stored, with
    // one signal; it stays while another project is selected and goes with an activity it
    // changes or its project; applied, it is one command and gone.
    void theTrialIsTheDocumentsScenario()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        PlanBelgesi belge(vt.depo());
        QVERIFY(!belge.ProjeleriOku() && !belge.Sec("ALFA"));
        QSignalSpy deneme(&belge, &PlanBelgesi::denemeDegisti), plan(&belge, &PlanBelgesi::planDegisti);
        belge.SureyiDene(belge.plan()->faaliyetler.at(2), 7);
        QCOMPARE(deneme.size() * 10 + plan.size(), 10);
        QCOMPARE(belge.gosterilenFaaliyetler().at(2).sure.deger, 7);
        QCOMPARE(belge.gosterilenAnaliz().projeBitisGunu, 10);
        QCOMPARE(belge.analiz().projeBitisGunu, 7);
        const QStringList kayitli = vt.Satirlar();
        QVERIFY(!belge.Sec("BETA"));
        QVERIFY(!belge.Denemede());
        QCOMPARE(belge.gosterilenAnaliz().projeBitisGunu, 1);
        QVERIFY(!belge.Sec("ALFA"));
        QVERIFY(belge.Denemede());
        QCOMPARE(vt.Satirlar(), kayitli);
        QVERIFY(!belge.DenemeyiUygula());
        QVERIFY(!belge.Denemede());
        QCOMPARE(vt.Satirlar().filter("|C|").first(), "F|ALFA|C|c|7|A");
        QCOMPARE(belge.analiz().projeBitisGunu, 10);

        belge.SureyiDene(belge.plan()->faaliyetler.at(2), 1);
        QVERIFY(!belge.Calistir(SonFaaliyetiSilKomutu{"ALFA", belge.plan()->faaliyetler}));
        QVERIFY(belge.deneme().sureler.isEmpty());
        belge.SureyiDene(belge.plan()->faaliyetler.at(0), 9);
        QVERIFY(!belge.Calistir(ProjeSilKomutu{belge.plan()->proje}));
        QVERIFY(belge.deneme().sureler.isEmpty());
    }

    // A calendar chosen moves the plan's dates, a trial's too, and keeps its day counts; undone,
    // the dates are back.
    void aCalendarMovesTheDatesNotTheCounts()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        PlanBelgesi belge(vt.depo());
        QVERIFY(!belge.ProjeleriOku() && !belge.Sec("ALFA"));
        const AgAnalizi once = belge.analiz();
        QCOMPARE(once.plan.enErkenBitis, QDate(2026, 1, 7));
        QVERIFY(!belge.Calistir(TakvimDegistirKomutu{"ALFA", {}, {TakvimTuru::PazartesiCuma, false, {}}}));
        QCOMPARE(belge.plan()->proje.takvim.tur, TakvimTuru::PazartesiCuma);
        QCOMPARE(belge.analiz().projeBitisGunu, once.projeBitisGunu);
        // 1 January is a holiday and the weekend does not work: day 0 is Friday the 2nd.
        QCOMPARE(belge.analiz().plan.enErkenBitis, QDate(2026, 1, 12));
        QCOMPARE(belge.analiz().faaliyetler.at(1).baslama, QDate(2026, 1, 7));
        // A trial counts the same working days.
        belge.SureyiDene(belge.plan()->faaliyetler.at(2), 5);
        QCOMPARE(belge.gosterilenAnaliz().plan.enErkenBitis, QDate(2026, 1, 13));
        belge.DenemeyiBirak();
        QVERIFY(!belge.GeriAl() && !belge.Sec("ALFA"));
        QCOMPARE(belge.analiz().plan.enErkenBitis, once.plan.enErkenBitis);
        QCOMPARE(belge.analiz().faaliyetler.at(1).baslama, once.faaliyetler.at(1).baslama);
    }

    void randomCommandsUndoneAndRedone()
    {
        // A file system in memory where there is one: durable commits cost nothing there.
        const QString bellek = QStringLiteral("/dev/shm");
        QTemporaryDir dizin(QDir(bellek).exists() ? bellek + QStringLiteral("/kavrion-XXXXXX") : QString());
        GeciciVeritabani vt(dizin.path());
        PlanBelgesi belge(vt.depo());
        std::mt19937 uretec(20261207);
        const QStringList bas = vt.Dokum();

        for (int i = 0; i < KomutSayisi && !QTest::currentTestFailed(); ++i) {
            RastgeleKomut(belge, uretec);
            const QString gosterilen = Metin(belge.plan());
            QVERIFY(!belge.Sec(belge.seciliProje()));
            QCOMPARE(gosterilen, Metin(belge.plan()));
        }
        const QStringList son = vt.Dokum();
        const int uygulanan = DogrusalGecmis(vt.depo());
        int geriAlinan = 0;
        for (; belge.geriAlinacak().kimlik != 0; ++geriAlinan)
            QVERIFY(!belge.GeriAl());
        QCOMPARE(geriAlinan, uygulanan);
        QCOMPARE(vt.Dokum(), bas);
        while (belge.yinelenecek().kimlik != 0)
            QVERIFY(!belge.Yinele());
        QCOMPARE(vt.Dokum(), son);

        for (int i = 0; i < YuruyusAdimi; ++i) {
            const int hamle = std::uniform_int_distribution<int>(0, 2)(uretec);
            const qint64 sonAdim = belge.geriAlinacak().kimlik;
            if (hamle < 2)
                QVERIFY(!(hamle == 0 ? belge.GeriAl() : belge.Yinele()));
            else
                RastgeleKomut(belge, uretec);
            // A new step drops the ones that could have been redone.
            QVERIFY(hamle < 2 || belge.geriAlinacak().kimlik == sonAdim || belge.yinelenecek().kimlik == 0);
            // Reading the whole history costs more than a move; every few moves is enough.
            QVERIFY(i % 25 != 0 || DogrusalGecmis(vt.depo()) >= 0);
        }
        QVERIFY(DogrusalGecmis(vt.depo()) >= 0);
        OzetYaz(QStringLiteral("plan document: %1 random commands (%2 written), undone and redone; %3 moves of undo, "
                               "redo and new commands").arg(KomutSayisi).arg(uygulanan).arg(YuruyusAdimi));
    }
};

QTEST_GUILESS_MAIN(PlanDocumentTest)
#include "tst_PlanBelgesi.moc"
