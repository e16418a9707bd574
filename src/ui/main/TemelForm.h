#pragma once

#include "store/ProjeDeposu.h"

#include <QPointer>
#include <QWidget>

class ProjeDeğiştirFormu;
class ProjeEklemeFormu;
class ListeKutusu;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class FaaliyetEklemeFormu;
class FaaliyetDeğiştirmeFormu;

// The main window: the project list, the selected project's information and its
// activities with their earliest start and finish, and the eight command buttons.
// Its controls are what the rest of the application reads the selection from.
class TemelForm : public QWidget {
public:
    enum class İlkListe {
        DepodanOku,     // the window lists the stored projects as it is built
        SonraVerilecek, // the list stays empty until ProjeleriGöster; the store need not be open yet
    };
    explicit TemelForm(ProjeDeposu depo, İlkListe ilkListe = İlkListe::DepodanOku);

    // Refills the project list from the store; nothing is selected afterwards, and the
    // dates, the day count and the activity list are emptied.
    void ProjeleriEkle();
    // The same with names already read.
    void ProjeleriGöster(const QStringList& adlar);
    // Shows the selected project: its dates and day count, its activities with ES
    // and EF, the two finish day counts and the critical path. Does nothing when no
    // project is selected.
    void ProjeListesi_Click();
    void ÇıkışDüğmesi_Click();

    // Activity commands. The add dialog opens only while a project is selected, the
    // change dialog with the selected row; at most one of each is open. The deletes
    // ask first and then show the project again.
    void FaaliyetEkleDüğmesi_Click();
    void FaaliyetDeğiştirDüğmesi_Click();
    void SonFaaliyetiSilDüğmesi_Click();
    void TümKayıtlarıSilDüğmesi_Click();
    // Deletes every activity of the selected project; the caller shows the project again.
    // False when the store refused, which has then been shown in a box.
    bool TümKayıtlarıSil();
    QPointer<FaaliyetEklemeFormu> AçıkFaaliyetEklemeFormu;
    QPointer<FaaliyetDeğiştirmeFormu> AçıkFaaliyetDeğiştirmeFormu;

    // Project commands: open the add dialog, open the change dialog filled with what
    // this window shows, delete the selected project with its activities.
    void ProjeEkleDüğmesi_Click();
    void ProjeDeğiştirDüğmesi_Click();
    void ProjeSilDüğmesi_Click();
    // The project dialogs while they are open; null when closed.
    ProjeEklemeFormu* AçıkProjeEklemeFormu() const;
    ProjeDeğiştirFormu* AçıkProjeDeğiştirFormu() const;

    // The text of the selected project, empty when none is selected.
    QString SeçiliProje() const;
    const ProjeDeposu& Depo() const { return m_depo; }

    ListeKutusu* ProjeListesi;
    QGroupBox* Çerçeve;
    QLineEdit* BaşlamaTarihiKutusu;
    QLineEdit* BitişTarihiKutusu;
    QLineEdit* TahminiGünSayısıKutusu;
    QLineEdit* KritikYolKutusu;
    QLineEdit* EnGeçGünSayısıKutusu;
    QLineEdit* EnErkenGünSayısıKutusu;
    QTreeWidget* FaaliyetlerListesi;
    QPushButton* ProjeEkleDüğmesi;
    QPushButton* ProjeDeğiştirDüğmesi;
    QPushButton* ProjeSilDüğmesi;
    QPushButton* FaaliyetEkleDüğmesi;
    QPushButton* FaaliyetDeğiştirDüğmesi;
    QPushButton* SonFaaliyetiSilDüğmesi;
    QPushButton* TümKayıtlarıSilDüğmesi;
    QPushButton* ÇıkışDüğmesi;

    // The project finish day count of the last computation: the largest EF.
    qint32 ProjeBitişGünü = 0;

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    ProjeDeposu m_depo;
    QPointer<ProjeEklemeFormu> m_projeEklemeFormu;
    QPointer<ProjeDeğiştirFormu> m_projeDeğiştirFormu;
};
