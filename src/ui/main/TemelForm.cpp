#include "ui/main/TemelForm.h"

#include "schedule/Cizelge.h"
#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"
#include "ui/layout/ListeKutusu.h"
#include "ui/main/PencereSimgesi.h"
#include "ui/project/GunSayisi.h"

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

QTreeWidgetItem* Satır(const ÇizelgeSatırı& s)
{
    auto* satır = new QTreeWidgetItem(QStringList{s.kodu, s.adı, s.süre, s.öncekiler, s.es, s.ef});
    const auto& sütunlar = Düzenler::FaaliyetlerListesiSütunları();
    for (int i = 0; i < int(sütunlar.size()); ++i)
        satır->setTextAlignment(i, sütunlar[size_t(i)].hizalama | Qt::AlignVCenter);
    return satır;
}

} // namespace

TemelForm::TemelForm(ProjeDeposu depo, İlkListe ilkListe) : m_depo(std::move(depo))
{
    const KurulmuşPencere k = PencereyiKur(this, Düzenler::TemelForm());
    ProjeListesi = k.al<ListeKutusu>("ProjeListesi");
    Çerçeve = k.al<QGroupBox>("Çerçeve");
    BaşlamaTarihiKutusu = k.al<QLineEdit>("BaşlamaTarihiKutusu");
    BitişTarihiKutusu = k.al<QLineEdit>("BitişTarihiKutusu");
    TahminiGünSayısıKutusu = k.al<QLineEdit>("TahminiGünSayısıKutusu");
    KritikYolKutusu = k.al<QLineEdit>("KritikYolKutusu");
    EnGeçGünSayısıKutusu = k.al<QLineEdit>("EnGeçGünSayısıKutusu");
    EnErkenGünSayısıKutusu = k.al<QLineEdit>("EnErkenGünSayısıKutusu");
    FaaliyetlerListesi = k.al<QTreeWidget>("FaaliyetlerListesi");
    ProjeEkleDüğmesi = k.al<QPushButton>("ProjeEkleDüğmesi");
    ProjeDeğiştirDüğmesi = k.al<QPushButton>("ProjeDeğiştirDüğmesi");
    ProjeSilDüğmesi = k.al<QPushButton>("ProjeSilDüğmesi");
    FaaliyetEkleDüğmesi = k.al<QPushButton>("FaaliyetEkleDüğmesi");
    FaaliyetDeğiştirDüğmesi = k.al<QPushButton>("FaaliyetDeğiştirDüğmesi");
    SonFaaliyetiSilDüğmesi = k.al<QPushButton>("SonFaaliyetiSilDüğmesi");
    TümKayıtlarıSilDüğmesi = k.al<QPushButton>("TümKayıtlarıSilDüğmesi");
    ÇıkışDüğmesi = k.al<QPushButton>("ÇıkışDüğmesi");

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
    BaşlamaTarihiKutusu->clear();
    BitişTarihiKutusu->clear();
    TahminiGünSayısıKutusu->clear();
    FaaliyetlerListesi->clear();
}

void TemelForm::ProjeListesi_Click()
{
    const QString ad = SeçiliProje();
    if (ad.isEmpty())
        return;

    KritikYolKutusu->clear();
    KritikYolKutusu->setToolTip(QString());
    EnErkenGünSayısıKutusu->clear();
    EnGeçGünSayısıKutusu->clear();

    ProjeBilgisi proje;
    if (auto hata = m_depo.ProjeOku(ad, proje)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    BaşlamaTarihiKutusu->setText(proje.başlamaTarihi);
    BitişTarihiKutusu->setText(proje.bitişTarihi);
    const auto günSayısı = GünSayısınıHesapla(proje.başlamaTarihi, proje.bitişTarihi);
    TahminiGünSayısıKutusu->setText(günSayısı ? QString::number(*günSayısı) : QString());

    FaaliyetlerListesi->clear();
    QVector<Faaliyet> faaliyetler;
    if (auto hata = m_depo.FaaliyetleriOku(ad, faaliyetler)) {
        Mesaj::HatayıGöster(this, hata);
        return;
    }
    QVector<ÇizelgeSatırı> satırlar;
    satırlar.reserve(faaliyetler.size());
    for (const Faaliyet& f : faaliyetler)
        satırlar.append({f.kodu, f.adı, f.süre, f.öncekiler, QString(), QString()});

    const ÇizelgeSonucu sonuç = ÇizelgeyiHesapla(satırlar);

    QList<QTreeWidgetItem*> öğeler;
    öğeler.reserve(satırlar.size());
    for (const ÇizelgeSatırı& s : satırlar)
        öğeler.append(Satır(s));
    FaaliyetlerListesi->addTopLevelItems(öğeler);

    if (sonuç.projeBitişGünü)
        ProjeBitişGünü = *sonuç.projeBitişGünü;
    EnGeçGünSayısıKutusu->setText(sonuç.enGeçGünSayısı);
    EnErkenGünSayısıKutusu->setText(sonuç.enErkenGünSayısı);
    KritikYolKutusu->setText(sonuç.kritikYol);
    KritikYolKutusu->setCursorPosition(0);
    // An explanation is longer than the box; the tool tip shows all of it.
    if (!sonuç.projeBitişGünü && !sonuç.kritikYol.isEmpty())
        KritikYolKutusu->setToolTip(sonuç.kritikYol);
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
