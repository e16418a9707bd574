// The text exports read back with real parsers: names another program may have
// stored (quotes, separators, line breaks, emoji, right-to-left text, 10,000
// characters) come back exactly, under any regional settings.
#include "destek/RastgelePlan.h"
#include "destek/Yereller.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <optional>

namespace {

const QStringList Adlar{"\"alıntı\" ve \"\"çift\"\"", "a;b,c", "satır\r\nsonu", "yalnız\nLF", "yalnız\rCR", " boşluklu ",
                        "😀👨‍👩‍👧 emoji", "עברית שלום", "\\ters\t\x1b[31m", QString(10000, QLatin1Char('x')), QString(),
                        "=HYPERLINK(\"http://örnek\";\"tıkla\")", "+90 212", "@SUM(A1)", "\tsekmeyle", "\rCR ile", "'=kesmeyle", "'düz"};
const QStringList Kodlar{"A", "\"", ";", "😀", "ש", "日", "\\", "B", "C", "D", "E", "=", "+", "-1", "@", "\tT", "'", "G"};

// What a text cell of the CSV holds: a text a spreadsheet would run as a formula, also one
// behind apostrophes of its own, behind one more apostrophe.
QString Notr(const QString& metin)
{
    const QString govde = QString(metin).remove(QRegularExpression("^'+"));
    return !govde.isEmpty() && QStringLiteral("=+-@\t\r").contains(govde.front()) ? "'" + metin : metin;
}

// RFC 4180, strictly: a record ends with CRLF; a field holding the separator, a quote,
// CR or LF is quoted, with its quotes doubled. Nothing when the text breaks a rule.
std::optional<QVector<QStringList>> CsvOku(const QString& metin, QChar ayrac)
{
    QVector<QStringList> kayitlar{{}};
    QString alan;
    bool tirnakta = false, alanBasi = true;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i), sonraki = i + 1 < metin.size() ? metin.at(i + 1) : QChar();
        if (tirnakta && c == QLatin1Char('"') && sonraki == QLatin1Char('"')) {
            alan += metin.at(++i);
        } else if (tirnakta && c == QLatin1Char('"')) {
            if (sonraki != ayrac && sonraki != QLatin1Char('\r'))
                return std::nullopt;
            tirnakta = false;
        } else if (tirnakta) {
            alan += c;
        } else if (c == QLatin1Char('"') && alanBasi) {
            tirnakta = true;
            alanBasi = false;
        } else if (c == ayrac || (c == QLatin1Char('\r') && sonraki == QLatin1Char('\n'))) {
            kayitlar.last() << alan;
            alan.clear();
            alanBasi = true;
            if (c != ayrac)
                kayitlar.append(QStringList()), ++i;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            return std::nullopt;
        } else {
            alan += c;
            alanBasi = false;
        }
    }
    if (tirnakta || !alan.isEmpty() || !kayitlar.takeLast().isEmpty())
        return std::nullopt;
    return kayitlar;
}

} // namespace

class TextExportsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Every activity after A; the project bears the first name.
    void bothReadBack_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QChar>("ayrac");
        QTest::addColumn<QString>("baslama");
        QTest::newRow("tr_TR") << Turkce << QChar(';') << "2026-03-01";
        QTest::newRow("de_DE, start not a date") << Alman << QChar(';') << "yarın";
        QTest::newRow("en_US") << Amerikan << QChar(',') << "2026-03-01";
        QTest::newRow("C") << QLocale::c() << QChar(',') << "2026-03-01";
    }
    void bothReadBack()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QChar, ayrac);
        QFETCH(QString, baslama);
        QVector<KayitliFaaliyet> faaliyetler;
        for (int i = 0; i < Adlar.size(); ++i)
            faaliyetler.append({Kodlar.at(i), Adlar.at(i), {i + 1, i + 1}, i > 0 ? QStringLiteral("A") : QString()});
        const QDate tarih = QDate::fromString(baslama, Qt::ISODate), bitis(2026, 4, 1);
        Rapor rapor{{Adlar.first(), {baslama, tarih.isValid() ? std::optional(tarih) : std::nullopt}, {bitis, bitis}}, {}, {}};
        rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
        QLocale::setDefault(yerel);

        const QByteArray csv = CsvYaz(rapor, yerel);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const auto kayitlar = CsvOku(QString::fromUtf8(csv.mid(3)), ayrac);
        QVERIFY(kayitlar && kayitlar->size() == Adlar.size() + 1);
        const QByteArray json = JsonYaz(rapor);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(JsonYaz(rapor), json);
        QVERIFY(!json.contains("\"deneme\""));
        rapor.deneme = true; // a trial's JSON says so, and only a trial's
        QCOMPARE(QJsonDocument::fromJson(JsonYaz(rapor)).object().value("deneme").toString(), DenemeIsareti());
        rapor.deneme = false;
        const QJsonObject kok = QJsonDocument::fromJson(json).object();
        QCOMPARE(kok.value("proje").toString(), Adlar.first());
        QCOMPARE(kok.value("baslama").toString(), tarih.isValid() ? baslama : QString());
        const QJsonArray jsonFaaliyetler = kok.value("faaliyetler").toArray();
        QCOMPARE(jsonFaaliyetler.size(), Adlar.size());
        for (int i = 0; i < Adlar.size(); ++i) {
            const FaaliyetAnalizi& f = rapor.analiz.faaliyetler.at(i);
            const QStringList& kayit = kayitlar->at(i + 1);
            QCOMPARE(kayit.size(), 16);
            QCOMPARE(QStringList({kayit.at(0), kayit.at(1), kayit.at(11), kayit.at(12)}),
                     QStringList({Notr(Kodlar.at(i)), Notr(Adlar.at(i)), f.bitis.toString(Qt::ISODate), i > 0 ? "A" : ""}));
            const QJsonObject j = jsonFaaliyetler.at(i).toObject();
            QCOMPARE(j.value("kodu").toString() + j.value("adi").toString(), Kodlar.at(i) + Adlar.at(i));
            QCOMPARE(j.value("oncekiler").toVariant().toStringList(), i > 0 ? QStringList{"A"} : QStringList());
            QCOMPARE(j.value("baslangic").toString(), f.baslama.toString(Qt::ISODate));
        }
    }

    // The exact CSV of a plan with a milestone, a negative duration, a date after the year
    // 9999 and a formula for a name, and the same dates in JSON: a finish is the last day
    // of work, a figure stays a number, a text never runs as a formula.
    void exactForms()
    {
        const QVector<KayitliFaaliyet> faaliyetler{{"A", "=1+2", {3, 3}, ""},
                                                   {"B", "-teslim", {0, 0}, "A"},
                                                   {"C", "@uzun", {3000000, 3000000}, "A"},
                                                   {"D", "geri", {-3, -3}, "A"}};
        const QDate baslama(2026, 12, 7);
        Rapor rapor{{"P", {baslama, baslama}, {baslama, baslama}}, {}, {{"C", {2, 4, 9}}}};
        rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
        QCOMPARE(QString::fromUtf8(CsvYaz(rapor, Amerikan).mid(3)), // after the byte-order mark
                 "Kodu,Faaliyet Adı,Süre,ES,EF,LS,LF,Toplam Bolluk,Serbest Bolluk,Kritik,Başlangıç,Bitiş,Öncekiler,"
                 "İyimser,En Olası,Kötümser\r\n"
                 "A,'=1+2,3,0,3,0,3,0,0,Evet,2026-12-07,2026-12-09,,,,\r\n"
                 "B,'-teslim,0,3,3,3000003,3000003,3000000,3000000,Hayır,2026-12-10,2026-12-10,A,,,\r\n"
                 "C,'@uzun,3000000,3,3000003,3,3000003,0,0,Evet,2026-12-10,'+10240-08-29,A,2,4,9\r\n"
                 "D,geri,-3,3,0,3000006,3000003,3000003,3000003,Hayır,2026-12-10,2026-12-06,A,,,\r\n");
        const QJsonObject kok = QJsonDocument::fromJson(JsonYaz(rapor)).object();
        QCOMPARE(kok.value("enErkenBitis").toString(), "+10240-08-29");
        const QJsonArray dizi = kok.value("faaliyetler").toArray();
        QVERIFY(dizi.at(0).toObject().value("tahmin").isNull());
        QCOMPARE(dizi.at(2).toObject().value("tahmin").toObject(), QJsonObject({{"iyimser", 2}, {"enOlasi", 4}, {"kotumser", 9}}));
        QStringList tarihler;
        for (const QJsonValue& f : dizi)
            tarihler << f.toObject().value("baslangic").toString() + "/" + f.toObject().value("bitis").toString();
        QCOMPARE(tarihler, QStringList({"2026-12-07/2026-12-09", "2026-12-10/2026-12-10", "2026-12-10/+10240-08-29",
                                        "2026-12-10/2026-12-06"}));
        QVERIFY(!kok.contains("takvim")); // an every-day plan's files are as they always were
        QVERIFY(!dizi.at(1).toObject().contains("baglar")); // and so are a plain plan's links

        // A working-day calendar is named in a last CSV column and a JSON key; its dates count its days.
        rapor.proje.takvim = {TakvimTuru::PazartesiCuma, true, {{QDate(2026, 12, 8), IstisnaTuru::Tatil, "x"}}};
        rapor.analiz = AnaliziHesapla(faaliyetler.mid(0, 2), rapor.proje);
        QCOMPARE(QString::fromUtf8(CsvYaz(rapor, Turkce).mid(3)).split("\r\n").mid(0, 2),
                 QStringList({"Kodu;Faaliyet Adı;Süre;ES;EF;LS;LF;Toplam Bolluk;Serbest Bolluk;Kritik;Başlangıç;Bitiş;"
                              "Öncekiler;İyimser;En Olası;Kötümser;Takvim",
                              "A;'=1+2;3;0;3;0;3;0;0;Evet;2026-12-07;2026-12-10;;;;;Türkiye, Pazartesi–Cuma, arifeler tatil "
                              "+ 1 istisna"}));
        QCOMPARE(QJsonDocument::fromJson(JsonYaz(rapor)).object().value("takvim").toString(),
                 "Türkiye, Pazartesi–Cuma, arifeler tatil + 1 istisna");
        // A status date adds the progress columns last, dates guarded as every date is.
        rapor.proje.ilerleme = {QDate(2026, 12, 9), {{"A", {QDate(2026, 12, 7), {}, 50, -1}}}};
        const QStringList ilerlemeli = QString::fromUtf8(CsvYaz(rapor, Turkce).mid(3)).split("\r\n");
        QVERIFY(ilerlemeli.at(0).endsWith(";Takvim;Gerçek Başlama;Gerçek Bitiş;Tamamlanma %;Kalan Gün;Tahmini Başlama;"
                                          "Tahmini Bitiş;Taban Başlama;Taban Bitiş;Başlama Sapması;Bitiş Sapması"));
        QVERIFY2(ilerlemeli.at(1).endsWith("istisna;2026-12-07;;50;2;2026-12-07;2026-12-11;;;;"), qPrintable(ilerlemeli.at(1)));
        const QJsonObject ilerlemeJson = QJsonDocument::fromJson(JsonYaz(rapor)).object();
        QCOMPARE(ilerlemeJson.value("durumTarihi").toString(), "2026-12-09");
        QCOMPARE(ilerlemeJson.value("ilerleme").toArray(), QJsonArray({QJsonObject({{"kodu", "A"}, {"gercekBaslama", "2026-12-07"},
                     {"gercekBitis", QJsonValue::Null}, {"yuzde", 50}, {"kalan", QJsonValue::Null}})}));
        rapor.proje.ilerleme = {};
        // A plan with other links lists each activity's links with their types and lags.
        QVector<Faaliyet> bagli;
        const QJsonArray bagliDizi = QJsonDocument::fromJson(JsonYaz(BagliPlan(bagli))).object().value("faaliyetler").toArray();
        QCOMPARE(bagliDizi.at(0).toObject().value("baglar").toArray(), QJsonArray());
        QCOMPARE(bagliDizi.at(3).toObject().value("baglar").toArray(),
                 QJsonArray({QJsonObject({{"onceki", "A"}, {"tur", "BaBi"}, {"gecikme", 2}}),
                             QJsonObject({{"onceki", "B"}, {"tur", "BB"}, {"gecikme", 0}}),
                             QJsonObject({{"onceki", "C"}, {"tur", "BaBa"}, {"gecikme", 0}})}));
        // Before the year 1, as ISO counts years: 0 is 1 BC (QDate's -1).
        QCOMPARE(IsoTarih(QDate(1, 1, 1).addDays(-1)) + " " + IsoTarih(QDate(-5, 3, 1)), "0000-12-31 -0004-03-01");
    }
};

QTEST_GUILESS_MAIN(TextExportsTest)
#include "tst_MetinCiktilari.moc"
