#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <chrono>
#include <cstdint>

struct xcb_connection_t;

// Watches the X server from outside the programs it measures: which top-level
// window appears, and what its pixels show.
class XGözcüsü {
public:
    using Pencere = std::uint32_t;

    XGözcüsü();
    ~XGözcüsü();
    XGözcüsü(const XGözcüsü&) = delete;
    XGözcüsü& operator=(const XGözcüsü&) = delete;

    bool bağlı() const;

    // Forgets the windows mapped so far; call it before starting the program.
    void Sıfırla();
    // Waits for a top-level window of that size to be mapped (shown) and gives it
    // with its place on the screen; 0 when none comes in time.
    Pencere EşlenmeyiBekle(QSize boyut, std::chrono::milliseconds süre, QPoint* yer = nullptr);
    // A small patch of pixels near the top-left corner of the window, inside its
    // border: the bare window background in any Qt window. Empty when the window is gone.
    QByteArray Yama(Pencere pencere, QPoint köşe = QPoint(2, 2));
    Pencere kök() const { return m_kök; }

private:
    xcb_connection_t* m_bağlantı = nullptr;
    Pencere m_kök = 0;
};
