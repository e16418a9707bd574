#pragma once

#include <functional>

class QWidget;

// Runs `kural` each time `alan` loses the focus to another control of the application:
// by Tab, the mouse, an access key or code. Not when another window, another
// application or a message box takes the focus, so a rule's own message box does
// not run the rule again. The rule runs to its end before the control that took the
// focus acts on the same click or key.
void OdakKaybindaCalistir(QWidget* alan, std::function<void()> kural);

// Runs the rule of the field of `pencere` that has the focus, if it has one. A save
// calls this first: a button pressed without taking the focus (through the
// accessibility interface, as a screen reader or voice control does) must not skip it.
void OdaktakiAlaninKuraliniCalistir(QWidget* pencere);
