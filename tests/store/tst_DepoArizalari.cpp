// The store under failures planted through its fault seam: a failure at any statement
// of any command is returned as it is and leaves the file as it was, and a change or
// delete given a record another program has changed since is refused. The real faults
// that show the seam stands for what happens are in tst_CokmeGuvenligi.
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"
#include "destek/YazimKomutlari.h"
#include "store/ArizaNoktasi.h"

#include <QFile>
#include <QTest>
#include <functional>
#include <optional>

namespace {

// Before the command: 1 ALFA deleted, 2 deleted and undone, 3 the file taken back to
// one without history and opened anew, so the first write brings it.
enum Hazirlik { Yok, Silindi, SilinipGeriAlindi, GecmissizDosya };

// The writes, then undo (GeriAlma) and redo (Yineleme).
constexpr int GeriAlma = int(std::size(YazimKomutlari)), Yineleme = GeriAlma + 1;

DepoHatasi Calistir(int komut, const ProjeDeposu& d, const Gosterilen& g)
{
    GecmisAdimi adim;
    return komut == GeriAlma ? d.GeriAl(adim) : komut == Yineleme ? d.Yinele(adim) : YazimKomutlari[komut].calistir(d, g);
}

const DepoHatasi Planlanan = DepoHatasi::yeni(10, QStringLiteral("Disk okunamadı (denemede kuruldu)."));

int planlanan = 0, degistiren = 0, eskiKayit = 0, eskiReddedilen = 0;
QStringList adimlar;

// Plants a failure at the command's 1st, 2nd, ... statement until it runs without
// meeting it: each planted run must return the planted error and leave the file as it
// was. `sonuc` is what the unplanted run returned, `adim` its number of statements.
void HerAdimdaAriza(const GeciciVeritabani& vt, const std::function<DepoHatasi()>& komut, DepoHatasi& sonuc, int& adim)
{
    const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
    for (adim = 1;; ++adim) {
        QVERIFY2(adim < 100, "the command fails whatever statement the failure is planted at");
        ArizaNoktasi::Kur(adim, Planlanan);
        sonuc = komut();
        if (sonuc.numara != Planlanan.numara)
            break;
        ArizaNoktasi::Kaldir();
        ++planlanan;
        const QStringList sonra = vt.Dokum(GeciciVeritabani::TumTablolar);
        degistiren += sonra != once ? 1 : 0;
        QCOMPARE(sonuc.aciklama, Planlanan.aciklama);
        QCOMPARE(sonra, once);
    }
    // Not met: it still waits for the next statement, so no failed statement was passed over.
    QStringList adlar;
    QCOMPARE(vt.depo().ProjeleriOku(adlar).numara, Planlanan.numara);
    ArizaNoktasi::Kaldir();
    --adim;
}

} // namespace

class StoreFaultTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ArizaNoktasi::Kaldir(); }
    void cleanupTestCase()
    {
        OzetYaz(QStringLiteral("store fault seam: failures planted %1, at every statement of the writing commands, "
                               "undo, redo and a first write that brings the history (statements: %2); files changed "
                               "by a failed command %3; stale records tried %4, refused with nothing written %5")
                    .arg(planlanan).arg(adimlar.join(", ")).arg(degistiren).arg(eskiKayit).arg(eskiReddedilen));
    }

    void everyFailedStatementIsReturnedAndNothingWritten_data()
    {
        QTest::addColumn<int>("komut");
        QTest::addColumn<int>("hazirlik");
        for (int i = 0; i < int(std::size(YazimKomutlari)); ++i)
            QTest::newRow(YazimKomutlari[i].ad) << i << int(Yok);
        QTest::newRow("GeriAl") << GeriAlma << int(Silindi);
        QTest::newRow("Yinele") << Yineleme << int(SilinipGeriAlindi);
        QTest::newRow("first write of a file without history") << 2 << int(GecmissizDosya);
    }
    void everyFailedStatementIsReturnedAndNothingWritten()
    {
        QFETCH(int, komut);
        QFETCH(int, hazirlik);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        ProjeDeposu d = vt.depo();
        GecmisAdimi adim;
        QVERIFY(hazirlik == Yok || hazirlik == GecmissizDosya || !YazimKomutlari[2].calistir(d, AlfaOku(d)));
        QVERIFY(hazirlik != SilinipGeriAlindi || !d.GeriAl(adim));
        std::optional<GeciciBaglanti> yeni;
        if (hazirlik == GecmissizDosya) {
            QVERIFY(DosyadaCalistir(vt.yol(), {"DROP TABLE GecmisDegisiklikleri", "DROP TABLE GecmisAdimlari",
                                               "DROP TABLE TahminlerTablosu", "DROP TABLE DagilimTablosu",
                                               "PRAGMA user_version = 0"}));
            d = yeni.emplace(vt.yol()).depo();
        }
        const QStringList satirlar = vt.Dokum();
        const Gosterilen g = komut < GeriAlma ? AlfaOku(d) : Gosterilen{};
        DepoHatasi hata;
        int sayi = 0;
        HerAdimdaAriza(vt, [&] { return Calistir(komut, d, g); }, hata, sayi);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(!hata, qPrintable(hata.aciklama));
        QVERIFY(vt.Dokum() != satirlar);
        adimlar << QStringLiteral("%1 %2").arg(QTest::currentDataTag()).arg(sayi);
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
        QTest::newRow("calendar chosen elsewhere") << 10
            << "INSERT INTO TakvimTablosu (Projesi, Turu, ArifelerTatil) VALUES ('ALFA', 'pazartesi-cuma', 0)";
        QTest::newRow("exception added elsewhere") << 10
            << "INSERT INTO TakvimIstisnalariTablosu (Projesi, Tarih, Turu, Adi) VALUES ('ALFA', '2026-01-05', 'tatil', 'x')";
        QTest::newRow("status date set elsewhere") << 11
            << "INSERT INTO DurumTablosu (Projesi, DurumTarihi, Karsilastirilan) VALUES ('ALFA', '2026-01-07', -1)";
        QTest::newRow("progress entered elsewhere") << 12
            << "INSERT INTO IlerlemeTablosu (Projesi, Kodu, GercekBaslama, GercekBitis, Yuzde, Kalan) VALUES "
               "('ALFA', 'B', '2026-01-05', NULL, 10, -1)";
    }
    void staleRecordsAreRefused()
    {
        QFETCH(int, komut);
        QFETCH(QString, sql);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const Gosterilen eski = AlfaOku(vt.depo());
        QVERIFY(DosyadaCalistir(vt.yol(), sql.split("; ")));
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar);
        DepoHatasi hata;
        int adim = 0;
        HerAdimdaAriza(vt, [&] { return YazimKomutlari[komut].calistir(vt.depo(), eski); }, hata, adim);
        if (QTest::currentTestFailed())
            return;
        ++eskiKayit;
        const bool yazilmadi = vt.Dokum(GeciciVeritabani::TumTablolar) == once;
        eskiReddedilen += hata.numara == DepoHatasi::Bulunamadi && yazilmadi ? 1 : 0;
        QCOMPARE(hata.numara, int(DepoHatasi::Bulunamadi));
        QVERIFY(hata.aciklama.contains("başka bir yerde"));
        QVERIFY(yazilmadi);
        const DepoHatasi guncel = YazimKomutlari[komut].calistir(vt.depo(), AlfaOku(vt.depo()));
        QVERIFY2(!guncel, qPrintable(guncel.aciklama));
    }

    // A failed step is the store's error, never "not found", "no activities" or an empty list.
    void failedReadsReturnTheError()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const ProjeDeposu d = vt.depo();
        KayitliProje p;
        QVector<KayitliFaaliyet> fs;
        QStringList liste;
        QString kod;
        const std::function<DepoHatasi()> okumalar[] = {
            [&] { return d.ProjeOku("ALFA", p); }, [&] { return d.ProjeOku("YOK", p); },
            [&] { return d.EnBuyukKodu("ALFA", kod); }, [&] { return d.EnBuyukKodu("YOK", kod); },
            [&] { return d.ProjeleriOku(liste); }, [&] { return d.FaaliyetleriOku("ALFA", fs); },
            [&] { return d.KodlariOku("ALFA", liste); }};
        for (const auto& oku : okumalar) {
            ArizaNoktasi::Kur(1, Planlanan);
            QCOMPARE(oku().aciklama, Planlanan.aciklama);
        }
    }

    // A list whose reading fails after its first rows (a damaged page) is an error, not a shorter list.
    void readFailingPartWayIsReported()
    {
        GeciciVeritabani vt;
        QVERIFY(DosyadaCalistir(vt.yol(), {"WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < 5000) "
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
