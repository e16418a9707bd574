#pragma once

#include <QIcon>

// The main window's icon, 16 and 32 pixels: a small activity network with its critical path in red.
QIcon PencereSimgesi();
