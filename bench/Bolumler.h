#pragma once

#include "Deney.h"
#include "Tablo.h"

// The parts of the benchmark, each adding its rows to the table.

// ProjeleriEkle over 10, 1,000 and 10,000 projects.
void ProjeleriEkleBolumu(Tablo& tablo, const QVector<Deney::Veritabani>& vtler);
// ProjeListesi_Click on each network shape, with each database's projects listed.
void SecimBolumu(Tablo& tablo, const QVector<Deney::Veritabani>& vtler);
// ProjeListesi_Click on a project whose predecessor text is a megabyte long,
// in a small database of its own made in `klasor`.
void UzunOncekiListesiBolumu(Tablo& tablo, const QString& klasor);
// The forward pass alone over growing networks, to show how its cost grows.
void IleriGecisBolumu(Tablo& tablo);
// The commands that write, each with the main window's refresh, on the largest database.
void KomutBolumu(Tablo& tablo, const Deney::Veritabani& vt);
// The network analysis and its Microsoft Project XML export on growing networks, and the
// analysis window on the 62-activity projects of `vt`: opening it, and following a selection
// beside the selection alone. The window's settings go to `klasor`.
void AnalizBolumu(Tablo& tablo, const Deney::Veritabani& vt, const QString& klasor);
// CSV and JSON of the 62-activity projects of `vt`, and kavrion-rapor as a whole process
// beside a bare Qt Core program.
void RaporBolumu(Tablo& tablo, const Deney::Veritabani& vt);
// Whole-process start-up and idle memory beside a window with the same controls and
// nothing else, and beside bare Qt windows, measured from outside under X.
void BaslatmaBolumu(Tablo& tablo, const Deney::Veritabani& vt);
// The Gantt chart as SVG and PNG and the report as PDF, on a small and a large network.
void GorselBolumu(Tablo& tablo);
// Import: a 62-activity MSPDI file from the file chosen to the preview painted, over the
// main window on `vt`, and a file of about ten megabytes read and refused for its size of
// plan. The files are written in `klasor`.
void IceAktarimBolumu(Tablo& tablo, const Deney::Veritabani& vt, const QString& klasor);
// The Monte Carlo simulation on growing networks and iteration counts, each figure also per
// iteration and row or link, to show the cost grows with their product.
void RiskBolumu(Tablo& tablo);
// On a PostgreSQL server holding `projeSayisi` projects made by Deney::SunucudaUret: the
// list, the selections and the add of the file's sections, and another planner's writes
// (another connection, another owner) until the window shows them.
void SunucuBolumu(Tablo& tablo, const SunucuAdresi& adres, int projeSayisi);
