#pragma once

#include "plan/PlanBelgesi.h"
#include "ui/DiyalogBaglami.h"
#include "ui/layout/Duzenler.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class AnalizPenceresi;
class GecmisPenceresi;
class IceAktarmaFormu;
class QAction;
class FaaliyetDegistirmeFormu;
class FaaliyetEklemeFormu;
class ProjeDegistirFormu;
class ProjeEklemeFormu;
class SunucuyaBaglanFormu;
class TabanPlanlariPenceresi;
class TakvimPenceresi;
class TekSurec;
class QMenu;

// The main window: the project list, the selected project's information and its
// activities with their earliest start and finish, and the eight command buttons;
// above them the menu bar of the analysis window and the about box.
class TemelForm : public QMainWindow, public TemelFormDenetimleri {
public:
    enum class IlkListe {
        DepodanOku,     // the window lists the stored projects as it is built
        SonraVerilecek, // the list stays empty until ProjeleriGoster; the store need not be open yet
    };
    // The window shows `belge`, which outlives it.
    explicit TemelForm(PlanBelgesi& belge, IlkListe ilkListe = IlkListe::DepodanOku);
    ~TemelForm() override;

    // Refills the project list from the store; nothing is selected afterwards, and
    // everything of the project shown before is emptied. `gosterilecek`, when listed,
    // is then selected and shown as stored.
    void ProjeleriEkle(const QString& gosterilecek = QString());
    // The same with names already read.
    void ProjeleriGoster(const QStringList& adlar);
    // Shows the selected project afresh from the store: its dates and day count, its
    // activities with ES and EF, the two finish day counts and the critical path.
    // A read that fails, or no selection, leaves nothing of another project on screen.
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

    // The document this window shows: the commands act on its plan, as shown.
    PlanBelgesi& belge() { return m_belge; }

    // Menu commands: undo and redo with the history, the analysis window (opened, or
    // brought to the front), exporting and printing the project shown, and the about box.
    void GeriAl();
    void Yinele();
    void GecmisiAc();
    GecmisPenceresi* AcikGecmisPenceresi() const;
    QAction* geriAlEylemi() const { return m_geriAl; }
    QAction* yineleEylemi() const { return m_yinele; }
    void AnalizPenceresiniAc();
    // The about box names the store: the file's path, or the server without its password.
    void KavrionHakkinda();
    // "Sunucuya Bağlan…": the dialog that moves the application onto a server.
    void SunucuyaBaglan();
    SunucuyaBaglanFormu* AcikSunucuyaBaglanFormu() const;
    // "Aç…", "Yeni…" and the File menu's recent files: the window moves to another plan
    // file. The windows of the file left close first (one that is kept open, a trial not
    // applied, keeps the window where it is). A file another Kavrion has open is refused
    // and that window comes to the front; a file that cannot serve is refused in its box;
    // either way the file open stays open. "Yeni…" never makes a plan over an existing file.
    void DosyaAc();
    void YeniDosya();
    bool DosyayaGec(const QString& yol);
    // The one-process lock of the file shown, taken at start-up; a switch moves it, and
    // a move to a server lets it go.
    void KilidiTut(std::unique_ptr<TekSurec> kilit);
    QMenu* sonDosyalarMenusu() const { return m_sonDosyalar; }
    // Reads the file the user picks and opens its preview; a file that cannot come in
    // is refused in one box with the reason.
    void IceAktar();
    IceAktarmaFormu* AcikIceAktarmaFormu() const;
    // The analysis window while it is open; null when closed.
    AnalizPenceresi* AcikAnalizPenceresi() const;
    // "Proje > Takvim…": the selected project's calendar window, opened or brought to the front.
    void TakvimPenceresiniAc();
    TakvimPenceresi* AcikTakvimPenceresi() const;
    // "Proje > İlerleme…", "Taban Planı Kaydet…" and "Taban Planları…": the selected
    // project's progress and baselines, opened or brought to the front.
    void IlerlemePenceresiniAc();
    void TabanPlaniKaydet();
    void TabanPlanlariniAc();
    TabanPlanlariPenceresi* AcikTabanPlanlariPenceresi() const;

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    // The list as the document read it, with `gosterilecek` selected when listed.
    void ListeyiGoster(const QString& gosterilecek);
    // Selects the listed project and shows it afresh, selected already or not, and in it
    // the first of the activities of these codes that it has, scrolled into view.
    void ProjeyiGoster(const QString& ad, const QStringList& faaliyetler = QStringList());
    // The document's plan in the fields and the activity list; everything emptied first.
    void PlaniGoster();
    // The activity selected here goes to the document, and one selected elsewhere comes here.
    void FaaliyetSecimiDegisti();
    void FaaliyetiGoster(const QString& kod);
    void ProjeyiBosalt();
    DiyalogBaglami Baglam();
    void MenuleriKur();
    void DuzenMenusunuKur();
    // The Edit menu names the steps it would take.
    void DuzenMenusunuGuncelle();
    void SonDosyalarMenusunuKur();
    // Closes the windows this one owns, as closing it would; false when one stays.
    bool PencereleriKapat();
    // Another store was opened: the caption names the file or the server, and the dialogs that hold
    // rows or names of the store they came from (changes, an activity's entry, an
    // import's checked names) close.
    void DepoDegisti();
    // A refused command: its box, then, when the file no longer holds what was shown,
    // the list read again with `ad` shown.
    void ReddiGoster(const KomutHatasi& hata, const QString& ad);

    PlanBelgesi& m_belge;

    QPointer<ProjeEklemeFormu> m_projeEklemeFormu;
    QPointer<ProjeDegistirFormu> m_projeDegistirFormu;
    QPointer<FaaliyetEklemeFormu> m_faaliyetEklemeFormu;
    QPointer<FaaliyetDegistirmeFormu> m_faaliyetDegistirmeFormu;
    QPointer<AnalizPenceresi> m_analizPenceresi;
    QPointer<GecmisPenceresi> m_gecmisPenceresi;
    QPointer<TakvimPenceresi> m_takvimPenceresi;
    QPointer<TabanPlanlariPenceresi> m_tabanPlanlariPenceresi;
    QPointer<IceAktarmaFormu> m_iceAktarmaFormu;
    QPointer<SunucuyaBaglanFormu> m_sunucuyaBaglanFormu;
    QAction* m_geriAl = nullptr;
    QAction* m_yinele = nullptr;
    QMenu* m_sonDosyalar = nullptr;
    std::unique_ptr<TekSurec> m_kilit;
    QString m_cerceveBasligi; // as laid out; a working-day calendar adds its name while shown
};
