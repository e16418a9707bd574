#include "ui/import/IceAktarmaFormu.h"

#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "ui/PencereRolu.h"
#include "ui/layout/Kurucu.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The project's four fields in their frame, for the shared rules of the project dialogs.
ProjeAlanDenetimleri AlanlariKur(QWidget* pencere)
{
    ProjeAlanDenetimleri alanlar;
    alanlar.Cerceve = new QGroupBox(QStringLiteral("Yeni proje"), pencere);
    auto* duzen = new QFormLayout(alanlar.Cerceve);
    const auto alan = [&](const QString& etiket) {
        auto* kutu = new QLineEdit(alanlar.Cerceve);
        duzen->addRow(etiket, kutu);
        return kutu;
    };
    alanlar.ProjeninAdiKutusu = alan(QStringLiteral("Proje a&dı:"));
    alanlar.BaslamaTarihiKutusu = alan(QStringLiteral("&Başlama tarihi:"));
    alanlar.BitisTarihiKutusu = alan(QStringLiteral("Bi&tiş tarihi:"));
    alanlar.TahminiGunSayisiKutusu = alan(QStringLiteral("Tahmini gün sayısı:"));
    alanlar.TahminiGunSayisiKutusu->setReadOnly(true);
    return alanlar;
}

QLabel* Baslik(const QString& metin, QWidget* arkadas, QWidget* ebeveyn)
{
    auto* etiket = new QLabel(metin, ebeveyn);
    etiket->setBuddy(arkadas);
    return etiket;
}

QString Tarih(const QDate& tarih)
{
    return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QString();
}

} // namespace

IceAktarmaFormu::IceAktarmaFormu(const DiyalogBaglami& baglam, const QString& dosya, const Aktarim& aktarim)
    : Diyalog(baglam), ProjeAlanDenetimleri(AlanlariKur(this)), ProjeAlanlari(this, *this), m_aktarim(aktarim)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("İçe Aktar – %1").arg(QFileInfo(dosya).fileName()));
    PencereRolunuKur(this, false);
    for (const AktarilacakProje& p : std::as_const(m_aktarim.projeler)) {
        // Names are stored in capitals, as the project dialogs write them.
        const QString ad = BuyukHarfeCevir(p.proje.proje.ad);
        if (ad != p.proje.proje.ad && p.ret.isEmpty())
            m_aktarim.rapor.append(QStringLiteral("Proje adı büyük harfle yazılacak: \"%1\" → \"%2\".")
                                       .arg(p.proje.proje.ad, ad));
        m_metinler.append({ad, Tarih(p.proje.proje.baslama), Tarih(p.proje.proje.bitis)});
    }
    Kur(dosya);
    ProjeyiGoster(0);
    AktarilabilirligiGuncelle();
}

void IceAktarmaFormu::Kur(const QString& dosya)
{
    auto* duzen = new QVBoxLayout(this);
    auto* kaynak = new QLabel(QStringLiteral("Dosya: %1").arg(QDir::toNativeSeparators(dosya)), this);
    kaynak->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    duzen->addWidget(kaynak);

    // The keyboard goes down the window as the eye does; the fields were made first.
    QWidgetList sira;
    // What Kavrion cannot hold comes first, and stops the import until it is accepted.
    if (!m_aktarim.onaylanacaklar.isEmpty()) {
        auto* uyari = new QLabel(QStringLiteral("<b>Kavrion'un tutamadıkları:</b>"), this);
        auto* liste = new QPlainTextEdit(m_aktarim.onaylanacaklar.join(QLatin1Char('\n')), this);
        liste->setReadOnly(true);
        liste->setAccessibleName(QStringLiteral("Kavrion'un tutamadıkları"));
        liste->setMaximumHeight(Piksel(1400));
        uyari->setBuddy(liste);
        // Alt+K ticks it: the text begins "Kabul ediyorum".
        m_onay = new QCheckBox(QLatin1Char('&') + QString(m_aktarim.onayMetni).replace(QLatin1Char('&'), QStringLiteral("&&")),
                               this);
        connect(m_onay, &QCheckBox::toggled, this, &IceAktarmaFormu::AktarilabilirligiGuncelle);
        duzen->addWidget(uyari);
        duzen->addWidget(liste);
        duzen->addWidget(m_onay);
        sira << liste << m_onay;
    }

    m_projeler = new QTreeWidget(this);
    m_projeler->setAccessibleName(QStringLiteral("Aktarılacak projeler"));
    m_projeler->setRootIsDecorated(false);
    m_projeler->setUniformRowHeights(true);
    m_projeler->setHeaderLabels({QStringLiteral("Proje"), QStringLiteral("Faaliyet"), QStringLiteral("Durum")});
    for (const AktarilacakProje& p : std::as_const(m_aktarim.projeler)) {
        auto* satir = new QTreeWidgetItem(m_projeler, {p.proje.proje.ad, QString::number(p.proje.faaliyetler.size()),
                                                       p.ret});
        if (p.ret.isEmpty())
            satir->setCheckState(0, Qt::Checked);
        else
            satir->setFlags(satir->flags() & ~Qt::ItemIsUserCheckable);
    }
    m_projeler->header()->setStretchLastSection(true);
    m_projeler->resizeColumnToContents(0);
    connect(m_projeler, &QTreeWidget::currentItemChanged, this,
            [this] { ProjeyiGoster(m_projeler->indexOfTopLevelItem(m_projeler->currentItem())); });
    connect(m_projeler, &QTreeWidget::itemChanged, this, &IceAktarmaFormu::AktarilabilirligiGuncelle);
    // A file of one project has nothing to choose.
    if (m_aktarim.secilir) {
        duzen->addWidget(Baslik(QStringLiteral("&Projeler (işaretlenenler aktarılır):"), m_projeler, this));
        duzen->addWidget(m_projeler, 1);
        sira << m_projeler;
    } else {
        m_projeler->hide();
    }
    duzen->addWidget(Cerceve);

    m_faaliyetler = new QTreeWidget(this);
    m_faaliyetler->setAccessibleName(QStringLiteral("Aktarılacak faaliyetler"));
    m_faaliyetler->setRootIsDecorated(false);
    m_faaliyetler->setUniformRowHeights(true);
    // The three-point estimates the file brings come in too, so they are shown with their activities.
    m_faaliyetler->setHeaderLabels({QStringLiteral("Kodu"), QStringLiteral("Faaliyet Adı"), QStringLiteral("Süre"),
                                    QStringLiteral("Öncekiler"), QStringLiteral("İyimser"), QStringLiteral("En Olası"),
                                    QStringLiteral("Kötümser")});
    duzen->addWidget(Baslik(QStringLiteral("&Faaliyetler (saklanacakları sırayla):"), m_faaliyetler, this));
    duzen->addWidget(m_faaliyetler, 2);
    m_tahminNotu = new QLabel(this);
    m_tahminNotu->setWordWrap(true);
    duzen->addWidget(m_tahminNotu);

    m_rapor = new QPlainTextEdit(this);
    m_rapor->setReadOnly(true);
    m_rapor->setAccessibleName(QStringLiteral("Dönüşümler"));
    QStringList satirlar = m_aktarim.okuma;
    satirlar += m_aktarim.rapor;
    if (m_aktarim.rapor.isEmpty())
        satirlar.append(QStringLiteral("Hiçbir şey dönüştürülmedi: dosyadaki her şey olduğu gibi aktarılacak."));
    m_rapor->setPlainText(satirlar.join(QLatin1Char('\n')));
    duzen->addWidget(Baslik(QStringLiteral("Okuma ve dö&nüşümler:"), m_rapor, this));
    duzen->addWidget(m_rapor, 1);

    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    m_aktar = new QPushButton(QStringLiteral("&Aktar"), this);
    auto* vazgec = new QPushButton(QStringLiteral("&Vazgeç"), this);
    dugmeler->addWidget(m_aktar);
    dugmeler->addWidget(vazgec);
    duzen->addLayout(dugmeler);
    m_aktar->setDefault(true);
    connect(m_aktar, &QPushButton::clicked, this, &IceAktarmaFormu::AktarDugmesi_Click);
    connect(vazgec, &QPushButton::clicked, this, &QWidget::close);
    auto* kapatma = new QAction(this);
    kapatma->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(kapatma, &QAction::triggered, this, &QWidget::close);
    addAction(kapatma);
    sira << ProjeninAdiKutusu << BaslamaTarihiKutusu << BitisTarihiKutusu << TahminiGunSayisiKutusu << m_faaliyetler
         << m_rapor << m_aktar << vazgec;
    for (qsizetype i = 1; i < sira.size(); ++i)
        setTabOrder(sira.at(i - 1), sira.at(i));
    sira.first()->setFocus();
    resize(Piksel(9600), Piksel(9000));
}

void IceAktarmaFormu::AlanlariSakla()
{
    if (m_gosterilen >= 0)
        m_metinler[m_gosterilen] = {ProjeninAdiKutusu->text(), BaslamaTarihiKutusu->text(), BitisTarihiKutusu->text()};
}

void IceAktarmaFormu::ProjeyiGoster(int satir)
{
    if (satir < 0 || satir >= m_aktarim.projeler.size() || satir == m_gosterilen)
        return;
    AlanlariSakla();
    m_gosterilen = satir;
    const Metinler& metin = m_metinler.at(satir);
    ProjeninAdiKutusu->setText(metin.ad);
    BaslamaTarihiKutusu->setText(metin.baslama);
    BitisTarihiKutusu->setText(metin.bitis);
    TahminiGunSayisiKutusu->setText(GunSayisiMetni(metin.baslama, metin.bitis));
    // A project that cannot come in is shown, not edited.
    Cerceve->setEnabled(m_aktarim.projeler.at(satir).ret.isEmpty());
    m_faaliyetler->clear();
    QList<QTreeWidgetItem*> satirlar;
    const TamProje& proje = m_aktarim.projeler.at(satir).proje;
    for (const Faaliyet& f : proje.faaliyetler) {
        QStringList hucreler{f.kodu, f.adi, QString::number(f.sure), f.oncekiler};
        if (const auto t = proje.tahminler.constFind(f.kodu); t != proje.tahminler.cend())
            hucreler << QString::number(t->iyimser) << QString::number(t->olasi) << QString::number(t->kotumser);
        satirlar.append(new QTreeWidgetItem(hucreler));
    }
    m_faaliyetler->addTopLevelItems(satirlar);
    m_tahminNotu->setText(
        (proje.tahminler.isEmpty()
             ? QStringLiteral("Bu proje üç noktalı tahmin getirmiyor: her faaliyetin süresi yayılımsız aktarılacak.")
             : QStringLiteral("%1 faaliyetin üç noktalı tahmini (iyimser, en olası, kötümser) de aktarılacak; "
                              "öbürlerinin süresi yayılımsızdır.").arg(proje.tahminler.size()))
        + (proje.dagilim == Dagilim::Ucgen ? QStringLiteral(" Benzetim dağılımı: üçgen.") : QString()));
    m_faaliyetler->setAccessibleDescription(m_tahminNotu->text());
    if (m_projeler->currentItem() != m_projeler->topLevelItem(satir))
        m_projeler->setCurrentItem(m_projeler->topLevelItem(satir));
}

void IceAktarmaFormu::AktarilabilirligiGuncelle()
{
    m_aktar->setEnabled(!m_onay || m_onay->isChecked());
}

void IceAktarmaFormu::AktarDugmesi_Click()
{
    OdaktakiAlaninKuraliniCalistir(this);
    AlanlariSakla();
    IceAktarKomutu komut;
    QStringList adlar = belge().projeler();
    for (int i = 0; i < m_aktarim.projeler.size(); ++i) {
        if (m_projeler->topLevelItem(i)->checkState(0) != Qt::Checked)
            continue;
        // Each project as its fields will save it, checked as the project dialogs check.
        ProjeyiGoster(i);
        const auto proje = KaydedilecekProje();
        if (!proje)
            return;
        if (adlar.contains(proje->ad)) {
            Mesaj::HatayiGoster(this, DepoHatasi::yeni(DepoHatasi::Kisit,
                QStringLiteral("\"%1\" adıyla kayıtlı bir proje zaten var. Başka bir ad girin.").arg(proje->ad)));
            ProjeninAdiKutusu->setFocus(Qt::OtherFocusReason);
            return;
        }
        adlar.append(proje->ad);
        const TamProje& okunan = m_aktarim.projeler.at(i).proje;
        komut.projeler.append({*proje, okunan.faaliyetler, okunan.tahminler, okunan.dagilim});
    }
    if (komut.projeler.isEmpty()) {
        Mesaj::Goster(this, QStringLiteral("Aktarılacak proje seçilmedi."), Mesaj::Tur::Bilgi);
        return;
    }
    if (const KomutHatasi hata = belge().Calistir(komut)) {
        KayitHatasiniGoster(hata.depo);
        return;
    }
    close();
}
