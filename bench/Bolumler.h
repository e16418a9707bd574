#pragma once

#include "Deney.h"
#include "Tablo.h"

// The parts of the benchmark, each adding its rows to the table.

// ProjeleriEkle over 10, 1,000 and 10,000 projects.
void ProjeleriEkleBölümü(Tablo& tablo, const QVector<Deney::Veritabanı>& vtler);
// ProjeListesi_Click on each network shape, with each database's projects listed.
void SeçimBölümü(Tablo& tablo, const QVector<Deney::Veritabanı>& vtler);
// ProjeListesi_Click on a project whose predecessor text is a megabyte long,
// in a small database of its own made in `klasör`.
void UzunÖncekiListesiBölümü(Tablo& tablo, const QString& klasör);
// The forward pass alone over growing networks, to show how its cost grows.
void İleriGeçişBölümü(Tablo& tablo);
// The commands that write, each with the main window's refresh, on the largest database.
void KomutBölümü(Tablo& tablo, const Deney::Veritabanı& vt);
// The network analysis and its Microsoft Project XML export on growing networks, and the
// analysis window on the 62-activity projects of `vt`: opening it, and following a selection
// beside the selection alone. The window's settings go to `klasör`.
void AnalizBölümü(Tablo& tablo, const Deney::Veritabanı& vt, const QString& klasör);
// CSV and JSON of the 62-activity projects of `vt`, and kavrion-rapor as a whole process
// beside a bare Qt Core program.
void RaporBölümü(Tablo& tablo, const Deney::Veritabanı& vt);
// Whole-process start-up beside a bare Qt window, measured from outside under X.
void BaşlatmaBölümü(Tablo& tablo, const Deney::Veritabanı& vt);
// The Gantt chart as SVG and PNG and the report as PDF, on a small and a large network.
void GörselBölümü(Tablo& tablo);
