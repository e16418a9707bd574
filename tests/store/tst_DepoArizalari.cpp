// Every command that writes, under every fault the file system or another program
// can cause after start-up: the exact refusal, nothing written, and the store goes on.
#include "destek/Ariza.h"
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"
#include "store/ProjeDeposu.h"

#include <QFile>
#include <QLocale>
#include <QTest>
#include <functional>

namespace {

struct Komut {
    const char* ad;
    std::function<DepoHatası(const ProjeDeposu&)> çalıştır;
};

const Komut Komutlar[] = {
    {"ProjeEkle", [](const ProjeDeposu& d) { return d.ProjeEkle("YENİ", "1.04.2026", "9.04.2026"); }},
    {"ProjeDeğiştir", [](const ProjeDeposu& d) { return d.ProjeDeğiştir("ALFA", "ALFA 2", "2.01.2026", "3.02.2026"); }},
    {"ProjeSil", [](const ProjeDeposu& d) { return d.ProjeSil("ALFA"); }},
    {"FaaliyetEkle", [](const ProjeDeposu& d) { return d.FaaliyetEkle("ALFA", {"D", "yeni", "5", "B,C"}); }},
    {"FaaliyetDeğiştir", [](const ProjeDeposu& d) { return d.FaaliyetDeğiştir("ALFA", {"B", "başka", "9", "A"}); }},
    {"SonFaaliyetiSil", [](const ProjeDeposu& d) { return d.SonFaaliyetiSil("ALFA"); }},
    {"TümFaaliyetleriSil", [](const ProjeDeposu& d) { return d.TümFaaliyetleriSil("ALFA"); }},
};

int verilen = 0;
int atlatılan = 0;
int kaybolan = 0;

int Kaybolan(const QStringList& önce, const QStringList& sonra)
{
    int sayı = 0;
    for (const QString& satır : önce)
        sayı += sonra.contains(satır) ? 0 : 1;
    return sayı;
}

} // namespace


class StoreFaultTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("store faults after start-up: injected %1, survived %2, rows lost %3")
                    .arg(verilen).arg(atlatılan).arg(kaybolan));
    }

    void everyWriteSurvivesEveryFault_data()
    {
        ArızaSatırları(Komutlar);
    }
    void everyWriteSurvivesEveryFault()
    {
        QFETCH(ArızaTürü, tür);
        QFETCH(int, komut);
        QFETCH(QString, metin);

        const ArızaOrtamı ortam(tür);
        if (!ortam.hazır())
            QSKIP("a small file system needs the right to mount");
        const GeçiciVeritabanı& vt = ortam.vt();
        const QStringList önce = vt.Satırlar();
        const ProjeDeposu depo = vt.depo();
        const Komut& k = Komutlar[komut];

        ++verilen;
        {
            Arıza arıza(tür, vt, ortam.disk());
            QVERIFY(arıza.tamam());
            const QByteArray dosyaÖnce = ÇöpMü(tür) ? DosyayıOku(vt.yol()) : QByteArray();
            const DepoHatası hata = k.çalıştır(depo);
            QCOMPARE(QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.açıklama), metin);
            // A file that is not ours is left exactly as it was, with no journal beside it.
            if (ÇöpMü(tür)) {
                QCOMPARE(DosyayıOku(vt.yol()), dosyaÖnce);
                QVERIFY(!QFile::exists(vt.yol() + QStringLiteral("-journal")));
            }
        }
        const QStringList sonra = vt.Satırlar();
        kaybolan += Kaybolan(önce, sonra);
        QCOMPARE(sonra, önce);

        // The store goes on: with the fault gone the same command is carried out,
        // except on a file replaced under it, which is refused again until a restart.
        const DepoHatası yeniden = k.çalıştır(depo);
        if (tür == ArızaTürü::YerineÇöpKonmuş) {
            QCOMPARE(QStringLiteral("Hata %1: %2").arg(yeniden.numara).arg(yeniden.açıklama), metin);
            QStringList adlar;
            QVERIFY(!depo.ProjeleriOku(adlar));
        } else {
            QVERIFY2(!yeniden, qPrintable(yeniden.açıklama));
            QVERIFY(vt.Satırlar() != önce);
        }
        ++atlatılan;
    }

    // A list whose reading fails after its first rows is an error, not a shorter list.
    void readFailingPartWayIsReported()
    {
        GeçiciVeritabanı vt;
        QVERIFY(DosyadaÇalıştır(vt.yol(), {QStringLiteral(
            "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < 5000) "
            "INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) "
            "SELECT 'PROJE ' || i, '2026-01-01', '2026-02-01' FROM s")}));
        // The table's first pages stay sound; the pages written last, where its last
        // rows lie, are overwritten.
        QFile dosya(vt.yol());
        QVERIFY(dosya.open(QIODevice::ReadWrite));
        const qint64 boyut = dosya.size();
        QVERIFY(dosya.seek(boyut / 2));
        QVERIFY(dosya.write(QByteArray(int(boyut - boyut / 2), '\x5A')) == boyut - boyut / 2);
        dosya.close();

        QStringList adlar;
        const DepoHatası hata = vt.depo().ProjeleriOku(adlar);
        QCOMPARE(hata.numara, 11);
        QVERIFY(!adlar.isEmpty()); // the rows before the damage were read, and are not the answer
    }
};

QTEST_GUILESS_MAIN(StoreFaultTest)
#include "tst_DepoArizalari.moc"
