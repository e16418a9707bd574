#include "Tablo.h"

#include <algorithm>

namespace {

const QStringList Basliklar{QStringLiteral("İşlem"), QStringLiteral("Ayrıntı"), QStringLiteral("Medyan"),
                            QStringLiteral("En az"), QStringLiteral("En çok"), QStringLiteral("Birim"),
                            QStringLiteral("Tekrar"), QStringLiteral("Hedef")};

// Figures in the C locale: the table is read by people and by scripts alike.
QString Sayi(double deger)
{
    return QString::number(deger, 'f', deger >= 100 ? 1 : 3);
}

} // namespace

void Tablo::Bolum(const QString& baslik)
{
    m_kayitlar.append({true, {baslik}});
}

void Tablo::Satir(const QString& islem, const QString& ayrinti, const Olcum& olcum, const QString& birim,
                  std::optional<double> hedef, std::optional<double> enCokHedefi)
{
    QString hedefMetni = QStringLiteral("-");
    if (hedef || enCokHedefi) {
        const bool tuttu = (!hedef || olcum.medyan <= *hedef) && (!enCokHedefi || olcum.enCok <= *enCokHedefi);
        QStringList sinirlar;
        if (hedef)
            sinirlar << QStringLiteral("≤ %1").arg(Sayi(*hedef));
        if (enCokHedefi)
            sinirlar << QStringLiteral("en çok ≤ %1").arg(Sayi(*enCokHedefi));
        hedefMetni = sinirlar.join(QStringLiteral(", ")) + QLatin1Char(' ')
                     + (tuttu ? QStringLiteral("tuttu") : QStringLiteral("AŞILDI"));
        if (!tuttu)
            ++m_asilan;
    }
    m_kayitlar.append({false,
                       {islem, ayrinti, Sayi(olcum.medyan), Sayi(olcum.enAz), Sayi(olcum.enCok), birim,
                        QString::number(olcum.tekrar), hedefMetni}});
}

QString Tablo::Metin() const
{
    QVector<int> genislik;
    for (const QString& baslik : Basliklar)
        genislik.append(int(baslik.size()));
    for (const Kayit& k : m_kayitlar) {
        if (k.bolum)
            continue;
        for (int i = 0; i < k.hucreler.size(); ++i)
            genislik[i] = std::max(genislik[i], int(k.hucreler.at(i).size()));
    }
    auto satir = [&](const QStringList& hucreler) {
        QStringList dolu;
        for (int i = 0; i < hucreler.size(); ++i) {
            // Text to the left, figures to the right.
            const bool sayi = i >= 2 && i <= 4;
            dolu << (sayi ? hucreler.at(i).rightJustified(genislik[i]) : hucreler.at(i).leftJustified(genislik[i]));
        }
        return QStringLiteral("| ") + dolu.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QStringList cizgi;
    for (int g : genislik)
        cizgi << QString(g, QLatin1Char('-'));

    QString metin = satir(Basliklar) + QStringLiteral("|-") + cizgi.join(QStringLiteral("-|-")) + QStringLiteral("-|\n");
    for (const Kayit& k : m_kayitlar) {
        if (k.bolum) {
            QStringList hucreler{QStringLiteral("**") + k.hucreler.first() + QStringLiteral("**")};
            while (hucreler.size() < Basliklar.size())
                hucreler << QString();
            metin += satir(hucreler);
        } else {
            metin += satir(k.hucreler);
        }
    }
    for (const QString& not_ : m_notlar)
        metin += QStringLiteral("\n") + not_;
    return metin + QLatin1Char('\n');
}
