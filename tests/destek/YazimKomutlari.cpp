#include "destek/YazimKomutlari.h"

#include <QtGlobal>

Gosterilen AlfaOku(const ProjeDeposu& d)
{
    Gosterilen g;
    if (d.ProjeOku(QStringLiteral("ALFA"), g.proje) || d.FaaliyetleriOku(QStringLiteral("ALFA"), g.faaliyetler))
        qFatal("ALFA could not be read");
    return g;
}

using T = AdimTuru;

const YazimKomutu YazimKomutlari[14] = {
    {"ProjeEkle", T::ProjeEkle, "|YENİ|", [](auto& d, auto&) { return d.ProjeEkle({"YENİ", QDate(2026, 4, 1), QDate(2026, 4, 9)}); }},
    {"ProjeDeğiştir", T::ProjeDegistir, "ALFA|ALFA 2|",
     [](auto& d, auto& g) { return d.ProjeDegistir(g.proje, {"ALFA 2", QDate(2026, 1, 2), QDate(2026, 2, 3)}); }},
    {"ProjeSil", T::ProjeSil, "ALFA||", [](auto& d, auto& g) { return d.ProjeSil(g.proje); }},
    {"FaaliyetEkle", T::FaaliyetEkle, "ALFA|ALFA|D", [](auto& d, auto&) { return d.FaaliyetEkle("ALFA", {"D", "yeni", 5, "B,C", {{"C", BagTuru::BaslamaBaslama, 2}}}); }},
    {"FaaliyetDeğiştir", T::FaaliyetDegistir, "ALFA|ALFA|B",
     [](auto& d, auto& g) { return d.FaaliyetDegistir("ALFA", g.faaliyetler[1], {"B", "başka", 9, "A", {{"A", BagTuru::BitisBitis, -3}}}); }},
    {"SonFaaliyetiSil", T::SonFaaliyetiSil, "ALFA|ALFA|C", [](auto& d, auto& g) { return d.SonFaaliyetiSil("ALFA", g.faaliyetler.last()); }},
    {"TümFaaliyetleriSil", T::TumFaaliyetleriSil, "ALFA|ALFA|", [](auto& d, auto& g) { return d.TumFaaliyetleriSil("ALFA", g.faaliyetler); }},
    {"İçeAktar", T::IceAktar, "|YENİ|2", [](auto& d, auto&) {
         return d.IceAktar({{{"YENİ", QDate(2026, 4, 1), QDate(2026, 4, 9)}, {{"A", "a", 0, ""}, {"B", "b", 3, "A", {{"A", BagTuru::BaslamaBitis, 4}}}}, {{"B", {1, 3, 6}}}},
                            {{"BOŞ", QDate(2026, 5, 1), QDate(2026, 5, 2)}, {}, {}}});
     }},
    {"TahminDeğiştir", T::TahminDegistir, "ALFA|ALFA|C",
     [](auto& d, auto&) { return d.TahminDegistir("ALFA", "C", UcNoktaTahmini{2, 4, 9}, UcNoktaTahmini{3, 3, 5}); }},
    {"DağılımDeğiştir", T::DagilimDegistir, "ALFA|ALFA|", [](auto& d, auto&) { return d.DagilimDegistir("ALFA", Dagilim::Pert, Dagilim::Ucgen); }},
    {"TakvimDeğiştir", T::TakvimDegistir, "ALFA|ALFA|", [](auto& d, auto& g) {
         return d.TakvimDegistir("ALFA", g.proje.takvim, {TakvimTuru::PazartesiCuma, true,
             {{QDate(2026, 1, 2), IstisnaTuru::IdariIzin, "köprü"}, {QDate(2026, 1, 3), IstisnaTuru::CalisilanGun, ""}}});
     }},
    {"DurumTarihi", T::DurumTarihi, "ALFA|ALFA|", [](auto& d, auto& g) {
         return d.DurumTarihiDegistir("ALFA", g.proje.ilerleme.durumTarihi, QDate(2026, 1, 9));
     }},
    {"İlerleme", T::Ilerleme, "ALFA|ALFA|B", [](auto& d, auto& g) {
         const auto& ilerleme = g.proje.ilerleme.faaliyetler;
         return d.IlerlemeDegistir("ALFA", "B", ilerleme.contains("B") ? std::optional(ilerleme["B"]) : std::nullopt,
                                   FaaliyetIlerlemesi{QDate(2026, 1, 4), {}, 40, -1});
     }},
    {"TabanKaydet", T::TabanKaydet, "ALFA|ALFA|", [](auto& d, auto&) {
         qint32 numara = -1;
         return d.TabanKaydet("ALFA", {0, "İlk", QDate(2026, 1, 2), QDate(2026, 1, 1), QDate(2026, 1, 8),
                                       {{"A", QDate(2026, 1, 1), QDate(2026, 1, 3), 3}, {"B", {}, {}, 2}}}, numara);
     }},
};
