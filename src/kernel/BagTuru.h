#pragma once

#include <QString>

// How a link ties its successor to its predecessor, and its lag in whole working days of
// the project's calendar (negative: a lead).
enum class BagTuru : quint8 {
    BitisBaslama,   // the successor starts after the predecessor finishes
    BaslamaBaslama, // starts after it starts
    BitisBitis,     // finishes after it finishes
    BaslamaBitis,   // finishes after it starts
};

// The largest lag or lead a link may have, in working days.
inline constexpr qint32 GecikmeSiniri = 10000;

// A predecessor link that is not plain finish-to-start without lag. The predecessor list
// stays a list of codes, so that other programs keep reading it; these are kept beside it.
struct BagAyrintisi {
    QString onceki; // the predecessor's code, as the list names it
    BagTuru tur = BagTuru::BitisBaslama;
    qint32 gecikme = 0;

    bool Duz() const { return tur == BagTuru::BitisBaslama && gecikme == 0; }
    bool operator==(const BagAyrintisi& o) const { return onceki == o.onceki && tur == o.tur && gecikme == o.gecikme; }
    bool operator!=(const BagAyrintisi& o) const { return !(*this == o); }
};
