// Every command that writes, under every fault the file system or another program
// can cause after start-up: the exact refusal, nothing written, and the store goes on.
#include "destek/DosyaIzinleri.h"
#include "destek/GeciciVeritabani.h"
#include "destek/KilitTutanSurec.h"
#include "destek/KucukDisk.h"
#include "destek/Ozet.h"
#include "store/ProjeDeposu.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>

namespace {

enum class Tür { SaltOkunurDosya, SaltOkunurKlasör, YazmaKilidi, DiskDolu, ÇöpİçerikDosya, YerineÇöpKonmuş };

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

const QString SaltOkunur = QStringLiteral("Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur.");

QByteArray Çöp()
{
    QRandomGenerator üreteç(20260301);
    QByteArray çöp(8192, '\0');
    for (char& bayt : çöp)
        bayt = char(üreteç.bounded(256));
    return çöp;
}

QByteArray DosyayıOku(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

bool DosyayaYaz(const QString& yol, const QByteArray& içerik)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size();
}

// Puts one fault in place for as long as it lives.
class Arıza {
public:
    Arıza(Tür tür, const GeçiciVeritabanı& vt, KüçükDisk* disk) : m_tür(tür), m_vt(vt), m_disk(disk)
    {
        const QString yol = m_vt.yol();
        switch (m_tür) {
        case Tür::SaltOkunurDosya:
            m_tamam = QFile::setPermissions(yol, QFile::ReadOwner);
            m_izinler.emplace();
            break;
        case Tür::SaltOkunurKlasör:
            m_tamam = QFile::setPermissions(m_vt.klasör(), QFile::ReadOwner | QFile::ExeOwner);
            m_izinler.emplace();
            break;
        case Tür::YazmaKilidi:
            m_kilit = std::make_unique<KilitTutanSüreç>(yol, KilitTutanSüreç::Kilit::Yazma);
            m_tamam = m_kilit->tutuyor();
            break;
        case Tür::DiskDolu:
            m_tamam = m_disk && m_disk->Doldur();
            break;
        case Tür::ÇöpİçerikDosya:
            m_özgün = DosyayıOku(yol);
            m_tamam = DosyayaYaz(yol, Çöp());
            break;
        case Tür::YerineÇöpKonmuş:
            m_özgün = DosyayıOku(yol);
            m_tamam = DosyayaYaz(yol + QStringLiteral(".yeni"), Çöp()) && std::rename(
                          QFile::encodeName(yol + QStringLiteral(".yeni")).constData(),
                          QFile::encodeName(yol).constData()) == 0;
            break;
        }
    }

    ~Arıza()
    {
        m_izinler.reset();
        switch (m_tür) {
        case Tür::SaltOkunurDosya:
            QFile::setPermissions(m_vt.yol(), QFile::ReadOwner | QFile::WriteOwner);
            break;
        case Tür::SaltOkunurKlasör:
            QFile::setPermissions(m_vt.klasör(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            break;
        case Tür::YazmaKilidi:
            m_kilit.reset();
            break;
        case Tür::DiskDolu:
            if (m_disk)
                m_disk->Boşalt();
            break;
        case Tür::ÇöpİçerikDosya:
        case Tür::YerineÇöpKonmuş:
            DosyayaYaz(m_vt.yol(), m_özgün);
            break;
        }
    }

    Arıza(const Arıza&) = delete;
    Arıza& operator=(const Arıza&) = delete;

    bool tamam() const { return m_tamam; }

private:
    Tür m_tür;
    const GeçiciVeritabanı& m_vt;
    KüçükDisk* m_disk;
    bool m_tamam = false;
    std::optional<DosyaİzinleriGeçerli> m_izinler;
    std::unique_ptr<KilitTutanSüreç> m_kilit;
    QByteArray m_özgün;
};

bool ÇöpMü(Tür tür)
{
    return tür == Tür::ÇöpİçerikDosya || tür == Tür::YerineÇöpKonmuş;
}

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

Q_DECLARE_METATYPE(Tür)

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
        QTest::addColumn<Tür>("tür");
        QTest::addColumn<int>("komut");
        QTest::addColumn<QString>("metin");
        const struct {
            Tür tür;
            const char* ad;
            QString metin;
        } arızalar[] = {
            {Tür::SaltOkunurDosya, "read-only file", SaltOkunur},
            {Tür::SaltOkunurKlasör, "read-only folder", SaltOkunur + "\n(attempt to write a readonly database)"},
            {Tür::YazmaKilidi, "write lock held elsewhere",
             QStringLiteral("Hata 5: Veritabanı başka bir program tarafından kullanılıyor (kilitli). "
                            "Biraz sonra yeniden deneyin.\n(database is locked)")},
            {Tür::DiskDolu, "disk full", QStringLiteral("Hata 13: Disk dolu: değişiklik kaydedilemedi.\n"
                                                        "(database or disk is full)")},
            {Tür::ÇöpİçerikDosya, "garbage written over the file",
             QStringLiteral("Hata 26: Dosya bir veritabanı değil.\n(file is not a database)")},
            {Tür::YerineÇöpKonmuş, "garbage file put in its place",
             QStringLiteral("Hata 8: Veritabanı dosyası Kavrion açıkken taşınmış, silinmiş ya da yerine başka bir "
                            "dosya konmuş; değişiklik kaydedilmedi. Kavrion'u yeniden başlatın.\n"
                            "(attempt to write a readonly database)")},
        };
        for (const auto& arıza : arızalar) {
            for (int komut = 0; komut < int(std::size(Komutlar)); ++komut) {
                QTest::addRow("%s, %s", arıza.ad, Komutlar[komut].ad) << arıza.tür << komut << arıza.metin;
            }
        }
    }
    void everyWriteSurvivesEveryFault()
    {
        QFETCH(Tür, tür);
        QFETCH(int, komut);
        QFETCH(QString, metin);

        std::unique_ptr<KüçükDisk> disk;
        if (tür == Tür::DiskDolu) {
            disk = std::make_unique<KüçükDisk>(256);
            if (!disk->hazır())
                QSKIP("a small file system needs the right to mount");
        }
        GeçiciVeritabanı vt(disk ? disk->klasör() : QString());
        vt.ProjeEkle(QStringLiteral("ALFA"), "2026-01-01", "2026-01-31",
                     {{"A", "a", "3", ""}, {"B", "b", "2", "A"}, {"C", "c", "4", "A"}});
        vt.ProjeEkle(QStringLiteral("BETA"), "2026-02-01", "2026-02-28", {{"A", "beta", "1", ""}});
        const QStringList önce = vt.Satırlar();
        const ProjeDeposu depo = vt.depo();
        const Komut& k = Komutlar[komut];

        ++verilen;
        {
            Arıza arıza(tür, vt, disk.get());
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
        if (tür == Tür::YerineÇöpKonmuş) {
            QCOMPARE(QStringLiteral("Hata %1: %2").arg(yeniden.numara).arg(yeniden.açıklama), metin);
            QStringList adlar;
            QVERIFY(!depo.ProjeleriOku(adlar));
        } else {
            QVERIFY2(!yeniden, qPrintable(yeniden.açıklama));
            QVERIFY(vt.Satırlar() != önce);
        }
        ++atlatılan;
    }
};

QTEST_GUILESS_MAIN(StoreFaultTest)
#include "tst_DepoArizalari.moc"
