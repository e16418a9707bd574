#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// A count of critical paths, kept exactly: ties multiply paths, and a network of a
// few thousand rows can have more than any machine integer holds.
class BüyükSayı {
public:
    BüyükSayı() = default;
    explicit BüyükSayı(quint32 değer);

    BüyükSayı& operator+=(const BüyükSayı& öbür);
    // Subtracts a number that is not larger than this one.
    BüyükSayı& operator-=(quint32 çıkan);
    bool SıfırMı() const { return m_haneler.empty(); }
    // Plain decimal digits, no grouping.
    QString Metin() const;

private:
    void BaştakiSıfırlarıAt();

    std::vector<quint32> m_haneler; // base 2^32, least significant first, no leading zeros
};
