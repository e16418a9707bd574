#pragma once

#include <QString>

// A refused store operation: the number the user sees and a plain Turkish description.
// Numbers follow SQLite's result codes, so the engine's own failures and our checks share one scale.
struct DepoHatasi {
    enum : int {
        Yok = 0,
        Genel = 1,          // SQLITE_ERROR: missing table or column, a statement refused
        Mesgul = 5,         // SQLITE_BUSY
        SaltOkunur = 8,     // SQLITE_READONLY
        GirdiCikti = 10,    // SQLITE_IOERR: a file could not be written
        Bulunamadi = 12,    // SQLITE_NOTFOUND: the project or activity is no longer there
        Dolu = 13,          // SQLITE_FULL: no room left on the disk
        Acilamadi = 14,     // SQLITE_CANTOPEN
        Ulasilamiyor = 14,  // the same for a server that cannot be reached
        Kisit = 19,         // SQLITE_CONSTRAINT: a value a column will not take, a taken name
        Uyumsuz = 20,       // SQLITE_MISMATCH: a text that is not a date or a whole number
        Yetki = 23,         // SQLITE_AUTH: a server refused the user or the operation
        VeritabaniDegil = 26 // SQLITE_NOTADB
    };

    int numara = Yok;
    QString aciklama;
    QString ayrinti; // the engine's own words, for a support request; never the box's text

    explicit operator bool() const { return numara != Yok; }

    static DepoHatasi yeni(int numara, const QString& aciklama) { return {numara, aciklama, QString()}; }
};

// "Hata N: description": how a box and the command-line report word a refusal.
inline QString HataMetni(const DepoHatasi& hata)
{
    return QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.aciklama);
}
