#include "rules/IlerlemeKurallari.h"

#include <QStringList>

namespace {

// A date the file keeps as a four-digit ISO text; an invalid one means "none".
bool Saklanabilir(const QDate& tarih)
{
    return !tarih.isValid() || (tarih.year() >= 1 && tarih.year() <= 9999);
}

IlerlemeReddi Red(IlerlemeReddi::Tur tur, const QString& kodu = QString(), const QDate& tarih = QDate())
{
    return {tur, kodu, tarih, QString()};
}

// The actual date that lies after the status date, if any: the finish is the later one.
QDate SonGercekTarih(const FaaliyetIlerlemesi& ilerleme)
{
    return ilerleme.gercekBitis.isValid() ? ilerleme.gercekBitis : ilerleme.gercekBaslama;
}

} // namespace

IlerlemeReddi IlerlemeyiDenetle(const QString& kodu, const FaaliyetIlerlemesi& ilerleme, const QDate& durumTarihi)
{
    const QDate& baslama = ilerleme.gercekBaslama;
    const QDate& bitis = ilerleme.gercekBitis;
    if (!durumTarihi.isValid())
        return Red(IlerlemeReddi::DurumTarihiYok, kodu);
    if (!Saklanabilir(baslama) || !Saklanabilir(bitis))
        return Red(IlerlemeReddi::GecersizTarih, kodu, Saklanabilir(baslama) ? bitis : baslama);
    if (ilerleme.yuzde < 0 || ilerleme.yuzde > 100)
        return Red(IlerlemeReddi::YuzdeAralikDisi, kodu);
    if (ilerleme.kalan < -1)
        return Red(IlerlemeReddi::KalanAralikDisi, kodu);
    if (bitis.isValid() && !baslama.isValid())
        return Red(IlerlemeReddi::BaslamasizBitis, kodu, bitis);
    // Work not started has done nothing: a percent or remaining days would be stored and never counted.
    if (!baslama.isValid() && (ilerleme.yuzde != 0 || ilerleme.kalan >= 0))
        return Red(IlerlemeReddi::BaslamasizIlerleme, kodu);
    if (bitis.isValid() && bitis < baslama)
        return Red(IlerlemeReddi::BitisBaslamadanOnce, kodu, bitis);
    // A finished activity has nothing left, however it was told.
    if (bitis.isValid() && (ilerleme.kalan >= 0 ? ilerleme.kalan != 0 : ilerleme.yuzde != 100))
        return Red(IlerlemeReddi::EksikBitis, kodu, bitis);
    const QDate son = SonGercekTarih(ilerleme);
    if (son.isValid() && son > durumTarihi)
        return Red(IlerlemeReddi::DurumTarihindenSonra, kodu, son);
    return {};
}

IlerlemeReddi DurumTarihiniDenetle(const QDate& yeni, const ProjeIlerlemesi& saklanan)
{
    if (!Saklanabilir(yeni))
        return Red(IlerlemeReddi::GecersizTarih, QString(), yeni);
    if (!yeni.isValid())
        return saklanan.faaliyetler.isEmpty() ? IlerlemeReddi{} : Red(IlerlemeReddi::DurumTarihiYok);
    // Reported for the first code in order, so that the same file always names the same one.
    QStringList kodlar = saklanan.faaliyetler.keys();
    kodlar.sort();
    for (const QString& kodu : std::as_const(kodlar)) {
        const QDate son = SonGercekTarih(saklanan.faaliyetler.value(kodu));
        if (son.isValid() && son > yeni)
            return Red(IlerlemeReddi::DurumTarihiGeride, kodu, son);
    }
    return {};
}

IlerlemeReddi TabanAdiniDenetle(const QString& ad, const TabanPlanlari& tabanlar, qint32 numara)
{
    IlerlemeReddi ret;
    ret.ad = ad;
    if (ad.trimmed().isEmpty())
        ret.tur = IlerlemeReddi::TabanAdiBos;
    // Characters as the file counts them: a letter outside the basic plane is one.
    else if (ad.toUcs4().size() > TabanAdiSiniri)
        ret.tur = IlerlemeReddi::TabanAdiUzun;
    else {
        for (const TabanPlani& p : tabanlar.planlar)
            if (p.numara != numara && p.ad == ad)
                ret.tur = IlerlemeReddi::TabanAdiKullanilmis;
    }
    return ret;
}

IlerlemeReddi TabanKaydiniDenetle(const TabanPlani& yeni, const TabanPlanlari& tabanlar)
{
    if (const IlerlemeReddi ret = TabanAdiniDenetle(yeni.ad, tabanlar))
        return ret;
    if (tabanlar.planlar.size() >= TabanPlaniSiniri)
        return Red(IlerlemeReddi::TabanSiniriDolu);
    for (const QDate& tarih : {yeni.kayitTarihi, yeni.baslama, yeni.bitis})
        if (!Saklanabilir(tarih))
            return Red(IlerlemeReddi::GecersizTarih, QString(), tarih);
    for (const TabanSatiri& s : yeni.satirlar)
        if (!Saklanabilir(s.baslama) || !Saklanabilir(s.bitis))
            return Red(IlerlemeReddi::GecersizTarih, s.kodu, Saklanabilir(s.baslama) ? s.bitis : s.baslama);
    return {};
}

IlerlemeReddi TabanSeciminiDenetle(qint32 numara, const TabanPlanlari& tabanlar)
{
    if (numara == -1)
        return {};
    for (const TabanPlani& p : tabanlar.planlar)
        if (p.numara == numara)
            return {};
    return Red(IlerlemeReddi::TabanYok);
}

IlerlemeReddi ProjeIlerlemesiniDenetle(const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar,
                                       const QStringList& kodlar)
{
    if (const IlerlemeReddi ret = DurumTarihiniDenetle(ilerleme.durumTarihi, ProjeIlerlemesi{}))
        return ret;
    QStringList ilerleyenler = ilerleme.faaliyetler.keys();
    ilerleyenler.sort();
    for (const QString& kodu : std::as_const(ilerleyenler)) {
        if (!kodlar.contains(kodu))
            return Red(IlerlemeReddi::FaaliyetYok, kodu);
        if (const IlerlemeReddi ret = IlerlemeyiDenetle(kodu, ilerleme.faaliyetler.value(kodu), ilerleme.durumTarihi))
            return ret;
    }
    // Each baseline as though saved in turn; the numbers must be distinct and in range.
    TabanPlanlari onceki;
    for (const TabanPlani& p : tabanlar.planlar) {
        if (p.numara < 0 || p.numara >= TabanPlaniSiniri || !TabanSeciminiDenetle(p.numara, onceki))
            return Red(IlerlemeReddi::TabanNumarasi);
        if (const IlerlemeReddi ret = TabanKaydiniDenetle(p, onceki))
            return ret;
        onceki.planlar.append(p);
    }
    return TabanSeciminiDenetle(tabanlar.karsilastirilan, tabanlar);
}
