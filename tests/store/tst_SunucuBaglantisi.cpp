// Connecting to the test server through BaglantiyaUygula: the private server and a fresh
// database of its own work, and a wrong password is refused without being repeated. A
// server stopped under a command and started again, and the least-privilege role that
// veritabani-olustur makes, its password in no output.
// ctest-etiket: guvenilirlik
// ctest-sunucu
#include "destek/GeciciVeritabani.h"
#include "destek/SunucuVeritabani.h"
#include "destek/YardimciProgram.h"
#include "destek/YazimKomutlari.h"
#include "store/Sema.h"

#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

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

// A server of the test's own (scripts/pg-sunucu.sh), for stopping it: removed at the end.
class KendiSunucusu {
public:
    KendiSunucusu() { m_hazir = m_dizin.isValid() && Betik("baslat"); }
    ~KendiSunucusu() { Betik("durdur"); }
    bool hazir() const { return m_hazir; }
    // The script's command, run now or, as a process to wait for, after `gecikme` seconds.
    bool Betik(const QString& islem) const { return QProcess::execute("bash", Argumanlar(islem)) == 0; }
    QStringList Argumanlar(const QString& islem, const QString& gecikme = "0") const
    {
        return {"-c", "sleep " + gecikme + " && exec bash \"$0\" \"$1\" \"$2\"",
                qEnvironmentVariable("KAVRION_PG_BETIGI"), islem, m_dizin.filePath("pg")};
    }
    // Its superuser on the database `ad`.
    SunucuAdresi adres(const QString& ad) const
    {
        SunucuAdresi adres;
        adres.sunucu = QFileInfo(m_dizin.filePath("pg")).canonicalFilePath();
        adres.kullanici = QStringLiteral("kavrion");
        adres.veritabani = ad;
        return adres;
    }

private:
    QTemporaryDir m_dizin;
    bool m_hazir = false;
};

// A tool run with --sunucu: its exit status and all it printed.
QPair<int, QString> AracCalistir(const QString& arac, const QString& baglanti, const QStringList& secenekler = {})
{
    const ProgramSonucu s = ProgramiCalistir(YardimciProgram(arac), QStringList{"--sunucu", baglanti} + secenekler);
    return {s.durum, QString::fromUtf8(s.cikti + s.hata)};
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

    // The server stopped (pg_ctl stop -m fast) while a command waits inside its transaction,
    // its row written: the command fails with box 14, and so does one while it is down.
    // Started again: the same connection works, and holds nothing of the command cut short.
    void aServerStoppedAndStartedFailsTheCommandThenWorksAgain()
    {
        if (qEnvironmentVariableIsEmpty("KAVRION_PG_BETIGI"))
            QSKIP("KAVRION_PG_BETIGI ayarlı değil: sunucu testleri ctest ile çalışır");
        const KendiSunucusu sunucu;
        QVERIFY(sunucu.hazir());
        QCOMPARE(SunucudaCalistir(sunucu.adres("postgres"), {"CREATE DATABASE plan"}), QString());
        const SunucuAdresi adres = sunucu.adres("plan");
        {
            const GeciciBaglanti kurulum(adres, ProjeDeposu::Acilis::Ham);
            QSqlDatabase vt = kurulum.vt();
            QVERIFY(!kurulum.hata() && !Sema::Kur(vt));
        }
        QCOMPARE(SunucudaCalistir(adres, {"CREATE FUNCTION Yavas() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
                                          " PERFORM pg_sleep(CASE WHEN NEW.Adi = 'yavaş' THEN 30 ELSE 0 END);"
                                          " RETURN NULL; END $$",
                                          "CREATE TRIGGER Yavas AFTER INSERT ON FaaliyetlerTablosu"
                                          " FOR EACH ROW EXECUTE FUNCTION Yavas()"}), QString());
        const GeciciBaglanti baglanti(adres, ProjeDeposu::Acilis::Denetle, QStringLiteral("ben"));
        const ProjeDeposu depo = baglanti.depo();
        QVERIFY(!baglanti.hata() && !depo.ProjeEkle({"ALFA", QDate(2026, 1, 1), QDate(2026, 1, 31)}));

        QProcess durdurma;
        durdurma.start("bash", sunucu.Argumanlar("durakla", "1"));
        const DepoHatasi kesilen = depo.FaaliyetEkle("ALFA", {"A", "yavaş", 3, ""});
        QVERIFY(durdurma.waitForFinished(60000) && durdurma.exitCode() == 0);
        QCOMPARE(kesilen.numara, int(DepoHatasi::Ulasilamiyor));
        QVERIFY2(kesilen.aciklama.startsWith("Sunucuya ulaşılamıyor."), qPrintable(kesilen.aciklama));
        QStringList projeler;
        QCOMPARE(depo.ProjeleriOku(projeler).numara, int(DepoHatasi::Ulasilamiyor));

        QVERIFY(sunucu.Betik("surdur"));
        QVector<KayitliFaaliyet> faaliyetler;
        QVector<GecmisAdimi> adimlar;
        QVERIFY(!depo.ProjeleriOku(projeler) && !depo.FaaliyetleriOku("ALFA", faaliyetler) && !depo.GecmisiOku(adimlar));
        QCOMPARE(projeler, QStringList{"ALFA"});
        QCOMPARE(faaliyetler.size(), 0);
        QCOMPARE(adimlar.size(), 1);
        QVERIFY(!depo.FaaliyetEkle("ALFA", {"A", "a", 3, ""}));
        GecmisAdimi adim;
        QVERIFY(!depo.GeriAl(adim) && adim.tur == AdimTuru::FaaliyetEkle);
    }

    // veritabani-olustur --rol on a fresh database, the role given a password by the
    // superuser: through it every store command works, no table can be made, dropped,
    // emptied or changed, and the password is in no output, failed or not (the messages
    // of a schema already there are in tst_KavrionRapor).
    void theLeastPrivilegeRoleWritesRowsOnly()
    {
        SUNUCU_VERITABANI(vt);
        const QString parola = QStringLiteral("Gizli Parola 93"), yanlis = QStringLiteral("Yanlis Parola 94");
        const auto parolali = [](const SunucuAdresi& adres, const QString& p) {
            return KalinacakAdres(adres) + " password='" + p + "'";
        };
        const auto gizli = [&](const QString& metin) { return !metin.contains("Parola 9"); };
        const QString rol = vt.YeniRolAdi();
        // The superuser is trusted on the socket: the password given is only to be hidden.
        auto [durum, cikti] = AracCalistir("veritabani-olustur", parolali(vt.adres(), parola), {"--rol", rol});
        QVERIFY2(durum == 0 && gizli(cikti), qPrintable(cikti));
        QCOMPARE(vt.Calistir({QStringLiteral("ALTER ROLE %1 PASSWORD '%2'").arg(rol, parola)}), QString());

        SunucuAdresi adres = vt.adres();
        adres.kullanici = rol;
        std::tie(durum, cikti) = AracCalistir("veritabani-olustur", parolali(adres, yanlis));
        QVERIFY2(durum == 1 && cikti.contains("Hata 23") && gizli(cikti), qPrintable(cikti));
        std::tie(durum, cikti) = AracCalistir("kavrion-rapor", parolali(adres, yanlis), {"projeler"});
        QVERIFY2(durum == 1 && cikti.contains("Hata 23") && gizli(cikti), qPrintable(cikti));
        adres.parola = yanlis;
        const GeciciBaglanti reddedilen(adres);
        QCOMPARE(reddedilen.hata().numara, int(DepoHatasi::Yetki));
        QVERIFY(gizli(reddedilen.hata().aciklama + reddedilen.hata().ayrinti));

        // Every command through the password in PGPASSWORD, each undone, redone and undone.
        adres.parola.clear();
        qputenv("PGPASSWORD", parola.toUtf8());
        {
            const GeciciBaglanti baglanti(adres, ProjeDeposu::Acilis::Denetle, rol);
            qunsetenv("PGPASSWORD");
            const ProjeDeposu d = baglanti.depo();
            QVERIFY2(!baglanti.hata(), qPrintable(baglanti.hata().aciklama));
            OrnekProjeler(d);
            for (const YazimKomutu& komut : YazimKomutlari) {
                GecmisAdimi adim;
                QVERIFY2(!komut.calistir(d, AlfaOku(d)), komut.ad);
                QVERIFY2(!d.GeriAl(adim) && !d.Yinele(adim) && !d.GeriAl(adim), komut.ad);
            }
            const Gosterilen alfa = AlfaOku(d);
            QVERIFY(!d.SureleriDegistir("ALFA", alfa.faaliyetler, {5, 6, 7}));
            QVector<GecmisAdimi> adimlar;
            GecmisAdimi geri, ileri;
            QHash<QString, UcNoktaTahmini> tahminler;
            Dagilim dagilim{};
            QVERIFY(!d.GecmisiOku(adimlar) && !d.KomsuAdimlar(geri, ileri) && !d.TahminleriOku("ALFA", tahminler)
                    && !d.DagilimOku("ALFA", dagilim));
        }
        std::tie(durum, cikti) = AracCalistir("kavrion-rapor", parolali(adres, parola), {"projeler"});
        QVERIFY2(durum == 0 && cikti == "ALFA\nBETA\n", qPrintable(cikti));
        // Through the password in the address: rows, but no table made, dropped, emptied or changed.
        adres.parola = parola;
        for (const char* sql : {"CREATE TABLE x (a int)", "DROP TABLE ProjeTablosu", "TRUNCATE ProjeTablosu",
                                   "ALTER TABLE ProjeTablosu ADD COLUMN x int", "CREATE SCHEMA x",
                                   "DROP TRIGGER GecmisProjeTablosu ON ProjeTablosu", "UPDATE KavrionSurumu SET Surum = 9"}) {
            const QString hata = SunucudaCalistir(adres, {sql});
            QVERIFY2(hata.contains("permission denied") || hata.contains("must be owner"), qPrintable(sql + (": " + hata)));
        }
        QCOMPARE(SunucudaCalistir(adres, {"SELECT count(*) FROM ProjeTablosu", "DELETE FROM GecmisAdimlari"}), QString());
    }
};

QTEST_GUILESS_MAIN(ServerConnectionTest)
#include "tst_SunucuBaglantisi.moc"
