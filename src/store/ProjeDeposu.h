#pragma once

#include "store/DepoHatasi.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A project's dates as the user reads them: regional short date texts.
struct ProjeBilgisi {
    QString başlamaTarihi;
    QString bitişTarihi;
};

// One activity as text, the way the windows show and edit it.
struct Faaliyet {
    QString kodu;
    QString adı;
    QString süre;      // plain decimal digits when read; regional grouping accepted when written
    QString öncekiler; // the predecessor list, "A,C"; empty for none
};

// The operations on Proje.mdb. Each reads or writes through one statement or one
// transaction and gives back a DepoHatası, empty on success: a write either happens
// whole or leaves the file as it was. Values only ever travel as bound parameters.
class ProjeDeposu {
public:
    // Works on the Qt SQL connection of that name, opened with Aç.
    explicit ProjeDeposu(QString bağlantı);

    // Opens an existing database read-write (never creates one) and checks its tables.
    static DepoHatası Aç(const QString& yol, const QString& bağlantı);
    // Closes and forgets a connection opened with Aç, in the thread that opened it.
    static void Kapat(const QString& bağlantı);

    // Every project name, in the order added. The lists read below are whole unless an
    // error is returned.
    DepoHatası ProjeleriOku(QStringList& adlar) const;
    DepoHatası ProjeOku(const QString& ad, ProjeBilgisi& bilgi) const;
    // The project's activities, in the order added.
    DepoHatası FaaliyetleriOku(const QString& proje, QVector<Faaliyet>& faaliyetler) const;
    DepoHatası KodlarıOku(const QString& proje, QStringList& kodlar) const;
    // The greatest code of the project; empty when it has no activity.
    DepoHatası EnBüyükKodu(const QString& proje, QString& koduBul) const;

    DepoHatası ProjeEkle(const QString& ad, const QString& başlama, const QString& bitiş) const;
    // Rewrites the row of eskiAd and carries the new name to its activities.
    DepoHatası ProjeDeğiştir(const QString& eskiAd, const QString& yeniAd,
                             const QString& başlama, const QString& bitiş) const;
    // Deletes the project's row and every activity filed under its name.
    DepoHatası ProjeSil(const QString& ad) const;

    DepoHatası FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet) const;
    // Rewrites name, duration and predecessors of the activity faaliyet.kodu.
    DepoHatası FaaliyetDeğiştir(const QString& proje, const Faaliyet& faaliyet) const;
    // Deletes the activity with the greatest code.
    DepoHatası SonFaaliyetiSil(const QString& proje) const;
    DepoHatası TümFaaliyetleriSil(const QString& proje) const;

    const QString& bağlantı() const { return m_bağlantı; }

private:
    QString m_bağlantı;
};

// The file name beside the executable, with exactly one separator ("/" + "Proje.mdb" at the root).
QString VeritabanıYolu(const QString& klasör);
