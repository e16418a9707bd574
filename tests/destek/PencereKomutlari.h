#pragma once

// The seven commands that write, each carried out through the real buttons and
// dialogs of a main window on the projects of İkiProjeEkle.

#include <QString>
#include <QVector>

class GeçiciVeritabanı;
class QLineEdit;
class TemelForm;

// A store failure planted for as long as this lives: the store's `sıra`-th statement
// from now (1 is the next) is not run and gives error 5, as a lock held elsewhere would.
class KilitArızası {
public:
    explicit KilitArızası(int sıra);
    ~KilitArızası();
    KilitArızası(const KilitArızası&) = delete;
    KilitArızası& operator=(const KilitArızası&) = delete;
    // The box it leads to.
    static QString Kutu() { return QStringLiteral("Hata 5: Veritabanı kilitli."); }
};

// ALFA (1.1.2026–1.2.2026, activities A, B, C) and BETA (1.5.2026–1.6.2026, A, B).
void İkiProjeEkle(const GeçiciVeritabanı& vt);

struct PencereKomutu {
    const char* ad;
    // Everything up to the click that writes, on ALFA; `ad` goes into the name field
    // of the commands that take one.
    void (*hazırla)(TemelForm& ana, const QString& ad);
    // The click that writes.
    void (*tıkla)(TemelForm& ana);
    // The name field of the command's dialog while it is open; null for the commands without one.
    QLineEdit* (*adAlanı)(const TemelForm& ana);
    // The statements the command reads before it starts writing.
    int okuma;
    // For a change or delete: SQL another program runs to change what the command acts
    // on after the window has shown it; null for the adds.
    const char* başkaYerde;
};

const QVector<PencereKomutu>& PencereKomutları();
// Adds the column "komut", an index into PencereKomutları(), with a row for each
// command, or only for those that change or delete.
void PencereKomutuSatırları(bool yalnızDeğiştirenler = false);

// The window shows what the store holds: the project list, and for the selected
// project its dates and activities; nothing of a project when none is selected.
void PencereDepoyuGösterir(const TemelForm& ana, const GeçiciVeritabanı& vt);
