#pragma once

#include "analysis/IlerlemeAnalizi.h"
#include "kernel/IsTakvimi.h"
#include "kernel/PlanHatasi.h"
#include "risk/Tahmin.h"
#include "store/Kayitlar.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>
#include <atomic>
#include <functional>
#include <optional>

struct RiskAyarlari {
    Dagilim dagilim = Dagilim::Pert;
    int yineleme = 10000; // brought into 1 .. 1,000,000; the window offers 1,000 and up
    quint64 tohum = 1;    // the same seed gives the same result, byte for byte, on any number of threads
    int isParcacigi = 0;  // threads; 0 = QThread::idealThreadCount()
};

struct FaaliyetRiski {
    double kritiklik = 0;  // the share of iterations in which its total float is ≤ 0
    double duyarlilik = 0; // Spearman's rank correlation of its sampled duration with F; 0 without spread
};

struct RiskSonucu {
    // Why the plan cannot be computed, or the first row whose estimate is not in the order
    // 0 ≤ optimistic ≤ most likely ≤ pessimistic; then nothing else is filled in.
    HataYeri hata;
    int sirasizTahmin = -1;
    QVector<KayitliFaaliyet> hataliSatirlar; // the rows as given, which the fault's words name
    int yineleme = 0;         // iterations done: fewer than asked when stopped
    bool durduruldu = false;  // stopped before the end; a stop before the first block leaves no figures
    qint32 deterministikF = 0; // F of the plan as it is, the analysis' projeBitisGunu (the forecast's from a status date)
    QDate durumTarihi;         // the status date the run went on from; invalid: the plan as planned
    // Of F, in days. Pp is the smallest sampled F with at least p% of the samples at or
    // below it (the ⌈pN/100⌉-th smallest); the standard deviation divides by N − 1.
    double p10 = 0, p50 = 0, p80 = 0, p90 = 0, ortalama = 0, standartSapma = 0;
    QVector<FaaliyetRiski> faaliyetler; // in stored order
    QVector<double> siraliBitisler;     // F of every iteration in days, smallest first: the histogram's data

    double Olasilik(qint64 gun) const; // the share of iterations with F ≤ gun
    bool Hesaplanamadi() const { return hata.Var() || sirasizTahmin >= 0; }
};

// The Monte Carlo simulation of the plan as stored: durations drawn from the estimates
// by activity code (an activity without one keeps its duration), the network and F as
// the deterministic forward pass and the analysis' backward pass define them. Durations
// are continuous, held in ticks of 2^-k day (k ≤ 24, the finest that keeps every spread
// within 2^24 ticks and every path under 2^61), so that the passes add exactly.
// Synchronous and thread-safe. `dur` (may be null) stops the run between blocks of
// iterations; `ilerleme` (may be empty) gets the iterations done so far, from this
// thread or a worker, after the first block and then at most every 50 ms.
RiskSonucu RiskiHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const QHash<QString, UcNoktaTahmini>& tahminler,
                        const RiskAyarlari& ayarlar, const std::atomic<bool>* dur = nullptr,
                        const std::function<void(int)>& ilerleme = {});
// The same on the work that remains at the forecast's status date (`durum` of these rows;
// without one, the plan as planned, as above): finished activities stay where they
// happened, started ones draw their remaining days as their estimate's draw scaled by
// remaining over planned days, the rest draw as above and start no earlier than the first
// working day after the status date. F counts from the plan's day 0, as the forecast's does.
RiskSonucu RiskiHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const QHash<QString, UcNoktaTahmini>& tahminler,
                        const RiskAyarlari& ayarlar, const IlerlemeAnalizi& durum, const std::atomic<bool>* dur = nullptr,
                        const std::function<void(int)>& ilerleme = {});

// The finish date of a simulated finish of `gun` working days of the project's calendar, as
// every date of the plan is written: the last day of work of ⌈gun⌉ days. Invalid without a
// start date.
QDate RiskBitisTarihi(const IsTakvimi& takvim, const QDate& baslama, double gun);
// The share of iterations finished by `tarih`: their last day of work on it or before, F at
// most the working days from the start through `tarih`. None without both dates.
std::optional<double> TariheKadarOlasilik(const RiskSonucu& sonuc, const IsTakvimi& takvim, const QDate& baslama,
                                          const QDate& tarih);
