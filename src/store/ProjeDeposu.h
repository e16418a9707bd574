#pragma once

#include "store/DepoHatasi.h"
#include "store/Kayitlar.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The operations on Proje.mdb, in typed values. Each reads or writes through one
// statement or one transaction and gives back a DepoHatası, empty on success: a write
// either happens whole or leaves the file as it was. Values only ever travel as
// bound parameters. A change or delete names the row as the window showed it, and
// writes only while the file still holds exactly that.
class ProjeDeposu {
public:
    enum class Açılış {
        Denetle, // an existing Kavrion database, its tables checked as at start-up
        Ham,     // an existing database file, whatever it holds
        Oluştur, // a new file; an existing one is opened as it is
        SaltOku, // as Denetle, read-only: for reading while another program may write
    };

    // Works on the Qt SQL connection of that name, opened with Aç.
    explicit ProjeDeposu(QString bağlantı);

    // Opens the database, read-write unless SaltOku; only Oluştur creates a file.
    static DepoHatası Aç(const QString& yol, const QString& bağlantı, Açılış açılış = Açılış::Denetle);
    // Closes and forgets a connection opened with Aç, in the thread that opened it.
    static void Kapat(const QString& bağlantı);

    // Every project name, in the order added. The lists read below are whole unless an
    // error is returned.
    DepoHatası ProjeleriOku(QStringList& adlar) const;
    DepoHatası ProjeOku(const QString& ad, KayıtlıProje& proje) const;
    // The project's activities, in the order added.
    DepoHatası FaaliyetleriOku(const QString& proje, QVector<KayıtlıFaaliyet>& faaliyetler) const;
    DepoHatası KodlarıOku(const QString& proje, QStringList& kodlar) const;
    // The greatest code of the project; empty when it has no activity.
    DepoHatası EnBüyükKodu(const QString& proje, QString& koduBul) const;

    DepoHatası ProjeEkle(const Proje& proje) const;
    // Rewrites the project `eski` and carries a new name to its activities.
    DepoHatası ProjeDeğiştir(const KayıtlıProje& eski, const Proje& yeni) const;
    // Deletes the project's row and every activity filed under its name.
    DepoHatası ProjeSil(const KayıtlıProje& proje) const;

    DepoHatası FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet) const;
    // Rewrites name, duration and predecessors of the activity `eski`; its code stays.
    DepoHatası FaaliyetDeğiştir(const QString& proje, const KayıtlıFaaliyet& eski, const Faaliyet& yeni) const;
    // Deletes `son`, which must still be the activity with the greatest code.
    DepoHatası SonFaaliyetiSil(const QString& proje, const KayıtlıFaaliyet& son) const;
    // Deletes the project's activities, which must still be exactly `gösterilenler`.
    DepoHatası TümFaaliyetleriSil(const QString& proje, const QVector<KayıtlıFaaliyet>& gösterilenler) const;

    const QString& bağlantı() const { return m_bağlantı; }

private:
    QString m_bağlantı;
};

// The file name beside the executable, with exactly one separator ("/" + "Proje.mdb" at the root).
QString VeritabanıYolu(const QString& klasör);
