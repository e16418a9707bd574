#include "store/BolgeselMetin.h"

#include <QLocale>
#include <QRegularExpression>

namespace BölgeselMetin {
namespace {

// The regional short format with every year field widened to four digits.
QString DörtHaneliYılBiçimi()
{
    QString biçim = QLocale().dateFormat(QLocale::ShortFormat);
    if (!biçim.contains(QLatin1String("yyyy")))
        biçim.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return biçim;
}

// "dd" and "MM" demand two digits when parsing; users type "1.3.2026" as often as "01.03.2026".
QString EsnekBiçim(QString biçim)
{
    // Only the two-letter numeric fields: "MMM" is a month name and "ddd" a weekday.
    static const QRegularExpression gün(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression ay(QStringLiteral("(?<!M)MM(?!M)"));
    biçim.replace(gün, QStringLiteral("d"));
    biçim.replace(ay, QStringLiteral("M"));
    return biçim;
}

bool SaklanabilirYıl(const QDate& tarih)
{
    return tarih.isValid() && tarih.year() >= 1 && tarih.year() <= 9999;
}

// How many digits the user typed for the year, found by the year's place among the
// format's day, month and year fields.
int YılHaneSayısı(const QString& metin, const QString& biçim)
{
    static const QRegularExpression ayraç(QStringLiteral("\\D+"));
    const QStringList sayılar = metin.split(ayraç, Qt::SkipEmptyParts);
    const int yıl = biçim.indexOf(QLatin1Char('y'));
    const int gün = biçim.indexOf(QLatin1Char('d'));
    const int ay = biçim.indexOf(QLatin1Char('M'));
    const int sıra = (gün < yıl ? 1 : 0) + (ay < yıl ? 1 : 0);
    if (sayılar.size() != 3)
        return 4; // not a short date at all; let the four-digit parse refuse it
    return int(sayılar.at(sıra).size());
}

} // namespace

QString TarihYaz(const QDate& tarih)
{
    return QLocale().toString(tarih, DörtHaneliYılBiçimi());
}

std::optional<QDate> TarihOku(const QString& metin)
{
    const QString temiz = metin.trimmed();
    if (temiz.isEmpty())
        return std::nullopt;

    const QDate iso = QDate::fromString(temiz, Qt::ISODate);
    if (SaklanabilirYıl(iso) && iso.toString(Qt::ISODate) == temiz)
        return iso;

    // Qt's "yyyy" also takes "26" as the year 26, so decide by the digits really typed.
    const QString dörtHaneli = EsnekBiçim(DörtHaneliYılBiçimi());
    if (YılHaneSayısı(temiz, dörtHaneli) <= 2) {
        QString ikiHaneli = dörtHaneli;
        ikiHaneli.replace(QLatin1String("yyyy"), QLatin1String("yy"));
        QDate tarih = QLocale().toDate(temiz, ikiHaneli);
        if (!tarih.isValid())
            return std::nullopt;
        // Qt reads "yy" as 19yy; slide it into the window 1930..2029.
        if (tarih.year() < 1930)
            tarih = tarih.addYears(100);
        return tarih;
    }
    const QDate tarih = QLocale().toDate(temiz, dörtHaneli);
    if (!SaklanabilirYıl(tarih))
        return std::nullopt;
    return tarih;
}

std::optional<qint32> TamSayıOku(const QString& metin)
{
    bool oldu = false;
    const qint32 sayı = metin.toInt(&oldu);
    if (oldu)
        return sayı;
    const qint32 bölgesel = QLocale().toInt(metin, &oldu);
    if (oldu)
        return bölgesel;
    return std::nullopt;
}

} // namespace BölgeselMetin
