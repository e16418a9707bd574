// CSV in: Kavrion's own export read back under several regional settings, a file in
// each dialect other planners write, and each cell that stops the import.
#include "destek/RastgelePlan.h"
#include "destek/Yereller.h"
#include "export/CsvYazimi.h"
#include "import/CsvOkuma.h"

#include <QTest>

class CsvReadTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Kavrion → CSV → Kavrion: the same activities, names exactly, estimates, and the project's start and finish.
    void roundTrip_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::newRow("tr_TR, semicolons") << Turkce;
        QTest::newRow("en_US, commas") << Amerikan;
    }
    void roundTrip()
    {
        QFETCH(QLocale, yerel);
        QLocale::setDefault(yerel);
        std::mt19937 uretec(7122026);
        for (int i = 0; i < 150; ++i) {
            const Rapor rapor = RastgelePlan(uretec);
            const AktarimSonucu sonuc = CsvOku(CsvYaz(rapor, yerel), yerel);
            QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
            QCOMPARE(Ozeti(sonuc.plan->faaliyetler), Ozeti(rapor));
            QVERIFY(sonuc.plan->tahminler == rapor.tahminler);
            QCOMPARE(sonuc.plan->proje.baslama, *rapor.proje.baslama.deger);
            QDate bitis;
            for (const FaaliyetAnalizi& f : rapor.analiz.faaliyetler)
                bitis = std::max(bitis, f.bitis);
            QCOMPARE(sonuc.plan->proje.bitis, bitis);
            QVERIFY(sonuc.plan->rapor.isEmpty() && sonuc.plan->onaylanacaklar.isEmpty());
        }
    }

    // Kavrion → CSV → Kavrion keeps each link: the four types with a lag, none and a lead.
    void linkRoundTrip()
    {
        QVector<Faaliyet> yazilan;
        const Rapor rapor = BagliPlan(yazilan);
        const QByteArray csv = CsvYaz(rapor, Turkce);
        QVERIFY2(csv.contains(";A BaBi+2,B,C BaBa;") && csv.contains(";C BaBa-2,D BiBi-2,E BaBi-2;"), csv.constData());
        const AktarimSonucu sonuc = CsvOku(csv, Turkce);
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(Ozeti(sonuc.plan->faaliyetler), Ozeti(yazilan));
        QVERIFY(sonuc.plan->rapor.isEmpty() && sonuc.plan->onaylanacaklar.isEmpty());
    }

    // Links as other planners write them in a predecessor cell; `beklenen`: the third
    // activity's links, or "RET:" and a part of the refusal; `raporda`: a part of the report.
    void links_data()
    {
        QTest::addColumn<QString>("hucre");
        QTest::addColumn<QString>("beklenen");
        QTest::addColumn<QString>("raporda");
        QTest::newRow("GanttProject, start-to-start with a day") << "2-SS=P1D" << "C:Z:2:B BBaBa1" << "";
        QTest::newRow("GanttProject, finish-to-finish") << "1-FF" << "C:Z:2:A ABiBi0" << "";
        QTest::newRow("GanttProject, start-to-finish, two links") << "2-SF;1-FS" << "C:Z:2:B,A BBaBi0" << "";
        QTest::newRow("GanttProject, a lead") << "1-FS=P-2D" << "C:Z:2:A ABB-2" << "";
        QTest::newRow("Microsoft Project, lag and lead") << "1SS+2 days,2FF-1d" << "C:Z:2:A,B ABaBa2 BBiBi-1" << "";
        QTest::newRow("Microsoft Project, Turkish types") << "1BaBa+2 gün;2BiBi" << "C:Z:2:A,B ABaBa2 BBiBi0" << "";
        QTest::newRow("hours, rounded up") << "1FS+4h" << "C:Z:2:A ABB1" << "saat olarak verilmiş";
        QTest::newRow("elapsed days") << "1SS+3 edays" << "C:Z:2:A ABaBa3" << "«Z» ← «X»: 3 edays → 3 iş günü";
        QTest::newRow("a percentage of the predecessor") << "1FS+50%" << "C:Z:2:A ABB2" << "«Z» ← «X»: 50% → 2 iş günü";
        QTest::newRow("Kavrion's own") << "K:A BaBa+2,B BB-1" << "C:Z:2:A,B ABaBa2 BBB-1" << "";
        QTest::newRow("Kavrion's own, a type it lacks") << "K:A SS+2" << "RET:«A SS+2» bir öncül listesi değil" << "";
        QTest::newRow("a lag beyond 10,000 days") << "1FS+10001d" << "RET:gecikme (10001d)" << "";
    }
    void links()
    {
        QFETCH(QString, hucre);
        QFETCH(QString, beklenen);
        QFETCH(QString, raporda);
        const bool kavrion = hucre.startsWith("K:");
        const QString baslik = kavrion ? "Kodu;Faaliyet Adı;Süre;Öncekiler\n" : "ID;Name;Duration;Predecessors\n";
        const QString satirlar = kavrion ? "A;X;4;\nB;Y;1;A\nC;Z;2;" : "1;X;4;\n2;Y;1;1\n3;Z;2;";
        const AktarimSonucu sonuc = CsvOku((baslik + satirlar + "\"" + hucre.mid(kavrion ? 2 : 0) + "\"\n").toUtf8(), QLocale::c());
        if (beklenen.startsWith("RET:")) {
            QVERIFY2(!sonuc.plan && sonuc.ret.contains(beklenen.mid(4)), qPrintable(sonuc.ret));
            return;
        }
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(Ozeti(sonuc.plan->faaliyetler).section('\n', 2), beklenen);
        QVERIFY2(sonuc.plan->rapor.join('\n').contains(raporda), qPrintable(sonuc.plan->rapor.join('\n')));
    }

    // `okuma`: what the preview must say was detected, "|" between lines.
    void dialects_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("beklenen");
        QTest::addColumn<QString>("okuma");
        QTest::addColumn<QString>("baslama");
        QTest::newRow("Microsoft Project, Turkish: BOM, semicolons, decimal comma")
            << QByteArray("\xEF\xBB\xBFKimlik;Görev Adı;Süre;Başlangıç;Bitiş;Öncüller\r\n"
                          "1;Kazı;2,5 gün;02.03.2026;04.03.2026;\r\n"
                          "2;\"Beton \"\"C30\"\"\r\ndökümü\";3 gün?;05.03.2026;07.03.2026;1\r\n")
            << Turkce << "A:Kazı:3:\nB:Beton \"C30\"\r\ndökümü:3:A"
            << "bayt sırası işaretiyle (BOM)|noktalı virgül (;)|Ondalık işareti: virgül|Tarihler: gg.aa.yyyy" << "2026-03-02";
        QTest::newRow("Microsoft Project, English: hours, a lag")
            << QByteArray("ID,Name,Duration,Start,Finish,Predecessors\n"
                          "1,Dig,3 days,2026-03-02 08:00,2026-03-04 17:00,\n"
                          "2,\"Pour, cure\",24h,2026-03-05,2026-03-07,1FS+1 day\n")
            << Amerikan << "A:Dig:3:\nB:Pour, cure:3:A ABB1"
            << "BOM) yok|virgül (,)|«ID», «Name», «Duration», «Start», «Finish», «Predecessors»|kesirli süre yok|ISO" << "2026-03-02";
        QTest::newRow("GanttProject, Turkish: tabs, regional dates")
            << QByteArray("ID\tİsim\tBaşlangıç tarihi\tBitiş tarihi\tSüre\tÖncekiler\n"
                          "7\tTemel\t3/2/26\t3/3/26\t2\t\n9\tDuvar\t3/4/26\t3/4/26\t1\t7-FS\n\nID\tİsim\tRol\n1\tAli\tUsta\n")
            << Amerikan << "A:Temel:2:\nB:Duvar:1:A"
            << "sekme|bölgesel kısa biçim (M/d/yy)|«ID» sütunundaki|5. satırda ikinci bir tablo" << "2026-03-02";
        QTest::newRow("Kavrion's own, a finish after the year 9999")
            << QByteArray("Kodu,Faaliyet Adı,Süre,ES,EF,LS,LF,Toplam Bolluk,Serbest Bolluk,Kritik,Başlangıç,Bitiş,Öncekiler\r\n"
                          "A,'=1+2,3000000,0,3000000,0,3000000,0,0,Evet,2026-12-07,'+10240-08-28,\r\n")
            << Turkce << "A:=1+2:3000000:" << "Kavrion'un kendi CSV'si|ES gün geri sayılarak bulundu: 7.12.2026"
            << "2026-12-07";
        QTest::newRow("dates that skip weekends: no calendar guessed")
            << QByteArray("Name,Duration,Start,Finish,Predecessors\nDig,3,2026-03-05,2026-03-09,\nPour,2,2026-03-10,2026-03-11,1\n")
            << QLocale::c() << "A:Dig:3:\nB:Pour:2:A" << "hafta sonlarını atlıyor, ama CSV takvim taşımaz" << "2026-03-05";
        QTest::newRow("Excel's sep= line, outline levels, rows by number")
            << QByteArray("sep=,\nName,Duration,Outline Level,Predecessors\nS,0,1,\nX,1.5,2,\nY,2,2,2\n")
            << QLocale::c() << "A:X:2:\nB:Y:2:A" << "«sep=» satırından|Ondalık işareti: nokta|satır sırasıyla" << "";
    }
    void dialects()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QLocale, yerel);
        QFETCH(QString, beklenen);
        QFETCH(QString, okuma);
        QFETCH(QString, baslama);
        QLocale::setDefault(yerel);
        const AktarimSonucu sonuc = CsvOku(csv, yerel);
        QVERIFY2(sonuc.plan, qPrintable(sonuc.ret));
        QCOMPARE(Ozeti(sonuc.plan->faaliyetler), beklenen);
        for (const QString& parca : okuma.split('|'))
            QVERIFY2(sonuc.plan->okuma.join('\n').contains(parca), qPrintable(sonuc.plan->okuma.join('\n')));
        QCOMPARE(sonuc.plan->proje.baslama.toString(Qt::ISODate), baslama);
    }

    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("neden");
        QTest::newRow("a duration") << QByteArray("Ad;Süre\nX;1\nY;abc\n") << "Satır 3, sütun 2 («Süre»): «abc» bir süre değil";
        QTest::newRow("no duration") << QByteArray("Name,Duration\nX,\n") << "Satır 2, sütun 2 («Duration»): «» bir süre";
        QTest::newRow("a date against the file's form")
            << QByteArray("Name,Duration,Start\nX,1,2026-03-02\nY,1,02.03.2026\n") << "Satır 3, sütun 3 («Start»)";
        QTest::newRow("no date at all") << QByteArray("Name,Duration,Finish\nX,1,31.02.2026\n") << "«31.02.2026» bir tarih değil";
        QTest::newRow("a link") << QByteArray("Name;Duration;Predecessors\nX;1;\nY;1;1 sonra\n") << "Satır 3, sütun 3";
        QTest::newRow("no header") << QByteArray("Hesaplanamıyor: A faaliyetinin süresi sayı değil.\r\n") << "ad ve bir süre sütunu";
        QTest::newRow("open quote") << QByteArray("Name,Duration\n\"X,1\n") << "2. satırda açılan tırnak";
        QTest::newRow("not UTF-8") << QByteArray("Name;Duration\nKaz\xFD;1\n") << "UTF-8 değil";
        QTest::newRow("empty") << QByteArray("\xEF\xBB\xBF") << "Dosya boş";
        QTest::newRow("an estimate out of order, Microsoft Project's names")
            << QByteArray("Name,Duration,Optimistic Duration,Expected Duration,Pessimistic Duration\nX,3,4 days,3,5\n")
            << "Satır 2: İyimser süre en olası süreden uzun olamaz.";
        QTest::newRow("an estimate in part") << QByteArray("Ad;Süre;İyimser;En Olası;Kötümser\nX;3;2;;5\n") << "Satır 2: Tahminin üç";
        QTest::newRow("a fraction of a day") << QByteArray("Ad;Süre;İyimser;En Olası;Kötümser\nX;3;2,5;3;4\n")
                                             << "Satır 2, sütun 3 («İyimser»): «2,5» bir tahmin değil";
    }
    void unreadable()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, neden);
        const AktarimSonucu sonuc = CsvOku(csv, QLocale::c());
        QVERIFY(!sonuc.plan);
        QVERIFY2(sonuc.ret.contains(neden), qPrintable(sonuc.ret));
    }
};

QTEST_GUILESS_MAIN(CsvReadTest)
#include "tst_CsvOkuma.moc"
