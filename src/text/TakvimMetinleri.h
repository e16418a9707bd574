#pragma once

#include "kernel/IsTakvimi.h"

#include <QString>

// The calendar's words in Turkish: the names of calendars, holidays and exceptions, as
// every window, report and file shows them.
namespace TakvimMetinleri {

// "Her gün", "Türkiye, Pazartesi–Cuma", "Türkiye, Pazartesi–Cumartesi".
QString TakvimAdi(TakvimTuru tur);
// "Kurban Bayramı", "Ramazan Bayramı arifesi", …
QString TatilAdi(ResmiTatil tatil);
// "Ek tatil", "İdari izin", "Çalışılan gün".
QString IstisnaTuruAdi(IstisnaTuru tur);
// What the day is called: the project's exception by its name, else the official holiday,
// a bayram or its arife with " (tahmini)" when its year's dates are an estimate; empty for a
// plain day.
QString GunAdi(const GunBilgisi& gun);
// The word that marks a date of an estimated year.
QString Tahmini();
// A project's calendar in one line, as the files and reports name it: "Türkiye,
// Pazartesi–Cuma", ", arifeler tatil" when it takes them off, " + 3 istisna" with exceptions.
QString TakvimTanimi(const ProjeTakvimi& takvim);

} // namespace TakvimMetinleri
