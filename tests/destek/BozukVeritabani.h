#pragma once

#include "destek/KilitTutanSurec.h"

#include <QStringList>
#include <memory>

// The ways a user's Proje.mdb can keep Kavrion from starting, or from writing.
enum class Bozukluk {
    Yok,            // no file at all
    Klasör,         // a folder of that name
    Boş,            // an empty file
    Çöp,            // random bytes
    Tablosuz,       // an SQLite file without our tables
    SütunuEksik,    // our tables, one column missing
    KimliksizTablo, // every column named, but not the row number that keeps their order
    Okunamaz,       // our database, without read permission
    SaltOkunur,     // our database, read-only
    ÖzelKilitli,    // our database, locked exclusively by another process
    YarımKalmış,    // our database with the journal of a writer that stopped mid-change
};

// Lays out Proje.mdb in `klasör` broken in the given way; the last three hold one
// project "ALFA" with one activity. An exclusive lock lasts as long as this object.
class BozukVeritabanı {
public:
    BozukVeritabanı(const QString& klasör, Bozukluk bozukluk);
    bool hazır() const { return m_hazır; }

private:
    std::unique_ptr<KilitTutanSüreç> m_kilit;
    bool m_hazır = false;
};

// Every entry of the folder with its size, time of change and a hash of its
// content: two equal views mean nothing was created, removed or changed.
QStringList KlasörGörünümü(const QString& klasör);
