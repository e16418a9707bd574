#pragma once

#include <QIcon>

// The main window's 16 x 16 icon: a small activity network with its critical path in red.
QIcon PencereSimgesi();
