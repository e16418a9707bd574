#pragma once

#include "KomutSatiri.h"

// gantt, ag and the status report in PDF draw with Qt Gui, which the text commands do without:
// their code lives in the module kavrion-rapor-cizim beside the executable, loaded only for them. The module
// makes its own application (no other may exist yet) and runs the whole command.
using GanttGirisi = int (*)(int argc, char* argv[], const RaporKomutu& komut);
inline constexpr char GanttGirisiAdi[] = "kavrion_rapor_gantt";

// Loads the module from `klasor`, runs gantt or ag and gives the exit status.
int GanttiCalistir(int argc, char* argv[], const RaporKomutu& komut, const QString& klasor);
