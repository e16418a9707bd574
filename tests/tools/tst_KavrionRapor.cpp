// ctest-sunucu
// kavrion-rapor as scripts start it: exit statuses and one-line messages, names of
// any shape matched exactly, broken and locked databases, and output files written
// whole or not at all. Whatever it is asked, it creates and changes nothing but its output.
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/SunucuVeritabani.h"
#include "destek/YardimciProgram.h"
#include "destek/Yereller.h"
#include "TakvimYazimi.h"
#include "analysis/IlerlemeAnalizi.h"
#include "export/Rapor.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

ProgramSonucu Calistir(const QStringList& argumanlar, const QString& program = YardimciProgram("kavrion-rapor"))
{
    return ProgramiCalistir(program, argumanlar);
}

// A failure says why in one line of its own; success says nothing on standard error.
bool IletisiYerinde(const ProgramSonucu& s, const QString& ileti)
{
    const QString hata = QString::fromUtf8(s.hata);
    return s.durum == 0 ? hata.isEmpty()
                        : hata.startsWith(QStringLiteral("kavrion-rapor: ")) && hata.count(QLatin1Char('\n')) == 1
                              && hata.endsWith(QLatin1Char('\n')) && hata.contains(ileti);
}

const QStringList DusmancaAdlar{"a\"b;c,d\r\ne", "\x1b[2J\x1b[31mkırmızı", "😀👨‍👩‍👧", "עברית שלום", "-x", " ALFA",
                                QString(10000, QChar(0x00E7))};
const QString Buyuk = QStringLiteral("BÜYÜK"), Bos = QStringLiteral("BOŞ");
constexpr int BuyukFaaliyetSayisi = 6200;

} // namespace

class KavrionRaporTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        OrnekProjeler(m_vt);
        for (const QString& ad : DusmancaAdlar)
            m_vt.ProjeEkle(ad, QDate(2026, 3, 1), QDate(2026, 3, 11), {{"A", ad, 2, ""}});
        m_vt.ProjeEkle(Bos);
        m_vt.ProjeEkle(Buyuk);
        QVERIFY(!m_vt.depo().DagilimDegistir("BETA", Dagilim::Pert, Dagilim::Ucgen));
        // A chain of 6,200, each coded by one CJK character, in one statement.
        QVERIFY(DosyadaCalistir(m_vt.yol(), {QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
            " INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"
            " SELECT '%2', char(19968 + i), 'iş ' || i, 1 + i % 5, CASE i WHEN 0 THEN '' ELSE char(19967 + i) END"
            " FROM n").arg(BuyukFaaliyetSayisi - 1).arg(Buyuk)}));
        // The program and its module copied beside a copy of the file, to find both by default.
        for (const char* dosya : {"kavrion-rapor", "libkavrion-rapor-cizim.so"})
            QVERIFY(QFile::copy(YardimciProgram(dosya), m_bin.filePath(dosya)));
        QVERIFY(QFile::copy(m_vt.yol(), VeritabaniYolu(m_bin.path())));
    }

    void exitStatusesAndMessages_data()
    {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("ileti");
        QTest::addColumn<QString>("ciktiBasi");
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
        QTest::newRow("network, picture kind") << QStringList{"ag", "ALFA", "--cikti", "a.gif"} << 2
                                               << "ag dosyasının uzantısı .svg, .png ya da .pdf olmalı." << "";
        QTest::newRow("risk") << QStringList{"risk", "ALFA", "--dagilim", "ucgen"} << 0 << "" << "ALFA\nBaşlama: 1.01.2026";
        QTest::newRow("too few iterations") << QStringList{"risk", "ALFA", "--yineleme", "999"} << 2
                                            << "--yineleme \"999\" olamaz; 1000 ile 1000000 arasında" << "";
        QTest::newRow("a seed below zero") << QStringList{"risk", "ALFA", "--yineleme", "1000", "--tohum=-1"} << 2
                                           << "--tohum \"-1\" olamaz" << "";
        QTest::newRow("calendar") << QStringList{"takvim", "ALFA", "--yil", "2027"} << 0 << ""
                                  << "ALFA\nTakvim: Her gün\nHafta: her gün çalışılır.\n\n2027 yılında tatil ya da";
        QTest::newRow("a year elsewhere") << QStringList{"çizelge", "ALFA", "--yil", "2027"} << 2
                                          << "yalnız takvim komutu --yil alır." << "";
        QTest::newRow("a year of two digits") << QStringList{"takvim", "ALFA", "--yil", "27"} << 2 << "--yil \"27\" olamaz" << "";
        QTest::newRow("progress without a status date") << QStringList{"ilerleme", "ALFA", "--bicim", "csv"} << 1
                                                        << "\"ALFA\" projesinin durum tarihi yok" << "";
        QTest::newRow("a seed elsewhere") << QStringList{"çizelge", "ALFA", "--tohum", "2"} << 2
                                          << "yalnız risk komutu --tohum alır." << "";
    }
    void exitStatusesAndMessages()
    {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, durum);
        QFETCH(QString, ileti);
        QFETCH(QString, ciktiBasi);
        // While another program holds a write lock, as Kavrion does while it saves.
        const KilitTutanSurec yazan(m_vt.yol(), KilitTutanSurec::Kilit::Yazma);
        const QStringList once = KlasorGorunumu(m_vt.klasor());
        const ProgramSonucu s = Calistir(QStringList{"--veritabani", m_vt.yol()} + argumanlar);
        QCOMPARE(s.durum, durum);
        QVERIFY2(IletisiYerinde(s, ileti), s.hata.constData());
        QVERIFY2(s.cikti.startsWith(ciktiBasi.toUtf8()), s.cikti.left(200).constData());
        QCOMPARE(KlasorGorunumu(m_vt.klasor()), once);
    }

    // Names come back exactly; every format copes with them, with no activity and with 6,200.
    void namesOfAnyShape_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<int>("faaliyetSayisi");
        for (int i = 0; i < DusmancaAdlar.size(); ++i)
            QTest::addRow("hostile name %d", i) << DusmancaAdlar.at(i) << 1;
        QTest::newRow("no activity") << Bos << 0;
        QTest::newRow("6,200 activities") << Buyuk << BuyukFaaliyetSayisi;
    }
    void namesOfAnyShape()
    {
        QFETCH(QString, ad);
        QFETCH(int, faaliyetSayisi);
        for (const QStringList& komut : {QStringList{"çizelge"}, QStringList{"risk", "--yineleme", "1000"}}) {
            QByteArray json;
            for (const char* bicim : {"tablo", "csv", "json"}) {
                const ProgramSonucu s = Calistir(QStringList{"--veritabani", m_vt.yol(), "--bicim", bicim} + komut + QStringList{"--", ad});
                QCOMPARE(s.durum, 0);
                QVERIFY(IletisiYerinde(s, QString()) && !s.cikti.isEmpty());
                QVERIFY(faaliyetSayisi || qstrcmp(bicim, "csv") || s.cikti.count("\r\n") == 1); // no figures: one field
                json = s.cikti;
            }
            const QJsonObject kok = QJsonDocument::fromJson(json).object();
            QCOMPARE(kok.value("proje").toString(), ad);
            QCOMPARE(kok.value("faaliyetler").toArray().size(), faaliyetSayisi);
            QCOMPARE(kok.value("hesaplanamiyor").isString(), faaliyetSayisi == 0);
            QCOMPARE(kok.contains(komut.size() > 1 ? "planSuresi" : "projeSuresi"), faaliyetSayisi > 0);
        }
    }

    // Without spread every percentile is the plan's F; the JSON holds every figure and the estimates;
    // the distribution is the project's own unless --dagilim names one.
    void riskAsJson()
    {
        for (const char* ad : {"BETA", "ALFA"}) {
            const ProgramSonucu s = Calistir({"--veritabani", m_vt.yol(), "risk", ad, "--bicim", "json", "--yineleme", "2000"});
            QCOMPARE(s.durum, 0);
            const QJsonObject kok = QJsonDocument::fromJson(s.cikti).object();
            const QJsonArray faaliyetler = kok.value("faaliyetler").toArray();
            const double f = kok.value("planSuresi").toDouble(), p10 = kok.value("p10")["gun"].toDouble();
            QCOMPARE(kok.value("yineleme").toInt() + kok.value("tohum").toInt(), 2001);
            QVERIFY(kok.value("ortalama").isDouble() && kok.value("standartSapma").isDouble() && kok.value("birlesme").isString());
            QCOMPARE(kok.value("bitisTarihineKadar").toDouble(), 1.0);
            QCOMPARE(kok.value("dagilim").toString(), QByteArray(ad) == "BETA" ? "ucgen" : "pert");
            if (QByteArray(ad) == "BETA") {
                QVERIFY(f == 1 && p10 == f && kok.value("p90")["gun"].toDouble() == f);
                QCOMPARE(kok.value("p90")["tarih"].toString(), "2026-02-01");
                QVERIFY(faaliyetler.at(0)["tahmin"].isNull() && faaliyetler.at(0)["kritiklik"].toDouble() == 1);
                const ProgramSonucu pert = Calistir({"--veritabani", m_vt.yol(), "risk", ad, "--bicim=json", "--dagilim", "pert"});
                QCOMPARE(QJsonDocument::fromJson(pert.cikti)["dagilim"].toString(), "pert");
            } else {
                QVERIFY(f == 7 && p10 <= kok.value("p50")["gun"].toDouble() && kok.value("p90")["gun"].toDouble() <= 12);
                QCOMPARE(faaliyetler.at(2)["tahmin"].toObject(), QJsonObject({{"iyimser", 2}, {"enOlasi", 4}, {"kotumser", 9}}));
            }
        }
    }

    // A start a day late at half done: the figures scripts get are the forecast's own, and late.
    void progressAsJson()
    {
        const QString ad = QStringLiteral("İLERLEME");
        m_vt.ProjeEkle(ad, QDate(2026, 3, 2), QDate(2026, 3, 20), {{"A", "a", 4, ""}, {"B", "b", 2, "A"}, {"C", "c", 3, "A"}});
        const ProjeDeposu depo = m_vt.depo();
        qint32 numara = -1;
        QVERIFY(!depo.TabanKaydet(ad, {0, "İlk", QDate(2026, 3, 1), QDate(2026, 3, 2), QDate(2026, 3, 8),
                                       {{"A", QDate(2026, 3, 2), QDate(2026, 3, 5), 4}, {"B", QDate(2026, 3, 6), QDate(2026, 3, 7), 2},
                                        {"C", QDate(2026, 3, 6), QDate(2026, 3, 8), 3}}}, numara));
        QVERIFY(!depo.TabanSec(ad, -1, numara));
        QVERIFY(!depo.DurumTarihiDegistir(ad, QDate(), QDate(2026, 3, 4)));
        QVERIFY(!depo.IlerlemeDegistir(ad, "A", std::nullopt, FaaliyetIlerlemesi{QDate(2026, 3, 3), {}, 50, -1}));
        Rapor rapor;
        QVERIFY(!RaporuOku(depo, ad, rapor));
        const IlerlemeAnalizi a = IlerlemeyiHesapla(rapor.analiz, rapor.proje.ilerleme, KarsilastirilanTaban(rapor.proje.tabanlar));
        const ProgramSonucu s = Calistir({"--veritabani", m_vt.yol(), "ilerleme", ad, "--bicim", "json"});
        QCOMPARE(s.durum, 0);
        const QJsonObject kok = QJsonDocument::fromJson(s.cikti).object();
        QCOMPARE(kok.value("taban").toString(), "İlk");
        QVERIFY(kok.value("bitisSapmasi").toInt() > 0 && kok.value("spi").toDouble() < 1);
        const std::pair<const char*, double> olculer[] = {
            {"tahminiSure", a.projeBitisGunu}, {"bitisSapmasi", a.bitisSapmasi}, {"pv", a.pv}, {"ev", a.ev}, {"sv", a.sv},
            {"spi", a.spi}, {"es", a.kazanilmisTakvim}, {"at", a.gecenSure}, {"spiT", a.spiT}};
        for (const auto& [anahtar, deger] : olculer)
            QVERIFY2(kok.value(anahtar).toDouble() == deger, anahtar);
        QCOMPARE(kok.value("tahminiBitis").toString(), a.bitis.toString(Qt::ISODate));
        QCOMPARE(kok.value("esBitis").toString(), a.esBitis.toString(Qt::ISODate));
        const QJsonArray faaliyetler = kok.value("faaliyetler").toArray();
        QCOMPARE(faaliyetler.size(), a.faaliyetler.size());
        for (int i = 0; i < a.faaliyetler.size(); ++i) {
            QCOMPARE(faaliyetler.at(i)["bitis"].toString(), a.faaliyetler.at(i).bitis.toString(Qt::ISODate));
            QCOMPARE(faaliyetler.at(i)["bitisSapmasi"].toInt(), a.faaliyetler.at(i).bitisSapmasi);
        }
        QCOMPARE(faaliyetler.at(0)["gercekBaslama"].toString(), "2026-03-03");
        // The one-page status report, as a PDF file that opens.
        const QTemporaryDir klasor;
        const QString pdf = klasor.filePath("durum.pdf");
        QCOMPARE(Calistir({"--veritabani", m_vt.yol(), "ilerleme", ad, "--cikti", pdf}).durum, 0);
        QFile dosya(pdf);
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        const QByteArray icerik = dosya.readAll();
        QVERIFY(icerik.startsWith("%PDF-") && icerik.contains("%%EOF"));
        QCOMPARE(icerik.count("/Type /Page\n") + icerik.count("/Type /Page\r") + icerik.count("/Type /Page/"), 1);
    }

    // A working-day calendar's year: every holiday that keeps a day off (the worked arife
    // is none), the project's exceptions, and the estimated bayrams of a year past the confirmed ones.
    void calendarOfAYear()
    {
        QLocale::setDefault(Turkce);
        const KayitliProje proje{"P", {}, {}, {TakvimTuru::PazartesiCuma, false,
            {{QDate(2026, 5, 25), IstisnaTuru::IdariIzin, "Köprü"}, {QDate(2026, 6, 6), IstisnaTuru::CalisilanGun, ""}}}};
        const QStringList satirlar = TakvimTablosu(proje, 2026).split('\n');
        QLocale::setDefault(QLocale::c());
        QCOMPARE(satirlar.mid(0, 7), QStringList({"P", "Takvim: Türkiye, Pazartesi–Cuma + 2 istisna",
            "Hafta: Pazartesi, Salı, Çarşamba, Perşembe, Cuma çalışılır.",
            "Arifeler: çalışılır (öğleden sonraları yarım gün tatildir).",
            "2026 yılının bayram tarihleri kesin (2032 yılına kadar kesin).",
            "Kaynak: python-holidays, Turkey (Diyanet Hicri takvim çevirisiyle doğrulanmış); Diyanet dinî günler "
            "2026–2035; 2024–2026 resmî tatil veri seti", ""}));
        QCOMPARE(satirlar.size(), 7 + 1 + 16 + 1);
        QCOMPARE(satirlar.at(7).simplified(), "Tarih Gün Ad Tür Durum");
        QVERIFY(!satirlar.join('\n').contains("arifesi"));
        for (const char* satir : {"25.05.2026 Pazartesi Köprü İdari izin tatil", "27.05.2026 Çarşamba Kurban Bayramı Resmî tatil tatil",
                                  "6.06.2026 Cumartesi Çalışılan gün Çalışılan gün çalışılır"})
            QVERIFY2(satirlar.join(' ').simplified().contains(QString::fromUtf8(satir)), qPrintable(satirlar.join('\n')));
        const QJsonObject kok = QJsonDocument::fromJson(TakvimJson(proje, 2033)).object();
        QVERIFY(kok.value("tahmini").toBool() && kok.value("calisilanGunler").toArray().size() == 5);
        QVERIFY(kok.value("kaynak").toString().endsWith("python-holidays, Turkey (tahmin)"));
        QCOMPARE(QJsonDocument::fromJson(TakvimJson(proje, 2040)).object().value("kaynak"), "");
        const QJsonArray gunler = kok.value("gunler").toArray();
        QCOMPARE(gunler.at(0).toObject(), QJsonObject({{"tarih", "2033-01-01"}, {"gun", "Cumartesi"}, {"ad", "Yılbaşı"},
            {"tur", "Resmî tatil"}, {"calisilir", false}, {"tahmini", false}}));
        QVERIFY(gunler.at(1)["tahmini"].toBool());
        QCOMPARE(gunler.at(1)["ad"].toString() + gunler.at(1)["tarih"].toString(), "Ramazan Bayramı (tahmini)2033-01-02");
    }

    void brokenDatabasesAreLeftAsTheyWere_data()
    {
        QTest::addColumn<Bozukluk>("bozukluk");
        QTest::addColumn<QString>("ileti");
        QTest::newRow("missing") << Bozukluk::Yok << "Proje.mdb: Hata 14: ";
        QTest::newRow("not a database") << Bozukluk::Cop << "Proje.mdb: Hata 26: ";
        QTest::newRow("another program's database") << Bozukluk::Tablosuz << "Kavrion veritabanı değil.";
        QTest::newRow("locked by a writer") << Bozukluk::OzelKilitli << "Proje.mdb: Hata 5: ";
        QTest::newRow("a writer stopped mid-change") << Bozukluk::YarimKalmis << "Hata 8: Veritabanında yarıda kalmış";
    }
    void brokenDatabasesAreLeftAsTheyWere()
    {
        QFETCH(Bozukluk, bozukluk);
        QFETCH(QString, ileti);
        QTemporaryDir klasor;
        const BozukVeritabani vt(klasor.path(), bozukluk);
        QVERIFY(vt.hazir());
        const QStringList once = KlasorGorunumu(klasor.path());
        for (const QStringList& komut : {QStringList{"projeler"}, QStringList{"gantt", "ALFA", "--cikti", "a.svg"}}) {
            const ProgramSonucu s = Calistir(QStringList{"--veritabani", VeritabaniYolu(klasor.path())} + komut);
            QCOMPARE(s.durum, 1);
            QVERIFY2(IletisiYerinde(s, ileti), s.hata.constData());
        }
        QCOMPARE(KlasorGorunumu(klasor.path()), once);
    }

    // With the program's own Proje.mdb: a file is written whole, or an old one stays.
    void filesAreWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QStringList>("komut");
        QTest::addColumn<QString>("klasoru"); // "yazılır", "salt okunur" or "yok"
        QTest::addColumn<QString>("ileti");
        QTest::addColumn<QByteArray>("basi");
        const QStringList gantt{"gantt", "ALFA"};
        QTest::newRow("svg") << gantt + QStringList{"a.svg"} << "yazılır" << "" << QByteArray("<?xml");
        QTest::newRow("png") << gantt + QStringList{"a.PNG"} << "yazılır" << "" << QByteArray("\x89PNG");
        QTest::newRow("pdf") << gantt + QStringList{"a.pdf"} << "yazılır" << "" << QByteArray("%PDF-");
        QTest::newRow("network, svg") << QStringList{"ağ", "ALFA", "a.svg"} << "yazılır" << "" << QByteArray("<?xml");
        QTest::newRow("network, pdf") << QStringList{"ag", "ALFA", "a.pdf"} << "yazılır" << "" << QByteArray("%PDF-");
        QTest::newRow("svg, read-only folder") << gantt + QStringList{"a.svg"} << "salt okunur"
                                               << "klasörü salt okunur" << QByteArray("eski");
        QTest::newRow("xml, read-only folder") << QStringList{"xml", "ALFA", "a.xml"} << "salt okunur" << ""
                                               << QByteArray("eski");
        QTest::newRow("svg, no folder") << gantt + QStringList{"a.svg"} << "yok" << "klasörü yok" << QByteArray();
    }
    void filesAreWrittenWholeOrNotAtAll()
    {
        QFETCH(QStringList, komut);
        QFETCH(QString, klasoru);
        QFETCH(QString, ileti);
        QFETCH(QByteArray, basi);
        const bool var = klasoru != QLatin1String("yok"), yazilir = klasoru == QStringLiteral("yazılır");
        QTemporaryDir kok;
        const QString klasor = kok.filePath(QStringLiteral("çıktı ✓"));
        const QString yol = QDir(klasor).filePath(komut.takeLast());
        QFile dosya(yol);
        QVERIFY(!var || (QDir().mkdir(klasor) && dosya.open(QIODevice::WriteOnly) && dosya.write("eski") == 4));
        dosya.close();
        QVERIFY(!var || yazilir || QFile::setPermissions(klasor, QFile::ReadOwner | QFile::ExeOwner));

        const ProgramSonucu s = Calistir(komut + QStringList{"--cikti", yol}, m_bin.filePath("kavrion-rapor"));
        QFile::setPermissions(klasor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(s.durum, yazilir ? 0 : 1);
        QVERIFY2(IletisiYerinde(s, ileti), s.hata.constData());
        QCOMPARE(QDir(klasor).entryList(QDir::Files).size(), var ? 1 : 0);
        QFile yeni(yol);
        const QByteArray icerik = yeni.open(QIODevice::ReadOnly) ? yeni.readAll() : QByteArray();
        QVERIFY(icerik.startsWith(basi));
        QXmlStreamReader xml(icerik); // an SVG is well-formed XML with an <svg> root
        const bool svg = yazilir && yol.endsWith(QLatin1String(".svg"));
        QVERIFY(!svg || (xml.readNextStartElement() && xml.name() == QLatin1String("svg")));
        while (svg && !xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

    // An output named by a symbolic link to the database is refused, and the database stays whole.
    void aLinkToTheDatabaseIsNotWrittenThrough()
    {
        QTemporaryDir klasor;
        const QString vt = VeritabaniYolu(m_bin.path()), bag = klasor.filePath("a.svg");
        const auto oku = [&] { QFile f(vt); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); };
        const QByteArray once = oku();
        QVERIFY(QFile::link(vt, bag));
        const ProgramSonucu s = Calistir({"gantt", "ALFA", "--cikti", bag}, m_bin.filePath("kavrion-rapor"));
        QCOMPARE(s.durum, 1);
        QVERIFY2(IletisiYerinde(s, "Kavrion'un veritabanı; üzerine dışa aktarılamaz."), s.hata.constData());
        QCOMPARE(oku(), once);
    }

    // A team's server: veritabani-olustur makes the schema on an empty database, the
    // report reads it as it reads a file, and no message shows the password.
    void fromAServer()
    {
        SUNUCU_VERITABANI(sunucu);
        const QString adres = KalinacakAdres(sunucu.adres()) + QStringLiteral(" password=gizli-7q");
        QCOMPARE(Calistir({"--ornek", "--sunucu", adres}, YardimciProgram("veritabani-olustur")).durum, 0);
        const ProgramSonucu ikinci = Calistir({"--sunucu", adres}, YardimciProgram("veritabani-olustur"));
        QVERIFY(ikinci.durum == 1 && ikinci.hata.contains("zaten tablolar var") && !ikinci.hata.contains("gizli-7q"));
        const ProgramSonucu projeler = Calistir({"--sunucu", adres, "projeler"});
        QCOMPARE(projeler.durum, 0);
        QCOMPARE(QString::fromUtf8(projeler.cikti), QStringLiteral("ÖRNEK PROJE\n"));
        const ProgramSonucu cizelge = Calistir({"--sunucu", adres, "çizelge", "ÖRNEK PROJE", "--bicim", "json"});
        QCOMPARE(QJsonDocument::fromJson(cizelge.cikti)["faaliyetler"].toArray().size(), 4);
        // The sample is where the team starts, not a step anyone can undo.
        QCOMPARE(sunucu.Calistir({"DO $$ BEGIN IF EXISTS (SELECT 1 FROM GecmisAdimlari) THEN"
                                  " RAISE EXCEPTION 'adim var'; END IF; END $$"}), QString());
        const ProgramSonucu yok = Calistir({"--sunucu", adres + QStringLiteral(" dbname=yok_boyle"), "projeler"});
        QVERIFY2(IletisiYerinde(yok, "Hata 14: Sunucuya ulaşılamıyor."), yok.hata.constData());
        QVERIFY(!yok.hata.contains("gizli-7q"));
    }

private:
    GeciciVeritabani m_vt;
    QTemporaryDir m_bin;
};

QTEST_GUILESS_MAIN(KavrionRaporTest)
#include "tst_KavrionRapor.moc"
