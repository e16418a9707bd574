#include "import/HucreOkuma.h"

#include <QRegularExpression>

namespace {

// The date part of a cell: a leading weekday and a trailing time left out.
QString TarihKismi(const QString& metin)
{
    static const QRegularExpression saat(QStringLiteral(R"([ T]\d{1,2}:\d{2}(:\d{2}(\.\d+)?)?(\s*[AaPp][Mm])?\s*$)"));
    static const QRegularExpression gun(QStringLiteral(R"(^\p{L}+\.?,?\s+)"));
    return metin.trimmed().remove(saat).remove(gun);
}

} // namespace

std::optional<SureHucresi> SureHucresiOku(const QString& metin)
{
    static const QRegularExpression desen(QStringLiteral(R"(^\s*(\d+)(?:([.,])(\d+))?\s*\??\s*(\p{L}*)\s*\??\s*$)"));
    const QRegularExpressionMatch e = desen.match(metin);
    if (!e.hasMatch())
        return std::nullopt;
    SureHucresi sure;
    sure.deger = (e.captured(1) + QLatin1Char('.') + e.captured(3)).toDouble();
    if (e.capturedLength(2) > 0)
        sure.ondalik = e.captured(2).at(0);
    const QString birim = e.captured(4).toLower();
    static const QStringList gunler{"", "d", "day", "days", "g", "gün", "gun", "günler"};
    static const QStringList saatler{"h", "hr", "hrs", "hour", "hours", "sa", "saat"};
    static const QStringList gecenGunler{"ed", "eday", "edays"};
    static const QStringList gecenSaatler{"eh", "ehr", "ehrs", "ehour", "ehours"};
    sure.saat = saatler.contains(birim) || gecenSaatler.contains(birim);
    sure.gecen = gecenGunler.contains(birim) || gecenSaatler.contains(birim);
    if (!sure.saat && !sure.gecen && !gunler.contains(birim))
        return std::nullopt;
    return sure;
}

std::optional<TarihBicimi> TarihBicimiBul(const QString& metin, const QLocale& yerel)
{
    for (TarihBicimi bicim : {TarihBicimi::Iso, TarihBicimi::NoktaliGunAyYil, TarihBicimi::Bolgesel})
        if (TarihHucresiOku(metin, bicim, yerel).isValid())
            return bicim;
    return std::nullopt;
}

QDate TarihHucresiOku(const QString& metin, TarihBicimi bicim, const QLocale& yerel)
{
    const QString tarih = TarihKismi(metin);
    switch (bicim) {
    case TarihBicimi::Iso: {
        // Also the expanded form Kavrion's export writes beyond the year 9999 ("+10237-09-22"), ISO's year 0 being 1 BC.
        static const QRegularExpression iso(QStringLiteral(R"(^([+-]?)(\d{4,9})-(\d\d)-(\d\d)$)"));
        const QRegularExpressionMatch e = iso.match(tarih);
        if (!e.hasMatch() || (e.capturedLength(1) > 0) != (e.capturedLength(2) > 4 || e.captured(1) == QLatin1String("-")))
            return QDate();
        const int yil = e.captured(2).toInt() * (e.captured(1) == QLatin1String("-") ? -1 : 1);
        return QDate(yil > 0 ? yil : yil - 1, e.captured(3).toInt(), e.captured(4).toInt());
    }
    case TarihBicimi::NoktaliGunAyYil:
        return QDate::fromString(tarih, QStringLiteral("d.M.yyyy"));
    case TarihBicimi::Bolgesel: {
        const QString kalip = yerel.dateFormat(QLocale::ShortFormat);
        const QDate gun = yerel.toDate(tarih, kalip);
        return kalip.contains(QLatin1String("yyyy")) || gun.year() >= 1930 ? gun : gun.addYears(100);
    }
    }
    return QDate();
}

QString TarihBicimiAdi(TarihBicimi bicim, const QLocale& yerel)
{
    switch (bicim) {
    case TarihBicimi::Iso: return QStringLiteral("ISO (yyyy-aa-gg)");
    case TarihBicimi::NoktaliGunAyYil: return QStringLiteral("gg.aa.yyyy");
    case TarihBicimi::Bolgesel: break;
    }
    return QStringLiteral("bölgesel kısa biçim (%1)").arg(yerel.dateFormat(QLocale::ShortFormat));
}
