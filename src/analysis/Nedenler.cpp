#include "analysis/Nedenler.h"

namespace {

QString Kod(const QVector<KayitliFaaliyet>& satirlar, int i)
{
    return satirlar.at(i).kodu;
}

// The first listed predecessor whose finish is the start: the one the main window's walk takes.
int BelirleyenOnceki(const Ag& ag, int i)
{
    for (int k = ag.oncekiBasi[i]; k < ag.oncekiBasi[i + 1]; ++k) {
        if (ag.Belirler(ag.oncekiler[k], i))
            return ag.oncekiler[k];
    }
    return -1;
}

// The first critical successor this one starts; -1 when it holds up the project finish itself.
int TutulanArdil(const Ag& ag, int i)
{
    for (int k = ag.ardilBasi[i]; k < ag.ardilBasi[i + 1]; ++k) {
        const int ardil = ag.ardillar[k];
        if (ag.Kritik(ardil) && ag.Belirler(i, ardil))
            return ardil;
    }
    return -1;
}

// The first successor whose LS is this one's LF; -1 when the project finish sets it.
int SinirlayanArdil(const Ag& ag, int i)
{
    for (int k = ag.ardilBasi[i]; k < ag.ardilBasi[i + 1]; ++k) {
        if (ag.ls[ag.ardillar[k]] == ag.lf[i])
            return ag.ardillar[k];
    }
    return -1;
}

} // namespace

QString NedenKritik(const Ag& ag, const QVector<KayitliFaaliyet>& satirlar, int i)
{
    if (!ag.Kritik(i)) {
        const int ardil = SinirlayanArdil(ag, i);
        const QString sinir = ardil < 0 ? QStringLiteral("projenin bitişi")
                                        : QStringLiteral("%1 faaliyetinin en geç başlaması").arg(Kod(satirlar, ardil));
        return QStringLiteral("%1 gün kayabilir; en geç bitişini %2 belirliyor.")
            .arg(QString::number(ag.ToplamBolluk(i)), sinir);
    }
    const int onceki = BelirleyenOnceki(ag, i);
    const QString baslama = onceki < 0 ? QStringLiteral("hiçbir önceki faaliyeti beklemeden 0. günde başlıyor")
                                       : QStringLiteral("%1 bitince başlıyor").arg(Kod(satirlar, onceki));
    const int ardil = TutulanArdil(ag, i);
    const QString etki = ardil < 0 ? QStringLiteral("gecikirse proje de gecikir")
                                   : QStringLiteral("gecikirse %1 faaliyeti de gecikir").arg(Kod(satirlar, ardil));
    return QStringLiteral("Kritik: %1; %2.").arg(baslama, etki);
}
