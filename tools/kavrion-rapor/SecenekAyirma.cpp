#include "SecenekAyirma.h"

#include <algorithm>

namespace {

QString Tirnakli(const QString& metin)
{
    return QLatin1Char('"') + metin + QLatin1Char('"');
}

} // namespace

QString SecenekleriAyir(const QStringList& argumanlar, std::initializer_list<DegerliSecenek> secenekler,
                        std::initializer_list<Bayrak> bayraklar, bool& yardim, QStringList& konumlu)
{
    bool seceneklerBitti = false;
    for (int i = 0; i < argumanlar.size(); ++i) {
        const QString& a = argumanlar.at(i);
        if (seceneklerBitti || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            konumlu << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            seceneklerBitti = true;
            continue;
        }
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--yardim")) {
            yardim = true;
            continue;
        }
        const qsizetype esit = a.indexOf(QLatin1Char('='));
        const QString ad = esit < 0 ? a : a.left(esit);
        const auto bayrak = std::find_if(bayraklar.begin(), bayraklar.end(),
                                         [&](const Bayrak& b) { return ad == QLatin1String(b.ad); });
        if (bayrak != bayraklar.end()) {
            if (esit >= 0)
                return QStringLiteral("%1 seçeneği değer almaz.").arg(ad);
            *bayrak->verildi = true;
            continue;
        }
        const auto secenek = std::find_if(secenekler.begin(), secenekler.end(),
                                          [&](const DegerliSecenek& s) { return ad == QLatin1String(s.ad); });
        if (secenek == secenekler.end())
            return QStringLiteral("bilinmeyen seçenek: %1").arg(Tirnakli(a));
        std::optional<QString>& hedef = *secenek->deger;
        if (hedef)
            return QStringLiteral("%1 seçeneği bir kez verilebilir.").arg(ad);
        if (esit < 0 && i + 1 >= argumanlar.size())
            return QStringLiteral("%1 seçeneği bir değer ister.").arg(ad);
        const QString deger = esit < 0 ? argumanlar.at(++i) : a.mid(esit + 1);
        if (deger.isEmpty())
            return QStringLiteral("%1 seçeneğinin değeri boş.").arg(ad);
        hedef = deger;
    }
    return QString();
}
