// A project's progress: its status date with the baseline it is compared with (one row,
// none while neither is set), and each activity's progress (a row by its code). Reading
// them with the baselines, and the commands on the first two.
#include "store/ProjeDeposu.h"

#include "store/ProjeDeposu_Ortak.h"

using namespace DepoOrtak;

namespace {

bool DurumSatiriVar(const QDate& durumTarihi, qint32 karsilastirilan)
{
    return durumTarihi.isValid() || karsilastirilan >= 0;
}

DepoHatasi DurumuOku(const QSqlDatabase& vt, const QString& proje, ProjeIlerlemesi& ilerleme, TabanPlanlari& tabanlar)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT DurumTarihi, Karsilastirilan FROM DurumTablosu"
                                                   " WHERE Projesi = ?"), {proje}, bulundu); hata || !bulundu)
        return hata;
    if (!SaklanmisTarih(sorgu.value(0), ilerleme.durumTarihi))
        return IlerlemeOkunamadi(proje, sorgu.value(0));
    bool tamSayi = false;
    tabanlar.karsilastirilan = sorgu.value(1).toInt(&tamSayi);
    if (!tamSayi || tabanlar.karsilastirilan < -1 || tabanlar.karsilastirilan >= TabanPlaniSiniri)
        return IlerlemeOkunamadi(proje, sorgu.value(1));
    return {};
}

DepoHatasi FaaliyetIlerlemeleriniOku(const QSqlDatabase& vt, const QString& proje, ProjeIlerlemesi& ilerleme)
{
    QSqlQuery sorgu(vt);
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu, QStringLiteral("SELECT Kodu, GercekBaslama, GercekBitis, Yuzde, Kalan"
                                                   " FROM IlerlemeTablosu WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next()) {
        FaaliyetIlerlemesi f;
        for (int sutun : {1, 2})
            if (!SaklanmisTarih(sorgu.value(sutun), sutun == 1 ? f.gercekBaslama : f.gercekBitis))
                return IlerlemeOkunamadi(proje, sorgu.value(sutun));
        bool yuzde = false, kalan = false;
        f.yuzde = sorgu.value(3).toInt(&yuzde);
        f.kalan = sorgu.value(4).toInt(&kalan);
        if (!yuzde || f.yuzde < 0 || f.yuzde > 100)
            return IlerlemeOkunamadi(proje, sorgu.value(3));
        if (!kalan || f.kalan < -1)
            return IlerlemeOkunamadi(proje, sorgu.value(4));
        ilerleme.faaliyetler.insert(sorgu.value(0).toString(), f);
    }
    return SatirlarinSonu(sorgu);
}

// The stored status row written over `eski` as `yeni`: inserted, changed or deleted.
DepoHatasi DurumYaz(const QSqlDatabase& vt, const QString& proje, const QDate& eskiTarih, qint32 eskiTaban,
                    const QDate& yeniTarih, qint32 yeniTaban)
{
    const bool eskiVar = DurumSatiriVar(eskiTarih, eskiTaban), yeniVar = DurumSatiriVar(yeniTarih, yeniTaban);
    if (eskiVar && !yeniVar)
        return Calistir(vt, QStringLiteral("DELETE FROM DurumTablosu WHERE Projesi = ?"), {proje});
    if (!eskiVar && yeniVar)
        return Calistir(vt, QStringLiteral("INSERT INTO DurumTablosu (Projesi, DurumTarihi, Karsilastirilan)"
                                           " VALUES (?, ?, ?)"), {Metin(proje), TarihMetni(yeniTarih), yeniTaban});
    if (yeniVar && (eskiTarih != yeniTarih || eskiTaban != yeniTaban))
        return Calistir(vt, QStringLiteral("UPDATE DurumTablosu SET DurumTarihi = ?, Karsilastirilan = ?"
                                           " WHERE Projesi = ?"), {TarihMetni(yeniTarih), yeniTaban, proje});
    return {};
}

DepoHatasi IlerlemeSatiriEkle(const QSqlDatabase& vt, const QString& proje, const QString& kodu,
                              const FaaliyetIlerlemesi& f)
{
    return Calistir(vt, QStringLiteral("INSERT INTO IlerlemeTablosu (Projesi, Kodu, GercekBaslama, GercekBitis, Yuzde,"
                                       " Kalan) VALUES (?, ?, ?, ?, ?, ?)"),
                    {Metin(proje), Metin(kodu), TarihMetni(f.gercekBaslama), TarihMetni(f.gercekBitis), f.yuzde,
                     f.kalan});
}

DepoHatasi FaaliyetOlmali(const QSqlDatabase& vt, const QString& proje, const QString& kodu)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT 1 FROM FaaliyetlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                             {proje, kodu}, bulundu))
        return hata;
    return bulundu ? DepoHatasi{}
                   : Bulunamadi(QStringLiteral("\"%1\" projesinin %2 faaliyeti artık kayıtlı değil; başka bir yerde "
                                               "silinmiş.").arg(proje, kodu));
}

QString Degismis(const QString& proje, const QString& ne)
{
    return QStringLiteral("\"%1\" projesinin %2 siz görüntüledikten sonra başka bir yerde değiştirilmiş; hiçbir şey "
                          "kaydedilmedi. Güncel hali gösteriliyor.").arg(proje, ne);
}

} // namespace

QVariant DepoOrtak::TarihMetni(const QDate& tarih)
{
    return tarih.isValid() ? QVariant(tarih.toString(Qt::ISODate)) : QVariant(QMetaType::fromType<QString>());
}

bool DepoOrtak::SaklanmisTarih(const QVariant& deger, QDate& tarih)
{
    tarih = QDate();
    if (deger.isNull())
        return true;
    tarih = QDate::fromString(deger.toString(), Qt::ISODate);
    return tarih.isValid();
}

DepoHatasi DepoOrtak::IlerlemeOkunamadi(const QString& proje, const QVariant& deger)
{
    return DepoHatasi::yeni(DepoHatasi::Uyumsuz,
        QStringLiteral("\"%1\" projesinin ilerlemesinde ya da taban planlarında okunamayan bir değer var (\"%2\"); "
                       "ilerleme gösterilemez.").arg(proje, deger.toString()));
}

DepoHatasi DepoOrtak::IlerlemeOku(const QSqlDatabase& vt, const QString& proje, ProjeIlerlemesi& ilerleme,
                                  TabanPlanlari& tabanlar)
{
    ilerleme = ProjeIlerlemesi();
    tabanlar = TabanPlanlari();
    // The four tables come together; a file of an older Kavrion has none of them.
    bool var = false;
    if (auto hata = TabloVar(vt, "DurumTablosu", var); hata || !var)
        return hata;
    if (auto hata = DurumuOku(vt, proje, ilerleme, tabanlar))
        return hata;
    if (auto hata = FaaliyetIlerlemeleriniOku(vt, proje, ilerleme))
        return hata;
    return TabanlariOku(vt, proje, tabanlar);
}

DepoHatasi DepoOrtak::IlerlemeYaz(const QSqlDatabase& vt, const QString& proje, const ProjeIlerlemesi& ilerleme,
                                  const TabanPlanlari& tabanlar)
{
    if (auto hata = DurumYaz(vt, proje, QDate(), -1, ilerleme.durumTarihi, tabanlar.karsilastirilan))
        return hata;
    // Ordered by code, so that the file's rows do not follow the hash's order.
    QStringList kodlar = ilerleme.faaliyetler.keys();
    kodlar.sort();
    for (const QString& kodu : std::as_const(kodlar))
        if (auto hata = IlerlemeSatiriEkle(vt, proje, kodu, ilerleme.faaliyetler.value(kodu)))
            return hata;
    for (const TabanPlani& taban : tabanlar.planlar)
        if (auto hata = TabanSatirlariniEkle(vt, proje, taban))
            return hata;
    return {};
}

DepoHatasi ProjeDeposu::DurumTarihiDegistir(const QString& proje, const QDate& eski, const QDate& yeni,
                                            const IlerlemeKurali& kural) const
{
    return IlerlemeYazimi(m_baglanti, {AdimTuru::DurumTarihi, proje, proje, QString()}, kural,
        [&](const QSqlDatabase&, const ProjeIlerlemesi& saklanan, const TabanPlanlari&) {
            return saklanan.durumTarihi == eski ? DepoHatasi{} : Bulunamadi(Degismis(proje, QStringLiteral("durum tarihi")));
        },
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            return DurumYaz(vt, proje, eski, tabanlar.karsilastirilan, yeni, tabanlar.karsilastirilan);
        });
}

DepoHatasi ProjeDeposu::IlerlemeDegistir(const QString& proje, const QString& kodu,
                                         const std::optional<FaaliyetIlerlemesi>& eski,
                                         const std::optional<FaaliyetIlerlemesi>& yeni, const IlerlemeKurali& kural) const
{
    std::optional<FaaliyetIlerlemesi> kayitli;
    return IlerlemeYazimi(m_baglanti, {AdimTuru::Ilerleme, proje, proje, Metin(kodu)}, kural,
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi& saklanan, const TabanPlanlari&) -> DepoHatasi {
            if (auto hata = FaaliyetOlmali(vt, proje, kodu))
                return hata;
            if (saklanan.faaliyetler.contains(kodu))
                kayitli = saklanan.faaliyetler.value(kodu);
            return kayitli == eski ? DepoHatasi{}
                                   : Bulunamadi(Degismis(proje, QStringLiteral("%1 faaliyetinin ilerlemesi").arg(kodu)));
        },
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi&, const TabanPlanlari&) -> DepoHatasi {
            if (kayitli && !yeni)
                return Calistir(vt, QStringLiteral("DELETE FROM IlerlemeTablosu WHERE Projesi = ? AND Kodu = ?"),
                                {proje, kodu});
            if (!kayitli && yeni)
                return IlerlemeSatiriEkle(vt, proje, kodu, *yeni);
            if (!yeni || *yeni == *kayitli)
                return {};
            return Calistir(vt, QStringLiteral("UPDATE IlerlemeTablosu SET GercekBaslama = ?, GercekBitis = ?,"
                                               " Yuzde = ?, Kalan = ? WHERE Projesi = ? AND Kodu = ?"),
                            {TarihMetni(yeni->gercekBaslama), TarihMetni(yeni->gercekBitis), yeni->yuzde, yeni->kalan,
                             proje, kodu});
        });
}

DepoHatasi DepoOrtak::KarsilastirilaniYaz(const QSqlDatabase& vt, const QString& proje, const QDate& durumTarihi,
                                          qint32 eski, qint32 yeni)
{
    return DurumYaz(vt, proje, durumTarihi, eski, durumTarihi, yeni);
}
