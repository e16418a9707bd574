#include "analysis/BuyukSayi.h"

BuyukSayi::BuyukSayi(quint32 deger)
{
    if (deger != 0)
        m_haneler.push_back(deger);
}

BuyukSayi& BuyukSayi::operator+=(const BuyukSayi& obur)
{
    if (obur.m_haneler.size() > m_haneler.size())
        m_haneler.resize(obur.m_haneler.size(), 0);
    quint64 elde = 0;
    for (size_t i = 0; i < m_haneler.size() && (elde != 0 || i < obur.m_haneler.size()); ++i) {
        elde += quint64(m_haneler[i]) + (i < obur.m_haneler.size() ? obur.m_haneler[i] : 0);
        m_haneler[i] = quint32(elde);
        elde >>= 32;
    }
    if (elde != 0)
        m_haneler.push_back(quint32(elde));
    return *this;
}

BuyukSayi& BuyukSayi::operator-=(quint32 cikan)
{
    quint64 odunc = cikan;
    for (size_t i = 0; i < m_haneler.size() && odunc != 0; ++i) {
        const quint64 hane = m_haneler[i];
        m_haneler[i] = quint32(hane - odunc);
        odunc = hane < odunc ? 1 : 0;
    }
    BastakiSifirlariAt();
    return *this;
}

QString BuyukSayi::Metin() const
{
    if (m_haneler.empty())
        return QStringLiteral("0");
    // Nine decimal digits at a time, by long division of a copy.
    std::vector<quint32> kalan = m_haneler;
    std::vector<quint32> dokuzlu;
    while (!kalan.empty()) {
        quint64 artik = 0;
        for (size_t i = kalan.size(); i-- > 0;) {
            const quint64 bolunen = (artik << 32) | kalan[i];
            kalan[i] = quint32(bolunen / 1000000000u);
            artik = bolunen % 1000000000u;
        }
        dokuzlu.push_back(quint32(artik));
        while (!kalan.empty() && kalan.back() == 0)
            kalan.pop_back();
    }
    QString metin = QString::number(dokuzlu.back());
    for (size_t i = dokuzlu.size() - 1; i-- > 0;)
        metin += QStringLiteral("%1").arg(dokuzlu[i], 9, 10, QLatin1Char('0'));
    return metin;
}

void BuyukSayi::BastakiSifirlariAt()
{
    while (!m_haneler.empty() && m_haneler.back() == 0)
        m_haneler.pop_back();
}
