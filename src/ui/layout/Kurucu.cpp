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

// Every label and column header of the five windows, with the width in twips it must
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

double OlcekHesapla(const QFont& yaziTipi)
{
    // Like dialog units: the geometry grows with the font's line height, and further
    // should a label or a header still not fit; never below 15 twips a pixel.
    const QFontMetricsF olcu(yaziTipi);
    double oran = std::max(1.0, olcu.height() / CizimYazisininSatiri);
    for (const SigacakMetin& m : SigacakMetinler())
        oran = std::max(oran, (olcu.horizontalAdvance(m.metin) + m.pay) / (m.twips / PikselBasinaTwips));
    return oran / PikselBasinaTwips;
}

double Olcek()
{
    static const double olcek = OlcekHesapla(QApplication::font());
    return olcek;
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

    if (QPushButton* esc = escDugmesi) {
        auto* kisayol = new QShortcut(QKeySequence(Qt::Key_Escape), pencere);
        QObject::connect(kisayol, &QShortcut::activated, esc, [esc] {
            if (esc->isEnabled())
                esc->click();
        });
    }
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
    pencere->setCentralWidget(istemci);
    // The window takes its size hint, the client area and whatever bars it gets, and keeps it.
    pencere->layout()->setSizeConstraint(QLayout::SetFixedSize);
    DenetimleriKur(istemci, duzen, denetimler);
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
