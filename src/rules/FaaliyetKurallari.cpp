#include "rules/FaaliyetKurallari.h"

#include "rules/BolgeselMetin.h"
#include "kernel/OncekiListesi.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

bool Bosluk(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool Rakam(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The value of one digit in the given base, or -1.
int RakamDegeri(QChar c, int taban)
{
    int deger = -1;
    if (Rakam(c))
        deger = c.unicode() - u'0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        deger = c.unicode() - u'a' + 10;
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        deger = c.unicode() - u'A' + 10;
    return deger < taban ? deger : -1;
}

double TabanliSayi(const QString& metin, int basla, int taban)
{
    double deger = 0;
    for (int i = basla; i < metin.size(); ++i) {
        const int rakam = RakamDegeri(metin.at(i), taban);
        if (rakam < 0)
            break;
        deger = deger * taban + rakam;
    }
    return deger;
}

// Appends the digits from `i` on and moves `i` past them; true when there was one.
bool RakamlariAl(const QString& metin, int& i, QByteArray& sayi)
{
    const int basla = i;
    while (i < metin.size() && Rakam(metin.at(i)))
        sayi += char(metin.at(i++).unicode());
    return i > basla;
}

bool Isaret(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

double OndekiSayi(const QString& metin)
{
    QString t;
    t.reserve(metin.size());
    for (QChar c : metin) {
        if (!Bosluk(c))
            t += c;
    }

    if (t.size() >= 2 && t.at(0) == QLatin1Char('&')) {
        const QChar tur = t.at(1).toUpper();
        if (tur == QLatin1Char('H'))
            return TabanliSayi(t, 2, 16);
        if (tur == QLatin1Char('O'))
            return TabanliSayi(t, 2, 8);
    }

    // The number is copied in the C form and converted by the C locale, whatever the regional one.
    QByteArray sayi;
    int i = 0;
    if (i < t.size() && Isaret(t.at(i)))
        sayi += char(t.at(i++).unicode());
    bool rakamVar = RakamlariAl(t, i, sayi);
    if (i < t.size() && t.at(i) == QLatin1Char('.')) {
        sayi += '.';
        ++i;
        rakamVar = RakamlariAl(t, i, sayi) || rakamVar;
    }
    if (!rakamVar)
        return 0;
    if (i < t.size() && t.at(i).toUpper() == QLatin1Char('E')) {
        int j = i + 1;
        QByteArray us("e");
        if (j < t.size() && Isaret(t.at(j)))
            us += char(t.at(j++).unicode());
        if (RakamlariAl(t, j, us))
            sayi += us;
    }
    // Overflow gives an infinity and underflow 0, which is what the reading wants.
    return QLocale::c().toDouble(QString::fromLatin1(sayi));
}

std::optional<qint64> BolgeselTamSayi(const QString& metin)
{
    const QString t = metin.trimmed();
    const QLocale yerel;
    bool oldu = false;
    const qint64 sayi = yerel.toLongLong(t, &oldu);
    // Qt also takes "0.123" as 123 under tr_TR; only the form it writes itself counts.
    if (oldu && yerel.toString(sayi) == t)
        return sayi;
    return std::nullopt;
}

double SureSayisi(const QString& metin)
{
    if (const auto tam = BolgeselTamSayi(metin))
        return double(*tam);
    return OndekiSayi(metin);
}

QString SureKurali(const QString& metin)
{
    const QLocale yerel;
    if (const auto tam = BolgeselTamSayi(metin))
        return yerel.toString(*tam);
    const double yuvarlak = std::round(OndekiSayi(metin)); // halves away from zero
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

std::optional<QString> OncekilereEkle(const QString& oncekiler, const QString& kod)
{
    // Codes are one character and the comma separates them, so a piece of the text
    // matches exactly the codes already listed.
    if (oncekiler.contains(kod, Qt::CaseSensitive))
        return std::nullopt;
    return oncekiler.isEmpty() ? kod : oncekiler + QLatin1Char(',') + kod;
}

QStringList OncekiOlabilecekKodlar(const QStringList& eklenisSirasiylaKodlar, const QString& kod)
{
    const qsizetype yer = eklenisSirasiylaKodlar.indexOf(kod);
    return yer < 0 ? eklenisSirasiylaKodlar : eklenisSirasiylaKodlar.mid(0, yer);
}

std::optional<QString> YersizOnceki(const QString& oncekiler, const QStringList& izinliKodlar)
{
    if (oncekiler.isEmpty())
        return std::nullopt;
    for (const QString& kod : OncekiKodlari(oncekiler)) {
        if (!izinliKodlar.contains(kod))
            return kod;
    }
    return std::nullopt;
}

AlanHatasi AlanlariDenetle(const QString& ad, const QString& sure, const QString& oncekiler, bool oncekilerGerekli)
{
    if (ad.isEmpty())
        return AlanHatasi::AdBos;
    if (SureSayisi(sure) == 0)
        return AlanHatasi::SureBos;
    if (oncekilerGerekli && oncekiler.isEmpty())
        return AlanHatasi::OncekilerBos;
    return AlanHatasi::Yok;
}

QString AlanHatasiMetni(AlanHatasi hata)
{
    switch (hata) {
    case AlanHatasi::AdBos:
        return QStringLiteral("FAALİYET ADI boş bırakılamaz!");
    case AlanHatasi::SureBos:
        return QStringLiteral("ÖNGÖRÜLEN SÜRE boş bırakılamaz!");
    case AlanHatasi::OncekilerBos:
        return QStringLiteral("ÖNCEKİ FAALİYETLER boş bırakılamaz!");
    case AlanHatasi::Yok:
        break;
    }
    return QString();
}

std::optional<qint32> KaydedilecekSure(const QString& metin, QString* neden)
{
    const auto sure = BolgeselMetin::TamSayiOku(metin);
    if (!sure && neden) {
        const QLocale yerel;
        *neden = QStringLiteral("Öngörülen süre \"%1\" kaydedilemiyor: %2 ile %3 arasında bir tam sayı olmalıdır.")
                     .arg(metin, yerel.toString(std::numeric_limits<qint32>::min()),
                          yerel.toString(std::numeric_limits<qint32>::max()));
    }
    return sure;
}

QString SureDegilNedeni(const QString& metin, qint32 enAz)
{
    const QLocale yerel;
    return QStringLiteral("\"%1\" bir süre değil: %2 ile %3 arasında bir tam sayı olmalıdır.")
        .arg(metin, yerel.toString(enAz), yerel.toString(std::numeric_limits<qint32>::max()));
}

QString TahminHatasi(const UcNoktaTahmini& tahmin)
{
    // The day typed below zero is named, whatever the order of the other two.
    if (tahmin.iyimser < 0)
        return QStringLiteral("İyimser süre sıfırdan küçük olamaz.");
    if (tahmin.olasi < 0)
        return QStringLiteral("En olası süre sıfırdan küçük olamaz.");
    if (tahmin.kotumser < 0)
        return QStringLiteral("Kötümser süre sıfırdan küçük olamaz.");
    if (tahmin.iyimser > tahmin.olasi)
        return QStringLiteral("İyimser süre en olası süreden uzun olamaz.");
    if (tahmin.olasi > tahmin.kotumser)
        return QStringLiteral("En olası süre kötümser süreden uzun olamaz.");
    return QString();
}

bool DuzenlenenTahmin(const UcNoktaTahmini& once, TahminGunu gun, const QString& metin,
                      std::optional<UcNoktaTahmini>& yeni, QString& neden)
{
    yeni.reset();
    if (metin.trimmed().isEmpty())
        return true;
    const auto gunler = BolgeselMetin::TamSayiOku(metin);
    if (!gunler) {
        neden = SureDegilNedeni(metin, 0);
        return false;
    }
    UcNoktaTahmini tahmin = once;
    (gun == TahminGunu::Iyimser ? tahmin.iyimser : gun == TahminGunu::Olasi ? tahmin.olasi : tahmin.kotumser) = *gunler;
    neden = TahminHatasi(tahmin);
    if (!neden.isEmpty())
        return false;
    yeni = tahmin;
    return true;
}
