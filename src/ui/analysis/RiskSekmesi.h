#pragma once

#include <QWidget>

class PlanBelgesi;
class QLabel;
class QTableView;
class TahminTablosu;

// "Risk": the activities' three-point estimates, edited in place. Each edit is a
// command of the document, so it is undone like any other.
class RiskSekmesi : public QWidget {
public:
    RiskSekmesi(PlanBelgesi& belge, QWidget* ust = nullptr);

    // Shows the document's plan and its estimates; while the tab is hidden, once it shows.
    void Yenile();

    QTableView* tablo() const { return m_tablo; }
    QLabel* durum() const { return m_durum; }

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void Duzenlendi(int satir, int sutun, const QString& metin);

    PlanBelgesi& m_belge;
    TahminTablosu* m_model = nullptr;
    QTableView* m_tablo = nullptr;
    QLabel* m_durum = nullptr;
    bool m_eskidi = false;
};
