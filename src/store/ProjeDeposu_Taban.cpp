// A project's baselines: each one row by its number, with its activities' dates and
// durations as rows of their own in the order they were saved. Reading them, and the
// commands that save, rename, delete and choose one.
#include "store/ProjeDeposu.h"

#include "store/ProjeDeposu_Ortak.h"

#include <algorithm>

using namespace DepoOrtak;

namespace {

DepoHatasi BaslikOku(const QSqlQuery& sorgu, const QString& proje, TabanPlani& taban)
{
    bool numara = false;
    taban.numara = sorgu.value(0).toInt(&numara);
    if (!numara || taban.numara < 0 || taban.numara >= TabanPlaniSiniri)
        return IlerlemeOkunamadi(proje, sorgu.value(0));
    taban.ad = sorgu.value(1).toString();
    for (int sutun : {2, 3, 4}) {
        QDate& tarih = sutun == 2 ? taban.kayitTarihi : sutun == 3 ? taban.baslama : taban.bitis;
        if (!SaklanmisTarih(sorgu.value(sutun), tarih))
            return IlerlemeOkunamadi(proje, sorgu.value(sutun));
    }
    return {};
}

// Each row goes to its baseline by number; a row of no baseline cannot be read.
DepoHatasi SatirlariOku(const QSqlDatabase& vt, const QString& proje, TabanPlanlari& tabanlar)
{
    QSqlQuery sorgu(vt);
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu, QStringLiteral("SELECT Numara, Kodu, Baslama, Bitis, Sure FROM TabanSatirlariTablosu"
                                                   " WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next()) {
        bool sayi = false;
        const qint32 numara = sorgu.value(0).toInt(&sayi);
        auto taban = std::find_if(tabanlar.planlar.begin(), tabanlar.planlar.end(),
                                  [numara](const TabanPlani& p) { return p.numara == numara; });
        if (!sayi || taban == tabanlar.planlar.end())
            return IlerlemeOkunamadi(proje, sorgu.value(0));
        TabanSatiri satir;
        satir.kodu = sorgu.value(1).toString();
        bool sure = false;
        satir.sure = sorgu.value(4).toInt(&sure);
        if (!sure)
            return IlerlemeOkunamadi(proje, sorgu.value(4));
        if (!SaklanmisTarih(sorgu.value(2), satir.baslama))
            return IlerlemeOkunamadi(proje, sorgu.value(2));
        if (!SaklanmisTarih(sorgu.value(3), satir.bitis))
            return IlerlemeOkunamadi(proje, sorgu.value(3));
        taban->satirlar.append(satir);
    }
    return SatirlarinSonu(sorgu);
}

const TabanPlani* Bul(const TabanPlanlari& tabanlar, qint32 numara)
{
    for (const TabanPlani& p : tabanlar.planlar)
        if (p.numara == numara)
            return &p;
    return nullptr;
}

DepoHatasi TabanDegismis(const QString& proje)
{
    return Bulunamadi(QStringLiteral("\"%1\" projesinin taban planları siz görüntüledikten sonra başka bir yerde "
                                     "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.").arg(proje));
}

} // namespace

DepoHatasi DepoOrtak::TabanlariOku(const QSqlDatabase& vt, const QString& proje, TabanPlanlari& tabanlar)
{
    tabanlar.planlar.clear();
    QSqlQuery sorgu(vt);
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu, QStringLiteral("SELECT Numara, Adi, KayitTarihi, Baslama, Bitis"
                                                   " FROM TabanPlanlariTablosu WHERE Projesi = ? ORDER BY Numara"),
                             {proje}))
        return hata;
    while (sorgu.next()) {
        TabanPlani taban;
        if (auto hata = BaslikOku(sorgu, proje, taban))
            return hata;
        tabanlar.planlar.append(taban);
    }
    if (auto hata = SatirlarinSonu(sorgu))
        return hata;
    if (auto hata = SatirlariOku(vt, proje, tabanlar))
        return hata;
    // A compared baseline that is not there reads as none being compared.
    if (!Bul(tabanlar, tabanlar.karsilastirilan))
        tabanlar.karsilastirilan = -1;
    return {};
}

DepoHatasi DepoOrtak::TabanSatirlariniEkle(const QSqlDatabase& vt, const QString& proje, const TabanPlani& taban)
{
    if (auto hata = Calistir(vt, QStringLiteral("INSERT INTO TabanPlanlariTablosu (Projesi, Numara, Adi, KayitTarihi,"
                                                " Baslama, Bitis) VALUES (?, ?, ?, ?, ?, ?)"),
                             {Metin(proje), taban.numara, Metin(taban.ad), TarihMetni(taban.kayitTarihi),
                              TarihMetni(taban.baslama), TarihMetni(taban.bitis)}))
        return hata;
    for (const TabanSatiri& s : taban.satirlar) {
        if (auto hata = Calistir(vt, QStringLiteral("INSERT INTO TabanSatirlariTablosu (Projesi, Numara, Kodu, Baslama,"
                                                    " Bitis, Sure) VALUES (?, ?, ?, ?, ?, ?)"),
                                 {Metin(proje), taban.numara, Metin(s.kodu), TarihMetni(s.baslama), TarihMetni(s.bitis),
                                  s.sure}))
            return hata;
    }
    return {};
}

DepoHatasi ProjeDeposu::TabanKaydet(const QString& proje, const TabanPlani& yeni, qint32& numara,
                                    const IlerlemeKurali& kural) const
{
    numara = -1;
    TabanPlani kaydedilen = yeni;
    const DepoHatasi hata = IlerlemeYazimi(m_baglanti, {AdimTuru::TabanKaydet, proje, proje, QString()}, kural,
        [](const QSqlDatabase&, const ProjeIlerlemesi&, const TabanPlanlari&) { return DepoHatasi{}; },
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) -> DepoHatasi {
            kaydedilen.numara = 0;
            while (Bul(tabanlar, kaydedilen.numara))
                ++kaydedilen.numara;
            return TabanSatirlariniEkle(vt, proje, kaydedilen);
        });
    if (!hata && kaydedilen.numara < TabanPlaniSiniri)
        numara = kaydedilen.numara;
    return hata;
}

DepoHatasi ProjeDeposu::TabanAdlandir(const QString& proje, qint32 numara, const QString& eskiAd, const QString& yeniAd,
                                      const IlerlemeKurali& kural) const
{
    return IlerlemeYazimi(m_baglanti, {AdimTuru::TabanAdlandir, proje, proje, QString()}, kural,
        [&](const QSqlDatabase&, const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            const TabanPlani* taban = Bul(tabanlar, numara);
            return taban && taban->ad == eskiAd ? DepoHatasi{} : TabanDegismis(proje);
        },
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi&, const TabanPlanlari&) {
            return Calistir(vt, QStringLiteral("UPDATE TabanPlanlariTablosu SET Adi = ? WHERE Projesi = ? AND Numara = ?"),
                            {Metin(yeniAd), proje, numara});
        });
}

DepoHatasi ProjeDeposu::TabanSil(const QString& proje, const TabanPlani& eski) const
{
    return IlerlemeYazimi(m_baglanti, {AdimTuru::TabanSil, proje, proje, QString()}, IlerlemeKurali(),
        [&](const QSqlDatabase&, const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            const TabanPlani* taban = Bul(tabanlar, eski.numara);
            return taban && *taban == eski ? DepoHatasi{} : TabanDegismis(proje);
        },
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar) -> DepoHatasi {
            for (const char* tablo : {"TabanSatirlariTablosu", "TabanPlanlariTablosu"})
                if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM %1 WHERE Projesi = ? AND Numara = ?")
                                                 .arg(QLatin1String(tablo)), {proje, eski.numara}))
                    return hata;
            if (tabanlar.karsilastirilan != eski.numara)
                return {};
            return KarsilastirilaniYaz(vt, proje, ilerleme.durumTarihi, eski.numara, -1);
        });
}

DepoHatasi ProjeDeposu::TabanSec(const QString& proje, qint32 eski, qint32 yeni, const IlerlemeKurali& kural) const
{
    return IlerlemeYazimi(m_baglanti, {AdimTuru::TabanSec, proje, proje, QString()}, kural,
        [&](const QSqlDatabase&, const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            return tabanlar.karsilastirilan == eski ? DepoHatasi{} : TabanDegismis(proje);
        },
        [&](const QSqlDatabase& vt, const ProjeIlerlemesi& ilerleme, const TabanPlanlari&) {
            return KarsilastirilaniYaz(vt, proje, ilerleme.durumTarihi, eski, yeni);
        });
}
