#include "store/SunucuBaglantisi.h"

#include "store/Sema.h"
#include "store/SqlHatasi.h"

#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <mutex>

namespace {

struct Kayit {
    SunucuBaglantisi::Ayarlar ayarlar;
    bool dinler = false;
};

std::mutex kayitlarKilidi;
QHash<QString, Kayit> kayitlar;

std::optional<Kayit> KaydiBul(const QString& baglanti)
{
    const std::lock_guard<std::mutex> kilitli(kayitlarKilidi);
    const auto bulunan = kayitlar.constFind(baglanti);
    if (bulunan == kayitlar.cend())
        return std::nullopt;
    return *bulunan;
}

// A connection that could not be made: the server's refusal of the user, or nothing
// there to answer.
DepoHatasi AcilmadiHatasi(const QSqlError& hata)
{
    if (hata.nativeErrorCode().size() == 5)
        return SqlHatasi(hata);
    const QString metin = hata.databaseText().isEmpty() ? hata.text() : hata.databaseText();
    if (metin.contains(QLatin1String("password")))
        return {DepoHatasi::Yetki, QStringLiteral("Sunucu parola istiyor ya da verilen parolayı kabul etmedi."), metin};
    return {DepoHatasi::Ulasilamiyor, QStringLiteral("Sunucuya ulaşılamıyor."), metin};
}

DepoHatasi Kur(QSqlDatabase& vt, const Kayit& kayit)
{
    if (!vt.open())
        return AcilmadiHatasi(vt.lastError());
    QSqlQuery sorgu(vt);
    sorgu.prepare(QStringLiteral("SELECT set_config('kavrion.sahip', ?, false)"));
    sorgu.addBindValue(kayit.ayarlar.sahip);
    if (!sorgu.exec())
        return SqlHatasi(sorgu.lastError());
    sorgu.finish();
    // A reader sees one moment of the plans however many statements it takes, and
    // could not write even by mistake.
    if (kayit.ayarlar.saltOkunur
        && (!sorgu.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"))
            || !sorgu.exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ"))))
        return SqlHatasi(sorgu.lastError());
    if (kayit.ayarlar.denetlenir) {
        if (auto hata = Sema::Denetle(vt))
            return hata;
    }
    if (kayit.dinler && !vt.driver()->subscribeToNotification(QLatin1String(Sema::Duyuru)))
        return SqlHatasi(vt.driver()->lastError());
    return {};
}

} // namespace

namespace SunucuBaglantisi {

DepoHatasi Ac(QSqlDatabase vt, const Ayarlar& ayarlar)
{
    const Kayit kayit{ayarlar, false};
    if (auto hata = Kur(vt, kayit)) {
        vt.close();
        return hata;
    }
    const std::lock_guard<std::mutex> kilitli(kayitlarKilidi);
    kayitlar.insert(vt.connectionName(), kayit);
    return {};
}

void Unut(const QString& baglanti)
{
    const std::lock_guard<std::mutex> kilitli(kayitlarKilidi);
    kayitlar.remove(baglanti);
}

DepoHatasi Hazirla(const QString& baglanti)
{
    const auto kayit = KaydiBul(baglanti);
    QSqlDatabase vt = QSqlDatabase::database(baglanti, false);
    if (!kayit || vt.isOpen())
        return {};
    if (auto hata = Kur(vt, *kayit)) {
        vt.close();
        return hata;
    }
    return {};
}

DepoHatasi Sonuc(const QString& baglanti, DepoHatasi hata)
{
    if (!hata || hata.numara == DepoHatasi::Bulunamadi || !KaydiBul(baglanti))
        return hata;
    // A lost connection's failures carry no SQLSTATE, or one of its own; asking the
    // server something tells it from a refusal.
    QSqlDatabase vt = QSqlDatabase::database(baglanti, false);
    if (vt.isOpen() && QSqlQuery(vt).exec(QStringLiteral("SELECT 1")))
        return hata;
    vt.close();
    return {DepoHatasi::Ulasilamiyor, QStringLiteral("Sunucuya ulaşılamıyor. Bağlantı bir sonraki komutta yeniden "
                                                     "kurulacak."),
            hata.ayrinti.isEmpty() ? vt.lastError().text() : hata.ayrinti};
}

void DuyurulariDinle(const QString& baglanti)
{
    {
        const std::lock_guard<std::mutex> kilitli(kayitlarKilidi);
        const auto bulunan = kayitlar.find(baglanti);
        if (bulunan == kayitlar.end())
            return;
        bulunan->dinler = true;
    }
    QSqlDatabase vt = QSqlDatabase::database(baglanti, false);
    if (vt.isOpen())
        vt.driver()->subscribeToNotification(QLatin1String(Sema::Duyuru));
}

} // namespace SunucuBaglantisi
