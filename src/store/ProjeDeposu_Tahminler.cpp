// The activities' three-point estimates: reading them, and setting or removing one.
#include "store/ProjeDeposu.h"

#include "store/Lehce.h"
#include "store/ProjeDeposu_Ortak.h"

using namespace DepoOrtak;

namespace {

QString TahminDegismis(const QString& proje, const QString& kodu)
{
    return QStringLiteral("\"%1\" projesinin %2 faaliyetinin tahmini siz görüntüledikten sonra başka bir yerde "
                          "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.").arg(proje, kodu);
}

} // namespace

DepoHatasi ProjeDeposu::TahminleriOku(const QString& proje, QHash<QString, UcNoktaTahmini>& tahminler) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        tahminler.clear();
        // A file of an older Kavrion has no table for them yet; a server's schema has every table.
        QSqlQuery tablo(vt);
        bool var = Lehce::Sunucuda(vt);
        if (!var) {
            if (auto hata = SatirBul(tablo, QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'TahminlerTablosu'"),
                                     {}, var); hata || !var)
                return hata;
        }
        QSqlQuery sorgu(vt);
        sorgu.setForwardOnly(true);
        if (auto hata = Calistir(sorgu,
                QStringLiteral("SELECT Kodu, Iyimser, Olasi, Kotumser FROM TahminlerTablosu WHERE Projesi = ?"), {proje}))
            return hata;
        while (sorgu.next())
            tahminler.insert(sorgu.value(0).toString(),
                             {sorgu.value(1).toInt(), sorgu.value(2).toInt(), sorgu.value(3).toInt()});
        return SatirlarinSonu(sorgu);
    });
}

DepoHatasi ProjeDeposu::TahminDegistir(const QString& proje, const QString& kodu,
                                       const std::optional<UcNoktaTahmini>& eski,
                                       const std::optional<UcNoktaTahmini>& yeni) const
{
    return KayitliYazim(m_baglanti, {AdimTuru::TahminDegistir, proje, proje, Metin(kodu)},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery faaliyet(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(faaliyet, QStringLiteral("SELECT 1 FROM FaaliyetlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                                 {proje, kodu}, bulundu))
            return hata;
        if (!bulundu)
            return Bulunamadi(QStringLiteral("\"%1\" projesinin %2 faaliyeti artık kayıtlı değil; başka bir yerde "
                                             "silinmiş.").arg(proje, kodu));
        QSqlQuery sorgu(vt);
        if (auto hata = SatirBul(sorgu,
                QStringLiteral("SELECT Iyimser, Olasi, Kotumser FROM TahminlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                {proje, kodu}, bulundu))
            return hata;
        const std::optional<UcNoktaTahmini> kayitli =
            bulundu ? std::optional(UcNoktaTahmini{sorgu.value(0).toInt(), sorgu.value(1).toInt(), sorgu.value(2).toInt()})
                    : std::nullopt;
        if (kayitli != eski)
            return Bulunamadi(TahminDegismis(proje, kodu));
        if (!yeni)
            return Calistir(vt, QStringLiteral("DELETE FROM TahminlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                            {proje, kodu});
        if (kayitli)
            return Calistir(vt, QStringLiteral("UPDATE TahminlerTablosu SET Iyimser = ?, Olasi = ?, Kotumser = ?"
                                               " WHERE Projesi = ? AND Kodu = ?"),
                            {yeni->iyimser, yeni->olasi, yeni->kotumser, proje, kodu});
        return Calistir(vt, QStringLiteral("INSERT INTO TahminlerTablosu (Projesi, Kodu, Iyimser, Olasi, Kotumser)"
                                           " VALUES (?, ?, ?, ?, ?)"),
                        {proje, Metin(kodu), yeni->iyimser, yeni->olasi, yeni->kotumser});
    });
}
