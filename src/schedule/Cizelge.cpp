#include "schedule/Cizelge.h"

#include "schedule/OncekiListesi.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

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

} // namespace

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
