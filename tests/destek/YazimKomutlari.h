#pragma once

#include "store/ProjeDeposu.h"

#include <functional>

// The store's writes as a window gives them, on what it shows of OrnekProjeler's ALFA.
struct Gosterilen {
    KayitliProje proje;
    QVector<KayitliFaaliyet> faaliyetler;
};

Gosterilen AlfaOku(const ProjeDeposu& d);

struct YazimKomutu {
    const char* ad;
    AdimTuru tur;
    const char* adim; // the step it records: "projeOnce|projeSonra|kodu"
    std::function<DepoHatasi(const ProjeDeposu&, const Gosterilen&)> calistir;
};

extern const YazimKomutu YazimKomutlari[14];
