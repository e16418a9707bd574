#pragma once

#include "analysis/TakvimEtkisi.h"
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
// A day off as the Gantt chart names it on hover: "27.05.2026 Çarşamba: Kurban Bayramı",
// a plain weekend day "… Cumartesi: hafta tatili".
QString CalisilmayanGun(const QDate& tarih, const GunBilgisi& gun);
// The main window's frame title naming the calendar its counts are in:
// "Proje Bilgileri (iş günü: Türkiye, Pazartesi–Cuma) ".
QString CerceveBasligi(const QString& baslik, const ProjeTakvimi& takvim);
// What a change of calendar does, said before it is applied: "Takvim değişikliği 14
// faaliyetin tarihini kaydırıyor; proje bitişi 3 iş günü geç: 12.06.2026 → 17.06.2026".
QString DegisiklikOnizlemesi(const TakvimEtkisi& etki);
// The calendar window's note on the bundled bayram dates: until which year they are confirmed.
QString KesinlikNotu();
// Where a year's bayram dates come from: "Kaynak: …", or for a year not bundled that they are estimated.
QString KaynakNotu(int yil);
// A date of a year whose bayram dates are estimated: "12.06.2033 (tahmini)".
QString TahminiTarih(const QString& tarihMetni);
// Why such a date is marked: "2033 yılının bayram tarihleri tahmini; kesin tarihler 2032 yılına kadar."
QString TahminiYilNotu(int yil);
// A project's calendar in one line, as the files and reports name it: "Türkiye,
// Pazartesi–Cuma", ", arifeler tatil" when it takes them off, " + 3 istisna" with exceptions.
QString TakvimTanimi(const ProjeTakvimi& takvim);

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
