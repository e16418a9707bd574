#include "export/MspdiIlerlemesi.h"

namespace {

constexpr int GunlukSaat = 8; // as the file's calendar works: 08:00–12:00 and 13:00–17:00

QString Zaman(const QDate& gun, const char* saat)
{
    return gun.toString(Qt::ISODate) + QLatin1Char('T') + QLatin1String(saat);
}

void Oge(QXmlStreamWriter& xml, const char* ad, const QString& metin)
{
    xml.writeTextElement(QLatin1String(ad), metin);
}

void TabanYaz(QXmlStreamWriter& xml, qint32 numara, const QDate& baslama, const QDate& bitis, qint64 sure)
{
    xml.writeStartElement(QStringLiteral("Baseline"));
    Oge(xml, "Number", QString::number(numara));
    Oge(xml, "Start", Zaman(baslama, "08:00:00"));
    Oge(xml, "Finish", Zaman(bitis, sure == 0 ? "08:00:00" : "17:00:00"));
    Oge(xml, "Duration", MspdiSuresi(sure));
    Oge(xml, "DurationFormat", QStringLiteral("7"));
    xml.writeEndElement();
}

} // namespace

QString MspdiSuresi(qint64 gun)
{
    return QStringLiteral("PT%1H0M0S").arg(gun * GunlukSaat);
}

void MspdiDurumuYaz(QXmlStreamWriter& xml, const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar)
{
    if (tabanlar.karsilastirilan >= 0)
        Oge(xml, "BaselineForEarnedValue", QString::number(tabanlar.karsilastirilan));
    if (ilerleme.durumTarihi.isValid())
        Oge(xml, "StatusDate", Zaman(ilerleme.durumTarihi, "17:00:00"));
}

void MspdiGorevIlerlemesiYaz(QXmlStreamWriter& xml, qint32 sure, const FaaliyetIlerlemesi& ilerleme)
{
    Oge(xml, "PercentComplete", QString::number(TamamlanmaYuzdesi(sure, ilerleme)));
    if (ilerleme.gercekBaslama.isValid())
        Oge(xml, "ActualStart", Zaman(ilerleme.gercekBaslama, "08:00:00"));
    if (ilerleme.gercekBitis.isValid())
        Oge(xml, "ActualFinish", Zaman(ilerleme.gercekBitis, sure == 0 ? "08:00:00" : "17:00:00"));
    Oge(xml, "RemainingDuration", MspdiSuresi(KalanGun(sure, ilerleme)));
}

void MspdiGorevTabanlariYaz(QXmlStreamWriter& xml, const TabanPlanlari& tabanlar, const QString& kodu)
{
    for (const TabanPlani& taban : tabanlar.planlar)
        for (const TabanSatiri& satir : taban.satirlar)
            if (satir.kodu == kodu)
                TabanYaz(xml, taban.numara, satir.baslama, satir.bitis, satir.sure);
}

void MspdiProjeTabanlariYaz(QXmlStreamWriter& xml, const IsTakvimi& takvim, const TabanPlanlari& tabanlar)
{
    for (const TabanPlani& taban : tabanlar.planlar) {
        // The finish is the last working day: the days from the start through it.
        const qint64 sure = taban.bitis > taban.baslama ? takvim.IsGunuSay(taban.baslama, taban.bitis.addDays(1)) : 0;
        TabanYaz(xml, taban.numara, taban.baslama, taban.bitis, sure);
    }
}
