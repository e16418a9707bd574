// The analysis window beside the main window, which keeps its client area and opens it by F5.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/GanttAlani.h"
#include "drawing/GanttCizimi.h"
#include "ui/layout/Duzenler.h"
#include "ui/layout/Kurucu.h"
#include "ui/main/TemelForm.h"

#include <QAbstractItemModel>
#include <QKeySequence>
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

// The table as the user reads it: the header, then a row a line, its cells apart.
QStringList TablodakiSatırlar(const AnalizPenceresi& pencere)
{
    const QAbstractItemModel* model = pencere.tablo()->model();
    QStringList satırlar;
    for (int r = -1; r < model->rowCount(); ++r) {
        QStringList hücreler;
        for (int c = 0; c < model->columnCount(); ++c)
            hücreler << (r < 0 ? model->headerData(c, Qt::Horizontal) : model->index(r, c).data()).toString();
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

    // The menu bar only adds its height to the layout's client area, its access keys leave the window's
    // own alone, About names the versions and the file; F5 opens one analysis window and brings it forward.
    void menuBarAddsOnlyItsHeightAndItsCommandsWork()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        QVERIFY(ÖneGetirVeBekle(&ana));
        const PencereDüzeni& düzen = Düzenler::TemelForm();
        const QSize istemci(Piksel(düzen.genişlik), Piksel(düzen.yükseklik));
        QCOMPARE(ana.centralWidget()->size(), istemci);
        QCOMPARE(ana.size(), istemci + QSize(0, ana.menuBar()->height()));
        QCOMPARE(ana.menuBar()->actions().size(), 2);
        QStringList tuşlar;
        for (const DenetimDüzeni& d : düzen.denetimler)
            tuşlar << QKeySequence::mnemonic(QString::fromUtf8(d.başlık)).toString();
        for (QAction* menü : ana.menuBar()->actions())
            tuşlar << QKeySequence::mnemonic(menü->text()).toString();
        tuşlar.removeAll(QString());
        QVERIFY2(QStringList(tuşlar).removeDuplicates() == 0, qPrintable(tuşlar.join(' ')));
        ana.KavrionHakkında();
        const QString metin = kayıt.son().metin;
        QVERIFY2(kayıt.sayı() == 1 && metin.startsWith("Kavrion 1.") && metin.contains(QString("Qt sürümü: ") + qVersion())
                     && metin.contains("SQLite sürümü: 3.") && metin.contains(vt.yol()),
                 qPrintable(metin));

        QTest::keyClick(&ana, Qt::Key_F5);
        QPointer<AnalizPenceresi> ilk = ana.AçıkAnalizPenceresi();
        QVERIFY(ilk);
        QTRY_COMPARE(QApplication::activeWindow(), ilk.data());
        QVERIFY(ÖneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_F5);
        QCOMPARE(ana.AçıkAnalizPenceresi(), ilk.data());
        QTRY_COMPARE(QApplication::activeWindow(), ilk.data());
        const auto pencereler = ana.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(std::count_if(pencereler.begin(), pencereler.end(),
                               [](QWidget* w) { return dynamic_cast<AnalizPenceresi*>(w) != nullptr; }), 1);
    }

    // It says when nothing is selected, and shows each change one turn of the event loop after the command.
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
        AnalizPenceresi* pencere = AnaliziAç(ana);
        QCOMPARE(pencere->durum()->text(), QStringLiteral("Seçili proje yok."));
        QCOMPARE(pencere->tablo()->model()->rowCount() + Çizilen(*pencere).çubuk, 0);
        ProjeyiSeç(ana, "P");
        QCoreApplication::processEvents();
        QCOMPARE(pencere->tablo()->model()->rowCount(), 4);

        if (değişiklik == 0)
            ProjeyiSeç(ana, "Q");
        else if (değişiklik == 1 && !vt.depo().FaaliyetEkle("P", {"E", "Kabul", 2, "D"}))
            ana.ProjeListesi_Click(); // what an add dialog does after it has written
        else if (değişiklik > 1)
            QTest::mouseClick(değişiklik == 2 ? ana.SonFaaliyetiSilDüğmesi : ana.ProjeSilDüğmesi, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(pencere->durum()->text(), durum);
        QCOMPARE(pencere->tablo()->model()->rowCount(), satır);
        QCOMPARE(Çizilen(*pencere).çubuk, satır);
        QCOMPARE(pencere->yollar()->toPlainText().isEmpty(), satır == 0);
        QCOMPARE(kayıt.hatalar(), QStringList());
    }

    // The four-activity sample's figures, dates and texts; selecting C highlights its two arrows and says
    // why it is critical; hovering B's bar shows its figures in CPM terms; the chart zooms both ways and fits.
    void writesTheSamplesFigures()
    {
        AçıkAnaliz açık(Örnek);
        AnalizPenceresi* pencere = açık.pencere;
        QVERIFY(ÖneGetirVeBekle(pencere));
        const QAbstractItemModel* model = pencere->tablo()->model();
        QCOMPARE(TablodakiSatırlar(*pencere), (QStringList{
                     "Kodu|Faaliyet Adı|Süre|ES|EF|LS|LF|Toplam Bolluk|Serbest Bolluk|Kritik|Başlangıç|Bitiş",
                     "A|Tasarım|3|0|3|0|3|0|0|Evet|1.03.2026|4.03.2026",
                     "B|Alım|2|3|5|5|7|2|2|Hayır|4.03.2026|6.03.2026",
                     "C|Yapım|4|3|7|3|7|0|0|Evet|4.03.2026|8.03.2026",
                     "D|Teslim|1|7|8|7|8|0|0|Evet|8.03.2026|9.03.2026"}));
        QVERIFY(model->index(0, 0).data(Qt::BackgroundRole).isValid() && !model->index(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(pencere->yollar()->toPlainText().contains("1. A → C → D   (ana penceredeki kritik yol)"));
        QCOMPARE(pencere->plan()->text(),
                 QStringLiteral("Proje süresi (F): 8 gün, en erken bitiş 9.03.2026; tahmini gün sayısı 10: 2 gün pay"));

        pencere->SatırıSeç(2);
        QVERIFY2(pencere->neden()->text().startsWith("C: Kritik: A bitince başlıyor"), qPrintable(pencere->neden()->text()));
        QCOMPARE(Çizilen(*pencere).vurgulananOk, 2);
        pencere->SatırıSeç(1);
        GanttAlanı* gantt = pencere->gantt();
        const QPoint orta = gantt->Seç(1).center().toPoint();
        QHelpEvent olay(QEvent::ToolTip, orta, gantt->mapToGlobal(orta));
        QCoreApplication::sendEvent(gantt, &olay);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().contains("En geç başlama (LS): 5, en geç bitirme (LF): 7")
                     && QToolTip::text().contains("Toplam bolluk: 2 gün, serbest bolluk: 2 gün"),
                 qPrintable(QToolTip::text()));
        QToolTip::hideText();
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

    // A network that cannot be computed shows its explanation and no figures.
    void paintsABarPerActivityAndAnArrowPerLink_data()
    {
        using F = QVector<Faaliyet>;
        QTest::addColumn<F>("faaliyetler");
        QTest::addColumn<int>("çubuk");
        QTest::addColumn<int>("ok");
        QTest::newRow("the sample") << Örnek << 4 << 4;
        QTest::newRow("a chain") << F{{"A", "a", 2, ""}, {"B", "b", 0, "A"}, {"C", "c", 1, "B"}} << 3 << 2;
        QTest::newRow("a predecessor listed twice") << F{{"A", "a", 2, ""}, {"B", "b", 1, "A,A"}} << 2 << 1;
        QTest::newRow("a fan") << F{{"A", "a", 2, ""}, {"B", "b", 5, "A"}, {"C", "c", 1, "A"}} << 3 << 2;
        QTest::newRow("a second activity with no predecessor") << F{{"A", "a", 2, ""}, {"B", "b", 5, ""}} << 0 << 0;
        QTest::newRow("an unknown predecessor") << F{{"A", "a", 2, ""}, {"B", "b", 5, "Z"}} << 0 << 0;
        QTest::newRow("no activities") << F{} << 0 << 0;
    }
    void paintsABarPerActivityAndAnArrowPerLink()
    {
        QFETCH(QVector<Faaliyet>, faaliyetler);
        QFETCH(int, çubuk);
        QFETCH(int, ok);
        AçıkAnaliz açık(faaliyetler);
        const GanttSayımı sayım = Çizilen(*açık.pencere);
        QCOMPARE(sayım.çubuk, çubuk);
        QCOMPARE(sayım.ok, ok);
        QCOMPARE(açık.pencere->tablo()->model()->rowCount(), çubuk);
        const QString durum = açık.pencere->durum()->text();
        QVERIFY2(durum.contains("Hesaplanamıyor: ") == (çubuk == 0), qPrintable(durum));
    }

    // The drawing paints onto any painter, and of the rows only those a scroll exposes.
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
        const AçıkAnaliz açık(Örnek);
        const GanttÇizimi çizim(açık.pencere->analiz(), QDate(2026, 3, 1), 10, GanttÖlçeği{12, QFont()});
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

    // Closed by itself or with the main window, it keeps its size and splitter for the next time.
    void remembersItsPlaceWhenClosedEitherWay()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QPointer<AnalizPenceresi> pencere = AnaliziAç(ana);
        pencere->resize(701, 503);
        QSplitter* bölücü = pencere->findChild<QSplitter*>();
        bölücü->setSizes({100, 200, 150});
        const QList<int> bölümler = bölücü->sizes();
        pencere->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ana.AçıkAnalizPenceresi());
        pencere = AnaliziAç(ana);
        QCOMPARE(pencere->size(), QSize(701, 503));
        QCOMPARE(pencere->findChild<QSplitter*>()->sizes(), bölümler);
        pencere->resize(640, 480);
        ana.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pencere);
        QCOMPARE(AnaliziAç(ana)->size(), QSize(640, 480));
    }

};

QTEST_MAIN(AnalysisWindowTest)
#include "tst_AnalizPenceresi.moc"
