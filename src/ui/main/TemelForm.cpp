#include "ui/main/TemelForm.h"

#include "ui/main/TekSurec.h" // the lock the window holds goes with it

#include "rules/BolgeselMetin.h"
#include "rules/GunSayisi.h"
#include "analysis/PlanKarsilastirmasi.h"
#include "kernel/Cizelge.h"
#include "text/BagMetinleri.h"
#include "text/CizelgeMetinleri.h"
#include "text/TakvimMetinleri.h"
#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/PencereSimgesi.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QTreeWidget>

namespace {

void SutunlariKur(QTreeWidget* liste)
{
    const auto& sutunlar = Duzenler::FaaliyetlerListesiSutunlari();
    liste->setColumnCount(int(sutunlar.size()));
    auto* baslik = new QTreeWidgetItem;
    // The header would measure each caption in bold, which loads a second font face at
    // start-up only for that; its size in the list's own font is given instead.
    QStyleOptionHeader olcu;
    olcu.initFrom(liste->header());
    for (int i = 0; i < int(sutunlar.size()); ++i) {
        baslik->setText(i, QString::fromUtf8(sutunlar[size_t(i)].baslik));
        baslik->setTextAlignment(i, sutunlar[size_t(i)].hizalama | Qt::AlignVCenter);
        olcu.text = baslik->text(i);
        baslik->setData(i, Qt::SizeHintRole,
                        liste->style()->sizeFromContents(QStyle::CT_HeaderSection, &olcu, QSize(), liste->header()));
    }
    liste->setHeaderItem(baslik);
    for (int i = 0; i < int(sutunlar.size()); ++i)
        liste->setColumnWidth(i, Piksel(sutunlar[size_t(i)].genislik));
}

// A text longer than its box shows its start, and whole in the tool tip; it can be
// selected and copied as any read-only text.
void UzunMetniYaz(QLineEdit* kutu, const QString& metin)
{
    kutu->setText(metin);
    kutu->setCursorPosition(0);
    constexpr int CerceveVeKenar = 8; // the box's frame and margins on both sides
    const bool sigar = kutu->fontMetrics().horizontalAdvance(metin) <= kutu->width() - CerceveVeKenar;
    kutu->setToolTip(sigar ? QString() : metin);
}

// A cell shows at most this many characters: another program may have stored a
// megabyte in one, and laying it all out only to cut it to the column would keep the
// window from showing for most of a second. The tool tip shows the start of the rest.
constexpr int HucreSiniri = 1000;
constexpr int IpucuSiniri = 4000;

QString Kisalt(const QString& metin, int sinir)
{
    return metin.size() > sinir ? metin.left(sinir) + QChar(0x2026) : metin;
}

QTreeWidgetItem* Satir(const Plan& plan, const Cizelge& cizelge, int i)
{
    auto* satir = new QTreeWidgetItem;
    const auto& sutunlar = Duzenler::FaaliyetlerListesiSutunlari();
    const KayitliFaaliyet& f = plan.faaliyetler.at(i);
    const QString metinler[] = {f.kodu, f.adi, BolgeselMetin::SureMetni(f.sure),
                                BagMetinleri::OncekilerMetni(f.oncekiler, f.baglar), CizelgeMetinleri::Es(cizelge, i),
                                CizelgeMetinleri::Ef(cizelge, i)};
    for (int i = 0; i < int(sutunlar.size()); ++i) {
        satir->setText(i, Kisalt(metinler[i], HucreSiniri));
        if (metinler[i].size() > HucreSiniri)
            satir->setToolTip(i, Kisalt(metinler[i], IpucuSiniri));
        satir->setTextAlignment(i, sutunlar[size_t(i)].hizalama | Qt::AlignVCenter);
    }
    return satir;
}

} // namespace

TemelForm::TemelForm(PlanBelgesi& belge, IlkListe ilkListe)
    : TemelFormDenetimleri(PencereyiKur(this, Duzenler::TemelForm())), m_belge(belge)
{
    setWindowIcon(PencereSimgesi());
    SutunlariKur(FaaliyetlerListesi);
    m_cerceveBasligi = Cerceve->title();

    connect(&m_belge, &PlanBelgesi::projelerOkundu, this, &TemelForm::ListeyiGoster);
    connect(&m_belge, &PlanBelgesi::secilecek, this, &TemelForm::ProjeyiGoster);
    connect(&m_belge, &PlanBelgesi::planDegisti, this, &TemelForm::PlaniGoster);
    connect(&m_belge, &PlanBelgesi::okunamadi, this, [this](const DepoHatasi& hata) { Mesaj::HatayiGoster(this, hata); });

    // Mouse and keyboard both change the selection; either shows the project.
    connect(ProjeListesi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TemelForm::ProjeListesi_Click);
    connect(FaaliyetlerListesi, &QTreeWidget::itemSelectionChanged, this, &TemelForm::FaaliyetSecimiDegisti);
    connect(&m_belge, &PlanBelgesi::faaliyetSecildi, this, &TemelForm::FaaliyetiGoster);
    connect(CikisDugmesi, &QPushButton::clicked, this, &TemelForm::CikisDugmesi_Click);
    connect(ProjeEkleDugmesi, &QPushButton::clicked, this, &TemelForm::ProjeEkleDugmesi_Click);
    connect(ProjeDegistirDugmesi, &QPushButton::clicked, this, &TemelForm::ProjeDegistirDugmesi_Click);
    connect(ProjeSilDugmesi, &QPushButton::clicked, this, &TemelForm::ProjeSilDugmesi_Click);

    // Activity commands.
    connect(FaaliyetEkleDugmesi, &QPushButton::clicked, this, &TemelForm::FaaliyetEkleDugmesi_Click);
    connect(FaaliyetDegistirDugmesi, &QPushButton::clicked, this, &TemelForm::FaaliyetDegistirDugmesi_Click);
    connect(SonFaaliyetiSilDugmesi, &QPushButton::clicked, this, &TemelForm::SonFaaliyetiSilDugmesi_Click);
    connect(TumKayitlariSilDugmesi, &QPushButton::clicked, this, &TemelForm::TumKayitlariSilDugmesi_Click);

    MenuleriKur();
    if (ilkListe == IlkListe::DepodanOku)
        ProjeleriEkle();
    Ortala(this);
}

QString TemelForm::SeciliProje() const
{
    return ProjeListesi->SeciliMetin();
}

void TemelForm::ProjeleriEkle(const QString& gosterilecek)
{
    if (const DepoHatasi hata = m_belge.ProjeleriOku(gosterilecek))
        Mesaj::HatayiGoster(this, hata);
}

void TemelForm::ProjeleriGoster(const QStringList& adlar)
{
    m_belge.ProjeleriKoy(adlar);
    ProjeListesi->Doldur(adlar);
}

void TemelForm::ListeyiGoster(const QString& gosterilecek)
{
    ProjeListesi->Doldur(m_belge.projeler());
    if (const int satir = gosterilecek.isEmpty() ? -1 : ProjeListesi->Bul(gosterilecek); satir >= 0)
        ProjeListesi->Sec(satir);
}

void TemelForm::ProjeyiGoster(const QString& ad, const QStringList& faaliyetler)
{
    const int satir = ProjeListesi->Bul(ad);
    if (satir < 0)
        ProjeleriEkle(ad);
    else if (SeciliProje() == ad)
        ProjeListesi_Click();
    else
        ProjeListesi->Sec(satir);
    const auto& plan = m_belge.plan();
    if (!plan || faaliyetler.isEmpty() || SeciliProje() != ad)
        return;
    for (int i = 0; i < plan->faaliyetler.size(); ++i) {
        if (faaliyetler.contains(plan->faaliyetler.at(i).kodu)) {
            QTreeWidgetItem* oge = FaaliyetlerListesi->topLevelItem(i);
            FaaliyetlerListesi->setCurrentItem(oge);
            FaaliyetlerListesi->scrollToItem(oge);
            return;
        }
    }
}

void TemelForm::FaaliyetSecimiDegisti()
{
    const QList<QTreeWidgetItem*> secilen = FaaliyetlerListesi->selectedItems();
    const int i = secilen.isEmpty() ? -1 : FaaliyetlerListesi->indexOfTopLevelItem(secilen.first());
    const auto& plan = m_belge.plan();
    if (plan && i >= 0 && i < plan->faaliyetler.size())
        m_belge.FaaliyetiSec(plan->faaliyetler.at(i).kodu);
}

void TemelForm::FaaliyetiGoster(const QString& kod)
{
    const auto& plan = m_belge.plan();
    for (int i = 0; plan && i < plan->faaliyetler.size(); ++i) {
        QTreeWidgetItem* oge = FaaliyetlerListesi->topLevelItem(i);
        if (oge && plan->faaliyetler.at(i).kodu == kod) {
            if (!oge->isSelected()) {
                FaaliyetlerListesi->setCurrentItem(oge);
                FaaliyetlerListesi->scrollToItem(oge);
            }
            return;
        }
    }
}

void TemelForm::ProjeyiBosalt()
{
    for (QLineEdit* kutu : {BaslamaTarihiKutusu, BitisTarihiKutusu, TahminiGunSayisiKutusu, KritikYolKutusu,
                            EnGecGunSayisiKutusu, EnErkenGunSayisiKutusu}) {
        kutu->clear();
        kutu->setToolTip(QString());
    }
    FaaliyetlerListesi->clear();
    Cerceve->setTitle(m_cerceveBasligi);
}

void TemelForm::ProjeListesi_Click()
{
    if (const DepoHatasi hata = m_belge.Sec(SeciliProje()))
        Mesaj::HatayiGoster(this, hata);
}

void TemelForm::PlaniGoster()
{
    ProjeyiBosalt();
    const auto& plan = m_belge.plan();
    if (!plan)
        return;
    const KayitliProje& proje = plan->proje;
    BaslamaTarihiKutusu->setText(BolgeselMetin::TarihMetni(proje.baslama));
    BitisTarihiKutusu->setText(BolgeselMetin::TarihMetni(proje.bitis));
    const Cizelge& cizelge = m_belge.cizelge();
    // Under a working-day calendar every count is of working days, the estimate's too, and
    // the frame says so; under "Her gün" the estimate is the dates' difference, as always.
    const IsTakvimi takvim(proje.takvim);
    std::optional<qint64> gunSayisi;
    if (takvim.HerGunCalisilir()) {
        gunSayisi = GunSayisiniHesapla(proje.baslama.deger.value_or(QDate()), proje.bitis.deger.value_or(QDate()));
    } else {
        gunSayisi = PlaniKarsilastir(proje, takvim, cizelge.projeBitisGunu.value_or(0)).tahminiGunSayisi;
        Cerceve->setTitle(TakvimMetinleri::CerceveBasligi(Cerceve->title(), proje.takvim));
    }
    TahminiGunSayisiKutusu->setText(gunSayisi ? QString::number(*gunSayisi) : QString());

    QList<QTreeWidgetItem*> ogeler;
    ogeler.reserve(plan->faaliyetler.size());
    for (int i = 0; i < plan->faaliyetler.size(); ++i)
        ogeler.append(Satir(*plan, cizelge, i));
    FaaliyetlerListesi->addTopLevelItems(ogeler);

    EnGecGunSayisiKutusu->setText(CizelgeMetinleri::EnGecGunSayisi(cizelge));
    EnErkenGunSayisiKutusu->setText(CizelgeMetinleri::EnErkenGunSayisi(cizelge));
    UzunMetniYaz(KritikYolKutusu, CizelgeMetinleri::KritikYol(cizelge));
}

void TemelForm::ReddiGoster(const KomutHatasi& hata, const QString& ad)
{
    Mesaj::ReddiGoster(this, hata.depo, [this, ad] { ProjeleriEkle(ad); });
}

DiyalogBaglami TemelForm::Baglam()
{
    return {this, &m_belge};
}

void TemelForm::CikisDugmesi_Click()
{
    close();
}

void TemelForm::closeEvent(QCloseEvent* olay)
{
    // A window its user keeps open (a trial not yet applied) keeps this one open too.
    if (PencereleriKapat())
        olay->accept();
    else
        olay->ignore();
}

bool TemelForm::PencereleriKapat()
{
    // Open dialogs belong to this window and go with it; what was typed in them is dropped.
    const auto cocuklar = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* cocuk : cocuklar) {
        if (cocuk->isWindow() && !cocuk->close())
            return false;
    }
    return true;
}
