#pragma once

#include "kernel/Takvim.h"
#include "ui/Diyalog.h"

#include <QMap>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// "Proje Takvimi": the selected project's calendar, edited here and applied as one
// command: its kind, whether the arife afternoons are whole holidays, and its own
// exceptions by date. What the change would do to the plan's dates is said before it is
// applied. A chosen year's days off are listed with their names and the source of that
// year's bayram dates. The window follows the document: an edit not applied stays with its
// project while another is selected, and is shown again on coming back as long as the stored
// calendar it was made over is still the project's; a calendar changed elsewhere (undo)
// drops it, and the status line says so.
class TakvimPenceresi : public Diyalog {
public:
    explicit TakvimPenceresi(const DiyalogBaglami& baglam);

    // Shows the selected project's calendar: its edit not applied while the stored calendar
    // is still the one it was made over, else the stored one.
    void Yenile();
    // Writes the calendar as edited; a refusal keeps the edit and says why.
    void UygulaDugmesi_Click();
    // Back to the stored calendar.
    void VazgecDugmesi_Click();
    // The exception in the fields added (over one of the same date), put in place of the
    // selected one, or the selected one removed.
    void IstisnaEkleDugmesi_Click();
    void IstisnaDegistirDugmesi_Click();
    void IstisnaKaldirDugmesi_Click();

    const ProjeTakvimi& duzenlenen() const { return m_duzenlenen; }
    // For tests: the parts as the user sees them.
    QComboBox* turKutusu() const { return m_tur; }
    QCheckBox* arifeKutusu() const { return m_arife; }
    QTreeWidget* istisnalar() const { return m_istisnalar; }
    QLineEdit* tarihKutusu() const { return m_tarih; }
    QComboBox* istisnaTuruKutusu() const { return m_istisnaTuru; }
    QLineEdit* adKutusu() const { return m_ad; }
    QSpinBox* yilKutusu() const { return m_yil; }
    QTreeWidget* tatiller() const { return m_tatiller; }
    QLabel* onizleme() const { return m_onizleme; }
    QLabel* durum() const { return m_durum; }
    QLabel* kaynak() const { return m_kaynak; }
    QPushButton* uygulaDugmesi() const { return m_uygula; }

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    void Kur();
    QLayout* IstisnalariKur();
    QLayout* YiliKur();
    // The controls from the calendar as edited, none of them reporting back.
    void DenetimleriDoldur();
    // After each edit: the exceptions, the year's days off, the preview and the buttons.
    void DuzenlenenDegisti();
    void IstisnalariGoster();
    void YiliGoster();
    void Onizle();
    void IstisnaSecildi();
    // The exception the fields describe; none (after its box) when the date is no date.
    std::optional<TakvimIstisnasi> AlanlardakiIstisna();
    bool Degisti() const;
    // The stored calendar and the edit to show for the project now selected; m_not says
    // when an edit not applied was dropped because the stored calendar changed under it.
    void DuzenlemeyiSec(const QString& ad, bool planVar, const ProjeTakvimi& kayitli);

    struct Duzenleme {
        ProjeTakvimi kayitli;    // the stored calendar the edit was made over
        ProjeTakvimi duzenlenen;
    };

    QString m_proje;
    bool m_planVar = false;
    ProjeTakvimi m_kayitli;
    ProjeTakvimi m_duzenlenen;
    // Edits not applied of the projects not shown, by name.
    QMap<QString, Duzenleme> m_bekleyenler;
    QString m_not;

    QLabel* m_durum = nullptr;
    QComboBox* m_tur = nullptr;
    QCheckBox* m_arife = nullptr;
    QTreeWidget* m_istisnalar = nullptr;
    QLineEdit* m_tarih = nullptr;
    QComboBox* m_istisnaTuru = nullptr;
    QLineEdit* m_ad = nullptr;
    QPushButton* m_ekle = nullptr;
    QPushButton* m_degistir = nullptr;
    QPushButton* m_kaldir = nullptr;
    QSpinBox* m_yil = nullptr;
    QTreeWidget* m_tatiller = nullptr;
    QLabel* m_kaynak = nullptr;
    QLabel* m_onizleme = nullptr;
    QPushButton* m_uygula = nullptr;
    QPushButton* m_vazgec = nullptr;
};
