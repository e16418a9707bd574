#include "schedule/Cizelge.h"

#include "schedule/OncekiListesi.h"
#include "rules/BolgeselMetin.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

std::optional<qint32> Sayı(const QString& metin)
{
    return BölgeselMetin::TamSayıOku(metin);
}

std::optional<qint32> Sığdır(qint64 değer)
{
    if (değer < std::numeric_limits<qint32>::min() || değer > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(değer);
}

QString TanımsızÖnceki(const QVector<ÇizelgeSatırı>& satırlar, int satır, const QString& kod)
{
    const QString& faaliyet = satırlar.at(satır).kodu;
    if (kod.isEmpty())
        return QStringLiteral("%1 faaliyetinin önceki faaliyet listesinde boş bir kod var.").arg(faaliyet);
    if (kod == faaliyet)
        return QStringLiteral("%1 faaliyeti kendi önceki faaliyeti olamaz.").arg(faaliyet);
    for (int i = satır + 1; i < satırlar.size(); ++i) {
        if (satırlar.at(i).kodu == kod)
            return QStringLiteral("%1 faaliyetinin önceki faaliyeti %2 ondan sonra eklenmiş.").arg(faaliyet, kod);
    }
    return QStringLiteral("%1 faaliyetinin önceki faaliyeti %2 tanımlı değil.").arg(faaliyet, kod);
}

// Read again only to explain a fault: the code of `satır`'s list that has no row above it.
QString İlkTanımsızKod(const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin, int satır)
{
    for (const QString& kod : ÖncekiKodları(satırlar.at(satır).öncekiler)) {
        if (dizin.YukarıdakiSatır(kod, satır) < 0)
            return kod;
    }
    return QString();
}

void Açıkla(QString* açıklama, const QString& metin)
{
    if (açıklama)
        *açıklama = metin;
}

} // namespace

QString SüreSayıDeğil(const QString& kod, const QString& süre)
{
    return QStringLiteral("%1 faaliyetinin süresi \"%2\" bir tam sayı değil.").arg(kod, süre);
}

QString SayıSınırınıAşıyor(const QString& kod, const QString& neyi)
{
    return QStringLiteral("%1 faaliyetinin %2 32 bitlik sayı sınırını aşıyor.").arg(kod, neyi);
}

QString Hesaplanamıyor(const QString& neden)
{
    return QStringLiteral("Hesaplanamıyor: ") + neden;
}

KodDizini::KodDizini(const QVector<ÇizelgeSatırı>& satırlar)
{
    // From the bottom up, so that a code stored twice keeps its upper row.
    m_ilkSatır.reserve(satırlar.size());
    for (int i = int(satırlar.size()) - 1; i >= 0; --i)
        m_ilkSatır.insert(satırlar.at(i).kodu, i);

    m_öncekiSatırları.resize(satırlar.size());
    QVector<int> sonAnan(satırlar.size(), -1); // the last row whose list named each row
    for (int i = 0; i < satırlar.size(); ++i) {
        QVector<int>& öncekiler = m_öncekiSatırları[i];
        ÖncekiKodlarınıGez(satırlar.at(i).öncekiler, [&](QStringView kod) {
            if (!öncekiler.isEmpty() && öncekiler.last() < 0)
                return;
            const int önceki = YukarıdakiSatır(kod, i);
            if (önceki >= 0 && sonAnan.at(önceki) == i)
                return;
            if (önceki >= 0)
                sonAnan[önceki] = i;
            öncekiler.append(önceki);
        });
    }
}

int KodDizini::YukarıdakiSatır(QStringView kod, int satır) const
{
    // The key only borrows the characters: a long list must not cost a string per code.
    const int ilk = m_ilkSatır.value(QString::fromRawData(kod.data(), kod.size()), -1);
    // The first row of a code is above `satır` exactly when any row of it is.
    return ilk < satır ? ilk : -1;
}

std::optional<qint32> SüreBul(const QVector<ÇizelgeSatırı>& satırlar, int satır, QString* açıklama)
{
    return SüreBul(satırlar, KodDizini(satırlar), satır, açıklama);
}

std::optional<qint32> SüreBul(const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin, int satır,
                              QString* açıklama)
{
    qint32 enİyi = 0;
    for (const int önceki : dizin.ÖncekiSatırları(satır)) {
        if (önceki < 0) {
            if (açıklama)
                *açıklama = TanımsızÖnceki(satırlar, satır, İlkTanımsızKod(satırlar, dizin, satır));
            return std::nullopt;
        }
        const auto ef = Sayı(satırlar.at(önceki).ef);
        if (!ef) {
            // That row could not be worked out; its own fault has been reported.
            Açıkla(açıklama, QString());
            return std::nullopt;
        }
        if (*ef > enİyi)
            enİyi = *ef;
    }
    return enİyi;
}

QString KritikYol(const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin, qint32 projeBitişGünü)
{
    int satır = -1;
    for (int i = 0; i < satırlar.size() && satır < 0; ++i) {
        if (Sayı(satırlar.at(i).ef) == projeBitişGünü)
            satır = i;
    }
    if (satır < 0)
        return QString();

    // Gathered from the end backwards and turned round once: prepending to a text
    // would copy the path at every step.
    QStringList yol{satırlar.at(satır).kodu};
    // Every predecessor stands above its activity, so each step moves up and the walk ends.
    while (satır > 0 && satırlar.at(satır).kodu != QLatin1String("A")) {
        int enİyiSatır = -1;
        qint32 enİyiBitiş = 0;
        for (const int önceki : dizin.ÖncekiSatırları(satır)) {
            const auto ef = önceki < 0 ? std::nullopt : Sayı(satırlar.at(önceki).ef);
            if (!ef)
                return QString();
            if (enİyiSatır < 0 || *ef > enİyiBitiş) {
                enİyiSatır = önceki;
                enİyiBitiş = *ef;
            }
        }
        satır = enİyiSatır;
        yol << satırlar.at(satır).kodu;
    }
    std::reverse(yol.begin(), yol.end());
    return yol.join(QLatin1Char(','));
}

ÇizelgeSonucu ÇizelgeyiHesapla(QVector<ÇizelgeSatırı>& satırlar)
{
    ÇizelgeSonucu sonuç;
    if (satırlar.isEmpty())
        return sonuç;

    // The first activity starts at day 0 and finishes after its duration, shown as stored.
    satırlar[0].es = QStringLiteral("0");
    satırlar[0].ef = satırlar.at(0).süre;
    if (satırlar.size() < 2)
        return sonuç;

    const KodDizini dizin(satırlar);
    QString hata;
    if (!Sayı(satırlar.at(0).ef))
        hata = SüreSayıDeğil(satırlar.at(0).kodu, satırlar.at(0).süre);

    for (int i = 1; i < satırlar.size(); ++i) {
        ÇizelgeSatırı& satır = satırlar[i];
        satır.es.clear();
        satır.ef.clear();
        QString açıklama;
        const auto es = SüreBul(satırlar, dizin, i, &açıklama);
        if (!es) {
            if (hata.isEmpty())
                hata = açıklama;
            continue;
        }
        satır.es = QString::number(*es);
        const auto süre = Sayı(satır.süre);
        if (!süre) {
            if (hata.isEmpty())
                hata = SüreSayıDeğil(satır.kodu, satır.süre);
            continue;
        }
        const auto ef = Sığdır(qint64(*es) + *süre);
        if (!ef) {
            if (hata.isEmpty())
                hata = SayıSınırınıAşıyor(satır.kodu, QStringLiteral("bitiş günü"));
            continue;
        }
        satır.ef = QString::number(*ef);
    }

    if (hata.isEmpty()) {
        qint32 bitiş = *Sayı(satırlar.at(0).ef);
        for (int i = 1; i < satırlar.size(); ++i)
            bitiş = std::max(bitiş, *Sayı(satırlar.at(i).ef));
        const auto enErken = Sığdır(qint64(bitiş) - *Sayı(satırlar.at(0).ef));
        if (!enErken) {
            hata = QStringLiteral("Projenin en erken bitiş gün sayısı 32 bitlik sayı sınırını aşıyor.");
        } else {
            sonuç.projeBitişGünü = bitiş;
            sonuç.enGeçGünSayısı = QString::number(bitiş);
            sonuç.enErkenGünSayısı = QString::number(*enErken);
            sonuç.kritikYol = KritikYol(satırlar, dizin, bitiş);
        }
    }
    if (!hata.isEmpty())
        sonuç.kritikYol = Hesaplanamıyor(hata);
    return sonuç;
}
