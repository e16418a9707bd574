#pragma once

#include "plan/Komut.h"

class PlanBelgesi;
class QWidget;

// A refused progress or baseline command: the rule's reason in one box, or the store's box
// and, when the file no longer holds what was shown, the selected project read again.
void IlerlemeReddiniGoster(QWidget* pencere, PlanBelgesi& belge, const KomutHatasi& hata);
