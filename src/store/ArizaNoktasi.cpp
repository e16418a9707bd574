#include "store/ArizaNoktasi.h"

#include <mutex>

namespace ArizaNoktasi {
namespace {

std::mutex kilit;
int kalan = 0; // statements to go; 0 when nothing is planted
DepoHatasi planlanan;

} // namespace

void Kur(int sira, DepoHatasi hata)
{
    const std::lock_guard<std::mutex> kilitli(kilit);
    kalan = sira;
    planlanan = std::move(hata);
}

void Kaldir()
{
    Kur(0, {});
}

DepoHatasi Siradaki()
{
    const std::lock_guard<std::mutex> kilitli(kilit);
    if (kalan <= 0 || --kalan > 0)
        return {};
    return planlanan;
}

} // namespace ArizaNoktasi
