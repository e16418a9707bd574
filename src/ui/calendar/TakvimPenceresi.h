#pragma once

#include "kernel/Takvim.h"
#include "ui/Diyalog.h"

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
// applied. A chosen year's days off are listed with their names. The window follows the
// document: another project, or a calendar changed elsewhere (undo), shows the stored one.
class TakvimPenceresi : public Diyalog {
public:
    explicit TakvimPenceresi(const DiyalogBaglami& baglam);

    // Shows the selected project's stored calendar, the edit kept while it is still of it.
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

    QString m_proje;
    bool m_planVar = false;
    ProjeTakvimi m_kayitli;
    ProjeTakvimi m_duzenlenen;

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
    QLabel* m_onizleme = nullptr;
    QPushButton* m_uygula = nullptr;
    QPushButton* m_vazgec = nullptr;
};
