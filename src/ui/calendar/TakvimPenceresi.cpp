#include "ui/calendar/TakvimPenceresi.h"

#include "analysis/TakvimEtkisi.h"
#include "rules/BolgeselMetin.h"
#include "rules/TakvimKurallari.h"
#include "text/AnalizMetinleri.h"
#include "text/TakvimMetinleri.h"
#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "ui/PencereRolu.h"
#include "ui/TarihAlani.h"
#include "ui/layout/Kurucu.h"
#include "ui/widgets/SarilanEtiket.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr TakvimTuru Turler[] = {TakvimTuru::HerGun, TakvimTuru::PazartesiCuma, TakvimTuru::PazartesiCumartesi};
constexpr IstisnaTuru IstisnaTurleri[] = {IstisnaTuru::Tatil, IstisnaTuru::IdariIzin, IstisnaTuru::CalisilanGun};

// The exception in its place by date; one already on that day gives way to it.
void IstisnaKoy(ProjeTakvimi& takvim, const TakvimIstisnasi& istisna)
{
    auto& liste = takvim.istisnalar;
    const auto yer = std::lower_bound(liste.begin(), liste.end(), istisna.tarih,
                                      [](const TakvimIstisnasi& i, const QDate& t) { return i.tarih < t; });
    if (yer != liste.end() && yer->tarih == istisna.tarih)
        *yer = istisna;
    else
        liste.insert(yer, istisna);
}

void IstisnaCikar(ProjeTakvimi& takvim, const QDate& tarih)
{
    auto& liste = takvim.istisnalar;
    liste.erase(std::remove_if(liste.begin(), liste.end(), [&](const TakvimIstisnasi& i) { return i.tarih == tarih; }),
                liste.end());
}

QTreeWidget* Liste(QWidget* ebeveyn, const QString& ad, const QStringList& basliklar)
{
    auto* liste = new QTreeWidget(ebeveyn);
    liste->setAccessibleName(ad);
    liste->setRootIsDecorated(false);
    liste->setUniformRowHeights(true);
    liste->setHeaderLabels(basliklar);
    liste->header()->setStretchLastSection(true);
    return liste;
}

} // namespace

TakvimPenceresi::TakvimPenceresi(const DiyalogBaglami& baglam) : Diyalog(baglam)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Proje Takvimi"));
    PencereRolunuKur(this, true);
    Kur();
    resize(Piksel(9000), Piksel(8400));
    connect(&belge(), &PlanBelgesi::planDegisti, this, &TakvimPenceresi::Yenile);
    Yenile();
}

void TakvimPenceresi::Kur()
{
    auto* duzen = new QVBoxLayout(this);
    // The project whose calendar this is.
    m_durum = new SarilanEtiket(this);
    duzen->addWidget(m_durum);

    auto* form = new QFormLayout;
    m_tur = new QComboBox(this);
    for (TakvimTuru tur : Turler)
        m_tur->addItem(TakvimMetinleri::TakvimAdi(tur));
    form->addRow(Etiket(QStringLiteral("&Takvim:"), m_tur), m_tur);
    m_arife = new QCheckBox(QStringLiteral("A&rife öğleden sonraları tam gün tatil sayılsın"), this);
    form->addRow(m_arife);
    duzen->addLayout(form);
    duzen->addLayout(IstisnalariKur(), 1);
    duzen->addLayout(YiliKur(), 1);

    m_onizleme = new SarilanEtiket(this);
    m_onizleme->setAccessibleName(QStringLiteral("Değişikliğin etkisi"));
    duzen->addWidget(m_onizleme);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    m_uygula = new QPushButton(QStringLiteral("&Uygula"), this);
    m_vazgec = new QPushButton(QStringLiteral("&Vazgeç"), this);
    auto* kapat = new QPushButton(QStringLiteral("&Kapat"), this);
    for (QPushButton* dugme : {m_uygula, m_vazgec, kapat})
        dugmeler->addWidget(dugme);
    duzen->addLayout(dugmeler);

    KapatmaTuslariniKur();
    connect(m_tur, &QComboBox::activated, this, [this](int i) {
        m_duzenlenen.tur = Turler[std::clamp(i, 0, 2)];
        DuzenlenenDegisti();
    });
    connect(m_arife, &QCheckBox::toggled, this, [this](bool tatil) {
        m_duzenlenen.arifelerTatil = tatil;
        DuzenlenenDegisti();
    });
    connect(m_uygula, &QPushButton::clicked, this, &TakvimPenceresi::UygulaDugmesi_Click);
    connect(m_vazgec, &QPushButton::clicked, this, &TakvimPenceresi::VazgecDugmesi_Click);
    connect(kapat, &QPushButton::clicked, this, &QWidget::close);
}

// The project's own days: the list, and the fields that add, change or remove one.
QLayout* TakvimPenceresi::IstisnalariKur()
{
    auto* duzen = new QVBoxLayout;
    m_istisnalar = Liste(this, QStringLiteral("İstisnalar"),
                         {QStringLiteral("Tarih"), QStringLiteral("Tür"), QStringLiteral("Ad")});
    duzen->addWidget(Etiket(QStringLiteral("Projenin &istisnaları:"), m_istisnalar));
    duzen->addWidget(m_istisnalar, 1);
    auto* alanlar = new QHBoxLayout;
    m_tarih = new QLineEdit(this);
    m_tarih->setPlaceholderText(BolgeselMetin::TarihBicimiIpucu());
    m_istisnaTuru = new QComboBox(this);
    for (IstisnaTuru tur : IstisnaTurleri)
        m_istisnaTuru->addItem(TakvimMetinleri::IstisnaTuruAdi(tur));
    m_ad = new QLineEdit(this);
    m_ad->setMaxLength(IstisnaAdiSiniri);
    m_ekle = new QPushButton(QStringLiteral("&Ekle"), this);
    m_degistir = new QPushButton(QStringLiteral("&Değiştir"), this);
    m_kaldir = new QPushButton(QStringLiteral("&Sil"), this);
    alanlar->addWidget(Etiket(QStringLiteral("Tari&h:"), m_tarih));
    alanlar->addWidget(m_tarih);
    alanlar->addWidget(Etiket(QStringLiteral("T&ür:"), m_istisnaTuru));
    alanlar->addWidget(m_istisnaTuru);
    alanlar->addWidget(Etiket(QStringLiteral("&Adı:"), m_ad));
    alanlar->addWidget(m_ad, 1);
    for (QPushButton* dugme : {m_ekle, m_degistir, m_kaldir})
        alanlar->addWidget(dugme);
    duzen->addLayout(alanlar);
    // The date is checked as every date field checks it: on Enter and when left.
    OdakKaybindaCalistir(m_tarih, [this] { TarihAlaniniDenetle(this, m_tarih); });
    connect(m_istisnalar, &QTreeWidget::currentItemChanged, this, &TakvimPenceresi::IstisnaSecildi);
    connect(m_ekle, &QPushButton::clicked, this, &TakvimPenceresi::IstisnaEkleDugmesi_Click);
    connect(m_degistir, &QPushButton::clicked, this, &TakvimPenceresi::IstisnaDegistirDugmesi_Click);
    connect(m_kaldir, &QPushButton::clicked, this, &TakvimPenceresi::IstisnaKaldirDugmesi_Click);
    return duzen;
}

// A year's days off beyond the week's own, and how far the bundled dates are confirmed.
QLayout* TakvimPenceresi::YiliKur()
{
    auto* duzen = new QVBoxLayout;
    auto* not_ = new QLabel(TakvimMetinleri::KesinlikNotu(), this);
    not_->setWordWrap(true);
    duzen->addWidget(not_);
    auto* satir = new QHBoxLayout;
    m_yil = new QSpinBox(this);
    m_yil->setRange(1900, 2200);
    m_yil->setValue(QDate::currentDate().year());
    satir->addWidget(Etiket(QStringLiteral("&Yılın tatilleri:"), m_yil));
    satir->addWidget(m_yil);
    satir->addStretch(1);
    duzen->addLayout(satir);
    m_tatiller = Liste(this, QStringLiteral("Yılın tatilleri"), {QStringLiteral("Tarih"), QStringLiteral("Ad")});
    duzen->addWidget(m_tatiller, 1);
    m_kaynak = new SarilanEtiket(this);
    m_kaynak->setAccessibleName(QStringLiteral("Bayram tarihlerinin kaynağı"));
    duzen->addWidget(m_kaynak);
    connect(m_yil, &QSpinBox::valueChanged, this, &TakvimPenceresi::YiliGoster);
    return duzen;
}

void TakvimPenceresi::Yenile()
{
    const QString ad = belge().seciliProje();
    const auto& plan = belge().plan();
    const bool yeniProje = ad != m_proje;
    DuzenlemeyiSec(ad, bool(plan), plan ? plan->proje.takvim : ProjeTakvimi());
    const QString durum = ad.isEmpty() ? QStringLiteral("Seçili proje yok.")
                          : plan      ? QStringLiteral("Proje: %1").arg(ad.left(AnalizMetinleri::AdSiniri))
                                      : QStringLiteral("%1: proje okunamadı.").arg(ad.left(AnalizMetinleri::AdSiniri));
    m_durum->setText(m_not.isEmpty() ? durum : durum + QLatin1Char(' ') + m_not);
    for (QWidget* denetim : std::initializer_list<QWidget*>{m_tur, m_arife, m_istisnalar, m_tarih, m_istisnaTuru, m_ad,
                                                            m_ekle, m_degistir, m_kaldir})
        denetim->setEnabled(m_planVar);
    if (yeniProje && plan && plan->proje.baslama.deger) {
        const QSignalBlocker sessiz(m_yil);
        m_yil->setValue(plan->proje.baslama.deger->year());
    }
    DenetimleriDoldur();
    DuzenlenenDegisti();
}

void TakvimPenceresi::DuzenlemeyiSec(const QString& ad, bool planVar, const ProjeTakvimi& kayitli)
{
    const QString atildi = QStringLiteral("Uygulanmamış takvim değişikliği atıldı: projenin takvimi bu arada değişti.");
    if (ad != m_proje) {
        if (Degisti())
            m_bekleyenler.insert(m_proje, {m_kayitli, m_duzenlenen});
        // A project deleted or renamed takes its edit with it.
        for (auto i = m_bekleyenler.begin(); i != m_bekleyenler.end();)
            i = belge().projeler().contains(i.key()) ? std::next(i) : m_bekleyenler.erase(i);
        m_not.clear();
        m_kayitli = m_duzenlenen = kayitli;
        if (m_bekleyenler.contains(ad)) {
            const Duzenleme bekleyen = m_bekleyenler.take(ad);
            if (planVar && bekleyen.kayitli == kayitli)
                m_duzenlenen = bekleyen.duzenlenen;
            else
                m_not = atildi;
        }
    } else if (planVar != m_planVar || kayitli != m_kayitli) {
        // The edit just applied is no edit dropped.
        if (Degisti() && kayitli != m_duzenlenen)
            m_not = atildi;
        m_kayitli = m_duzenlenen = kayitli;
    }
    m_proje = ad;
    m_planVar = planVar;
}

void TakvimPenceresi::DenetimleriDoldur()
{
    const QSignalBlocker tur(m_tur), arife(m_arife);
    m_tur->setCurrentIndex(int(std::find(std::begin(Turler), std::end(Turler), m_duzenlenen.tur) - std::begin(Turler)));
    m_arife->setChecked(m_duzenlenen.arifelerTatil);
}

bool TakvimPenceresi::Degisti() const
{
    return m_planVar && m_duzenlenen != m_kayitli;
}

void TakvimPenceresi::DuzenlenenDegisti()
{
    IstisnalariGoster();
    YiliGoster();
    Onizle();
    m_uygula->setEnabled(Degisti());
    m_vazgec->setEnabled(Degisti());
}

void TakvimPenceresi::IstisnalariGoster()
{
    const QDate secili = m_istisnalar->currentItem() ? m_istisnalar->currentItem()->data(0, Qt::UserRole).toDate() : QDate();
    const QSignalBlocker sessiz(m_istisnalar);
    m_istisnalar->clear();
    for (const TakvimIstisnasi& istisna : std::as_const(m_duzenlenen.istisnalar)) {
        auto* satir = new QTreeWidgetItem(m_istisnalar, {BolgeselMetin::TarihYaz(istisna.tarih),
                                                         TakvimMetinleri::IstisnaTuruAdi(istisna.tur), istisna.ad});
        satir->setData(0, Qt::UserRole, istisna.tarih);
        if (istisna.tarih == secili)
            m_istisnalar->setCurrentItem(satir);
    }
    m_istisnalar->resizeColumnToContents(0);
    m_istisnalar->resizeColumnToContents(1);
    const bool secim = m_planVar && m_istisnalar->currentItem();
    m_degistir->setEnabled(secim);
    m_kaldir->setEnabled(secim);
}

void TakvimPenceresi::YiliGoster()
{
    m_kaynak->setText(TakvimMetinleri::KaynakNotu(m_yil->value()));
    m_tatiller->clear();
    if (!m_planVar)
        return;
    const IsTakvimi takvim(m_duzenlenen);
    const int yil = m_yil->value();
    QList<QTreeWidgetItem*> satirlar;
    for (QDate gun(yil, 1, 1); gun.year() == yil; gun = gun.addDays(1)) {
        const GunBilgisi bilgi = takvim.Gun(gun);
        if (!bilgi.calisilir && (bilgi.tatil || bilgi.istisna))
            satirlar.append(new QTreeWidgetItem({BolgeselMetin::TarihYaz(gun), TakvimMetinleri::GunAdi(bilgi)}));
    }
    m_tatiller->addTopLevelItems(satirlar);
    m_tatiller->resizeColumnToContents(0);
}

void TakvimPenceresi::Onizle()
{
    const auto& plan = belge().plan();
    if (!plan) {
        m_onizleme->clear();
        return;
    }
    if (!Degisti()) {
        m_onizleme->setText(QStringLiteral("Takvim kayıtlı haliyle gösteriliyor."));
        return;
    }
    KayitliProje proje = plan->proje;
    proje.takvim = m_duzenlenen;
    const AgAnalizi yeni = AnaliziHesapla(plan->faaliyetler, proje, belge().cizelge());
    m_onizleme->setText(TakvimMetinleri::DegisiklikOnizlemesi(TakvimEtkisiniHesapla(belge().analiz(), yeni)));
}

void TakvimPenceresi::IstisnaSecildi()
{
    const QTreeWidgetItem* satir = m_istisnalar->currentItem();
    const bool secim = m_planVar && satir;
    m_degistir->setEnabled(secim);
    m_kaldir->setEnabled(secim);
    if (!satir)
        return;
    const QDate tarih = satir->data(0, Qt::UserRole).toDate();
    for (const TakvimIstisnasi& istisna : std::as_const(m_duzenlenen.istisnalar)) {
        if (istisna.tarih != tarih)
            continue;
        m_tarih->setText(BolgeselMetin::TarihYaz(istisna.tarih));
        m_istisnaTuru->setCurrentIndex(int(istisna.tur));
        m_ad->setText(istisna.ad);
    }
}

std::optional<TakvimIstisnasi> TakvimPenceresi::AlanlardakiIstisna()
{
    if (TarihAlaniniDenetle(this, m_tarih) == TarihKarari::Tur::Reddet)
        return std::nullopt;
    const auto tarih = BolgeselMetin::TarihOku(m_tarih->text());
    if (!tarih) {
        Mesaj::Goster(this, QStringLiteral("İstisnanın tarihini giriniz."), Mesaj::Tur::Bilgi);
        m_tarih->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    return TakvimIstisnasi{*tarih, IstisnaTurleri[std::clamp(m_istisnaTuru->currentIndex(), 0, 2)], m_ad->text().trimmed()};
}

void TakvimPenceresi::IstisnaEkleDugmesi_Click()
{
    const auto istisna = AlanlardakiIstisna();
    if (!istisna)
        return;
    IstisnaKoy(m_duzenlenen, *istisna);
    DuzenlenenDegisti();
}

void TakvimPenceresi::IstisnaDegistirDugmesi_Click()
{
    const QTreeWidgetItem* satir = m_istisnalar->currentItem();
    const auto istisna = satir ? AlanlardakiIstisna() : std::nullopt;
    if (!istisna)
        return;
    IstisnaCikar(m_duzenlenen, satir->data(0, Qt::UserRole).toDate());
    IstisnaKoy(m_duzenlenen, *istisna);
    DuzenlenenDegisti();
}

void TakvimPenceresi::IstisnaKaldirDugmesi_Click()
{
    const QTreeWidgetItem* satir = m_istisnalar->currentItem();
    if (!satir)
        return;
    IstisnaCikar(m_duzenlenen, satir->data(0, Qt::UserRole).toDate());
    DuzenlenenDegisti();
}

void TakvimPenceresi::VazgecDugmesi_Click()
{
    m_duzenlenen = m_kayitli;
    DenetimleriDoldur();
    DuzenlenenDegisti();
}

void TakvimPenceresi::UygulaDugmesi_Click()
{
    if (!Degisti())
        return;
    // Over the calendar shown: one changed elsewhere and not shown yet makes the store refuse.
    const TakvimDegistirKomutu komut{m_proje, m_kayitli, m_duzenlenen};
    const KomutHatasi hata = belge().Calistir(komut);
    if (hata.takvim)
        Mesaj::Goster(this, TakvimReddiMetni(hata.takvim), Mesaj::Tur::Bilgi);
    else if (hata)
        Mesaj::ReddiGoster(this, hata.depo, [this] { belge().Sec(belge().seciliProje()); });
}

void TakvimPenceresi::closeEvent(QCloseEvent* olay)
{
    // An edit not applied is asked about, as a trial is: applied, dropped, or kept open.
    if (Degisti()) {
        const auto yanit = Mesaj::Goster(this, QStringLiteral("\"%1\" projesinin takvimindeki değişiklik uygulanmadı.\n\n%2\n\n"
                                                              "Uygulansın mı? Bırakılırsa kaydedilmeden atılır.")
                                                   .arg(m_proje.left(AnalizMetinleri::AdSiniri), m_onizleme->text()),
                                         Mesaj::Tur::Uygulanmamis);
        if (yanit == QMessageBox::Save)
            UygulaDugmesi_Click();
        // A refused apply keeps the window, and the edit, open.
        if (yanit == QMessageBox::Cancel || (yanit == QMessageBox::Save && Degisti())) {
            olay->ignore();
            return;
        }
    }
    olay->accept();
}
