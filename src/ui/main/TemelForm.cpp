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

void SütunlarıKur(QTreeWidget* liste)
{
    const auto& sütunlar = Düzenler::FaaliyetlerListesiSütunları();
    liste->setColumnCount(int(sütunlar.size()));
    auto* başlık = new QTreeWidgetItem;
    // The header would measure each caption in bold, which loads a second font face at
    // start-up only for that; its size in the list's own font is given instead.
    QStyleOptionHeader ölçü;
    ölçü.initFrom(liste->header());
    for (int i = 0; i < int(sütunlar.size()); ++i) {
        başlık->setText(i, QString::fromUtf8(sütunlar[size_t(i)].başlık));
        başlık->setTextAlignment(i, sütunlar[size_t(i)].hizalama | Qt::AlignVCenter);
        ölçü.text = başlık->text(i);
        başlık->setData(i, Qt::SizeHintRole,
                        liste->style()->sizeFromContents(QStyle::CT_HeaderSection, &ölçü, QSize(), liste->header()));
    }
    liste->setHeaderItem(başlık);
    for (int i = 0; i < int(sütunlar.size()); ++i)
        liste->setColumnWidth(i, Piksel(sütunlar[size_t(i)].genişlik));
}

// A text longer than its box shows its start, and whole in the tool tip; it can be
// selected and copied as any read-only text.
void UzunMetniYaz(QLineEdit* kutu, const QString& metin)
{
    kutu->setText(metin);
    kutu->setCursorPosition(0);
    constexpr int ÇerçeveVeKenar = 8; // the box's frame and margins on both sides
    const bool sığar = kutu->fontMetrics().horizontalAdvance(metin) <= kutu->width() - ÇerçeveVeKenar;
    kutu->setToolTip(sığar ? QString() : metin);
}

// A cell shows at most this many characters: another program may have stored a
// megabyte in one, and laying it all out only to cut it to the column would keep the
// window from showing for most of a second. The tool tip shows the start of the rest.
constexpr int HücreSınırı = 1000;
constexpr int İpucuSınırı = 4000;

QString Kısalt(const QString& metin, int sınır)
{
    return metin.size() > sınır ? metin.left(sınır) + QChar(0x2026) : metin;
}

QTreeWidgetItem* Satır(const ÇizelgeSatırı& s)
{
    auto* satır = new QTreeWidgetItem;
    const auto& sütunlar = Düzenler::FaaliyetlerListesiSütunları();
    const QString metinler[] = {s.kodu, s.adı, s.süre, s.öncekiler, s.es, s.ef};
    for (int i = 0; i < int(sütunlar.size()); ++i) {
        satır->setText(i, Kısalt(metinler[i], HücreSınırı));
        if (metinler[i].size() > HücreSınırı)
            satır->setToolTip(i, Kısalt(metinler[i], İpucuSınırı));
        satır->setTextAlignment(i, sütunlar[size_t(i)].hizalama | Qt::AlignVCenter);
    }
    return satır;
}

} // namespace

TemelForm::TemelForm(ProjeDeposu depo, İlkListe ilkListe)
    : TemelFormDenetimleri(PencereyiKur(this, Düzenler::TemelForm())), m_depo(std::move(depo))
{
    setWindowIcon(PencereSimgesi());
    SütunlarıKur(FaaliyetlerListesi);

    // Mouse and keyboard both change the selection; either shows the project.
    connect(ProjeListesi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TemelForm::ProjeListesi_Click);
    connect(ÇıkışDüğmesi, &QPushButton::clicked, this, &TemelForm::ÇıkışDüğmesi_Click);
    connect(ProjeEkleDüğmesi, &QPushButton::clicked, this, &TemelForm::ProjeEkleDüğmesi_Click);
    connect(ProjeDeğiştirDüğmesi, &QPushButton::clicked, this, &TemelForm::ProjeDeğiştirDüğmesi_Click);
    connect(ProjeSilDüğmesi, &QPushButton::clicked, this, &TemelForm::ProjeSilDüğmesi_Click);

    // Activity commands.
    connect(FaaliyetEkleDüğmesi, &QPushButton::clicked, this, &TemelForm::FaaliyetEkleDüğmesi_Click);
    connect(FaaliyetDeğiştirDüğmesi, &QPushButton::clicked, this, &TemelForm::FaaliyetDeğiştirDüğmesi_Click);
    connect(SonFaaliyetiSilDüğmesi, &QPushButton::clicked, this, &TemelForm::SonFaaliyetiSilDüğmesi_Click);
    connect(TümKayıtlarıSilDüğmesi, &QPushButton::clicked, this, &TemelForm::TümKayıtlarıSilDüğmesi_Click);

    MenüleriKur();
    if (ilkListe == İlkListe::DepodanOku)
        ProjeleriEkle();
    Ortala(this);
}

QString TemelForm::SeçiliProje() const
{
    return ProjeListesi->SeçiliMetin();
}

void TemelForm::ProjeleriEkle()
{
    QStringList adlar;
    const DepoHatası hata = m_depo.ProjeleriOku(adlar);
    // A list that could not be read whole is not shown in part.
    ProjeleriGöster(hata ? QStringList() : adlar);
    if (hata)
        Mesaj::HatayıGöster(this, hata);
}

void TemelForm::ProjeleriGöster(const QStringList& adlar)
{
    ProjeListesi->Doldur(adlar);
    ProjeyiBoşalt();
}

void TemelForm::ProjeyiBoşalt()
{
    m_proje.reset();
    m_faaliyetler.clear();
    for (QLineEdit* kutu : {BaşlamaTarihiKutusu, BitişTarihiKutusu, TahminiGünSayısıKutusu, KritikYolKutusu,
                            EnGeçGünSayısıKutusu, EnErkenGünSayısıKutusu}) {
        kutu->clear();
        kutu->setToolTip(QString());
    }
    FaaliyetlerListesi->clear();
    AnaliziGüncelle();
}

void TemelForm::ProjeListesi_Click()
{
    ProjeyiBoşalt();
    const QString ad = SeçiliProje();
    if (ad.isEmpty())
        return;

    KayıtlıProje proje;
    QVector<KayıtlıFaaliyet> faaliyetler;
    DepoHatası hata = m_depo.ProjeOku(ad, proje);
    if (!hata)
        hata = m_depo.FaaliyetleriOku(ad, faaliyetler);
    if (hata) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    m_proje = proje;
    m_faaliyetler = faaliyetler;

    BaşlamaTarihiKutusu->setText(BölgeselMetin::TarihMetni(proje.başlama));
    BitişTarihiKutusu->setText(BölgeselMetin::TarihMetni(proje.bitiş));
    const auto günSayısı =
        GünSayısınıHesapla(proje.başlama.değer.value_or(QDate()), proje.bitiş.değer.value_or(QDate()));
    TahminiGünSayısıKutusu->setText(günSayısı ? QString::number(*günSayısı) : QString());

    // The schedule works on the rows as shown, so that what another program left in a
    // row is explained in its own words.
    QVector<ÇizelgeSatırı> satırlar;
    satırlar.reserve(faaliyetler.size());
    for (const KayıtlıFaaliyet& f : faaliyetler)
        satırlar.append({f.kodu, f.adı, BölgeselMetin::SüreMetni(f.süre), f.öncekiler, QString(), QString()});
    const ÇizelgeSonucu sonuç = ÇizelgeyiHesapla(satırlar);

    QList<QTreeWidgetItem*> öğeler;
    öğeler.reserve(satırlar.size());
    for (const ÇizelgeSatırı& s : satırlar)
        öğeler.append(Satır(s));
    FaaliyetlerListesi->addTopLevelItems(öğeler);

    EnGeçGünSayısıKutusu->setText(sonuç.enGeçGünSayısı);
    EnErkenGünSayısıKutusu->setText(sonuç.enErkenGünSayısı);
    UzunMetniYaz(KritikYolKutusu, sonuç.kritikYol);
}

DiyalogBağlamı TemelForm::Bağlam()
{
    return {this, m_depo, [this] { return SeçiliProje(); }, [this] { ProjeleriEkle(); },
            [this] { ProjeListesi_Click(); }};
}

void TemelForm::ÇıkışDüğmesi_Click()
{
    close();
}

void TemelForm::closeEvent(QCloseEvent* olay)
{
    // Open dialogs belong to this window and go with it; what was typed in them is dropped.
    const auto çocuklar = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* çocuk : çocuklar) {
        if (çocuk->isWindow())
            çocuk->close();
    }
    olay->accept();
}
