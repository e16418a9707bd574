// The analysis window beside the main window, which keeps its client area and opens it by F5.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/analysis/AgDiyagrami.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/DenemePaneli.h"
#include "ui/analysis/GanttAlani.h"
#include "drawing/GanttCizimi.h"
#include "ui/layout/Duzenler.h"
#include "ui/layout/Kurucu.h"
#include "ui/main/TemelForm.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTabWidget>
#include <QTreeWidget>
#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <memory>

namespace {

constexpr auto Denetim = QAbstractItemModelTester::FailureReportingMode::QtTest;

const QVector<Faaliyet> Ornek{
    {"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}};

AnalizPenceresi* AnaliziAc(TemelForm& ana)
{
    ana.AnalizPenceresiniAc();
    return ana.AcikAnalizPenceresi();
}

// Project P with these activities, selected in a main window, and the analysis window open.
struct AcikAnaliz {
    explicit AcikAnaliz(const QVector<Faaliyet>& faaliyetler)
    {
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, faaliyetler);
        ana = std::make_unique<AnaPencere>(vt.depo());
        ProjeyiSec(*ana, "P");
        pencere = AnaliziAc(*ana);
        denetci = std::make_unique<QAbstractItemModelTester>(pencere->tablo()->model(), Denetim);
    }
    GeciciVeritabani vt;
    std::unique_ptr<TemelForm> ana;
    AnalizPenceresi* pencere = nullptr;
    std::unique_ptr<QAbstractItemModelTester> denetci; // the table's model kept to Qt's rules
};

// The table as the user reads it: the header, then a row a line, its cells apart.
QStringList TablodakiSatirlar(const AnalizPenceresi& pencere)
{
    const QAbstractItemModel* model = pencere.tablo()->model();
    QStringList satirlar;
    for (int r = -1; r < model->rowCount(); ++r) {
        QStringList hucreler;
        for (int c = 0; c < model->columnCount(); ++c)
            hucreler << (r < 0 ? model->headerData(c, Qt::Horizontal) : model->index(r, c).data()).toString();
        satirlar << hucreler.join(QLatin1Char('|'));
    }
    return satirlar;
}

// Paints the whole chart and tells what was drawn.
GanttSayimi Cizilen(AnalizPenceresi& pencere)
{
    pencere.gantt()->grab();
    return pencere.gantt()->SonCizilen();
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
    void init() { QLocale::setDefault(Turkce); }

    // The menu bar only adds its height to the layout's client area, its access keys leave the window's
    // own alone, About names the versions and the file; F5 opens one analysis window and brings it forward.
    void menuBarAddsOnlyItsHeightAndItsCommandsWork()
    {
        GeciciVeritabani vt;
        AnaPencere ana(vt.depo());
        MesajKaydi kayit;
        QVERIFY(OneGetirVeBekle(&ana));
        const PencereDuzeni& duzen = Duzenler::TemelForm();
        const QSize istemci(Piksel(duzen.genislik), Piksel(duzen.yukseklik));
        QCOMPARE(ana.centralWidget()->size(), istemci);
        QCOMPARE(ana.size(), istemci + QSize(0, ana.menuBar()->height()));
        QStringList menuler;
        for (QAction* menu : ana.menuBar()->actions())
            menuler << menu->text();
        QCOMPARE(menuler, QStringList({"D&osya", "Dü&zen", "&Proje", "&Analiz", "&Yardım"}));
        QStringList tuslar;
        for (const DenetimDuzeni& d : duzen.denetimler)
            tuslar << QKeySequence::mnemonic(QString::fromUtf8(d.baslik)).toString();
        for (QAction* menu : ana.menuBar()->actions())
            tuslar << QKeySequence::mnemonic(menu->text()).toString();
        tuslar.removeAll(QString());
        QVERIFY2(QStringList(tuslar).removeDuplicates() == 0, qPrintable(tuslar.join(' ')));
        ana.KavrionHakkinda();
        const QString metin = kayit.son().metin;
        const auto e = [](const QString& t) { return QRegularExpression::escape(t); };
        const QRegularExpression hakkinda("^Kavrion 1\\.[0-9.]+" + e("\nKritik yol yöntemiyle proje planlama.\n\nQt sürümü: " + QString(qVersion()))
                                          + e("\nSQLite sürümü: ") + "3\\.[0-9.]+" + e("\nVeritabanı: " + vt.yol()) + "$");
        QVERIFY2(kayit.sayi() == 1 && hakkinda.match(metin).hasMatch(), qPrintable(metin));

        QTest::keyClick(&ana, Qt::Key_F5);
        QPointer<AnalizPenceresi> ilk = ana.AcikAnalizPenceresi();
        QVERIFY(ilk);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), ilk.data(), 30000);
        QVERIFY(OneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_F5);
        QCOMPARE(ana.AcikAnalizPenceresi(), ilk.data());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), ilk.data(), 30000);
        const auto pencereler = ana.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(std::count_if(pencereler.begin(), pencereler.end(),
                               [](QWidget* w) { return dynamic_cast<AnalizPenceresi*>(w) != nullptr; }), 1);
    }

    // It says when nothing is selected, and shows each change one turn of the event loop after the command.
    void followsTheMainWindow_data()
    {
        QTest::addColumn<int>("degisiklik");
        QTest::addColumn<QString>("durum");
        QTest::addColumn<int>("satir");
        QTest::newRow("a selection") << 0 << "Q" << 1;
        QTest::newRow("an add") << 1 << "P" << 5;
        QTest::newRow("a delete") << 2 << "P" << 3;
        QTest::newRow("a project delete") << 3 << "Seçili proje yok." << 0;
    }
    void followsTheMainWindow()
    {
        QFETCH(int, degisiklik);
        QFETCH(QString, durum);
        QFETCH(int, satir);
        GeciciVeritabani vt;
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, Ornek);
        vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "q", 1, ""}});
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        AnalizPenceresi* pencere = AnaliziAc(ana);
        QAbstractItemModelTester denetci(pencere->tablo()->model(), Denetim);
        QCOMPARE(pencere->durum()->text(), QStringLiteral("Seçili proje yok."));
        QCOMPARE(pencere->tablo()->model()->rowCount() + Cizilen(*pencere).cubuk, 0);
        ProjeyiSec(ana, "P");
        QCoreApplication::processEvents();
        QCOMPARE(pencere->tablo()->model()->rowCount(), 4);

        if (degisiklik == 0)
            ProjeyiSec(ana, "Q");
        else if (degisiklik == 1 && !vt.depo().FaaliyetEkle("P", {"E", "Kabul", 2, "D"}))
            ana.ProjeListesi_Click(); // what an add dialog does after it has written
        else if (degisiklik > 1)
            QTest::mouseClick(degisiklik == 2 ? ana.SonFaaliyetiSilDugmesi : ana.ProjeSilDugmesi, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(pencere->durum()->text(), durum);
        QCOMPARE(pencere->tablo()->model()->rowCount(), satir);
        QCOMPARE(Cizilen(*pencere).cubuk, satir);
        QCOMPARE(pencere->yollar()->toPlainText().isEmpty(), satir == 0);
        QCOMPARE(kayit.hatalar(), QStringList());
    }

    // The four-activity sample's figures, dates and texts; selecting C highlights its two arrows and says
    // why it is critical; hovering B's bar shows its figures in CPM terms; the chart zooms both ways and fits.
    void writesTheSamplesFigures()
    {
        AcikAnaliz acik(Ornek);
        AnalizPenceresi* pencere = acik.pencere;
        QVERIFY(OneGetirVeBekle(pencere));
        const QAbstractItemModel* model = pencere->tablo()->model();
        QCOMPARE(TablodakiSatirlar(*pencere), (QStringList{
                     "Kodu|Faaliyet Adı|Süre|ES|EF|LS|LF|Toplam Bolluk|Serbest Bolluk|Kritik|Başlangıç|Bitiş",
                     "A|Tasarım|3|0|3|0|3|0|0|Evet|1.03.2026|3.03.2026",
                     "B|Alım|2|3|5|5|7|2|2|Hayır|4.03.2026|5.03.2026",
                     "C|Yapım|4|3|7|3|7|0|0|Evet|4.03.2026|7.03.2026",
                     "D|Teslim|1|7|8|7|8|0|0|Evet|8.03.2026|8.03.2026"}));
        QVERIFY(model->index(0, 0).data(Qt::BackgroundRole).isValid() && !model->index(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(pencere->yollar()->toPlainText().contains("1. A → C → D   (ana penceredeki kritik yol)"));
        QCOMPARE(pencere->plan()->text(),
                 QStringLiteral("Proje süresi (F): 8 gün, en erken bitiş 8.03.2026; tahmini gün sayısı 10: 2 gün pay"));

        pencere->SatiriSec(2);
        QVERIFY2(pencere->neden()->text().startsWith("C: Kritik: A bitince başlıyor"), qPrintable(pencere->neden()->text()));
        QCOMPARE(Cizilen(*pencere).vurgulananOk, 2);
        pencere->SatiriSec(1);
        GanttAlani* gantt = pencere->gantt();
        const QPoint orta = gantt->Sec(1).center().toPoint();
        QHelpEvent olay(QEvent::ToolTip, orta, gantt->mapToGlobal(orta));
        QCoreApplication::sendEvent(gantt, &olay);
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 30000);
        QVERIFY2(QToolTip::text().contains("En geç başlama (LS): 5, en geç bitirme (LF): 7")
                     && QToolTip::text().contains("Toplam bolluk: 2 gün, serbest bolluk: 2 gün"),
                 qPrintable(QToolTip::text()));
        QToolTip::hideText();
        const double sigan = gantt->GunGenisligi();
        QVERIFY(gantt->width() <= pencere->kaydirma()->viewport()->width());
        QTest::keyClick(pencere, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(gantt->GunGenisligi() > sigan);
        QTest::keyClick(pencere, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(pencere, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(gantt->GunGenisligi() < sigan);
        QTest::keyClick(pencere, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(gantt->GunGenisligi(), sigan);
    }

    // The network diagram's tab: a click selects a box, the arrow keys move the focus along the
    // links and within a column, Enter selects; the table, the main window and the diagram follow
    // one another both ways. The zoom keys act on the diagram while its tab is shown.
    void networkDiagramFollowsTheSelectionBothWays()
    {
        AcikAnaliz acik(Ornek);
        AnalizPenceresi* pencere = acik.pencere;
        QVERIFY(OneGetirVeBekle(pencere));
        QTabWidget* sekmeler = pencere->sekmeler();
        sekmeler->setCurrentIndex(sekmeler->count() - 1);
        QCOMPARE(sekmeler->tabText(sekmeler->currentIndex()), "Ağ D&iyagramı");
        AgDiyagrami* ag = pencere->ag();
        QCOMPARE(ag->accessibleName(), "Ağ Diyagramı");
        QTRY_VERIFY_WITH_TIMEOUT(!ag->KutuAlani(3).isEmpty(), 30000);
        QTreeWidget* liste = acik.ana->FaaliyetlerListesi;
        const auto anadaSecili = [liste] {
            const QList<QTreeWidgetItem*> secili = liste->selectedItems();
            return secili.isEmpty() ? QString() : secili.first()->text(0);
        };
        QTest::mouseClick(ag, Qt::LeftButton, {}, ag->KutuAlani(0).center());
        QCOMPARE(pencere->SeciliSatir(), 0);
        QCOMPARE(anadaSecili(), "A");
        QTest::keyClick(ag, Qt::Key_Right);
        const int ilk = ag->odak(); // B or C, one above the other after A
        QVERIFY2(ilk == 1 || ilk == 2, qPrintable(QString::number(ilk)));
        QTest::keyClick(ag, Qt::Key_Down);
        if (ag->odak() == ilk)
            QTest::keyClick(ag, Qt::Key_Up);
        QCOMPARE(ag->odak(), 3 - ilk);
        QTest::keyClick(ag, Qt::Key_Right);
        QCOMPARE(ag->odak(), 3);
        QTest::keyClick(ag, Qt::Key_Left);
        QVERIFY(ag->odak() == 1 || ag->odak() == 2);
        QTest::keyClick(ag, Qt::Key_Left);
        QCOMPARE(ag->odak(), 0);
        QCOMPARE(pencere->SeciliSatir(), 0); // moving the focus selects nothing
        QTest::keyClick(ag, Qt::Key_Right);
        QTest::keyClick(ag, Qt::Key_Right);
        QTest::keyClick(ag, Qt::Key_Return);
        QCOMPARE(pencere->SeciliSatir(), 3);
        QCOMPARE(ag->secili(), 3);
        QCOMPARE(anadaSecili(), "D");
        QVERIFY(ag->accessibleDescription().contains("En geç başlama (LS): 7, en geç bitirme (LF): 8"));
        liste->setCurrentItem(liste->topLevelItem(1));
        QCOMPARE(pencere->SeciliSatir(), 1);
        QCOMPARE(ag->secili(), 1);
        QCOMPARE(ag->odak(), 1);
        pencere->tablo()->selectRow(2);
        QCOMPARE(ag->secili(), 2);
        QCOMPARE(anadaSecili(), "C");
        pencere->Yenile(); // the same rows again: the box stays selected
        QCOMPARE(ag->secili(), 2);

        const double gun = pencere->gantt()->GunGenisligi();
        QTest::keyClick(pencere, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(ag->Olcek() > 1);
        const int genislik = ag->width();
        QTest::keyClick(pencere, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(pencere, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(ag->Olcek() < 1 && ag->width() < genislik);
        QTest::keyClick(pencere, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(ag->Olcek(), 1.0);
        QCOMPARE(pencere->gantt()->GunGenisligi(), gun);
    }

    // Opened after the main window selected an activity, its table and diagram show that one
    // selected; after a move to another project with the same code, only what that shows.
    void opensOnTheMainWindowsActivity()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, Ornek);
        vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "q", 1, ""}, {"C", "r", 1, "A"}});
        AnaPencere ana(vt.depo());
        QTreeWidget* liste = ana.FaaliyetlerListesi;
        ProjeyiSec(ana, "P");
        liste->setCurrentItem(liste->topLevelItem(2));
        QPointer<AnalizPenceresi> pencere = AnaliziAc(ana);
        QCOMPARE(pencere->SeciliSatir(), 2);
        QCOMPARE(pencere->ag()->secili(), 2);
        pencere->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProjeyiSec(ana, "Q");
        const QList<QTreeWidgetItem*> secili = liste->selectedItems();
        pencere = AnaliziAc(ana);
        QCOMPARE(pencere->SeciliSatir(), secili.isEmpty() ? -1 : liste->indexOfTopLevelItem(secili.first()));
        QCOMPARE(pencere->ag()->secili(), pencere->SeciliSatir());
    }

    // A network that cannot be computed shows its explanation and no figures.
    void paintsABarPerActivityAndAnArrowPerLink_data()
    {
        using F = QVector<Faaliyet>;
        QTest::addColumn<F>("faaliyetler");
        QTest::addColumn<int>("cubuk");
        QTest::addColumn<int>("ok");
        QTest::newRow("the sample") << Ornek << 4 << 4;
        QTest::newRow("a chain") << F{{"A", "a", 2, ""}, {"B", "b", 0, "A"}, {"C", "c", 1, "B"}} << 3 << 2;
        QTest::newRow("a predecessor listed twice") << F{{"A", "a", 2, ""}, {"B", "b", 1, "A,A"}} << 2 << 1;
        QTest::newRow("a fan") << F{{"A", "a", 2, ""}, {"B", "b", 5, "A"}, {"C", "c", 1, "A"}} << 3 << 2;
        QTest::newRow("a second activity with no predecessor") << F{{"A", "a", 2, ""}, {"B", "b", 5, ""}} << 0 << 0;
        QTest::newRow("an unknown predecessor") << F{{"A", "a", 2, ""}, {"B", "b", 5, "Z"}} << 0 << 0;
        QTest::newRow("no activities") << F{} << 0 << 0;
    }
    // A slip on a critical activity moves the finish by the slip, on one with float by the excess
    // over its float; nothing is written until "Plana Uygula", which is one step.
    void whatIfMovesTheFinishAndSavesOnlyWhenApplied()
    {
        AcikAnaliz a(Ornek);
        MesajKaydi kayit;
        DenemePaneli* d = a.pencere->deneme();
        const QStringList once = a.vt.Dokum(GeciciVeritabani::TumTablolar);
        const auto bitis = [&] { return TablodakiSatirlar(*a.pencere).last().section('|', 4, 4); };
        // Enter in either field tries what was typed there.
        const auto dene = [&](int satir, QWidget* alan, const QString& metin) {
            d->faaliyet()->setCurrentIndex(satir);
            alan->setFocus();
            QTest::keyClick(alan, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(alan, metin);
            QTest::keyClick(alan, Qt::Key_Return);
        };
        QCOMPARE(bitis(), "8");
        dene(2, d->gecikme(), "0");
        QCOMPARE(kayit.metinler(), QStringList{"Denemek için yeni bir süre ya da bir gecikme girin."});
        QVERIFY(d->uyari()->isHidden());
        dene(2, d->gecikme(), "3");
        QCOMPARE(bitis(), "11");
        QCOMPARE(d->uyari()->text(), "Deneme – kaydedilmedi: C: 4 → 7 gün");
        QCOMPARE(a.vt.Dokum(GeciciVeritabani::TumTablolar), once);
        // Its stored duration takes an activity out of the trial: no "C: 4 → 4 gün".
        dene(2, d->sure(), "4");
        QCOMPARE(bitis(), "8");
        QVERIFY(d->uyari()->isHidden());
        kayit.Temizle();
        dene(1, d->gecikme(), "3");
        QCOMPARE(bitis(), "9");
        // Applied over the plan shown: B changed elsewhere and read, but not shown yet, is refused.
        QVERIFY(DosyadaCalistir(a.vt.yol(), {"UPDATE FaaliyetlerTablosu SET Adi = 'Satın alma' WHERE Kodu = 'B'"}));
        a.ana->belge().Sec("P");
        d->PlanaUygula();
        QCOMPARE(kayit.metinler(), QStringList{"Hata 12: \"P\" projesinin B faaliyeti siz görüntüledikten sonra başka "
                                               "bir yerde değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor."});
        QCOMPARE(a.vt.Satirlar().filter("|B|").first(), "F|P|B|Satın alma|2|A");
        QTRY_COMPARE(TablodakiSatirlar(*a.pencere).value(2).section('|', 1, 1), "Satın alma");
        d->PlanaUygula();
        QTRY_VERIFY(d->uyari()->isHidden());
        QCOMPARE(bitis(), "9");
        QCOMPARE(a.vt.Satirlar().filter("|B|").first(), "F|P|B|Satın alma|5|A");
        QCOMPARE(a.ana->geriAlEylemi()->text(), "&Geri Al: Denemeyi Uygula (B) – P");
        QCOMPARE(kayit.sayi(), 1);
        kayit.Temizle();
        // A whole number too large for a duration is told with the range, and tries nothing.
        d->sure()->setText("3000000000");
        QTest::keyClick(d->sure(), Qt::Key_Return);
        QCOMPARE(kayit.metinler(), QStringList{"\"3000000000\" bir süre değil: -2.147.483.648 ile 2.147.483.647 arasında "
                                               "bir tam sayı olmalıdır."});
        QVERIFY(d->uyari()->isHidden());
    }

    // An unapplied trial is never dropped unasked: closing either window or selecting another project asks;
    // "Uygula" writes it to its project, "Bırak" drops it, "Vazgeç" keeps the window open or brings the
    // trial's project back into both windows.
    void anUnappliedTrialIsAskedAbout_data()
    {
        QTest::addColumn<int>("nasil"); // 0 the window closes, 1 another project is selected, 2 the main window closes
        QTest::addColumn<int>("yanit");
        QTest::addColumn<QString>("gosterilen");
        QTest::addColumn<bool>("yazildi");
        const int uygula = QMessageBox::Save, birak = QMessageBox::Discard, vazgec = QMessageBox::Cancel;
        QTest::newRow("close, Uygula") << 0 << uygula << "" << true;
        QTest::newRow("close, Bırak") << 0 << birak << "" << false;
        QTest::newRow("close, Vazgeç") << 0 << vazgec << "P" << false;
        QTest::newRow("another project, Uygula") << 1 << uygula << "Q" << true;
        QTest::newRow("another project, Bırak") << 1 << birak << "Q" << false;
        QTest::newRow("another project, Vazgeç") << 1 << vazgec << "P" << false;
        QTest::newRow("the main window's close, Vazgeç") << 2 << vazgec << "P" << false;
    }
    void anUnappliedTrialIsAskedAbout()
    {
        QFETCH(int, nasil);
        QFETCH(int, yanit);
        QFETCH(QString, gosterilen);
        QFETCH(bool, yazildi);
        AcikAnaliz a(Ornek);
        a.vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "q", 1, ""}});
        a.ana->ProjeleriEkle("P");
        QPointer<AnalizPenceresi> pencere = a.pencere;
        DenemePaneli* d = pencere->deneme();
        MesajKaydi kayit;
        kayit.Yanitla(QMessageBox::StandardButton(yanit));
        d->faaliyet()->setCurrentIndex(2);
        QTest::keyClicks(d->sure(), "7");
        QTest::keyClick(d->sure(), Qt::Key_Return);
        if (nasil == 1) {
            ProjeyiSec(*a.ana, "Q");
            QCoreApplication::processEvents();
        } else {
            QCOMPARE(nasil == 0 ? pencere->close() : a.ana->close(), yanit != QMessageBox::Cancel);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(kayit.metinler(), QStringList{"\"P\" projesinin denemesi plana uygulanmadı: C: 4 → 7 gün.\n"
                                               "Plana uygulansın mı? Bırakılırsa kaydedilmeden atılır."});
        QCOMPARE(a.vt.Satirlar().filter("|C|").first(), yazildi ? "F|P|C|Yapım|7|A" : "F|P|C|Yapım|4|A");
        QCOMPARE(pencere.isNull(), gosterilen.isEmpty());
        if (pencere) {
            QCOMPARE(a.ana->SeciliProje() + ' ' + pencere->durum()->text(), gosterilen + ' ' + gosterilen);
            QCOMPARE(d->uyari()->isVisible(), yanit == QMessageBox::Cancel);
        }
    }

    void paintsABarPerActivityAndAnArrowPerLink()
    {
        QFETCH(QVector<Faaliyet>, faaliyetler);
        QFETCH(int, cubuk);
        QFETCH(int, ok);
        AcikAnaliz acik(faaliyetler);
        const GanttSayimi sayim = Cizilen(*acik.pencere);
        QCOMPARE(sayim.cubuk, cubuk);
        QCOMPARE(sayim.ok, ok);
        QCOMPARE(acik.pencere->tablo()->model()->rowCount(), cubuk);
        const QString durum = acik.pencere->durum()->text();
        QVERIFY2(durum.contains("Hesaplanamıyor: ") == (cubuk == 0), qPrintable(durum));
    }

    // The drawing paints onto any painter, and of the rows only those a scroll exposes.
    void chartPaintsWhatMeetsTheArea_data()
    {
        QTest::addColumn<int>("ilkSatir");
        QTest::addColumn<int>("satirSayisi");
        QTest::newRow("everything") << 0 << 4;
        QTest::newRow("the first row") << 0 << 1;
        QTest::newRow("the middle rows") << 1 << 2;
        QTest::newRow("the axis alone") << -1 << 0;
    }
    void chartPaintsWhatMeetsTheArea()
    {
        QFETCH(int, ilkSatir);
        QFETCH(int, satirSayisi);
        const AcikAnaliz acik(Ornek);
        const GanttCizimi cizim(acik.pencere->analiz(), QDate(2026, 3, 1), 10, GanttOlcegi{12, QFont()});
        QImage resim(cizim.Boyut().toSize(), QImage::Format_ARGB32);
        QPainter boyaci(&resim);
        QRectF alan = ilkSatir < 0 ? QRectF(0, 0, resim.width(), cizim.Satir(0).top() - 1)
                                   : cizim.Satir(ilkSatir).united(cizim.Satir(ilkSatir + satirSayisi - 1));
        alan.adjust(0, 1, 0, -1);
        QCOMPARE(cizim.Ciz(boyaci, alan).cubuk, satirSayisi);
        QCOMPARE(cizim.Ciz(boyaci).ok, 4);
        QCOMPARE(cizim.CubukBul(cizim.Cubuk(2).center()), 2);
        QCOMPARE(cizim.CubukBul(QPointF(0, cizim.Cubuk(2).center().y())), -1);
    }

    // Esc and Ctrl+W close it, whatever has the focus; after a zoomed chart a project that cannot be
    // computed leaves nothing to scroll.
    void closesByKeysAndKeepsNoOldScrollRange()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, Ornek);
        vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "a", 2, ""}, {"B", "b", 5, "Z"}});
        AnaPencere ana(vt.depo());
        for (const QKeySequence& tus : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            ProjeyiSec(ana, "P");
            QPointer<AnalizPenceresi> pencere = AnaliziAc(ana);
            QVERIFY(OneGetirVeBekle(pencere));
            for (int i = 0; i < 4; ++i)
                QTest::keySequence(pencere, QKeySequence::ZoomIn);
            QVERIFY(pencere->kaydirma()->horizontalScrollBar()->maximum() > 0);
            ProjeyiSec(ana, "Q");
            QTRY_VERIFY_WITH_TIMEOUT(pencere->durum()->text().startsWith("Q\n"), 30000);
            QCOMPARE(pencere->kaydirma()->horizontalScrollBar()->maximum() + pencere->kaydirma()->verticalScrollBar()->maximum(), 0);
            QVERIFY(OneGetirVeBekle(pencere));
            pencere->tablo()->setFocus();
            QTest::keySequence(QApplication::focusWidget(), tus);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!pencere, qPrintable(tus.toString()));
        }
    }

    // Closed by itself or with the main window, it keeps its size and splitter for the next time.
    void remembersItsPlaceWhenClosedEitherWay()
    {
        GeciciVeritabani vt;
        AnaPencere ana(vt.depo());
        QPointer<AnalizPenceresi> pencere = AnaliziAc(ana);
        pencere->resize(701, 503);
        QSplitter* bolucu = pencere->findChild<QSplitter*>();
        bolucu->setSizes({100, 200, 150});
        const QList<int> bolumler = bolucu->sizes();
        pencere->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ana.AcikAnalizPenceresi());
        pencere = AnaliziAc(ana);
        QCOMPARE(pencere->size(), QSize(701, 503));
        QCOMPARE(pencere->findChild<QSplitter*>()->sizes(), bolumler);
        pencere->resize(640, 480);
        ana.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pencere);
        QCOMPARE(AnaliziAc(ana)->size(), QSize(640, 480));
    }

};

QTEST_MAIN(AnalysisWindowTest)
#include "tst_AnalizPenceresi.moc"
