#include "ui/main/TemelForm.h"

#include "ui/Diyalog.h"
#include "ui/Mesaj.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/RiskSekmesi.h"
#include "ui/calendar/TakvimPenceresi.h"
#include "ui/progress/IlerlemePenceresi.h"
#include "ui/progress/TabanPlanlariPenceresi.h"
#include "plan/AdimAdi.h"
#include "ui/export/DisaAktarim.h"
#include "ui/history/GecmisPenceresi.h"
#include "ui/import/IceAktarim.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/import/IceAktarmaFormu.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/layout/Duzenler.h"
#include "ui/main/TekSurec.h"
#include "ui/server/SunucuyaBaglanFormu.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <QLayout>
#include <QMenuBar>

namespace {

// The box of a refused undo or redo comes over the window the keys were pressed in, which
// has the keyboard again after it.
QWidget* KutuSahibi(QWidget* ana)
{
    QWidget* etkin = QApplication::activeWindow();
    return etkin ? etkin : ana;
}

} // namespace

void TemelForm::MenuleriKur()
{
    // Access keys apart from the window's own Alt+E, Alt+D, Alt+S and Alt+F.
    QMenu* dosya = menuBar()->addMenu(QStringLiteral("D&osya"));
    dosya->addAction(QStringLiteral("Y&eni…"), QKeySequence::New, this, &TemelForm::YeniDosya);
    dosya->addAction(QStringLiteral("A&ç…"), QKeySequence::Open, this, &TemelForm::DosyaAc);
    m_sonDosyalar = dosya->addMenu(QStringLiteral("S&on Dosyalar"));
    SonDosyalarMenusunuKur();
    dosya->addSeparator();
    dosya->addAction(QStringLiteral("&Sunucuya Bağlan…"), this, &TemelForm::SunucuyaBaglan);
    dosya->addSeparator();
    dosya->addAction(QStringLiteral("İçe &Aktar…"), QKeySequence(Qt::CTRL | Qt::Key_I), this, &TemelForm::IceAktar);
    dosya->addAction(QStringLiteral("&Dışa Aktar…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                     [this] {
                         // The Risk tab's charts, when the analysis window shows current ones; the
                         // stored plan first, as this window shows it.
                         const AnalizPenceresi* analiz = AcikAnalizPenceresi();
                         DisaAktarim::DisaAktar(this, m_belge, DisaAktarim::Surum::Kayitli,
                                                analiz ? analiz->risk()->GuncelGorsel() : std::nullopt);
                     });
    dosya->addAction(QStringLiteral("&Yazdır…"), QKeySequence::Print, this,
                     [this] { DisaAktarim::Yazdir(this, m_belge, DisaAktarim::Surum::Kayitli); });
    dosya->addAction(QStringLiteral("Du&rum Raporunu Yazdır…"), this, [this] {
        DisaAktarim::Yazdir(this, m_belge, DisaAktarim::Surum::Kayitli, DisaAktarim::Sayfalar::Durum);
    });
    dosya->addSeparator();
    dosya->addAction(QStringLiteral("Çı&kış"), this, &TemelForm::CikisDugmesi_Click);
    DuzenMenusunuKur();
    QMenu* proje = menuBar()->addMenu(QStringLiteral("&Proje"));
    proje->addAction(QStringLiteral("&Takvim…"), this, &TemelForm::TakvimPenceresiniAc);
    proje->addSeparator();
    proje->addAction(QStringLiteral("İ&lerleme…"), QKeySequence(Qt::CTRL | Qt::Key_L), this,
                     &TemelForm::IlerlemePenceresiniAc);
    proje->addAction(QStringLiteral("Taban Planı &Kaydet…"), this, &TemelForm::TabanPlaniKaydet);
    proje->addAction(QStringLiteral("Taban &Planları…"), this, &TemelForm::TabanPlanlariniAc);
    QMenu* analiz = menuBar()->addMenu(QStringLiteral("&Analiz"));
    analiz->addAction(QStringLiteral("&Ağ Analizi ve Gantt Şeması…"), QKeySequence(Qt::Key_F5), this,
                      &TemelForm::AnalizPenceresiniAc);
    QMenu* yardim = menuBar()->addMenu(QStringLiteral("&Yardım"));
    yardim->addAction(QStringLiteral("Kavrion &Hakkında"), this, &TemelForm::KavrionHakkinda);
    connect(&m_belge, &PlanBelgesi::depoDegisti, this, &TemelForm::DepoDegisti);
    // The window takes its final size, client area and menu bar, before it is centred.
    layout()->activate();
}

void TemelForm::DuzenMenusunuKur()
{
    QMenu* duzen = menuBar()->addMenu(QStringLiteral("Dü&zen"));
    m_geriAl = duzen->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_Z), this, &TemelForm::GeriAl);
    m_yinele = duzen->addAction(QString(), this, &TemelForm::Yinele);
    m_yinele->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The same keys in every window of Kavrion that no modal box blocks; a text field with
    // the focus keeps them for its own text.
    for (QAction* eylem : {m_geriAl, m_yinele})
        eylem->setShortcutContext(Qt::ApplicationShortcut);
    duzen->addSeparator();
    duzen->addAction(QStringLiteral("Geç&miş…"), this, &TemelForm::GecmisiAc);
    connect(&m_belge, &PlanBelgesi::gecmisDegisti, this, &TemelForm::DuzenMenusunuGuncelle);
    DuzenMenusunuGuncelle();
}

void TemelForm::DuzenMenusunuGuncelle()
{
    // A project's name may hold "&", which a menu would take for an access key.
    const auto adli = [](const QString& komut, const GecmisAdimi& adim) {
        return adim.kimlik == 0 ? komut
                                : komut + QStringLiteral(": ") + QString(AdimAdi(adim)).replace(QLatin1Char('&'),
                                                                                             QStringLiteral("&&"));
    };
    m_geriAl->setText(adli(QStringLiteral("&Geri Al"), m_belge.geriAlinacak()));
    m_geriAl->setEnabled(m_belge.geriAlinacak().kimlik != 0);
    m_yinele->setText(adli(QStringLiteral("&Yinele"), m_belge.yinelenecek()));
    m_yinele->setEnabled(m_belge.yinelenecek().kimlik != 0);
}

void TemelForm::GeriAl()
{
    if (const DepoHatasi hata = m_belge.GeriAl())
        Mesaj::ReddiGoster(KutuSahibi(this), hata, [this] { ProjeleriEkle(SeciliProje()); });
}

void TemelForm::Yinele()
{
    if (const DepoHatasi hata = m_belge.Yinele())
        Mesaj::ReddiGoster(KutuSahibi(this), hata, [this] { ProjeleriEkle(SeciliProje()); });
}

void TemelForm::GecmisiAc()
{
    AcYaDaOneGetir(m_gecmisPenceresi, Baglam());
}

GecmisPenceresi* TemelForm::AcikGecmisPenceresi() const
{
    return m_gecmisPenceresi;
}

void TemelForm::AnalizPenceresiniAc()
{
    AcYaDaOneGetir(m_analizPenceresi, Baglam());
}

AnalizPenceresi* TemelForm::AcikAnalizPenceresi() const
{
    return m_analizPenceresi;
}

void TemelForm::TakvimPenceresiniAc()
{
    AcYaDaOneGetir(m_takvimPenceresi, Baglam());
}

TakvimPenceresi* TemelForm::AcikTakvimPenceresi() const
{
    return m_takvimPenceresi;
}

void TemelForm::IlerlemePenceresiniAc()
{
    IlerlemePenceresi::Ac(Baglam());
}

void TemelForm::TabanPlaniKaydet()
{
    AcYaDaOneGetir(m_tabanPlanlariPenceresi, Baglam())->AdaOdaklan();
}

void TemelForm::TabanPlanlariniAc()
{
    AcYaDaOneGetir(m_tabanPlanlariPenceresi, Baglam());
}

TabanPlanlariPenceresi* TemelForm::AcikTabanPlanlariPenceresi() const
{
    return m_tabanPlanlariPenceresi;
}

void TemelForm::IceAktar()
{
    const auto secim = IceAktarim::DosyaSor(this);
    if (!secim)
        return;
    QString ret;
    const auto aktarim = AktarimiOku(secim->yol, secim->kaynak, QLocale(), ret);
    if (!aktarim) {
        Mesaj::Goster(this, QStringLiteral("\"%1\" içe aktarılamıyor.\n\n%2").arg(QFileInfo(secim->yol).fileName(), ret),
                      Mesaj::Tur::Hata);
        return;
    }
    // A new file replaces the preview of the one before.
    if (m_iceAktarmaFormu)
        m_iceAktarmaFormu->close();
    AcYaDaOneGetir(m_iceAktarmaFormu, Baglam(), secim->yol, *aktarim);
}

IceAktarmaFormu* TemelForm::AcikIceAktarmaFormu() const
{
    return m_iceAktarmaFormu;
}

void TemelForm::KavrionHakkinda()
{
    QString metin = QStringLiteral("Kavrion %1\nKritik yol yöntemiyle proje planlama.\n\nQt sürümü: %2\n")
                        .arg(QStringLiteral(KAVRION_SURUMU), QString::fromLatin1(qVersion()));
    if (const auto sunucu = m_belge.sunucu()) {
        metin += QStringLiteral("Sunucu: %1").arg(GosterilecekAdres(*sunucu));
    } else {
        DepoBilgisi bilgi;
        const DepoHatasi hata = m_belge.DepoBilgisiniOku(bilgi);
        metin += hata ? QStringLiteral("SQLite sürümü okunamadı: %1\n").arg(HataMetni(hata))
                      : QStringLiteral("SQLite sürümü: %1\n").arg(bilgi.sqliteSurumu);
        metin += QStringLiteral("Veritabanı: %1").arg(bilgi.yol);
    }
    Mesaj::Goster(this, metin, Mesaj::Tur::Bilgi);
}

void TemelForm::SunucuyaBaglan()
{
    AcYaDaOneGetir(m_sunucuyaBaglanFormu, Baglam());
}

SunucuyaBaglanFormu* TemelForm::AcikSunucuyaBaglanFormu() const
{
    return m_sunucuyaBaglanFormu;
}

void TemelForm::DepoDegisti()
{
    const QString baslik = QString::fromUtf8(Duzenler::TemelForm().baslik);
    const auto sunucu = m_belge.sunucu();
    // The file left is no longer this window's: a start on it opens it anew.
    if (sunucu)
        m_kilit.reset();
    setWindowTitle(sunucu ? QStringLiteral("%1 — Sunucu: %2").arg(baslik, GosterilecekAdres(*sunucu))
                          : QStringLiteral("%1 — %2").arg(baslik, QDir::toNativeSeparators(m_belge.VeritabaniYolu())));
    for (QWidget* diyalog : std::initializer_list<QWidget*>{m_projeDegistirFormu, m_faaliyetDegistirmeFormu,
                                                            m_faaliyetEklemeFormu, m_iceAktarmaFormu}) {
        if (diyalog)
            diyalog->close();
    }
}
