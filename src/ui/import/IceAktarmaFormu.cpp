#include "ui/import/IceAktarmaFormu.h"

#include "rules/BolgeselMetin.h"
#include "text/BagMetinleri.h"
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
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
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
    // Worked out, never typed: no Tab stop, as in the project dialogs.
    alanlar.TahminiGunSayisiKutusu->setFocusPolicy(Qt::ClickFocus);
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
    const QVector<IlkAd> adlar = IlkAdlariBul(m_aktarim, belge().projeler());
    for (qsizetype i = 0; i < adlar.size(); ++i) {
        const Proje& proje = m_aktarim.projeler.at(i).proje.proje;
        const IlkAd& ilk = adlar.at(i);
        m_metinler.append({ilk.ad, Tarih(proje.baslama), Tarih(proje.bitis), ilk.kayitliAd,
                           ilk.kayitliAd.isEmpty() ? QString() : ilk.ad});
    }
    Kur(dosya);
    ProjeyiGoster(0);
    AktarilabilirligiGuncelle();
    // Another planner's new project can take a name while the preview is open.
    connect(&belge(), &PlanBelgesi::projelerOkundu, this, &IceAktarmaFormu::BulgulariGuncelle);
}

void IceAktarmaFormu::Kur(const QString& dosya)
{
    auto* duzen = new QVBoxLayout(this);
    auto* kaynak = new QLabel(QStringLiteral("Dosya: %1").arg(QDir::toNativeSeparators(dosya)), this);
    kaynak->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    duzen->addWidget(kaynak);

    // The keyboard goes down the window as the eye does; the fields were made first.
    QWidgetList sira;
    OnayiKur(duzen, sira);
    ProjeListesiniKur(duzen, sira);
    duzen->addWidget(Cerceve);
    m_bulgular = new QLabel(this);
    m_bulgular->setWordWrap(true);
    m_bulgular->setStyleSheet(QStringLiteral("color: #b00000;"));
    duzen->addWidget(m_bulgular);
    for (QLineEdit* kutu : {ProjeninAdiKutusu, BaslamaTarihiKutusu, BitisTarihiKutusu})
        connect(kutu, &QLineEdit::textChanged, this, &IceAktarmaFormu::BulgulariGuncelle);

    FaaliyetlerVeRaporuKur(duzen);
    QPushButton* vazgec = DugmeleriKur(duzen);
    sira << ProjeninAdiKutusu << BaslamaTarihiKutusu << BitisTarihiKutusu << m_faaliyetler
         << m_rapor << m_aktar << vazgec;
    for (qsizetype i = 1; i < sira.size(); ++i)
        setTabOrder(sira.at(i - 1), sira.at(i));
    sira.first()->setFocus();
    resize(Piksel(9600), Piksel(9000));
}

void IceAktarmaFormu::OnayiKur(QVBoxLayout* duzen, QWidgetList& sira)
{
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
}

void IceAktarmaFormu::ProjeListesiniKur(QVBoxLayout* duzen, QWidgetList& sira)
{
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
    connect(m_projeler, &QTreeWidget::itemChanged, this, [this] {
        AktarilabilirligiGuncelle();
        BulgulariGuncelle();
    });
    // A file of one project has nothing to choose.
    if (m_aktarim.secilir) {
        duzen->addWidget(Baslik(QStringLiteral("&Projeler (işaretlenenler aktarılır):"), m_projeler, this));
        duzen->addWidget(m_projeler, 1);
        sira << m_projeler;
    } else {
        m_projeler->hide();
    }
}

void IceAktarmaFormu::FaaliyetlerVeRaporuKur(QVBoxLayout* duzen)
{
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
    m_rapor->setPlainText(AktarimRaporu(m_aktarim).join(QLatin1Char('\n')));
    duzen->addWidget(Baslik(QStringLiteral("Okuma ve dö&nüşümler:"), m_rapor, this));
    duzen->addWidget(m_rapor, 1);
}

// "Aktar", "Vazgeç" and the keys that close the window; returns "Vazgeç".
QPushButton* IceAktarmaFormu::DugmeleriKur(QVBoxLayout* duzen)
{
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
    return vazgec;
}

void IceAktarmaFormu::AlanlariSakla()
{
    if (m_gosterilen < 0)
        return;
    Metinler& metin = m_metinler[m_gosterilen];
    metin.ad = ProjeninAdiKutusu->text();
    metin.baslama = BaslamaTarihiKutusu->text();
    metin.bitis = BitisTarihiKutusu->text();
}

void IceAktarmaFormu::ProjeyiGoster(int satir)
{
    if (satir < 0 || satir >= m_aktarim.projeler.size() || satir == m_gosterilen)
        return;
    AlanlariSakla();
    m_gosterilen = satir;
    const Metinler& metin = m_metinler.at(satir);
    m_dolduruluyor = true;
    ProjeninAdiKutusu->setText(metin.ad);
    BaslamaTarihiKutusu->setText(metin.baslama);
    BitisTarihiKutusu->setText(metin.bitis);
    m_dolduruluyor = false;
    BulgulariGuncelle();
    // A project that cannot come in is shown, not edited.
    Cerceve->setEnabled(m_aktarim.projeler.at(satir).ret.isEmpty());
    m_faaliyetler->clear();
    QList<QTreeWidgetItem*> satirlar;
    const TamProje& proje = m_aktarim.projeler.at(satir).proje;
    for (const Faaliyet& f : proje.faaliyetler) {
        QStringList hucreler{f.kodu, f.adi, QString::number(f.sure), BagMetinleri::OncekilerMetni(f.oncekiler, f.baglar)};
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

QStringList IceAktarmaFormu::AlinmisAdlar(int satir) const
{
    QStringList adlar = belge().projeler();
    for (int i = 0; i < m_metinler.size(); ++i)
        if (i != satir && m_aktarim.projeler.at(i).ret.isEmpty()
            && m_projeler->topLevelItem(i)->checkState(0) == Qt::Checked)
            adlar.append(BuyukHarfeCevir(m_metinler.at(i).ad));
    return adlar;
}

QString IceAktarmaFormu::Durum(int satir, const AktarimBulgulari& bulgular) const
{
    const Metinler& metin = m_metinler.at(satir);
    QStringList cumleler;
    if (!bulgular.bosAd.isEmpty())
        cumleler << QStringLiteral("\"%1\" adıyla kayıtlı bir proje zaten var; önerilen ad: \"%2\".")
                        .arg(BuyukHarfeCevir(metin.ad), bulgular.bosAd);
    for (EksikBilgi eksik : bulgular.eksikler)
        cumleler << EksikBilgiMetni(eksik);
    if (cumleler.isEmpty() && !metin.onerilen.isEmpty() && BuyukHarfeCevir(metin.ad) == metin.onerilen)
        cumleler << QStringLiteral("\"%1\" kayıtlı olduğu için önerilen ad.").arg(metin.kayitliAd);
    return cumleler.join(QLatin1Char(' '));
}

void IceAktarmaFormu::AlanlariIsaretle(const AktarimBulgulari& bulgular)
{
    QHash<QLineEdit*, QStringList> isaretler;
    if (!bulgular.bosAd.isEmpty())
        isaretler[ProjeninAdiKutusu] << QStringLiteral("Bu ad kayıtlı; önerilen ad: \"%1\".").arg(bulgular.bosAd);
    for (EksikBilgi eksik : bulgular.eksikler) {
        // Dates without a day between them: the end is what the file got wrong.
        QLineEdit* kutu = eksik == EksikBilgi::ProjeAdi        ? ProjeninAdiKutusu
                          : eksik == EksikBilgi::BaslamaTarihi ? BaslamaTarihiKutusu
                                                               : BitisTarihiKutusu;
        isaretler[kutu] << EksikBilgiMetni(eksik);
    }
    for (QLineEdit* kutu : {ProjeninAdiKutusu, BaslamaTarihiKutusu, BitisTarihiKutusu}) {
        const QString bulgu = isaretler.value(kutu).join(QLatin1Char(' '));
        kutu->setAccessibleDescription(bulgu);
        kutu->setToolTip(bulgu);
        QPalette renk; // the application's colours again when nothing is wrong
        if (!bulgu.isEmpty()) {
            renk = kutu->palette();
            renk.setColor(QPalette::Base, QColor(255, 228, 228));
            renk.setColor(QPalette::Text, Qt::black);
        }
        kutu->setPalette(renk);
    }
}

void IceAktarmaFormu::BulgulariGuncelle()
{
    if (m_dolduruluyor || m_gosterilen < 0)
        return;
    AlanlariSakla();
    // Writing a row's name and state must not come back here as a change of its check box.
    const QSignalBlocker sessiz(m_projeler);
    for (int i = 0; i < m_metinler.size(); ++i) {
        // A project that cannot come in keeps its reason, and its fields are only shown.
        const bool gelebilir = m_aktarim.projeler.at(i).ret.isEmpty();
        const Metinler& metin = m_metinler.at(i);
        const AktarimBulgulari bulgular =
            gelebilir ? AktarimProjesiniDenetle({metin.ad, metin.baslama, metin.bitis, QString()}, AlinmisAdlar(i))
                      : AktarimBulgulari();
        QTreeWidgetItem* satir = m_projeler->topLevelItem(i);
        if (gelebilir) {
            satir->setText(0, BuyukHarfeCevir(metin.ad));
            satir->setText(2, Durum(i, bulgular));
        }
        if (i == m_gosterilen) {
            TahminiGunSayisiKutusu->setText(GunSayisiMetni(metin.baslama, metin.bitis));
            m_bulgular->setText(gelebilir ? satir->text(2) : QString());
            AlanlariIsaretle(bulgular);
        }
    }
    m_projeler->resizeColumnToContents(0);
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
        // Everything read goes in (progress and baselines too); only the project's row is as edited.
        TamProje yazilacak = m_aktarim.projeler.at(i).proje;
        yazilacak.proje = *proje;
        komut.projeler.append(yazilacak);
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
