#pragma once

#include "store/Kayitlar.h" // UcNoktaTahmini and Dagilim, as the file keeps them
