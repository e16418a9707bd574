#include "analysis/Nedenler.h"

namespace {

QString Kod(const QVector<ÇizelgeSatırı>& satırlar, int i)
{
    return satırlar.at(i).kodu;
}

// The first listed predecessor whose finish is the start: the one the main window's walk takes.
int BelirleyenÖnceki(const Ağ& ağ, int i)
{
    for (int k = ağ.öncekiBaşı[i]; k < ağ.öncekiBaşı[i + 1]; ++k) {
        if (ağ.Belirler(ağ.öncekiler[k], i))
            return ağ.öncekiler[k];
    }
    return -1;
}

// The first critical successor this one starts; -1 when it holds up the project finish itself.
int TutulanArdıl(const Ağ& ağ, int i)
{
    for (int k = ağ.ardılBaşı[i]; k < ağ.ardılBaşı[i + 1]; ++k) {
        const int ardıl = ağ.ardıllar[k];
        if (ağ.Kritik(ardıl) && ağ.Belirler(i, ardıl))
            return ardıl;
    }
    return -1;
}

// The first successor whose LS is this one's LF; -1 when the project finish sets it.
int SınırlayanArdıl(const Ağ& ağ, int i)
{
    for (int k = ağ.ardılBaşı[i]; k < ağ.ardılBaşı[i + 1]; ++k) {
        if (ağ.ls[ağ.ardıllar[k]] == ağ.lf[i])
            return ağ.ardıllar[k];
    }
    return -1;
}

} // namespace

QString NedenKritik(const Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar, int i)
{
    if (!ağ.Kritik(i)) {
        const int ardıl = SınırlayanArdıl(ağ, i);
        const QString sınır = ardıl < 0 ? QStringLiteral("projenin bitişi")
                                        : QStringLiteral("%1 faaliyetinin en geç başlaması").arg(Kod(satırlar, ardıl));
        return QStringLiteral("%1 gün kayabilir; en geç bitişini %2 belirliyor.")
            .arg(QString::number(ağ.ToplamBolluk(i)), sınır);
    }
    const int önceki = BelirleyenÖnceki(ağ, i);
    const QString başlama = önceki < 0 ? QStringLiteral("hiçbir önceki faaliyeti beklemeden 0. günde başlıyor")
                                       : QStringLiteral("%1 bitince başlıyor").arg(Kod(satırlar, önceki));
    const int ardıl = TutulanArdıl(ağ, i);
    const QString etki = ardıl < 0 ? QStringLiteral("gecikirse proje de gecikir")
                                   : QStringLiteral("gecikirse %1 faaliyeti de gecikir").arg(Kod(satırlar, ardıl));
    return QStringLiteral("Kritik: %1; %2.").arg(başlama, etki);
}
