#pragma once

#include "ui/Diyalog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Taban Planları": the selected project's baselines. The plan as it stands now is kept
// under the name in the field ("Taban Planı Kaydet…" opens the window there); the selected
// one is renamed, deleted or chosen for the comparison. Each is one command, undone as any
// other.
class TabanPlanlariPenceresi : public Diyalog {
public:
    explicit TabanPlanlariPenceresi(const DiyalogBaglami& baglam);

    void Yenile();
    void KaydetDugmesi_Click();
    void AdlandirDugmesi_Click();
    void SilDugmesi_Click();
    // Chooses the selected baseline for the comparison, or stops comparing with it.
    void SecDugmesi_Click();
    // Puts the keyboard in the name field, for a new baseline.
    void AdaOdaklan();

    // For tests: the parts as the user sees them.
    QTreeWidget* liste() const { return m_liste; }
    QLineEdit* adKutusu() const { return m_ad; }
    QLabel* durum() const { return m_durum; }
    QPushButton* kaydetDugmesi() const { return m_kaydet; }
    QPushButton* adlandirDugmesi() const { return m_adlandir; }
    QPushButton* silDugmesi() const { return m_sil; }
    QPushButton* secDugmesi() const { return m_sec; }

private:
    void Kur();
    void SecimDegisti();
    // The selected baseline's number, -1 for none.
    qint32 SeciliNumara() const;
    // The name in the field, as the rules judge it.
    QString AlandakiAd() const;

    QString m_proje;
    QLabel* m_durum = nullptr;
    QTreeWidget* m_liste = nullptr;
    QLineEdit* m_ad = nullptr;
    QLabel* m_tarih = nullptr;
    QPushButton* m_kaydet = nullptr;
    QPushButton* m_adlandir = nullptr;
    QPushButton* m_sil = nullptr;
    QPushButton* m_sec = nullptr;
};
