#include "ui/history/GecmisPenceresi.h"

#include "plan/AdimAdi.h"
#include "ui/Mesaj.h"
#include "ui/PencereRolu.h"
#include "ui/layout/Kurucu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int KimlikRolu = Qt::UserRole;

// A walk refused at its first step wrote nothing, as the store's words say. One that took
// steps before says how many and where it stopped: the store's "nothing written" is true
// of that last step only.
DepoHatasi Reddi(const Gezinti& gezinti)
{
    if (gezinti.atilan == 0)
        return gezinti.hata;
    QString neden = gezinti.hata.aciklama;
    if (const QString son = AdimReddininSonu(gezinti.geri); neden.endsWith(son))
        neden = neden.chopped(son.size()) + QLatin1Char('.');
    DepoHatasi hata = gezinti.hata;
    hata.aciklama = QStringLiteral("%1 adım %2; \"%3\" adımında durdu: %4")
                        .arg(QLocale().toString(gezinti.atilan),
                             gezinti.geri ? QStringLiteral("geri alındı") : QStringLiteral("yinelendi"),
                             AdimAdi(gezinti.duran), neden);
    return hata;
}

} // namespace

GecmisPenceresi::GecmisPenceresi(const DiyalogBaglami& baglam) : Diyalog(baglam)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Geçmiş"));
    PencereRolunuKur(this, false);

    auto* duzen = new QVBoxLayout(this);
    auto* etiket = new QLabel(QStringLiteral("&Adımlar (geri alınanlar soluk):"), this);
    duzen->addWidget(etiket);
    m_liste = new QTreeWidget(this);
    m_liste->setAccessibleName(QStringLiteral("Adımlar"));
    m_liste->setRootIsDecorated(false);
    m_liste->setUniformRowHeights(true);
    m_liste->setHeaderLabels({QStringLiteral("Zaman"), QStringLiteral("Adım")});
    m_liste->header()->setStretchLastSection(true);
    etiket->setBuddy(m_liste);
    duzen->addWidget(m_liste, 1);

    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    m_don = new QPushButton(QStringLiteral("Bu &Noktaya Dön"), this);
    auto* kapat = new QPushButton(QStringLiteral("&Kapat"), this);
    dugmeler->addWidget(m_don);
    dugmeler->addWidget(kapat);
    duzen->addLayout(dugmeler);
    m_don->setDefault(true);
    resize(Piksel(8400), Piksel(6000));
    // Esc and Ctrl+W close it, as they close the analysis window.
    auto* kapatma = new QAction(this);
    kapatma->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(kapatma, &QAction::triggered, this, &QWidget::close);
    addAction(kapatma);

    connect(m_don, &QPushButton::clicked, this, &GecmisPenceresi::NoktayaDonDugmesi_Click);
    connect(kapat, &QPushButton::clicked, this, &QWidget::close);
    connect(m_liste, &QTreeWidget::itemActivated, this, &GecmisPenceresi::NoktayaDonDugmesi_Click);
    connect(&belge(), &PlanBelgesi::gecmisDegisti, this, &GecmisPenceresi::Yenile);
    Yenile();
}

void GecmisPenceresi::Yenile()
{
    m_liste->clear();
    QVector<GecmisAdimi> adimlar;
    if (const DepoHatasi hata = belge().GecmisiOku(adimlar)) {
        Mesaj::HatayiGoster(this, hata);
        return;
    }
    QList<QTreeWidgetItem*> satirlar;
    auto* baslangic = new QTreeWidgetItem({QString(), QStringLiteral("İlk kayıtlı durum")});
    baslangic->setData(0, KimlikRolu, qint64(0));
    satirlar.append(baslangic);
    QTreeWidgetItem* bulunulan = baslangic;
    for (const GecmisAdimi& adim : std::as_const(adimlar)) {
        auto* satir = new QTreeWidgetItem(
            {QLocale().toString(adim.zaman.toLocalTime(), QLocale::ShortFormat), AdimAdi(adim)});
        satir->setData(0, KimlikRolu, adim.kimlik);
        if (adim.uygulandi)
            bulunulan = satir;
        else
            for (int sutun : {0, 1})
                satir->setForeground(sutun, palette().brush(QPalette::Disabled, QPalette::Text));
        satirlar.append(satir);
    }
    m_liste->addTopLevelItems(satirlar);
    m_liste->setCurrentItem(bulunulan);
    m_liste->scrollToItem(bulunulan);
    m_liste->resizeColumnToContents(0);
}

void GecmisPenceresi::NoktayaDonDugmesi_Click()
{
    const QTreeWidgetItem* satir = m_liste->currentItem();
    if (!satir)
        return;
    if (const Gezinti gezinti = belge().AdimaGit(satir->data(0, KimlikRolu).toLongLong()); gezinti.hata)
        Mesaj::ReddiGoster(this, Reddi(gezinti), [this] { ProjeleriYenile(belge().seciliProje()); });
}
