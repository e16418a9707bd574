#pragma once

#include "export/Rapor.h"
#include "risk/RiskHesabi.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// The simulation of a project with the settings it ran under.
struct RiskRaporu {
    Rapor rapor; // the project, its analysis (codes and names in stored order) and its estimates
    RiskAyarlari ayarlar;
    RiskSonucu sonuc;
};

// For the terminal: the project, the settings, P10–P90 in days (one decimal) and finish
// dates, mean and standard deviation, the chance of finishing by the project's end date,
// the merge-bias sentence, and per activity its estimate, criticality and sensitivity,
// all with regional figures and dates; or the explanation when it cannot run.
QString RiskTablosu(const RiskRaporu& r);

// The same as two CSV tables, one empty line apart, as CsvYaz writes (byte-order mark,
// separator by `yerel`, formula guard, CRLF): "Ölçü", "Değer", "Tarih" (the plan's F,
// P10–P90 and the mean and standard deviation in days, the chance by the end date as a
// share, iterations, seed, distribution and the sentence), then "Kodu", "Faaliyet Adı",
// "Süre", "İyimser", "En Olası", "Kötümser" (empty without an estimate), "Kritiklik"
// (a share) and "Duyarlılık". Fractions in full, with `yerel`'s decimal mark; ISO dates.
QByteArray RiskCsv(const RiskRaporu& r, const QLocale& yerel);

// For scripts, in this key order:
// { "proje", "baslama", "bitis": as the analysis JSON, "dagilim": "ucgen" or "pert",
//   "yineleme", "tohum", "hesaplanamiyor": the explanation or null; only when it ran:
//   "planSuresi": the plan's F, "p10", "p50", "p80", "p90": {"gun": days, "tarih": the finish
//   date or null}, "ortalama", "standartSapma" in days, "bitisTarihineKadar": the share of
//   iterations finishing by the project's end date, or null without both dates,
//   "birlesme": the sentence, "faaliyetler": [{ "kodu", "adi", "sure", "tahmin":
//   {"iyimser", "enOlasi", "kotumser"} or null (the duration is then drawn as it is),
//   "kritiklik": a share, "duyarlilik" }, …] }. Fractions as the shortest decimal that reads
// back as the same double.
QByteArray RiskJson(const RiskRaporu& r);
