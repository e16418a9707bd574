#include "ui/main/TemelForm.h"

#include "rules/BolgeselMetin.h"
#include "rules/GunSayisi.h"
#include "schedule/Cizelge.h"
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
#include <utility>

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

QTreeWidgetItem* Satir(const CizelgeSatiri& s)
{
    auto* satir = new QTreeWidgetItem;
    const auto& sutunlar = Duzenler::FaaliyetlerListesiSutunlari();
    const QString metinler[] = {s.kodu, s.adi, s.sure, s.oncekiler, s.es, s.ef};
    for (int i = 0; i < int(sutunlar.size()); ++i) {
        satir->setText(i, Kisalt(metinler[i], HucreSiniri));
        if (metinler[i].size() > HucreSiniri)
            satir->setToolTip(i, Kisalt(metinler[i], IpucuSiniri));
        satir->setTextAlignment(i, sutunlar[size_t(i)].hizalama | Qt::AlignVCenter);
    }
    return satir;
}

} // namespace

TemelForm::TemelForm(ProjeDeposu depo, IlkListe ilkListe)
    : TemelFormDenetimleri(PencereyiKur(this, Duzenler::TemelForm())), m_depo(std::move(depo))
{
    setWindowIcon(PencereSimgesi());
    SutunlariKur(FaaliyetlerListesi);

    // Mouse and keyboard both change the selection; either shows the project.
    connect(ProjeListesi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TemelForm::ProjeListesi_Click);
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
    QStringList adlar;
    const DepoHatasi hata = m_depo.ProjeleriOku(adlar);
    // A list that could not be read whole is not shown in part.
    ProjeleriGoster(hata ? QStringList() : adlar);
    if (hata)
        Mesaj::HatayiGoster(this, hata);
    else if (const int satir = gosterilecek.isEmpty() ? -1 : ProjeListesi->Bul(gosterilecek); satir >= 0)
        ProjeListesi->Sec(satir);
}

void TemelForm::ProjeleriGoster(const QStringList& adlar)
{
    ProjeListesi->Doldur(adlar);
    ProjeyiBosalt();
}

void TemelForm::ProjeyiBosalt()
{
    m_proje.reset();
    m_faaliyetler.clear();
    for (QLineEdit* kutu : {BaslamaTarihiKutusu, BitisTarihiKutusu, TahminiGunSayisiKutusu, KritikYolKutusu,
                            EnGecGunSayisiKutusu, EnErkenGunSayisiKutusu}) {
        kutu->clear();
        kutu->setToolTip(QString());
    }
    FaaliyetlerListesi->clear();
    AnaliziGuncelle();
}

void TemelForm::ProjeListesi_Click()
{
    ProjeyiBosalt();
    const QString ad = SeciliProje();
    if (ad.isEmpty())
        return;

    KayitliProje proje;
    QVector<KayitliFaaliyet> faaliyetler;
    DepoHatasi hata = m_depo.ProjeOku(ad, proje);
    if (!hata)
        hata = m_depo.FaaliyetleriOku(ad, faaliyetler);
    if (hata) {
        Mesaj::HatayiGoster(this, hata);
        return;
    }
    m_proje = proje;
    m_faaliyetler = faaliyetler;

    BaslamaTarihiKutusu->setText(BolgeselMetin::TarihMetni(proje.baslama));
    BitisTarihiKutusu->setText(BolgeselMetin::TarihMetni(proje.bitis));
    const auto gunSayisi =
        GunSayisiniHesapla(proje.baslama.deger.value_or(QDate()), proje.bitis.deger.value_or(QDate()));
    TahminiGunSayisiKutusu->setText(gunSayisi ? QString::number(*gunSayisi) : QString());

    // The schedule works on the rows as shown, so that what another program left in a
    // row is explained in its own words.
    QVector<CizelgeSatiri> satirlar;
    satirlar.reserve(faaliyetler.size());
    for (const KayitliFaaliyet& f : faaliyetler)
        satirlar.append({f.kodu, f.adi, BolgeselMetin::SureMetni(f.sure), f.oncekiler, QString(), QString()});
    const CizelgeSonucu sonuc = CizelgeyiHesapla(satirlar);

    QList<QTreeWidgetItem*> ogeler;
    ogeler.reserve(satirlar.size());
    for (const CizelgeSatiri& s : satirlar)
        ogeler.append(Satir(s));
    FaaliyetlerListesi->addTopLevelItems(ogeler);

    EnGecGunSayisiKutusu->setText(sonuc.enGecGunSayisi);
    EnErkenGunSayisiKutusu->setText(sonuc.enErkenGunSayisi);
    UzunMetniYaz(KritikYolKutusu, sonuc.kritikYol);
}

DiyalogBaglami TemelForm::Baglam()
{
    return {this, m_depo, [this] { return SeciliProje(); }, [this](const QString& ad) { ProjeleriEkle(ad); },
            [this] { ProjeListesi_Click(); }};
}

void TemelForm::CikisDugmesi_Click()
{
    close();
}

void TemelForm::closeEvent(QCloseEvent* olay)
{
    // Open dialogs belong to this window and go with it; what was typed in them is dropped.
    const auto cocuklar = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* cocuk : cocuklar) {
        if (cocuk->isWindow())
            cocuk->close();
    }
    olay->accept();
}
