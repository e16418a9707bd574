#pragma once

#include "export/Rapor.h"

#include <QByteArray>

// The analysis as JSON (RFC 8259, UTF-8, no byte-order mark), for scripts: the same
// figures under any regional settings, texts exactly as stored, keys in this order.
// Dates are ISO 8601 texts, "2026-12-09"; a year beyond 9999 (durations reach 2^31 − 1
// days) in the expanded form with its sign, "+10237-09-22" (IsoTarih in Rapor.h). A
// finish date is the last day of work: start + EF − 1, a milestone's (EF = ES) start + ES
// (BitisTarihi in analysis/PlanKarsilastirmasi.h); the day counts are those of the table.
// { "proje": name,
//   "baslama", "bitis": the project's dates, or null when not a stored date,
//   "deneme": "Deneme – kaydedilmedi", only for the figures of a what-if,
//   "hesaplanamiyor": the explanation, or null when the network was computed.
//   Only when it was computed, the figures:
//   "projeSuresi": F in days, "enErkenBitis": the project's finish date, start + F − 1 (the
//   start itself when F is 0), or null without a start,
//   "tahminiGunSayisi": end − start, or null, "pay": that less F (below zero a delay), or null,
//   "plan": "N gün pay", "N gün gecikme" or why the dates cannot be compared,
//   "kritikYolSayisi": how many critical paths, exact, as decimal text (it may exceed any number type),
//   "kritikYollar": [[code, …], …] the first 1000 of them,
//   "kalanYollar": "ve N yol daha" beyond those, else "", "yolNotu": what the count means,
//   "anaPenceredekiYol": the main window's "Hesaplanan Kritik Yol", codes joined by commas
//   ("" for a project of one activity, for which the main window computes nothing),
//   "anaPenceredekiYolSirasi": its index in kritikYollar, or null when not listed,
//   "faaliyetler": [{ "kodu", "adi", "sure", "es", "ef", "ls", "lf", "toplamBolluk", "serbestBolluk",
//                     "kritik": bool, "baslangic": start + ES, "bitis": the finish date; null without a start date,
//                     "oncekiler": [code, …], and only in a plan with a link that is not plain
//                     finish-to-start, "baglar": [{"onceki": code, "tur": "BB", "BaBa", "BiBi" or "BaBi",
//                     "gecikme": working days, below zero a lead}, …] as listed;
//                     "neden": why critical, or how far it may slip,
//                     "tahmin": {"iyimser", "enOlasi", "kotumser"} in days, or null without an estimate }, …],
//   and only for a project with a status date, progress or a baseline, "durumTarihi",
//   "ilerleme" and "tabanlar" as JsonIlerlemesi.h writes them }
QByteArray JsonYaz(const Rapor& rapor);
