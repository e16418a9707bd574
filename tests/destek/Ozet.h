#pragma once

#include <QString>

// Prints one line of the figures the reliability tests report, on standard output
// and marked so a script can collect them: "GÜVENİLİRLİK store faults: ...".
void ÖzetYaz(const QString& satır);
