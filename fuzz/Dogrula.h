#pragma once

#include <cstdlib>

// A property a fuzz target checks: when it fails, the input is kept as a crash.
inline void Dogrula(bool kosul)
{
    if (!kosul)
        std::abort();
}
