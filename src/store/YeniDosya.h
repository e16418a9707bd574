#pragma once

#include "store/DepoHatasi.h"
#include "store/ProjeDeposu.h"

#include <QString>
#include <functional>

// An empty plan file made from the schema at `yol`, which must not exist yet: the name
// is taken in one step, so a file that appears meanwhile is never written over. `ilkIcerik`,
// when given, writes the file's first content on the same connection. Whatever fails
// after the name was taken removes the file again.
using IlkIcerik = std::function<DepoHatasi(const ProjeDeposu& depo)>;
DepoHatasi YeniDosyaOlustur(const QString& yol, const IlkIcerik& ilkIcerik = {});
