#pragma once

#include "risk/Tahmin.h"

#include <QtGlobal>
#include <cmath>

// xoshiro256** with its state drawn by SplitMix64 from the run's seed and a block's
// number: a block of iterations draws the same numbers whichever thread runs it.
// glibc's AVX-512 memset and memcpy can leave the vector registers' upper halves marked
// in use, and until a vzeroupper every SSE instruction pays for merging them: a run took
// three times as long on the 2-core Xeon this was measured on. Called where a hot loop starts.
inline void VektorUstleriniTemizle()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (__builtin_cpu_supports("avx"))
        __asm__ volatile("vzeroupper");
#endif
}

// The draws are inline: they run hundreds of millions of times a run.
class Uretec {
public:
    Uretec(quint64 tohum, quint64 blok);
    quint64 Sonraki()
    {
        const quint64 sonuc = Dondur(m_durum[1] * 5, 7) * 9;
        const quint64 t = m_durum[1] << 17;
        m_durum[2] ^= m_durum[0];
        m_durum[3] ^= m_durum[1];
        m_durum[1] ^= m_durum[2];
        m_durum[0] ^= m_durum[3];
        m_durum[2] ^= t;
        m_durum[3] = Dondur(m_durum[3], 45);
        return sonuc;
    }
    double Tekduze() { return double(Sonraki() >> 11) * 0x1.0p-53; } // [0, 1), 53 bits
    // The ziggurat method of Marsaglia and Tsang (Doornik's 128 layers), exact like the
    // rest: a draw inside its layer's rectangle costs one number, the rest go out of line.
    double Normal()
    {
        const quint64 r = Sonraki();
        const int kat = int(r & (ZiguratKati - 1));
        const double u = double(r >> 11) * 0x1.0p-52 - 1;
        if (std::abs(u) < m_zigurat->oran[kat])
            return u * m_zigurat->x[kat];
        return NormalKenarda(kat, u);
    }
    // Gamma(shape) for shape ≥ 1 by Marsaglia and Tsang: d = shape − 1/3, c = 1 / √(9d).
    double Gamma(double d, double c)
    {
        for (;;) {
            double x, v;
            do {
                x = Normal();
                v = 1 + c * x;
            } while (v <= 0);
            v = v * v * v;
            const double u = Tekduze();
            const double x2 = x * x;
            // The squeeze accepts most draws without a logarithm.
            if (u < 1 - 0.0331 * x2 * x2 || std::log(u) < 0.5 * x2 + d * (1 - v + std::log(v)))
                return d * v;
        }
    }

    static constexpr int ZiguratKati = 128;
    struct Zigurat {
        double x[ZiguratKati + 1];
        double oran[ZiguratKati]; // x[i + 1] / x[i]: inside it a draw needs no density
    };

private:
    static quint64 Dondur(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }
    double NormalKenarda(int kat, double u);

    quint64 m_durum[4];
    const Zigurat* m_zigurat;
};

// One activity's duration in ticks of 2^-olcekUssu day, drawn exactly from its estimate:
// triangular by the inverse of its distribution function, beta-PERT as G1 / (G1 + G2)
// of two gamma variates (α = 1 + 4(m − a)/(b − a), β = 1 + 4(b − m)/(b − a)). The draw
// is rounded to the nearest tick, so that sums along paths are exact and a tie of two
// paths is a tie.
class SureOrnekleyici {
public:
    SureOrnekleyici(const UcNoktaTahmini& tahmin, Dagilim dagilim, int olcekUssu);
    qint64 Alt() const { return m_alt; } // the optimistic duration, in ticks
    bool Sabit() const { return m_genislik == 0; }
    // Ticks above the optimistic duration: at most (b − a) · 2^olcekUssu, which the caller
    // keeps below 2^32. Draws nothing for a fixed duration.
    quint32 Ornekle(Uretec& uretec) const;

private:
    qint64 m_alt = 0;
    double m_genislik = 0; // b − a in ticks
    Dagilim m_dagilim;
    double m_tepe = 0;     // where the mode lies, (m − a) / (b − a)
    double m_d1 = 0, m_c1 = 0, m_d2 = 0, m_c2 = 0;
};
