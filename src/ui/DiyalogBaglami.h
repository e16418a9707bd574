#pragma once

#include "store/ProjeDeposu.h"

#include <QString>
#include <functional>

class QWidget;

// What a dialog is given by the window that opens it: its owner, the store, the
// project selected there, and whom to tell after it has written. The dialogs know
// nothing else of the main window.
struct DiyalogBaglami {
    QWidget* sahip = nullptr;
    ProjeDeposu depo;
    std::function<QString()> seciliProje;
    // A project was added, renamed or its dates changed, or a write found it changed
    // elsewhere: the list is read again and `gosterilecek` shown when it is listed.
    std::function<void(const QString& gosterilecek)> projelerDegisti;
    std::function<void()> faaliyetlerDegisti; // an activity of the selected project was written
};
