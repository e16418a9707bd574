#pragma once

#include "store/Kayitlar.h"

#include <QVector>
#include <optional>

// What the main window shows: the project as it was read and its activities; no
// project after a failed read or with nothing selected.
struct GosterilenKayitlar {
    std::optional<KayitliProje> proje;
    QVector<KayitliFaaliyet> faaliyetler;
};
