// Start-up with a Proje.mdb that cannot serve: one box with the reason, no window,
// and not a byte created or changed.
#include "app/Baslangic.h"
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/DosyaIzinleri.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/Yereller.h"
#include "destek/Ozet.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"

#include <QApplication>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Bozukluk)

namespace {

int denenen = 0;
int atlatılan = 0;
int değişen = 0;

void BağlantılarıKapat()
{
    for (const QString& ad : QSqlDatabase::connectionNames()) {
        QSqlDatabase::database(ad, false).close();
        QSqlDatabase::removeDatabase(ad);
    }
}

bool PencereGörünüyor()
{
    for (QWidget* pencere : QApplication::topLevelWidgets()) {
        if (pencere->isVisible())
            return true;
    }
    return false;
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }
    void cleanup() { BağlantılarıKapat(); }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("start-up faults: injected %1, survived %2, folders with a file created or changed %3")
                    .arg(denenen).arg(atlatılan).arg(değişen));
    }

    void brokenDatabaseEndsWithOneBox_data()
    {
        QTest::addColumn<Bozukluk>("bozukluk");
        QTest::addColumn<QString>("metin");
        const QString açılamadı = QStringLiteral("Hata 14: Veritabanı dosyası açılamadı: dosya yok ya da erişilemiyor.");
        const QString tablosuz = QStringLiteral("Hata 1: Veritabanında ProjeTablosu tablosu yok. "
                                                "Dosya bir Kavrion veritabanı değil.");
        QTest::newRow("missing") << Bozukluk::Yok << açılamadı;
        QTest::newRow("a folder") << Bozukluk::Klasör << açılamadı;
        QTest::newRow("empty file") << Bozukluk::Boş << tablosuz;
        QTest::newRow("random bytes") << Bozukluk::Çöp
                                      << QStringLiteral("Hata 26: Dosya bir veritabanı değil.");
        QTest::newRow("no tables") << Bozukluk::Tablosuz << tablosuz;
        QTest::newRow("a column missing")
            << Bozukluk::SütunuEksik
            << QStringLiteral("Hata 1: Veritabanındaki FaaliyetlerTablosu tablosunda OncekiFaaliyet sütunu yok.");
        QTest::newRow("no row number column")
            << Bozukluk::KimliksizTablo
            << QStringLiteral("Hata 1: Veritabanındaki ProjeTablosu tablosunda Kimlik sütunu yok.");
        QTest::newRow("no read permission") << Bozukluk::Okunamaz << açılamadı;
        QTest::newRow("locked exclusively")
            << Bozukluk::ÖzelKilitli
            << QStringLiteral("Hata 5: Veritabanı başka bir program tarafından kullanılıyor (kilitli). "
                              "Biraz sonra yeniden deneyin.");
    }
    void brokenDatabaseEndsWithOneBox()
    {
        QFETCH(Bozukluk, bozukluk);
        QFETCH(QString, metin);
        QTemporaryDir dizin;
        const BozukVeritabanı bozuk(dizin.path(), bozukluk);
        QVERIFY(bozuk.hazır());
        const QStringList önce = KlasörGörünümü(dizin.path());
        ++denenen;

        MesajKaydı kayıt;
        {
            const DosyaİzinleriGeçerli izinler;
            QVERIFY(!Başlat(dizin.path()));
        }
        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().başlık, QStringLiteral("Kavrion"));
        QCOMPARE(kayıt.son().simge, QMessageBox::Critical);
        QCOMPARE(kayıt.son().metin, metin);
        QVERIFY(!PencereGörünüyor());
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
        const QStringList sonra = KlasörGörünümü(dizin.path());
        değişen += sonra == önce ? 0 : 1;
        QCOMPARE(sonra, önce);
        ++atlatılan;
    }

    // The file beside the executable, read-only, opens for reading; a command that
    // writes is then refused with one box and the file stays as it was.
    void readOnlyFileOpensAndRefusesWrites()
    {
        QTemporaryDir dizin;
        const BozukVeritabanı bozuk(dizin.path(), Bozukluk::SaltOkunur);
        QVERIFY(bozuk.hazır());
        const QStringList önce = KlasörGörünümü(dizin.path());
        ++denenen;

        MesajKaydı kayıt;
        const DosyaİzinleriGeçerli izinler;
        const auto pencere = Başlat(dizin.path());
        QVERIFY(pencere && pencere->isVisible());
        QCOMPARE(kayıt.sayı(), 0);
        QCOMPARE(pencere->ProjeListesi->Metinler(), QStringList{"ALFA"});
        pencere->ProjeListesi->Seç(0);
        QTest::mouseClick(pencere->ProjeSilDüğmesi, Qt::LeftButton);
        QCOMPARE(kayıt.hatalar(), QStringList{"Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör "
                                              "salt okunur."});
        QCOMPARE(pencere->ProjeListesi->Metinler(), QStringList{"ALFA"});
        const QStringList sonra = KlasörGörünümü(dizin.path());
        değişen += sonra == önce ? 0 : 1;
        QCOMPARE(sonra, önce);
        ++atlatılan;
    }

    void qtTextsAreTurkish()
    {
        TürkçeArayüzüYükle(*qApp);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Evet"));
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_Baslangic.moc"
