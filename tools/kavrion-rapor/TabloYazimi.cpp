#include "TabloYazimi.h"

#include "analysis/AnalizMetinleri.h"
#include "rules/BolgeselMetin.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

// A cell is kept narrower than a heading's name, so that a row of twelve columns
// still fits a wide terminal.
constexpr int HücreSınırı = 40;

bool Denetim(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

// The wide blocks of East Asian scripts and the emoji; a character outside them takes one column.
struct Aralık {
    char32_t baş, son;
};
constexpr Aralık GenişAralıklar[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},   {0x1F1E6, 0x1F1FF}, {0x1F300, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF},
    {0x1FA70, 0x1FAFF}, {0x20000, 0x3FFFD},
};

int KarakterGenişliği(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        break;
    }
    const bool geniş = std::any_of(std::begin(GenişAralıklar), std::end(GenişAralıklar),
                                   [c](const Aralık& a) { return c >= a.baş && c <= a.son; });
    return geniş ? 2 : 1;
}

bool YalnızcaAscii(QStringView metin)
{
    return std::all_of(metin.begin(), metin.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

// Walks the text one user-perceived character at a time (a letter with its accents, an
// emoji sequence), each as wide as its first code point, until `devam` says stop.
template <typename Devam>
void HarfHarf(QStringView metin, Devam devam)
{
    QTextBoundaryFinder sınır(QTextBoundaryFinder::Grapheme, metin.data(), metin.size());
    qsizetype baş = 0;
    for (qsizetype son = sınır.toNextBoundary(); son > baş; baş = son, son = sınır.toNextBoundary()) {
        const QChar ilk = metin[baş];
        const char32_t kod = ilk.isHighSurrogate() && baş + 1 < son
                                 ? QChar::surrogateToUcs4(ilk, metin[baş + 1])
                                 : char32_t(ilk.unicode());
        if (!devam(son, KarakterGenişliği(kod)))
            return;
    }
}

QString Hücre(const QString& metin)
{
    return Kısalt(Görünür(metin), HücreSınırı);
}

QString Doldur(const QString& metin, int genişlik, bool sağa)
{
    const QString boşluk(std::max(0, genişlik - GörünenGenişlik(metin)), QLatin1Char(' '));
    return sağa ? boşluk + metin : metin + boşluk;
}

QString Tablo(const AğAnalizi& analiz)
{
    const QStringList& başlıklar = AnalizMetinleri::Başlıklar();
    const int sütunSayısı = int(başlıklar.size());
    QVector<QStringList> satırlar{başlıklar};
    satırlar.reserve(analiz.faaliyetler.size() + 1);
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        QStringList hücreler;
        for (int sütun = 0; sütun < sütunSayısı; ++sütun)
            hücreler << Hücre(AnalizMetinleri::Hücre(f, sütun));
        satırlar.append(hücreler);
    }
    QVector<int> genişlikler(sütunSayısı, 0);
    for (const QStringList& hücreler : satırlar) {
        for (int sütun = 0; sütun < sütunSayısı; ++sütun)
            genişlikler[sütun] = std::max(genişlikler[sütun], GörünenGenişlik(hücreler.at(sütun)));
    }
    QString metin;
    for (const QStringList& hücreler : satırlar) {
        QString satır;
        for (int sütun = 0; sütun < sütunSayısı; ++sütun) {
            if (sütun > 0)
                satır += QLatin1String("  ");
            satır += Doldur(hücreler.at(sütun), genişlikler.at(sütun),
                            AnalizMetinleri::SayısalSütun(sütun));
        }
        // The last column is left-aligned: its padding would only trail.
        while (satır.endsWith(QLatin1Char(' ')))
            satır.chop(1);
        metin += satır + QLatin1Char('\n');
    }
    return metin;
}

// The analysis window's text of the paths, with every code visible.
QString Yollar(const AğAnalizi& analiz)
{
    AğAnalizi yollar;
    yollar.kritikYollar.reserve(analiz.kritikYollar.size());
    for (const QStringList& yol : analiz.kritikYollar) {
        QStringList kodlar;
        kodlar.reserve(yol.size());
        for (const QString& kod : yol)
            kodlar << Görünür(kod);
        yollar.kritikYollar.append(kodlar);
    }
    yollar.kritikYolSayısı = analiz.kritikYolSayısı;
    yollar.kalanYollar = analiz.kalanYollar;
    yollar.yolNotu = Görünür(analiz.yolNotu);
    yollar.anaPenceredekiYolSırası = analiz.anaPenceredekiYolSırası;
    return AnalizMetinleri::KritikYollar(yollar) + QLatin1Char('\n');
}

QString TarihMetni(const Saklı<QDate>& tarih)
{
    const QString metin = BölgeselMetin::TarihMetni(tarih);
    return metin.isEmpty() ? QStringLiteral("—") : Kısalt(Görünür(metin), HücreSınırı);
}

} // namespace

QString Görünür(QStringView metin)
{
    if (std::none_of(metin.begin(), metin.end(), [](QChar c) { return Denetim(c.unicode()); }))
        return metin.toString();
    QString görünür;
    görünür.reserve(metin.size() + 16);
    for (const QChar c : metin) {
        const char16_t u = c.unicode();
        if (!Denetim(u))
            görünür += c;
        else if (u == '\n')
            görünür += QLatin1String("\\n");
        else if (u == '\r')
            görünür += QLatin1String("\\r");
        else if (u == '\t')
            görünür += QLatin1String("\\t");
        else
            görünür += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return görünür;
}

int GörünenGenişlik(QStringView metin)
{
    if (YalnızcaAscii(metin))
        return int(metin.size());
    int genişlik = 0;
    HarfHarf(metin, [&](qsizetype, int harf) {
        genişlik += harf;
        return true;
    });
    return genişlik;
}

QString Kısalt(const QString& metin, int genişlik)
{
    if (GörünenGenişlik(metin) <= genişlik)
        return metin;
    // Room for the ellipsis, which takes one column.
    qsizetype kesim = 0;
    int kullanılan = 0;
    HarfHarf(metin, [&](qsizetype son, int harf) {
        if (kullanılan + harf > genişlik - 1)
            return false;
        kullanılan += harf;
        kesim = son;
        return true;
    });
    return metin.left(kesim) + QChar(0x2026);
}

QString TabloYaz(const Rapor& rapor)
{
    const AğAnalizi& analiz = rapor.analiz;
    QString metin = Kısalt(Görünür(rapor.proje.ad), AnalizMetinleri::AdSınırı) + QLatin1Char('\n');
    metin += QStringLiteral("Başlama: %1   Bitiş: %2\n")
                 .arg(TarihMetni(rapor.proje.başlama), TarihMetni(rapor.proje.bitiş));
    if (!analiz.hesaplanamıyor.isEmpty())
        return metin + QLatin1Char('\n') + Görünür(analiz.hesaplanamıyor) + QLatin1Char('\n');
    return metin + QLatin1Char('\n') + Tablo(analiz) + QLatin1Char('\n') + Yollar(analiz) + QLatin1Char('\n')
           + Görünür(AnalizMetinleri::Plan(analiz)) + QLatin1Char('\n');
}
