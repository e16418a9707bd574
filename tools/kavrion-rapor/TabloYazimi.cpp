#include "TabloYazimi.h"

#include "text/AnalizMetinleri.h"
#include "rules/BolgeselMetin.h"

#include <QTextBoundaryFinder>
#include <functional>
#include <algorithm>

namespace {

// A cell is kept narrower than a heading's name, so that a row of twelve columns
// still fits a wide terminal.
constexpr int HucreSiniri = 40;

bool Denetim(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

// The wide blocks of East Asian scripts and the emoji; a character outside them takes one column.
struct Aralik {
    char32_t bas, son;
};
constexpr Aralik GenisAraliklar[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},   {0x1F1E6, 0x1F1FF}, {0x1F300, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF},
    {0x1FA70, 0x1FAFF}, {0x20000, 0x3FFFD},
};

int KarakterGenisligi(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        break;
    }
    const bool genis = std::any_of(std::begin(GenisAraliklar), std::end(GenisAraliklar),
                                   [c](const Aralik& a) { return c >= a.bas && c <= a.son; });
    return genis ? 2 : 1;
}

bool YalnizcaAscii(QStringView metin)
{
    return std::all_of(metin.begin(), metin.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

// Walks the text one user-perceived character at a time (a letter with its accents, an
// emoji sequence), each as wide as its first code point, until `devam` says stop.
template <typename Devam>
void HarfHarf(QStringView metin, Devam devam)
{
    QTextBoundaryFinder sinir(QTextBoundaryFinder::Grapheme, metin.data(), metin.size());
    qsizetype bas = 0;
    for (qsizetype son = sinir.toNextBoundary(); son > bas; bas = son, son = sinir.toNextBoundary()) {
        const QChar ilk = metin[bas];
        const char32_t kod = ilk.isHighSurrogate() && bas + 1 < son
                                 ? QChar::surrogateToUcs4(ilk, metin[bas + 1])
                                 : char32_t(ilk.unicode());
        if (!devam(son, KarakterGenisligi(kod)))
            return;
    }
}

QString Doldur(const QString& metin, int genislik, bool saga)
{
    const QString bosluk(std::max(0, genislik - GorunenGenislik(metin)), QLatin1Char(' '));
    return saga ? bosluk + metin : metin + bosluk;
}

QString Tablo(const AgAnalizi& analiz)
{
    const QStringList& basliklar = AnalizMetinleri::Basliklar();
    const int sutunSayisi = int(basliklar.size());
    QVector<QStringList> satirlar{basliklar};
    satirlar.reserve(analiz.faaliyetler.size() + 1);
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        QStringList hucreler;
        for (int sutun = 0; sutun < sutunSayisi; ++sutun)
            hucreler << HucreMetni(AnalizMetinleri::Hucre(f, sutun));
        satirlar.append(hucreler);
    }
    return HizaliTablo(satirlar, &AnalizMetinleri::SayisalSutun);
}

} // namespace

QString HizaliTablo(const QVector<QStringList>& satirlar, const std::function<bool(int)>& sagaYasli)
{
    const int sutunSayisi = satirlar.isEmpty() ? 0 : int(satirlar.first().size());
    QVector<int> genislikler(sutunSayisi, 0);
    for (const QStringList& hucreler : satirlar) {
        for (int sutun = 0; sutun < sutunSayisi; ++sutun)
            genislikler[sutun] = std::max(genislikler[sutun], GorunenGenislik(hucreler.at(sutun)));
    }
    QString metin;
    for (const QStringList& hucreler : satirlar) {
        QString satir;
        for (int sutun = 0; sutun < sutunSayisi; ++sutun) {
            if (sutun > 0)
                satir += QLatin1String("  ");
            satir += Doldur(hucreler.at(sutun), genislikler.at(sutun), sagaYasli(sutun));
        }
        // The last column is left-aligned: its padding would only trail.
        while (satir.endsWith(QLatin1Char(' ')))
            satir.chop(1);
        metin += satir + QLatin1Char('\n');
    }
    return metin;
}

namespace {

// The analysis window's text of the paths, with every code visible.
QString Yollar(const AgAnalizi& analiz)
{
    AgAnalizi yollar;
    yollar.kritikYollar.reserve(analiz.kritikYollar.size());
    for (const QStringList& yol : analiz.kritikYollar) {
        QStringList kodlar;
        kodlar.reserve(yol.size());
        for (const QString& kod : yol)
            kodlar << Gorunur(kod);
        yollar.kritikYollar.append(kodlar);
    }
    yollar.kritikYolSayisi = analiz.kritikYolSayisi;
    yollar.kalanYolSayisi = analiz.kalanYolSayisi;
    yollar.anaPenceredekiYol = Gorunur(analiz.anaPenceredekiYol);
    yollar.anaPenceredekiYolKritik = analiz.anaPenceredekiYolKritik;
    yollar.anaPenceredekiYolSirasi = analiz.anaPenceredekiYolSirasi;
    return AnalizMetinleri::KritikYollar(yollar) + QLatin1Char('\n');
}

} // namespace

QString HucreMetni(const QString& metin)
{
    return Kisalt(Gorunur(metin), HucreSiniri);
}

QString TarihMetni(const Sakli<QDate>& tarih)
{
    const QString metin = BolgeselMetin::TarihMetni(tarih);
    return metin.isEmpty() ? QStringLiteral("—") : Kisalt(Gorunur(metin), HucreSiniri);
}

QString ProjeBasligi(const KayitliProje& proje)
{
    const QString takvim = TakvimAdiYaz(proje.takvim);
    return Kisalt(Gorunur(proje.ad), AnalizMetinleri::AdSiniri) + QLatin1Char('\n')
           + QStringLiteral("Başlama: %1   Bitiş: %2\n").arg(TarihMetni(proje.baslama), TarihMetni(proje.bitis))
           + (takvim.isEmpty() ? QString() : QStringLiteral("Takvim: %1\n").arg(takvim));
}

QString Gorunur(QStringView metin)
{
    if (std::none_of(metin.begin(), metin.end(), [](QChar c) { return Denetim(c.unicode()); }))
        return metin.toString();
    QString gorunur;
    gorunur.reserve(metin.size() + 16);
    for (const QChar c : metin) {
        const char16_t u = c.unicode();
        if (!Denetim(u))
            gorunur += c;
        else if (u == '\n')
            gorunur += QLatin1String("\\n");
        else if (u == '\r')
            gorunur += QLatin1String("\\r");
        else if (u == '\t')
            gorunur += QLatin1String("\\t");
        else
            gorunur += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return gorunur;
}

int GorunenGenislik(QStringView metin)
{
    if (YalnizcaAscii(metin))
        return int(metin.size());
    int genislik = 0;
    HarfHarf(metin, [&](qsizetype, int harf) {
        genislik += harf;
        return true;
    });
    return genislik;
}

QString Kisalt(const QString& metin, int genislik)
{
    if (GorunenGenislik(metin) <= genislik)
        return metin;
    // Room for the ellipsis, which takes one column.
    qsizetype kesim = 0;
    int kullanilan = 0;
    HarfHarf(metin, [&](qsizetype son, int harf) {
        if (kullanilan + harf > genislik - 1)
            return false;
        kullanilan += harf;
        kesim = son;
        return true;
    });
    return metin.left(kesim) + QChar(0x2026);
}

QString TabloYaz(const Rapor& rapor)
{
    const AgAnalizi& analiz = rapor.analiz;
    const QString metin = ProjeBasligi(rapor.proje);
    if (analiz.hata.Var())
        return metin + QLatin1Char('\n') + Gorunur(AnalizMetinleri::Hesaplanamiyor(analiz)) + QLatin1Char('\n');
    return metin + QLatin1Char('\n') + Tablo(analiz) + QLatin1Char('\n') + Yollar(analiz) + QLatin1Char('\n')
           + Gorunur(AnalizMetinleri::Plan(analiz)) + QLatin1Char('\n');
}
