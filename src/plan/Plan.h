#pragma once

#include "store/Kayitlar.h"

#include <QVector>

// A project as it was read and its activities in stored order: numbers where the file
// holds numbers, and beside them what another program left in their place. Every
// window, export and report works from this one value.
struct Plan {
    KayitliProje proje;
    QVector<KayitliFaaliyet> faaliyetler;
};
