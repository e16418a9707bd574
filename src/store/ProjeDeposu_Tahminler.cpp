// The activities' three-point estimates: reading them, and setting or removing one; and
// the distribution a project's simulation draws them from.
#include "store/ProjeDeposu.h"

#include "store/ProjeDeposu_Ortak.h"

using namespace DepoOrtak;

namespace {

QString TahminDegismis(const QString& proje, const QString& kodu)
{
    return QStringLiteral("\"%1\" projesinin %2 faaliyetinin tahmini siz görüntüledikten sonra başka bir yerde "
                          "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.").arg(proje, kodu);
}

// As the table keeps it: "ucgen" or "pert".
QString DagilimMetni(Dagilim dagilim)
{
    return dagilim == Dagilim::Ucgen ? QStringLiteral("ucgen") : QStringLiteral("pert");
}

// The stored distribution of a project in a file that has the table; `bulundu` tells
// whether it has a row.
DepoHatasi KayitliDagilim(const QSqlDatabase& vt, const QString& proje, Dagilim& dagilim, bool& bulundu)
{
    QSqlQuery sorgu(vt);
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT Dagilim FROM DagilimTablosu WHERE Projesi = ?"), {proje},
                             bulundu))
        return hata;
    dagilim = bulundu && sorgu.value(0).toString() == DagilimMetni(Dagilim::Ucgen) ? Dagilim::Ucgen : Dagilim::Pert;
    return {};
}

} // namespace

DepoHatasi ProjeDeposu::TahminleriOku(const QString& proje, QHash<QString, UcNoktaTahmini>& tahminler) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        tahminler.clear();
        bool var = false;
        if (auto hata = TabloVar(vt, "TahminlerTablosu", var); hata || !var)
            return hata;
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

DepoHatasi ProjeDeposu::DagilimOku(const QString& proje, Dagilim& dagilim) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        dagilim = Dagilim::Pert;
        bool var = false;
        if (auto hata = TabloVar(vt, "DagilimTablosu", var); hata || !var)
            return hata;
        return KayitliDagilim(vt, proje, dagilim, var);
    });
}

DepoHatasi ProjeDeposu::DagilimDegistir(const QString& proje, Dagilim eski, Dagilim yeni) const
{
    return KayitliYazim(m_baglanti, {AdimTuru::DagilimDegistir, proje, proje, QString()},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeOlmali(vt, proje))
            return hata;
        Dagilim saklanan = Dagilim::Pert;
        bool bulundu = false;
        if (auto hata = KayitliDagilim(vt, proje, saklanan, bulundu))
            return hata;
        if (saklanan != eski)
            return Bulunamadi(QStringLiteral("\"%1\" projesinin dağılımı siz görüntüledikten sonra başka bir yerde "
                                             "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.")
                                  .arg(proje));
        if (bulundu)
            return Calistir(vt, QStringLiteral("UPDATE DagilimTablosu SET Dagilim = ? WHERE Projesi = ?"),
                            {DagilimMetni(yeni), proje});
        return Calistir(vt, QStringLiteral("INSERT INTO DagilimTablosu (Projesi, Dagilim) VALUES (?, ?)"),
                        {Metin(proje), DagilimMetni(yeni)});
    });
}
