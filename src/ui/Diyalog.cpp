#include "ui/Diyalog.h"

#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"

Diyalog::Diyalog(const DiyalogBaglami& baglam) : QWidget(baglam.sahip), m_baglam(baglam)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Diyalog::ProjeleriYenile(const QString& gosterilecek) const
{
    if (const DepoHatasi hata = belge().ProjeleriOku(gosterilecek))
        Mesaj::HatayiGoster(m_baglam.sahip, hata);
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
