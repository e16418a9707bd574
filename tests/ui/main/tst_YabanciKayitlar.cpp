// Rows another program wrote into Proje.mdb, without the checks our own schema
// makes: the main window shows the project, explains why it cannot be computed,
// and neither crashes, loops nor shows a box.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/Ozet.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"

#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

int denenen = 0;
int açıklanan = 0;

} // namespace

class ForeignRowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("rows written by another program: tried %1, shown with an explanation %2")
                    .arg(denenen).arg(açıklanan));
    }

    void projectIsShownAndExplained_data()
    {
        // Activities A (3 days), B and C (1 day, after A); the columns give B's
        // predecessors and duration and the project's start date as SQL values.
        QTest::addColumn<QString>("öncekiler");
        QTest::addColumn<QString>("süre");
        QTest::addColumn<QString>("başlama");
        QTest::addColumn<QString>("kritikYol");
        QTest::addColumn<QString>("başlamaKutusu");
        const QString tarih = QStringLiteral("'2026-03-01'");
        const QString gösterilen = QStringLiteral("1.03.2026");
        QTest::newRow("sound") << "'A'" << "2" << tarih << "A,B" << gösterilen;
        QTest::newRow("a code that does not exist")
            << "'X'" << "2" << tarih << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti X tanımlı değil." << gösterilen;
        QTest::newRow("a code after its activity")
            << "'C'" << "2" << tarih << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti C ondan sonra eklenmiş."
            << gösterilen;
        QTest::newRow("its own code") << "'B'" << "2" << tarih
                                      << "Hesaplanamıyor: B faaliyeti kendi önceki faaliyeti olamaz." << gösterilen;
        QTest::newRow("doubled comma") << "'A,,A'" << "2" << tarih
                                       << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti , tanımlı değil."
                                       << gösterilen;
        QTest::newRow("trailing comma")
            << "'A,'" << "2" << tarih << "Hesaplanamıyor: B faaliyetinin önceki faaliyet listesinde boş bir kod var."
            << gösterilen;
        QTest::newRow("blanks") << "' A'" << "2" << tarih
                                << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti   tanımlı değil." << gösterilen;
        QTest::newRow("lower case") << "'a'" << "2" << tarih
                                    << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti a tanımlı değil." << gösterilen;
        QTest::newRow("no predecessors") << "''" << "2" << tarih
                                         << "Hesaplanamıyor: B faaliyetinin önceki faaliyet listesinde boş bir kod var."
                                         << gösterilen;
        QTest::newRow("predecessors null") << "NULL" << "2" << tarih
                                           << "Hesaplanamıyor: B faaliyetinin önceki faaliyet listesinde boş bir kod var."
                                           << gösterilen;
        QTest::newRow("duration a word") << "'A'" << "'abc'" << tarih
                                         << "Hesaplanamıyor: B faaliyetinin süresi \"abc\" bir tam sayı değil."
                                         << gösterilen;
        QTest::newRow("duration null") << "'A'" << "NULL" << tarih
                                       << "Hesaplanamıyor: B faaliyetinin süresi \"\" bir tam sayı değil." << gösterilen;
        QTest::newRow("duration beyond 32 bits")
            << "'A'" << "10000000000" << tarih
            << "Hesaplanamıyor: B faaliyetinin süresi \"10000000000\" bir tam sayı değil." << gösterilen;
        QTest::newRow("duration with a fraction")
            << "'A'" << "2.5" << tarih << "Hesaplanamıyor: B faaliyetinin süresi \"2.5\" bir tam sayı değil."
            << gösterilen;
        QTest::newRow("start date a word") << "'A'" << "2" << "'yarın'" << "A,B" << "yarın";
        QTest::newRow("start date null") << "'A'" << "2" << "NULL" << "A,B" << "";
        QTest::newRow("31 February") << "'A'" << "2" << "'2026-02-31'" << "A,B" << "2026-02-31";
    }
    void projectIsShownAndExplained()
    {
        QFETCH(QString, öncekiler);
        QFETCH(QString, süre);
        QFETCH(QString, başlama);
        QFETCH(QString, kritikYol);
        QFETCH(QString, başlamaKutusu);
        ++denenen;

        QTemporaryDir dizin;
        const QString yol = VeritabanıYolu(dizin.path());
        QVERIFY(DosyadaÇalıştır(yol, {
            QStringLiteral("CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)"),
            QStringLiteral("CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi,"
                           " OngorulenSure, OncekiFaaliyet)"),
            QStringLiteral("INSERT INTO ProjeTablosu VALUES (1, 'YABANCI', %1, '2026-03-11')").arg(başlama),
            QStringLiteral("INSERT INTO FaaliyetlerTablosu VALUES (1, 'YABANCI', 'A', 'a', 3, '')"),
            QStringLiteral("INSERT INTO FaaliyetlerTablosu VALUES (2, 'YABANCI', 'B', 'b', %1, %2)").arg(süre, öncekiler),
            QStringLiteral("INSERT INTO FaaliyetlerTablosu VALUES (3, 'YABANCI', 'C', 'c', 1, 'A')"),
        }));
        const QString bağlantı = QStringLiteral("yabancı");
        QVERIFY(!ProjeDeposu::Aç(yol, bağlantı));
        {
            MesajKaydı kayıt;
            TemelForm pencere{ProjeDeposu(bağlantı)};
            pencere.ProjeListesi->Seç(0);
            QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
            QCOMPARE(pencere.KritikYolKutusu->text(), kritikYol);
            QCOMPARE(pencere.BaşlamaTarihiKutusu->text(), başlamaKutusu);
            QCOMPARE(pencere.FaaliyetlerListesi->topLevelItemCount(), 3);
            // Rows that could be worked out keep their figures: A always starts at 0.
            QCOMPARE(pencere.FaaliyetlerListesi->topLevelItem(0)->text(4), QStringLiteral("0"));
        }
        ProjeDeposu::Kapat(bağlantı);
        ++açıklanan;
    }
};

QTEST_MAIN(ForeignRowsTest)
#include "tst_YabanciKayitlar.moc"
