#pragma once

#include "destek/GeciciVeritabani.h"

#include <QMetaType>
#include <functional>

// What can go wrong with Proje.mdb while Kavrion has it open.
enum class ArızaTürü {
    SaltOkunurDosya,  // the file made read-only
    SaltOkunurKlasör, // its folder made read-only: no journal can be created
    YazmaKilidi,      // another process holds the write lock past the busy timeout
    DiskDolu,         // no room left on a small file system of its own (needs the right to mount)
    ÇöpİçerikDosya,   // garbage written over the file
    YerineÇöpKonmuş,  // a garbage file renamed into its place
};
Q_DECLARE_METATYPE(ArızaTürü)

// Project ALFA with activities A, B (after A) and C (after A), and BETA with A.
void ÖrnekProjeler(const GeçiciVeritabanı& vt);

// One kind of write on ÖrnekProjeler, given ALFA as it was read before the fault.
struct YazımTürü {
    const char* ad;
    std::function<DepoHatası(const ProjeDeposu&, const KayıtlıProje&, const QVector<KayıtlıFaaliyet>&)> çalıştır;
};
// Add an activity, change the project, delete all its activities.
extern const YazımTürü YazımTürleri[3];

// Adds the columns tür, komut (an index into YazımTürleri) and metin, the exact box the
// write must give ("Hata N: description"): a row for each kind of write under each
// fault `seç` takes.
void ArızaSatırları(bool (*seç)(ArızaTürü));

struct ArızaSayıları {
    int kurulan = 0, tamMetin = 0, değişenDosya = 0, sonraYapılan = 0;
    QString Metin() const; // for ÖzetYaz
};

// The write under the real fault: the exact box, no row changed, a file that is not
// ours left byte for byte, and once the fault is gone the write is carried out
// (refused again on a replaced file). Skips when the fault cannot be put in place.
void ArızadaYaz(ArızaTürü tür, int komut, const QString& metin, ArızaSayıları& sayılar);

bool DosyayaYaz(const QString& yol, const QByteArray& içerik);
// Bytes no program wrote, the same on every run.
QByteArray Çöp(int boy);
