// Taking a team server's schema, made by an older veritabani-olustur, to this version: the
// application's role may not change a schema, so the administrator runs this once.
#include "store/Sema.h"
#include "store/SqlHatasi.h"

#include <QSqlQuery>
#include <QStringList>

namespace Sema {
namespace {

// Runs `komut` and, when asked, collects its first column.
DepoHatasi Calistir(QSqlQuery& sorgu, const QString& komut, QStringList* sonuc = nullptr)
{
    if (!sorgu.exec(komut))
        return SqlHatasi(sorgu.lastError());
    while (sonuc && sorgu.next())
        *sonuc << sorgu.value(0).toString();
    return {};
}

// The tables there, and the login roles that may write them (the table's owner and
// PUBLIC aside): those veritabani-olustur --rol made, or the administrator granted alike.
DepoHatasi Oku(QSqlQuery& sorgu, QStringList& tablolar, QStringList& roller)
{
    if (auto hata = Calistir(sorgu, QStringLiteral("SELECT table_name FROM information_schema.tables"
                                                   " WHERE table_schema = current_schema()"), &tablolar))
        return hata;
    if (!tablolar.contains(QStringLiteral("kavrionsurumu")) || !tablolar.contains(QStringLiteral("projetablosu")))
        return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Sunucudaki veritabanında Kavrion şeması yok; "
                                                                  "önce \"veritabani-olustur --sunucu\" ile kurun."));
    return Calistir(sorgu, QStringLiteral("SELECT DISTINCT pg_get_userbyid(a.grantee) FROM pg_class c,"
                                          " aclexplode(c.relacl) a WHERE c.oid = 'projetablosu'::regclass"
                                          " AND a.privilege_type = 'INSERT' AND a.grantee NOT IN (0, c.relowner)"
                                          " ORDER BY 1"), &roller);
}

// Everything between BEGIN and COMMIT; the caller rolls back on an error or when nothing is to change.
DepoHatasi Guncelle(QSqlDatabase& vt, int& bulunan, bool& yapilacak)
{
    QSqlQuery sorgu(vt);
    QStringList tablolar, roller;
    if (auto hata = Oku(sorgu, tablolar, roller))
        return hata;
    // A second administrator's update waits here, then finds the schema current.
    if (auto hata = Calistir(sorgu, QStringLiteral("LOCK TABLE KavrionSurumu IN EXCLUSIVE MODE")))
        return hata;
    if (auto hata = SurumuOku(vt, bulunan))
        return hata;
    if (bulunan > Surum)
        return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Sunucudaki şema Kavrion'un daha yeni bir "
                                                                  "sürümüne ait (sürüm %1); bu sürüm en çok %2 "
                                                                  "tanır. Şema değiştirilmedi.").arg(bulunan).arg(Surum));
    yapilacak = bulunan < Surum;
    for (const QString& komut : yapilacak ? SunucuGuncellemesi(tablolar, roller) : QStringList())
        if (auto hata = Calistir(sorgu, komut))
            return hata;
    return {};
}

} // namespace

DepoHatasi SunucuyuGuncelle(QSqlDatabase& vt, int& bulunan)
{
    QSqlQuery sorgu(vt);
    if (!sorgu.exec(QStringLiteral("BEGIN")))
        return SqlHatasi(sorgu.lastError());
    bool yapilacak = false;
    DepoHatasi hata = Guncelle(vt, bulunan, yapilacak);
    if (!hata && yapilacak && !sorgu.exec(QStringLiteral("COMMIT")))
        hata = SqlHatasi(sorgu.lastError());
    if (hata || !yapilacak)
        sorgu.exec(QStringLiteral("ROLLBACK"));
    return hata;
}

} // namespace Sema
