// Connecting to the test server through BaglantiyaUygula: the private server and a fresh
// database of its own work, and a wrong password is refused without being repeated.
// ctest-etiket: guvenilirlik
// ctest-sunucu
#include "destek/SunucuVeritabani.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Opens a QPSQL connection to `adres` and reads one value: the value, or the error's text.
QString IlkDeger(const SunucuAdresi& adres, const QString& sorgu, bool* acildi = nullptr)
{
    QString sonuc;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("deneme"));
        const DepoHatasi hata = BaglantiyaUygula(adres, vt);
        const bool acik = !hata && vt.open();
        if (acildi)
            *acildi = acik;
        QSqlQuery okuma(vt);
        sonuc = hata ? hata.aciklama
                : !acik ? vt.lastError().text()
                : okuma.exec(sorgu) && okuma.next() ? okuma.value(0).toString()
                                                      : okuma.lastError().text();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("deneme"));
    return sonuc;
}

} // namespace

class ServerConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void connectsToAFreshDatabase()
    {
        SUNUCU_VERITABANI(vt);
        QCOMPARE(IlkDeger(vt.adres(), QStringLiteral("SELECT 1")), QStringLiteral("1"));
        QCOMPARE(IlkDeger(vt.adres(), QStringLiteral("SELECT current_database()")), vt.ad());
        QCOMPARE(IlkDeger(vt.adres(), QStringLiteral("SHOW application_name")), QStringLiteral("Kavrion"));
        QCOMPARE(vt.Calistir({QStringLiteral("CREATE TABLE t (a int)")}), QString());
    }

    // A password with blanks, quotes and a backslash reaches libpq whole; a wrong one is refused
    // with a message that does not hold it.
    void aWrongPasswordIsRefusedUnrepeated()
    {
        SUNUCU_VERITABANI(vt);
        const QString parola = QStringLiteral(R"(doğru 'parola' \ ; x)");
        SunucuAdresi adres = vt.adres();
        adres.kullanici = vt.RolOlustur(parola);
        QVERIFY(!adres.kullanici.isEmpty());
        adres.parola = parola;
        QCOMPARE(IlkDeger(adres, QStringLiteral("SELECT current_user")), adres.kullanici);

        adres.parola = QStringLiteral("yanlışParola42");
        bool acildi = true;
        const QString hata = IlkDeger(adres, QStringLiteral("SELECT 1"), &acildi);
        QVERIFY(!acildi);
        QVERIFY2(hata.contains(QLatin1String("password authentication failed")), qPrintable(hata));
        QVERIFY(!hata.contains(adres.parola) && !hata.contains(QLatin1String("Parola42")));
        QVERIFY(!GosterilecekAdres(adres).contains(QLatin1String("Parola42")));
    }
};

QTEST_GUILESS_MAIN(ServerConnectionTest)
#include "tst_SunucuBaglantisi.moc"
