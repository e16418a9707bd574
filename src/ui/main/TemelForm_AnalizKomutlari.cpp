#include "ui/main/TemelForm.h"

#include "store/DepoBilgisi.h"
#include "ui/Diyalog.h"
#include "ui/Mesaj.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/export/DisaAktarim.h"

#include <QLayout>
#include <QMenuBar>

void TemelForm::MenüleriKur()
{
    // Access keys apart from the window's own Alt+E, Alt+D, Alt+S and Alt+F.
    QMenu* analiz = menuBar()->addMenu(QStringLiteral("&Analiz"));
    QAction* ağAnalizi = analiz->addAction(QStringLiteral("&Ağ Analizi ve Gantt Şeması…"), this,
                                           &TemelForm::AnalizPenceresiniAç);
    ağAnalizi->setShortcut(QKeySequence(Qt::Key_F5));
    analiz->addSeparator();
    analiz->addAction(QStringLiteral("&Dışa Aktar…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                      [this] { DisaAktarim::DışaAktar(this, Gösterilen(), m_depo); });
    analiz->addAction(QStringLiteral("&Yazdır…"), QKeySequence::Print, this,
                      [this] { DisaAktarim::Yazdır(this, Gösterilen()); });
    QMenu* yardım = menuBar()->addMenu(QStringLiteral("&Yardım"));
    yardım->addAction(QStringLiteral("Kavrion &Hakkında"), this, &TemelForm::KavrionHakkında);
    // The window takes its final size, client area and menu bar, before it is centred.
    layout()->activate();
}

void TemelForm::AnalizPenceresiniAç()
{
    AçYaDaÖneGetir(m_analizPenceresi, Bağlam(), [this] { return Gösterilen(); });
}

GösterilenKayıtlar TemelForm::Gösterilen() const
{
    return {m_proje, m_faaliyetler};
}

AnalizPenceresi* TemelForm::AçıkAnalizPenceresi() const
{
    return m_analizPenceresi;
}

void TemelForm::AnaliziGüncelle()
{
    if (m_analizPenceresi)
        m_analizPenceresi->Güncellenecek();
}

void TemelForm::KavrionHakkında()
{
    DepoBilgisi bilgi;
    const DepoHatası hata = DepoBilgisiniOku(m_depo, bilgi);
    QString metin = QStringLiteral("Kavrion %1\nKritik yol yöntemiyle proje planlama.\n\nQt sürümü: %2\n")
                        .arg(QStringLiteral(KAVRION_SURUMU), QString::fromLatin1(qVersion()));
    metin += hata ? QStringLiteral("SQLite sürümü okunamadı: %1\n").arg(HataMetni(hata))
                  : QStringLiteral("SQLite sürümü: %1\n").arg(bilgi.sqliteSürümü);
    metin += QStringLiteral("Veritabanı: %1").arg(bilgi.yol);
    Mesaj::Göster(this, metin, Mesaj::Tür::Bilgi);
}
