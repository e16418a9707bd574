#include "destek/PlanYazisi.h"
#include "export/MspdiYazimi.h"

#include <QTest>
#include <QXmlStreamReader>

namespace {

const QDate Pazartesi(2026, 3, 2), Ocak(2026, 1, 5);

// Activities named by `adlar` (the project by the first) or by code.
Rapor Plan(const QString& tanim, const QDate& baslama = Pazartesi, const QStringList& adlar = {},
           const QDate& bitis = QDate())
{
    QVector<KayitliFaaliyet> fs = Faaliyetler(tanim);
    for (int i = 0; i < fs.size(); ++i)
        fs[i].adi = adlar.value(i, fs[i].kodu);
    const KayitliProje proje{adlar.value(0, "P"), {{}, baslama.isValid() ? std::optional(baslama) : std::nullopt},
                             {{}, bitis.isValid() ? std::optional(bitis) : std::nullopt}};
    return {proje, AnaliziHesapla(fs, proje), {}};
}

// The export as a reader finds it: the project's "title start finish calendar minutes/day" and its calendar,
// then each task as "UID/ID name level start finish duration milestone[ notes]" and " <UID:type" per link.
// An element out of the schema's order (in part) or namespace, or a reading error, shows where found.
QStringList Oku(const Rapor& rapor)
{
    QByteArray xml("önceki");
    if (const DepoHatasi hata = MspdiYaz(rapor, xml))
        return {QString::number(hata.numara) + ' ' + hata.aciklama + (xml == "önceki" ? "" : ", XML written")};
    static const QStringList alanlar = QString(
        "Project/Title Project/StartDate Project/FinishDate Project/CalendarUID Project/MinutesPerDay Calendar/UID "
        "Calendar/IsBaseCalendar WeekDay/DayType WeekDay/DayWorking WorkingTime/FromTime WorkingTime/ToTime Task/UID "
        "Task/ID Task/Name Task/OutlineLevel Task/Start Task/Finish Task/Duration Task/Milestone Task/Notes "
        "PredecessorLink/PredecessorUID PredecessorLink/Type ExtendedAttribute/FieldID ExtendedAttribute/Alias "
        "Value/Value").split(' ');
    static const QString sira = " SaveVersion Name Title Author ScheduleFromStart StartDate FinishDate CurrencyCode "
        "CalendarUID DefaultStartTime DefaultFinishTime MinutesPerDay MinutesPerWeek DaysPerMonth DefaultTaskType "
        "DurationFormat WorkFormat ExtendedAttributes Calendars Tasks | UID ID Name Type WBS OutlineNumber OutlineLevel Priority Start "
        "Finish Duration DurationFormat Work Estimated Milestone Summary PercentComplete Notes PredecessorLink ";
    QStringList ozet{QString()}, yol{"?"};
    qsizetype yer = 0;
    QXmlStreamReader okuyucu(xml);
    while (!okuyucu.atEnd()) {
        if (okuyucu.readNext() == QXmlStreamReader::EndElement)
            yol.removeLast();
        if (!okuyucu.isStartElement())
            continue;
        const bool bizim = okuyucu.namespaceUri() == u"http://schemas.microsoft.com/project";
        const QString ad = bizim ? okuyucu.name().toString() : "?", alan = yol.last() + '/' + ad;
        if ((yol.last() == "Task" || yol.last() == "Project")
            && (yer = sira.indexOf(' ' + ad + ' ', alan == "Task/UID" ? sira.indexOf('|') : yer)) < 0)
            ozet.last() += " (" + ad + " out of order)";
        if (alan == "Task/UID")
            ozet << QString();
        if (!alanlar.contains(alan))
            yol << ad; // read on inside it
        else
            ozet.last() += (ozet.last().isEmpty() ? "" : ad == "ID" ? "/" : ad == "PredecessorUID" ? " <"
                            : ad == "Type" ? ":" : " ") + okuyucu.readElementText();
    }
    ozet.last() += okuyucu.errorString();
    return ozet;
}

} // namespace

Q_DECLARE_METATYPE(Rapor)

class MspdiExportTest : public QObject {
    Q_OBJECT

private slots:
    void exports_data()
    {
        QTest::addColumn<Rapor>("rapor");
        QTest::addColumn<QStringList>("okunan");
        QString takvim = " 1 480 1 1"; // the project's one calendar: every day works 08–12 and 13–17
        for (int gun = 1; gun <= 7; ++gun)
            takvim += QStringLiteral(" %1 1 08:00:00 12:00:00 13:00:00 17:00:00").arg(gun);
        QTest::newRow("four-activity sample") << Plan("A:3: B:2:A C:4:A D:1:B,C")
            << QStringList{"P 2026-03-02T08:00:00 2026-03-09T17:00:00" + takvim,
                           "1/1 A 1 2026-03-02T08:00:00 2026-03-04T17:00:00 PT24H0M0S 0",
                           "2/2 B 1 2026-03-05T08:00:00 2026-03-06T17:00:00 PT16H0M0S 0 <1:1",
                           "3/3 C 1 2026-03-05T08:00:00 2026-03-08T17:00:00 PT32H0M0S 0 <1:1",
                           "4/4 D 1 2026-03-09T08:00:00 2026-03-09T17:00:00 PT8H0M0S 0 <2:1 <3:1"};
        // The end the user estimated travels beside the computed finish, in a custom field of its own.
        QTest::newRow("the project's own end") << Plan("A:3: B:2:A", Pazartesi, {}, QDate(2027, 1, 7))
            << QStringList{"P 2026-03-02T08:00:00 2026-03-06T17:00:00"
                               + QString(takvim).replace(" 480 ", " 480 188743945 Tahmini Bitiş Tarihi (Kavrion) "
                                                                   "2027-01-07T17:00:00 "),
                           "1/1 A 1 2026-03-02T08:00:00 2026-03-04T17:00:00 PT24H0M0S 0",
                           "2/2 B 1 2026-03-05T08:00:00 2026-03-06T17:00:00 PT16H0M0S 0 <1:1"};
        // The project finishes with its latest task: here a milestone, and not the last task.
        QTest::newRow("milestones") << Plan("A:0: B:2:A C:0:B,A D:1:A", Ocak)
            << QStringList{"P 2026-01-05T08:00:00 2026-01-07T08:00:00" + takvim,
                           "1/1 A 1 2026-01-05T08:00:00 2026-01-05T08:00:00 PT0H0M0S 1",
                           "2/2 B 1 2026-01-05T08:00:00 2026-01-06T17:00:00 PT16H0M0S 0 <1:1",
                           "3/3 C 1 2026-01-07T08:00:00 2026-01-07T08:00:00 PT0H0M0S 1 <2:1 <1:1",
                           "4/4 D 1 2026-01-05T08:00:00 2026-01-05T17:00:00 PT8H0M0S 0 <1:1"};
        // Names come back as they are, but for what XML 1.0 cannot hold (the mark shows where it was) and
        // past the schema's 512 code points (cut, never inside a pair; the notes keep the whole name).
        const QString uzun = 'a' + QString("𝄞").repeated(4999) + 'b';
        const QString adlar[][3] = {
            {"quotes, separators, XML's own", "\"a\";'b',c|d\t& < > ]]> &amp;", "\"a\";'b',c|d\t& < > ]]> &amp;"},
            {"line breaks, emoji, right to left", "a\r\nb\nc\r 🚀 👩‍💻 مشروع עברית", "a\r\nb\nc\r 🚀 👩‍💻 مشروع עברית"},
            {"control characters", QString::fromUtf16(u"a\u0001b\u000Bc\uFFFE") + QChar(0xDC00), "a�b�c��"},
            {"10,000 characters", uzun, 'a' + QString("𝄞").repeated(511)}};
        for (const auto& [satir, ad, okunan] : adlar)
            QTest::newRow(qPrintable(satir)) << Plan("A:1:", Pazartesi, {ad})
                << QStringList{okunan + " 2026-03-02T08:00:00 2026-03-02T17:00:00" + takvim,
                               "1/1 " + okunan + " 1 2026-03-02T08:00:00 2026-03-02T17:00:00 PT8H0M0S 0"
                                   + (ad == uzun ? ' ' + uzun : "")};
        // 6,200 activities of 0 to 2 days, each after the one before and the one halfway back.
        QStringList tanim, okunan{QString()};
        QString bitis;
        for (int i = 0, gun = 0, sure = 0; i < 6200; ++i, gun += sure) {
            const QString kod(QChar(u'A' + i)), baslama = Pazartesi.addDays(gun).toString(Qt::ISODate) + "T08:00:00";
            sure = i % 3;
            bitis = sure ? Pazartesi.addDays(gun + sure - 1).toString(Qt::ISODate) + "T17:00:00" : baslama;
            tanim << kod + ':' + QString::number(sure) + ':'
                         + (i ? QChar(u'A' + i - 1) + QString(',') + QChar(u'A' + i / 2) : "");
            okunan << QStringLiteral("%1/%1 %2 1 %3 %4 PT%5H0M0S %6").arg(i + 1).arg(kod, baslama, bitis).arg(sure * 8)
                              .arg(sure ? 0 : 1) + (i ? QStringLiteral(" <%1:1").arg(i) : "")
                          + (i / 2 < i - 1 ? QStringLiteral(" <%1:1").arg(i / 2 + 1) : "");
        }
        okunan[0] = "P 2026-03-02T08:00:00 " + bitis + takvim;
        QTest::newRow("6,200 activities") << Plan(tanim.join(' ')) << okunan;
        // A project with no tasks; one without a start date has no day to count from, never the export's own.
        QTest::newRow("no activities") << Plan("") << QStringList{"P 2026-03-02T08:00:00 2026-03-02T08:00:00" + takvim};
        QTest::newRow("no start date") << Plan("A:1:", QDate()) << QStringList{"1 Projenin başlama tarihi yok: "
            "Microsoft Project XML her görevin tarihini başlama tarihinden sayar. Projeye bir başlama tarihi girin."};
        QTest::newRow("a network that cannot be computed") << Plan("A:1: B:1:Z")
            << QStringList{"1 Hesaplanamıyor: B faaliyetinin önceki faaliyeti Z tanımlı değil."};
        QTest::newRow("negative duration") << Plan("A:1: B:-2:A") << QStringList{
            "20 B faaliyetinin süresi eksi: Microsoft Project XML eksi süreli iş taşıyamaz."};
        QTest::newRow("after 9999") << Plan("A:2000000000:") << QStringList{
            "20 Projenin tarihleri 1 ile 9999 yılları arasında kalmıyor: Microsoft Project XML bu tarihleri yazamaz."};
    }
    void exports()
    {
        QFETCH(Rapor, rapor);
        QTEST(Oku(rapor), "okunan");
    }
};

QTEST_GUILESS_MAIN(MspdiExportTest)
#include "tst_MspdiYazimi.moc"
