#pragma once

#include "drawing/GorselCikti.h"
#include "risk/RiskHesabi.h"

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class PlanBelgesi;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class RiskGrafigi;
class TahminTablosu;

// "Risk": the activities' three-point estimates, edited in place, and a Monte Carlo
// simulation of the finish that runs on a thread of its own on every change of the
// plan, the estimates or the settings. Each edit is a command of the document, so it
// is undone like any other; a result of an older state is never shown.
class RiskSekmesi : public QWidget {
public:
    RiskSekmesi(PlanBelgesi& belge, QWidget* ust = nullptr);
    ~RiskSekmesi() override;

    // Shows the document's plan and its estimates and simulates what it shows (a trial in
    // place of the plan) anew; while the tab is hidden, once it shows.
    void Yenile();
    // Stops the run under way; what it has done so far is shown, marked as such.
    void Durdur();

    QTableView* tablo() const { return m_tablo; }
    QLabel* durum() const { return m_durum; }
    QLabel* sonuc() const { return m_sonuc; }
    QComboBox* dagilim() const { return m_dagilim; }
    QSpinBox* yineleme() const { return m_yineleme; }
    QLineEdit* tohum() const { return m_tohum; }
    QLineEdit* tarih() const { return m_tarih; }
    // The last result shown; for tests.
    const RiskSonucu& gosterilen() const { return m_gosterilen; }
    RiskGrafigi* grafik() const { return m_grafik; }
    QPushButton* disaAktar() const { return m_disaAktar; }
    // The charts as shown, while they are of the plan, estimates and settings shown now;
    // none while a run is under way, or when the plan changed since.
    std::optional<RiskGorseli> GuncelGorsel() const;
    // The P80 finish date of a run from the status date, while it is current and whole.
    std::optional<QDate> DurumaGoreP80() const;
    // Called after each run's result is shown.
    void SonucGelince(std::function<void()> is) { m_sonucGeldi = std::move(is); }
    bool calisiyor() const { return m_isci.joinable() && !m_bitti; }

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void AyarlariKur(class QBoxLayout* duzen);
    void Duzenlendi(int satir, int sutun, const QString& metin);
    // The distribution chosen in the box, and its choice written as the project's own.
    Dagilim SecilenDagilim() const;
    // The distribution, runs and seed the fields give.
    RiskAyarlari SecilenAyarlar() const;
    // Takes the last run's figures, chart and export off the tab.
    void GosterileniBosalt();
    void DagilimSecildi();
    // Starts a run over the plan and estimates shown; the one before is stopped first.
    void Baslat();
    void Bekle();
    void SonucuGoster(const RiskSonucu& sonuc);

    PlanBelgesi& m_belge;
    TahminTablosu* m_model = nullptr;
    QTableView* m_tablo = nullptr;
    QLabel* m_durum = nullptr;
    QLabel* m_sonuc = nullptr;
    QComboBox* m_dagilim = nullptr;
    QSpinBox* m_yineleme = nullptr;
    QLineEdit* m_tohum = nullptr;
    QLineEdit* m_tarih = nullptr;
    QProgressBar* m_ilerleme = nullptr;
    QPushButton* m_durdur = nullptr;
    QPushButton* m_disaAktar = nullptr;
    RiskGrafigi* m_grafik = nullptr;
    bool m_eskidi = false;
    bool m_plandanEski = false; // the document changed after the run shown began
    RiskGorseli m_gorsel;       // what the charts show
    // The project and distribution shown, which an edit or a pick is written over; no
    // distribution when none was read.
    QString m_gosterilenProje;
    std::optional<Dagilim> m_gosterilenDagilim;

    std::thread m_isci;
    std::shared_ptr<std::atomic<bool>> m_dur;
    bool m_bitti = true;
    int m_kusak = 0; // the run whose result may be shown
    bool m_sokuluyor = false; // the tab is being destroyed: its fields' rules do nothing
    RiskAyarlari m_ayarlar; // and its settings
    bool m_denemeyle = false; // and whether it is of a trial
    RiskSonucu m_gosterilen;
    std::function<void()> m_sonucGeldi;
};
