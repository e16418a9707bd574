#pragma once

#include "plan/PlanBelgesi.h"

class QWidget;

// What a dialog is given by the window that opens it: its owner and the plan document.
// Dialogs write through the document's commands and learn of changes from its
// signals; they know nothing else of the main window.
struct DiyalogBaglami {
    QWidget* sahip = nullptr;
    PlanBelgesi* belge = nullptr;
};
