#pragma once

// Data-driven checks (rows, body) run at 96 DPI with the default font and at twice the scale with a large one.
// "İĞŞÇÖÜ gjpy" in a project row, an activity row, a text box and the list header keeps the dots above the I.
void HarfCizimiSatirlari();
void HarfCiziminiDenetle();
// Each window at the font's scale: its size and every place are the twips times one
// factor, no control covers another, every label's text fits its box.
void PencereOlcusuSatirlari();
void PencereOlcusunuDenetle();
// Screens of 1280x720, 1366x768 and 1920x1080 under a panel at 100% to 200%, as QT_SCALE_FACTOR
// makes them: each window with its title bar and frame fits the available area (the main window
// scrolls where even the smallest font is too large), and both checks above hold at the scale chosen.
void EkranSatirlari();
void EkranaSigmayiDenetle();
