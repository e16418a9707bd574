#include "ui/Diyalog.h"

#include "text/AnalizMetinleri.h"
#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"

#include <QAction>
#include <QLabel>

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

void Diyalog::KapatmaTuslariniKur()
{
    auto* kapatma = new QAction(this);
    kapatma->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(kapatma, &QAction::triggered, this, &QWidget::close);
    addAction(kapatma);
}

QLabel* Diyalog::Etiket(const QString& metin, QWidget* arkadas)
{
    auto* etiket = new QLabel(metin, arkadas->parentWidget());
    etiket->setBuddy(arkadas);
    return etiket;
}

QString Diyalog::ProjeSatiri() const
{
    const QString& secili = belge().seciliProje();
    const QString ad = secili.left(AnalizMetinleri::AdSiniri);
    return secili.isEmpty()  ? QStringLiteral("Seçili proje yok.")
           : belge().plan() ? QStringLiteral("Proje: %1").arg(ad)
                            : QStringLiteral("%1: proje okunamadı.").arg(ad);
}
