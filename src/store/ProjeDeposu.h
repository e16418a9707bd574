#pragma once

#include "store/DepoHatasi.h"
#include "store/GecmisAdimi.h"
#include "store/Kayitlar.h"
#include "store/SunucuAdresi.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class QSqlDriver;

// The operations on Proje.mdb, in typed values. Each reads or writes through one
// statement or one transaction and gives back a DepoHatasi, empty on success: a write
// either happens whole or leaves the file as it was. Values only ever travel as
// bound parameters. A change or delete names the row as the window showed it, and
// writes only while the file still holds exactly that.
class ProjeDeposu {
public:
    enum class Acilis {
        Denetle, // an existing Kavrion database, its tables checked as at start-up
        Ham,     // an existing database file, whatever it holds
        Olustur, // a new file; an existing one is opened as it is
        SaltOku, // as Denetle, read-only: for reading while another program may write
    };

    // Works on the Qt SQL connection of that name, opened with Ac.
    explicit ProjeDeposu(QString baglanti);

    // Opens the database, read-write unless SaltOku; only Olustur creates a file.
    static DepoHatasi Ac(const QString& yol, const QString& baglanti, Acilis acilis = Acilis::Denetle);
    // Connects to a PostgreSQL server holding a Kavrion schema (Denetle or SaltOku), or
    // to an empty database (Ham, Olustur: for veritabani-olustur). `sahip` names this
    // planner's steps in the shared history; the user and host by default.
    static DepoHatasi SunucuyaBaglan(const SunucuAdresi& adres, const QString& baglanti,
                                     Acilis acilis = Acilis::Denetle, const QString& sahip = QString());
    // Closes and forgets a connection opened with Ac, in the thread that opened it.
    static void Kapat(const QString& baglanti);

    // Every project name, in the order added. The lists read below are whole unless an
    // error is returned.
    DepoHatasi ProjeleriOku(QStringList& adlar) const;
    // The project with its calendar.
    DepoHatasi ProjeOku(const QString& ad, KayitliProje& proje) const;
    // The project's activities, in the order added.
    DepoHatasi FaaliyetleriOku(const QString& proje, QVector<KayitliFaaliyet>& faaliyetler) const;
    DepoHatasi KodlariOku(const QString& proje, QStringList& kodlar) const;
    // The greatest code of the project; empty when it has no activity.
    DepoHatasi EnBuyukKodu(const QString& proje, QString& koduBul) const;

    DepoHatasi ProjeEkle(const Proje& proje) const;
    // Rewrites the project `eski` and carries a new name to its activities.
    DepoHatasi ProjeDegistir(const KayitliProje& eski, const Proje& yeni) const;
    // Deletes the project's row and every activity filed under its name.
    DepoHatasi ProjeSil(const KayitliProje& proje) const;

    // Adds the projects, each with its activities and estimates as given, as one write and one step.
    DepoHatasi IceAktar(const QVector<TamProje>& projeler) const;
    // The same as a new file's first content: one write that is no step of the history, so
    // that a new user's first undo finds nothing to take away.
    DepoHatasi IlkIcerikYaz(const QVector<TamProje>& projeler) const;

    // A caller's rule on the project's codes as stored (in the order added), checked inside
    // the write it guards, once the project is known to be there and before anything is
    // written: no other planner's write can land between the check and the write. It answers
    // false to refuse; the write then writes nothing and reports no store error, the rule
    // keeping its own reason. A project gone is reported as ProjeOku reports it.
    using KodKurali = std::function<bool(const QStringList& eklenisSirasiylaKodlar)>;

    DepoHatasi FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet, const KodKurali& kural = {}) const;
    // Rewrites name, duration and predecessors of the activity `eski`; its code stays.
    DepoHatasi FaaliyetDegistir(const QString& proje, const KayitliFaaliyet& eski, const Faaliyet& yeni,
                                const KodKurali& kural = {}) const;
    // Rewrites the durations of the activities `eskiler` (each as shown) to `yeniler`, in order.
    DepoHatasi SureleriDegistir(const QString& proje, const QVector<KayitliFaaliyet>& eskiler,
                                const QVector<qint32>& yeniler) const;
    // Deletes `son`, which must still be the activity with the greatest code.
    DepoHatasi SonFaaliyetiSil(const QString& proje, const KayitliFaaliyet& son) const;
    // Deletes the project's activities, which must still be exactly `gosterilenler`.
    DepoHatasi TumFaaliyetleriSil(const QString& proje, const QVector<KayitliFaaliyet>& gosterilenler) const;

    // The project's three-point estimates by activity code; none for a file that keeps none.
    DepoHatasi TahminleriOku(const QString& proje, QHash<QString, UcNoktaTahmini>& tahminler) const;
    // Sets the activity's estimate (none: removes it), written only while the file still
    // holds `eski` for it (none: no estimate) and the activity is there.
    DepoHatasi TahminDegistir(const QString& proje, const QString& kodu, const std::optional<UcNoktaTahmini>& eski,
                              const std::optional<UcNoktaTahmini>& yeni) const;
    // The distribution the project's simulation draws from: Pert for a project that never
    // chose one, and for a file that keeps none.
    DepoHatasi DagilimOku(const QString& proje, Dagilim& dagilim) const;
    // Sets it, written only while the file still holds `eski` for it and the project is there.
    DepoHatasi DagilimDegistir(const QString& proje, Dagilim eski, Dagilim yeni) const;
    // Sets the project's calendar (ProjeOku reads it with the project), written only while
    // the file still holds `eski` for it and the project is there. `yeni` must keep the
    // calendar's rules (TakvimiDenetle); the command checks them.
    DepoHatasi TakvimDegistir(const QString& proje, const ProjeTakvimi& eski, const ProjeTakvimi& yeni) const;

    // A rule on the project's progress and baselines as stored, checked inside the write it
    // guards before anything is written; false refuses, as KodKurali does.
    using IlerlemeKurali = std::function<bool(const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar)>;

    // The project's progress and baselines (ProjeOku reads them with the project), each set
    // only while the file still holds what the window showed and the project is there.
    // The status date (invalid: none).
    DepoHatasi DurumTarihiDegistir(const QString& proje, const QDate& eski, const QDate& yeni,
                                   const IlerlemeKurali& kural = {}) const;
    // An activity's progress (none: no row), the activity still there.
    DepoHatasi IlerlemeDegistir(const QString& proje, const QString& kodu, const std::optional<FaaliyetIlerlemesi>& eski,
                                const std::optional<FaaliyetIlerlemesi>& yeni, const IlerlemeKurali& kural = {}) const;
    // A new baseline under the lowest free number, given back in `numara`.
    DepoHatasi TabanKaydet(const QString& proje, const TabanPlani& yeni, qint32& numara,
                           const IlerlemeKurali& kural = {}) const;
    DepoHatasi TabanAdlandir(const QString& proje, qint32 numara, const QString& eskiAd, const QString& yeniAd,
                             const IlerlemeKurali& kural = {}) const;
    // Deletes the baseline as shown; were it the one compared, none is compared after.
    DepoHatasi TabanSil(const QString& proje, const TabanPlani& eski) const;
    // The baseline compared with (-1: none).
    DepoHatasi TabanSec(const QString& proje, qint32 eski, qint32 yeni, const IlerlemeKurali& kural = {}) const;

    // Every write above is also a step of the file's undo history, recorded in its own
    // transaction; a write after an undo drops the steps that could have been redone.
    // Every step, oldest first (empty for a file without history).
    DepoHatasi GecmisiOku(QVector<GecmisAdimi>& adimlar) const;
    // Undoes the latest applied step / redoes the earliest undone one, in one transaction;
    // `adim` receives the step. Nothing to undo or redo: no error, and `adim` has kimlik 0.
    // A row written elsewhere since the step refuses it whole. `beklenen`, unless 0, is the
    // step the window named: another in its place (one written elsewhere since) is refused.
    DepoHatasi GeriAl(GecmisAdimi& adim, qint64 beklenen = 0) const;
    DepoHatasi Yinele(GecmisAdimi& adim, qint64 beklenen = 0) const;
    // The steps GeriAl and Yinele would take now, read without writing; kimlik 0 for none.
    DepoHatasi KomsuAdimlar(GecmisAdimi& geriAlinacak, GecmisAdimi& yinelenecek) const;

    const QString& baglanti() const { return m_baglanti; }

    // On a server: subscribes the connection, now and after every reconnection, to the
    // announcements of every planner's writes, and gives the driver that emits them
    // (QSqlDriver::notification, its payload "table number:project name", the name
    // empty when too long to announce). For a file, which nobody announces, nullptr.
    QSqlDriver* DuyuruKaynagi() const;

private:
    QString m_baglanti;
};

// The file name beside the executable, with exactly one separator ("/" + "Proje.mdb" at the root).
QString VeritabaniYolu(const QString& klasor);
