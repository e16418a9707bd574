#include "XGozcusu.h"

#include <poll.h>
#include <xcb/xcb.h>
#include <cstdlib>

XGözcüsü::XGözcüsü()
{
    int ekranNo = 0;
    m_bağlantı = xcb_connect(nullptr, &ekranNo);
    if (xcb_connection_has_error(m_bağlantı))
        return;
    xcb_screen_iterator_t ekran = xcb_setup_roots_iterator(xcb_get_setup(m_bağlantı));
    for (int i = 0; i < ekranNo; ++i)
        xcb_screen_next(&ekran);
    m_kök = ekran.data->root;
    // Without a window manager every top-level window is a child of the root, so
    // the root hears when one is mapped.
    const std::uint32_t olaylar = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_bağlantı, m_kök, XCB_CW_EVENT_MASK, &olaylar);
    xcb_flush(m_bağlantı);
}

XGözcüsü::~XGözcüsü()
{
    xcb_disconnect(m_bağlantı);
}

bool XGözcüsü::bağlı() const
{
    return m_kök != 0 && !xcb_connection_has_error(m_bağlantı);
}

void XGözcüsü::Sıfırla()
{
    // A round trip: every event of what happened so far has arrived once it returns.
    free(xcb_get_input_focus_reply(m_bağlantı, xcb_get_input_focus(m_bağlantı), nullptr));
    while (xcb_generic_event_t* olay = xcb_poll_for_event(m_bağlantı))
        free(olay);
}

XGözcüsü::Pencere XGözcüsü::EşlenmeyiBekle(QSize boyut, std::chrono::milliseconds süre, QPoint* yer)
{
    using Saat = std::chrono::steady_clock;
    const auto son = Saat::now() + süre;
    while (bağlı()) {
        while (xcb_generic_event_t* olay = xcb_poll_for_event(m_bağlantı)) {
            Pencere eşlenen = 0;
            if ((olay->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* harita = reinterpret_cast<xcb_map_notify_event_t*>(olay);
                if (!harita->override_redirect)
                    eşlenen = harita->window;
            }
            free(olay);
            if (!eşlenen)
                continue;
            xcb_get_geometry_reply_t* geometri =
                xcb_get_geometry_reply(m_bağlantı, xcb_get_geometry(m_bağlantı, eşlenen), nullptr);
            const bool bu = geometri && geometri->width == boyut.width() && geometri->height == boyut.height();
            if (bu && yer)
                *yer = QPoint(geometri->x, geometri->y);
            free(geometri);
            if (bu)
                return eşlenen;
        }
        const auto kalan = std::chrono::duration_cast<std::chrono::milliseconds>(son - Saat::now()).count();
        if (kalan <= 0)
            return 0;
        pollfd bekle{xcb_get_file_descriptor(m_bağlantı), POLLIN, 0};
        poll(&bekle, 1, int(kalan));
    }
    return 0;
}

QByteArray XGözcüsü::Yama(Pencere pencere, QPoint köşe)
{
    constexpr int Kenar = 4;
    xcb_get_image_reply_t* görüntü = xcb_get_image_reply(
        m_bağlantı,
        xcb_get_image(m_bağlantı, XCB_IMAGE_FORMAT_Z_PIXMAP, pencere, std::int16_t(köşe.x()),
                      std::int16_t(köşe.y()), Kenar, Kenar, ~0u),
        nullptr);
    if (!görüntü)
        return {};
    QByteArray yama(reinterpret_cast<const char*>(xcb_get_image_data(görüntü)), xcb_get_image_data_length(görüntü));
    free(görüntü);
    return yama;
}
