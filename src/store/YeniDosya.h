#pragma once

#include "store/DepoHatasi.h"
#include "store/ProjeDeposu.h"

#include <QString>
#include <functional>

// An empty plan file made from the schema at `yol`, which must not exist yet. It is made
// beside it under another name and given its name in one step that never replaces a file,
// so a file that appears meanwhile is never written over and a half-made file never bears
// the name. `ilkIcerik`, when given, writes the file's first content on the same connection.
using IlkIcerik = std::function<DepoHatasi(const ProjeDeposu& depo)>;
DepoHatasi YeniDosyaOlustur(const QString& yol, const IlkIcerik& ilkIcerik = {});
