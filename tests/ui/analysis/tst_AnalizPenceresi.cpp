// The analysis window: it follows the main window, writes the four-activity sample's
// figures, paints one bar per activity and one arrow per link, is single and opened
// by F5, keeps its place between runs; the main window keeps its client area.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/GanttAlani.h"
#include "ui/analysis/GanttCizimi.h"
#include "ui/layout/Duzenler.h"
#include "ui/layout/Kurucu.h"
#include "ui/main/TemelForm.h"
#include "ui/widgets/ListeKutusu.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <memory>

namespace {

const QVector<Faaliyet> Örnek{
    {"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}};

AnalizPenceresi* AnaliziAç(TemelForm& ana)
{
    ana.AnalizPenceresiniAç();
    return ana.AçıkAnalizPenceresi();
}

// Project P with these activities, selected in a main window, and the analysis window open.
struct AçıkAnaliz {
    explicit AçıkAnaliz(const QVector<Faaliyet>& faaliyetler)
    {
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, faaliyetler);
        ana = std::make_unique<TemelForm>(vt.depo());
        ProjeyiSeç(*ana, "P");
        pencere = AnaliziAç(*ana);
    }
    GeçiciVeritabanı vt;
    std::unique_ptr<TemelForm> ana;
    AnalizPenceresi* pencere = nullptr;
};

// The table as the user reads it, a row a line with its cells apart.
QStringList TablodakiSatırlar(const AnalizPenceresi& pencere)
{
    const QAbstractItemModel* model = pencere.tablo()->model();
    QStringList satırlar;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList hücreler;
        for (int c = 0; c < model->columnCount(); ++c)
            hücreler << model->index(r, c).data().toString();
        satırlar << hücreler.join(QLatin1Char('|'));
    }
    return satırlar;
}

// Paints the whole chart and tells what was drawn.
GanttSayımı Çizilen(AnalizPenceresi& pencere)
{
    pencere.gantt()->grab();
    return pencere.gantt()->SonÇizilen();
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_ayarlar;

private slots:
    void initTestCase()
    {
        // The window's place goes to a folder of the test's own, never to the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_ayarlar.path());
    }
    void init() { QLocale::setDefault(Türkçe); }

    // The client area is the layout's, to the pixel; the menu bar only adds its height,
    // and its access keys leave the window's own alone.
    void mainWindowKeepsItsClientArea()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        const PencereDüzeni& düzen = Düzenler::TemelForm();
        const QSize istemci(Piksel(düzen.genişlik), Piksel(düzen.yükseklik));
        QCOMPARE(ana.centralWidget()->size(), istemci);
        QCOMPARE(ana.ProjeListesi->window(), &ana);
        QCOMPARE(ana.size(), istemci + QSize(0, ana.menuBar()->height()));
        QCOMPARE(ana.minimumSize(), ana.maximumSize());
        QCOMPARE(QAccessible::queryAccessibleInterface(&ana)->role(), QAccessible::Window);

        QStringList metinler;
        for (const DenetimDüzeni& d : düzen.denetimler)
            metinler << QString::fromUtf8(d.başlık);
        const QList<QAction*> menüler = ana.menuBar()->actions();
        for (QAction* menü : menüler)
            metinler << menü->text();
        QString tuşlar;
        for (const QString& metin : metinler) {
            const int i = metin.indexOf(QLatin1Char('&'));
            if (i >= 0) {
                const QChar tuş = metin.at(i + 1).toUpper();
                QVERIFY2(!tuşlar.contains(tuş), qPrintable(metin));
                tuşlar += tuş;
            }
        }
        QCOMPARE(menüler.size(), 2);
    }

    // F5 opens the window; pressed again in the main window it brings the same one forward.
    void f5OpensOneWindowAndBringsItForward()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_F5);
        QPointer<AnalizPenceresi> ilk = ana.AçıkAnalizPenceresi();
        QVERIFY(ilk && ilk->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), ilk.data());
        QVERIFY(ÖneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_F5);
        QCOMPARE(ana.AçıkAnalizPenceresi(), ilk.data());
        QTRY_COMPARE(QApplication::activeWindow(), ilk.data());
        const auto pencereler = ana.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(std::count_if(pencereler.begin(), pencereler.end(),
                               [](QWidget* w) { return dynamic_cast<AnalizPenceresi*>(w) && w->isVisible(); }),
                 1);
    }

    // After each change the window shows the main window's state as soon as the
    // command is done: one turn of the event loop, no more.
    void followsTheMainWindow_data()
    {
        QTest::addColumn<int>("değişiklik");
        QTest::addColumn<QString>("durum");
        QTest::addColumn<int>("satır");
        QTest::newRow("a selection") << 0 << "Q" << 1;
        QTest::newRow("an add") << 1 << "P" << 5;
        QTest::newRow("a delete") << 2 << "P" << 3;
        QTest::newRow("a project delete") << 3 << "Seçili proje yok." << 0;
    }
    void followsTheMainWindow()
    {
        QFETCH(int, değişiklik);
        QFETCH(QString, durum);
        QFETCH(int, satır);
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, Örnek);
        vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "q", 1, ""}});
        MesajKaydı kayıt;
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        ProjeyiSeç(ana, "P");
        AnalizPenceresi* pencere = AnaliziAç(ana);
        QCOMPARE(TablodakiSatırlar(*pencere).size(), 4);

        switch (değişiklik) {
        case 0:
            ProjeyiSeç(ana, "Q");
            break;
        case 1: // what an add dialog does after it has written
            QVERIFY(!vt.depo().FaaliyetEkle("P", {"E", "Kabul", 2, "D"}));
            ana.ProjeListesi_Click();
            break;
        case 2:
            QTest::mouseClick(ana.SonFaaliyetiSilDüğmesi, Qt::LeftButton);
            break;
        case 3:
            QTest::mouseClick(ana.ProjeSilDüğmesi, Qt::LeftButton);
            break;
        }
        QCoreApplication::processEvents();
        QCOMPARE(pencere->durum()->text(), durum);
        QCOMPARE(TablodakiSatırlar(*pencere).size(), satır);
        QCOMPARE(Çizilen(*pencere).çubuk, satır);
        QCOMPARE(pencere->yollar()->toPlainText().isEmpty(), satır == 0);
        QCOMPARE(kayıt.hatalar(), QStringList());
    }

    void saysWhenNoProjectIsSelected()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, Örnek);
        TemelForm ana(vt.depo());
        AnalizPenceresi* pencere = AnaliziAç(ana);
        QCOMPARE(pencere->durum()->text(), QStringLiteral("Seçili proje yok."));
        QCOMPARE(TablodakiSatırlar(*pencere), QStringList());
        QCOMPARE(Çizilen(*pencere).çubuk, 0);
    }

    // The figures, dates and the texts under the chart for the four-activity sample;
    // selecting C highlights its two arrows and says why it is critical.
    void writesTheSamplesFigures()
    {
        AçıkAnaliz açık(Örnek);
        AnalizPenceresi* pencere = açık.pencere;
        const QAbstractItemModel* model = pencere->tablo()->model();
        QStringList başlıklar;
        for (int c = 0; c < model->columnCount(); ++c)
            başlıklar << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(başlıklar.join(QLatin1Char('|')),
                 QStringLiteral("Kodu|Faaliyet Adı|Süre|ES|EF|LS|LF|Toplam Bolluk|Serbest Bolluk|Kritik|Başlangıç|Bitiş"));
        QCOMPARE(TablodakiSatırlar(*pencere), (QStringList{
                     "A|Tasarım|3|0|3|0|3|0|0|Evet|1.03.2026|4.03.2026",
                     "B|Alım|2|3|5|5|7|2|2|Hayır|4.03.2026|6.03.2026",
                     "C|Yapım|4|3|7|3|7|0|0|Evet|4.03.2026|8.03.2026",
                     "D|Teslim|1|7|8|7|8|0|0|Evet|8.03.2026|9.03.2026"}));
        QVERIFY(model->index(0, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!model->index(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY2(pencere->yollar()->toPlainText().contains("1. A → C → D   (ana penceredeki kritik yol)"),
                 qPrintable(pencere->yollar()->toPlainText()));
        QCOMPARE(pencere->plan()->text(),
                 QStringLiteral("Proje süresi (F): 8 gün, en erken bitiş 9.03.2026; tahmini gün sayısı 10: 2 gün pay"));

        pencere->SatırıSeç(2);
        QVERIFY2(pencere->neden()->text().startsWith("C: Kritik: A bitince başlıyor"),
                 qPrintable(pencere->neden()->text()));
        const GanttSayımı sayım = Çizilen(*pencere);
        QCOMPARE(sayım.ok, 4);
        QCOMPARE(sayım.vurgulananOk, 2);
    }

    // One bar per activity and one arrow per predecessor link; a network that cannot
    // be computed shows its explanation and no figures.
    void paintsABarPerActivityAndAnArrowPerLink_data()
    {
        QTest::addColumn<QVector<Faaliyet>>("faaliyetler");
        QTest::addColumn<int>("çubuk");
        QTest::addColumn<int>("ok");
        QTest::newRow("the sample") << Örnek << 4 << 4;
        QTest::newRow("a chain") << QVector<Faaliyet>{{"A", "a", 2, ""}, {"B", "b", 0, "A"}, {"C", "c", 1, "B"}} << 3 << 2;
        QTest::newRow("a predecessor listed twice")
            << QVector<Faaliyet>{{"A", "a", 2, ""}, {"B", "b", 1, "A,A"}} << 2 << 1;
        QTest::newRow("a fan") << QVector<Faaliyet>{{"A", "a", 2, ""}, {"B", "b", 5, "A"}, {"C", "c", 1, "A"}} << 3 << 2;
        QTest::newRow("a second activity with no predecessor")
            << QVector<Faaliyet>{{"A", "a", 2, ""}, {"B", "b", 5, ""}} << 0 << 0;
        QTest::newRow("an unknown predecessor")
            << QVector<Faaliyet>{{"A", "a", 2, ""}, {"B", "b", 5, "Z"}} << 0 << 0;
        QTest::newRow("no activities") << QVector<Faaliyet>{} << 0 << 0;
    }
    void paintsABarPerActivityAndAnArrowPerLink()
    {
        QFETCH(QVector<Faaliyet>, faaliyetler);
        QFETCH(int, çubuk);
        QFETCH(int, ok);
        AçıkAnaliz açık(faaliyetler);
        AnalizPenceresi* pencere = açık.pencere;
        const GanttSayımı sayım = Çizilen(*pencere);
        QCOMPARE(sayım.çubuk, çubuk);
        QCOMPARE(sayım.ok, ok);
        QCOMPARE(pencere->tablo()->model()->rowCount(), çubuk);
        QVERIFY2(pencere->durum()->text().contains("Hesaplanamıyor: ") == (çubuk == 0),
                 qPrintable(pencere->durum()->text()));
    }

    // Zooming changes the day width both ways, and fitting brings the chart within the view.
    void zoomsAndFits()
    {
        AçıkAnaliz açık(Örnek);
        AnalizPenceresi* pencere = açık.pencere;
        QVERIFY(ÖneGetirVeBekle(pencere));
        GanttAlanı* gantt = pencere->gantt();
        const double sığan = gantt->GünGenişliği();
        QVERIFY(gantt->width() <= pencere->kaydırma()->viewport()->width());
        QTest::keyClick(pencere, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(gantt->GünGenişliği() > sığan);
        QTest::keyClick(pencere, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(pencere, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(gantt->GünGenişliği() < sığan);
        QTest::keyClick(pencere, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(gantt->GünGenişliği(), sığan);
    }

    // The drawing paints onto any painter and only what meets the area it is given:
    // the rows a scroll exposes, and nothing of the rows out of it.
    void chartPaintsWhatMeetsTheArea_data()
    {
        QTest::addColumn<int>("ilkSatır");
        QTest::addColumn<int>("satırSayısı");
        QTest::newRow("everything") << 0 << 4;
        QTest::newRow("the first row") << 0 << 1;
        QTest::newRow("the middle rows") << 1 << 2;
        QTest::newRow("the axis alone") << -1 << 0;
    }
    void chartPaintsWhatMeetsTheArea()
    {
        QFETCH(int, ilkSatır);
        QFETCH(int, satırSayısı);
        const KayıtlıProje proje{"P", {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 3, 11), QDate(2026, 3, 11)}};
        QVector<KayıtlıFaaliyet> faaliyetler;
        for (const Faaliyet& f : Örnek)
            faaliyetler.append({f.kodu, f.adı, {f.süre, f.süre}, f.öncekiler});
        const AğAnalizi analiz = AnaliziHesapla(faaliyetler, proje);
        const GanttÇizimi çizim(analiz, QDate(2026, 3, 1), 10, GanttÖlçeği{12, QFont()});
        QImage resim(çizim.Boyut().toSize(), QImage::Format_ARGB32);
        QPainter boyacı(&resim);
        QRectF alan = ilkSatır < 0 ? QRectF(0, 0, resim.width(), çizim.Satır(0).top() - 1)
                                   : çizim.Satır(ilkSatır).united(çizim.Satır(ilkSatır + satırSayısı - 1));
        alan.adjust(0, 1, 0, -1);
        QCOMPARE(çizim.Çiz(boyacı, alan).çubuk, satırSayısı);
        QCOMPARE(çizim.Çiz(boyacı).ok, 4);
        QCOMPARE(çizim.ÇubukBul(çizim.Çubuk(2).center()), 2);
        QCOMPARE(çizim.ÇubukBul(QPointF(0, çizim.Çubuk(2).center().y())), -1);
    }

    // Hovering a bar shows its figures in the CPM terms.
    void hoveringABarShowsItsFigures()
    {
        AçıkAnaliz açık(Örnek);
        QVERIFY(ÖneGetirVeBekle(açık.pencere));
        GanttAlanı* gantt = açık.pencere->gantt();
        açık.pencere->SatırıSeç(1);
        const QRectF çubuk = gantt->Seç(1);
        QHelpEvent olay(QEvent::ToolTip, çubuk.center().toPoint(), gantt->mapToGlobal(çubuk.center().toPoint()));
        QCoreApplication::sendEvent(gantt, &olay);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().contains("En geç başlama (LS): 5, en geç bitirme (LF): 7")
                     && QToolTip::text().contains("Toplam bolluk: 2 gün, serbest bolluk: 2 gün"),
                 qPrintable(QToolTip::text()));
        QToolTip::hideText();
    }

    // The window goes with the main window, and keeps its place as it goes.
    void closesWithTheMainWindow()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QPointer<AnalizPenceresi> pencere = AnaliziAç(ana);
        pencere->resize(640, 480);
        ana.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pencere);
        QCOMPARE(AnaliziAç(ana)->size(), QSize(640, 480));
    }

    // Size, place and splitter come back the next time the window opens.
    void remembersItsSizeAndSplitter()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        AnalizPenceresi* pencere = AnaliziAç(ana);
        pencere->resize(701, 503);
        QSplitter* bölücü = pencere->findChild<QSplitter*>();
        bölücü->setSizes({100, 200, 150});
        const QList<int> bölümler = bölücü->sizes();
        pencere->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ana.AçıkAnalizPenceresi());

        pencere = AnaliziAç(ana);
        QCOMPARE(pencere->size(), QSize(701, 503));
        QCOMPARE(pencere->findChild<QSplitter*>()->sizes(), bölümler);
    }

    void aboutBoxNamesTheVersionsAndTheFile()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        ana.KavrionHakkında();
        QCOMPARE(kayıt.sayı(), 1);
        const QString metin = kayıt.son().metin;
        QVERIFY2(metin.startsWith("Kavrion 1.") && metin.contains(QString("Qt sürümü: ") + qVersion())
                     && metin.contains("SQLite sürümü: 3.") && metin.contains(vt.yol()),
                 qPrintable(metin));
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "tst_AnalizPenceresi.moc"
