// ctest-sunucu
// veritabani-olustur as people and scripts start it: asked for help, given a mistyped
// option or a file whose name starts with "-". It makes the one file it is asked for,
// or none, and never touches a file that is there; it updates a server an older
// version set up, whole or not at all.
#include "destek/SunucuVeritabani.h"
#include "destek/YardimciProgram.h"
#include "store/GeciciBaglanti.h"
#include "store/Sema.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

ProgramSonucu Olustur(const QString& klasor, const QStringList& argumanlar)
{
    return ProgramiCalistir(YardimciProgram(QStringLiteral("veritabani-olustur")), argumanlar, klasor);
}

// The first value `sql` reads on the server, as its superuser.
QString Deger(const SunucuVeritabani& vt, const QString& sql)
{
    const GeciciBaglanti baglanti(vt.adres(), ProjeDeposu::Acilis::Ham);
    QSqlQuery sorgu(baglanti.vt());
    return sorgu.exec(sql) && sorgu.next() ? sorgu.value(0).toString() : QStringLiteral("okunamadı");
}

} // namespace

class VeritabaniOlusturTest : public QObject {
    Q_OBJECT

private slots:
    void oneFileOrNone_data()
    {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QByteArray>("cikti");      // how standard output begins
        QTest::addColumn<QByteArray>("hata");       // how standard error begins
        QTest::addColumn<QStringList>("dosyalar");  // what the folder holds afterwards
        QTest::addColumn<int>("projeSayisi");       // in the file made

        const QByteArray kullanim = "Kullanım: veritabani-olustur";
        QTest::newRow("help") << QStringList{"--help"} << 0 << kullanim << QByteArray() << QStringList() << 0;
        QTest::newRow("help beside a name") << QStringList{"a.mdb", "-h"} << 0 << kullanim << QByteArray()
                                            << QStringList() << 0;
        QTest::newRow("mistyped option") << QStringList{"--ornk", "a.mdb"} << 1 << QByteArray() << kullanim
                                         << QStringList() << 0;
        QTest::newRow("mistyped option alone") << QStringList{"--ornk"} << 1 << QByteArray() << kullanim
                                               << QStringList() << 0;
        QTest::newRow("a server and a file") << QStringList{"--sunucu", "host=/yok", "a.mdb"} << 1 << QByteArray()
                                             << kullanim << QStringList() << 0;
        QTest::newRow("an update of a file") << QStringList{"--guncelle", "a.mdb"} << 1 << QByteArray() << kullanim
                                             << QStringList() << 0;
        QTest::newRow("an update with a role") << QStringList{"--sunucu", "host=/yok", "--guncelle", "--rol", "r"} << 1
                                               << QByteArray() << kullanim << QStringList() << 0;
        QTest::newRow("two names") << QStringList{"a.mdb", "b.mdb"} << 1 << QByteArray() << kullanim
                                   << QStringList() << 0;
        QTest::newRow("a name") << QStringList{"a.mdb"} << 0 << QByteArray() << QByteArray()
                                << QStringList{"a.mdb"} << 0;
        QTest::newRow("a name starting with -") << QStringList{"--", "-a.mdb"} << 0 << QByteArray() << QByteArray()
                                                << QStringList{"-a.mdb"} << 0;
        QTest::newRow("sample, the name --help") << QStringList{"--ornek", "--", "--help"} << 0 << QByteArray()
                                                 << QByteArray() << QStringList{"--help"} << 1;
    }

    void oneFileOrNone()
    {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, durum);
        QFETCH(QByteArray, cikti);
        QFETCH(QByteArray, hata);
        QFETCH(QStringList, dosyalar);
        QFETCH(int, projeSayisi);
        QTemporaryDir klasor;
        const ProgramSonucu s = Olustur(klasor.path(), argumanlar);
        QCOMPARE(s.durum, durum);
        QVERIFY2(s.cikti.startsWith(cikti) && s.cikti.isEmpty() == cikti.isEmpty(), s.cikti.constData());
        QVERIFY2(s.hata.startsWith(hata) && s.hata.isEmpty() == hata.isEmpty(), s.hata.constData());
        QCOMPARE(QDir(klasor.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), dosyalar);
        for (const QString& dosya : dosyalar) {
            const GeciciBaglanti baglanti(QDir(klasor.path()).filePath(dosya));
            QVERIFY2(!baglanti.hata(), qPrintable(baglanti.hata().aciklama));
            QStringList adlar;
            QVERIFY(!baglanti.depo().ProjeleriOku(adlar));
            QCOMPARE(adlar.size(), projeSayisi);
            // The sample is whole, and a new user's first Ctrl+Z finds nothing of it to take away.
            QVector<KayitliFaaliyet> faaliyetler;
            QVERIFY(adlar.isEmpty() || (!baglanti.depo().FaaliyetleriOku(adlar.first(), faaliyetler)
                                        && faaliyetler.size() == 4));
            QVector<GecmisAdimi> adimlar;
            QVERIFY(!baglanti.depo().GecmisiOku(adimlar));
            QCOMPARE(adimlar.size(), 0);
        }
    }

    void aFileThatIsThereIsLeftAsItWas()
    {
        QTemporaryDir klasor;
        const QString yol = QDir(klasor.path()).filePath(QStringLiteral("Proje.mdb"));
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write("kullanıcının dosyası") > 0);
        dosya.close();
        const ProgramSonucu s = Olustur(klasor.path(), {QStringLiteral("Proje.mdb")});
        QCOMPARE(s.durum, 1);
        QVERIFY2(s.hata.contains("zaten var; üzerine yazılmaz."), s.hata.constData());
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        QCOMPARE(dosya.readAll(), QByteArray("kullanıcının dosyası"));
        // Nor is the file made to take its name left beside it.
        QCOMPARE(QDir(klasor.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Proje.mdb"});
    }

    // A server set up by the version before the calendars, with rows and a role: the
    // application refuses it and names the update; an update that fails part-way leaves
    // it as it was; then it keeps every row and its role takes a calendar change; a
    // second update, or one of a newer server, changes nothing.
    void anOlderServerIsUpdatedWhole()
    {
        SUNUCU_VERITABANI(vt);
        const QString rol = vt.YeniRolAdi(), parola = QStringLiteral("Parola 95");
        const QStringList guncelle{"--sunucu", KalinacakAdres(vt.adres()), "--guncelle"};
        QCOMPARE(Olustur({}, {"--ornek", "--sunucu", KalinacakAdres(vt.adres()), "--rol", rol}).durum, 0);
        QCOMPARE(vt.Calistir({QStringLiteral("ALTER ROLE %1 PASSWORD '%2'").arg(rol, parola),
                              "DROP TABLE TakvimTablosu, TakvimIstisnalariTablosu",
                              "DROP FUNCTION GecmisTakvimTablosu(), GecmisTakvimIstisnalariTablosu()",
                              "UPDATE KavrionSurumu SET Surum = 3"}), QString());
        const QString satirlar = QStringLiteral("SELECT string_agg(Kodu || Adi || OngorulenSure, ',' ORDER BY Kodu)"
                                                " || (SELECT string_agg(ProjeAdi, ',') FROM ProjeTablosu)"
                                                " FROM FaaliyetlerTablosu");
        const QString once = Deger(vt, satirlar);
        QVERIFY2(once.endsWith(QStringLiteral("ÖRNEK PROJE")), qPrintable(once));
        SunucuAdresi adres = vt.adres();
        adres.kullanici = rol;
        adres.parola = parola;
        QVERIFY(GeciciBaglanti(adres).hata().aciklama.endsWith("--guncelle\" ile güncelleyebilir."));

        // A function left where a trigger's goes: the table made before it is gone again.
        QCOMPARE(vt.Calistir({"CREATE FUNCTION GecmisTakvimIstisnalariTablosu() RETURNS int LANGUAGE sql"
                              " AS $$ SELECT 1 $$"}), QString());
        ProgramSonucu s = Olustur({}, guncelle);
        QVERIFY2(s.durum == 1 && s.hata.contains("şema güncellenemedi: Hata"), s.hata.constData());
        const QString surumVeTablo = "SELECT max(Surum) || ' ' || (to_regclass('takvimtablosu') IS NULL) FROM KavrionSurumu";
        QCOMPARE(Deger(vt, surumVeTablo), QStringLiteral("3 true"));
        QCOMPARE(vt.Calistir({"DROP FUNCTION GecmisTakvimIstisnalariTablosu()"}), QString());

        s = Olustur({}, guncelle);
        QVERIFY2(s.durum == 0 && s.cikti.contains(QStringLiteral("güncellendi: sürüm 3 → %1").arg(Sema::Surum).toUtf8()),
                 s.cikti.constData());
        QCOMPARE(Deger(vt, satirlar), once);
        {
            const GeciciBaglanti guncel(adres);
            QVERIFY2(!guncel.hata(), qPrintable(guncel.hata().aciklama));
            ProjeTakvimi takvim;
            takvim.tur = TakvimTuru::PazartesiCuma;
            GecmisAdimi adim;
            QVERIFY(!guncel.depo().TakvimDegistir(QStringLiteral("ÖRNEK PROJE"), {}, takvim));
            QVERIFY(!guncel.depo().GeriAl(adim));
            QCOMPARE(Deger(vt, "SELECT count(*) FROM TakvimTablosu"), QStringLiteral("0"));
            QVERIFY(!guncel.depo().Yinele(adim));
        }
        s = Olustur({}, guncelle);
        QVERIFY2(s.durum == 0 && s.cikti.contains("zaten güncel"), s.cikti.constData());
        QCOMPARE(Deger(vt, "SELECT Turu FROM TakvimTablosu"), QStringLiteral("pazartesi-cuma"));
        QCOMPARE(vt.Calistir({QStringLiteral("UPDATE KavrionSurumu SET Surum = %1").arg(Sema::Surum + 1)}), QString());
        s = Olustur({}, guncelle);
        QVERIFY2(s.durum == 1 && s.hata.contains("daha yeni bir sürümüne ait"), s.hata.constData());
    }
};

QTEST_GUILESS_MAIN(VeritabaniOlusturTest)
#include "tst_VeritabaniOlustur.moc"
