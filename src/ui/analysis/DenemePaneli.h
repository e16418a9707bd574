#pragma once

#include "plan/Deneme.h"
#include "plan/Plan.h"

#include <QWidget>
#include <functional>
#include <optional>

class PlanBelgesi;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Ne olur?": new durations for activities of the project shown, tried without saving.
// The window shows the trial in place of the plan while the banner says plainly that
// nothing is saved; "Sıfırla" drops it, "Plana Uygula" writes it as one command.
class DenemePaneli : public QWidget {
public:
    // `degisti` is called whenever the trial changes, for the window to show it.
    DenemePaneli(PlanBelgesi& belge, std::function<void()> degisti, QWidget* ust = nullptr);

    // Called as the window shows the document's plan: the activities to pick from, and a
    // trial of another project, or of an activity no longer there, is dropped.
    void PlaniGoster();
    // The trial; empty durations when there is none.
    const Deneme& deneme() const { return m_deneme; }

    // The picked activity's new duration (the field, else its duration plus the slip).
    void Dene();
    void Sifirla();
    void PlanaUygula();

    QComboBox* faaliyet() const { return m_faaliyet; }
    QLineEdit* sure() const { return m_sure; }
    QSpinBox* gecikme() const { return m_gecikme; }
    QLabel* uyari() const { return m_uyari; }

private:
    void UyariyiGuncelle();

    PlanBelgesi& m_belge;
    std::function<void()> m_degisti;
    // The plan as the window shows it: the trial is picked from it and written over it,
    // whatever the document has read since.
    std::optional<Plan> m_plan;
    Deneme m_deneme;
    QStringList m_maddeler;
    QComboBox* m_faaliyet = nullptr;
    QLineEdit* m_sure = nullptr;
    QSpinBox* m_gecikme = nullptr;
    QLabel* m_uyari = nullptr;
    QPushButton* m_sifirla = nullptr;
    QPushButton* m_uygula = nullptr;
};
