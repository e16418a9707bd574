#pragma once

#include "plan/Plan.h"

#include <QMessageBox>
#include <QWidget>
#include <optional>

class PlanBelgesi;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Ne olur?": new durations for activities of the project shown, tried without saving.
// The trial is the document's: every window, export and printout shows it in place of
// the plan while the banner says plainly that nothing is saved; "Sıfırla" drops it, "Plana
// Uygula" writes it as one command. A trial is never dropped unasked while it could still
// be applied: closing the window or moving to another project asks first, as an editor
// asks before closing a changed document.
class DenemePaneli : public QWidget {
public:
    explicit DenemePaneli(PlanBelgesi& belge, QWidget* ust = nullptr);

    // Called as the window shows the document's plan, before it reads it: when the document
    // moved away from the trial's project, the user chooses first to apply the trial there,
    // to drop it, or to keep it and have its project selected again. Then the activities to
    // pick from.
    void PlaniGoster();
    // Asked as the window closes: true when it may, the trial applied or dropped; false when
    // the user keeps it ("Vazgeç") or the store refused to write it.
    bool Kapanabilir();

    // The picked activity's new duration (the field, else its duration plus the slip).
    void Dene();
    void Sifirla();
    void PlanaUygula();

    QComboBox* faaliyet() const { return m_faaliyet; }
    QLineEdit* sure() const { return m_sure; }
    QSpinBox* gecikme() const { return m_gecikme; }
    QLabel* uyari() const { return m_uyari; }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void ListeyiDoldur();
    // Writes the trial against the plan it was made on; false when the store refused it
    // (its box shown, the trial kept).
    bool Yaz();
    QMessageBox::StandardButton UygulansinMi();
    void UyariyiGuncelle();

    PlanBelgesi& m_belge;
    // The plan as the window shows it: the trial is picked from it, whatever the document
    // has read since.
    std::optional<Plan> m_plan;
    bool m_soruluyor = false;
    QStringList m_maddeler;
    QComboBox* m_faaliyet = nullptr;
    QLineEdit* m_sure = nullptr;
    QSpinBox* m_gecikme = nullptr;
    QLabel* m_uyari = nullptr;
    QPushButton* m_sifirla = nullptr;
    QPushButton* m_uygula = nullptr;
};
