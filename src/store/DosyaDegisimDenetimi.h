#pragma once

#include "store/DepoHatasi.h"
#include "store/DosyaKimligi.h"

#include <QString>
#include <optional>

// The check every command of the store starts with: the path must still name the file
// that was opened, and when something changed it behind our back, the connection is
// opened afresh and checked as at start-up before anything is read or written. At its
// end the command notes the state it leaves the file in.
//
// SQLite keeps its page cache while the file's change counter looks the same, so a
// file copied in place over ours would be read, and written, with our old pages.
// Only connections noted with KimligiKaydet are checked; for others it does nothing.
class DosyaDegisimDenetimi {
public:
    // The file a checked connection works on, and the state our last command left it in.
    struct AcikDosya {
        QString yol;
        DosyaKimligi kimlik;
    };

    explicit DosyaDegisimDenetimi(const QString& baglanti);
    ~DosyaDegisimDenetimi();
    DosyaDegisimDenetimi(const DosyaDegisimDenetimi&) = delete;
    DosyaDegisimDenetimi& operator=(const DosyaDegisimDenetimi&) = delete;

    // Notes the file a checked connection works on and its state now.
    static void KimligiKaydet(const QString& baglanti, const QString& yol);
    // Forgets the connection, as it is closed.
    static void Unut(const QString& baglanti);

    DepoHatasi hata;

private:
    QString m_baglanti;
    std::optional<AcikDosya> m_dosya;
};
