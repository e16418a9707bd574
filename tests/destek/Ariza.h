#pragma once

#include "destek/DosyaIzinleri.h"
#include "destek/GeciciVeritabani.h"
#include "destek/KilitTutanSurec.h"
#include "destek/KucukDisk.h"

#include <QByteArray>
#include <QMetaType>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

// What can go wrong with Proje.mdb while Kavrion has it open.
enum class ArızaTürü {
    SaltOkunurDosya,  // the file made read-only
    SaltOkunurKlasör, // its folder made read-only: no journal can be created
    YazmaKilidi,      // another process holds the write lock past the busy timeout
    DiskDolu,         // no room left (needs the database on a KüçükDisk)
    ÇöpİçerikDosya,   // garbage written over the file
    YerineÇöpKonmuş,  // a garbage file renamed into its place
};
Q_DECLARE_METATYPE(ArızaTürü)

struct ArızaTanımı {
    ArızaTürü tür;
    const char* ad;
    QString metin; // the box a refused write gives: "Hata N: description"
};

// Every fault, with the exact text of the box it must lead to.
const QVector<ArızaTanımı>& Arızalar();

// Adds the columns tür, komut (an index into `komutlar`) and metin, and one row for
// every fault and every command.
void ArızaSatırları(const QStringList& komutlar);

// The same for a table of commands, each with its name in `ad`.
template <typename Komut, size_t N>
void ArızaSatırları(const Komut (&komutlar)[N])
{
    QStringList adlar;
    for (const Komut& komut : komutlar)
        adlar << QString::fromUtf8(komut.ad);
    ArızaSatırları(adlar);
}

// The database a fault test starts from: project ALFA with activities A, B and C, and
// BETA with A. For the disk-full fault it lies on a small disk of its own, which
// needs the right to mount; without it the setting is not ready.
class ArızaOrtamı {
public:
    explicit ArızaOrtamı(ArızaTürü tür);
    bool hazır() const { return m_vt != nullptr; }
    const GeçiciVeritabanı& vt() const { return *m_vt; }
    KüçükDisk* disk() const { return m_disk.get(); }

private:
    std::unique_ptr<KüçükDisk> m_disk;
    std::unique_ptr<GeçiciVeritabanı> m_vt;
};

// The two faults after which the file is not ours and must be left exactly as it is.
bool ÇöpMü(ArızaTürü tür);

QByteArray DosyayıOku(const QString& yol);

// Puts one fault in place on the database of `vt` for as long as it lives, and
// takes it away again: permissions, lock, room and the original bytes come back.
class Arıza {
public:
    Arıza(ArızaTürü tür, const GeçiciVeritabanı& vt, KüçükDisk* disk);
    ~Arıza();
    Arıza(const Arıza&) = delete;
    Arıza& operator=(const Arıza&) = delete;

    bool tamam() const { return m_tamam; }

private:
    ArızaTürü m_tür;
    const GeçiciVeritabanı& m_vt;
    KüçükDisk* m_disk;
    bool m_tamam = false;
    std::optional<DosyaİzinleriGeçerli> m_izinler;
    std::unique_ptr<KilitTutanSüreç> m_kilit;
    QByteArray m_özgün;
};
