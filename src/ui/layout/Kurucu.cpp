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
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTreeWidget>
#include <cmath>
#include <limits>

namespace {

const QColor Lacivert(0, 0, 128);

QWidget* Yarat(const DenetimDüzeni& d, QWidget* ebeveyn)
{
    const QString başlık = QString::fromUtf8(d.başlık);
    switch (d.tür) {
    case DenetimTürü::Etiket: {
        auto* etiket = new QLabel(başlık, ebeveyn);
        etiket->setAlignment((d.ayarlar & Ayar::SağaYaslı ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return etiket;
    }
    case DenetimTürü::MetinKutusu: {
        auto* kutu = new QLineEdit(ebeveyn);
        kutu->setReadOnly(d.ayarlar & Ayar::SaltOkunur);
        // A field never cuts what it is given: a stored text of any length is saved
        // back exactly as it was read.
        kutu->setMaxLength(std::numeric_limits<int>::max());
        return kutu;
    }
    case DenetimTürü::Çerçeve: {
        return new DüzÇerçeve(başlık, ebeveyn);
    }
    case DenetimTürü::Düğme: {
        auto* düğme = new QPushButton(başlık, ebeveyn);
        düğme->setAutoDefault(true); // Enter presses the button that has the focus, and only that one
        return düğme;
    }
    case DenetimTürü::Liste:
        return new ListeKutusu(ebeveyn);
    case DenetimTürü::AçılırListe:
        return new QComboBox(ebeveyn);
    case DenetimTürü::ListeGörünümü: {
        auto* liste = new SeçimiKoruyanListe<QTreeWidget>(ebeveyn);
        liste->setItemDelegate(new TamSatır(liste));
        liste->setRootIsDecorated(false);
        liste->setUniformRowHeights(true);
        liste->setSortingEnabled(false);
        liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
        liste->setSelectionMode(QAbstractItemView::SingleSelection);
        liste->setSelectionBehavior(QAbstractItemView::SelectRows);
        liste->setAllColumnsShowFocus(true);
        liste->header()->setSectionsMovable(false);
        return liste;
    }
    }
    return nullptr;
}

// A navy frame passes its colour down to what it holds; only its caption and the
// fields marked navy keep it.
void Renklendir(QWidget* denetim, const DenetimDüzeni& d)
{
    const bool lacivert = d.ayarlar & Ayar::Lacivert;
    const bool saltOkunur = d.tür == DenetimTürü::MetinKutusu && (d.ayarlar & Ayar::SaltOkunur);
    if (!lacivert && !d.çerçevede && !saltOkunur)
        return;
    const QPalette sistem = QApplication::palette(denetim);
    QPalette renk = denetim->palette();
    const bool çerçeve = d.tür == DenetimTürü::Çerçeve;
    renk.setColor(QPalette::WindowText, lacivert && çerçeve ? Lacivert : sistem.color(QPalette::WindowText));
    renk.setColor(QPalette::Text, lacivert ? Lacivert : sistem.color(QPalette::Text));
    // A box only the system writes in shows the window's colour behind its text, as
    // read-only fields do.
    if (saltOkunur)
        renk.setColor(QPalette::Base, sistem.color(QPalette::Window));
    denetim->setPalette(renk);
}

bool OdakAlabilir(DenetimTürü tür)
{
    return tür != DenetimTürü::Etiket && tür != DenetimTürü::Çerçeve;
}

// "Tahmini Başlama Tarihi :" names its field "Tahmini Başlama Tarihi".
QString ErişilebilirAd(const QString& etiket)
{
    QString ad = etiket;
    ad.remove(QLatin1Char('&'));
    if (ad.endsWith(QLatin1Char(':')))
        ad.chop(1);
    return ad.trimmed();
}

// Every label and column header of the five windows, with the width in twips it must
// fit in and the pixels its box takes around the text.
struct SığacakMetin {
    QString metin;
    int twips;
    int pay;
};
QVector<SığacakMetin> SığacakMetinler()
{
    QVector<SığacakMetin> metinler;
    for (const PencereDüzeni* düzen : Düzenler::Tümü()) {
        for (const DenetimDüzeni& d : düzen->denetimler) {
            if (d.tür == DenetimTürü::Etiket)
                metinler.append({QString::fromUtf8(d.başlık), d.genişlik, 0});
        }
    }
    constexpr int BaşlıkBoşluğu = 8; // a header's text sits between small margins
    for (const SütunDüzeni& sütun : Düzenler::FaaliyetlerListesiSütunları())
        metinler.append({QString::fromUtf8(sütun.başlık), sütun.genişlik, BaşlıkBoşluğu});
    return metinler;
}

// The line height of the 8-point dialog font the layouts were drawn for, at 96 DPI.
constexpr double ÇizimYazısınınSatırı = 13.0;
constexpr double PikselBaşınaTwips = 15.0;

} // namespace

double ÖlçekHesapla(const QFont& yazıTipi)
{
    // Like dialog units: the geometry grows with the font's line height, and further
    // should a label or a header still not fit; never below 15 twips a pixel.
    const QFontMetricsF ölçü(yazıTipi);
    double oran = std::max(1.0, ölçü.height() / ÇizimYazısınınSatırı);
    for (const SığacakMetin& m : SığacakMetinler())
        oran = std::max(oran, (ölçü.horizontalAdvance(m.metin) + m.pay) / (m.twips / PikselBaşınaTwips));
    return oran / PikselBaşınaTwips;
}

double Ölçek()
{
    static const double ölçek = ÖlçekHesapla(QApplication::font());
    return ölçek;
}

int Piksel(int twips, double ölçek)
{
    return int(std::lround(twips * ölçek));
}

int Piksel(int twips)
{
    return Piksel(twips, Ölçek());
}

namespace {

void PencereyiAyarla(QWidget* pencere, const PencereDüzeni& düzen)
{
    pencere->setWindowTitle(QString::fromUtf8(düzen.başlık));
    const Qt::WindowFlags ortak = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowCloseButtonHint;
    pencere->setWindowFlags(düzen.anaPencere ? Qt::Window | ortak | Qt::WindowMinimizeButtonHint
                                             : Qt::Dialog | ortak);
}

void DenetimleriKur(QWidget* pencere, const PencereDüzeni& düzen, void* denetimler)
{
    QPushButton* escDüğmesi = nullptr;
    QWidget* çerçeve = nullptr;
    QLabel* bekleyenEtiket = nullptr;
    QWidget* öncekiOdak = nullptr;
    for (const DenetimDüzeni& d : düzen.denetimler) {
        QWidget* denetim = Yarat(d, d.çerçevede ? çerçeve : pencere);
        const QString ad = QString::fromUtf8(d.ad);
        denetim->setObjectName(ad);
        Renklendir(denetim, d);
        denetim->setGeometry(Piksel(d.sol), Piksel(d.üst), Piksel(d.genişlik), Piksel(d.yükseklik));
        if (d.ayarlar & Ayar::Kapalı)
            denetim->setEnabled(false);
        if (d.ayarlar & Ayar::SekmeDurağıYok)
            denetim->setFocusPolicy(Qt::ClickFocus);
        if (d.yuva)
            d.yuva(denetimler, denetim);

        if (d.tür == DenetimTürü::Çerçeve)
            çerçeve = denetim;
        if (d.tür == DenetimTürü::Etiket) {
            bekleyenEtiket = static_cast<QLabel*>(denetim);
            continue;
        }
        if (!OdakAlabilir(d.tür))
            continue;

        // A label names the field that follows it in the tab order.
        if (bekleyenEtiket && d.tür != DenetimTürü::Düğme) {
            bekleyenEtiket->setBuddy(denetim);
            denetim->setAccessibleName(ErişilebilirAd(bekleyenEtiket->text()));
        }
        bekleyenEtiket = nullptr;
        if (öncekiOdak)
            QWidget::setTabOrder(öncekiOdak, denetim);
        öncekiOdak = denetim;
        if (d.ayarlar & Ayar::Esc)
            escDüğmesi = static_cast<QPushButton*>(denetim);
    }

    if (QPushButton* esc = escDüğmesi) {
        auto* kısayol = new QShortcut(QKeySequence(Qt::Key_Escape), pencere);
        QObject::connect(kısayol, &QShortcut::activated, esc, [esc] {
            if (esc->isEnabled())
                esc->click();
        });
    }
}

} // namespace

void PencereyiKur(QWidget* pencere, const PencereDüzeni& düzen, void* denetimler)
{
    PencereyiAyarla(pencere, düzen);
    pencere->setFixedSize(Piksel(düzen.genişlik), Piksel(düzen.yükseklik));
    PencereRolünüKur(pencere, düzen.anaPencere);
    DenetimleriKur(pencere, düzen, denetimler);
}

void PencereyiKur(QMainWindow* pencere, const PencereDüzeni& düzen, void* denetimler)
{
    PencereyiAyarla(pencere, düzen);
    auto* istemci = new QWidget(pencere);
    istemci->setFixedSize(Piksel(düzen.genişlik), Piksel(düzen.yükseklik));
    pencere->setCentralWidget(istemci);
    // The window takes its size hint, the client area and whatever bars it gets, and keeps it.
    pencere->layout()->setSizeConstraint(QLayout::SetFixedSize);
    DenetimleriKur(istemci, düzen, denetimler);
}

void Ortala(QWidget* pencere)
{
    QRect alan;
    if (QWidget* sahip = pencere->parentWidget())
        alan = sahip->window()->frameGeometry();
    else if (QScreen* ekran = pencere->screen())
        alan = ekran->availableGeometry();
    QRect yer = pencere->frameGeometry();
    yer.moveCenter(alan.center());
    pencere->move(yer.topLeft());
}
