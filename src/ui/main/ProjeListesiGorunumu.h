#pragma once

class QListWidget;

// Sets the project list up to stay quick with thousands of projects: every name
// takes one line of the same height, so a refill does not measure each name, and
// the list is as wide as its view, so a name too long for it ends in "…" and shows
// whole in a tool tip.
void ProjeListesiGörünümünüKur(QListWidget* liste);
