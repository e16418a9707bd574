#include "ui/Diyalog.h"

#include "ui/layout/Kurucu.h"

Diyalog::Diyalog(const DiyalogBağlamı& bağlam) : QWidget(bağlam.sahip), m_bağlam(bağlam)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Diyalog::ÖneGetir()
{
    if (!m_gösterildi) {
        m_gösterildi = true;
        show();
        Ortala(this);
    }
    show();
    raise();
    activateWindow();
}
