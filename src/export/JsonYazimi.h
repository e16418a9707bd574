#pragma once

#include "export/Rapor.h"

#include <QByteArray>

// The analysis as JSON, for scripts; the same figures under any regional settings.
// The shape (README, "kavrion-rapor"):
// { "proje": name, "baslama": ISO date or null, "bitis": ISO date or null,
//   "hesaplanamiyor": the explanation or null,
//   "projeSuresi": F, "enErkenBitis": ISO date or null,
//   "tahminiGunSayisi": number or null, "pay": number or null, "plan": text,
//   "kritikYolSayisi": exact decimal text, "kritikYollar": [[code, …], …],
//   "kalanYollar": text, "anaPenceredekiYol": text,
//   "faaliyetler": [{ "kodu", "adi", "sure", "es", "ef", "ls", "lf", "toplamBolluk",
//                     "serbestBolluk", "kritik": bool, "baslangic", "bitis": ISO date or null,
//                     "oncekiler": [code, …] }, …] }
QByteArray JsonYaz(const Rapor& rapor);
