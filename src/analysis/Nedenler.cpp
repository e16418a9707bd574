#include "analysis/Nedenler.h"

namespace {

QString Kod(const QVector<KayitliFaaliyet>& satirlar, int i)
{
    return satirlar.at(i).kodu;
}

// The first listed predecessor whose finish is the start: the one the main window's walk takes.
int BelirleyenOnceki(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k) {
        if (Belirler(ag, s, k))
            return ag.onceki[k];
    }
    return -1;
}

// The first critical successor this one starts; -1 when it holds up the project finish itself.
int TutulanArdil(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        if (s.Kritik(ag.ardil[k]) && Belirler(ag, s, k))
            return ag.ardil[k];
    }
    return -1;
}

// The first successor that sets this one's LF; -1 when the project finish does.
int SinirlayanArdil(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        if (BagaGoreBitis(ag, k, s.ls[ag.ardil[k]]) == s.lf[i])
            return ag.ardil[k];
    }
    return -1;
}

} // namespace

QString NedenKritik(const PlanAgi& ag, const Sonuc& s, const QVector<KayitliFaaliyet>& satirlar, int i)
{
    if (!s.Kritik(i)) {
        const int ardil = SinirlayanArdil(ag, s, i);
        const QString sinir = ardil < 0 ? QStringLiteral("projenin bitişi")
                                        : QStringLiteral("%1 faaliyetinin en geç başlaması").arg(Kod(satirlar, ardil));
        return QStringLiteral("%1 gün kayabilir; en geç bitişini %2 belirliyor.")
            .arg(QString::number(s.ToplamBolluk(i)), sinir);
    }
    const int onceki = BelirleyenOnceki(ag, s, i);
    const QString baslama = onceki < 0 ? QStringLiteral("hiçbir önceki faaliyeti beklemeden 0. günde başlıyor")
                                       : QStringLiteral("%1 bitince başlıyor").arg(Kod(satirlar, onceki));
    const int ardil = TutulanArdil(ag, s, i);
    const QString etki = ardil < 0 ? QStringLiteral("gecikirse proje de gecikir")
                                   : QStringLiteral("gecikirse %1 faaliyeti de gecikir").arg(Kod(satirlar, ardil));
    return QStringLiteral("Kritik: %1; %2.").arg(baslama, etki);
}
