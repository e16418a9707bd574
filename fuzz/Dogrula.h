#pragma once

#include <cstdlib>

// A property a fuzz target checks: when it fails, the input is kept as a crash.
inline void Doğrula(bool koşul)
{
    if (!koşul)
        std::abort();
}
