#pragma once

#include "analysis/AgAnalizi.h"
#include "plan/Komut.h"
#include "plan/Plan.h"
#include "kernel/Cizelge.h"
#include "store/GecmisAdimi.h"
#include "store/ProjeDeposu.h"

#include <QObject>
#include <QSet>
#include <QSqlDriver>
#include <QTimer>
#include <QStringList>
#include <optional>

// Where a walk through the history ended: how many steps it took, and which way; when it
// stopped short, the step it could not take and why.
struct Gezinti {
    int atilan = 0;
    bool geri = false;
    GecmisAdimi duran; // kimlik 0: it got where it was going, or nothing refused it
    DepoHatasi hata;
};

// The open file as the windows see it: the store, the project list, the selected
// project's plan and what the engine works out of it, once per change. Every write
// comes here as a command; the windows listen to the signals and never to each other.
class PlanBelgesi : public QObject {
    Q_OBJECT

public:
    explicit PlanBelgesi(ProjeDeposu depo, QObject* ust = nullptr);

    const ProjeDeposu& depo() const { return m_depo; }

    // Opens the PostgreSQL server at `adres` on the document's connection in place of the
    // store it had (closed first, whatever the outcome), and listens to its announcements.
    // The list is not read: start-up has read it already. After a failure no store is open.
    DepoHatasi SunucuyuAc(const SunucuAdresi& adres);
    // Switches the running document to the server: tried first on a connection of its own,
    // so that a server that cannot be reached, a refused password or a schema that does not
    // fit leaves the document on what it had; then opened as SunucuyuAc does and the project
    // list read again (a failure of that read comes as okunamadi: the switch is done).
    DepoHatasi SunucuyaGec(const SunucuAdresi& adres);
    // The server the document works on, without its password; none on a file.
    std::optional<SunucuAdresi> sunucu() const;

    // Reads the project list again, and the history's steps with it; nothing is selected
    // afterwards (a copy of the name is taken: it may be the selected one). The list's
    // windows then select `gosterilecek` when it is listed. A list
    // that could not be read whole is empty.
    DepoHatasi ProjeleriOku(QString gosterilecek = QString());
    // The same with names already read.
    void ProjeleriKoy(const QStringList& adlar);
    const QStringList& projeler() const { return m_projeler; }

    // Selects the project and reads it afresh; an empty name selects none. After a
    // failed read it stays selected with nothing shown.
    DepoHatasi Sec(const QString& ad);
    const QString& seciliProje() const { return m_secili; }
    // Has the list's windows select the listed project `ad` again and show it: a window
    // that must keep its project in view (a trial not yet applied) brings it back.
    void SecimeDon(const QString& ad) { emit secilecek(ad, {}); }

    // The selected project as read, and the forward pass and analysis of it; no plan
    // after a failed read or with nothing selected.
    const std::optional<Plan>& plan() const { return m_plan; }
    const Cizelge& cizelge() const { return m_cizelge; }
    // Worked out on first use after each change, so that a selection with no window
    // asking for it costs only the forward pass.
    const AgAnalizi& analiz() const;

    // The selected plan's three-point estimates by activity code, read on first use after
    // each change (a selection that never shows them reads nothing more); empty and the
    // store's refusal after a failed read.
    DepoHatasi Tahminler(QHash<QString, UcNoktaTahmini>& tahminler) const;
    // The distribution the selected plan's simulation draws from, read likewise; Pert
    // with nothing selected and after a failed read.
    DepoHatasi ProjeDagilimi(Dagilim& dagilim) const;

    // Checks and writes the command. Once written, a project command reads the list again
    // with nothing selected (an import with its first project selected), an activity
    // command the selected project; a refused one
    // changes nothing here, and the window shows why and what is stored.
    KomutHatasi Calistir(const Komut& komut);

    // Undoes the latest step, or redoes the step undone last, and selects and shows the
    // project it changed with the activities it changed. With nothing to undo or redo
    // nothing happens. A step whose rows were written elsewhere since is refused whole,
    // and the box says what differs.
    DepoHatasi GeriAl();
    DepoHatasi Yinele();
    // Goes back or forward to just after step `adim` (0: before every step), one step at
    // a time, so that no newer step is jumped over; stops at the first refusal, the steps
    // taken before it staying taken.
    Gezinti AdimaGit(qint64 adim);
    // The steps that GeriAl and Yinele would take; kimlik 0 when there is none.
    const GecmisAdimi& geriAlinacak() const { return m_geriAlinacak; }
    const GecmisAdimi& yinelenecek() const { return m_yinelenecek; }

    // On a server: from now on the other planners' writes are shown as they are
    // announced, the list read again when a project changed and the selected project
    // when its rows did. Again after the store's connection was replaced. A file: nothing.
    void DuyurulariDinle();

signals:
    // The project list was read again; `gosterilecek` is to be selected when listed.
    void projelerOkundu(const QString& gosterilecek);
    // The listed project `ad` is to be selected and shown afresh, and in it the activities
    // of these codes that it has; the list is as it was.
    void secilecek(const QString& ad, const QStringList& faaliyetler);
    // The selected project, its plan or what is worked out of it changed.
    void planDegisti();
    // Reading what a command wrote failed; the command itself was written.
    void okunamadi(const DepoHatasi& hata);
    // The steps to undo and redo changed.
    void gecmisDegisti();
    // The delete command removed the project of that name.
    void projeSilindi(const QString& ad);
    // The document's connection was opened on another store (SunucuyuAc).
    void depoDegisti();

private:
    void PlaniKoy(std::optional<Plan> plan);
    // Notes an announcement; a burst of them (a delete of many rows) is shown once.
    void DuyuruGeldi(const QString& kanal, QSqlDriver::NotificationSource kaynak, const QVariant& yuk);
    void DuyurulariGoster();
    // Reads the neighbouring steps again; a file that cannot tell offers none.
    void GecmisiTazele();
    // Undoes (geri) or redoes one step and shows what it left.
    DepoHatasi Gez(bool geri);
    // Shows what the step `adim` left behind, undone (geri) or redone; the list is read
    // again when the steps taken (listeDegisti) changed it.
    void AdimiGoster(const GecmisAdimi& adim, bool geri, bool listeDegisti);

    ProjeDeposu m_depo;
    QStringList m_projeler;
    QString m_secili;
    std::optional<Plan> m_plan;
    Cizelge m_cizelge;
    mutable std::optional<AgAnalizi> m_analiz;
    mutable std::optional<QHash<QString, UcNoktaTahmini>> m_tahminler;
    mutable std::optional<Dagilim> m_dagilim;
    GecmisAdimi m_geriAlinacak, m_yinelenecek;
    // As opened, password and all: a switch that fails half-way opens it again.
    std::optional<SunucuAdresi> m_sunucu;

    QMetaObject::Connection m_duyurular;
    QTimer* m_duyuruBekleme = nullptr;
    bool m_listeDuyuruldu = false;
    QSet<QString> m_duyurulanProjeler;
};
