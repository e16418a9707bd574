#pragma once

#include "store/DepoHatasi.h"
#include "store/SunucuAdresi.h"

// A failed connection to `adres` as its box says it: a server that could not be reached is
// named by the host and port tried (libpq's defaults for those the address leaves out),
// never by its password.
DepoHatasi BaglantiHatasi(DepoHatasi hata, const SunucuAdresi& adres);
