#pragma once

class QWidget;

// Announces a top-level window to screen readers by what it is: the main window as a
// window, a dialog as a dialog. A plain top-level widget would be read out as a bare
// panel. The title stays what the window's caption says.
void PencereRolunuKur(QWidget* pencere, bool anaPencere);
