#include "ui/analysis/AnalizPenceresi.h"

#include "ui/PencereRolu.h"
#include "text/AnalizMetinleri.h"
#include "text/DurumMetinleri.h"
#include "text/TakvimMetinleri.h"
#include "ui/export/DisaAktarim.h"
#include "ui/analysis/AgDiyagrami.h"
#include "ui/analysis/AnalizTablosu.h"
#include "ui/analysis/DenemePaneli.h"
#include "ui/analysis/GanttAlani.h"
#include "ui/analysis/RiskSekmesi.h"
#include "ui/layout/Kurucu.h"
#include "ui/progress/IlerlemePenceresi.h"
#include "ui/widgets/SarilanEtiket.h"
#include "ui/widgets/TekSekilliHucre.h"
#include "ui/widgets/YerindeSekmeler.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Where the window's size, place and splitter are kept between runs.
QSettings Ayarlar()
{
    return QSettings(QStringLiteral("Kavrion"), QStringLiteral("Kavrion"));
}
const QString KonumAnahtari = QStringLiteral("AnalizPenceresi/Konum");
const QString BolucuAnahtari = QStringLiteral("AnalizPenceresi/Bolucu");

const QString AgNotu = QStringLiteral("Kırmızı: kritik faaliyetler ve belirleyici bağlar. Ok tuşları kutudan kutuya "
                                      "götürür, Enter ya da boşluk kutunun faaliyetini seçer.");

QString SecimYokNedeni()
{
    return QStringLiteral("Bir faaliyet seçildiğinde neden kritik olduğu ya da ne kadar kayabileceği burada yazar.");
}

// The plan line; a finish in a year whose bayram dates are estimated says so under it.
QString PlanSatiri(const AgAnalizi& analiz)
{
    const QDate bitis = analiz.plan.enErkenBitis;
    const QString plan = AnalizMetinleri::Plan(analiz);
    return bitis.isValid() && analiz.takvim.Gun(bitis).tahmini
               ? plan + QLatin1Char('\n') + TakvimMetinleri::TahminiYilNotu(bitis.year())
               : plan;
}

} // namespace

AnalizPenceresi::AnalizPenceresi(const DiyalogBaglami& baglam)
    : QWidget(baglam.sahip, Qt::Window), m_baglam(baglam)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ağ Analizi"));
    PencereRolunuKur(this, true);
    Kur();
    connect(m_baglam.belge, &PlanBelgesi::planDegisti, this, &AnalizPenceresi::Guncellenecek);
    connect(m_baglam.belge, &PlanBelgesi::denemeDegisti, this, &AnalizPenceresi::Yenile);
    connect(m_baglam.belge, &PlanBelgesi::faaliyetSecildi, this, &AnalizPenceresi::FaaliyetSecildi);
    Yenile();
    // Opened after the main window selected an activity, it shows that one selected too.
    FaaliyetSecildi(m_baglam.belge->SeciliFaaliyet());
}

AnalizPenceresi::~AnalizPenceresi()
{
    // Closing asked already; only a window taken down with its owner still holds one.
    disconnect(m_baglam.belge, nullptr, this, nullptr);
    m_baglam.belge->DenemeyiBirak();
}

void AnalizPenceresi::Kur()
{
    auto* duzen = new QVBoxLayout(this);
    m_durum = new SarilanEtiket(this);
    QFont kalin = m_durum->font();
    kalin.setBold(true);
    m_durum->setFont(kalin);
    duzen->addWidget(m_durum);

    // The analysis and, beside it, the estimates and what they make of the finish.
    m_sekmeler = new YerindeSekmeler(this);
    duzen->addWidget(m_sekmeler, 1);
    auto* analizSayfasi = new QWidget(m_sekmeler);
    auto* sayfaDuzeni = new QVBoxLayout(analizSayfasi);
    m_deneme = new DenemePaneli(*m_baglam.belge, analizSayfasi);
    sayfaDuzeni->addWidget(m_deneme);
    m_bolucu = new QSplitter(Qt::Vertical, analizSayfasi);
    m_bolucu->setChildrenCollapsible(false);
    sayfaDuzeni->addWidget(m_bolucu, 1);
    m_sekmeler->addTab(analizSayfasi, QStringLiteral("Ağ A&nalizi"));
    m_risk = new RiskSekmesi(*m_baglam.belge, m_sekmeler);
    m_sekmeler->addTab(m_risk, QStringLiteral("&Risk"));
    AgSekmesiniKur();
    m_sekmeler->addTab(m_agSayfasi, QStringLiteral("Ağ D&iyagramı"));
    m_risk->SonucGelince([this] { IlerlemeSatiriniYaz(!m_analiz.faaliyetler.isEmpty() && !m_analiz.hata.Var()); });

    TabloyuKur();
    SemayiKur();
    AltKismiKur();
    m_bolucu->setStretchFactor(0, 3);
    m_bolucu->setStretchFactor(1, 5);
    m_bolucu->setStretchFactor(2, 2);
    setTabOrder(m_tablo, m_kaydirma);
    setTabOrder(m_kaydirma, m_yollar);
}

void AnalizPenceresi::TabloyuKur()
{
    m_model = new AnalizTablosu(this);
    m_tablo = new QTableView(m_bolucu);
    m_tablo->setModel(m_model);
    m_tablo->setItemDelegate(new TekSekilliHucre(m_tablo));
    m_tablo->setAccessibleName(QStringLiteral("Faaliyetlerin analizi"));
    m_tablo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tablo->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tablo->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tablo->setTabKeyNavigation(false);
    m_tablo->setWordWrap(false);
    m_tablo->verticalHeader()->hide();
    m_tablo->horizontalHeader()->setSectionsMovable(false);
    m_tablo->horizontalHeader()->setStretchLastSection(true);
    // Scroll bars that come and go with the project would move everything beside
    // them: following a selection would repaint the whole window.
    m_tablo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_tablo->selectionModel(), &QItemSelectionModel::selectionChanged, this, &AnalizPenceresi::SecimDegisti);
    // The selected activity's progress: by its key anywhere in the window, or the table's menu.
    auto* ilerleme = new QAction(QStringLiteral("İlerleme…"), this);
    ilerleme->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ilerleme->setShortcutContext(Qt::WindowShortcut);
    connect(ilerleme, &QAction::triggered, this, &AnalizPenceresi::IlerlemeyiAc);
    addAction(ilerleme);
    m_tablo->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_tablo->addAction(ilerleme);
}

// The Gantt chart with its tools above it, and the window's shortcuts.
void AnalizPenceresi::SemayiKur()
{
    auto* sema = new QWidget(m_bolucu);
    auto* semaDuzeni = new QVBoxLayout(sema);
    semaDuzeni->setContentsMargins(0, 0, 0, 0);
    auto* araclar = new QHBoxLayout;
    semaDuzeni->addLayout(araclar);
    m_gantt = new GanttAlani;
    m_kaydirma = new QScrollArea(sema);
    m_kaydirma->setWidget(m_gantt);
    m_kaydirma->setBackgroundRole(QPalette::Base);
    m_kaydirma->setAccessibleName(QStringLiteral("Gantt şeması"));
    m_kaydirma->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    semaDuzeni->addWidget(m_kaydirma, 1);
    const auto komut = [&](const QString& ad, const QList<QKeySequence>& tuslar, auto is) {
        auto* eylem = new QAction(ad, this);
        eylem->setShortcuts(tuslar);
        eylem->setShortcutContext(Qt::WindowShortcut);
        eylem->setToolTip(QStringLiteral("%1 (%2)").arg(ad, tuslar.first().toString(QKeySequence::NativeText)));
        connect(eylem, &QAction::triggered, this, is);
        addAction(eylem);
        auto* dugme = new QToolButton(sema);
        dugme->setDefaultAction(eylem);
        araclar->addWidget(dugme);
    };
    komut(QStringLiteral("Yakınlaştır"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          [this] { AgGorunuyor() ? m_ag->Yakinlastir() : m_gantt->Yakinlastir(); });
    komut(QStringLiteral("Uzaklaştır"), {QKeySequence::ZoomOut},
          [this] { AgGorunuyor() ? m_ag->Uzaklastir() : m_gantt->Uzaklastir(); });
    komut(QStringLiteral("Genişliğe Sığdır"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
          [this] { AgGorunuyor() ? m_ag->GercekBoyut() : Sigdir(); });
    komut(QStringLiteral("Dışa Aktar…"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { DisaAktar(); });
    komut(QStringLiteral("Yazdır…"), {QKeySequence::Print}, [this] { Yazdir(); });
    // Esc and Ctrl+W close the window, as they close its owner's dialogs; no button shows them.
    auto* kapat = new QAction(QStringLiteral("Kapat"), this);
    kapat->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    kapat->setShortcutContext(Qt::WindowShortcut);
    connect(kapat, &QAction::triggered, this, &QWidget::close);
    addAction(kapat);
    auto* aciklama = new QLabel(
        QStringLiteral("Kırmızı çubuk: kritik faaliyet; ince çizgi: toplam bolluk; oklar: bitişten başlamaya bağlar."),
        sema);
    aciklama->setWordWrap(true);
    araclar->addWidget(aciklama, 1);
}

// The network diagram's tab: its tools, a line on reading it, and the diagram. The window's
// zoom, export and print keys act on it while it is shown.
void AnalizPenceresi::AgSekmesiniKur()
{
    m_agSayfasi = new QWidget(m_sekmeler);
    auto* duzen = new QVBoxLayout(m_agSayfasi);
    auto* araclar = new QHBoxLayout;
    duzen->addLayout(araclar);
    const auto dugme = [&](const QString& ad, const QKeySequence& tus, auto is) {
        auto* d = new QToolButton(m_agSayfasi);
        d->setText(ad);
        d->setToolTip(QStringLiteral("%1 (%2)").arg(ad, tus.toString(QKeySequence::NativeText)));
        connect(d, &QToolButton::clicked, this, is);
        araclar->addWidget(d);
    };
    dugme(QStringLiteral("Yakınlaştır"), QKeySequence(QKeySequence::ZoomIn), [this] { m_ag->Yakinlastir(); });
    dugme(QStringLiteral("Uzaklaştır"), QKeySequence(QKeySequence::ZoomOut), [this] { m_ag->Uzaklastir(); });
    dugme(QStringLiteral("Gerçek Boyut"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_ag->GercekBoyut(); });
    dugme(QStringLiteral("Dışa Aktar…"), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { DisaAktar(); });
    dugme(QStringLiteral("Yazdır…"), QKeySequence(QKeySequence::Print), [this] { Yazdir(); });
    m_agNotu = new QLabel(AgNotu, m_agSayfasi);
    m_agNotu->setWordWrap(true);
    araclar->addWidget(m_agNotu, 1);
    m_ag = new AgDiyagrami;
    m_ag->SecilinceCagir([this](int i) { SatiriSec(i); });
    auto* kaydirma = new QScrollArea(m_agSayfasi);
    kaydirma->setWidget(m_ag);
    kaydirma->setBackgroundRole(QPalette::Base);
    // The keyboard goes to the diagram's boxes, not to the frame around them.
    kaydirma->setFocusPolicy(Qt::NoFocus);
    duzen->addWidget(kaydirma, 1);
}

bool AnalizPenceresi::AgGorunuyor() const
{
    return m_sekmeler->currentWidget() == m_agSayfasi;
}

void AnalizPenceresi::DisaAktar()
{
    DisaAktarim::DisaAktar(this, *m_baglam.belge, DisaAktarim::Surum::Deneme, m_risk->GuncelGorsel(),
                           AgGorunuyor() ? std::optional(DisaAktarim::Bicim::AgSvg) : std::nullopt);
}

void AnalizPenceresi::Yazdir()
{
    DisaAktarim::Yazdir(this, *m_baglam.belge, DisaAktarim::Surum::Deneme,
                        AgGorunuyor() ? DisaAktarim::Sayfalar::Ag : DisaAktarim::Sayfalar::Rapor);
}

// The critical paths and, under them, what the plan and its reasons say.
void AnalizPenceresi::AltKismiKur()
{
    auto* alt = new QWidget(m_bolucu);
    auto* altDuzeni = new QVBoxLayout(alt);
    altDuzeni->setContentsMargins(0, 0, 0, 0);
    auto* yollarEtiketi = new QLabel(QStringLiteral("&Kritik yollar:"), alt);
    m_yollar = new QPlainTextEdit(alt);
    m_yollar->setReadOnly(true);
    m_yollar->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_yollar->setAccessibleName(QStringLiteral("Kritik yollar"));
    m_yollar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    yollarEtiketi->setBuddy(m_yollar);
    m_plan = new SarilanEtiket(alt);
    m_ilerleme = new SarilanEtiket(alt);
    m_ilerleme->setAccessibleName(QStringLiteral("İlerleme durumu"));
    m_ilerleme->setToolTip(DurumMetinleri::PerformansTanimlari());
    m_ilerleme->setWhatsThis(DurumMetinleri::PerformansTanimlari());
    m_neden = new SarilanEtiket(alt);
    // Emptied, they keep their line, for the same reason.
    for (QLabel* etiket : {m_plan, m_neden})
        etiket->setMinimumHeight(etiket->fontMetrics().lineSpacing());
    altDuzeni->addWidget(yollarEtiketi);
    altDuzeni->addWidget(m_yollar, 1);
    altDuzeni->addWidget(m_plan);
    altDuzeni->addWidget(m_ilerleme);
    altDuzeni->addWidget(m_neden);
}

void AnalizPenceresi::OneGetir()
{
    if (!m_gosterildi) {
        m_gosterildi = true;
        const QSettings ayarlar = Ayarlar();
        const bool yerinde = restoreGeometry(ayarlar.value(KonumAnahtari).toByteArray());
        const bool bolucuYerinde = m_bolucu->restoreState(ayarlar.value(BolucuAnahtari).toByteArray());
        QSize boyut = size();
        if (!yerinde) {
            // The first time: wide enough for the table's twelve columns, within the screen.
            const QFontMetrics olcu(font());
            boyut = QSize(olcu.averageCharWidth() * 160, olcu.height() * 50);
            if (const QScreen* ekran = m_baglam.sahip ? m_baglam.sahip->screen() : screen())
                boyut = boyut.boundedTo(ekran->availableGeometry().size() * 0.9);
            resize(boyut);
        }
        if (!bolucuYerinde) {
            // The chart gets the most room, the texts under it the least.
            const int yukseklik = boyut.height();
            m_bolucu->setSizes({yukseklik * 3, yukseklik * 5, yukseklik * 2});
        }
        show();
        if (!yerinde)
            Ortala(this);
        Sigdir();
    }
    show();
    raise();
    activateWindow();
}

void AnalizPenceresi::Guncellenecek()
{
    if (m_bekliyor)
        return;
    m_bekliyor = true;
    QTimer::singleShot(0, this, [this] {
        if (m_bekliyor)
            Yenile();
    });
}

void AnalizPenceresi::Yenile()
{
    // The trial's question below may change the trial, which shows it again: this refresh
    // reads the document after the answer.
    if (m_yenileniyor)
        return;
    const QScopedValueRollback<bool> yenileniyor(m_yenileniyor, true);
    m_bekliyor = false;
    const int eskiSatir = SeciliSatir();
    const QString eskiKod = eskiSatir >= 0 ? m_analiz.faaliyetler.at(eskiSatir).kodu : QString();
    // A trial is shown, and simulated, in place of the stored plan. Its question comes
    // first: the answer may bring the trial's project back.
    m_deneme->PlaniGoster();
    const PlanBelgesi& belge = *m_baglam.belge;
    const QString ad = belge.seciliProje();
    const auto& plan = belge.plan();
    m_risk->Yenile();
    const QString adMetni = ad.size() > AnalizMetinleri::AdSiniri ? ad.left(AnalizMetinleri::AdSiniri) + QChar(0x2026) : ad;

    m_analiz = AgAnalizi();
    if (ad.isEmpty())
        m_durum->setText(QStringLiteral("Seçili proje yok."));
    else if (!plan)
        m_durum->setText(QStringLiteral("%1: proje okunamadı.").arg(adMetni));
    else {
        m_analiz = belge.gosterilenAnaliz();
        m_durum->setText(m_analiz.hata.Var()
                             ? adMetni + QLatin1Char('\n') + AnalizMetinleri::Hesaplanamiyor(m_analiz)
                             : adMetni);
    }
    const bool hesaplandi = plan && !ad.isEmpty() && !m_analiz.hata.Var();

    if (hesaplandi)
        m_model->Goster(m_analiz, &belge.ilerlemeAnalizi(), &plan->proje.ilerleme);
    else
        m_model->Goster(m_analiz);
    IlerlemeSatiriniYaz(hesaplandi);
    // Another project's chart is fitted to the width as it is drawn, not drawn twice.
    const bool yeniProje = ad != m_gosterilenProje;
    m_gosterilenProje = ad;
    if (hesaplandi) {
        m_gantt->Goster(m_analiz, plan->proje.baslama.deger.value_or(QDate()), m_analiz.plan.tahminiGunSayisi,
                        yeniProje ? std::optional<int>(SigacakGenislik()) : std::nullopt, &belge.ilerlemeAnalizi());
        m_yollar->setPlainText(AnalizMetinleri::KritikYollar(m_analiz));
        m_plan->setText(PlanSatiri(m_analiz));
        m_ag->Goster(m_analiz);
    } else {
        m_gantt->Bosalt();
        m_ag->Bosalt();
        m_yollar->clear();
        m_plan->clear();
    }
    m_neden->setText(hesaplandi ? SecimYokNedeni() : QString());
    m_agNotu->setText(belge.Denemede() ? DenemeIsareti() + QStringLiteral(". ") + AgNotu : AgNotu);
    // The columns fit the first rows shown; measuring them at every refresh would
    // cost more than all the rest of following the main window. The progress columns,
    // when they come, are measured then.
    if (m_model->columnCount() > m_olculenSutunlar && m_model->rowCount() > 0) {
        m_olculenSutunlar = m_model->columnCount();
        m_tablo->resizeColumnsToContents();
    }
    SecimiKoru(eskiKod);
}

void AnalizPenceresi::SecimiKoru(const QString& eskiKod)
{
    // The same activity stays selected while the project is shown again; no other row is.
    int secilecek = -1;
    for (int i = 0; !eskiKod.isEmpty() && i < m_analiz.faaliyetler.size() && secilecek < 0; ++i) {
        if (m_analiz.faaliyetler.at(i).kodu == eskiKod)
            secilecek = i;
    }
    if (secilecek >= 0)
        SatiriSec(secilecek);
    else if (SeciliSatir() >= 0)
        m_tablo->clearSelection();
}

int AnalizPenceresi::SeciliSatir() const
{
    const QModelIndexList satirlar = m_tablo->selectionModel()->selectedRows();
    return satirlar.isEmpty() ? -1 : satirlar.first().row();
}

void AnalizPenceresi::SatiriSec(int satir)
{
    m_tablo->selectRow(satir);
}

void AnalizPenceresi::SecimDegisti()
{
    const int i = SeciliSatir();
    const QRectF cubuk = m_gantt->Sec(i);
    m_ag->Sec(i);
    if (i < 0) {
        m_neden->setText(m_analiz.faaliyetler.isEmpty() ? QString() : SecimYokNedeni());
        return;
    }
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    // The user's selection goes to the other windows; a refresh's selecting again does not.
    if (!m_yenileniyor)
        m_baglam.belge->FaaliyetiSec(f.kodu);
    m_neden->setText(QStringLiteral("%1: %2").arg(f.kodu, AnalizMetinleri::Neden(m_analiz, i)));
    const int gorunen = m_kaydirma->viewport()->width();
    m_kaydirma->ensureVisible(int(cubuk.center().x()), int(cubuk.center().y()),
                              std::min(int(cubuk.width() / 2) + 20, gorunen / 2), int(cubuk.height() * 2));
}

void AnalizPenceresi::FaaliyetSecildi(const QString& kod)
{
    for (int i = 0; i < m_analiz.faaliyetler.size(); ++i) {
        if (m_analiz.faaliyetler.at(i).kodu == kod) {
            if (i != SeciliSatir())
                SatiriSec(i);
            return;
        }
    }
}

void AnalizPenceresi::IlerlemeyiAc()
{
    const int i = SeciliSatir();
    IlerlemePenceresi::Ac(m_baglam, i >= 0 ? m_analiz.faaliyetler.at(i).kodu : QString());
}

void AnalizPenceresi::IlerlemeSatiriniYaz(bool hesaplandi)
{
    QString satir = hesaplandi ? DurumMetinleri::DurumSatiri(m_baglam.belge->ilerlemeAnalizi()) : QString();
    // The risk tab's run from the status date, while it is of what is shown.
    const auto p80 = satir.isEmpty() ? std::nullopt : m_risk->DurumaGoreP80();
    if (p80)
        satir += QLatin1Char('\n') + DurumMetinleri::P80Satiri(*p80);
    m_ilerleme->setText(satir);
    m_ilerleme->setVisible(!satir.isEmpty());
}

int AnalizPenceresi::SigacakGenislik() const
{
    // The vertical scroll bar is always there: the view's width is what the chart may take.
    return m_kaydirma->viewport()->width();
}

void AnalizPenceresi::Sigdir()
{
    m_gantt->GenisligeSigdir(SigacakGenislik());
}

void AnalizPenceresi::closeEvent(QCloseEvent* olay)
{
    if (!m_deneme->Kapanabilir()) {
        olay->ignore();
        return;
    }
    QSettings ayarlar = Ayarlar();
    ayarlar.setValue(KonumAnahtari, saveGeometry());
    ayarlar.setValue(BolucuAnahtari, m_bolucu->saveState());
    olay->accept();
}
