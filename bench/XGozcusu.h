#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <chrono>
#include <cstdint>

struct xcb_connection_t;

// Watches the X server from outside the programs it measures: which top-level
// window appears, and what its pixels show.
class XGozcusu {
public:
    using Pencere = std::uint32_t;

    XGozcusu();
    ~XGozcusu();
    XGozcusu(const XGozcusu&) = delete;
    XGozcusu& operator=(const XGozcusu&) = delete;

    bool bagli() const;

    // Forgets the windows mapped so far; call it before starting the program.
    void Sifirla();
    // Waits for a top-level window of that size to be mapped (shown) and gives it
    // with its place on the screen; 0 when none comes in time.
    Pencere EslenmeyiBekle(QSize boyut, std::chrono::milliseconds sure, QPoint* yer = nullptr);
    // A small patch of pixels near the top-left corner of the window, inside its
    // border: the bare window background in any Qt window. Empty when the window is gone.
    QByteArray Yama(Pencere pencere, QPoint kose = QPoint(2, 2));
    Pencere kok() const { return m_kok; }

private:
    xcb_connection_t* m_baglanti = nullptr;
    Pencere m_kok = 0;
};
