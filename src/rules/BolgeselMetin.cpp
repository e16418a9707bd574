#include "rules/BolgeselMetin.h"

#include <QLocale>
#include <QRegularExpression>
#include <QVector>

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

// Where the year stands among the three numbers of a short date: 0, 1 or 2.
int YılınSırası(const QString& biçim)
{
    const int yıl = biçim.indexOf(QLatin1Char('y'));
    return (biçim.indexOf(QLatin1Char('d')) < yıl ? 1 : 0) + (biçim.indexOf(QLatin1Char('M')) < yıl ? 1 : 0);
}

// A year typed with two digits, written out with four: 30..99 are 1930..1999 and
// 00..29 are 2000..2029. Qt would read them as 19yy, which moves a date by a
// century and refuses 29.02.00, since 1900 had no 29 February.
QString YılıDörtHaneyeGenişlet(const QString& metin, const QString& biçim)
{
    static const QRegularExpression sayı(QStringLiteral("[0-9]+"));
    QVector<QRegularExpressionMatch> sayılar;
    for (auto eşleşme = sayı.globalMatch(metin); eşleşme.hasNext();)
        sayılar.append(eşleşme.next());
    if (sayılar.size() != 3)
        return metin;
    const QRegularExpressionMatch& yıl = sayılar.at(YılınSırası(biçim));
    if (yıl.capturedLength() != 2)
        return metin;
    const int ikiHane = yıl.captured().toInt();
    QString geniş = metin;
    geniş.replace(yıl.capturedStart(), 2, QString::number(ikiHane < 30 ? 2000 + ikiHane : 1900 + ikiHane));
    return geniş;
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

    const QString biçim = EsnekBiçim(DörtHaneliYılBiçimi());
    const QDate tarih = QLocale().toDate(YılıDörtHaneyeGenişlet(temiz, biçim), biçim);
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

QString TarihBiçimiİpucu()
{
    QString ipucu = DörtHaneliYılBiçimi();
    static const QRegularExpression gün(QStringLiteral("d+"));
    static const QRegularExpression ay(QStringLiteral("M+"));
    ipucu.replace(gün, QStringLiteral("gg"));
    ipucu.replace(ay, QStringLiteral("aa"));
    return ipucu;
}

QLocale KullanılacakYerel(const QLocale& sistem)
{
    if (sistem.language() == QLocale::C)
        return QLocale(QLocale::Turkish, QLocale::Turkey);
    return sistem;
}

QString TarihMetni(const Saklı<QDate>& tarih)
{
    return tarih.değer ? TarihYaz(*tarih.değer) : tarih.ham.toString();
}

QString SüreMetni(const Saklı<qint32>& süre)
{
    return süre.değer ? QString::number(*süre.değer) : süre.ham.toString();
}

} // namespace BölgeselMetin
