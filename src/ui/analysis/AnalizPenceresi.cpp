#include "ui/analysis/AnalizPenceresi.h"

#include "ui/PencereRolu.h"
#include "analysis/AnalizMetinleri.h"
#include "ui/export/DisaAktarim.h"
#include "ui/analysis/AnalizTablosu.h"
#include "ui/analysis/GanttAlani.h"
#include "ui/layout/Kurucu.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
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
const QString KonumAnahtarı = QStringLiteral("AnalizPenceresi/Konum");
const QString BölücüAnahtarı = QStringLiteral("AnalizPenceresi/Bolucu");

QString SeçimYokNedeni()
{
    return QStringLiteral("Bir faaliyet seçildiğinde neden kritik olduğu ya da ne kadar kayabileceği burada yazar.");
}

QLabel* Etiket(QWidget* ebeveyn)
{
    auto* etiket = new QLabel(ebeveyn);
    etiket->setWordWrap(true);
    etiket->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return etiket;
}

} // namespace

AnalizPenceresi::AnalizPenceresi(const DiyalogBağlamı& bağlam, std::function<GösterilenKayıtlar()> gösterilen)
    : QWidget(bağlam.sahip, Qt::Window), m_bağlam(bağlam), m_gösterilen(std::move(gösterilen))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ağ Analizi"));
    PencereRolünüKur(this, true);
    Kur();
    Yenile();
}

void AnalizPenceresi::Kur()
{
    auto* düzen = new QVBoxLayout(this);
    m_durum = Etiket(this);
    QFont kalın = m_durum->font();
    kalın.setBold(true);
    m_durum->setFont(kalın);
    düzen->addWidget(m_durum);

    m_bölücü = new QSplitter(Qt::Vertical, this);
    m_bölücü->setChildrenCollapsible(false);
    düzen->addWidget(m_bölücü, 1);

    m_model = new AnalizTablosu(this);
    m_tablo = new QTableView(m_bölücü);
    m_tablo->setModel(m_model);
    m_tablo->setAccessibleName(QStringLiteral("Faaliyetlerin analizi"));
    m_tablo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tablo->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tablo->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tablo->setTabKeyNavigation(false);
    m_tablo->setWordWrap(false);
    m_tablo->verticalHeader()->hide();
    m_tablo->horizontalHeader()->setSectionsMovable(false);
    m_tablo->horizontalHeader()->setStretchLastSection(true);
    connect(m_tablo->selectionModel(), &QItemSelectionModel::selectionChanged, this, &AnalizPenceresi::SeçimDeğişti);

    auto* şema = new QWidget(m_bölücü);
    auto* şemaDüzeni = new QVBoxLayout(şema);
    şemaDüzeni->setContentsMargins(0, 0, 0, 0);
    auto* araçlar = new QHBoxLayout;
    şemaDüzeni->addLayout(araçlar);
    m_gantt = new GanttAlanı;
    m_kaydırma = new QScrollArea(şema);
    m_kaydırma->setWidget(m_gantt);
    m_kaydırma->setBackgroundRole(QPalette::Base);
    m_kaydırma->setAccessibleName(QStringLiteral("Gantt şeması"));
    şemaDüzeni->addWidget(m_kaydırma, 1);
    const auto komut = [&](const QString& ad, const QList<QKeySequence>& tuşlar, auto iş) {
        auto* eylem = new QAction(ad, this);
        eylem->setShortcuts(tuşlar);
        eylem->setShortcutContext(Qt::WindowShortcut);
        eylem->setToolTip(QStringLiteral("%1 (%2)").arg(ad, tuşlar.first().toString(QKeySequence::NativeText)));
        connect(eylem, &QAction::triggered, this, iş);
        addAction(eylem);
        auto* düğme = new QToolButton(şema);
        düğme->setDefaultAction(eylem);
        araçlar->addWidget(düğme);
    };
    komut(QStringLiteral("Yakınlaştır"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          [this] { m_gantt->Yakınlaştır(); });
    komut(QStringLiteral("Uzaklaştır"), {QKeySequence::ZoomOut}, [this] { m_gantt->Uzaklaştır(); });
    komut(QStringLiteral("Genişliğe Sığdır"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { Sığdır(); });
    komut(QStringLiteral("Dışa Aktar…"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
          [this] { DisaAktarim::DışaAktar(this, m_gösterilen(), m_bağlam.depo); });
    komut(QStringLiteral("Yazdır…"), {QKeySequence::Print}, [this] { DisaAktarim::Yazdır(this, m_gösterilen()); });
    auto* açıklama = new QLabel(
        QStringLiteral("Kırmızı çubuk: kritik faaliyet; ince çizgi: toplam bolluk; oklar: bitişten başlamaya bağlar."),
        şema);
    açıklama->setWordWrap(true);
    araçlar->addWidget(açıklama, 1);

    auto* alt = new QWidget(m_bölücü);
    auto* altDüzeni = new QVBoxLayout(alt);
    altDüzeni->setContentsMargins(0, 0, 0, 0);
    auto* yollarEtiketi = new QLabel(QStringLiteral("&Kritik yollar:"), alt);
    m_yollar = new QPlainTextEdit(alt);
    m_yollar->setReadOnly(true);
    m_yollar->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_yollar->setAccessibleName(QStringLiteral("Kritik yollar"));
    yollarEtiketi->setBuddy(m_yollar);
    m_plan = Etiket(alt);
    m_neden = Etiket(alt);
    altDüzeni->addWidget(yollarEtiketi);
    altDüzeni->addWidget(m_yollar, 1);
    altDüzeni->addWidget(m_plan);
    altDüzeni->addWidget(m_neden);

    m_bölücü->setStretchFactor(0, 3);
    m_bölücü->setStretchFactor(1, 5);
    m_bölücü->setStretchFactor(2, 2);
    setTabOrder(m_tablo, m_kaydırma);
    setTabOrder(m_kaydırma, m_yollar);
}

void AnalizPenceresi::ÖneGetir()
{
    if (!m_gösterildi) {
        m_gösterildi = true;
        const QSettings ayarlar = Ayarlar();
        const bool yerinde = restoreGeometry(ayarlar.value(KonumAnahtarı).toByteArray());
        const bool bölücüYerinde = m_bölücü->restoreState(ayarlar.value(BölücüAnahtarı).toByteArray());
        QSize boyut = size();
        if (!yerinde) {
            // The first time: wide enough for the table's twelve columns, within the screen.
            const QFontMetrics ölçü(font());
            boyut = QSize(ölçü.averageCharWidth() * 160, ölçü.height() * 50);
            if (const QScreen* ekran = m_bağlam.sahip ? m_bağlam.sahip->screen() : screen())
                boyut = boyut.boundedTo(ekran->availableGeometry().size() * 0.9);
            resize(boyut);
        }
        if (!bölücüYerinde) {
            // The chart gets the most room, the texts under it the least.
            const int yükseklik = boyut.height();
            m_bölücü->setSizes({yükseklik * 3, yükseklik * 5, yükseklik * 2});
        }
        show();
        if (!yerinde)
            Ortala(this);
        Sığdır();
    }
    show();
    raise();
    activateWindow();
}

void AnalizPenceresi::Güncellenecek()
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
    m_bekliyor = false;
    const int eskiSatır = SeçiliSatır();
    const QString eskiKod = eskiSatır >= 0 ? m_analiz.faaliyetler.at(eskiSatır).kodu : QString();
    const QString ad = m_bağlam.seçiliProje();
    const GösterilenKayıtlar kayıtlar = m_gösterilen();
    const QString adMetni = ad.size() > AnalizMetinleri::AdSınırı ? ad.left(AnalizMetinleri::AdSınırı) + QChar(0x2026) : ad;

    m_analiz = AğAnalizi();
    if (ad.isEmpty())
        m_durum->setText(QStringLiteral("Seçili proje yok."));
    else if (!kayıtlar.proje)
        m_durum->setText(QStringLiteral("%1: proje okunamadı.").arg(adMetni));
    else {
        m_analiz = AnaliziHesapla(kayıtlar.faaliyetler, *kayıtlar.proje);
        m_durum->setText(m_analiz.hesaplanamıyor.isEmpty() ? adMetni
                                                           : adMetni + QLatin1Char('\n') + m_analiz.hesaplanamıyor);
    }
    const bool hesaplandı = kayıtlar.proje && !ad.isEmpty() && m_analiz.hesaplanamıyor.isEmpty();

    m_model->Göster(m_analiz);
    if (hesaplandı) {
        m_gantt->Göster(m_analiz, kayıtlar.proje->başlama.değer.value_or(QDate()), m_analiz.plan.tahminiGünSayısı);
        m_yollar->setPlainText(AnalizMetinleri::KritikYollar(m_analiz));
        m_plan->setText(AnalizMetinleri::Plan(m_analiz));
    } else {
        m_gantt->Boşalt();
        m_yollar->clear();
        m_plan->clear();
    }
    m_neden->setText(hesaplandı ? SeçimYokNedeni() : QString());
    if (ad != m_gösterilenProje) {
        m_gösterilenProje = ad;
        Sığdır();
    }
    // The columns fit the first rows shown; measuring them at every refresh would
    // cost more than all the rest of following the main window.
    if (!m_sütunlarAyarlandı && m_model->rowCount() > 0) {
        m_sütunlarAyarlandı = true;
        m_tablo->resizeColumnsToContents();
    }
    // The same activity stays selected while the project is shown again.
    for (int i = 0; !eskiKod.isEmpty() && i < m_analiz.faaliyetler.size(); ++i) {
        if (m_analiz.faaliyetler.at(i).kodu == eskiKod) {
            SatırıSeç(i);
            break;
        }
    }
}

int AnalizPenceresi::SeçiliSatır() const
{
    const QModelIndexList satırlar = m_tablo->selectionModel()->selectedRows();
    return satırlar.isEmpty() ? -1 : satırlar.first().row();
}

void AnalizPenceresi::SatırıSeç(int satır)
{
    m_tablo->selectRow(satır);
}

void AnalizPenceresi::SeçimDeğişti()
{
    const int i = SeçiliSatır();
    const QRectF çubuk = m_gantt->Seç(i);
    if (i < 0) {
        m_neden->setText(m_analiz.faaliyetler.isEmpty() ? QString() : SeçimYokNedeni());
        return;
    }
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    m_neden->setText(QStringLiteral("%1: %2").arg(f.kodu, f.neden));
    const int görünen = m_kaydırma->viewport()->width();
    m_kaydırma->ensureVisible(int(çubuk.center().x()), int(çubuk.center().y()),
                              std::min(int(çubuk.width() / 2) + 20, görünen / 2), int(çubuk.height() * 2));
}

void AnalizPenceresi::Sığdır()
{
    const int kaydırmaÇubuğu = m_kaydırma->verticalScrollBar()->sizeHint().width();
    m_gantt->GenişliğeSığdır(m_kaydırma->viewport()->width() - (m_kaydırma->verticalScrollBar()->isVisible() ? 0 : kaydırmaÇubuğu));
}

void AnalizPenceresi::closeEvent(QCloseEvent* olay)
{
    QSettings ayarlar = Ayarlar();
    ayarlar.setValue(KonumAnahtarı, saveGeometry());
    ayarlar.setValue(BölücüAnahtarı, m_bölücü->saveState());
    olay->accept();
}
