#include "ui/main/TemelForm.h"

#include "store/DepoBilgisi.h"
#include "ui/Diyalog.h"
#include "ui/Mesaj.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/export/DisaAktarim.h"

#include <QLayout>
#include <QMenuBar>

void TemelForm::MenuleriKur()
{
    // Access keys apart from the window's own Alt+E, Alt+D, Alt+S and Alt+F.
    QMenu* analiz = menuBar()->addMenu(QStringLiteral("&Analiz"));
    QAction* agAnalizi = analiz->addAction(QStringLiteral("&Ağ Analizi ve Gantt Şeması…"), this,
                                           &TemelForm::AnalizPenceresiniAc);
    agAnalizi->setShortcut(QKeySequence(Qt::Key_F5));
    analiz->addSeparator();
    analiz->addAction(QStringLiteral("&Dışa Aktar…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                      [this] { DisaAktarim::DisaAktar(this, Gosterilen(), m_depo); });
    analiz->addAction(QStringLiteral("&Yazdır…"), QKeySequence::Print, this,
                      [this] { DisaAktarim::Yazdir(this, Gosterilen(), m_depo); });
    QMenu* yardim = menuBar()->addMenu(QStringLiteral("&Yardım"));
    yardim->addAction(QStringLiteral("Kavrion &Hakkında"), this, &TemelForm::KavrionHakkinda);
    // The window takes its final size, client area and menu bar, before it is centred.
    layout()->activate();
}

void TemelForm::AnalizPenceresiniAc()
{
    AcYaDaOneGetir(m_analizPenceresi, Baglam(), [this] { return Gosterilen(); });
}

GosterilenKayitlar TemelForm::Gosterilen() const
{
    return {m_proje, m_faaliyetler};
}

AnalizPenceresi* TemelForm::AcikAnalizPenceresi() const
{
    return m_analizPenceresi;
}

void TemelForm::AnaliziGuncelle()
{
    if (m_analizPenceresi)
        m_analizPenceresi->Guncellenecek();
}

void TemelForm::KavrionHakkinda()
{
    DepoBilgisi bilgi;
    const DepoHatasi hata = DepoBilgisiniOku(m_depo, bilgi);
    QString metin = QStringLiteral("Kavrion %1\nKritik yol yöntemiyle proje planlama.\n\nQt sürümü: %2\n")
                        .arg(QStringLiteral(KAVRION_SURUMU), QString::fromLatin1(qVersion()));
    metin += hata ? QStringLiteral("SQLite sürümü okunamadı: %1\n").arg(HataMetni(hata))
                  : QStringLiteral("SQLite sürümü: %1\n").arg(bilgi.sqliteSurumu);
    metin += QStringLiteral("Veritabanı: %1").arg(bilgi.yol);
    Mesaj::Goster(this, metin, Mesaj::Tur::Bilgi);
}
