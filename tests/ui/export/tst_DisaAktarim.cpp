// "Dışa Aktar…" from the keyboard of either window: the file the user named is written
// in the format asked for, a failure is one box and leaves any old file and the plan as they were.
#include "destek/DosyaIzinleri.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/export/DisaAktarim.h"
#include "ui/main/TemelForm.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using DisaAktarim::Biçim;

namespace {

QByteArray Oku(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray("(yok)");
}

void Yaz(const QString& yol, const QByteArray& içerik)
{
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    dosya.write(içerik);
}

// Answers the save dialog with `yol` and `biçim`'s filter, and counts how often it was asked.
struct Yanıtlayan {
    Yanıtlayan(const QString& yol, Biçim biçim)
    {
        DisaAktarim::SorucuKur([=](QWidget*, const QString&) {
            ++soruldu;
            return std::optional<DisaAktarim::Seçim>({yol, biçim});
        });
    }
    ~Yanıtlayan() { DisaAktarim::SorucuKur({}); }
    int soruldu = 0;
};

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(Türkçe);
    }
    void cleanup() { QSettings().clear(); }

    void writesTheFileInTheFormatAsked_data()
    {
        QTest::addColumn<bool>("analizden"); // from the analysis window, else the main window
        QTest::addColumn<QString>("ad");     // as typed in the dialog
        QTest::addColumn<Biçim>("süzgeç");
        QTest::addColumn<QString>("dosya"); // what is written
        QTest::addColumn<QByteArray>("başı");
        QTest::newRow("CSV, extension added") << false << "plan" << Biçim::Csv << "plan.csv" << QByteArray("\xEF\xBB\xBF" "Kodu;");
        QTest::newRow("typed extension wins") << false << "plan.pdf" << Biçim::Csv << "plan.pdf" << QByteArray("%PDF");
        QTest::newRow("SVG from the analysis window") << true << "g.svg" << Biçim::Svg << "g.svg" << QByteArray("<?xml");
        QTest::newRow("PNG") << true << "g" << Biçim::Png << "g.png" << QByteArray("\x89PNG");
    }
    void writesTheFileInTheFormatAsked()
    {
        QFETCH(bool, analizden);
        QFETCH(QString, ad);
        QFETCH(Biçim, süzgeç);
        QFETCH(QString, dosya);
        QFETCH(QByteArray, başı);
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const QByteArray plan = Oku(vt.yol());
        QTemporaryDir hedef;
        Yanıtlayan yanıtlayan(hedef.filePath(ad), süzgeç);
        MesajKaydı kutular;
        TemelForm ana(vt.depo());
        ProjeyiSeç(ana, "ALFA");
        QWidget* pencere = &ana;
        if (analizden) {
            ana.AnalizPenceresiniAç();
            pencere = ana.AçıkAnalizPenceresi();
        }
        QVERIFY(ÖneGetirVeBekle(pencere));
        QTest::keyClick(pencere, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(yanıtlayan.soruldu, 1);
        QCOMPARE(kutular.sayı(), 0);
        QVERIFY2(Oku(hedef.filePath(dosya)).startsWith(başı), qPrintable(Oku(hedef.filePath(dosya)).left(20)));
        QCOMPARE(QDir(hedef.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(Oku(vt.yol()), plan);
    }

    void aFailureLeavesEveryFileAsItWas_data()
    {
        QTest::addColumn<QString>("hedef"); // under the test's folder; "<vt>" is the plan itself
        QTest::addColumn<QString>("kutu");
        QTest::newRow("read-only folder") << "salt/eski.csv" << "Hata 8: \"%1/salt\" klasörü salt okunur; dosya yazılamadı.";
        QTest::newRow("the database itself") << "<vt>" << "Hata 8: \"%1/Proje.mdb\" Kavrion'un veritabanı; üzerine dışa aktarılamaz.";
        QTest::newRow("no such folder") << "yok/eski.csv" << "Hata 14: \"%1/yok\" klasörü yok; dosya yazılamadı.";
        QTest::newRow("a folder's name") << "d.csv" << "Hata 14: \"%1/d.csv\" bir klasör; üzerine dosya yazılamaz.";
    }
    void aFailureLeavesEveryFileAsItWas()
    {
        QFETCH(QString, hedef);
        QFETCH(QString, kutu);
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const QString klasör = vt.klasör();
        QVERIFY(QDir(klasör).mkdir("salt") && QDir(klasör).mkdir("d.csv"));
        Yaz(klasör + "/salt/eski.csv", "eski");
        QVERIFY(QFile::setPermissions(klasör + "/salt", QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray plan = Oku(vt.yol());
        const QString yol = hedef == "<vt>" ? vt.yol() : klasör + '/' + hedef;
        Yanıtlayan yanıtlayan(yol, Biçim::Csv);
        MesajKaydı kutular;
        TemelForm ana(vt.depo());
        ProjeyiSeç(ana, "ALFA");
        QVERIFY(ÖneGetirVeBekle(&ana));
        {
            const DosyaİzinleriGeçerli izinler;
            QTest::keyClick(&ana, Qt::Key_E, Qt::ControlModifier);
        }
        QCOMPARE(kutular.hatalar(), QStringList{kutu.arg(klasör)});
        QCOMPARE(Oku(klasör + "/salt/eski.csv"), QByteArray("eski"));
        QCOMPARE(QDir(klasör + "/salt").entryList(QDir::Files | QDir::Hidden), QStringList{"eski.csv"});
        QCOMPARE(Oku(vt.yol()), plan);
        QFile::setPermissions(klasör + "/salt", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void withNoProjectNothingIsAsked()
    {
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        Yanıtlayan yanıtlayan(vt.klasör() + "/x.csv", Biçim::Csv);
        MesajKaydı kutular;
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(yanıtlayan.soruldu, 0);
        QCOMPARE(kutular.son().metin, QStringLiteral("Dışa aktarmak ya da yazdırmak için önce bir proje seçin."));
    }
};

QTEST_MAIN(ExportTest)
#include "tst_DisaAktarim.moc"
