#pragma once

#include "destek/KilitTutanSurec.h"

#include <QStringList>
#include <memory>

// The ways a user's Proje.mdb can keep Kavrion from starting, or from writing.
enum class Bozukluk {
    Yok,            // no file at all
    Klasor,         // a folder of that name
    Bos,            // an empty file
    Cop,            // random bytes
    Tablosuz,       // an SQLite file without our tables
    SutunuEksik,    // our tables, one column missing
    KimliksizTablo, // every column named, but not the row number that keeps their order
    Okunamaz,       // our database, without read permission
    SaltOkunur,     // our database, read-only
    OzelKilitli,    // our database, locked exclusively by another process
    YarimKalmis,    // our database with the journal of a writer that stopped mid-change
};

// Lays out Proje.mdb in `klasor` broken in the given way; the last three hold one
// project "ALFA" with one activity. An exclusive lock lasts as long as this object.
class BozukVeritabani {
public:
    BozukVeritabani(const QString& klasor, Bozukluk bozukluk);
    bool hazir() const { return m_hazir; }

private:
    std::unique_ptr<KilitTutanSurec> m_kilit;
    bool m_hazir = false;
};

// Every entry of the folder with its size, time of change and a hash of its
// content: two equal views mean nothing was created, removed or changed.
QStringList KlasorGorunumu(const QString& klasor);
