#include "destek/Ariza.h"

#include "destek/DosyaIzinleri.h"
#include "destek/KilitTutanSurec.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>
#include <optional>
#include <sched.h>
#include <sys/mount.h>

namespace {

QByteArray DosyayıOku(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

bool ÇöpMü(ArızaTürü tür)
{
    return tür == ArızaTürü::ÇöpİçerikDosya || tür == ArızaTürü::YerineÇöpKonmuş;
}

// A 256 KB tmpfs on a temporary folder, mounted in a mount namespace of the process's
// own, so that nothing is seen outside or left behind if the test dies.
class KüçükDisk {
public:
    KüçükDisk()
    {
        static const bool kendiAlanı =
            unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        m_bağlı = m_dizin.isValid() && kendiAlanı
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

// Puts the fault in place on the file of `vt` for as long as it lives, and takes it
// away again: permissions, lock, room and the original bytes come back.
class Arıza {
public:
    Arıza(ArızaTürü tür, const GeçiciVeritabanı& vt, const KüçükDisk* disk) : m_tür(tür), m_vt(vt), m_disk(disk)
    {
        const QString yol = vt.yol();
        m_özgün = DosyayıOku(yol);
        if (tür == ArızaTürü::SaltOkunurDosya || tür == ArızaTürü::SaltOkunurKlasör) {
            m_tamam = tür == ArızaTürü::SaltOkunurDosya ? QFile::setPermissions(yol, QFile::ReadOwner)
                                                        : QFile::setPermissions(vt.klasör(), QFile::ReadOwner | QFile::ExeOwner);
            m_izinler.emplace(); // root would write anyway
        } else if (tür == ArızaTürü::YazmaKilidi) {
            m_kilit = std::make_unique<KilitTutanSüreç>(yol, KilitTutanSüreç::Kilit::Yazma);
            m_tamam = m_kilit->tutuyor();
        } else if (tür == ArızaTürü::DiskDolu) {
            m_tamam = m_disk && m_disk->Doldur();
        } else if (tür == ArızaTürü::ÇöpİçerikDosya) {
            m_tamam = DosyayaYaz(yol, Çöp(8192));
        } else { // a new file under the same name, as a copy or a move would leave it
            m_tamam = DosyayaYaz(yol + ".yeni", Çöp(8192))
                      && std::rename(QFile::encodeName(yol + ".yeni").constData(), QFile::encodeName(yol).constData()) == 0;
        }
    }
    ~Arıza()
    {
        m_izinler.reset();
        m_kilit.reset();
        QFile::setPermissions(m_vt.yol(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(m_vt.klasör(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (m_disk)
            m_disk->Boşalt();
        if (ÇöpMü(m_tür))
            DosyayaYaz(m_vt.yol(), m_özgün);
    }
    bool tamam() const { return m_tamam; }

private:
    ArızaTürü m_tür;
    const GeçiciVeritabanı& m_vt;
    const KüçükDisk* m_disk;
    bool m_tamam = false;
    std::optional<DosyaİzinleriGeçerli> m_izinler;
    std::unique_ptr<KilitTutanSüreç> m_kilit;
    QByteArray m_özgün;
};

} // namespace

QByteArray Çöp(int boy)
{
    QRandomGenerator üreteç(20260301);
    QByteArray çöp(boy, '\0');
    for (char& bayt : çöp)
        bayt = char(üreteç.bounded(256));
    return çöp;
}

bool DosyayaYaz(const QString& yol, const QByteArray& içerik)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size();
}

void ÖrnekProjeler(const GeçiciVeritabanı& vt)
{
    vt.ProjeEkle("ALFA", QDate(2026, 1, 1), QDate(2026, 1, 31), {{"A", "a", 3, ""}, {"B", "b", 2, "A"}, {"C", "c", 4, "A"}});
    vt.ProjeEkle("BETA", QDate(2026, 2, 1), QDate(2026, 2, 28), {{"A", "beta", 1, ""}});
}

const YazımTürü YazımTürleri[3] = {
    {"add", [](auto& d, auto&, auto&) { return d.FaaliyetEkle("ALFA", {"D", "yeni", 5, "B,C"}); }},
    {"change", [](auto& d, auto& p, auto&) { return d.ProjeDeğiştir(p, {"ALFA 2", QDate(2026, 1, 2), QDate(2026, 2, 3)}); }},
    {"delete", [](auto& d, auto&, auto& fs) { return d.TümFaaliyetleriSil("ALFA", fs); }},
};

void ArızaSatırları(bool (*seç)(ArızaTürü))
{
    const QString saltOkunur = "Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur.";
    const struct {
        ArızaTürü tür;
        const char* ad;
        QString metin;
    } arızalar[] = {
        {ArızaTürü::SaltOkunurDosya, "read-only file", saltOkunur},
        {ArızaTürü::SaltOkunurKlasör, "read-only folder", saltOkunur},
        {ArızaTürü::YazmaKilidi, "write lock held elsewhere", "Hata 5: Veritabanı başka bir program tarafından "
         "kullanılıyor (kilitli). Biraz sonra yeniden deneyin."},
        {ArızaTürü::DiskDolu, "disk full", "Hata 13: Disk dolu: değişiklik kaydedilemedi."},
        {ArızaTürü::ÇöpİçerikDosya, "garbage written over the file",
         "Hata 26: Dosya bir veritabanı değil."},
        {ArızaTürü::YerineÇöpKonmuş, "garbage file put in its place", "Hata 8: Veritabanı dosyası Kavrion açıkken "
         "taşınmış, silinmiş ya da yerine başka bir dosya konmuş; değişiklik kaydedilmedi. Kavrion'u yeniden başlatın."},
    };
    QTest::addColumn<ArızaTürü>("tür");
    QTest::addColumn<int>("komut");
    QTest::addColumn<QString>("metin");
    for (const auto& arıza : arızalar) {
        for (int komut = 0; komut < 3 && seç(arıza.tür); ++komut)
            QTest::addRow("%s, %s", arıza.ad, YazımTürleri[komut].ad) << arıza.tür << komut << arıza.metin;
    }
}

void ArızadaYaz(ArızaTürü tür, int komut, const QString& metin, ArızaSayıları& sayılar)
{
    std::optional<KüçükDisk> disk;
    if (tür == ArızaTürü::DiskDolu && !disk.emplace().hazır())
        QSKIP("a small file system needs the right to mount");
    const GeçiciVeritabanı vt(disk ? disk->klasör() : QString());
    ÖrnekProjeler(vt);
    const QStringList önce = vt.Satırlar();
    const ProjeDeposu d = vt.depo();
    KayıtlıProje alfa;
    QVector<KayıtlıFaaliyet> fs;
    QVERIFY(!d.ProjeOku("ALFA", alfa) && !d.FaaliyetleriOku("ALFA", fs));
    const auto çalıştır = [&] {
        const DepoHatası hata = YazımTürleri[komut].çalıştır(d, alfa, fs);
        return QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.açıklama);
    };
    {
        const Arıza arıza(tür, vt, disk ? &*disk : nullptr);
        QVERIFY(arıza.tamam());
        ++sayılar.kurulan;
        const QByteArray dosyaÖnce = DosyayıOku(vt.yol());
        const QString kutu = çalıştır();
        sayılar.tamMetin += kutu == metin ? 1 : 0;
        QCOMPARE(kutu, metin);
        // A file that is not ours is left exactly as it was, with no journal beside it.
        if (ÇöpMü(tür))
            QVERIFY(DosyayıOku(vt.yol()) == dosyaÖnce && !QFile::exists(vt.yol() + "-journal"));
    }
    sayılar.değişenDosya += vt.Satırlar() != önce ? 1 : 0;
    QCOMPARE(vt.Satırlar(), önce);
    // With the fault gone the write is carried out, except on a file replaced under
    // it, which is refused again until a restart.
    QCOMPARE(çalıştır(), tür == ArızaTürü::YerineÇöpKonmuş ? metin : QStringLiteral("Hata 0: "));
    sayılar.sonraYapılan += vt.Satırlar() != önce ? 1 : 0;
}

QString ArızaSayıları::Metin() const
{
    return QStringLiteral("put in place %1, refused with the exact box %2, files changed %3, carried out once the "
                          "fault was gone %4").arg(kurulan).arg(tamMetin).arg(değişenDosya).arg(sonraYapılan);
}
