#include "ui/analysis/RiskSekmesi.h"

#include "plan/PlanBelgesi.h"
#include "rules/FaaliyetKurallari.h"
#include "text/RiskMetinleri.h"
#include "ui/Mesaj.h"
#include "rules/BolgeselMetin.h"
#include "ui/OdakKaybi.h"
#include "ui/TarihAlani.h"
#include "ui/analysis/RiskGrafigi.h"
#include "ui/analysis/TahminTablosu.h"
#include "ui/export/DisaAktarim.h"
#include "ui/widgets/AralikliSayiKutusu.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

namespace {

// A figure of F in days with its finish date, as every date of the plan is written.
QString GunVeTarih(double gun, const IsTakvimi& takvim, const QDate& baslama)
{
    QString metin = QStringLiteral("%1 gün").arg(QLocale().toString(gun, 'f', 1));
    const QDate bitis = RiskBitisTarihi(takvim, baslama, gun);
    return bitis.isValid() ? metin + QStringLiteral(" (%1)").arg(BolgeselMetin::TarihYaz(bitis)) : metin;
}

QString Yuzde(double oran)
{
    return QLatin1Char('%') + QLocale().toString(oran * 100, 'f', 1);
}

QString OlasilikSatiri(const RiskSonucu& s, const IsTakvimi& takvim, const QDate& baslama, const QDate& tarih,
                       const QString& ne)
{
    const auto olasilik = TariheKadarOlasilik(s, takvim, baslama, tarih);
    return olasilik ? QStringLiteral("%1 (%2) bitme olasılığı: %3.").arg(ne, BolgeselMetin::TarihYaz(tarih), Yuzde(*olasilik))
                    : QString();
}

// A trial moves an estimated activity's three days by what it adds to its duration.
void DenemeyleKaydir(const QVector<KayitliFaaliyet>& kayitli, const QVector<KayitliFaaliyet>& deneme,
                     QHash<QString, UcNoktaTahmini>& tahminler)
{
    for (int i = 0; i < kayitli.size() && i < deneme.size(); ++i) {
        const auto tahmin = tahminler.find(kayitli.at(i).kodu);
        const auto& once = kayitli.at(i).sure.deger;
        const auto& sonra = deneme.at(i).sure.deger;
        if (tahmin != tahminler.end() && once && sonra && *once != *sonra) {
            const qint64 fark = qint64(*sonra) - *once;
            const auto kaydir = [fark](qint32 gun) { return qint32(std::clamp<qint64>(gun + fark, 0, INT32_MAX)); };
            *tahmin = {kaydir(tahmin->iyimser), kaydir(tahmin->olasi), kaydir(tahmin->kotumser)};
        }
    }
}

} // namespace

RiskSekmesi::RiskSekmesi(PlanBelgesi& belge, QWidget* ust) : QWidget(ust), m_belge(belge)
{
    auto* duzen = new QVBoxLayout(this);
    m_durum = new QLabel(this);
    m_durum->setWordWrap(true);
    duzen->addWidget(m_durum);
    m_model = new TahminTablosu([this](int satir, int sutun, const QString& metin) { Duzenlendi(satir, sutun, metin); },
                                this);
    m_tablo = new QTableView(this);
    m_tablo->setModel(m_model);
    m_tablo->setAccessibleName(QStringLiteral("Tahminler"));
    m_tablo->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tablo->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tablo->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_tablo->setTabKeyNavigation(false);
    m_tablo->verticalHeader()->hide();
    m_tablo->horizontalHeader()->setStretchLastSection(true);
    auto* etiket = new QLabel(QStringLiteral("Üç noktalı tahmin&ler (iyimser, en olası, kötümser; gün; F2 ile düzenlenir):"),
                              this);
    etiket->setBuddy(m_tablo);
    duzen->addWidget(etiket);
    duzen->addWidget(m_tablo, 1);
    AyarlariKur(duzen);
    // A change of the document makes the figures shown old at once, before the window
    // gets round to a new run.
    const auto eskidi = [this] {
        m_plandanEski = true;
        m_disaAktar->setEnabled(false);
    };
    connect(&m_belge, &PlanBelgesi::planDegisti, this, eskidi);
    connect(&m_belge, &PlanBelgesi::denemeDegisti, this, eskidi);
    Yenile();
}

RiskSekmesi::~RiskSekmesi()
{
    // A field that still has the keyboard would run its rule while the tab is taken apart,
    // on members already gone: the focus leaves now, while the tab is whole, and does nothing.
    m_sokuluyor = true;
    if (QWidget* odak = QApplication::focusWidget(); odak && isAncestorOf(odak))
        odak->clearFocus();
    Bekle();
}

void RiskSekmesi::AyarlariKur(QBoxLayout* duzen)
{
    auto* form = new QFormLayout;
    m_dagilim = new QComboBox(this);
    m_dagilim->addItems({QStringLiteral("Beta-PERT"), QStringLiteral("Üçgen")});
    m_dagilim->setToolTip(QStringLiteral("Projenin dağılımı: seçim projeyle birlikte kaydedilir, geri alınabilir."));
    m_yineleme = new AralikliSayiKutusu([this](const QString& metin) {
        const QLocale yerel;
        Mesaj::Goster(this, QStringLiteral("Yineleme sayısı %1 ile %2 arasında olmalıdır: \"%3\" alınmadı.")
                                .arg(yerel.toString(m_yineleme->minimum()), yerel.toString(m_yineleme->maximum()), metin),
                      Mesaj::Tur::Bilgi);
    }, this);
    m_yineleme->setRange(1000, 1000000);
    m_yineleme->setSingleStep(1000);
    m_yineleme->setValue(10000);
    m_yineleme->setGroupSeparatorShown(true);
    m_tohum = new QLineEdit(QStringLiteral("1"), this);
    m_tohum->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,19}")), m_tohum));
    m_tarih = new QLineEdit(this);
    m_tarih->setPlaceholderText(BolgeselMetin::TarihBicimiIpucu());
    form->addRow(QStringLiteral("&Dağılım:"), m_dagilim);
    form->addRow(QStringLiteral("&Yineleme:"), m_yineleme);
    form->addRow(QStringLiteral("&Tohum:"), m_tohum);
    form->addRow(QStringLiteral("Şu tarihe &kadar bitme olasılığı:"), m_tarih);
    duzen->addLayout(form);
    auto* satir = new QHBoxLayout;
    m_ilerleme = new QProgressBar(this);
    m_ilerleme->setAccessibleName(QStringLiteral("Benzetim ilerlemesi"));
    m_durdur = new QPushButton(QStringLiteral("D&urdur"), this);
    m_disaAktar = new QPushButton(QStringLiteral("&Grafikleri Dışa Aktar…"), this);
    m_disaAktar->setToolTip(QStringLiteral("Histogram ya da kasırga grafiği, SVG ya da PNG olarak (Ctrl+E)"));
    m_disaAktar->setEnabled(false);
    satir->addWidget(m_ilerleme, 1);
    satir->addWidget(m_durdur);
    satir->addWidget(m_disaAktar);
    duzen->addLayout(satir);
    m_sonuc = new QLabel(this);
    m_sonuc->setWordWrap(true);
    m_sonuc->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    duzen->addWidget(m_sonuc);
    m_grafik = new RiskGrafigi(this);
    duzen->addWidget(m_grafik, 1);
    connect(m_durdur, &QPushButton::clicked, this, &RiskSekmesi::Durdur);
    connect(m_disaAktar, &QPushButton::clicked, this, [this] {
        DisaAktarim::DisaAktar(window(), m_belge, DisaAktarim::Surum::Deneme, GuncelGorsel(),
                               DisaAktarim::Bicim::HistogramSvg);
    });
    // The project's own: a choice is a command, and the run follows the plan shown again.
    connect(m_dagilim, &QComboBox::activated, this, &RiskSekmesi::DagilimSecildi);
    connect(m_yineleme, &QSpinBox::editingFinished, this, &RiskSekmesi::Baslat);
    connect(m_tohum, &QLineEdit::editingFinished, this, &RiskSekmesi::Baslat);
    // The date is checked as the project dialogs check theirs, on Enter and when left; the
    // figures need no new run.
    const auto tarihKurali = [this] {
        if (m_sokuluyor)
            return;
        TarihAlaniniDenetle(this, m_tarih);
        SonucuGoster(m_gosterilen);
    };
    OdakKaybindaCalistir(m_tarih, tarihKurali);
    connect(m_tarih, &QLineEdit::returnPressed, this, tarihKurali);
}

void RiskSekmesi::Bekle()
{
    if (m_dur)
        m_dur->store(true);
    if (m_isci.joinable())
        m_isci.join();
}

void RiskSekmesi::Durdur()
{
    if (m_dur)
        m_dur->store(true);
}

RiskAyarlari RiskSekmesi::SecilenAyarlar() const
{
    RiskAyarlari ayarlar;
    ayarlar.dagilim = SecilenDagilim();
    ayarlar.yineleme = m_yineleme->value();
    ayarlar.tohum = m_tohum->text().toULongLong();
    return ayarlar;
}

void RiskSekmesi::GosterileniBosalt()
{
    m_gosterilen = RiskSonucu();
    m_gorsel = RiskGorseli();
    m_plandanEski = false;
    m_disaAktar->setEnabled(false);
    m_sonuc->clear();
    m_model->RiskleriGoster({});
    m_grafik->Goster(RiskSonucu(), {});
}

void RiskSekmesi::Baslat()
{
    if (m_sokuluyor)
        return;
    Bekle();
    const int kusak = ++m_kusak;
    const auto& plan = m_belge.plan();
    GosterileniBosalt();
    if (!plan || plan->faaliyetler.isEmpty()) {
        m_ilerleme->reset();
        m_durdur->setEnabled(false);
        return;
    }
    QHash<QString, UcNoktaTahmini> tahminler;
    m_belge.Tahminler(tahminler);
    m_denemeyle = m_belge.Denemede();
    if (m_denemeyle)
        DenemeyleKaydir(plan->faaliyetler, m_belge.gosterilenFaaliyetler(), tahminler);
    const RiskAyarlari ayarlar = SecilenAyarlar();
    m_ayarlar = ayarlar;
    m_ilerleme->setRange(0, ayarlar.yineleme);
    m_ilerleme->setValue(0);
    m_durdur->setEnabled(true);
    m_dur = std::make_shared<std::atomic<bool>>(false);
    m_bitti = false;
    // The thread works on copies; what it says comes back through the event loop, and
    // only while no newer run has started.
    // From the status date, when the project has one: the work that remains.
    auto is = [this, kusak, dur = m_dur, faaliyetler = m_belge.gosterilenFaaliyetler(), tahminler, ayarlar,
               durum = m_belge.ilerlemeAnalizi()] {
        const auto ilerleme = [this, kusak](int yapilan) {
            QMetaObject::invokeMethod(this, [this, kusak, yapilan] {
                if (kusak == m_kusak)
                    m_ilerleme->setValue(yapilan);
            }, Qt::QueuedConnection);
        };
        RiskSonucu sonuc = RiskiHesapla(faaliyetler, tahminler, ayarlar, durum, dur.get(), ilerleme);
        QMetaObject::invokeMethod(this, [this, kusak, sonuc = std::move(sonuc)] {
            if (kusak != m_kusak)
                return;
            m_bitti = true;
            m_durdur->setEnabled(false);
            m_ilerleme->setValue(sonuc.yineleme);
            SonucuGoster(sonuc);
            if (m_sonucGeldi)
                m_sonucGeldi();
        }, Qt::QueuedConnection);
    };
    try {
        m_isci = std::thread(std::move(is));
    } catch (const std::system_error& hata) {
        m_bitti = true;
        m_durdur->setEnabled(false);
        m_sonuc->setText(QStringLiteral("Benzetim başlatılamadı: sistem yeni bir iş parçacığı vermedi (%1).")
                             .arg(QString::fromLocal8Bit(hata.what())));
    }
}

void RiskSekmesi::SonucuGoster(const RiskSonucu& s)
{
    m_gosterilen = s;
    const auto& plan = m_belge.plan();
    if (!plan || (s.yineleme == 0 && !s.Hesaplanamadi())) {
        m_sonuc->setText(s.durduruldu ? QStringLiteral("Benzetim durduruldu; hiçbir yineleme tamamlanmadı.") : QString());
        return;
    }
    if (s.Hesaplanamadi()) {
        m_sonuc->setText(RiskMetinleri::Hesaplanamiyor(s));
        return;
    }
    const QDate baslama = plan->proje.baslama.deger.value_or(QDate());
    const IsTakvimi& takvim = m_belge.analiz().takvim;
    QStringList satirlar;
    if (s.durduruldu)
        satirlar << QStringLiteral("Durduruldu: yalnız %1 yineleme.").arg(QLocale().toString(s.yineleme));
    satirlar << QStringLiteral("P10: %1 · P50: %2 · P80: %3 · P90: %4")
                    .arg(GunVeTarih(s.p10, takvim, baslama), GunVeTarih(s.p50, takvim, baslama),
                         GunVeTarih(s.p80, takvim, baslama), GunVeTarih(s.p90, takvim, baslama));
    satirlar << QStringLiteral("Ortalama %1 gün, standart sapma %2 gün (%3 yineleme, tohum %4).")
                    .arg(QLocale().toString(s.ortalama, 'f', 1), QLocale().toString(s.standartSapma, 'f', 1),
                         QLocale().toString(s.yineleme), m_tohum->text());
    satirlar << OlasilikSatiri(s, takvim, baslama, plan->proje.bitis.deger.value_or(QDate()),
                               QStringLiteral("Projenin bitiş tarihine kadar"));
    satirlar << OlasilikSatiri(s, takvim, baslama, BolgeselMetin::TarihOku(m_tarih->text()).value_or(QDate()),
                               QStringLiteral("Girilen tarihe kadar"));
    satirlar << RiskMetinleri::BirlesmeCumlesi(s);
    satirlar.removeAll(QString());
    m_sonuc->setText(satirlar.join(QLatin1Char('\n')));
    m_model->RiskleriGoster(s.faaliyetler);
    QStringList kodlar;
    for (const KayitliFaaliyet& f : plan->faaliyetler)
        kodlar << f.kodu;
    m_grafik->Goster(s, kodlar);
    m_gorsel = {s, kodlar, m_ayarlar, m_denemeyle};
    m_disaAktar->setEnabled(GuncelGorsel().has_value());
}

std::optional<RiskGorseli> RiskSekmesi::GuncelGorsel() const
{
    if (m_eskidi || m_plandanEski || m_gorsel.sonuc.siraliBitisler.isEmpty())
        return std::nullopt;
    return m_gorsel;
}

std::optional<QDate> RiskSekmesi::DurumaGoreP80() const
{
    const auto& plan = m_belge.plan();
    const RiskSonucu& s = m_gosterilen;
    if (!plan || !GuncelGorsel() || !s.durumTarihi.isValid() || s.durduruldu || s.Hesaplanamadi())
        return std::nullopt;
    return RiskBitisTarihi(m_belge.analiz().takvim, plan->proje.baslama.deger.value_or(QDate()), s.p80);
}

void RiskSekmesi::Yenile()
{
    // Following every selection with a table no one sees would cost the selection.
    m_eskidi = !isVisible();
    if (m_eskidi)
        return;
    QHash<QString, UcNoktaTahmini> tahminler;
    Dagilim dagilim = Dagilim::Pert;
    const DepoHatasi hata = m_belge.Tahminler(tahminler);
    const DepoHatasi dagilimHatasi = m_belge.ProjeDagilimi(dagilim);
    m_dagilim->setCurrentIndex(dagilim == Dagilim::Ucgen ? 1 : 0);
    const auto& plan = m_belge.plan();
    m_gosterilenProje = plan ? plan->proje.ad : QString();
    m_gosterilenDagilim = plan && !dagilimHatasi ? std::optional(dagilim) : std::nullopt;
    m_durum->setText(!plan          ? QStringLiteral("Seçili proje yok.")
                     : hata          ? QStringLiteral("Tahminler okunamadı: %1").arg(HataMetni(hata))
                     : dagilimHatasi ? QStringLiteral("Dağılım okunamadı: %1").arg(HataMetni(dagilimHatasi))
                                     : QString());
    m_durum->setVisible(!m_durum->text().isEmpty());
    const int satir = m_tablo->currentIndex().row(), sutun = m_tablo->currentIndex().column();
    m_model->Goster(plan ? plan->faaliyetler : QVector<KayitliFaaliyet>(), tahminler);
    // The cell being worked on stays current when the same plan comes back.
    if (satir >= 0 && satir < m_model->rowCount())
        m_tablo->setCurrentIndex(m_model->index(satir, sutun));
    Baslat();
}

void RiskSekmesi::showEvent(QShowEvent* olay)
{
    QWidget::showEvent(olay);
    if (m_eskidi)
        Yenile();
}

void RiskSekmesi::Duzenlendi(int satir, int sutun, const QString& metin)
{
    const auto gecerli = m_model->Gecerli(satir);
    const auto kayitli = m_model->Kayitli(satir);
    std::optional<UcNoktaTahmini> yeni;
    QString neden;
    if (!gecerli)
        return;
    if (!DuzenlenenTahmin(*gecerli, TahminGunu(sutun - TahminTablosu::Iyimser), metin, yeni, neden)) {
        Mesaj::Goster(this, neden, Mesaj::Tur::Bilgi);
        return;
    }
    if (!yeni && !kayitli)
        return;
    // The project of the rows shown: the document may have moved on before the tab is shown afresh.
    const TahminDegistirKomutu komut{m_gosterilenProje, m_model->Faaliyet(satir).kodu, kayitli, yeni};
    if (const KomutHatasi hata = m_belge.Calistir(komut))
        Mesaj::ReddiGoster(this, hata.depo, [this] { m_belge.Sec(m_belge.seciliProje()); });
}

Dagilim RiskSekmesi::SecilenDagilim() const
{
    return m_dagilim->currentIndex() == 1 ? Dagilim::Ucgen : Dagilim::Pert;
}

void RiskSekmesi::DagilimSecildi()
{
    // Over the distribution shown, not one read now: a change elsewhere that the tab has
    // not shown yet makes the store refuse.
    const std::optional<Dagilim> gosterilen = m_gosterilenDagilim;
    const Dagilim secilen = SecilenDagilim();
    if (!gosterilen || secilen == *gosterilen) {
        m_dagilim->setCurrentIndex(gosterilen == Dagilim::Ucgen ? 1 : 0);
        return;
    }
    if (const KomutHatasi hata = m_belge.Calistir(DagilimDegistirKomutu{m_gosterilenProje, *gosterilen, secilen})) {
        m_dagilim->setCurrentIndex(gosterilen == Dagilim::Ucgen ? 1 : 0);
        Mesaj::ReddiGoster(this, hata.depo, [this] { m_belge.Sec(m_belge.seciliProje()); });
        return;
    }
    m_gosterilenDagilim = secilen;
}
