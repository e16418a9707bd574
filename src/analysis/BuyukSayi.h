#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// A count of critical paths, kept exactly: ties multiply paths, and a network of a
// few thousand rows can have more than any machine integer holds.
class BuyukSayi {
public:
    BuyukSayi() = default;
    explicit BuyukSayi(quint32 deger);

    BuyukSayi& operator+=(const BuyukSayi& obur);
    // Subtracts a number that is not larger than this one.
    BuyukSayi& operator-=(quint32 cikan);
    bool SifirMi() const { return m_haneler.empty(); }
    // Plain decimal digits, no grouping.
    QString Metin() const;

private:
    void BastakiSifirlariAt();

    std::vector<quint32> m_haneler; // base 2^32, least significant first, no leading zeros
};
