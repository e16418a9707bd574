#include "ui/progress/TabanPlanlariPenceresi.h"

#include "kernel/TarihEsleme.h"
#include "rules/BolgeselMetin.h"
#include "rules/IlerlemeKurallari.h"
#include "ui/Mesaj.h"
#include "ui/PencereRolu.h"
#include "ui/progress/IlerlemeReddi.h"
#include "ui/widgets/SarilanEtiket.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The plan's dates and durations as the analysis gives them now, kept under `ad`.
TabanPlani TabanPlaniniOlustur(const AgAnalizi& analiz, const Plan& plan, const QString& ad)
{
    TabanPlani taban;
    taban.ad = ad;
    taban.kayitTarihi = QDate::currentDate();
    taban.baslama = GununTarihi(analiz.takvim, plan.proje.baslama.deger.value_or(QDate()), 0);
    taban.bitis = analiz.plan.enErkenBitis;
    for (const FaaliyetAnalizi& f : analiz.faaliyetler)
        taban.satirlar.append({f.kodu, f.baslama, f.bitis, f.ef - f.es});
    return taban;
}

} // namespace

TabanPlanlariPenceresi::TabanPlanlariPenceresi(const DiyalogBaglami& baglam) : Diyalog(baglam)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Taban Planları"));
    PencereRolunuKur(this, false);
    Kur();
    connect(&belge(), &PlanBelgesi::planDegisti, this, &TabanPlanlariPenceresi::Yenile);
    Yenile();
}

void TabanPlanlariPenceresi::Kur()
{
    auto* duzen = new QVBoxLayout(this);
    m_durum = new SarilanEtiket(this);
    duzen->addWidget(m_durum);
    m_liste = new QTreeWidget(this);
    m_liste->setAccessibleName(QStringLiteral("Taban planları"));
    m_liste->setRootIsDecorated(false);
    m_liste->setUniformRowHeights(true);
    m_liste->setHeaderLabels({QStringLiteral("No"), QStringLiteral("Ad"), QStringLiteral("Kayıt tarihi"),
                              QStringLiteral("Bitiş"), QStringLiteral("Karşılaştırılan")});
    m_liste->header()->setStretchLastSection(true);
    duzen->addWidget(Etiket(QStringLiteral("Projenin &taban planları:"), m_liste));
    duzen->addWidget(m_liste, 1);

    auto* alanlar = new QHBoxLayout;
    m_ad = new QLineEdit(this);
    m_ad->setMaxLength(TabanAdiSiniri);
    m_tarih = new QLabel(this);
    m_kaydet = new QPushButton(QStringLiteral("Taban Planı &Kaydet"), this);
    alanlar->addWidget(Etiket(QStringLiteral("&Adı:"), m_ad));
    alanlar->addWidget(m_ad, 1);
    alanlar->addWidget(m_tarih);
    alanlar->addWidget(m_kaydet);
    duzen->addLayout(alanlar);

    auto* dugmeler = new QHBoxLayout;
    m_adlandir = new QPushButton(QStringLiteral("&Yeniden Adlandır"), this);
    m_sil = new QPushButton(QStringLiteral("&Sil"), this);
    m_sec = new QPushButton(QStringLiteral("Karşılaştırmaya S&eç"), this);
    auto* kapat = new QPushButton(QStringLiteral("Ka&pat"), this);
    for (QPushButton* dugme : {m_adlandir, m_sil, m_sec})
        dugmeler->addWidget(dugme);
    dugmeler->addStretch(1);
    dugmeler->addWidget(kapat);
    duzen->addLayout(dugmeler);

    KapatmaTuslariniKur();
    connect(m_liste, &QTreeWidget::currentItemChanged, this, &TabanPlanlariPenceresi::SecimDegisti);
    connect(m_ad, &QLineEdit::returnPressed, this, &TabanPlanlariPenceresi::KaydetDugmesi_Click);
    connect(m_kaydet, &QPushButton::clicked, this, &TabanPlanlariPenceresi::KaydetDugmesi_Click);
    connect(m_adlandir, &QPushButton::clicked, this, &TabanPlanlariPenceresi::AdlandirDugmesi_Click);
    connect(m_sil, &QPushButton::clicked, this, &TabanPlanlariPenceresi::SilDugmesi_Click);
    connect(m_sec, &QPushButton::clicked, this, &TabanPlanlariPenceresi::SecDugmesi_Click);
    connect(kapat, &QPushButton::clicked, this, &QWidget::close);
}

void TabanPlanlariPenceresi::Yenile()
{
    const auto& plan = belge().plan();
    m_proje = belge().seciliProje();
    m_durum->setText(ProjeSatiri());
    m_tarih->setText(QStringLiteral("Kayıt tarihi: %1").arg(BolgeselMetin::TarihYaz(QDate::currentDate())));
    const qint32 secili = SeciliNumara();
    m_liste->clear();
    const TabanPlanlari tabanlar = plan ? plan->proje.tabanlar : TabanPlanlari();
    for (const TabanPlani& taban : tabanlar.planlar) {
        const bool karsilastirilan = taban.numara == tabanlar.karsilastirilan;
        auto* satir = new QTreeWidgetItem(
            m_liste, {QString::number(taban.numara), taban.ad, BolgeselMetin::TarihYaz(taban.kayitTarihi),
                      taban.bitis.isValid() ? BolgeselMetin::TarihYaz(taban.bitis) : QString(),
                      karsilastirilan ? QStringLiteral("Evet") : QString()});
        satir->setData(0, Qt::UserRole, taban.numara);
        if (taban.numara == secili)
            m_liste->setCurrentItem(satir);
    }
    for (int sutun : {0, 2, 3})
        m_liste->resizeColumnToContents(sutun);
    m_ad->setEnabled(bool(plan));
    m_kaydet->setEnabled(bool(plan));
    SecimDegisti();
}

void TabanPlanlariPenceresi::SecimDegisti()
{
    const qint32 numara = SeciliNumara();
    for (QPushButton* dugme : {m_adlandir, m_sil, m_sec})
        dugme->setEnabled(numara >= 0);
    const auto& plan = belge().plan();
    const bool karsilastirilan = plan && numara >= 0 && plan->proje.tabanlar.karsilastirilan == numara;
    m_sec->setText(karsilastirilan ? QStringLiteral("Karşılaştırmadan &Çıkar") : QStringLiteral("Karşılaştırmaya S&eç"));
}

qint32 TabanPlanlariPenceresi::SeciliNumara() const
{
    const QTreeWidgetItem* satir = m_liste->currentItem();
    return satir ? satir->data(0, Qt::UserRole).toInt() : -1;
}

void TabanPlanlariPenceresi::AdaOdaklan()
{
    m_ad->setFocus(Qt::OtherFocusReason);
    m_ad->selectAll();
}

QString TabanPlanlariPenceresi::AlandakiAd() const
{
    return m_ad->text().trimmed();
}

void TabanPlanlariPenceresi::KaydetDugmesi_Click()
{
    const auto& plan = belge().plan();
    if (!plan)
        return;
    // The stored plan, not a trial shown in its place: a baseline keeps what was promised.
    const AgAnalizi& analiz = belge().analiz();
    if (analiz.hata.Var() || !analiz.plan.enErkenBitis.isValid()) {
        Mesaj::Goster(this,
                      QStringLiteral("Taban planı kaydedilemez: projenin hesaplanabilen bir planı ve başlama tarihi "
                                     "olmalıdır."),
                      Mesaj::Tur::Bilgi);
        return;
    }
    IlerlemeReddiniGoster(this, belge(), belge().Calistir(TabanKaydetKomutu{m_proje, TabanPlaniniOlustur(analiz, *plan, AlandakiAd())}));
}

void TabanPlanlariPenceresi::AdlandirDugmesi_Click()
{
    const auto& plan = belge().plan();
    const qint32 numara = SeciliNumara();
    const QString ad = AlandakiAd();
    for (const TabanPlani& taban : plan && numara >= 0 ? plan->proje.tabanlar.planlar : QVector<TabanPlani>()) {
        if (taban.numara == numara && taban.ad != ad)
            IlerlemeReddiniGoster(this, belge(), belge().Calistir(TabanAdlandirKomutu{m_proje, numara, taban.ad, ad}));
    }
}

void TabanPlanlariPenceresi::SilDugmesi_Click()
{
    const auto& plan = belge().plan();
    const qint32 numara = SeciliNumara();
    for (const TabanPlani& taban : plan && numara >= 0 ? plan->proje.tabanlar.planlar : QVector<TabanPlani>()) {
        if (taban.numara != numara)
            continue;
        if (Mesaj::Onayla(this, QStringLiteral("\"%1\" taban planı silinsin mi?").arg(taban.ad)))
            IlerlemeReddiniGoster(this, belge(), belge().Calistir(TabanSilKomutu{m_proje, taban}));
        return;
    }
}

void TabanPlanlariPenceresi::SecDugmesi_Click()
{
    const auto& plan = belge().plan();
    const qint32 numara = SeciliNumara();
    if (!plan || numara < 0)
        return;
    const qint32 eski = plan->proje.tabanlar.karsilastirilan;
    IlerlemeReddiniGoster(this, belge(), belge().Calistir(TabanSecKomutu{m_proje, eski, eski == numara ? -1 : numara}));
}
