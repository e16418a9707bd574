#pragma once

#include "export/Rapor.h"

#include <QByteArray>

// The analysis as JSON (RFC 8259, UTF-8, no byte-order mark), for scripts: the same
// figures under any regional settings, dates in ISO form, keys in this order:
// { "proje": name,
//   "baslama", "bitis": the project's dates, ISO, or null when not a stored date,
//   "hesaplanamiyor": the explanation, or null when the network was computed.
//   Only when it was computed, the figures:
//   "projeSuresi": F in days, "enErkenBitis": start + F, ISO, or null without a start,
//   "tahminiGunSayisi": end − start, or null, "pay": that less F (below zero a delay), or null,
//   "plan": "N gün pay", "N gün gecikme" or why the dates cannot be compared,
//   "kritikYolSayisi": how many critical paths, exact, as decimal text (it may exceed any number type),
//   "kritikYollar": [[code, …], …] the first 1000 of them,
//   "kalanYollar": "ve N yol daha" beyond those, else "", "yolNotu": what the count means,
//   "anaPenceredekiYol": the main window's "Hesaplanan Kritik Yol", codes joined by commas,
//   "anaPenceredekiYolSirasi": its index in kritikYollar, or null when not listed,
//   "faaliyetler": [{ "kodu", "adi", "sure", "es", "ef", "ls", "lf", "toplamBolluk", "serbestBolluk",
//                     "kritik": bool, "baslangic", "bitis": ISO or null without a start date,
//                     "oncekiler": [code, …], "neden": why critical, or how far it may slip }, …] }
QByteArray JsonYaz(const Rapor& rapor);
