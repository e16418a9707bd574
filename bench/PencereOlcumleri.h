#pragma once

#include "Agler.h"
#include "OlculenPencere.h"
#include "Tablo.h"

#include <optional>

// Figures taken on the main window the same way over a file and over a server: each
// adds its row and its row "…, çizimle" (until the window is repainted).

// ProjeleriEkle, the whole list read and shown again, `tekrar` times.
void ListeyiOlc(Tablo& tablo, OlculenPencere& olculen, const QString& ayrinti, int tekrar,
                std::optional<double> hedef);
// ProjeListesi_Click on the 62-activity project of that shape, each time from no selection.
void SecimiOlc(Tablo& tablo, OlculenPencere& olculen, AgBicimi bicim, const QString& ayrinti, double hedef);
// The 62nd activity of Deney::EklenecekProje typed into the add dialog and saved with
// "Kaydet", `tekrar` times (the store takes the previous one back before each). Leaves that
// project selected, the dialog open and the last add the step to undo.
void FaaliyetEklemeyiOlc(Tablo& tablo, OlculenPencere& olculen, int tekrar, double hedef);
