#include "Tablo.h"

#include <algorithm>

namespace {

const QStringList Başlıklar{QStringLiteral("İşlem"), QStringLiteral("Ayrıntı"), QStringLiteral("Medyan"),
                            QStringLiteral("En az"), QStringLiteral("En çok"), QStringLiteral("Birim"),
                            QStringLiteral("Tekrar"), QStringLiteral("Hedef")};

// Figures in the C locale: the table is read by people and by scripts alike.
QString Sayı(double değer)
{
    return QString::number(değer, 'f', değer >= 100 ? 1 : 3);
}

} // namespace

void Tablo::Bölüm(const QString& başlık)
{
    m_kayıtlar.append({true, {başlık}});
}

void Tablo::Satır(const QString& işlem, const QString& ayrıntı, const Ölçüm& ölçüm, const QString& birim,
                  std::optional<double> hedef)
{
    QString hedefMetni = QStringLiteral("-");
    if (hedef) {
        const bool tuttu = ölçüm.medyan <= *hedef;
        hedefMetni = QStringLiteral("≤ %1 %2").arg(Sayı(*hedef), tuttu ? QStringLiteral("tuttu")
                                                                           : QStringLiteral("AŞILDI"));
        if (!tuttu)
            ++m_aşılan;
    }
    m_kayıtlar.append({false,
                       {işlem, ayrıntı, Sayı(ölçüm.medyan), Sayı(ölçüm.enAz), Sayı(ölçüm.enÇok), birim,
                        QString::number(ölçüm.tekrar), hedefMetni}});
}

QString Tablo::Metin() const
{
    QVector<int> genişlik;
    for (const QString& başlık : Başlıklar)
        genişlik.append(int(başlık.size()));
    for (const Kayıt& k : m_kayıtlar) {
        if (k.bölüm)
            continue;
        for (int i = 0; i < k.hücreler.size(); ++i)
            genişlik[i] = std::max(genişlik[i], int(k.hücreler.at(i).size()));
    }
    auto satır = [&](const QStringList& hücreler) {
        QStringList dolu;
        for (int i = 0; i < hücreler.size(); ++i) {
            // Text to the left, figures to the right.
            const bool sayı = i >= 2 && i <= 4;
            dolu << (sayı ? hücreler.at(i).rightJustified(genişlik[i]) : hücreler.at(i).leftJustified(genişlik[i]));
        }
        return QStringLiteral("| ") + dolu.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QStringList çizgi;
    for (int g : genişlik)
        çizgi << QString(g, QLatin1Char('-'));

    QString metin = satır(Başlıklar) + QStringLiteral("|-") + çizgi.join(QStringLiteral("-|-")) + QStringLiteral("-|\n");
    for (const Kayıt& k : m_kayıtlar) {
        if (k.bölüm) {
            QStringList hücreler{QStringLiteral("**") + k.hücreler.first() + QStringLiteral("**")};
            while (hücreler.size() < Başlıklar.size())
                hücreler << QString();
            metin += satır(hücreler);
        } else {
            metin += satır(k.hücreler);
        }
    }
    for (const QString& not_ : m_notlar)
        metin += QStringLiteral("\n") + not_;
    return metin + QLatin1Char('\n');
}
