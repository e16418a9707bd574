#include "ui/Diyalog.h"

#include "ui/layout/Kurucu.h"

Diyalog::Diyalog(const DiyalogBaglami& baglam) : QWidget(baglam.sahip), m_baglam(baglam)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Diyalog::OneGetir()
{
    if (!m_gosterildi) {
        m_gosterildi = true;
        show();
        Ortala(this);
    }
    show();
    raise();
    activateWindow();
}
