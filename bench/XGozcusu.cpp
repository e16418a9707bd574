#include "XGozcusu.h"

#include <poll.h>
#include <xcb/xcb.h>
#include <cstdlib>

XGozcusu::XGozcusu()
{
    int ekranNo = 0;
    m_baglanti = xcb_connect(nullptr, &ekranNo);
    if (xcb_connection_has_error(m_baglanti))
        return;
    xcb_screen_iterator_t ekran = xcb_setup_roots_iterator(xcb_get_setup(m_baglanti));
    for (int i = 0; i < ekranNo; ++i)
        xcb_screen_next(&ekran);
    m_kok = ekran.data->root;
    // Without a window manager every top-level window is a child of the root, so
    // the root hears when one is mapped.
    const std::uint32_t olaylar = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_baglanti, m_kok, XCB_CW_EVENT_MASK, &olaylar);
    xcb_flush(m_baglanti);
}

XGozcusu::~XGozcusu()
{
    xcb_disconnect(m_baglanti);
}

bool XGozcusu::bagli() const
{
    return m_kok != 0 && !xcb_connection_has_error(m_baglanti);
}

void XGozcusu::Sifirla()
{
    // A round trip: every event of what happened so far has arrived once it returns.
    free(xcb_get_input_focus_reply(m_baglanti, xcb_get_input_focus(m_baglanti), nullptr));
    while (xcb_generic_event_t* olay = xcb_poll_for_event(m_baglanti))
        free(olay);
}

XGozcusu::Pencere XGozcusu::EslenmeyiBekle(QSize boyut, std::chrono::milliseconds sure, QPoint* yer)
{
    using Saat = std::chrono::steady_clock;
    const auto son = Saat::now() + sure;
    while (bagli()) {
        while (xcb_generic_event_t* olay = xcb_poll_for_event(m_baglanti)) {
            Pencere eslenen = 0;
            if ((olay->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* harita = reinterpret_cast<xcb_map_notify_event_t*>(olay);
                if (!harita->override_redirect)
                    eslenen = harita->window;
            }
            free(olay);
            if (!eslenen)
                continue;
            xcb_get_geometry_reply_t* geometri =
                xcb_get_geometry_reply(m_baglanti, xcb_get_geometry(m_baglanti, eslenen), nullptr);
            const bool bu = geometri && geometri->width == boyut.width() && geometri->height == boyut.height();
            if (bu && yer)
                *yer = QPoint(geometri->x, geometri->y);
            free(geometri);
            if (bu)
                return eslenen;
        }
        const auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(son - Saat::now()).count();
        if (kalan <= 0)
            return 0;
        pollfd bekle{xcb_get_file_descriptor(m_baglanti), POLLIN, 0};
        poll(&bekle, 1, int(kalan));
    }
    return 0;
}

QByteArray XGozcusu::Yama(Pencere pencere, QPoint kose)
{
    constexpr int Kenar = 4;
    xcb_get_image_reply_t* goruntu = xcb_get_image_reply(
        m_baglanti,
        xcb_get_image(m_baglanti, XCB_IMAGE_FORMAT_Z_PIXMAP, pencere, std::int16_t(kose.x()),
                      std::int16_t(kose.y()), Kenar, Kenar, ~0u),
        nullptr);
    if (!goruntu)
        return {};
    QByteArray yama(reinterpret_cast<const char*>(xcb_get_image_data(goruntu)), xcb_get_image_data_length(goruntu));
    free(goruntu);
    return yama;
}
