#include "destek/Ariza.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>

namespace {

QByteArray Çöp()
{
    QRandomGenerator üreteç(20260301);
    QByteArray çöp(8192, '\0');
    for (char& bayt : çöp)
        bayt = char(üreteç.bounded(256));
    return çöp;
}

bool DosyayaYaz(const QString& yol, const QByteArray& içerik)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::WriteOnly) && dosya.write(içerik) == içerik.size();
}

} // namespace

const QVector<ArızaTanımı>& Arızalar()
{
    static const QString saltOkunur =
        QStringLiteral("Hata 8: Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur.");
    static const QVector<ArızaTanımı> arızalar{
        {ArızaTürü::SaltOkunurDosya, "read-only file", saltOkunur},
        {ArızaTürü::SaltOkunurKlasör, "read-only folder", saltOkunur + "\n(attempt to write a readonly database)"},
        {ArızaTürü::YazmaKilidi, "write lock held elsewhere",
         QStringLiteral("Hata 5: Veritabanı başka bir program tarafından kullanılıyor (kilitli). "
                        "Biraz sonra yeniden deneyin.\n(database is locked)")},
        {ArızaTürü::DiskDolu, "disk full",
         QStringLiteral("Hata 13: Disk dolu: değişiklik kaydedilemedi.\n(database or disk is full)")},
        {ArızaTürü::ÇöpİçerikDosya, "garbage written over the file",
         QStringLiteral("Hata 26: Dosya bir veritabanı değil.\n(file is not a database)")},
        {ArızaTürü::YerineÇöpKonmuş, "garbage file put in its place",
         QStringLiteral("Hata 8: Veritabanı dosyası Kavrion açıkken taşınmış, silinmiş ya da yerine başka bir "
                        "dosya konmuş; değişiklik kaydedilmedi. Kavrion'u yeniden başlatın.\n"
                        "(attempt to write a readonly database)")},
    };
    return arızalar;
}

void ArızaSatırları(const QStringList& komutlar)
{
    QTest::addColumn<ArızaTürü>("tür");
    QTest::addColumn<int>("komut");
    QTest::addColumn<QString>("metin");
    for (const ArızaTanımı& arıza : Arızalar()) {
        for (int komut = 0; komut < komutlar.size(); ++komut)
            QTest::addRow("%s, %s", arıza.ad, qPrintable(komutlar[komut])) << arıza.tür << komut << arıza.metin;
    }
}

ArızaOrtamı::ArızaOrtamı(ArızaTürü tür)
{
    if (tür == ArızaTürü::DiskDolu) {
        m_disk = std::make_unique<KüçükDisk>(256);
        if (!m_disk->hazır())
            return;
    }
    m_vt = std::make_unique<GeçiciVeritabanı>(m_disk ? m_disk->klasör() : QString());
    m_vt->ProjeEkle(QStringLiteral("ALFA"), "2026-01-01", "2026-01-31",
                    {{"A", "a", "3", ""}, {"B", "b", "2", "A"}, {"C", "c", "4", "A"}});
    m_vt->ProjeEkle(QStringLiteral("BETA"), "2026-02-01", "2026-02-28", {{"A", "beta", "1", ""}});
}

bool ÇöpMü(ArızaTürü tür)
{
    return tür == ArızaTürü::ÇöpİçerikDosya || tür == ArızaTürü::YerineÇöpKonmuş;
}

QByteArray DosyayıOku(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

Arıza::Arıza(ArızaTürü tür, const GeçiciVeritabanı& vt, KüçükDisk* disk) : m_tür(tür), m_vt(vt), m_disk(disk)
{
    const QString yol = m_vt.yol();
    switch (m_tür) {
    case ArızaTürü::SaltOkunurDosya:
        m_tamam = QFile::setPermissions(yol, QFile::ReadOwner);
        m_izinler.emplace();
        break;
    case ArızaTürü::SaltOkunurKlasör:
        m_tamam = QFile::setPermissions(m_vt.klasör(), QFile::ReadOwner | QFile::ExeOwner);
        m_izinler.emplace();
        break;
    case ArızaTürü::YazmaKilidi:
        m_kilit = std::make_unique<KilitTutanSüreç>(yol, KilitTutanSüreç::Kilit::Yazma);
        m_tamam = m_kilit->tutuyor();
        break;
    case ArızaTürü::DiskDolu:
        m_tamam = m_disk && m_disk->Doldur();
        break;
    case ArızaTürü::ÇöpİçerikDosya:
        m_özgün = DosyayıOku(yol);
        m_tamam = DosyayaYaz(yol, Çöp());
        break;
    case ArızaTürü::YerineÇöpKonmuş:
        m_özgün = DosyayıOku(yol);
        m_tamam = DosyayaYaz(yol + QStringLiteral(".yeni"), Çöp()) && std::rename(
                      QFile::encodeName(yol + QStringLiteral(".yeni")).constData(),
                      QFile::encodeName(yol).constData()) == 0;
        break;
    }
}

Arıza::~Arıza()
{
    m_izinler.reset();
    switch (m_tür) {
    case ArızaTürü::SaltOkunurDosya:
        QFile::setPermissions(m_vt.yol(), QFile::ReadOwner | QFile::WriteOwner);
        break;
    case ArızaTürü::SaltOkunurKlasör:
        QFile::setPermissions(m_vt.klasör(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        break;
    case ArızaTürü::YazmaKilidi:
        m_kilit.reset();
        break;
    case ArızaTürü::DiskDolu:
        if (m_disk)
            m_disk->Boşalt();
        break;
    case ArızaTürü::ÇöpİçerikDosya:
    case ArızaTürü::YerineÇöpKonmuş:
        DosyayaYaz(m_vt.yol(), m_özgün);
        break;
    }
}
