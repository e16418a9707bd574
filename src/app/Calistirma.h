#pragma once

#include <QStringList>
#include <optional>

class QApplication;

// Asked for help or the version among the raw arguments: printed, and the exit status.
// Answered before the application object, which needs a display, is made.
std::optional<int> BilgiIstendiyse(int argc, char* argv[]);

// The window on the plan file `dosya`, or without one on the file where it is kept (made
// on the first start in the user's data folder, and said in one box). One process per
// file: a start on a file open elsewhere brings that window up and ends with 0. A file
// that cannot serve ends with its box and 1.
int DosyaylaCalistir(QApplication& uygulama, const QString& dosya);
