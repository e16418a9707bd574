// The links that are not plain finish-to-start without lag: one row per successor and
// predecessor beside the activity, whose predecessor text stays a list of codes.
#include "store/ProjeDeposu.h"

#include "kernel/OncekiListesi.h"
#include "store/ProjeDeposu_Ortak.h"

#include <QHash>

using namespace DepoOrtak;

namespace {

constexpr std::pair<BagTuru, const char*> BagTurleri[] = {
    {BagTuru::BitisBaslama, "bitis-baslama"},
    {BagTuru::BaslamaBaslama, "baslama-baslama"},
    {BagTuru::BitisBitis, "bitis-bitis"},
    {BagTuru::BaslamaBitis, "baslama-bitis"},
};

DepoHatasi Okunamadi(const QString& proje, const QString& kodu, const QString& deger)
{
    return DepoHatasi::yeni(DepoHatasi::Uyumsuz,
        QStringLiteral("\"%1\" projesinin %2 faaliyetinin bağlarında okunamayan bir değer var (\"%3\"); "
                       "faaliyetler gösterilemez.").arg(proje, kodu, deger));
}

// One stored row as a link; a type or lag this build cannot hold is an error, never taken
// for a plain link.
DepoHatasi OkunanBag(const QSqlQuery& sorgu, const QString& proje, BagAyrintisi& bag)
{
    const QString kodu = sorgu.value(0).toString(), tur = sorgu.value(2).toString();
    bag.onceki = sorgu.value(1).toString();
    if (!MetindekiTur(BagTurleri, tur, bag.tur))
        return Okunamadi(proje, kodu, tur);
    bool sayi = false;
    const QString gecikme = sorgu.value(3).toString();
    bag.gecikme = gecikme.toInt(&sayi);
    if (!sayi || bag.gecikme < -GecikmeSiniri || bag.gecikme > GecikmeSiniri)
        return Okunamadi(proje, kodu, gecikme);
    return {};
}

// The links kept for an activity, in its predecessor list's order. A row naming a code the
// list no longer holds (another program changed the text) says nothing, nor does a plain one.
QVector<BagAyrintisi> ListeSirasiyla(const QString& oncekiler, const QVector<BagAyrintisi>& saklanan)
{
    QVector<BagAyrintisi> baglar;
    OncekiKodlariniGez(oncekiler, [&](QStringView kod) {
        for (const BagAyrintisi& bag : saklanan) {
            if (bag.onceki == kod && !bag.Duz()
                && std::none_of(baglar.cbegin(), baglar.cend(), [&](const BagAyrintisi& b) { return b.onceki == kod; }))
                baglar.append(bag);
        }
    });
    return baglar;
}

DepoHatasi BagEkle(const QSqlDatabase& vt, const QString& proje, const QString& kodu, const BagAyrintisi& bag)
{
    return Calistir(vt, QStringLiteral("INSERT INTO BaglarTablosu (Projesi, Kodu, Onceki, Turu, Gecikme)"
                                       " VALUES (?, ?, ?, ?, ?)"),
                    {Metin(proje), Metin(kodu), Metin(bag.onceki), TurMetni(BagTurleri, bag.tur), bag.gecikme});
}

} // namespace

DepoHatasi DepoOrtak::BaglariDoldur(const QSqlDatabase& vt, const QString& proje, QVector<KayitliFaaliyet>& faaliyetler)
{
    bool var = false;
    if (auto hata = TabloVar(vt, "BaglarTablosu", var); hata || !var || faaliyetler.isEmpty())
        return hata;
    // One activity is looked up by its code, a whole project at once.
    const bool tek = faaliyetler.size() == 1;
    QSqlQuery sorgu(vt);
    sorgu.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT Kodu, Onceki, Turu, Gecikme FROM BaglarTablosu WHERE Projesi = ?");
    if (auto hata = tek ? Calistir(sorgu, sql + QStringLiteral(" AND Kodu = ?"), {proje, faaliyetler.first().kodu})
                        : Calistir(sorgu, sql, {proje}))
        return hata;
    QHash<QString, QVector<BagAyrintisi>> saklanan;
    while (sorgu.next()) {
        BagAyrintisi bag;
        if (auto hata = OkunanBag(sorgu, proje, bag))
            return hata;
        saklanan[sorgu.value(0).toString()].append(bag);
    }
    if (auto hata = SatirlarinSonu(sorgu))
        return hata;
    for (KayitliFaaliyet& f : faaliyetler) {
        const auto bulunan = saklanan.constFind(f.kodu);
        if (bulunan != saklanan.cend())
            f.baglar = ListeSirasiyla(f.oncekiler, *bulunan);
    }
    return {};
}

DepoHatasi DepoOrtak::BaglariYaz(const QSqlDatabase& vt, const QString& proje, const QString& kodu,
                                 const QVector<BagAyrintisi>& baglar)
{
    // Only the rows that differ are written, so that a change of one link is one row in the
    // history and in a server's announcements; rows the list no longer names go too.
    QStringList saklananlar;
    if (auto hata = MetinleriOku(vt, QStringLiteral("SELECT Onceki FROM BaglarTablosu WHERE Projesi = ? AND Kodu = ?"),
                                 {proje, kodu}, saklananlar))
        return hata;
    auto yeni = [&baglar](const QString& onceki) {
        return std::find_if(baglar.cbegin(), baglar.cend(),
                            [&onceki](const BagAyrintisi& b) { return b.onceki == onceki && !b.Duz(); });
    };
    for (const QString& onceki : std::as_const(saklananlar)) {
        const auto bag = yeni(onceki);
        if (bag == baglar.cend()) {
            if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM BaglarTablosu WHERE Projesi = ? AND Kodu = ?"
                                                        " AND Onceki = ?"), {proje, kodu, onceki}))
                return hata;
            continue;
        }
        const QString tur = TurMetni(BagTurleri, bag->tur);
        if (auto hata = Calistir(vt, QStringLiteral("UPDATE BaglarTablosu SET Turu = ?, Gecikme = ? WHERE Projesi = ?"
                                                    " AND Kodu = ? AND Onceki = ? AND (Turu <> ? OR Gecikme <> ?)"),
                                 {tur, bag->gecikme, proje, kodu, onceki, tur, bag->gecikme}))
            return hata;
    }
    for (const BagAyrintisi& bag : baglar) {
        if (bag.Duz() || saklananlar.contains(bag.onceki))
            continue;
        if (auto hata = BagEkle(vt, proje, kodu, bag))
            return hata;
    }
    return {};
}

DepoHatasi DepoOrtak::BagSatirlariEkle(const QSqlDatabase& vt, const QString& proje, const Faaliyet& faaliyet)
{
    for (const BagAyrintisi& bag : faaliyet.baglar) {
        if (bag.Duz())
            continue;
        if (auto hata = BagEkle(vt, proje, faaliyet.kodu, bag))
            return hata;
    }
    return {};
}
