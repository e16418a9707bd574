#include "analysis/BuyukSayi.h"

BüyükSayı::BüyükSayı(quint32 değer)
{
    if (değer != 0)
        m_haneler.push_back(değer);
}

BüyükSayı& BüyükSayı::operator+=(const BüyükSayı& öbür)
{
    if (öbür.m_haneler.size() > m_haneler.size())
        m_haneler.resize(öbür.m_haneler.size(), 0);
    quint64 elde = 0;
    for (size_t i = 0; i < m_haneler.size() && (elde != 0 || i < öbür.m_haneler.size()); ++i) {
        elde += quint64(m_haneler[i]) + (i < öbür.m_haneler.size() ? öbür.m_haneler[i] : 0);
        m_haneler[i] = quint32(elde);
        elde >>= 32;
    }
    if (elde != 0)
        m_haneler.push_back(quint32(elde));
    return *this;
}

BüyükSayı& BüyükSayı::operator-=(quint32 çıkan)
{
    quint64 ödünç = çıkan;
    for (size_t i = 0; i < m_haneler.size() && ödünç != 0; ++i) {
        const quint64 hane = m_haneler[i];
        m_haneler[i] = quint32(hane - ödünç);
        ödünç = hane < ödünç ? 1 : 0;
    }
    BaştakiSıfırlarıAt();
    return *this;
}

QString BüyükSayı::Metin() const
{
    if (m_haneler.empty())
        return QStringLiteral("0");
    // Nine decimal digits at a time, by long division of a copy.
    std::vector<quint32> kalan = m_haneler;
    std::vector<quint32> dokuzlu;
    while (!kalan.empty()) {
        quint64 artık = 0;
        for (size_t i = kalan.size(); i-- > 0;) {
            const quint64 bölünen = (artık << 32) | kalan[i];
            kalan[i] = quint32(bölünen / 1000000000u);
            artık = bölünen % 1000000000u;
        }
        dokuzlu.push_back(quint32(artık));
        while (!kalan.empty() && kalan.back() == 0)
            kalan.pop_back();
    }
    QString metin = QString::number(dokuzlu.back());
    for (size_t i = dokuzlu.size() - 1; i-- > 0;)
        metin += QStringLiteral("%1").arg(dokuzlu[i], 9, 10, QLatin1Char('0'));
    return metin;
}

void BüyükSayı::BaştakiSıfırlarıAt()
{
    while (!m_haneler.empty() && m_haneler.back() == 0)
        m_haneler.pop_back();
}
