#include "destek/PencereCizim.h"

#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/layout/Kurucu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
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

// The five windows in the order of Düzenler::Tümü().
QWidget* (*const Yapicilar[])(const DiyalogBaglami&) = {
    [](const DiyalogBaglami& b) -> QWidget* { return new TemelForm(b.depo); },
    [](const DiyalogBaglami& b) -> QWidget* { return new ProjeEklemeFormu(b); },
    [](const DiyalogBaglami& b) -> QWidget* { return new ProjeDegistirFormu(b); },
    [](const DiyalogBaglami& b) -> QWidget* { return new FaaliyetEklemeFormu(b); },
    [](const DiyalogBaglami& b) -> QWidget* { return new FaaliyetDegistirmeFormu(b, "P", "A"); },
};

} // namespace

void HarfCizimiSatirlari()
{
    QTest::addColumn<int>("denetim");
    for (int i = 0; i < int(std::size(Denetimler)); ++i)
        QTest::newRow(Denetimler[i].first) << i;
}

void HarfCiziminiDenetle()
{
    QFETCH(int, denetim);
    GeciciVeritabani vt;
    vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, {{"A", "a", 1, ""}});
    TemelForm ana(vt.depo());
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

void PencereOlcusuSatirlari()
{
    QTest::addColumn<int>("pencere");
    for (int i = 0; i < int(Duzenler::Tumu().size()); ++i)
        QTest::newRow(Duzenler::Tumu()[size_t(i)]->baslik) << i;
}

void PencereOlcusunuDenetle()
{
    QFETCH(int, pencere);
    const PencereDuzeni& duzen = *Duzenler::Tumu()[size_t(pencere)];
    GeciciVeritabani vt;
    const MesajKaydi kayit;
    const std::unique_ptr<QWidget> w(Yapicilar[pencere]({nullptr, vt.depo(), {}, {}, {}}));
    QVERIFY(Olcek() >= 1 / 15.0);
    // The main window's client area is its central widget, below the menu bar.
    auto* ana = qobject_cast<QMainWindow*>(w.get());
    const QWidget* alan = ana ? ana->centralWidget() : w.get();
    QCOMPARE(alan->minimumSize(), QSize(Piksel(duzen.genislik), Piksel(duzen.yukseklik)));
    QCOMPARE(w->maximumSize(), w->minimumSize());
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
}
