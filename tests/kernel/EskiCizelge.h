#pragma once
#include "store/Kayitlar.h"
#include "kernel/OncekiListesi.h"
#include <QHash>
#include <array>
#include <memory>
#include <optional>
#include <algorithm>
#include <limits>
namespace eski {



// The two days the forward pass works out for a row; none where it could not.
struct Gunler {
    std::optional<qint32> es; // earliest start
    std::optional<qint32> ef; // earliest finish
};

// The three result fields of the main window.
struct CizelgeSonucu {
    QString enGecGunSayisi;   // the largest EF
    QString enErkenGunSayisi; // the largest EF less the first activity's EF
    QString kritikYol;        // "A,C,D", or why the project cannot be computed
    std::optional<qint32> projeBitisGunu;
};

// Why a project cannot be computed, in the main window's words, so that the analysis
// of the same rows says exactly the same.
QString SureSayiDegil(const QString& kod, const QString& sure);
QString SayiSiniriniAsiyor(const QString& kod, const QString& neyi); // neyi: "bitiş günü", …
QString Hesaplanamiyor(const QString& neden);

class KodDizini;

// The forward pass and its three results.
struct Cizelge {
    QVector<Gunler> gunler; // one per activity, in stored order
    CizelgeSonucu sonuc;
    // The index the pass read the predecessors by, for the analysis of the same rows;
    // none when there are no rows.
    std::shared_ptr<const KodDizini> dizin;
};

// The forward pass over the activities as stored: each row's ES and EF and the three
// results. A project that cannot be computed (a duration another program left as
// text, a predecessor that is not defined above its activity, a number that does not
// fit in 32 bits) keeps the ES and EF that could be worked out and explains the first
// fault in kritikYol.
Cizelge CizelgeyiHesapla(const QVector<KayitliFaaliyet>& faaliyetler);

// A row's two cells as the main window shows them: the first row finishes after its
// duration as stored, text another program left there included.
QString EsMetni(const Cizelge& cizelge, int satir);
QString EfMetni(const Cizelge& cizelge, const QVector<KayitliFaaliyet>& faaliyetler, int satir);

// Where each code first stands in the rows, so that finding a predecessor costs the
// same however long the list is, and each row's predecessor list read once into the
// rows it names: the pass and the critical path grow with the lists' length.
class KodDizini {
public:
    explicit KodDizini(const QVector<KayitliFaaliyet>& satirlar);
    // The row of the code among the rows above `satir`; -1 when there is none.
    int YukaridakiSatir(QStringView kod, int satir) const;
    // The rows above `satir` that its predecessor list names, each once, in the
    // order first listed; a code with no row above ends them as -1. A row named
    // again changes neither the largest finish nor which one comes first.
    const QVector<int>& OncekiSatirlari(int satir) const { return m_oncekiSatirlari.at(satir); }

private:
    int IlkSatir(QStringView kod) const;

    // A predecessor list names one character per code. Kavrion's own codes are one
    // ASCII letter or digit, found by their character; other one-character codes by
    // the character's number: both much cheaper than hashing a megabyte of "A,A,…"
    // as strings. Longer codes, which only a path's text names, by their text.
    static constexpr int AsciiSayisi = 128;
    std::array<int, AsciiSayisi> m_asciiSatir;
    QHash<char16_t, int> m_tekKarakterliSatir;
    QHash<QString, int> m_uzunKodluSatir;
    QVector<QVector<int>> m_oncekiSatirlari;
};

// The largest EF among the predecessors listed in oncekiler, 0 when none is larger,
// reading the EFs of the rows above `satir`. Without a value, `aciklama` says why.
std::optional<qint32> SureBul(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler,
                              const KodDizini& dizin, int satir, QString* aciklama = nullptr);

// The critical path, traced back from the first row that finishes on projeBitisGunu,
// always to the predecessor that finishes latest (the first listed on a tie).
// Expects every row's EF to be worked out.
QString KritikYol(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler, const KodDizini& dizin,
                  qint32 projeBitisGunu);



namespace ic {

std::optional<qint32> Sigdir(qint64 deger)
{
    if (deger < std::numeric_limits<qint32>::min() || deger > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(deger);
}

QString TanimsizOnceki(const QVector<KayitliFaaliyet>& satirlar, int satir, const QString& kod)
{
    const QString& faaliyet = satirlar.at(satir).kodu;
    if (kod.isEmpty())
        return QStringLiteral("%1 faaliyetinin önceki faaliyet listesinde boş bir kod var.").arg(faaliyet);
    if (kod == faaliyet)
        return QStringLiteral("%1 faaliyeti kendi önceki faaliyeti olamaz.").arg(faaliyet);
    for (int i = satir + 1; i < satirlar.size(); ++i) {
        if (satirlar.at(i).kodu == kod)
            return QStringLiteral("%1 faaliyetinin önceki faaliyeti %2 ondan sonra eklenmiş.").arg(faaliyet, kod);
    }
    return QStringLiteral("%1 faaliyetinin önceki faaliyeti %2 tanımlı değil.").arg(faaliyet, kod);
}

// Read again only to explain a fault: the code of `satir`'s list that has no row above it.
QString IlkTanimsizKod(const QVector<KayitliFaaliyet>& satirlar, const KodDizini& dizin, int satir)
{
    for (const QString& kod : OncekiKodlari(satirlar.at(satir).oncekiler)) {
        if (dizin.YukaridakiSatir(kod, satir) < 0)
            return kod;
    }
    return QString();
}

void Acikla(QString* aciklama, const QString& metin)
{
    if (aciklama)
        *aciklama = metin;
}

} using namespace ic;

QString SureSayiDegil(const QString& kod, const QString& sure)
{
    return QStringLiteral("%1 faaliyetinin süresi \"%2\" bir tam sayı değil.").arg(kod, sure);
}

QString SayiSiniriniAsiyor(const QString& kod, const QString& neyi)
{
    return QStringLiteral("%1 faaliyetinin %2 32 bitlik sayı sınırını aşıyor.").arg(kod, neyi);
}

QString Hesaplanamiyor(const QString& neden)
{
    return QStringLiteral("Hesaplanamıyor: ") + neden;
}

KodDizini::KodDizini(const QVector<KayitliFaaliyet>& satirlar)
{
    // From the bottom up, so that a code stored twice keeps its upper row.
    m_asciiSatir.fill(-1);
    if (satirlar.size() > AsciiSayisi)
        m_tekKarakterliSatir.reserve(satirlar.size());
    for (int i = int(satirlar.size()) - 1; i >= 0; --i) {
        const QString& kod = satirlar.at(i).kodu;
        if (kod.size() != 1)
            m_uzunKodluSatir.insert(kod, i);
        else if (kod.front().unicode() < AsciiSayisi)
            m_asciiSatir[kod.front().unicode()] = i;
        else
            m_tekKarakterliSatir.insert(kod.front().unicode(), i);
    }

    m_oncekiSatirlari.resize(satirlar.size());
    QVector<int> sonAnan(satirlar.size(), -1); // the last row whose list named each row
    for (int i = 0; i < satirlar.size(); ++i) {
        QVector<int>& oncekiler = m_oncekiSatirlari[i];
        OncekiKodlariniGez(satirlar.at(i).oncekiler, [&](QStringView kod) {
            if (!oncekiler.isEmpty() && oncekiler.last() < 0)
                return;
            const int onceki = YukaridakiSatir(kod, i);
            if (onceki >= 0 && sonAnan.at(onceki) == i)
                return;
            if (onceki >= 0)
                sonAnan[onceki] = i;
            oncekiler.append(onceki);
        });
    }
}

int KodDizini::IlkSatir(QStringView kod) const
{
    if (kod.size() == 1) {
        const char16_t karakter = kod.front().unicode();
        return karakter < AsciiSayisi ? m_asciiSatir[karakter] : m_tekKarakterliSatir.value(karakter, -1);
    }
    // The key only borrows the characters: a long list must not cost a string per code.
    return m_uzunKodluSatir.value(QString::fromRawData(kod.data(), kod.size()), -1);
}

int KodDizini::YukaridakiSatir(QStringView kod, int satir) const
{
    const int ilk = IlkSatir(kod);
    // The first row of a code is above `satir` exactly when any row of it is.
    return ilk < satir ? ilk : -1;
}

std::optional<qint32> SureBul(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler,
                              const KodDizini& dizin, int satir, QString* aciklama)
{
    qint32 enIyi = 0;
    for (const int onceki : dizin.OncekiSatirlari(satir)) {
        if (onceki < 0) {
            if (aciklama)
                *aciklama = TanimsizOnceki(satirlar, satir, IlkTanimsizKod(satirlar, dizin, satir));
            return std::nullopt;
        }
        const auto ef = gunler.at(onceki).ef;
        if (!ef) {
            // That row could not be worked out; its own fault has been reported.
            Acikla(aciklama, QString());
            return std::nullopt;
        }
        if (*ef > enIyi)
            enIyi = *ef;
    }
    return enIyi;
}

QString KritikYol(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler, const KodDizini& dizin,
                  qint32 projeBitisGunu)
{
    int satir = -1;
    for (int i = 0; i < satirlar.size() && satir < 0; ++i) {
        if (gunler.at(i).ef == projeBitisGunu)
            satir = i;
    }
    if (satir < 0)
        return QString();

    // Gathered from the end backwards and turned round once: prepending to a text
    // would copy the path at every step.
    QStringList yol{satirlar.at(satir).kodu};
    // Every predecessor stands above its activity, so each step moves up and the walk ends.
    while (satir > 0 && satirlar.at(satir).kodu != QLatin1String("A")) {
        int enIyiSatir = -1;
        qint32 enIyiBitis = 0;
        for (const int onceki : dizin.OncekiSatirlari(satir)) {
            const auto ef = onceki < 0 ? std::nullopt : gunler.at(onceki).ef;
            if (!ef)
                return QString();
            if (enIyiSatir < 0 || *ef > enIyiBitis) {
                enIyiSatir = onceki;
                enIyiBitis = *ef;
            }
        }
        satir = enIyiSatir;
        yol << satirlar.at(satir).kodu;
    }
    std::reverse(yol.begin(), yol.end());
    return yol.join(QLatin1Char(','));
}

Cizelge CizelgeyiHesapla(const QVector<KayitliFaaliyet>& satirlar)
{
    Cizelge cizelge;
    CizelgeSonucu& sonuc = cizelge.sonuc;
    QVector<Gunler>& gunler = cizelge.gunler;
    if (satirlar.isEmpty())
        return cizelge;

    cizelge.dizin = std::make_shared<const KodDizini>(satirlar);
    // The first activity starts at day 0 and finishes after its duration.
    gunler.resize(satirlar.size());
    gunler[0] = {0, satirlar.at(0).sure.deger};
    if (satirlar.size() < 2)
        return cizelge;

    const KodDizini& dizin = *cizelge.dizin;
    QString hata;
    if (!gunler.at(0).ef)
        hata = SureSayiDegil(satirlar.at(0).kodu, satirlar.at(0).sure.ham.toString());

    for (int i = 1; i < satirlar.size(); ++i) {
        const KayitliFaaliyet& satir = satirlar.at(i);
        QString aciklama;
        const auto es = SureBul(satirlar, gunler, dizin, i, &aciklama);
        if (!es) {
            if (hata.isEmpty())
                hata = aciklama;
            continue;
        }
        gunler[i].es = es;
        if (!satir.sure.deger) {
            if (hata.isEmpty())
                hata = SureSayiDegil(satir.kodu, satir.sure.ham.toString());
            continue;
        }
        gunler[i].ef = Sigdir(qint64(*es) + *satir.sure.deger);
        if (!gunler.at(i).ef && hata.isEmpty())
            hata = SayiSiniriniAsiyor(satir.kodu, QStringLiteral("bitiş günü"));
    }

    if (hata.isEmpty()) {
        qint32 bitis = *gunler.at(0).ef;
        for (int i = 1; i < satirlar.size(); ++i)
            bitis = std::max(bitis, *gunler.at(i).ef);
        const auto enErken = Sigdir(qint64(bitis) - *gunler.at(0).ef);
        if (!enErken) {
            hata = QStringLiteral("Projenin en erken bitiş gün sayısı 32 bitlik sayı sınırını aşıyor.");
        } else {
            sonuc.projeBitisGunu = bitis;
            sonuc.enGecGunSayisi = QString::number(bitis);
            sonuc.enErkenGunSayisi = QString::number(*enErken);
            sonuc.kritikYol = KritikYol(satirlar, gunler, dizin, bitis);
        }
    }
    if (!hata.isEmpty())
        sonuc.kritikYol = Hesaplanamiyor(hata);
    return cizelge;
}

QString EsMetni(const Cizelge& cizelge, int satir)
{
    const auto& es = cizelge.gunler.at(satir).es;
    return es ? QString::number(*es) : QString();
}

QString EfMetni(const Cizelge& cizelge, const QVector<KayitliFaaliyet>& faaliyetler, int satir)
{
    const auto& ef = cizelge.gunler.at(satir).ef;
    if (ef)
        return QString::number(*ef);
    return satir == 0 ? faaliyetler.at(0).sure.ham.toString() : QString();
}
}
