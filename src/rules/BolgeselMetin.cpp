#include "rules/BolgeselMetin.h"

#include <QLocale>
#include <QRegularExpression>
#include <QVector>

namespace BolgeselMetin {
namespace {

// The regional short format with every year field widened to four digits.
QString DortHaneliYilBicimi()
{
    QString bicim = QLocale().dateFormat(QLocale::ShortFormat);
    if (!bicim.contains(QLatin1String("yyyy")))
        bicim.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return bicim;
}

// "dd" and "MM" demand two digits when parsing; users type "1.3.2026" as often as "01.03.2026".
QString EsnekBicim(QString bicim)
{
    // Only the two-letter numeric fields: "MMM" is a month name and "ddd" a weekday.
    static const QRegularExpression gun(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression ay(QStringLiteral("(?<!M)MM(?!M)"));
    bicim.replace(gun, QStringLiteral("d"));
    bicim.replace(ay, QStringLiteral("M"));
    return bicim;
}

bool SaklanabilirYil(const QDate& tarih)
{
    return tarih.isValid() && tarih.year() >= 1 && tarih.year() <= 9999;
}

// Where the year stands among the three numbers of a short date: 0, 1 or 2.
int YilinSirasi(const QString& bicim)
{
    const int yil = bicim.indexOf(QLatin1Char('y'));
    return (bicim.indexOf(QLatin1Char('d')) < yil ? 1 : 0) + (bicim.indexOf(QLatin1Char('M')) < yil ? 1 : 0);
}

// A year typed with two digits, written out with four: 30..99 are 1930..1999 and
// 00..29 are 2000..2029. Qt would read them as 19yy, which moves a date by a
// century and refuses 29.02.00, since 1900 had no 29 February.
QString YiliDortHaneyeGenislet(const QString& metin, const QString& bicim)
{
    static const QRegularExpression sayi(QStringLiteral("[0-9]+"));
    QVector<QRegularExpressionMatch> sayilar;
    for (auto eslesme = sayi.globalMatch(metin); eslesme.hasNext();)
        sayilar.append(eslesme.next());
    if (sayilar.size() != 3)
        return metin;
    const QRegularExpressionMatch& yil = sayilar.at(YilinSirasi(bicim));
    if (yil.capturedLength() != 2)
        return metin;
    const int ikiHane = yil.captured().toInt();
    QString genis = metin;
    genis.replace(yil.capturedStart(), 2, QString::number(ikiHane < 30 ? 2000 + ikiHane : 1900 + ikiHane));
    return genis;
}

} // namespace

QString TarihYaz(const QDate& tarih)
{
    return QLocale().toString(tarih, DortHaneliYilBicimi());
}

std::optional<QDate> TarihOku(const QString& metin)
{
    const QString temiz = metin.trimmed();
    if (temiz.isEmpty())
        return std::nullopt;

    const QDate iso = QDate::fromString(temiz, Qt::ISODate);
    if (SaklanabilirYil(iso) && iso.toString(Qt::ISODate) == temiz)
        return iso;

    const QString bicim = EsnekBicim(DortHaneliYilBicimi());
    const QDate tarih = QLocale().toDate(YiliDortHaneyeGenislet(temiz, bicim), bicim);
    if (!SaklanabilirYil(tarih))
        return std::nullopt;
    return tarih;
}

std::optional<qint32> TamSayiOku(const QString& metin)
{
    bool oldu = false;
    const qint32 sayi = metin.toInt(&oldu);
    if (oldu)
        return sayi;
    const qint32 bolgesel = QLocale().toInt(metin, &oldu);
    if (oldu)
        return bolgesel;
    return std::nullopt;
}

QString TarihBicimiIpucu()
{
    QString ipucu = DortHaneliYilBicimi();
    static const QRegularExpression gun(QStringLiteral("d+"));
    static const QRegularExpression ay(QStringLiteral("M+"));
    ipucu.replace(gun, QStringLiteral("gg"));
    ipucu.replace(ay, QStringLiteral("aa"));
    return ipucu;
}

QLocale KullanilacakYerel(const QLocale& sistem)
{
    if (sistem.language() == QLocale::C)
        return QLocale(QLocale::Turkish, QLocale::Turkey);
    return sistem;
}

QString TarihMetni(const Sakli<QDate>& tarih)
{
    return tarih.deger ? TarihYaz(*tarih.deger) : tarih.ham.toString();
}

QString SureMetni(const Sakli<qint32>& sure)
{
    return sure.deger ? QString::number(*sure.deger) : sure.ham.toString();
}

} // namespace BolgeselMetin
