#pragma once

#include "analysis/AgAnalizi.h"
#include "analysis/IlerlemeAnalizi.h"
#include "plan/Deneme.h"
#include "plan/Komut.h"
#include "plan/Plan.h"
#include "kernel/Cizelge.h"
#include "store/DepoBilgisi.h"
#include "store/GecmisAdimi.h"
#include "store/ProjeDeposu.h"

#include <QObject>
#include <QSet>
#include <QSqlDriver>
#include <QTimer>
#include <QStringList>
#include <functional>
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
// project's plan and what the engine works out of it, once per change. Start-up owns it
// and hands it to the main window. Every write comes here as a command, every read of the
// store through its typed functions; the windows listen to the signals and never to each other.
class PlanBelgesi : public QObject {
    Q_OBJECT

public:
    explicit PlanBelgesi(ProjeDeposu depo, QObject* ust = nullptr);

    // What the dialogs read of the store beside the selected plan, as the store gives it.
    DepoHatasi ProjeOku(const QString& ad, KayitliProje& proje) const { return m_depo.ProjeOku(ad, proje); }
    DepoHatasi FaaliyetleriOku(const QString& proje, QVector<KayitliFaaliyet>& faaliyetler) const
    {
        return m_depo.FaaliyetleriOku(proje, faaliyetler);
    }
    DepoHatasi KodlariOku(const QString& proje, QStringList& kodlar) const { return m_depo.KodlariOku(proje, kodlar); }
    // The code a new activity of the project gets; none when the codes ran out.
    DepoHatasi SonrakiKodu(const QString& proje, std::optional<QString>& kod) const
    {
        return ::SonrakiKodu(m_depo, proje, kod);
    }
    DepoHatasi GecmisiOku(QVector<GecmisAdimi>& adimlar) const { return m_depo.GecmisiOku(adimlar); }
    DepoHatasi DepoBilgisiniOku(DepoBilgisi& bilgi) const { return ::DepoBilgisiniOku(m_depo, bilgi); }
    // The open database's file, which no export or printout may replace.
    QString VeritabaniYolu() const;

    // Opens the PostgreSQL server at `adres` on the document's connection in place of the
    // store it had (closed first, whatever the outcome), and listens to its announcements.
    // The list is not read: start-up has read it already. After a failure no store is open.
    DepoHatasi SunucuyuAc(const SunucuAdresi& adres);
    // Switches the running document to the server: tried first on a connection of its own,
    // so that a server that cannot be reached, a refused password or a schema that does not
    // fit leaves the document on what it had; then opened as SunucuyuAc does and the project
    // list read again (a failure of that read comes as okunamadi: the switch is done).
    DepoHatasi SunucuyaGec(const SunucuAdresi& adres);
    // The same for the plan file at `yol`: SunucuyuAc's opening and DosyayaGec's switch.
    // A trial of the store left behind is dropped with it.
    DepoHatasi DosyayiAc(const QString& yol);
    DepoHatasi DosyayaGec(const QString& yol);
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
    // The activity of that code selected in one window of the selected project, for the
    // others to select too. Only a selection is told, never its loss: a list emptied to be
    // filled again must not take the other windows' selection with it.
    void FaaliyetiSec(const QString& kod);
    // The code of the activity selected last in the selected project, for a window opened
    // after it; empty when none is, or when the plan as read now has no such activity.
    QString SeciliFaaliyet() const;

    // The selected project as read, and the forward pass and analysis of it; no plan
    // after a failed read or with nothing selected.
    const std::optional<Plan>& plan() const { return m_plan; }
    const Cizelge& cizelge() const { return m_cizelge; }
    // Worked out on first use after each change, so that a selection with no window
    // asking for it costs only the forward pass.
    const AgAnalizi& analiz() const;

    // The what-if: durations tried on a project, shown in place of its stored ones and
    // never saved unless applied. Moving to another project keeps it (the window that
    // shows it asks what becomes of it); it goes with its project or an activity it changes.
    const Deneme& deneme() const { return m_deneme; }
    // The plan the trial was made on, as the user last saw it: what applying it writes
    // over, so that a change made elsewhere and not yet shown is refused, not overwritten.
    const Plan& denemePlani() const { return m_denemePlani; }
    // Called by the window that shows the trial as it shows the plan read now.
    void DenemeGosterildi();
    // Whether the trial is of the plan selected, and so shown in its place.
    bool Denemede() const;
    // The selected plan's activities as shown: with the trial's durations during one.
    const QVector<KayitliFaaliyet>& gosterilenFaaliyetler() const;
    // The analysis of what is shown: the trial's during one, else analiz().
    const AgAnalizi& gosterilenAnaliz() const;
    // The forecast of what is shown from the selected project's progress, compared with its
    // chosen baseline; worked out on first use after each change.
    const IlerlemeAnalizi& ilerlemeAnalizi() const;
    // Tries a duration for an activity of the selected plan; its stored duration takes it
    // out of the trial again. A trial of another project is replaced.
    void SureyiDene(const KayitliFaaliyet& faaliyet, qint32 sure);
    void DenemeyiBirak();
    // Writes the trial as one command over the plan it was made on, and drops it; a
    // refusal keeps it.
    KomutHatasi DenemeyiUygula();

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
    // A window selected the activity of that code in the selected project.
    void faaliyetSecildi(const QString& kod);
    // The selected project, its plan or what is worked out of it changed.
    void planDegisti();
    // Reading what a command wrote failed; the command itself was written.
    void okunamadi(const DepoHatasi& hata);
    // The steps to undo and redo changed.
    void gecmisDegisti();
    // The delete command removed the project of that name.
    void projeSilindi(const QString& ad);
    // The document's connection was opened on another store (SunucuyuAc, DosyayiAc).
    void depoDegisti();
    // The trial was tried further, dropped or applied.
    void denemeDegisti();

private:
    void PlaniKoy(std::optional<Plan> plan);
    // Closes the store the document had and opens another on its connection with `ac`;
    // `sunucu` is the server it is, none for a file.
    DepoHatasi DepoyuAc(const std::function<DepoHatasi()>& ac, std::optional<SunucuAdresi> sunucu);
    // The switch both stores share: `dene` on a connection of its own, then `ac` on the
    // document's; a failure of the latter opens again what the document had.
    DepoHatasi Gec(const std::function<DepoHatasi()>& dene, const std::function<DepoHatasi()>& ac);
    // Keeps the trial over the plan read, or drops it when what it changes is gone.
    void DenemeyiDenetle();
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
    QString m_seciliFaaliyet; // told once, however many windows follow it back
    std::optional<Plan> m_plan;
    Cizelge m_cizelge;
    mutable std::optional<AgAnalizi> m_analiz;
    mutable std::optional<QHash<QString, UcNoktaTahmini>> m_tahminler;
    mutable std::optional<Dagilim> m_dagilim;
    Deneme m_deneme;
    Plan m_denemePlani;
    mutable std::optional<QVector<KayitliFaaliyet>> m_denenenFaaliyetler;
    mutable std::optional<AgAnalizi> m_denemeAnalizi;
    mutable std::optional<IlerlemeAnalizi> m_ilerlemeAnalizi; // of gosterilenAnaliz(): dropped with it
    GecmisAdimi m_geriAlinacak, m_yinelenecek;
    // As opened, password and all: a switch that fails half-way opens it again.
    std::optional<SunucuAdresi> m_sunucu;

    QMetaObject::Connection m_duyurular;
    QTimer* m_duyuruBekleme = nullptr;
    bool m_listeDuyuruldu = false;
    QSet<QString> m_duyurulanProjeler;
};
