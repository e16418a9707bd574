#include "Uretim.h"

#include "Agler.h"
#include "store/GeciciBaglanti.h"
#include "store/Sema.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QStringList Sözcükler{QStringLiteral("KÖPRÜ"), QStringLiteral("OKUL"), QStringLiteral("DEPO"),
                            QStringLiteral("YOL"), QStringLiteral("İSKELE"), QStringLiteral("ÇATI"),
                            QStringLiteral("ŞANTİYE"), QStringLiteral("GÜNEŞ SANTRALI"), QStringLiteral("ARITMA")};

QString DolguAdı(int sıra, std::mt19937& üreteç)
{
    return QStringLiteral("%1 %2").arg(Sözcükler.at(int(üreteç() % unsigned(Sözcükler.size()))))
        .arg(sıra, 5, 10, QLatin1Char('0'));
}

DepoHatası ProjeYaz(const ProjeDeposu& depo, const ÜretilecekProje& proje, std::mt19937& üreteç)
{
    const QDate başlama = QDate(2026, 1, 1).addDays(qint64(üreteç() % 365));
    const QDate bitiş = başlama.addDays(qint64(10 + üreteç() % 200));
    if (auto hata = depo.ProjeEkle({proje.ad, başlama, bitiş}))
        return hata;
    for (const Faaliyet& f : proje.faaliyetler) {
        if (auto hata = depo.FaaliyetEkle(proje.ad, f))
            return hata;
    }
    return {};
}

DepoHatası ŞemaKur(const QString& yol)
{
    GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Oluştur);
    if (bağlantı.hata())
        return bağlantı.hata();
    QSqlDatabase vt = bağlantı.vt();
    return Şema::Kur(vt);
}

} // namespace

DepoHatası VeritabanıÜret(const QString& yol, int projeSayısı, const QVector<ÜretilecekProje>& belirli,
                          std::mt19937& üreteç)
{
    if (auto hata = ŞemaKur(yol))
        return hata;
    const GeçiciBağlantı bağlantı(yol);
    if (bağlantı.hata())
        return bağlantı.hata();
    DepoHatası hata;
    {
        {
            QSqlQuery hızlı(bağlantı.vt());
            hızlı.exec(QStringLiteral("PRAGMA synchronous = OFF"));
            hızlı.exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        }
        const ProjeDeposu depo = bağlantı.depo();
        const int dolgu = std::max(0, projeSayısı - int(belirli.size()));
        for (int i = 0; i <= dolgu && !hata; ++i) {
            if (i == dolgu / 2) {
                for (const ÜretilecekProje& proje : belirli) {
                    if ((hata = ProjeYaz(depo, proje, üreteç)))
                        break;
                }
            }
            if (i == dolgu || hata)
                break;
            const int faaliyetSayısı = int(üreteç() % 7);
            hata = ProjeYaz(depo, {DolguAdı(i + 1, üreteç), AğKur(AğBiçimi::Rastgele, faaliyetSayısı, üreteç)},
                            üreteç);
        }
    }
    return hata;
}
