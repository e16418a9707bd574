#include "app/Baslangic.h"
#include "destek/GeciciVeritabani.h"
#include "destek/MesajKaydi.h"
#include "ui/main/TemelForm.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void missingDatabaseIsReportedAndNotCreated()
    {
        QTemporaryDir dizin;
        MesajKaydı kayıt;
        QVERIFY(!Başlat(dizin.path()));
        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().başlık, QStringLiteral("Kavrion"));
        QVERIFY(kayıt.son().metin.startsWith(QStringLiteral("Hata 14: ")));
        QCOMPARE(kayıt.son().simge, QMessageBox::Critical);
        QVERIFY(QDir(dizin.path()).isEmpty());
    }

    void opensTheDatabaseBesideTheExecutable()
    {
        QTemporaryDir dizin;
        ŞemadanOluştur(VeritabanıYolu(dizin.path()));
        MesajKaydı kayıt;
        {
            auto pencere = Başlat(dizin.path());
            QVERIFY(pencere);
            QVERIFY(pencere->isVisible());
            QCOMPARE(pencere->ProjeListesi->count(), 0);
            QCOMPARE(kayıt.sayı(), 0);
        }
        // The application keeps its one connection for life; a test process must let it go.
        for (const QString& ad : QSqlDatabase::connectionNames())
            QSqlDatabase::removeDatabase(ad);
    }

    void qtTextsAreTurkish()
    {
        TürkçeArayüzüYükle(*qApp);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Evet"));
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_Baslangic.moc"
