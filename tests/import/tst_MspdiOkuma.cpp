// MSPDI in: Kavrion's own export read back, hand-written files for each conversion
// and refusal, and files made to hurt a reader (entities, size, depth).
#include "destek/PlanYazisi.h"
#include "destek/RastgelePlan.h"
#include "export/MspdiYazimi.h"
#include "import/MspdiOkuma.h"
#include "kernel/TarihEsleme.h"
#include "rules/TakvimKurallari.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QByteArray Mspdi(const QString& proje, const QString& gorevler)
{
    return ("<?xml version=\"1.0\"?><Project xmlns=\"http://schemas.microsoft.com/project\">" + proje + "<Tasks>"
            + gorevler + "</Tasks></Project>")
        .toUtf8();
}

// A task; `ek` holds its other elements.
QString Gorev(int uid, const QString& ad, const QString& sure = "PT8H0M0S", const QString& ek = "")
{
    return QString("<Task><UID>%1</UID><Name>%2</Name><Duration>%3</Duration>%4</Task>").arg(uid).arg(ad, sure, ek);
}

QString BagOgesi(int uid, int tur = 1, int gecikme = 0, int bicim = 7)
{
    return QString("<PredecessorLink><PredecessorUID>%1</PredecessorUID><Type>%2</Type><LinkLag>%3</LinkLag>"
                   "<LagFormat>%4</LagFormat></PredecessorLink>").arg(uid).arg(tur).arg(gecikme).arg(bicim);
}

// Another planner reading the export: the calendar's week and exceptions, each task's
// working hours and links, scheduled day by day from the project's start. Each task as
// "start finish", as the file dates it and as scheduled.
QStringList BaskaPlanlayici(const QByteArray& xml, QStringList& dosyada)
{
    QXmlStreamReader x(xml);
    bool hafta[8] = {};
    QMap<QDate, bool> istisna;
    QDate baslama, ilk, son;
    int haftaGunu = 0, saat = 0;
    QMap<QString, QDate> bitis; // by UID: the day a successor may start on
    QString uid, basla, bit, mesai;
    QStringList cizelge, onceki;
    const auto calisilir = [&](const QDate& g) { return istisna.value(g, hafta[g.dayOfWeek() % 7 + 1]); };
    static const QStringList alanlar = QString("UID DayType FromDate ToDate DayWorking StartDate Start Finish Duration "
                                               "PredecessorUID").split(' ');
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && x.name() == u"Task") {
            QDate g = baslama;
            for (const QString& o : std::as_const(onceki))
                g = std::max(g, bitis.value(o));
            while (!calisilir(g))
                g = g.addDays(1);
            const QDate ilkGun = g;
            for (int kalan = saat / 8; kalan > 1; g = g.addDays(1))
                kalan -= calisilir(g.addDays(1));
            bitis.insert(uid, saat ? g.addDays(1) : g);
            cizelge << ilkGun.toString(Qt::ISODate) + (saat ? " " + g.toString(Qt::ISODate) : " -");
            dosyada << basla.left(10) + (saat ? " " + bit.left(10) : " -");
            onceki.clear();
        } else if (x.isEndElement() && x.name() == u"Exception") {
            for (QDate g = ilk; g <= son; g = g.addDays(1))
                istisna.insert(g, mesai == "1");
        } else if (x.isEndElement() && x.name() == u"WeekDay") {
            hafta[haftaGunu] = mesai == "1";
        } else if (x.isStartElement() && alanlar.contains(x.name().toString())) {
            const QString ad = x.name().toString(), deger = x.readElementText();
            const QDate gun = QDate::fromString(deger.left(10), Qt::ISODate);
            if (ad == "StartDate") baslama = gun;
            else if (ad == "DayType") haftaGunu = deger.toInt();
            else if (ad == "DayWorking") mesai = deger;
            else if (ad == "FromDate") ilk = gun;
            else if (ad == "ToDate") son = gun;
            else if (ad == "UID") uid = deger;
            else if (ad == "Start") basla = deger;
            else if (ad == "Finish") bit = deger;
            else if (ad == "Duration") saat = deger.mid(2).section('H', 0, 0).toInt();
            else if (ad == "PredecessorUID") onceki << deger;
        }
    }
    return cizelge;
}

// A plan crossing Kurban Bayramı 2026 (arife 26 May, 27–30 May) on a calendar.
Rapor BayramPlani(const ProjeTakvimi& takvim)
{
    const QVector<KayitliFaaliyet> fs = Faaliyetler("A:3: B:5:A C:2:A D:4:B,C E:0:D F:6:E");
    const KayitliProje proje{"P", {{}, QDate(2026, 5, 20)}, {{}, QDate(2026, 6, 30)}, takvim};
    return {proje, AnaliziHesapla(fs, proje), {}};
}

} // namespace

Q_DECLARE_METATYPE(ProjeTakvimi)

class MspdiReadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Kavrion → MSPDI → Kavrion: the same activities, names exactly, and the project's own dates, not the computed finish.
    void roundTrip()
    {
        std::mt19937 uretec(20261207);
        for (int i = 0; i < 300; ++i) {
            const Rapor rapor = RastgelePlan(uretec);
            QByteArray xml;
            QVERIFY(!MspdiYaz(rapor, xml));
            const AktarimSonucu sonuc = MspdiOku(xml);
            QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
            QCOMPARE(Ozeti(sonuc.plan->faaliyetler), Ozeti(rapor));
            QCOMPARE(sonuc.plan->proje.ad, rapor.proje.ad);
            QCOMPARE(sonuc.plan->proje.baslama, *rapor.proje.baslama.deger);
            QCOMPARE(sonuc.plan->proje.bitis, *rapor.proje.bitis.deger);
            QVERIFY(sonuc.plan->onaylanacaklar.isEmpty());
            QCOMPARE(sonuc.plan->rapor, QStringList{"Takvimin çalışma saatleri aktarılmadı: Kavrion tam iş günleri sayar."});
            QCOMPARE(sonuc.plan->takvim, ProjeTakvimi());
        }
    }

    // Kavrion → MSPDI → Kavrion keeps each link: the four types with a lag, none and a lead.
    void linkRoundTrip()
    {
        QVector<Faaliyet> yazilan;
        const Rapor rapor = BagliPlan(yazilan);
        QByteArray xml;
        QVERIFY(!MspdiYaz(rapor, xml));
        QVERIFY(xml.contains("<Type>2</Type>\n\t\t\t\t<LinkLag>-9600</LinkLag>\n\t\t\t\t<LagFormat>7</LagFormat>"));
        const AktarimSonucu sonuc = MspdiOku(xml);
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(Ozeti(sonuc.plan->faaliyetler), Ozeti(yazilan));
        QVERIFY(sonuc.plan->onaylanacaklar.isEmpty());
        QCOMPARE(sonuc.plan->rapor, QStringList{"Takvimin çalışma saatleri aktarılmadı: Kavrion tam iş günleri sayar."});
    }

    // Kavrion → MSPDI → Kavrion keeps the status date, each kind of progress row and the
    // baselines (numbers, dates, durations, the compared one); a row's remaining days that its
    // percent already says come back as that percent, so none is written here.
    void progressRoundTrip()
    {
        const QVector<KayitliFaaliyet> fs = Faaliyetler("A:3: B:2:A C:3:A D:0:B,C");
        KayitliProje proje{"P", {{}, QDate(2026, 3, 2)}, {{}, QDate(2026, 4, 1)}};
        proje.ilerleme = {QDate(2026, 3, 6), {{"A", {QDate(2026, 3, 3), QDate(2026, 3, 5), 100, -1}},
                                              {"B", {QDate(2026, 3, 6), {}, 50, -1}},
                                              {"C", {QDate(2026, 3, 6), {}, 33, 2}}}};
        TabanPlani ilk{0, "Taban Planı", {}, QDate(2026, 3, 2), QDate(2026, 3, 7), {}};
        for (const KayitliFaaliyet& f : fs)
            ilk.satirlar.append({f.kodu, QDate(2026, 3, 2), QDate(2026, 3, 4), *f.sure.deger});
        ilk.satirlar.last().bitis = ilk.satirlar.last().baslama; // a milestone
        TabanPlani ikinci{2, "Taban Planı 2", {}, QDate(2026, 3, 2), QDate(2026, 3, 9), {{"B", QDate(2026, 3, 5),
                                                                                         QDate(2026, 3, 9), 3}}};
        proje.tabanlar = {{ilk, ikinci}, 2};
        QByteArray xml;
        QVERIFY(!MspdiYaz({proje, AnaliziHesapla(fs, proje), {}}, xml));
        const AktarimSonucu sonuc = MspdiOku(xml);
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(sonuc.plan->ilerleme, proje.ilerleme);
        QCOMPARE(sonuc.plan->tabanlar, proje.tabanlar);
        QVERIFY(sonuc.plan->rapor.join('\n').contains("2 taban planı aktarıldı («Taban Planı», «Taban Planı 2»)"));
    }

    // Kavrion → MSPDI → Kavrion keeps the calendar and every date, and another planner
    // reading the file schedules every task on the dates the file gives.
    void calendarRoundTrip_data()
    {
        QTest::addColumn<ProjeTakvimi>("takvim");
        QTest::addColumn<QString>("okunan");
        using T = IstisnaTuru;
        const QVector<TakvimIstisnasi> istisnalar{{QDate(2026, 5, 22), T::Tatil, "Şirket günü"},
            {QDate(2026, 6, 1), T::IdariIzin, "Köprü"}, {QDate(2026, 6, 2), T::IdariIzin, ""},
            {QDate(2026, 6, 6), T::CalisilanGun, "Cumartesi mesaisi"}, {QDate(2026, 6, 13), T::CalisilanGun, ""}};
        QTest::newRow("Monday to Friday") << ProjeTakvimi{TakvimTuru::PazartesiCuma, false, {}}
            << "2026-05-20 2026-05-22|2026-05-25 2026-06-03|2026-05-25 2026-05-26|2026-06-04 2026-06-09|2026-06-10 -|"
               "2026-06-10 2026-06-17";
        QTest::newRow("Monday to Friday, arifes off, exceptions")
            << ProjeTakvimi{TakvimTuru::PazartesiCuma, true, istisnalar}
            << "2026-05-20 2026-05-25|2026-06-03 2026-06-08|2026-06-03 2026-06-04|2026-06-09 2026-06-12|2026-06-13 -|"
               "2026-06-13 2026-06-19";
        QTest::newRow("Monday to Saturday, a holiday worked") << ProjeTakvimi{TakvimTuru::PazartesiCumartesi, false,
            {{QDate(2026, 5, 28), T::CalisilanGun, "Nöbet"}, {QDate(2026, 6, 3), T::Tatil, ""}}}
            << "2026-05-20 2026-05-22|2026-05-23 2026-06-01|2026-05-23 2026-05-25|2026-06-02 2026-06-06|"
               "2026-06-08 -|2026-06-08 2026-06-13";
        QTest::newRow("every day, with exceptions") << ProjeTakvimi{TakvimTuru::HerGun, false, istisnalar}
            << "2026-05-20 2026-05-23|2026-05-24 2026-05-28|2026-05-24 2026-05-25|2026-05-29 2026-06-03|"
               "2026-06-04 -|2026-06-04 2026-06-09";
    }
    void calendarRoundTrip()
    {
        QFETCH(ProjeTakvimi, takvim);
        const Rapor rapor = BayramPlani(takvim);
        QByteArray xml;
        QVERIFY(!MspdiYaz(rapor, xml));
        QStringList dosyada;
        const QStringList cizelge = BaskaPlanlayici(xml, dosyada);
        QCOMPARE(dosyada, cizelge);
        QTEST(cizelge.join('|'), "okunan");

        const AktarimSonucu sonuc = MspdiOku(xml);
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(sonuc.plan->takvim, takvim);
        QCOMPARE(Ozeti(sonuc.plan->faaliyetler), Ozeti(rapor));
        const IsTakvimi okunan(sonuc.plan->takvim);
        for (const FaaliyetAnalizi& f : rapor.analiz.faaliyetler) {
            QCOMPARE(GununTarihi(okunan, sonuc.plan->proje.baslama, f.es), f.baslama);
            QCOMPARE(BitisTarihi(okunan, sonuc.plan->proje.baslama, f.es, f.ef), f.bitis);
        }
    }

    // Another planner's calendar: a week Kavrion has no name for, a holiday the file lacks,
    // and one Kavrion does not know; every date stays where the file has it.
    void foreignCalendar()
    {
        QString takvim = "<CalendarUID>3</CalendarUID><StartDate>2026-05-04T08:00:00</StartDate>"
            "<FinishDate>2026-05-29T17:00:00</FinishDate><Calendars><Calendar><UID>3</UID><Name>Standart</Name><WeekDays>";
        for (int gun = 1; gun <= 7; ++gun) // Sunday to Thursday
            takvim += QString("<WeekDay><DayType>%1</DayType><DayWorking>%2</DayWorking></WeekDay>").arg(gun).arg(gun <= 5);
        takvim += "</WeekDays><Exceptions><Exception><TimePeriod><FromDate>2026-05-11T00:00:00</FromDate><ToDate>"
              "2026-05-12T23:59:00</ToDate></TimePeriod><Name>Fuar</Name><DayWorking>0</DayWorking></Exception>"
              "<Exception><TimePeriod><FromDate>2026-05-19T00:00:00</FromDate><ToDate>2026-05-19T23:59:00</ToDate>"
              "</TimePeriod><Name>19 Mayıs</Name><DayWorking>0</DayWorking></Exception></Exceptions></Calendar></Calendars>";
        const AktarimSonucu sonuc = MspdiOku(Mspdi(takvim, Gorev(1, "X")));
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        const ProjeTakvimi& t = sonuc.plan->takvim;
        QCOMPARE(t.tur, TakvimTuru::PazartesiCuma); // Sunday to Thursday is nearest Monday to Friday
        QVERIFY(t.istisnalar.contains({QDate(2026, 5, 11), IstisnaTuru::Tatil, "Fuar"}));
        QVERIFY(t.istisnalar.contains({QDate(2026, 4, 23), IstisnaTuru::CalisilanGun, ""}));
        QVERIFY(t.istisnalar.contains({QDate(2026, 5, 3), IstisnaTuru::CalisilanGun, ""}));
        QVERIFY(t.istisnalar.contains({QDate(2026, 5, 8), IstisnaTuru::Tatil, ""}));
        const IsTakvimi okunan(t);
        QVERIFY(!okunan.CalisilirMi(QDate(2026, 5, 19)) && !okunan.CalisilirMi(QDate(2026, 5, 29)));
        QVERIFY(okunan.CalisilirMi(QDate(2026, 5, 27))); // Kurban Bayramı, worked in the file (a Wednesday)
        const QString rapor = sonuc.plan->rapor.join('\n');
        for (const char* satir : {"Dosyanın haftası (Pzt, Sal, Çar, Per, Paz) Kavrion'un haftalarından biri değil",
                                  "resmî tatil günü çalışılan gün olarak eklendi", "istisna olarak eklendi",
                                  "2 tatil günü, 0 çalışılan gün"})
            QVERIFY2(rapor.contains(QString::fromUtf8(satir)), qPrintable(rapor));
    }

    void conversions_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("beklenen");
        QTest::addColumn<QString>("raporda");
        QTest::addColumn<int>("onay");
        QTest::newRow("hours at 6 a day")
            << Mspdi("<MinutesPerDay>360</MinutesPerDay>", Gorev(1, "Kazı", "PT12H0M0S", "<DurationFormat>5</DurationFormat>"))
            << "A:Kazı:2:" << "«Kazı» süresi saat olarak verilmiş: 12 saat, günde 6 saatle 2 gün; tam gün, yuvarlanmadı" << 0;
        QTest::newRow("half a day, rounded up on acceptance")
            << Mspdi("", Gorev(1, "X", "PT4H0M0S", "<DurationFormat>5</DurationFormat>")) << "A:X:1:"
            << "4 saat, günde 8 saatle 0,5 gün; kesirli gün, onaylanırsa" << 1;
        QTest::newRow("elapsed days are calendar days")
            << Mspdi("", Gorev(1, "Kür", "PT72H0M0S", "<DurationFormat>8</DurationFormat>")) << "A:Kür:3:"
            << "«Kür» süresi geçen süre (takvim günü) olarak verilmiş: 3 takvim günü 3 gün sayıldı" << 0;
        QTest::newRow("a milestone is 0 days")
            << Mspdi("", Gorev(1, "Teslim", "PT16H0M0S", "<Milestone>1</Milestone>")) << "A:Teslim:0:"
            << "«Teslim» bir kilometre taşı: süresi 0 gün sayıldı (dosyada 2 gün)" << 0;
        QTest::newRow("start-to-start with a day's lag")
            << Mspdi("", Gorev(1, "X") + Gorev(2, "Y", "PT8H0M0S", BagOgesi(1, 3, 4800))) << "A:X:1:\nB:Y:1:A ABaBa1" << "" << 0;
        QTest::newRow("lags in hours, elapsed days and per cent, each rounded up")
            << Mspdi("<MinutesPerDay>360</MinutesPerDay>",
                     Gorev(1, "X", "PT24H0M0S") + Gorev(2, "Y", "PT6H0M0S", BagOgesi(1, 0, -1800, 5))
                         + Gorev(3, "Z", "PT6H0M0S", BagOgesi(1, 2, 36000, 8) + BagOgesi(2, 1, 25, 19)))
            << "A:X:4:\nB:Y:1:A ABiBi0\nC:Z:1:A,B ABaBi3 BBB1"
            << "«Y» ← «X»: -3 saat → 0 iş günü.|«Z» ← «X»: 2,5 takvim günü → 3 iş günü.|«Z» ← «Y»: %25 → 1 iş günü."
            << 0;
        QTest::newRow("summaries, project task, blank row")
            << Mspdi("", Gorev(0, "Proje", "PT8H0M0S", "<OutlineLevel>0</OutlineLevel>") + Gorev(1, "Ön")
                             + Gorev(2, "Yapı", "PT0H0M0S", "<OutlineLevel>1</OutlineLevel>" + BagOgesi(1))
                             + Gorev(3, "Temel", "PT8H0M0S", "<OutlineLevel>2</OutlineLevel>")
                             + Gorev(4, "", "", "<IsNull>1</IsNull>") + Gorev(5, "Son", "PT8H0M0S", BagOgesi(2)))
            << "A:Ön:1:\nB:Temel:1:A\nC:Son:1:B" << "«Yapı» özet görevi faaliyet olmadı: altındaki 1 görev" << 0;
        QTest::newRow("what Kavrion does not hold")
            << Mspdi("<Calendars><Calendar/></Calendars>",
                     Gorev(1, "X", "PT8H0M0S", "<ConstraintType>4</ConstraintType><Cost>12</Cost><Baseline/>"))
                   .replace("</Tasks>", "</Tasks><Resources><Resource><Name>Ali</Name></Resource></Resources>"
                                        "<Assignments><Assignment><ResourceUID>1</ResourceUID></Assignment></Assignments>")
            << "A:X:1:"
            << "Görevlerin tarih kısıtlamaları|Kaynaklar aktarılmadı|Kaynak atamaları|Maliyetler|1 taban planı satırı aktarılmadı"
            << 0;
        // A calendar that names no day works Monday to Friday, as Microsoft Project's standard one.
        QTest::newRow("an elapsed duration on a working-day calendar")
            << Mspdi("<CalendarUID>1</CalendarUID><StartDate>2026-03-02T08:00:00</StartDate><Calendars><Calendar>"
                     "<UID>1</UID></Calendar></Calendars>", Gorev(1, "X", "PT48H0M0S", "<DurationFormat>8</DurationFormat>"))
            << "A:X:2:" << "«X» süresi geçen süre (takvim günü) olarak verilmiş: 2 takvim günü 2 iş günü sayıldı" << 0;
        // Cut to the limit by characters, the pair of a letter beyond the basic plane kept whole.
        QTest::newRow("an exception's name over the limit")
            << Mspdi("<CalendarUID>1</CalendarUID><StartDate>2026-03-02T08:00:00</StartDate><Calendars><Calendar><UID>1"
                     "</UID><Exceptions><Exception><TimePeriod><FromDate>2026-03-04T00:00:00</FromDate><ToDate>2026-03-05"
                     "T23:59:00</ToDate></TimePeriod><Name>" + QString(49, 'a') + "\U0001F600bc</Name><DayWorking>0"
                     "</DayWorking></Exception></Exceptions></Calendar></Calendars>", Gorev(1, "X"))
            << "A:X:1:" << "2 istisna gününün adı 50 karaktere kısaltıldı" << 0;
        // "+2D0-" is UTF-7 for the first half of a pair alone, which no UTF-8 store can hold.
        QTest::newRow("half a surrogate pair in a UTF-7 file")
            << Mspdi("", Gorev(1, "+2D0-")).replace("version=\"1.0\"", "version=\"1.0\" encoding=\"UTF-7\"")
            << QStringLiteral("A:\uFFFD:1:") << "" << 0;
        QTest::newRow("title over name, no dates")
            << Mspdi("<Name>p.xml</Name><Title>Köprü</Title>", Gorev(1, "X")) << "A:X:1:" << "" << 0;
    }
    void conversions()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, beklenen);
        QFETCH(QString, raporda);
        QFETCH(int, onay);
        const AktarimSonucu sonuc = MspdiOku(xml);
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(Ozeti(sonuc.plan->faaliyetler), beklenen);
        for (const QString& parca : raporda.split('|', Qt::SkipEmptyParts))
            QVERIFY2(sonuc.plan->rapor.join('\n').contains(parca), qPrintable(sonuc.plan->rapor.join('\n')));
        QCOMPARE(sonuc.plan->onaylanacaklar.size(), onay);
        QCOMPARE(TakvimiDenetle(sonuc.plan->takvim).tur, TakvimReddi::Yok);
        for (const TakvimIstisnasi& istisna : std::as_const(sonuc.plan->takvim.istisnalar))
            QCOMPARE(QString::fromUtf8(istisna.ad.toUtf8()), istisna.ad); // no half of a surrogate pair
        if (QByteArray(QTest::currentDataTag()).startsWith("title")) {
            QCOMPARE(sonuc.plan->proje.ad, "Köprü");
            QVERIFY(!sonuc.plan->proje.baslama.isValid() && !sonuc.plan->proje.bitis.isValid());
            QVERIFY(sonuc.plan->okuma.contains("Dosyada projenin başlama tarihi yok: önizlemede girilmeli."));
        }
    }

    // Each refusal gives its reason, and none takes a second.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("neden");
        const QByteArray bomba = "<?xml version=\"1.0\"?><!DOCTYPE Project [<!ENTITY a \"aaaaaaaaaa\">"
                                 "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                                 "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>"
                                 "<Project xmlns=\"http://schemas.microsoft.com/project\"><Name>&e;&e;&e;&e;&e;</Name></Project>";
        QTest::newRow("not XML") << QByteArray("Kodu;Faaliyet Adı\nA;x\n") << "XML olarak okunamıyor (satır 1";
        QTest::newRow("another root") << QByteArray("<html><body/></html>") << "kök öğesi «html»";
        QTest::newRow("an actual start after the status date")
            << Mspdi("<StatusDate>2026-03-04T17:00:00</StatusDate>",
                     Gorev(1, "X", "PT8H0M0S", "<PercentComplete>10</PercentComplete><ActualStart>2026-03-05T08:00:00"
                                               "</ActualStart>")) << "Dosyadaki ilerleme Kavrion'un kurallarına uymuyor";
        QTest::newRow("another namespace") << QByteArray("<Project xmlns=\"urn:x\"/>") << "(ad alanı «urn:x»)";
        QTest::newRow("entity expansion") << bomba << "varlık (entity) tanımlıyor";
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE Project [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><Project xmlns=\"http://"
                          "schemas.microsoft.com/project\"><Name>&x;</Name></Project>") << "varlık (entity)";
        QTest::newRow("too deep") << Mspdi("", "<Task>" + QString("<x>").repeated(100) + "</Task>") << "64 düzey iç içe";
        QTest::newRow("cut short") << Mspdi("", Gorev(1, "X")).chopped(20) << "Dosya bozuk (satır 1, sütun";
        QTest::newRow("empty") << Mspdi("<Name>P</Name>", "") << "hiç görev yok";
        QTest::newRow("cycle") << Mspdi("", Gorev(1, "X", "PT8H0M0S", BagOgesi(2)) + Gorev(2, "Y", "PT8H0M0S", BagOgesi(1)))
                               << "«X» → «Y» → «X»";
        QTest::newRow("unreadable duration") << Mspdi("", Gorev(1, "X", "8 gün")) << "«X» görevinin süresi (8 gün, biçim 7) okunamadı";
        QTest::newRow("a lag beyond 10,000 days")
            << Mspdi("", Gorev(1, "X") + Gorev(2, "Y", "PT8H0M0S", BagOgesi(1, 1, -48004800)))
            << "«Y» görevinin «X» ile bağındaki gecikme (-10001 gün)";
        QTest::newRow("unknown link type") << Mspdi("", Gorev(1, "X") + Gorev(2, "Y", "PT8H0M0S", BagOgesi(1, 7)))
                                           << "2. görevin bir bağının türü (7)";
        QTest::newRow("unreadable date") << Mspdi("<StartDate>yarın</StartDate>", Gorev(1, "X")) << "StartDate alanı (yarın)";
        QTest::newRow("unreadable estimated end")
            << Mspdi("<ExtendedAttributes><ExtendedAttribute><Alias>Tahmini Bitiş Tarihi (Kavrion)</Alias><ValueList>"
                     "<Value><Value>2027-02-30</Value></Value></ValueList></ExtendedAttribute></ExtendedAttributes>",
                     Gorev(1, "X")) << "Tahmini Bitiş Tarihi (Kavrion) alanı (2027-02-30)";
    }
    void refusals()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, neden);
        const AktarimSonucu sonuc = MspdiOku(xml);
        QVERIFY(!sonuc.plan);
        QVERIFY2(sonuc.ret.contains(neden) && !sonuc.ret.contains(".."), qPrintable(sonuc.ret));
    }

    // A gigabyte is refused by its size without being read; ten megabytes of tasks are
    // read and refused for their number (how fast: the benchmark's import rows).
    void largeFiles()
    {
        QTemporaryDir klasor;
        QFile dev(klasor.filePath("dev.xml"));
        QVERIFY(dev.open(QIODevice::WriteOnly) && dev.resize(qint64(1) << 30));
        dev.close();
        QVERIFY(MspdiDosyasiOku(dev.fileName()).ret.contains("64 MiB'tan büyük"));

        QString gorevler;
        for (int i = 1; i <= 5500; ++i)
            gorevler += Gorev(i, QString(1800, 'x'), "PT8H0M0S", i > 1 ? BagOgesi(i - 1) : QString());
        const QByteArray xml = Mspdi("", gorevler);
        QVERIFY(xml.size() > 10'000'000);
        const AktarimSonucu sonuc = MspdiOku(xml);
        QVERIFY2(sonuc.ret.contains("Dosyada 5500 görev var; Kavrion bir projede en çok 62 faaliyet"), qPrintable(sonuc.ret));
    }
};

QTEST_GUILESS_MAIN(MspdiReadTest)
#include "tst_MspdiOkuma.moc"
