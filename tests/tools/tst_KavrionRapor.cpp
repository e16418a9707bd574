// kavrion-rapor as scripts start it: exit statuses and one-line messages, names of
// any shape matched exactly, broken and locked databases, and output files written
// whole or not at all. Whatever it is asked, it creates and changes nothing but its output.
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/YardimciProgram.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <linux/capability.h>
#include <sys/prctl.h>

namespace {

struct Sonuç { int durum = -1; QByteArray çıktı, hata; };

// Runs the program held to file permissions as any user is: as root, in CI, it would
// otherwise write into read-only folders.
Sonuç Çalıştır(const QStringList& argümanlar, const QString& program = YardımcıProgram("kavrion-rapor"))
{
    QProcess süreç;
    süreç.setChildProcessModifier([] {
        prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    });
    süreç.start(program, argümanlar);
    if (!süreç.waitForFinished(60000) || süreç.exitStatus() != QProcess::NormalExit)
        return {};
    return {süreç.exitCode(), süreç.readAllStandardOutput(), süreç.readAllStandardError()};
}

// A failure says why in one line of its own; success says nothing on standard error.
bool İletisiYerinde(const Sonuç& s, const QString& ileti)
{
    const QString hata = QString::fromUtf8(s.hata);
    return s.durum == 0 ? hata.isEmpty()
                        : hata.startsWith(QStringLiteral("kavrion-rapor: ")) && hata.count(QLatin1Char('\n')) == 1
                              && hata.endsWith(QLatin1Char('\n')) && hata.contains(ileti);
}

const QStringList DüşmancaAdlar{"a\"b;c,d\r\ne", "\x1b[2J\x1b[31mkırmızı", "😀👨‍👩‍👧", "עברית שלום", "-x", " ALFA",
                                QString(10000, QChar(0x00E7))};
const QString Büyük = QStringLiteral("BÜYÜK"), Boş = QStringLiteral("BOŞ");
constexpr int BüyükFaaliyetSayısı = 6200;

} // namespace

class KavrionRaporTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ÖrnekProjeler(m_vt);
        for (const QString& ad : DüşmancaAdlar)
            m_vt.ProjeEkle(ad, QDate(2026, 3, 1), QDate(2026, 3, 11), {{"A", ad, 2, ""}});
        m_vt.ProjeEkle(Boş);
        m_vt.ProjeEkle(Büyük);
        // A chain of 6,200, each coded by one CJK character, in one statement.
        QVERIFY(DosyadaÇalıştır(m_vt.yol(), {QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
            " INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"
            " SELECT '%2', char(19968 + i), 'iş ' || i, 1 + i % 5, CASE i WHEN 0 THEN '' ELSE char(19967 + i) END"
            " FROM n").arg(BüyükFaaliyetSayısı - 1).arg(Büyük)}));
        // The program and its module copied beside a copy of the file, to find both by default.
        for (const char* dosya : {"kavrion-rapor", "libkavrion-rapor-cizim.so"})
            QVERIFY(QFile::copy(YardımcıProgram(dosya), m_bin.filePath(dosya)));
        QVERIFY(QFile::copy(m_vt.yol(), VeritabanıYolu(m_bin.path())));
    }

    void exitStatusesAndMessages_data()
    {
        QTest::addColumn<QStringList>("argümanlar");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("ileti");
        QTest::addColumn<QString>("çıktıBaşı");
        QTest::newRow("projects") << QStringList{"projeler"} << 0 << "" << "ALFA\nBETA\na\"b;c,d\\r\\ne\n\\u001b[2J";
        QTest::newRow("projects, JSON") << QStringList{"projeler", "--bicim", "json"} << 0 << "" << "[\n    \"ALFA\",";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "" << "Kullanım: kavrion-rapor";
        QTest::newRow("table") << QStringList{"çizelge", "ALFA"} << 0 << "" << "ALFA\nBaşlama: 1.01.2026";
        QTest::newRow("a name after --") << QStringList{"çizelge", "--", "-x"} << 0 << "" << "-x\n";
        QTest::newRow("another case") << QStringList{"çizelge", "alfa"} << 1 << "\"alfa\" projesi yok." << "";
        QTest::newRow("a space more") << QStringList{"çizelge", "ALFA "} << 1 << "\"ALFA \" projesi yok." << "";
        QTest::newRow("a line break") << QStringList{"çizelge", "A\nB"} << 1 << "\"A\\nB\" projesi yok." << "";
        QTest::newRow("no command") << QStringList{} << 2 << "komut verilmedi." << "";
        QTest::newRow("unknown command") << QStringList{"liste"} << 2 << "bilinmeyen komut: \"liste\"" << "";
        QTest::newRow("unknown option") << QStringList{"projeler", "--renk"} << 2 << "bilinmeyen seçenek" << "";
        QTest::newRow("format") << QStringList{"çizelge", "ALFA", "--bicim", "xml"} << 2 << "--bicim \"xml\"" << "";
        QTest::newRow("two names") << QStringList{"çizelge", "ALFA", "BETA"} << 2 << "bir proje adı ister" << "";
        QTest::newRow("no output") << QStringList{"gantt", "ALFA"} << 2 << "--cikti" << "";
        QTest::newRow("picture kind") << QStringList{"gantt", "ALFA", "--cikti", "a.gif"} << 2 << ".svg" << "";
    }
    void exitStatusesAndMessages()
    {
        QFETCH(QStringList, argümanlar);
        QFETCH(int, durum);
        QFETCH(QString, ileti);
        QFETCH(QString, çıktıBaşı);
        // While another program holds a write lock, as Kavrion does while it saves.
        const KilitTutanSüreç yazan(m_vt.yol(), KilitTutanSüreç::Kilit::Yazma);
        const QStringList önce = KlasörGörünümü(m_vt.klasör());
        const Sonuç s = Çalıştır(QStringList{"--veritabani", m_vt.yol()} + argümanlar);
        QCOMPARE(s.durum, durum);
        QVERIFY2(İletisiYerinde(s, ileti), s.hata.constData());
        QVERIFY2(s.çıktı.startsWith(çıktıBaşı.toUtf8()), s.çıktı.left(200).constData());
        QCOMPARE(KlasörGörünümü(m_vt.klasör()), önce);
    }

    // Names come back exactly; every format copes with them, with no activity and with 6,200.
    void namesOfAnyShape_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<int>("faaliyetSayısı");
        for (int i = 0; i < DüşmancaAdlar.size(); ++i)
            QTest::addRow("hostile name %d", i) << DüşmancaAdlar.at(i) << 1;
        QTest::newRow("no activity") << Boş << 0;
        QTest::newRow("6,200 activities") << Büyük << BüyükFaaliyetSayısı;
    }
    void namesOfAnyShape()
    {
        QFETCH(QString, ad);
        QFETCH(int, faaliyetSayısı);
        QByteArray json;
        for (const char* biçim : {"tablo", "csv", "json"}) {
            const Sonuç s = Çalıştır({"--veritabani", m_vt.yol(), "çizelge", "--bicim", biçim, "--", ad});
            QCOMPARE(s.durum, 0);
            QVERIFY(İletisiYerinde(s, QString()) && !s.çıktı.isEmpty());
            QVERIFY(faaliyetSayısı || qstrcmp(biçim, "csv") || s.çıktı.count("\r\n") == 1); // no figures: one field
            json = s.çıktı;
        }
        const QJsonObject kök = QJsonDocument::fromJson(json).object();
        QCOMPARE(kök.value("proje").toString(), ad);
        QCOMPARE(kök.value("faaliyetler").toArray().size(), faaliyetSayısı);
        QCOMPARE(kök.value("hesaplanamiyor").isString(), faaliyetSayısı == 0);
        QCOMPARE(kök.contains("projeSuresi"), faaliyetSayısı > 0);
    }

    void brokenDatabasesAreLeftAsTheyWere_data()
    {
        QTest::addColumn<Bozukluk>("bozukluk");
        QTest::addColumn<QString>("ileti");
        QTest::newRow("missing") << Bozukluk::Yok << "Proje.mdb: Hata 14: ";
        QTest::newRow("not a database") << Bozukluk::Çöp << "Proje.mdb: Hata 26: ";
        QTest::newRow("another program's database") << Bozukluk::Tablosuz << "Kavrion veritabanı değil.";
        QTest::newRow("locked by a writer") << Bozukluk::ÖzelKilitli << "Proje.mdb: Hata 5: ";
        QTest::newRow("a writer stopped mid-change") << Bozukluk::YarımKalmış << "Hata 8: Veritabanında yarıda kalmış";
    }
    void brokenDatabasesAreLeftAsTheyWere()
    {
        QFETCH(Bozukluk, bozukluk);
        QFETCH(QString, ileti);
        QTemporaryDir klasör;
        const BozukVeritabanı vt(klasör.path(), bozukluk);
        QVERIFY(vt.hazır());
        const QStringList önce = KlasörGörünümü(klasör.path());
        for (const QStringList& komut : {QStringList{"projeler"}, QStringList{"gantt", "ALFA", "--cikti", "a.svg"}}) {
            const Sonuç s = Çalıştır(QStringList{"--veritabani", VeritabanıYolu(klasör.path())} + komut);
            QCOMPARE(s.durum, 1);
            QVERIFY2(İletisiYerinde(s, ileti), s.hata.constData());
        }
        QCOMPARE(KlasörGörünümü(klasör.path()), önce);
    }

    // With the program's own Proje.mdb: a file is written whole, or an old one stays.
    void filesAreWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QStringList>("komut");
        QTest::addColumn<QString>("klasörü"); // "yazılır", "salt okunur" or "yok"
        QTest::addColumn<QString>("ileti");
        QTest::addColumn<QByteArray>("başı");
        const QStringList gantt{"gantt", "ALFA"};
        QTest::newRow("svg") << gantt + QStringList{"a.svg"} << "yazılır" << "" << QByteArray("<?xml");
        QTest::newRow("png") << gantt + QStringList{"a.PNG"} << "yazılır" << "" << QByteArray("\x89PNG");
        QTest::newRow("pdf") << gantt + QStringList{"a.pdf"} << "yazılır" << "" << QByteArray("%PDF-");
        QTest::newRow("svg, read-only folder") << gantt + QStringList{"a.svg"} << "salt okunur"
                                               << "klasörü salt okunur" << QByteArray("eski");
        QTest::newRow("xml, read-only folder") << QStringList{"xml", "ALFA", "a.xml"} << "salt okunur" << ""
                                               << QByteArray("eski");
        QTest::newRow("svg, no folder") << gantt + QStringList{"a.svg"} << "yok" << "klasörü yok" << QByteArray();
    }
    void filesAreWrittenWholeOrNotAtAll()
    {
        QFETCH(QStringList, komut);
        QFETCH(QString, klasörü);
        QFETCH(QString, ileti);
        QFETCH(QByteArray, başı);
        const bool var = klasörü != QLatin1String("yok"), yazılır = klasörü == QStringLiteral("yazılır");
        QTemporaryDir kök;
        const QString klasör = kök.filePath(QStringLiteral("çıktı ✓"));
        const QString yol = QDir(klasör).filePath(komut.takeLast());
        QFile dosya(yol);
        QVERIFY(!var || (QDir().mkdir(klasör) && dosya.open(QIODevice::WriteOnly) && dosya.write("eski") == 4));
        dosya.close();
        QVERIFY(!var || yazılır || QFile::setPermissions(klasör, QFile::ReadOwner | QFile::ExeOwner));

        const Sonuç s = Çalıştır(komut + QStringList{"--cikti", yol}, m_bin.filePath("kavrion-rapor"));
        QFile::setPermissions(klasör, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(s.durum, yazılır ? 0 : 1);
        QVERIFY2(İletisiYerinde(s, ileti), s.hata.constData());
        QCOMPARE(QDir(klasör).entryList(QDir::Files).size(), var ? 1 : 0);
        QFile yeni(yol);
        const QByteArray içerik = yeni.open(QIODevice::ReadOnly) ? yeni.readAll() : QByteArray();
        QVERIFY(içerik.startsWith(başı));
        QXmlStreamReader xml(içerik); // an SVG is well-formed XML with an <svg> root
        const bool svg = yazılır && yol.endsWith(QLatin1String(".svg"));
        QVERIFY(!svg || (xml.readNextStartElement() && xml.name() == QLatin1String("svg")));
        while (svg && !xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

private:
    GeçiciVeritabanı m_vt;
    QTemporaryDir m_bin;
};

QTEST_GUILESS_MAIN(KavrionRaporTest)
#include "tst_KavrionRapor.moc"
