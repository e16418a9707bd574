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

// Makes the schema through a connection opened to create it, then fills it through a
// connection of its own, as the programs do.
DepoHatasi SemaKur(const GeciciBaglanti& baglanti)
{
    if (baglanti.hata())
        return baglanti.hata();
    QSqlDatabase vt = baglanti.vt();
    return Sema::Kur(vt);
}

DepoHatasi ProjeleriYaz(const GeciciBaglanti& baglanti, int projeSayisi, const QVector<UretilecekProje>& belirli,
                        std::mt19937& uretec)
{
    if (baglanti.hata())
        return baglanti.hata();
    {
        // No durable commit while the data is made: a file's journal stays in memory,
        // a server answers each commit before its log reaches the disk.
        QSqlQuery hizli(baglanti.vt());
        if (baglanti.vt().driverName() == QLatin1String("QPSQL")) {
            hizli.exec(QStringLiteral("SET synchronous_commit = off"));
        } else {
            hizli.exec(QStringLiteral("PRAGMA synchronous = OFF"));
            hizli.exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        }
    }
    const ProjeDeposu depo = baglanti.depo();
    const int dolgu = std::max(0, projeSayisi - int(belirli.size()));
    DepoHatasi hata;
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
        hata = ProjeYaz(depo, {DolguAdi(i + 1, uretec), AgKur(AgBicimi::Rastgele, faaliyetSayisi, uretec)}, uretec);
    }
    return hata;
}

} // namespace

DepoHatasi VeritabaniUret(const QString& yol, int projeSayisi, const QVector<UretilecekProje>& belirli,
                          std::mt19937& uretec)
{
    if (auto hata = SemaKur(GeciciBaglanti(yol, ProjeDeposu::Acilis::Olustur)))
        return hata;
    return ProjeleriYaz(GeciciBaglanti(yol), projeSayisi, belirli, uretec);
}

DepoHatasi VeritabaniUret(const SunucuAdresi& adres, int projeSayisi, const QVector<UretilecekProje>& belirli,
                          std::mt19937& uretec)
{
    if (auto hata = SemaKur(GeciciBaglanti(adres, ProjeDeposu::Acilis::Olustur)))
        return hata;
    return ProjeleriYaz(GeciciBaglanti(adres), projeSayisi, belirli, uretec);
}
