#include "destek/PencereCizim.h"

#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/layout/Kurucu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/server/SunucuyaBaglanFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString Ornek = QStringLiteral("İĞŞÇÖÜ gjpy");

// A kind of control: puts a text into it and gives the widget to grab.
using Yazici = QWidget* (*)(TemelForm& a, const QString& m);
const std::pair<const char*, Yazici> Denetimler[] = {
    {"project row", [](TemelForm& a, const QString& m) -> QWidget* { a.ProjeListesi->Doldur({m}); return a.ProjeListesi; }},
    {"activity row", [](TemelForm& a, const QString& m) -> QWidget* {
         a.FaaliyetlerListesi->topLevelItem(0)->setText(1, m);
         return a.FaaliyetlerListesi; }},
    {"text box", [](TemelForm& a, const QString& m) -> QWidget* { a.KritikYolKutusu->setText(m); return a.KritikYolKutusu; }},
    {"list header", [](TemelForm& a, const QString& m) -> QWidget* {
         a.FaaliyetlerListesi->headerItem()->setText(1, m);
         return a.FaaliyetlerListesi->header(); }},
};

// The topmost pixel row where the pictures differ: where the text's ink begins.
int MurekkepUstu(const QImage& bos, const QImage& yazili)
{
    for (int y = 0; y < bos.height(); ++y)
        for (int x = 0; x < bos.width(); ++x)
            if (bos.pixel(x, y) != yazili.pixel(x, y))
                return y;
    return -1;
}

// How far the sample's ink rises above the top of "I" where nothing clips it, in device pixels.
int SerbestAralik(const QFont& yazi, qreal oran)
{
    const auto ciz = [&](const QString& metin) {
        QImage resim(QSize(400, 120) * oran, QImage::Format_RGB32);
        resim.setDevicePixelRatio(oran);
        resim.fill(Qt::white);
        QPainter boya(&resim);
        boya.setFont(yazi);
        boya.drawText(10, 80, metin);
        return resim;
    };
    return MurekkepUstu(ciz(" "), ciz("I")) - MurekkepUstu(ciz(" "), ciz(Ornek));
}

// The windows in the order of Duzenler::Tumu().
QWidget* (*const Yapicilar[])(const DiyalogBaglami&) = {
    [](const DiyalogBaglami& b) -> QWidget* { return new TemelForm(*b.belge); },
    [](const DiyalogBaglami& b) -> QWidget* { return new ProjeEklemeFormu(b); },
    [](const DiyalogBaglami& b) -> QWidget* { return new ProjeDegistirFormu(b); },
    [](const DiyalogBaglami& b) -> QWidget* { return new FaaliyetEklemeFormu(b); },
    [](const DiyalogBaglami& b) -> QWidget* { return new FaaliyetDegistirmeFormu(b, "P", "A"); },
    [](const DiyalogBaglami& b) -> QWidget* { return new SunucuyaBaglanFormu(b); },
};

} // namespace

void HarfCizimiSatirlari()
{
    QTest::addColumn<int>("denetim");
    for (int i = 0; i < int(std::size(Denetimler)); ++i)
        QTest::newRow(Denetimler[i].first) << i;
}

void HarfleriDenetle(int denetim)
{
    GeciciVeritabani vt;
    vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, {{"A", "a", 1, ""}});
    AnaPencere ana(vt.depo());
    ana.ProjeListesi->Sec(0);
    ana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ana, 30000));
    QWidget* alan = nullptr;
    const auto cek = [&](const QString& metin) {
        alan = Denetimler[denetim].second(ana, metin);
        QCoreApplication::processEvents(); // the views lay their rows out afterwards
        return alan->grab().toImage();
    };
    const QImage bos = cek(" "); // a blank row rather than none, so that the row's frame is no ink
    const int I = MurekkepUstu(bos, cek("I")), ornek = MurekkepUstu(bos, cek(Ornek)),
              serbest = SerbestAralik(alan->font(), bos.devicePixelRatio());
    QVERIFY(I > 0 && serbest > 0);
    QVERIFY2(ornek >= 0 && I - ornek >= serbest - 1,
             qPrintable(QStringLiteral("tops of I %1, of the sample %2, unclipped %3 apart").arg(I).arg(ornek).arg(serbest)));
}

void HarfCiziminiDenetle()
{
    QFETCH(int, denetim);
    HarfleriDenetle(denetim);
}

void PencereOlcusuSatirlari()
{
    QTest::addColumn<int>("pencere");
    for (int i = 0; i < int(Duzenler::Tumu().size()); ++i)
        QTest::newRow(Duzenler::Tumu()[size_t(i)]->baslik) << i;
}

// The window built at the scale set, every place as its layout says; its size, menu bar included.
void PencereyiDenetle(int pencere, bool kaydirilir = false, QSize* boyut = nullptr)
{
    const PencereDuzeni& duzen = *Duzenler::Tumu()[size_t(pencere)];
    GeciciVeritabani vt;
    const MesajKaydi kayit;
    PlanBelgesi belge(vt.depo());
    const std::unique_ptr<QWidget> w(Yapicilar[pencere]({nullptr, &belge}));
    // The main window's client area is below the menu bar, in a scroll area on a small screen.
    auto* ana = qobject_cast<QMainWindow*>(w.get());
    const QWidget* alan = ana ? w->findChild<QWidget*>("ProjeListesi")->parentWidget() : w.get();
    [&] {
        // Centred on the screen, never so high that the title bar it gets would leave it.
        const QRect ekran = w->screen()->availableGeometry();
        QVERIFY(!ana || (w->x() >= ekran.x() + 8 && w->y() >= ekran.y() + 32));
        QCOMPARE(alan->minimumSize(), QSize(Piksel(duzen.genislik), Piksel(duzen.yukseklik)));
        QCOMPARE(w->maximumSize() == w->minimumSize(), !(ana && kaydirilir));
        QCOMPARE(ana && ana->centralWidget() != alan, ana && kaydirilir);
    }();
    QVector<const QWidget*> onceki;
    for (const DenetimDuzeni& d : duzen.denetimler) {
        const QWidget* denetim = w->findChild<QWidget*>(d.ad);
        QVERIFY2(denetim, d.ad);
        QCOMPARE(denetim->geometry(), QRect(Piksel(d.sol), Piksel(d.ust), Piksel(d.genislik), Piksel(d.yukseklik)));
        QVERIFY2(denetim->parentWidget()->rect().contains(denetim->geometry()), d.ad);
        for (const QWidget* o : onceki)
            QVERIFY2(o->parentWidget() != denetim->parentWidget() || !o->geometry().intersects(denetim->geometry()), d.ad);
        onceki << denetim;
        if (const auto* etiket = qobject_cast<const QLabel*>(denetim))
            QVERIFY2(etiket->fontMetrics().horizontalAdvance(etiket->text()) <= etiket->width()
                         && etiket->fontMetrics().height() <= etiket->height(), d.ad);
    }
    if (w->layout())
        w->layout()->activate();
    if (boyut)
        *boyut = w->size();
}

void PencereOlcusunuDenetle()
{
    QFETCH(int, pencere);
    QVERIFY(Olcek() >= 1 / 15.0);
    PencereyiDenetle(pencere);
}

void EkranSatirlari()
{
    QTest::addColumn<QSize>("ekran");
    QTest::addColumn<double>("kat");
    for (const QSize ekran : {QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)}) {
        for (const double kat : {1.0, 1.25, 1.5, 2.0})
            QTest::addRow("%dx%d at %d%%", ekran.width(), ekran.height(), int(kat * 100)) << ekran << kat;
    }
}

void EkranaSigmayiDenetle()
{
    QFETCH(QSize, ekran);
    QFETCH(double, kat);
    const QFont yazi = QApplication::font();
    struct GeriAl {
        QFont yazi;
        ~GeriAl() { OlcegiKur({yazi, OlcekHesapla(yazi), false, QSize()}); }
    } geriAl{yazi};
    constexpr int Panel = 32, Cerceve = 16, Baslik = 40;
    const QSize alan = ekran / kat - QSize(0, Panel);
    const PencereOlcegi olcek = EkranaGoreOlcek(yazi, alan, kat);
    // Only a small screen at a large scale needs a font smaller than an 11-pixel line.
    QVERIFY(!olcek.kaydirilir || (kat > 1 && ekran.width() < 1920));
    OlcegiKur(olcek);
    // Rows that come to the same font are built and drawn once.
    static QHash<QString, QVector<QSize>> boyutlar;
    QVector<QSize>& pencereler = boyutlar[olcek.yazi.toString() + QString::number(olcek.kaydirilir)];
    for (int pencere = 0; pencereler.isEmpty() && pencere < int(Duzenler::Tumu().size()); ++pencere) {
        QSize boyut;
        PencereyiDenetle(pencere, olcek.kaydirilir, &boyut);
        QVERIFY(!QTest::currentTestFailed());
        pencereler << boyut;
    }
    const int pencereSayisi = int(Duzenler::Tumu().size());
    for (int denetim = 0; pencereler.size() == pencereSayisi && denetim < int(std::size(Denetimler)); ++denetim)
        HarfleriDenetle(denetim);
    pencereler.resize(pencereSayisi + 1);
    for (int pencere = 0; pencere < pencereSayisi; ++pencere) {
        const QSize boyut = pencereler[pencere] + QSize(Cerceve, Baslik);
        QVERIFY2(boyut.width() <= alan.width() && boyut.height() <= alan.height(),
                 qPrintable(QStringLiteral("%1: %2x%3 on %4x%5").arg(Duzenler::Tumu()[size_t(pencere)]->baslik)
                                .arg(boyut.width()).arg(boyut.height()).arg(alan.width()).arg(alan.height())));
    }
}
