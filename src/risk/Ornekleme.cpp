#include "risk/Ornekleme.h"

#include <cmath>

namespace {

quint64 SplitMix64(quint64& durum)
{
    quint64 z = (durum += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The ziggurat's layers of equal area under the normal density, as Doornik (2005) builds them.
constexpr double R = 3.442619855899;      // where the base layer's tail starts
constexpr double V = 9.91256303526217e-3; // each layer's area
constexpr int Kat = Uretec::ZiguratKati;

struct ZiguratTablosu : Uretec::Zigurat {
    ZiguratTablosu()
    {
        const auto f = [](double t) { return std::exp(-0.5 * t * t); };
        x[0] = V / f(R);
        x[1] = R;
        for (int i = 2; i < Kat; ++i)
            x[i] = std::sqrt(-2 * std::log(V / x[i - 1] + f(x[i - 1])));
        x[Kat] = 0;
        for (int i = 0; i < Kat; ++i)
            oran[i] = x[i + 1] / x[i];
    }
};

// Built once, read only, so threads share it.
const ZiguratTablosu Tablo;

} // namespace

Uretec::Uretec(quint64 tohum, quint64 blok)
{
    // The block's number is mixed in before the seed's stream starts, so neighbouring
    // blocks and neighbouring seeds begin far apart.
    quint64 karisik = blok;
    quint64 durum = tohum ^ SplitMix64(karisik);
    for (quint64& s : m_durum)
        s = SplitMix64(durum);
    m_zigurat = &Tablo;
}

double Uretec::NormalKenarda(int kat, double u)
{
    for (;;) {
        if (kat == 0) {
            // The tail beyond R, by Marsaglia's method.
            double x, y;
            do {
                x = -std::log1p(-Tekduze()) / R;
                y = -std::log1p(-Tekduze());
            } while (2 * y < x * x);
            return u < 0 ? -(R + x) : R + x;
        }
        const double x = u * m_zigurat->x[kat];
        const double f0 = std::exp(-0.5 * (m_zigurat->x[kat] * m_zigurat->x[kat] - x * x));
        const double f1 = std::exp(-0.5 * (m_zigurat->x[kat + 1] * m_zigurat->x[kat + 1] - x * x));
        if (f1 + Tekduze() * (f0 - f1) < 1)
            return x;
        const quint64 r = Sonraki();
        kat = int(r & (Kat - 1));
        u = double(r >> 11) * 0x1.0p-52 - 1;
        if (std::abs(u) < m_zigurat->oran[kat])
            return u * m_zigurat->x[kat];
    }
}

SureOrnekleyici::SureOrnekleyici(const UcNoktaTahmini& tahmin, Dagilim dagilim, int olcekUssu)
    : m_alt(qint64(tahmin.iyimser) * (qint64(1) << olcekUssu))
    , m_genislik(std::ldexp(double(qint64(tahmin.kotumser) - tahmin.iyimser), olcekUssu))
    , m_dagilim(dagilim)
{
    if (tahmin.kotumser == tahmin.iyimser)
        return;
    m_tepe = double(qint64(tahmin.olasi) - tahmin.iyimser) / (qint64(tahmin.kotumser) - tahmin.iyimser);
    const auto Katsayilar = [](double sekil, double& d, double& c) {
        d = sekil - 1.0 / 3;
        c = 1 / std::sqrt(9 * d);
    };
    Katsayilar(1 + 4 * m_tepe, m_d1, m_c1);
    Katsayilar(1 + 4 * (1 - m_tepe), m_d2, m_c2);
}

quint32 SureOrnekleyici::Ornekle(Uretec& uretec) const
{
    if (Sabit())
        return 0;
    double x;
    if (m_dagilim == Dagilim::Ucgen) {
        const double u = uretec.Tekduze();
        x = u < m_tepe ? std::sqrt(u * m_tepe) : 1 - std::sqrt((1 - u) * (1 - m_tepe));
    } else {
        const double g1 = uretec.Gamma(m_d1, m_c1);
        x = g1 / (g1 + uretec.Gamma(m_d2, m_c2));
    }
    return quint32(x * m_genislik + 0.5);
}
