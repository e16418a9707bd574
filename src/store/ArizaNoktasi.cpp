#include "store/ArizaNoktasi.h"

#include <mutex>

namespace ArizaNoktasi {
namespace {

std::mutex kilit;
int kalan = 0; // statements to go; 0 when nothing is planted
DepoHatası planlanan;

} // namespace

void Kur(int sıra, DepoHatası hata)
{
    const std::lock_guard<std::mutex> kilitli(kilit);
    kalan = sıra;
    planlanan = std::move(hata);
}

void Kaldır()
{
    Kur(0, {});
}

DepoHatası Sıradaki()
{
    const std::lock_guard<std::mutex> kilitli(kilit);
    if (kalan <= 0 || --kalan > 0)
        return {};
    return planlanan;
}

} // namespace ArizaNoktasi
