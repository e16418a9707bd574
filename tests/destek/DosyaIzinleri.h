#pragma once

#include <QtGlobal>

// While it lives, this thread is held to file permissions as any user is: the
// right to override them is dropped from its effective capabilities and given
// back at the end. The suite runs as root in CI, and root would otherwise read
// unreadable files and write read-only ones.
class DosyaİzinleriGeçerli {
public:
    DosyaİzinleriGeçerli();
    ~DosyaİzinleriGeçerli();
    DosyaİzinleriGeçerli(const DosyaİzinleriGeçerli&) = delete;
    DosyaİzinleriGeçerli& operator=(const DosyaİzinleriGeçerli&) = delete;

private:
    quint32 m_önceki[2] = {0, 0};
    bool m_değişti = false;
};
