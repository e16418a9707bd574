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

// "2 Haziran": a day as a Turkish sentence names it, whatever the regional settings; empty
// for an invalid date.
QString GunAy(const QDate& tarih);
// "2 Haziran'da", "6 Mart'ta": the same with its ending for "on".
QString GunAyda(const QDate& tarih);
// A holiday with its days: "Kurban Bayramı (27–30 Mayıs)", "Ramazan Bayramı (30 Mart–1 Nisan)",
// an estimated bayram "Kurban Bayramı (1–4 Mart, tahmini)", an exception by its name, or by its
// kind when it has none: "Şantiye tatili (3 Mart)".
QString DonemAdi(const IsTakvimi& takvim, const TatilDonemi& donem);

} // namespace TakvimMetinleri
