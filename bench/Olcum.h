#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

// A figure over repeated runs.
struct Ölçüm {
    double medyan = 0;
    double enAz = 0;
    double enÇok = 0;
    int tekrar = 0;
};

Ölçüm Özetle(std::vector<double> değerler);

// Times `iş` `tekrar` times, in milliseconds. `hazırla` runs before each timed run
// and is not counted: it puts back what the previous run changed.
Ölçüm SüreÖlç(int tekrar, const std::function<void()>& hazırla, const std::function<void()>& iş);

// The same for work in two stages: the first figure until `iş` returns, the second
// until `ardından`, which runs right after it, has returned too.
std::pair<Ölçüm, Ölçüm> SüreÖlç(int tekrar, const std::function<void()>& hazırla, const std::function<void()>& iş,
                                const std::function<void()>& ardından);
