#include "ui/layout/Kurucu.h"

#include "ui/PencereRolu.h"
#include "ui/layout/Duzenler.h"

#include "ui/widgets/DuzCerceve.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/widgets/SecimiKoruyanListe.h"
#include "ui/widgets/TamSatir.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QColor Lacivert(0, 0, 128);

QWidget* Yarat(const DenetimDuzeni& d, QWidget* ebeveyn)
{
    const QString baslik = QString::fromUtf8(d.baslik);
    switch (d.tur) {
    case DenetimTuru::Etiket: {
        auto* etiket = new QLabel(baslik, ebeveyn);
        etiket->setAlignment((d.ayarlar & Ayar::SagaYasli ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return etiket;
    }
    case DenetimTuru::MetinKutusu: {
        auto* kutu = new QLineEdit(ebeveyn);
        kutu->setReadOnly(d.ayarlar & Ayar::SaltOkunur);
        // A field never cuts what it is given: a stored text of any length is saved
        // back exactly as it was read.
        kutu->setMaxLength(std::numeric_limits<int>::max());
        return kutu;
    }
    case DenetimTuru::Cerceve: {
        return new DuzCerceve(baslik, ebeveyn);
    }
    case DenetimTuru::Dugme: {
        auto* dugme = new QPushButton(baslik, ebeveyn);
        dugme->setAutoDefault(true); // Enter presses the button that has the focus, and only that one
        return dugme;
    }
    case DenetimTuru::Liste:
        return new ListeKutusu(ebeveyn);
    case DenetimTuru::AcilirListe:
        return new QComboBox(ebeveyn);
    case DenetimTuru::SayiKutusu:
        return new QSpinBox(ebeveyn);
    case DenetimTuru::ListeGorunumu: {
        auto* liste = new SecimiKoruyanListe<QTreeWidget>(ebeveyn);
        liste->setItemDelegate(new TamSatir(liste));
        liste->setRootIsDecorated(false);
        liste->setUniformRowHeights(true);
        liste->setSortingEnabled(false);
        liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
        liste->setSelectionMode(QAbstractItemView::SingleSelection);
        liste->setSelectionBehavior(QAbstractItemView::SelectRows);
        liste->setAllColumnsShowFocus(true);
        liste->header()->setSectionsMovable(false);
        // A scroll bar that came and went with each project would narrow the rows
        // under it, and the columns with them, a moment after they were drawn.
        liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return liste;
    }
    }
    return nullptr;
}

// A navy frame passes its colour down to what it holds; only its caption and the
// fields marked navy keep it.
void Renklendir(QWidget* denetim, const DenetimDuzeni& d)
{
    const bool lacivert = d.ayarlar & Ayar::Lacivert;
    const bool saltOkunur = d.tur == DenetimTuru::MetinKutusu && (d.ayarlar & Ayar::SaltOkunur);
    if (!lacivert && !d.cercevede && !saltOkunur)
        return;
    const QPalette sistem = QApplication::palette(denetim);
    QPalette renk = denetim->palette();
    const bool cerceve = d.tur == DenetimTuru::Cerceve;
    renk.setColor(QPalette::WindowText, lacivert && cerceve ? Lacivert : sistem.color(QPalette::WindowText));
    renk.setColor(QPalette::Text, lacivert ? Lacivert : sistem.color(QPalette::Text));
    // A box only the system writes in shows the window's colour behind its text, as
    // read-only fields do.
    if (saltOkunur)
        renk.setColor(QPalette::Base, sistem.color(QPalette::Window));
    denetim->setPalette(renk);
}

bool OdakAlabilir(DenetimTuru tur)
{
    return tur != DenetimTuru::Etiket && tur != DenetimTuru::Cerceve;
}

// "Tahmini Başlama Tarihi :" names its field "Tahmini Başlama Tarihi".
QString ErisilebilirAd(const QString& etiket)
{
    QString ad = etiket;
    ad.remove(QLatin1Char('&'));
    if (ad.endsWith(QLatin1Char(':')))
        ad.chop(1);
    return ad.trimmed();
}

// Every label and column header of every window, with the width in twips it must
// fit in and the pixels its box takes around the text.
struct SigacakMetin {
    QString metin;
    int twips;
    int pay;
};
QVector<SigacakMetin> SigacakMetinler()
{
    QVector<SigacakMetin> metinler;
    for (const PencereDuzeni* duzen : Duzenler::Tumu()) {
        for (const DenetimDuzeni& d : duzen->denetimler) {
            if (d.tur == DenetimTuru::Etiket)
                metinler.append({QString::fromUtf8(d.baslik), d.genislik, 0});
        }
    }
    constexpr int BaslikBoslugu = 8; // a header's text sits between small margins
    for (const SutunDuzeni& sutun : Duzenler::FaaliyetlerListesiSutunlari())
        metinler.append({QString::fromUtf8(sutun.baslik), sutun.genislik, BaslikBoslugu});
    return metinler;
}

// The line height of the 8-point dialog font the layouts were drawn for, at 96 DPI.
constexpr double CizimYazisininSatiri = 13.0;
constexpr double PikselBasinaTwips = 15.0;

} // namespace

namespace {

// Like dialog units: the geometry grows with the font's line height, and further
// should a label or a header still not fit.
double YaziyaGoreOlcek(const QFont& yaziTipi)
{
    const QFontMetricsF olcu(yaziTipi);
    double oran = olcu.height() / CizimYazisininSatiri;
    for (const SigacakMetin& m : SigacakMetinler())
        oran = std::max(oran, (olcu.horizontalAdvance(m.metin) + m.pay) / (m.twips / PikselBasinaTwips));
    return oran / PikselBasinaTwips;
}

} // namespace

double OlcekHesapla(const QFont& yaziTipi)
{
    // Never below 15 twips a pixel: a small font keeps the windows as they were drawn.
    return std::max(1.0 / PikselBasinaTwips, YaziyaGoreOlcek(yaziTipi));
}

namespace {

// Room for what the window manager adds around a main window: a title bar and a frame,
// as on the common desktops (GNOME's title bar is 37 pixels, Xfce's and KDE's 30 or less).
constexpr int CerceveGenisligi = 16;
constexpr int BaslikVeCerceve = 40;
// The smallest line the font is shrunk to, in device pixels.
constexpr double EnKisaSatir = 11.0;
// A menu bar is its font's line and its margins.
int MenuYuksekligi(const QFontMetricsF& olcu)
{
    return int(std::ceil(olcu.height())) + 10;
}

std::optional<PencereOlcegi>& KurulanOlcek()
{
    static std::optional<PencereOlcegi> olcek;
    return olcek;
}

} // namespace

PencereOlcegi EkranaGoreOlcek(const QFont& yazi, const QSize& alan, double aygitOrani)
{
    const PencereDuzeni& ana = Duzenler::TemelForm();
    const QSize enBuyuk(alan.width() - CerceveGenisligi, alan.height() - BaslikVeCerceve);
    const auto sigar = [&](const QFont& f, double olcek) {
        return Piksel(ana.genislik, olcek) <= enBuyuk.width()
               && Piksel(ana.yukseklik, olcek) + MenuYuksekligi(QFontMetricsF(f)) <= enBuyuk.height();
    };
    PencereOlcegi sonuc{yazi, OlcekHesapla(yazi), false, enBuyuk};
    if (sigar(yazi, sonuc.olcek))
        return sonuc;
    // Shrunk by 3% at a time, from the size it was given in.
    const bool noktayla = yazi.pointSizeF() > 0;
    const double boy = noktayla ? yazi.pointSizeF() : yazi.pixelSize();
    for (double oran = 0.97;; oran -= 0.03) {
        QFont kucuk = yazi;
        if (noktayla)
            kucuk.setPointSizeF(boy * oran);
        else
            kucuk.setPixelSize(std::max(1, int(boy * oran)));
        if (QFontMetricsF(kucuk).height() * aygitOrani < EnKisaSatir || oran < 0.1) {
            sonuc.kaydirilir = true;
            return sonuc;
        }
        sonuc.yazi = kucuk;
        sonuc.olcek = YaziyaGoreOlcek(kucuk); // a font shrunk to fit shrinks the windows with it
        if (sigar(kucuk, sonuc.olcek))
            return sonuc;
    }
}

void OlcegiKur(const PencereOlcegi& olcek)
{
    QApplication::setFont(olcek.yazi);
    KurulanOlcek() = olcek;
}

double Olcek()
{
    if (!KurulanOlcek())
        KurulanOlcek() = PencereOlcegi{QApplication::font(), OlcekHesapla(QApplication::font()), false, QSize()};
    return KurulanOlcek()->olcek;
}

int Piksel(int twips, double olcek)
{
    return int(std::lround(twips * olcek));
}

int Piksel(int twips)
{
    return Piksel(twips, Olcek());
}

namespace {

void PencereyiAyarla(QWidget* pencere, const PencereDuzeni& duzen)
{
    pencere->setWindowTitle(QString::fromUtf8(duzen.baslik));
    const Qt::WindowFlags ortak = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowCloseButtonHint;
    pencere->setWindowFlags(duzen.anaPencere ? Qt::Window | ortak | Qt::WindowMinimizeButtonHint
                                             : Qt::Dialog | ortak);
}

// Esc presses the window's cancel button while it is enabled; in a dialog Ctrl+W does too,
// as it closes every other window of Kavrion but the main one.
void KapatmaTuslariniKur(QWidget* pencere, QPushButton* esc, bool anaPencere)
{
    QList<QKeySequence> tuslar{QKeySequence(Qt::Key_Escape)};
    if (!anaPencere)
        tuslar << QKeySequence(Qt::CTRL | Qt::Key_W);
    for (const QKeySequence& tus : tuslar) {
        auto* kisayol = new QShortcut(tus, pencere);
        QObject::connect(kisayol, &QShortcut::activated, esc, [esc] {
            if (esc->isEnabled())
                esc->click();
        });
    }
}

void DenetimleriKur(QWidget* pencere, const PencereDuzeni& duzen, void* denetimler)
{
    QPushButton* escDugmesi = nullptr;
    QWidget* cerceve = nullptr;
    QLabel* bekleyenEtiket = nullptr;
    QWidget* oncekiOdak = nullptr;
    for (const DenetimDuzeni& d : duzen.denetimler) {
        QWidget* denetim = Yarat(d, d.cercevede ? cerceve : pencere);
        const QString ad = QString::fromUtf8(d.ad);
        denetim->setObjectName(ad);
        Renklendir(denetim, d);
        denetim->setGeometry(Piksel(d.sol), Piksel(d.ust), Piksel(d.genislik), Piksel(d.yukseklik));
        if (d.ayarlar & Ayar::Kapali)
            denetim->setEnabled(false);
        if (d.ayarlar & Ayar::SekmeDuragiYok)
            denetim->setFocusPolicy(Qt::ClickFocus);
        if (d.yuva)
            d.yuva(denetimler, denetim);

        if (d.tur == DenetimTuru::Cerceve)
            cerceve = denetim;
        if (d.tur == DenetimTuru::Etiket) {
            bekleyenEtiket = static_cast<QLabel*>(denetim);
            continue;
        }
        if (!OdakAlabilir(d.tur))
            continue;

        // A label names the field that follows it in the tab order.
        if (bekleyenEtiket && d.tur != DenetimTuru::Dugme) {
            bekleyenEtiket->setBuddy(denetim);
            denetim->setAccessibleName(ErisilebilirAd(bekleyenEtiket->text()));
        }
        bekleyenEtiket = nullptr;
        if (oncekiOdak)
            QWidget::setTabOrder(oncekiOdak, denetim);
        oncekiOdak = denetim;
        if (d.ayarlar & Ayar::Esc)
            escDugmesi = static_cast<QPushButton*>(denetim);
    }

    if (escDugmesi)
        KapatmaTuslariniKur(pencere, escDugmesi, duzen.anaPencere);
}

} // namespace

void PencereyiKur(QWidget* pencere, const PencereDuzeni& duzen, void* denetimler)
{
    PencereyiAyarla(pencere, duzen);
    pencere->setFixedSize(Piksel(duzen.genislik), Piksel(duzen.yukseklik));
    PencereRolunuKur(pencere, duzen.anaPencere);
    DenetimleriKur(pencere, duzen, denetimler);
}

void PencereyiKur(QMainWindow* pencere, const PencereDuzeni& duzen, void* denetimler)
{
    PencereyiAyarla(pencere, duzen);
    auto* istemci = new QWidget(pencere);
    istemci->setFixedSize(Piksel(duzen.genislik), Piksel(duzen.yukseklik));
    DenetimleriKur(istemci, duzen, denetimler);
    Olcek();
    if (!KurulanOlcek()->kaydirilir) {
        pencere->setCentralWidget(istemci);
        // The window takes its size hint, the client area and whatever bars it gets, and keeps it.
        pencere->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    // A screen too small even for the smallest font: the client area scrolls in a window
    // as large as the screen takes, which may grow up to the whole client area.
    auto* kaydirma = new QScrollArea(pencere);
    kaydirma->setObjectName(QStringLiteral("İstemciAlanı"));
    kaydirma->setFrameShape(QFrame::NoFrame);
    kaydirma->setWidget(istemci);
    pencere->setCentralWidget(kaydirma);
    const QSize tamami = istemci->size() + QSize(0, MenuYuksekligi(QFontMetricsF(pencere->font())));
    // Only the direction that does not fit scrolls: the other has room for the scroll bar.
    const int cubuk = kaydirma->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, kaydirma);
    pencere->setMaximumSize(tamami + QSize(cubuk, cubuk));
    const QSize enBuyuk = KurulanOlcek()->enBuyuk;
    pencere->resize(std::min(enBuyuk.width(), tamami.width() + (tamami.height() > enBuyuk.height() ? cubuk : 0)),
                    std::min(enBuyuk.height(), tamami.height() + (tamami.width() > enBuyuk.width() ? cubuk : 0)));
}

void Ortala(QWidget* pencere)
{
    QRect alan;
    if (QWidget* sahip = pencere->parentWidget())
        alan = sahip->window()->frameGeometry();
    else if (QScreen* ekran = pencere->screen())
        alan = ekran->availableGeometry();
    QRect yer = pencere->frameGeometry();
    // Before it is first shown a window has no frame yet: room is left for the title bar
    // and frame it will get, so that they too lie on the screen.
    const bool cercevesiz = yer == pencere->geometry() && !pencere->parentWidget();
    if (cercevesiz)
        yer.adjust(-CerceveGenisligi / 2, -(BaslikVeCerceve - CerceveGenisligi / 2), CerceveGenisligi / 2, CerceveGenisligi / 2);
    yer.moveCenter(alan.center());
    if (!pencere->parentWidget() && !alan.isEmpty())
        yer.moveTopLeft(QPoint(std::max(alan.left(), std::min(yer.left(), alan.right() - yer.width() + 1)),
                               std::max(alan.top(), std::min(yer.top(), alan.bottom() - yer.height() + 1))));
    if (cercevesiz)
        yer.adjust(CerceveGenisligi / 2, BaslikVeCerceve - CerceveGenisligi / 2, -CerceveGenisligi / 2, -CerceveGenisligi / 2);
    pencere->move(yer.topLeft());
}
