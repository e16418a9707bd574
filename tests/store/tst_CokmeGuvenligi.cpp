// ctest-etiket: guvenilirlik
// The slow real faults, as proof that the store's fault seam stands for what happens
// (a read-only file is in tst_DosyaDegisimi). A change of a project under a lock
// another process holds past the wait, and on a full small file system: the exact
// box, no row changed, and carried out once the fault is gone. And a program driving
// the store's write commands is killed (SIGKILL) at random moments: after each kill
// the file must be sound, hold every command reported done, and the command under
// way either whole or not at all.
#include "destek/GeciciVeritabani.h"
#include "destek/KilitTutanSurec.h"
#include "destek/Ozet.h"
#include "destek/YardimciProgram.h"
#include "export/GuvenliYazim.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <optional>
#include <sched.h>
#include <sys/mount.h>

enum class Arıza { YazmaKilidi, DiskDolu };
Q_DECLARE_METATYPE(Arıza)

namespace {

int denenenArıza = 0, atlatılanArıza = 0;
constexpr quint32 Tohum = 20260301;
constexpr int Öldürme = 250;

// A 256 KB tmpfs on a temporary folder, mounted in a mount namespace of the process's
// own, so that nothing is seen outside or left behind if the test dies.
class KüçükDisk {
public:
    KüçükDisk()
    {
        m_bağlı = m_dizin.isValid() && unshare(CLONE_NEWNS) == 0
                  && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                  && mount("kavrion-deneme", QFile::encodeName(m_dizin.path()).constData(), "tmpfs", 0,
                           "size=256k,mode=0700") == 0;
    }
    ~KüçükDisk()
    {
        if (m_bağlı)
            umount2(QFile::encodeName(m_dizin.path()).constData(), MNT_DETACH);
    }
    bool hazır() const { return m_bağlı; }
    QString klasör() const { return m_dizin.path(); }
    // Takes up every free byte, down to the last pages.
    bool Doldur() const
    {
        QFile dolgu(klasör() + QStringLiteral("/dolgu"));
        if (!dolgu.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray parça(4096, '\0');
        for (qint64 boy = parça.size(); boy > 0;)
            boy = dolgu.write(parça.constData(), boy) == boy ? boy : boy / 2;
        return true;
    }
    void Boşalt() const { QFile::remove(klasör() + QStringLiteral("/dolgu")); }

private:
    QTemporaryDir m_dizin;
    bool m_bağlı = false;
};

// Carries out one command as the program printed it on a copy of our own, through
// the store, with the records that copy holds.
bool Uygula(const ProjeDeposu& d, const QStringList& k)
{
    const QString ad = k.value(1);
    KayıtlıProje p;
    QVector<KayıtlıFaaliyet> fs;
    d.ProjeOku(ad, p);
    d.FaaliyetleriOku(ad, fs);
    const auto tarih = [&](int i) { return QDate::fromString(k.value(i), Qt::ISODate); };
    const Faaliyet f{k.value(2), k.value(3), k.value(4).toInt(), k.value(5)};
    KayıtlıFaaliyet eski;
    for (const KayıtlıFaaliyet& kayıtlı : fs)
        eski = kayıtlı.kodu == k.value(2) ? kayıtlı : eski;
    const QString komut = k.value(0);
    const DepoHatası hata = komut == "ProjeEkle"          ? d.ProjeEkle({ad, tarih(2), tarih(3)})
                            : komut == "ProjeDeğiştir"    ? d.ProjeDeğiştir(p, {k.value(2), tarih(3), tarih(4)})
                            : komut == "ProjeSil"         ? d.ProjeSil(p)
                            : komut == "FaaliyetEkle"     ? d.FaaliyetEkle(ad, f)
                            : komut == "FaaliyetDeğiştir" ? d.FaaliyetDeğiştir(ad, eski, f)
                            : komut == "SonFaaliyetiSil"  ? d.SonFaaliyetiSil(ad, eski)
                            : komut == "TümFaaliyetleriSil" ? d.TümFaaliyetleriSil(ad, fs)
                                                            : DepoHatası::yeni(DepoHatası::Genel, komut);
    return !hata;
}

// Opens the file as the application would after the crash (rolling back a
// half-written command left in the journal) and asks SQLite to check it.
QString Bütünlük(const QString& yol)
{
    const GeçiciBağlantı bağlantı(yol);
    QSqlQuery sorgu(bağlantı.vt());
    return sorgu.exec(QStringLiteral("PRAGMA integrity_check")) && sorgu.next() ? sorgu.value(0).toString()
                                                                               : bağlantı.hata().açıklama;
}

QStringList Sıralı(QStringList satırlar)
{
    satırlar.sort();
    return satırlar;
}

} // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("store real faults (lock held by another process, full disk): tried %1, "
                               "refused with the exact box, nothing written and carried out afterwards %2")
                    .arg(denenenArıza).arg(atlatılanArıza));
    }

    void realFaultRefusesTheWriteAndChangesNothing_data()
    {
        QTest::addColumn<Arıza>("arıza");
        QTest::addColumn<QString>("kutu");
        QTest::newRow("write lock held elsewhere") << Arıza::YazmaKilidi << "Hata 5: Veritabanı başka bir program "
                                                   "tarafından kullanılıyor (kilitli). Biraz sonra yeniden deneyin.";
        QTest::newRow("disk full") << Arıza::DiskDolu << "Hata 13: Disk dolu: değişiklik kaydedilemedi.";
    }
    void realFaultRefusesTheWriteAndChangesNothing()
    {
        QFETCH(Arıza, arıza);
        QFETCH(QString, kutu);
        std::optional<KüçükDisk> disk;
        if (arıza == Arıza::DiskDolu && !disk.emplace().hazır())
            QSKIP("a small file system needs the right to mount");
        const GeçiciVeritabanı vt(disk ? disk->klasör() : QString());
        ÖrnekProjeler(vt);
        const QStringList önce = vt.Satırlar();
        KayıtlıProje alfa;
        QVERIFY(!vt.depo().ProjeOku("ALFA", alfa));
        const auto değiştir = [&] {
            const DepoHatası hata = vt.depo().ProjeDeğiştir(alfa, {"ALFA 2", QDate(2026, 1, 2), QDate(2026, 2, 3)});
            return QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.açıklama);
        };
        ++denenenArıza;
        {
            std::optional<KilitTutanSüreç> kilit;
            if (arıza == Arıza::YazmaKilidi)
                QVERIFY(kilit.emplace(vt.yol(), KilitTutanSüreç::Kilit::Yazma).tutuyor());
            else
                QVERIFY(disk->Doldur());
            const QString verilen = değiştir();
            if (disk)
                disk->Boşalt();
            QCOMPARE(verilen, kutu);
        }
        QCOMPARE(vt.Satırlar(), önce);
        QCOMPARE(değiştir(), QStringLiteral("Hata 0: "));
        QVERIFY(vt.Satırlar() != önce);
        ++atlatılanArıza;
    }

    void killedAtRandomMomentsLosesNothing()
    {
        GeçiciVeritabanı vt, kopya;
        QRandomGenerator üreteç(Tohum);
        int yapılan = 0, sürmekteyken = 0, geriAlınan = 0, tamamlanan = 0, bozuk = 0, kaybolan = 0;
        for (int i = 0; i < Öldürme; ++i) {
            QProcess döngü;
            döngü.start(YardımcıProgram(QStringLiteral("yazim-dongusu")), {vt.yol(), QString::number(Tohum + i)});
            QVERIFY(döngü.waitForStarted(5000) && döngü.waitForReadyRead(10000));
            QThread::msleep(üreteç.bounded(1, 30)); // the moment of the kill is what is random here
            döngü.kill();
            QVERIFY(döngü.waitForFinished(5000));

            // Replay what it reported done; keep the command it had begun and not finished.
            QStringList sürmekte;
            for (const QByteArray& ham : döngü.readAllStandardOutput().split('\n')) {
                const QStringList alanlar = QString::fromUtf8(ham).split(QLatin1Char('\t'));
                QVERIFY2(alanlar[0] != "H", qPrintable(alanlar.join(' ')));
                if (alanlar[0] == "B")
                    sürmekte = alanlar.mid(1);
                if (alanlar[0] == "K") {
                    QVERIFY2(Uygula(kopya.depo(), sürmekte), qPrintable(sürmekte.join(' ')));
                    sürmekte.clear();
                    ++yapılan;
                }
            }
            sürmekteyken += sürmekte.isEmpty() ? 0 : 1;
            const bool sağlam = Bütünlük(vt.yol()) == QStringLiteral("ok");
            bozuk += sağlam ? 0 : 1;
            QVERIFY(sağlam);
            const QStringList dosyada = Sıralı(vt.Satırlar());
            if (dosyada == Sıralı(kopya.Satırlar())) {
                geriAlınan += sürmekte.isEmpty() ? 0 : 1;
                continue;
            }
            // Only the command under way may have been carried out, and then whole.
            QVERIFY2(!sürmekte.isEmpty(), qPrintable(QStringLiteral("kill %1: rows differ").arg(i)));
            QVERIFY(Uygula(kopya.depo(), sürmekte));
            for (const QString& satır : kopya.Satırlar())
                kaybolan += dosyada.contains(satır) ? 0 : 1;
            QCOMPARE(dosyada, Sıralı(kopya.Satırlar()));
            ++tamamlanan;
        }
        ÖzetYaz(QStringLiteral("crash safety: kills %1, commands reported done %2, kills in the middle of a command "
                               "%3 (rolled back %4, found whole %5), files failing the integrity check %6, rows lost %7")
                    .arg(Öldürme).arg(yapılan).arg(sürmekteyken).arg(geriAlınan).arg(tamamlanan).arg(bozuk)
                    .arg(kaybolan));
        // Kills must land both between commands and in the middle of them.
        QVERIFY(yapılan > 0 && geriAlınan > 0 && tamamlanan > 0);
    }

    // An export onto the full disk: the file it would replace stays whole, the reason is named.
    void anExportOntoAFullDiskLeavesTheOldFile()
    {
        const KüçükDisk disk;
        if (!disk.hazır())
            QSKIP("a small file system needs the right to mount");
        const QString yol = disk.klasör() + QStringLiteral("/plan.csv");
        QVERIFY(!DosyayaYaz(yol, "eski"));
        QVERIFY(disk.Doldur());
        const DepoHatası hata = DosyayaYaz(yol, QByteArray(64 * 1024, 'x'));
        QCOMPARE(hata.açıklama, QStringLiteral("Diskte yeterli yer yok; \"%1\" yazılamadı.").arg(yol));
        QFile eski(yol);
        QVERIFY(eski.open(QIODevice::ReadOnly));
        QCOMPARE(eski.readAll(), QByteArray("eski"));
        QCOMPARE(QDir(disk.klasör()).entryList(QDir::Files | QDir::Hidden), (QStringList{"dolgu", "plan.csv"}));
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_CokmeGuvenligi.moc"
