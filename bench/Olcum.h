#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

// A figure over repeated runs.
struct Olcum {
    double medyan = 0;
    double enAz = 0;
    double enCok = 0;
    int tekrar = 0;
};

Olcum Ozetle(std::vector<double> degerler);

// Times `is` `tekrar` times, in milliseconds. `hazirla` runs before each timed run
// and is not counted: it puts back what the previous run changed.
Olcum SureOlc(int tekrar, const std::function<void()>& hazirla, const std::function<void()>& is);

// The same for work in two stages: the first figure until `is` returns, the second
// until `ardindan`, which runs right after it, has returned too.
std::pair<Olcum, Olcum> SureOlc(int tekrar, const std::function<void()>& hazirla, const std::function<void()>& is,
                                const std::function<void()>& ardindan);
