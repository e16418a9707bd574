#include "ui/Diyalog.h"

Diyalog::Diyalog(QWidget* sahip, const PencereDüzeni& düzen) : QWidget(sahip)
{
    m_denetimler = PencereyiKur(this, düzen);
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
