#include "rules/FaaliyetKurallari.h"

#include "rules/BolgeselMetin.h"
#include "schedule/OncekiListesi.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

bool Boşluk(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool Rakam(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The value of one digit in the given base, or -1.
int RakamDeğeri(QChar c, int taban)
{
    int değer = -1;
    if (Rakam(c))
        değer = c.unicode() - u'0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        değer = c.unicode() - u'a' + 10;
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        değer = c.unicode() - u'A' + 10;
    return değer < taban ? değer : -1;
}

double TabanlıSayı(const QString& metin, int başla, int taban)
{
    double değer = 0;
    for (int i = başla; i < metin.size(); ++i) {
        const int rakam = RakamDeğeri(metin.at(i), taban);
        if (rakam < 0)
            break;
        değer = değer * taban + rakam;
    }
    return değer;
}

// Appends the digits from `i` on and moves `i` past them; true when there was one.
bool RakamlarıAl(const QString& metin, int& i, QByteArray& sayı)
{
    const int başla = i;
    while (i < metin.size() && Rakam(metin.at(i)))
        sayı += char(metin.at(i++).unicode());
    return i > başla;
}

bool İşaret(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

double ÖndekiSayı(const QString& metin)
{
    QString t;
    t.reserve(metin.size());
    for (QChar c : metin) {
        if (!Boşluk(c))
            t += c;
    }

    if (t.size() >= 2 && t.at(0) == QLatin1Char('&')) {
        const QChar tür = t.at(1).toUpper();
        if (tür == QLatin1Char('H'))
            return TabanlıSayı(t, 2, 16);
        if (tür == QLatin1Char('O'))
            return TabanlıSayı(t, 2, 8);
    }

    // The number is copied in the C form and converted by the C locale, whatever the regional one.
    QByteArray sayı;
    int i = 0;
    if (i < t.size() && İşaret(t.at(i)))
        sayı += char(t.at(i++).unicode());
    bool rakamVar = RakamlarıAl(t, i, sayı);
    if (i < t.size() && t.at(i) == QLatin1Char('.')) {
        sayı += '.';
        ++i;
        rakamVar = RakamlarıAl(t, i, sayı) || rakamVar;
    }
    if (!rakamVar)
        return 0;
    if (i < t.size() && t.at(i).toUpper() == QLatin1Char('E')) {
        int j = i + 1;
        QByteArray üs("e");
        if (j < t.size() && İşaret(t.at(j)))
            üs += char(t.at(j++).unicode());
        if (RakamlarıAl(t, j, üs))
            sayı += üs;
    }
    // Overflow gives an infinity and underflow 0, which is what the reading wants.
    return QLocale::c().toDouble(QString::fromLatin1(sayı));
}

std::optional<qint64> BölgeselTamSayı(const QString& metin)
{
    const QString t = metin.trimmed();
    const QLocale yerel;
    bool oldu = false;
    const qint64 sayı = yerel.toLongLong(t, &oldu);
    // Qt also takes "0.123" as 123 under tr_TR; only the form it writes itself counts.
    if (oldu && yerel.toString(sayı) == t)
        return sayı;
    return std::nullopt;
}

double SüreSayısı(const QString& metin)
{
    if (const auto tam = BölgeselTamSayı(metin))
        return double(*tam);
    return ÖndekiSayı(metin);
}

QString SüreKuralı(const QString& metin)
{
    const QLocale yerel;
    if (const auto tam = BölgeselTamSayı(metin))
        return yerel.toString(*tam);
    const double yuvarlak = std::round(ÖndekiSayı(metin)); // halves away from zero
    if (!(yuvarlak >= -0x1p63 && yuvarlak < 0x1p63))
        return metin;
    return yerel.toString(qint64(yuvarlak));
}

std::optional<QString> SonrakiKod(const QString& koduBul)
{
    if (koduBul.isEmpty() || koduBul.at(0) < QLatin1Char('A'))
        return QStringLiteral("A");
    const char16_t kod = koduBul.at(0).unicode();
    if (kod >= u'~')
        return std::nullopt;
    return QString(QChar(char16_t(kod + 1)));
}

std::optional<QString> ÖncekilereEkle(const QString& öncekiler, const QString& kod)
{
    // Codes are one character and the comma separates them, so a piece of the text
    // matches exactly the codes already listed.
    if (öncekiler.contains(kod, Qt::CaseSensitive))
        return std::nullopt;
    return öncekiler.isEmpty() ? kod : öncekiler + QLatin1Char(',') + kod;
}

QStringList ÖncekiOlabilecekKodlar(const QStringList& eklenişSırasıylaKodlar, const QString& kod)
{
    const qsizetype yer = eklenişSırasıylaKodlar.indexOf(kod);
    return yer < 0 ? eklenişSırasıylaKodlar : eklenişSırasıylaKodlar.mid(0, yer);
}

std::optional<QString> YersizÖnceki(const QString& öncekiler, const QStringList& izinliKodlar)
{
    if (öncekiler.isEmpty())
        return std::nullopt;
    for (const QString& kod : ÖncekiKodları(öncekiler)) {
        if (!izinliKodlar.contains(kod))
            return kod;
    }
    return std::nullopt;
}

AlanHatası AlanlarıDenetle(const QString& ad, const QString& süre, const QString& öncekiler, bool öncekilerGerekli)
{
    if (ad.isEmpty())
        return AlanHatası::AdBoş;
    if (SüreSayısı(süre) == 0)
        return AlanHatası::SüreBoş;
    if (öncekilerGerekli && öncekiler.isEmpty())
        return AlanHatası::ÖncekilerBoş;
    return AlanHatası::Yok;
}

QString AlanHatasıMetni(AlanHatası hata)
{
    switch (hata) {
    case AlanHatası::AdBoş:
        return QStringLiteral("FAALİYET ADI boş bırakılamaz!");
    case AlanHatası::SüreBoş:
        return QStringLiteral("ÖNGÖRÜLEN SÜRE boş bırakılamaz!");
    case AlanHatası::ÖncekilerBoş:
        return QStringLiteral("ÖNCEKİ FAALİYETLER boş bırakılamaz!");
    case AlanHatası::Yok:
        break;
    }
    return QString();
}

std::optional<qint32> KaydedilecekSüre(const QString& metin, QString* neden)
{
    const auto süre = BölgeselMetin::TamSayıOku(metin);
    if (!süre && neden) {
        const QLocale yerel;
        *neden = QStringLiteral("Öngörülen süre \"%1\" kaydedilemiyor: %2 ile %3 arasında bir tam sayı olmalıdır.")
                     .arg(metin, yerel.toString(std::numeric_limits<qint32>::min()),
                          yerel.toString(std::numeric_limits<qint32>::max()));
    }
    return süre;
}
