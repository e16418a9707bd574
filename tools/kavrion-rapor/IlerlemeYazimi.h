#pragma once

#include "KomutSatiri.h"
#include "analysis/IlerlemeAnalizi.h"
#include "export/Rapor.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// A project's progress as its forecast from the status date tells it. Schedule performance
// is counted in activity-days (one activity's work for one working day), from the compared
// baseline: PV the baseline's work due by the status date, EV each baseline duration times its
// percent complete, summed, SV = EV − PV, SPI = EV / PV; earned schedule ES the time at which
// the baseline had planned the work now earned, AT the working days from the baseline's start
// through the status date, SPI(t) = ES / AT, and the finish that SPI(t) forecasts.
struct IlerlemeRaporu {
    Rapor rapor; // the project, its plan's analysis, its progress and baselines
    IlerlemeAnalizi ilerleme;
};

// Reads komut.proje and works out its forecast, giving the exit status: a project without a
// status date, a start date or a computable network is an error, said in one line.
int IlerlemeRaporunuAl(const RaporKomutu& komut, IlerlemeRaporu& r);

// For the terminal: the project, the status date, the finish then and now with the variance,
// the indices with what each means, and per activity its progress, forecast and baseline
// dates and variances, all with regional figures and dates.
QString IlerlemeTablosu(const IlerlemeRaporu& r);

// The same as two CSV tables, one empty line apart, as CsvYaz writes them: "Ölçü", "Değer",
// "Tarih", then one row per activity. Fractions in full with `yerel`'s decimal mark; ISO dates.
QByteArray IlerlemeCsv(const IlerlemeRaporu& r, const QLocale& yerel);

// For scripts, in this key order:
// { "proje", "baslama", "bitis": as the analysis JSON, "durumTarihi", "tahminiBitis": the
//   forecast finish, "taban": the compared baseline's name or null, and with one "tabanBitis";
//   "tahminiSure": the forecast F; with a baseline "bitisSapmasi" (working days, positive late),
//   "pv", "ev", "sv", "spi", "es", "at", "spiT" (null where a figure has no value: SPI while PV
//   is 0) and "esBitis"; "siraDisi": how many activities started out of sequence,
//   "kritikYollar": [[code, …], …], "faaliyetler": [{ "kodu", "adi", "sure", "gercekBaslama",
//   "gercekBitis", "baslama", "bitis" (forecast), "tabanBaslama", "tabanBitis", "yuzde", "kalan",
//   "toplamBolluk", "baslamaSapmasi", "bitisSapmasi" (null without a baseline row), "kritik",
//   "siraDisi" }, …] }
QByteArray IlerlemeJson(const IlerlemeRaporu& r);
