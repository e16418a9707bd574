// The text exports read back with real parsers: names another program may have
// stored (quotes, separators, line breaks, emoji, right-to-left text, 10,000
// characters) come back exactly, under any regional settings.
#include "destek/Yereller.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <optional>

namespace {

const QStringList Adlar{QStringLiteral("\"alıntı\" ve \"\"çift\"\""), QStringLiteral("a;b,c"),
                        QStringLiteral("satır\r\nsonu"), QStringLiteral("yalnız\nLF"), QStringLiteral("yalnız\rCR"),
                        QStringLiteral(" boşluklu "), QStringLiteral("😀👨‍👩‍👧 emoji"), QStringLiteral("עברית שלום"),
                        QStringLiteral("\\ters\t\x1b[31m"), QString(10000, QLatin1Char('x')), QString()};
const QStringList Kodlar{"A", "\"", ";", "😀", "ש", "日", "\\", "B", "C", "D", "E"};

// Every activity after A; the project bears the first name.
Rapor DüşmancaRapor(const QVariant& başlama)
{
    QVector<KayıtlıFaaliyet> faaliyetler;
    for (int i = 0; i < Adlar.size(); ++i)
        faaliyetler.append({Kodlar.at(i), Adlar.at(i), {i + 1, i + 1}, i > 0 ? QStringLiteral("A") : QString()});
    const QDate tarih = QDate::fromString(başlama.toString(), Qt::ISODate);
    const QDate bitiş(2026, 4, 1);
    Rapor rapor{{Adlar.first(), {başlama, tarih.isValid() ? std::optional(tarih) : std::nullopt}, {bitiş, bitiş}}, {}};
    rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
    return rapor;
}

// RFC 4180, strictly: a record ends with CRLF; a field holding the separator, a quote,
// CR or LF is quoted, with its quotes doubled. Nothing when the text breaks a rule.
std::optional<QVector<QStringList>> CsvOku(const QString& metin, QChar ayraç)
{
    QVector<QStringList> kayıtlar;
    QStringList kayıt;
    QString alan;
    bool tırnakta = false, alanBaşı = true;
    const auto sonraki = [&](qsizetype i) { return i + 1 < metin.size() ? metin.at(i + 1) : QChar(); };
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i);
        if (tırnakta) {
            if (c != QLatin1Char('"'))
                alan += c;
            else if (sonraki(i) == QLatin1Char('"'))
                alan += metin.at(++i);
            else if (sonraki(i) != ayraç && sonraki(i) != QLatin1Char('\r'))
                return std::nullopt;
            else
                tırnakta = false;
        } else if (c == QLatin1Char('"') && alanBaşı) {
            tırnakta = true;
            alanBaşı = false;
        } else if (c == ayraç || (c == QLatin1Char('\r') && sonraki(i) == QLatin1Char('\n'))) {
            kayıt << alan;
            alan.clear();
            alanBaşı = true;
            if (c != ayraç) {
                kayıtlar << kayıt;
                kayıt.clear();
                ++i;
            }
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            return std::nullopt;
        } else {
            alan += c;
            alanBaşı = false;
        }
    }
    if (tırnakta || !alan.isEmpty() || !kayıt.isEmpty())
        return std::nullopt;
    return kayıtlar;
}

} // namespace

class TextExportsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void csvReadsBackUnderEachSeparator_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QChar>("ayraç");
        QTest::newRow("tr_TR") << Türkçe << QChar(';');
        QTest::newRow("de_DE") << Alman << QChar(';');
        QTest::newRow("en_US") << Amerikan << QChar(',');
        QTest::newRow("C") << QLocale::c() << QChar(',');
    }
    void csvReadsBackUnderEachSeparator()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QChar, ayraç);
        const Rapor rapor = DüşmancaRapor(QStringLiteral("2026-03-01"));
        const QByteArray csv = CsvYaz(rapor, yerel);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const auto kayıtlar = CsvOku(QString::fromUtf8(csv.mid(3)), ayraç);
        QVERIFY(kayıtlar);
        QCOMPARE(kayıtlar->size(), Adlar.size() + 1);
        for (int i = 0; i < Adlar.size(); ++i) {
            const QStringList& kayıt = kayıtlar->at(i + 1);
            QCOMPARE(kayıt.size(), 12);
            QCOMPARE(kayıt.at(0), Kodlar.at(i));
            QCOMPARE(kayıt.at(1), Adlar.at(i));
            QCOMPARE(kayıt.at(11), rapor.analiz.faaliyetler.at(i).bitiş.toString(Qt::ISODate));
        }
    }

    // The same bytes under any locale; names, links and dates as stored.
    void jsonReadsBack_data()
    {
        QTest::addColumn<QVariant>("başlama");
        QTest::newRow("dated") << QVariant(QStringLiteral("2026-03-01"));
        QTest::newRow("start not a date") << QVariant(QStringLiteral("yarın"));
    }
    void jsonReadsBack()
    {
        QFETCH(QVariant, başlama);
        const Rapor rapor = DüşmancaRapor(başlama);
        QLocale::setDefault(Türkçe);
        const QByteArray json = JsonYaz(rapor);
        QLocale::setDefault(Amerikan);
        QCOMPARE(JsonYaz(rapor), json);

        const QJsonObject kök = QJsonDocument::fromJson(json).object();
        const bool tarihli = rapor.proje.başlama.değer.has_value();
        QCOMPARE(kök.value("proje").toString(), Adlar.first());
        QCOMPARE(kök.value("baslama").toString(), tarihli ? başlama.toString() : QString());
        QCOMPARE(kök.value("baslama").isNull(), !tarihli);
        QVERIFY(kök.value("hesaplanamiyor").isNull());
        QCOMPARE(kök.value("projeSuresi").toInt(), rapor.analiz.projeBitişGünü);
        QCOMPARE(kök.value("pay").isNull(), !tarihli);
        const QJsonArray faaliyetler = kök.value("faaliyetler").toArray();
        QCOMPARE(faaliyetler.size(), Adlar.size());
        for (int i = 0; i < Adlar.size(); ++i) {
            const QJsonObject f = faaliyetler.at(i).toObject();
            QCOMPARE(f.value("kodu").toString(), Kodlar.at(i));
            QCOMPARE(f.value("adi").toString(), Adlar.at(i));
            QCOMPARE(f.value("ef").toInt(), rapor.analiz.faaliyetler.at(i).ef);
            QCOMPARE(f.value("oncekiler").toVariant().toStringList(), i > 0 ? QStringList{"A"} : QStringList());
            QCOMPARE(f.value("baslangic").isNull(), !tarihli);
        }
    }

    // Its explanation instead of figures, in both formats.
    void whatCannotBeComputedGivesItsExplanation()
    {
        const QDate gün(2026, 3, 1);
        Rapor rapor{{QStringLiteral("P"), {gün, gün}, {gün, gün}}, {}};
        rapor.analiz = AnaliziHesapla({{"A", "a", {1, 1}, ""}, {"B", "b", {1, 1}, "\";"}}, rapor.proje);
        QVERIFY(!rapor.analiz.hesaplanamıyor.isEmpty());

        const QJsonObject kök = QJsonDocument::fromJson(JsonYaz(rapor)).object();
        QCOMPARE(kök.value("hesaplanamiyor").toString(), rapor.analiz.hesaplanamıyor);
        QVERIFY(!kök.contains("projeSuresi") && !kök.contains("faaliyetler"));
        const auto kayıtlar = CsvOku(QString::fromUtf8(CsvYaz(rapor, Türkçe).mid(3)), QLatin1Char(';'));
        QVERIFY(kayıtlar);
        QCOMPARE(*kayıtlar, QVector<QStringList>{{rapor.analiz.hesaplanamıyor}});
    }
};

QTEST_GUILESS_MAIN(TextExportsTest)
#include "tst_MetinCiktilari.moc"
