#pragma once

#include "rules/IlerlemeKurallari.h"

#include <QString>

// Progress and baselines in Turkish words, as every window, report and tool says them.
namespace IlerlemeMetinleri {

// The box's words for a refusal, its date in the regional format; empty for none.
QString RedMetni(const IlerlemeReddi& ret);

} // namespace IlerlemeMetinleri
