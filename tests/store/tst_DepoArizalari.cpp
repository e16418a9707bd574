// The store under failures planted through its fault seam: a failure at any statement
// of any command is returned as it is and leaves the file as it was, and a change or
// delete given a record another program has changed since is refused. The real faults
// that show the seam stands for what happens are in tst_CokmeGuvenligi.
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"
#include "store/ArizaNoktasi.h"

#include <QFile>
#include <QTest>
#include <functional>

namespace {

// What a window shows of ALFA, and acts on.
struct Gösterilen {
    KayıtlıProje proje;
    QVector<KayıtlıFaaliyet> faaliyetler;
};

Gösterilen Oku(const ProjeDeposu& d)
{
    Gösterilen g;
    if (d.ProjeOku(QStringLiteral("ALFA"), g.proje) || d.FaaliyetleriOku(QStringLiteral("ALFA"), g.faaliyetler))
        qFatal("ALFA could not be read");
    return g;
}

struct Komut {
    const char* ad;
    std::function<DepoHatası(const ProjeDeposu&, const Gösterilen&)> çalıştır;
};

const Komut Komutlar[] = {
    {"ProjeEkle", [](auto& d, auto&) { return d.ProjeEkle({"YENİ", QDate(2026, 4, 1), QDate(2026, 4, 9)}); }},
    {"ProjeDeğiştir", [](auto& d, auto& g) { return d.ProjeDeğiştir(g.proje, {"ALFA 2", QDate(2026, 1, 2), QDate(2026, 2, 3)}); }},
    {"ProjeSil", [](auto& d, auto& g) { return d.ProjeSil(g.proje); }},
    {"FaaliyetEkle", [](auto& d, auto&) { return d.FaaliyetEkle("ALFA", {"D", "yeni", 5, "B,C"}); }},
    {"FaaliyetDeğiştir", [](auto& d, auto& g) { return d.FaaliyetDeğiştir("ALFA", g.faaliyetler[1], {"B", "başka", 9, "A"}); }},
    {"SonFaaliyetiSil", [](auto& d, auto& g) { return d.SonFaaliyetiSil("ALFA", g.faaliyetler.last()); }},
    {"TümFaaliyetleriSil", [](auto& d, auto& g) { return d.TümFaaliyetleriSil("ALFA", g.faaliyetler); }},
};

const DepoHatası Planlanan = DepoHatası::yeni(10, QStringLiteral("Disk okunamadı (denemede kuruldu)."));

int planlanan = 0, değiştiren = 0, eskiKayıt = 0, eskiReddedilen = 0;
QStringList adımlar;

// Plants a failure at the command's 1st, 2nd, ... statement until it runs without
// meeting it: each planted run must return the planted error and leave the file as it
// was. `sonuç` is what the unplanted run returned, `adım` its number of statements.
void HerAdımdaArıza(const GeçiciVeritabanı& vt, const std::function<DepoHatası()>& komut, DepoHatası& sonuç, int& adım)
{
    const QStringList önce = vt.Satırlar();
    for (adım = 1;; ++adım) {
        QVERIFY2(adım < 100, "the command fails whatever statement the failure is planted at");
        ArizaNoktasi::Kur(adım, Planlanan);
        sonuç = komut();
        if (sonuç.numara != Planlanan.numara)
            break;
        ArizaNoktasi::Kaldır();
        ++planlanan;
        const QStringList sonra = vt.Satırlar();
        değiştiren += sonra != önce ? 1 : 0;
        QCOMPARE(sonuç.açıklama, Planlanan.açıklama);
        QCOMPARE(sonra, önce);
    }
    // Not met: it still waits for the next statement, so no failed statement was passed over.
    QStringList adlar;
    QCOMPARE(vt.depo().ProjeleriOku(adlar).numara, Planlanan.numara);
    ArizaNoktasi::Kaldır();
    --adım;
}

} // namespace

class StoreFaultTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ArizaNoktasi::Kaldır(); }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("store fault seam: failures planted %1, at every statement of the 7 writing commands "
                               "(statements: %2); files changed by a failed command %3; stale records tried %4, "
                               "refused with nothing written %5")
                    .arg(planlanan).arg(adımlar.join(", ")).arg(değiştiren).arg(eskiKayıt).arg(eskiReddedilen));
    }

    void everyFailedStatementIsReturnedAndNothingWritten_data()
    {
        QTest::addColumn<int>("komut");
        for (int i = 0; i < int(std::size(Komutlar)); ++i)
            QTest::newRow(Komutlar[i].ad) << i;
    }
    void everyFailedStatementIsReturnedAndNothingWritten()
    {
        QFETCH(int, komut);
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const QStringList önce = vt.Satırlar();
        const Gösterilen g = Oku(vt.depo());
        DepoHatası hata;
        int adım = 0;
        HerAdımdaArıza(vt, [&] { return Komutlar[komut].çalıştır(vt.depo(), g); }, hata, adım);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(!hata, qPrintable(hata.açıklama));
        QVERIFY(vt.Satırlar() != önce);
        adımlar << QStringLiteral("%1 %2").arg(Komutlar[komut].ad).arg(adım);
    }

    // Another program changes the rows after the window read them: the command given
    // the old record is refused, also when a statement of that refusal fails, and the
    // command given the record read again is carried out.
    void staleRecordsAreRefused_data()
    {
        QTest::addColumn<int>("komut");
        QTest::addColumn<QString>("sql");
        const QString tarih = "UPDATE ProjeTablosu SET BitisTarihi = '2026-02-01' WHERE ProjeAdi = 'ALFA'";
        const QString ekle = "INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet) "
                             "VALUES ('ALFA', 'D', 'd', 1, 'A')";
        const QString ekleSil = ekle + "; DELETE FROM FaaliyetlerTablosu WHERE Kodu = 'C'";
        QTest::newRow("project changed, change") << 1 << tarih;
        QTest::newRow("project changed, delete") << 2 << tarih;
        QTest::newRow("duration changed") << 4 << "UPDATE FaaliyetlerTablosu SET OngorulenSure = 9 WHERE Kodu = 'B'";
        QTest::newRow("activity deleted") << 4 << "DELETE FROM FaaliyetlerTablosu WHERE Kodu = 'B'";
        QTest::newRow("activity added, delete last") << 5 << ekle;
        QTest::newRow("last changed, delete last") << 5 << "UPDATE FaaliyetlerTablosu SET Adi = 'x' WHERE Kodu = 'C'";
        QTest::newRow("activity added, delete all") << 6 << ekle;
        QTest::newRow("one changed, delete all") << 6 << "UPDATE FaaliyetlerTablosu SET OncekiFaaliyet = 'B' WHERE Kodu = 'A'";
        QTest::newRow("one replaced, delete all") << 6 << ekleSil;
    }
    void staleRecordsAreRefused()
    {
        QFETCH(int, komut);
        QFETCH(QString, sql);
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const Gösterilen eski = Oku(vt.depo());
        QVERIFY(DosyadaÇalıştır(vt.yol(), sql.split("; ")));
        const QStringList önce = vt.Satırlar();
        DepoHatası hata;
        int adım = 0;
        HerAdımdaArıza(vt, [&] { return Komutlar[komut].çalıştır(vt.depo(), eski); }, hata, adım);
        if (QTest::currentTestFailed())
            return;
        ++eskiKayıt;
        eskiReddedilen += hata.numara == DepoHatası::Bulunamadı && vt.Satırlar() == önce ? 1 : 0;
        QCOMPARE(hata.numara, int(DepoHatası::Bulunamadı));
        QVERIFY(hata.açıklama.contains("başka bir yerde"));
        QCOMPARE(vt.Satırlar(), önce);
        const DepoHatası güncel = Komutlar[komut].çalıştır(vt.depo(), Oku(vt.depo()));
        QVERIFY2(!güncel, qPrintable(güncel.açıklama));
    }

    // A failed step is the store's error, never "not found", "no activities" or an empty list.
    void failedReadsReturnTheError()
    {
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        KayıtlıProje p;
        QVector<KayıtlıFaaliyet> fs;
        QStringList liste;
        QString kod;
        const std::function<DepoHatası()> okumalar[] = {
            [&] { return d.ProjeOku("ALFA", p); }, [&] { return d.ProjeOku("YOK", p); },
            [&] { return d.EnBüyükKodu("ALFA", kod); }, [&] { return d.EnBüyükKodu("YOK", kod); },
            [&] { return d.ProjeleriOku(liste); }, [&] { return d.FaaliyetleriOku("ALFA", fs); },
            [&] { return d.KodlarıOku("ALFA", liste); }};
        for (const auto& oku : okumalar) {
            ArizaNoktasi::Kur(1, Planlanan);
            QCOMPARE(oku().açıklama, Planlanan.açıklama);
        }
    }

    // A list whose reading fails after its first rows (a damaged page) is an error, not a shorter list.
    void readFailingPartWayIsReported()
    {
        GeçiciVeritabanı vt;
        QVERIFY(DosyadaÇalıştır(vt.yol(), {"WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < 5000) "
            "INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) SELECT 'PROJE ' || i, '2026-01-01', "
            "'2026-02-01' FROM s"}));
        // The first pages stay sound; the pages written last, where the last rows lie, are overwritten.
        QFile dosya(vt.yol());
        QVERIFY(dosya.open(QIODevice::ReadWrite) && dosya.seek(dosya.size() / 2));
        QVERIFY(dosya.write(QByteArray(int(dosya.size() - dosya.pos()), '\x5A')) > 0);
        dosya.close();
        QStringList adlar;
        QCOMPARE(vt.depo().ProjeleriOku(adlar).numara, 11);
    }
};

QTEST_GUILESS_MAIN(StoreFaultTest)
#include "tst_DepoArizalari.moc"
