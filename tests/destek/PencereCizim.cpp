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

const QString Örnek = QStringLiteral("İĞŞÇÖÜ gjpy");

// A kind of control: puts a text into it and gives the widget to grab.
using Yazıcı = QWidget* (*)(TemelForm& a, const QString& m);
const std::pair<const char*, Yazıcı> Denetimler[] = {
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
int MürekkepÜstü(const QImage& boş, const QImage& yazılı)
{
    for (int y = 0; y < boş.height(); ++y)
        for (int x = 0; x < boş.width(); ++x)
            if (boş.pixel(x, y) != yazılı.pixel(x, y))
                return y;
    return -1;
}

// How far the sample's ink rises above the top of "I" where nothing clips it, in device pixels.
int SerbestAralık(const QFont& yazı, qreal oran)
{
    const auto çiz = [&](const QString& metin) {
        QImage resim(QSize(400, 120) * oran, QImage::Format_RGB32);
        resim.setDevicePixelRatio(oran);
        resim.fill(Qt::white);
        QPainter boya(&resim);
        boya.setFont(yazı);
        boya.drawText(10, 80, metin);
        return resim;
    };
    return MürekkepÜstü(çiz(" "), çiz("I")) - MürekkepÜstü(çiz(" "), çiz(Örnek));
}

// The five windows in the order of Düzenler::Tümü().
QWidget* (*const Yapıcılar[])(const DiyalogBağlamı&) = {
    [](const DiyalogBağlamı& b) -> QWidget* { return new TemelForm(b.depo); },
    [](const DiyalogBağlamı& b) -> QWidget* { return new ProjeEklemeFormu(b); },
    [](const DiyalogBağlamı& b) -> QWidget* { return new ProjeDeğiştirFormu(b); },
    [](const DiyalogBağlamı& b) -> QWidget* { return new FaaliyetEklemeFormu(b); },
    [](const DiyalogBağlamı& b) -> QWidget* { return new FaaliyetDeğiştirmeFormu(b, "P", "A"); },
};

} // namespace

void HarfÇizimiSatırları()
{
    QTest::addColumn<int>("denetim");
    for (int i = 0; i < int(std::size(Denetimler)); ++i)
        QTest::newRow(Denetimler[i].first) << i;
}

void HarfÇiziminiDenetle()
{
    QFETCH(int, denetim);
    GeçiciVeritabanı vt;
    vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, {{"A", "a", 1, ""}});
    TemelForm ana(vt.depo());
    ana.ProjeListesi->Seç(0);
    ana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ana));
    QWidget* alan = nullptr;
    const auto çek = [&](const QString& metin) {
        alan = Denetimler[denetim].second(ana, metin);
        QCoreApplication::processEvents(); // the views lay their rows out afterwards
        return alan->grab().toImage();
    };
    const QImage boş = çek(" "); // a blank row rather than none, so that the row's frame is no ink
    const int I = MürekkepÜstü(boş, çek("I")), örnek = MürekkepÜstü(boş, çek(Örnek)),
              serbest = SerbestAralık(alan->font(), boş.devicePixelRatio());
    QVERIFY(I > 0 && serbest > 0);
    QVERIFY2(örnek >= 0 && I - örnek >= serbest - 1,
             qPrintable(QStringLiteral("tops of I %1, of the sample %2, unclipped %3 apart").arg(I).arg(örnek).arg(serbest)));
}

void PencereÖlçüsüSatırları()
{
    QTest::addColumn<int>("pencere");
    for (int i = 0; i < int(Düzenler::Tümü().size()); ++i)
        QTest::newRow(Düzenler::Tümü()[size_t(i)]->başlık) << i;
}

void PencereÖlçüsünüDenetle()
{
    QFETCH(int, pencere);
    const PencereDüzeni& düzen = *Düzenler::Tümü()[size_t(pencere)];
    GeçiciVeritabanı vt;
    const MesajKaydı kayıt;
    const std::unique_ptr<QWidget> w(Yapıcılar[pencere]({nullptr, vt.depo(), {}, {}, {}}));
    QVERIFY(Ölçek() >= 1 / 15.0);
    // The main window's client area is its central widget, below the menu bar.
    auto* ana = qobject_cast<QMainWindow*>(w.get());
    const QWidget* alan = ana ? ana->centralWidget() : w.get();
    QCOMPARE(alan->minimumSize(), QSize(Piksel(düzen.genişlik), Piksel(düzen.yükseklik)));
    QCOMPARE(w->maximumSize(), w->minimumSize());
    QVector<const QWidget*> önceki;
    for (const DenetimDüzeni& d : düzen.denetimler) {
        const QWidget* denetim = w->findChild<QWidget*>(d.ad);
        QVERIFY2(denetim, d.ad);
        QCOMPARE(denetim->geometry(), QRect(Piksel(d.sol), Piksel(d.üst), Piksel(d.genişlik), Piksel(d.yükseklik)));
        QVERIFY2(denetim->parentWidget()->rect().contains(denetim->geometry()), d.ad);
        for (const QWidget* o : önceki)
            QVERIFY2(o->parentWidget() != denetim->parentWidget() || !o->geometry().intersects(denetim->geometry()), d.ad);
        önceki << denetim;
        if (const auto* etiket = qobject_cast<const QLabel*>(denetim))
            QVERIFY2(etiket->fontMetrics().horizontalAdvance(etiket->text()) <= etiket->width()
                         && etiket->fontMetrics().height() <= etiket->height(), d.ad);
    }
}
