#include "store/ArizaNoktasi.h"

#include <mutex>

namespace ArizaNoktasi {
namespace {

std::mutex kilit;
int kalan = 0; // statements to go; 0 when nothing is planted
DepoHatasi planlanan;
std::function<void()> araya;

} // namespace

void Kur(int sira, DepoHatasi hata)
{
    const std::lock_guard<std::mutex> kilitli(kilit);
    kalan = sira;
    planlanan = std::move(hata);
    araya = nullptr;
}

void ArayaGir(int sira, std::function<void()> eylem)
{
    Kur(sira, {});
    const std::lock_guard<std::mutex> kilitli(kilit);
    araya = std::move(eylem);
}

void Kaldir()
{
    Kur(0, {});
}

DepoHatasi Siradaki()
{
    std::function<void()> eylem;
    {
        const std::lock_guard<std::mutex> kilitli(kilit);
        if (kalan <= 0 || --kalan > 0)
            return {};
        if (!araya)
            return planlanan;
        eylem = std::move(araya);
        araya = nullptr;
    }
    // Outside the lock: the other program's write runs statements of its own.
    eylem();
    return {};
}

} // namespace ArizaNoktasi
