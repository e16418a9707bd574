#include "ui/progress/IlerlemePenceresi.h"

#include "rules/BolgeselMetin.h"
#include "ui/OdakKaybi.h"
#include "ui/PencereRolu.h"
#include "ui/progress/IlerlemeReddi.h"
#include "ui/TarihAlani.h"
#include "ui/widgets/SarilanEtiket.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLineEdit* TarihKutusu(QWidget* ebeveyn)
{
    auto* kutu = new QLineEdit(ebeveyn);
    kutu->setPlaceholderText(BolgeselMetin::TarihBicimiIpucu());
    // The date is checked as every date field checks it: when left.
    OdakKaybindaCalistir(kutu, [ebeveyn, kutu] { TarihAlaniniDenetle(ebeveyn, kutu); });
    return kutu;
}

// The field's date; an empty field is no date, and a text that is none gets the rule's box.
std::optional<QDate> AlandakiTarih(QWidget* pencere, QLineEdit* alan)
{
    if (TarihAlaniniDenetle(pencere, alan) == TarihKarari::Tur::Reddet)
        return std::nullopt;
    return BolgeselMetin::TarihOku(alan->text()).value_or(QDate());
}

QString TarihMetni(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QString();
}

} // namespace

IlerlemePenceresi::IlerlemePenceresi(const DiyalogBaglami& baglam) : Diyalog(baglam)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("İlerleme"));
    PencereRolunuKur(this, false);
    Kur();
    connect(&belge(), &PlanBelgesi::planDegisti, this, &IlerlemePenceresi::Yenile);
    Yenile();
}

IlerlemePenceresi* IlerlemePenceresi::Ac(const DiyalogBaglami& baglam, const QString& kodu)
{
    // One window for the owner, whichever window asked for it.
    QPointer<IlerlemePenceresi> acik = Acik(baglam.sahip);
    IlerlemePenceresi* pencere = AcYaDaOneGetir(acik, baglam);
    if (!kodu.isEmpty())
        pencere->FaaliyetiSec(kodu);
    return pencere;
}

IlerlemePenceresi* IlerlemePenceresi::Acik(const QWidget* sahip)
{
    for (QObject* cocuk : sahip->children()) {
        auto* pencere = dynamic_cast<IlerlemePenceresi*>(cocuk);
        if (pencere && !pencere->isHidden())
            return pencere;
    }
    return nullptr;
}

void IlerlemePenceresi::Kur()
{
    auto* duzen = new QVBoxLayout(this);
    m_durum = new SarilanEtiket(this);
    duzen->addWidget(m_durum);
    auto* satir = new QHBoxLayout;
    m_durumTarihi = TarihKutusu(this);
    m_durumUygula = new QPushButton(QStringLiteral("Durum Tarihini &Uygula"), this);
    satir->addWidget(Etiket(QStringLiteral("&Durum Tarihi:"), m_durumTarihi));
    satir->addWidget(m_durumTarihi, 1);
    satir->addWidget(m_durumUygula);
    duzen->addLayout(satir);
    duzen->addLayout(FaaliyetAlanlariniKur());
    m_turetilen = new SarilanEtiket(this);
    duzen->addWidget(m_turetilen);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    m_uygula = new QPushButton(QStringLiteral("İlerlemeyi &Kaydet"), this);
    m_temizle = new QPushButton(QStringLiteral("İlerlemeyi &Temizle"), this);
    auto* kapat = new QPushButton(QStringLiteral("Ka&pat"), this);
    for (QPushButton* dugme : {m_uygula, m_temizle, kapat})
        dugmeler->addWidget(dugme);
    duzen->addLayout(dugmeler);

    KapatmaTuslariniKur();
    connect(m_durumUygula, &QPushButton::clicked, this, &IlerlemePenceresi::DurumTarihiDugmesi_Click);
    connect(m_durumTarihi, &QLineEdit::returnPressed, this, &IlerlemePenceresi::DurumTarihiDugmesi_Click);
    connect(m_uygula, &QPushButton::clicked, this, &IlerlemePenceresi::UygulaDugmesi_Click);
    connect(m_temizle, &QPushButton::clicked, this, &IlerlemePenceresi::TemizleDugmesi_Click);
    connect(kapat, &QPushButton::clicked, this, &QWidget::close);
}

QLayout* IlerlemePenceresi::FaaliyetAlanlariniKur()
{
    auto* form = new QFormLayout;
    m_faaliyet = new QComboBox(this);
    m_faaliyet->setAccessibleName(QStringLiteral("Faaliyetler"));
    m_baslama = TarihKutusu(this);
    m_bitis = TarihKutusu(this);
    m_yuzde = new QSpinBox(this);
    m_yuzde->setRange(0, 100);
    m_kalan = new QSpinBox(this);
    m_kalan->setRange(0, 999999);
    form->addRow(Etiket(QStringLiteral("&Faaliyet:"), m_faaliyet), m_faaliyet);
    form->addRow(Etiket(QStringLiteral("&Gerçek başlama:"), m_baslama), m_baslama);
    form->addRow(Etiket(QStringLiteral("Gerçek &bitiş:"), m_bitis), m_bitis);
    form->addRow(Etiket(QStringLiteral("Tamamlanma &yüzdesi:"), m_yuzde), m_yuzde);
    form->addRow(Etiket(QStringLiteral("Ka&lan gün:"), m_kalan), m_kalan);
    connect(m_faaliyet, &QComboBox::currentIndexChanged, this, &IlerlemePenceresi::AlanlariDoldur);
    connect(m_yuzde, &QSpinBox::valueChanged, this, [this] { GirilenDegisti(false); });
    connect(m_kalan, &QSpinBox::valueChanged, this, [this] { GirilenDegisti(true); });
    return form;
}

void IlerlemePenceresi::Yenile()
{
    const auto& plan = belge().plan();
    m_proje = belge().seciliProje();
    m_durum->setText(ProjeSatiri());
    m_durumTarihi->setText(plan ? TarihMetni(plan->proje.ilerleme.durumTarihi) : QString());
    FaaliyetleriDoldur(SeciliKod());
    for (QWidget* denetim : std::initializer_list<QWidget*>{m_durumTarihi, m_durumUygula})
        denetim->setEnabled(bool(plan));
}

void IlerlemePenceresi::FaaliyetleriDoldur(const QString& secilecek)
{
    const auto& plan = belge().plan();
    {
        const QSignalBlocker sessiz(m_faaliyet);
        m_faaliyet->clear();
        for (const KayitliFaaliyet& f : plan ? plan->faaliyetler : QVector<KayitliFaaliyet>())
            m_faaliyet->addItem(QStringLiteral("%1 – %2").arg(f.kodu, f.adi), f.kodu);
        m_faaliyet->setCurrentIndex(std::max(0, m_faaliyet->findData(secilecek)));
    }
    const bool var = m_faaliyet->count() > 0;
    for (QWidget* denetim : std::initializer_list<QWidget*>{m_faaliyet, m_baslama, m_bitis, m_yuzde, m_kalan,
                                                            m_uygula, m_temizle})
        denetim->setEnabled(var);
    AlanlariDoldur();
}

void IlerlemePenceresi::FaaliyetiSec(const QString& kodu)
{
    const int i = m_faaliyet->findData(kodu);
    if (i >= 0)
        m_faaliyet->setCurrentIndex(i);
}

void IlerlemePenceresi::AlanlariDoldur()
{
    const FaaliyetIlerlemesi ilerleme = KayitliIlerleme().value_or(FaaliyetIlerlemesi());
    const qint32 sure = SeciliSure();
    const QSignalBlocker yuzde(m_yuzde), kalan(m_kalan);
    m_baslama->setText(TarihMetni(ilerleme.gercekBaslama));
    m_bitis->setText(TarihMetni(ilerleme.gercekBitis));
    m_yuzde->setValue(TamamlanmaYuzdesi(sure, ilerleme));
    m_kalan->setValue(KalanGun(sure, ilerleme));
    m_kalanVerildi = ilerleme.kalan >= 0;
    TuretileniGoster();
}

void IlerlemePenceresi::GirilenDegisti(bool kalanVerildi)
{
    m_kalanVerildi = kalanVerildi;
    FaaliyetIlerlemesi ilerleme;
    ilerleme.yuzde = m_yuzde->value();
    ilerleme.kalan = kalanVerildi ? m_kalan->value() : -1;
    const QSignalBlocker yuzde(m_yuzde), kalan(m_kalan);
    m_yuzde->setValue(TamamlanmaYuzdesi(SeciliSure(), ilerleme));
    m_kalan->setValue(KalanGun(SeciliSure(), ilerleme));
    TuretileniGoster();
}

void IlerlemePenceresi::TuretileniGoster()
{
    const QString metin = m_faaliyet->count() == 0 ? QString()
                          : m_kalanVerildi
                              ? QStringLiteral("Kalan gün girildi; tamamlanma yüzdesi süreden (%1 gün) hesaplandı.")
                              : QStringLiteral("Tamamlanma yüzdesi girildi; kalan gün süreden (%1 gün) hesaplandı.");
    m_turetilen->setText(metin.isEmpty() ? metin : metin.arg(BolgeselMetin::KullanilacakYerel(QLocale()).toString(SeciliSure())));
}

QString IlerlemePenceresi::SeciliKod() const
{
    return m_faaliyet->currentData().toString();
}

qint32 IlerlemePenceresi::SeciliSure() const
{
    const auto& plan = belge().plan();
    for (const KayitliFaaliyet& f : plan ? plan->faaliyetler : QVector<KayitliFaaliyet>()) {
        if (f.kodu == SeciliKod())
            return f.sure.deger.value_or(0);
    }
    return 0;
}

std::optional<FaaliyetIlerlemesi> IlerlemePenceresi::KayitliIlerleme() const
{
    const auto& plan = belge().plan();
    if (!plan || !plan->proje.ilerleme.faaliyetler.contains(SeciliKod()))
        return std::nullopt;
    return plan->proje.ilerleme.faaliyetler.value(SeciliKod());
}

std::optional<FaaliyetIlerlemesi> IlerlemePenceresi::AlanlardakiIlerleme()
{
    const auto baslama = AlandakiTarih(this, m_baslama);
    const auto bitis = baslama ? AlandakiTarih(this, m_bitis) : std::nullopt;
    if (!bitis)
        return std::nullopt;
    FaaliyetIlerlemesi ilerleme{*baslama, *bitis, m_yuzde->value(), -1};
    if (m_kalanVerildi) {
        ilerleme.kalan = m_kalan->value();
        ilerleme.yuzde = 0;
    }
    return ilerleme;
}

void IlerlemePenceresi::DurumTarihiDugmesi_Click()
{
    const auto& plan = belge().plan();
    const auto yeni = plan ? AlandakiTarih(this, m_durumTarihi) : std::nullopt;
    if (!yeni || *yeni == plan->proje.ilerleme.durumTarihi)
        return;
    IlerlemeReddiniGoster(this, belge(), belge().Calistir(DurumTarihiKomutu{m_proje, plan->proje.ilerleme.durumTarihi, *yeni}));
}

void IlerlemePenceresi::UygulaDugmesi_Click()
{
    // Each date field's rule runs here, so a date typed wrong is said, never taken for none.
    const auto yeni = belge().plan() && m_faaliyet->count() > 0 ? AlanlardakiIlerleme() : std::nullopt;
    const auto eski = KayitliIlerleme();
    if (!yeni || yeni == eski)
        return;
    IlerlemeReddiniGoster(this, belge(), belge().Calistir(IlerlemeKomutu{m_proje, SeciliKod(), eski, *yeni}));
}

void IlerlemePenceresi::TemizleDugmesi_Click()
{
    const auto eski = KayitliIlerleme();
    if (!eski)
        return;
    IlerlemeReddiniGoster(this, belge(), belge().Calistir(IlerlemeKomutu{m_proje, SeciliKod(), eski, std::nullopt}));
}
