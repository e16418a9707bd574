#pragma once

#include "store/Kayitlar.h"
#include "store/ProjeDeposu.h"
#include "ui/DiyalogBaglami.h"
#include "ui/GosterilenKayitlar.h"
#include "ui/layout/Duzenler.h"

#include <QMainWindow>
#include <QPointer>
#include <QVector>
#include <optional>

class AnalizPenceresi;
class FaaliyetDegistirmeFormu;
class FaaliyetEklemeFormu;
class ProjeDegistirFormu;
class ProjeEklemeFormu;

// The main window: the project list, the selected project's information and its
// activities with their earliest start and finish, and the eight command buttons;
// above them the menu bar of the analysis window and the about box.
class TemelForm : public QMainWindow, public TemelFormDenetimleri {
public:
    enum class IlkListe {
        DepodanOku,     // the window lists the stored projects as it is built
        SonraVerilecek, // the list stays empty until ProjeleriGoster; the store need not be open yet
    };
    explicit TemelForm(ProjeDeposu depo, IlkListe ilkListe = IlkListe::DepodanOku);

    // Refills the project list from the store; nothing is selected afterwards, and
    // everything of the project shown before is emptied. `gosterilecek`, when listed,
    // is then selected and shown as stored.
    void ProjeleriEkle(const QString& gosterilecek = QString());
    // The same with names already read.
    void ProjeleriGoster(const QStringList& adlar);
    // Shows the selected project afresh from the store: its dates and day count, its
    // activities with ES and EF, the two finish day counts and the critical path.
    // Everything of the project shown before is emptied first, so a read that fails,
    // or no selection, leaves nothing of another project on screen.
    void ProjeListesi_Click();
    void CikisDugmesi_Click();

    // Project commands: open the add dialog, open the change dialog with the project
    // as shown, delete the selected project with its activities.
    void ProjeEkleDugmesi_Click();
    void ProjeDegistirDugmesi_Click();
    void ProjeSilDugmesi_Click();

    // Activity commands. The add dialog opens only while a project is selected, the
    // change dialog with the selected row; at most one of each is open. The deletes
    // ask first and then show the project again.
    void FaaliyetEkleDugmesi_Click();
    void FaaliyetDegistirDugmesi_Click();
    void SonFaaliyetiSilDugmesi_Click();
    void TumKayitlariSilDugmesi_Click();

    // The dialogs while they are open; null when closed.
    ProjeEklemeFormu* AcikProjeEklemeFormu() const;
    ProjeDegistirFormu* AcikProjeDegistirFormu() const;
    FaaliyetEklemeFormu* AcikFaaliyetEklemeFormu() const;
    FaaliyetDegistirmeFormu* AcikFaaliyetDegistirmeFormu() const;

    // The text of the selected project, empty when none is selected.
    QString SeciliProje() const;

    // The project as it was read and its activities; none after a failed read or
    // with nothing selected.
    const std::optional<KayitliProje>& GosterilenProje() const { return m_proje; }
    const QVector<KayitliFaaliyet>& GosterilenFaaliyetler() const { return m_faaliyetler; }
    GosterilenKayitlar Gosterilen() const;

    // Menu commands: the analysis window (opened, or brought to the front), exporting and
    // printing the project shown, and the about box.
    void AnalizPenceresiniAc();
    void KavrionHakkinda();
    // The analysis window while it is open; null when closed.
    AnalizPenceresi* AcikAnalizPenceresi() const;

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    // Forgets the project shown and empties every field and the activity list.
    void ProjeyiBosalt();
    DiyalogBaglami Baglam();
    void MenuleriKur();
    // The analysis window shows what this window shows once the running command is done.
    void AnaliziGuncelle();

    ProjeDeposu m_depo;
    // The project on screen as it was read, and its activities in the list's order:
    // what the commands act on and compare the file with before they write.
    std::optional<KayitliProje> m_proje;
    QVector<KayitliFaaliyet> m_faaliyetler;

    QPointer<ProjeEklemeFormu> m_projeEklemeFormu;
    QPointer<ProjeDegistirFormu> m_projeDegistirFormu;
    QPointer<FaaliyetEklemeFormu> m_faaliyetEklemeFormu;
    QPointer<FaaliyetDegistirmeFormu> m_faaliyetDegistirmeFormu;
    QPointer<AnalizPenceresi> m_analizPenceresi;
};
