#include "Uretim.h"

#include "Agler.h"
#include "store/GeciciBaglanti.h"
#include "store/Sema.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QStringList Sozcukler{QStringLiteral("KÖPRÜ"), QStringLiteral("OKUL"), QStringLiteral("DEPO"),
                            QStringLiteral("YOL"), QStringLiteral("İSKELE"), QStringLiteral("ÇATI"),
                            QStringLiteral("ŞANTİYE"), QStringLiteral("GÜNEŞ SANTRALI"), QStringLiteral("ARITMA")};

QString DolguAdi(int sira, std::mt19937& uretec)
{
    return QStringLiteral("%1 %2").arg(Sozcukler.at(int(uretec() % unsigned(Sozcukler.size()))))
        .arg(sira, 5, 10, QLatin1Char('0'));
}

DepoHatasi ProjeYaz(const ProjeDeposu& depo, const UretilecekProje& proje, std::mt19937& uretec)
{
    const QDate baslama = QDate(2026, 1, 1).addDays(qint64(uretec() % 365));
    const QDate bitis = baslama.addDays(qint64(10 + uretec() % 200));
    if (auto hata = depo.ProjeEkle({proje.ad, baslama, bitis}))
        return hata;
    for (const Faaliyet& f : proje.faaliyetler) {
        if (auto hata = depo.FaaliyetEkle(proje.ad, f))
            return hata;
    }
    return {};
}

DepoHatasi SemaKur(const QString& yol)
{
    GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Olustur);
    if (baglanti.hata())
        return baglanti.hata();
    QSqlDatabase vt = baglanti.vt();
    return Sema::Kur(vt);
}

} // namespace

DepoHatasi VeritabaniUret(const QString& yol, int projeSayisi, const QVector<UretilecekProje>& belirli,
                          std::mt19937& uretec)
{
    if (auto hata = SemaKur(yol))
        return hata;
    const GeciciBaglanti baglanti(yol);
    if (baglanti.hata())
        return baglanti.hata();
    DepoHatasi hata;
    {
        {
            QSqlQuery hizli(baglanti.vt());
            hizli.exec(QStringLiteral("PRAGMA synchronous = OFF"));
            hizli.exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        }
        const ProjeDeposu depo = baglanti.depo();
        const int dolgu = std::max(0, projeSayisi - int(belirli.size()));
        for (int i = 0; i <= dolgu && !hata; ++i) {
            if (i == dolgu / 2) {
                for (const UretilecekProje& proje : belirli) {
                    if ((hata = ProjeYaz(depo, proje, uretec)))
                        break;
                }
            }
            if (i == dolgu || hata)
                break;
            const int faaliyetSayisi = int(uretec() % 7);
            hata = ProjeYaz(depo, {DolguAdi(i + 1, uretec), AgKur(AgBicimi::Rastgele, faaliyetSayisi, uretec)},
                            uretec);
        }
    }
    return hata;
}
