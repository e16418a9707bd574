#pragma once

#include "analysis/AgAnalizi.h"
#include "store/Kayitlar.h"
#include "ui/DiyalogBaglami.h"

#include <QWidget>

class AgDiyagrami;
class AnalizTablosu;
class GanttAlani;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QSplitter;
class QTabWidget;
class RiskSekmesi;
class DenemePaneli;
class QTableView;

// "Ağ Analizi": the selected project's full analysis in a table, its Gantt chart, its
// critical paths, its plan against the dates and why the selected activity is critical.
// A modeless window owned by the main window that follows the plan document;
// closing it unloads it. Its size, place and splitter are kept between runs.
class AnalizPenceresi : public QWidget {
public:
    explicit AnalizPenceresi(const DiyalogBaglami& baglam);
    // A trial the window still shows when it goes without closing goes with it.
    ~AnalizPenceresi() override;

    // Shows the window where it was last time (or over its owner the first time) and
    // brings it to the front.
    void OneGetir();
    // Shows the document's plan once the running command is done; changes made
    // meanwhile come to one refresh.
    void Guncellenecek();
    // Shows the document's plan now.
    void Yenile();

    // The row selected in the table, -1 for none; selecting highlights its bar.
    int SeciliSatir() const;
    void SatiriSec(int satir);

    // For tests and the benchmark: the parts as the user sees them.
    QLabel* durum() const { return m_durum; }
    QTableView* tablo() const { return m_tablo; }
    GanttAlani* gantt() const { return m_gantt; }
    AgDiyagrami* ag() const { return m_ag; }
    QTabWidget* sekmeler() const { return m_sekmeler; }
    QScrollArea* kaydirma() const { return m_kaydirma; }
    QPlainTextEdit* yollar() const { return m_yollar; }
    QLabel* plan() const { return m_plan; }
    QLabel* neden() const { return m_neden; }
    // The status line: the forecast against the baseline and the schedule indices.
    QLabel* ilerleme() const { return m_ilerleme; }
    DenemePaneli* deneme() const { return m_deneme; }
    const AgAnalizi& analiz() const { return m_analiz; }
    RiskSekmesi* risk() const { return m_risk; }

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    // Selects again the row of the activity coded `eskiKod`, or none.
    void SecimiKoru(const QString& eskiKod);
    void Kur();
    void TabloyuKur();
    void SemayiKur();
    void AltKismiKur();
    void AgSekmesiniKur();
    // Whether the network diagram's tab is the one shown: the zoom keys, export and print act on it then.
    bool AgGorunuyor() const;
    void DisaAktar();
    void Yazdir();
    // Selects the row of the activity another window selected.
    void FaaliyetSecildi(const QString& kod);
    void SecimDegisti();
    // The chart's width that fills the scroll area, room for its vertical bar left.
    int SigacakGenislik() const;
    void Sigdir();
    // The progress window, for the selected activity when there is one.
    void IlerlemeyiAc();
    // The status line from the progress analysis and the risk tab's current run.
    void IlerlemeSatiriniYaz(bool hesaplandi);

    DiyalogBaglami m_baglam;
    AgAnalizi m_analiz;
    QString m_gosterilenProje;
    bool m_bekliyor = false;
    bool m_yenileniyor = false;
    bool m_gosterildi = false;
    int m_olculenSutunlar = 0; // the columns measured when first shown; more columns are measured again

    QLabel* m_durum = nullptr;
    QSplitter* m_bolucu = nullptr;
    QTabWidget* m_sekmeler = nullptr;
    RiskSekmesi* m_risk = nullptr;
    DenemePaneli* m_deneme = nullptr;
    QTableView* m_tablo = nullptr;
    AnalizTablosu* m_model = nullptr;
    QScrollArea* m_kaydirma = nullptr;
    GanttAlani* m_gantt = nullptr;
    QWidget* m_agSayfasi = nullptr;
    AgDiyagrami* m_ag = nullptr;
    QLabel* m_agNotu = nullptr;
    QPlainTextEdit* m_yollar = nullptr;
    QLabel* m_plan = nullptr;
    QLabel* m_neden = nullptr;
    QLabel* m_ilerleme = nullptr;
};
