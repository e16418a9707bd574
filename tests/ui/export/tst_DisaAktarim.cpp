// "Dışa Aktar…" from the keyboard of either window: the file the user named is written
// in the format asked for, a failure is one box and leaves any old file and the plan as they were;
// the Risk tab's charts go the same way, only while their figures are of the plan shown.
#include "destek/DosyaIzinleri.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/DenemePaneli.h"
#include "ui/analysis/RiskSekmesi.h"
#include "ui/export/DisaAktarim.h"
#include "ui/main/TemelForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QDir>
#include <QLineEdit>
#include <QFileDialog>
#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using DisaAktarim::Bicim;
using DisaAktarim::Surum;

namespace {

QByteArray Oku(const QString& yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray("(yok)");
}

void Yaz(const QString& yol, const QByteArray& icerik)
{
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    dosya.write(icerik);
}

// Answers the save dialog with `yol` and `bicim`'s filter, and counts how often it was asked.
struct Yanitlayan {
    Yanitlayan(const QString& yol, Bicim bicim)
    {
        DisaAktarim::SorucuKur([=](QWidget*, const QString&, std::optional<DisaAktarim::Surum>) {
            ++soruldu;
            return std::optional<DisaAktarim::Secim>({yol, bicim});
        });
    }
    ~Yanitlayan() { DisaAktarim::SorucuKur({}); }
    int soruldu = 0;
};

// The sample projects, ALFA shown and the analysis window in front.
struct AlfaAnalizi {
    AlfaAnalizi()
    {
        OrnekProjeler(vt);
        ana.ProjeleriEkle();
        ProjeyiSec(ana, "ALFA");
        ana.AnalizPenceresiniAc();
        pencere = ana.AcikAnalizPenceresi();
    }
    GeciciVeritabani vt;
    AnaPencere ana{vt.depo()};
    AnalizPenceresi* pencere = nullptr;
};

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(Turkce);
    }
    void cleanup() { QSettings().clear(); }

    void writesTheFileInTheFormatAsked_data()
    {
        QTest::addColumn<bool>("analizden"); // from the analysis window, else the main window
        QTest::addColumn<QString>("ad");     // as typed in the dialog
        QTest::addColumn<Bicim>("suzgec");
        QTest::addColumn<QString>("dosya"); // what is written
        QTest::addColumn<QByteArray>("basi");
        QTest::newRow("CSV, extension added") << false << "plan" << Bicim::Csv << "plan.csv" << QByteArray("\xEF\xBB\xBF" "Kodu;");
        QTest::newRow("typed extension wins") << false << "plan.pdf" << Bicim::Csv << "plan.pdf" << QByteArray("%PDF");
        QTest::newRow("SVG from the analysis window") << true << "g.svg" << Bicim::Svg << "g.svg" << QByteArray("<?xml");
        QTest::newRow("PNG") << true << "g" << Bicim::Png << "g.png" << QByteArray("\x89PNG");
    }
    void writesTheFileInTheFormatAsked()
    {
        QFETCH(bool, analizden);
        QFETCH(QString, ad);
        QFETCH(Bicim, suzgec);
        QFETCH(QString, dosya);
        QFETCH(QByteArray, basi);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const QByteArray plan = Oku(vt.yol());
        QTemporaryDir hedef;
        Yanitlayan yanitlayan(hedef.filePath(ad), suzgec);
        MesajKaydi kutular;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "ALFA");
        QWidget* pencere = &ana;
        if (analizden) {
            ana.AnalizPenceresiniAc();
            pencere = ana.AcikAnalizPenceresi();
        }
        QVERIFY(OneGetirVeBekle(pencere));
        QTest::keyClick(pencere, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(yanitlayan.soruldu, 1);
        QCOMPARE(kutular.sayi(), 0);
        QVERIFY2(Oku(hedef.filePath(dosya)).startsWith(basi), qPrintable(Oku(hedef.filePath(dosya)).left(20)));
        QCOMPARE(QDir(hedef.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(Oku(vt.yol()), plan);
    }

    // A typed extension changes the format within the chosen chart, never the chart.
    void theTypedExtensionPicksAFormatOfTheChosenChart_data()
    {
        QTest::addColumn<Bicim>("suzgec");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<Bicim>("bicim");
        QTest::addColumn<QString>("dosya");
        QTest::newRow("histogram's SVG, .png") << Bicim::HistogramSvg << "histogram.png" << Bicim::HistogramPng << "histogram.png";
        QTest::newRow("tornado's PNG, .SVG") << Bicim::KasirgaPng << "kasirga.SVG" << Bicim::KasirgaSvg << "kasirga.SVG";
        QTest::newRow("tornado, no extension") << Bicim::KasirgaSvg << "k" << Bicim::KasirgaSvg << "k.svg";
        QTest::newRow("histogram, the table's") << Bicim::HistogramPng << "h.csv" << Bicim::HistogramPng << "h.csv";
        QTest::newRow("Gantt PNG, .svg") << Bicim::Png << "g.svg" << Bicim::Svg << "g.svg";
        QTest::newRow("status report, no extension") << Bicim::DurumPdf << "d" << Bicim::DurumPdf << "d.pdf";
        QTest::newRow("Gantt PDF, .pdf is not the status report") << Bicim::Pdf << "g.PDF" << Bicim::Pdf << "g.PDF";
        QTest::newRow("CSV, .xml") << Bicim::Csv << "a.b/plan.xml" << Bicim::Xml << "a.b/plan.xml";
        QTest::newRow("PDF, another extension") << Bicim::Pdf << "rapor.v2" << Bicim::Pdf << "rapor.v2";
    }
    void theTypedExtensionPicksAFormatOfTheChosenChart()
    {
        QFETCH(Bicim, suzgec);
        QFETCH(QString, ad);
        QFETCH(Bicim, bicim);
        QFETCH(QString, dosya);
        const DisaAktarim::Secim secim = DisaAktarim::Belirle(ad, suzgec);
        QCOMPARE(secim.bicim, bicim);
        QCOMPARE(secim.yol, dosya);
    }

    // Through Qt's own dialog, with the histogram's SVG filter chosen: a name given as .png gives its PNG.
    void theDialogWritesTheChosenChart()
    {
        QTemporaryDir hedef;
        MesajKaydi kutular;
        AlfaAnalizi a;
        AnalizPenceresi* pencere = a.pencere;
        QVERIFY(OneGetirVeBekle(pencere));
        QTest::keyClick(pencere, Qt::Key_R, Qt::AltModifier);
        RiskSekmesi* risk = pencere->risk();
        QTRY_VERIFY(risk->disaAktar()->isEnabled());
        QString suzgec;
        QTimer bekci; // until the dialog shows
        connect(&bekci, &QTimer::timeout, [&] {
            auto* secici = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!secici)
                return;
            bekci.stop();
            secici->selectNameFilter("SVG: risk histogramı, bitiş dağılımı ve P çizgileri (*.svg)");
            suzgec = secici->selectedNameFilter();
            secici->findChild<QLineEdit*>("fileNameEdit")->setText(hedef.filePath("histogram.png")); // as typed
            secici->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
            if (secici->isVisible()) // not accepted: the test fails below rather than waiting
                secici->reject();
        });
        bekci.start(20);
        risk->disaAktar()->click();
        QVERIFY2(suzgec.startsWith("SVG: risk histogramı"), qPrintable(suzgec));
        QCOMPARE(kutular.sayi(), 0);
        const std::optional<RiskGorseli> gorsel = risk->GuncelGorsel();
        QVERIFY(gorsel);
        const QByteArray beklenen = RiskGorseliYaz(*gorsel, RiskCizimTuru::Histogram, GorselBicim::Png, pencere->font(),
                                                   a.ana.belge().plan()->proje);
        QVERIFY(Oku(hedef.filePath("histogram.png")) == beklenen);
    }

    void aFailureLeavesEveryFileAsItWas_data()
    {
        QTest::addColumn<QString>("hedef"); // under the test's folder; "<vt>" is the plan itself
        QTest::addColumn<QString>("kutu");
        QTest::newRow("read-only folder") << "salt/eski.csv" << "Hata 8: \"%1/salt\" klasörü salt okunur; dosya yazılamadı.";
        QTest::newRow("the database itself") << "<vt>" << "Hata 8: \"%1/Proje.mdb\" Kavrion'un veritabanı; üzerine dışa aktarılamaz.";
        QTest::newRow("a link to the database") << "bag.csv" << "Hata 8: \"%1/bag.csv\" Kavrion'un veritabanı; üzerine dışa aktarılamaz.";
        QTest::newRow("no such folder") << "yok/eski.csv" << "Hata 14: \"%1/yok\" klasörü yok; dosya yazılamadı.";
        QTest::newRow("a folder's name") << "d.csv" << "Hata 14: \"%1/d.csv\" bir klasör; üzerine dosya yazılamaz.";
    }
    void aFailureLeavesEveryFileAsItWas()
    {
        QFETCH(QString, hedef);
        QFETCH(QString, kutu);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const QString klasor = vt.klasor();
        QVERIFY(QDir(klasor).mkdir("salt") && QDir(klasor).mkdir("d.csv"));
        Yaz(klasor + "/salt/eski.csv", "eski");
        QVERIFY(QFile::setPermissions(klasor + "/salt", QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::link(vt.yol(), klasor + "/bag.csv"));
        const QByteArray plan = Oku(vt.yol());
        const QString yol = hedef == "<vt>" ? vt.yol() : klasor + '/' + hedef;
        Yanitlayan yanitlayan(yol, Bicim::Csv);
        MesajKaydi kutular;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "ALFA");
        QVERIFY(OneGetirVeBekle(&ana));
        {
            const DosyaIzinleriGecerli izinler;
            QTest::keyClick(&ana, Qt::Key_E, Qt::ControlModifier);
        }
        QCOMPARE(kutular.hatalar(), QStringList{kutu.arg(klasor)});
        QCOMPARE(Oku(klasor + "/salt/eski.csv"), QByteArray("eski"));
        QCOMPARE(QDir(klasor + "/salt").entryList(QDir::Files | QDir::Hidden), QStringList{"eski.csv"});
        QCOMPARE(Oku(vt.yol()), plan);
        QFile::setPermissions(klasor + "/salt", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Printing to a file writes it in place: a file named by a link to the plan is refused.
    void printingOverTheDatabaseIsRefused()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        const QByteArray plan = Oku(vt.yol());
        const QString bag = vt.klasor() + "/bag.pdf";
        QVERIFY(QFile::link(vt.yol(), bag));
        MesajKaydi kutular;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "ALFA");
        QVERIFY(OneGetirVeBekle(&ana));
        QTimer::singleShot(0, &ana, [&] { // what the preview's print button does once a file is chosen
            auto* onizleme = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(onizleme);
            onizleme->printer()->setOutputFileName(bag);
            emit onizleme->paintRequested(onizleme->printer());
            onizleme->reject();
        });
        QTest::keyClick(&ana, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(kutular.hatalar(), QStringList{"Hata 8: \"" + bag + "\" Kavrion'un veritabanı; üzerine yazdırılamaz."});
        QCOMPARE(Oku(vt.yol()), plan);
    }

    // The status report prints on one page once the project has a status date, and is refused
    // with one box before.
    void theStatusReportIsPrintedOnce()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        MesajKaydi kutular;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "ALFA");
        DisaAktarim::Yazdir(&ana, ana.belge(), DisaAktarim::Surum::Kayitli, DisaAktarim::Sayfalar::Durum);
        QCOMPARE(kutular.hatalar().size(), 1);
        QVERIFY(kutular.hatalar().first().contains("Durum raporu için projenin bir durum tarihi"));
        const QDate baslama = *ana.belge().plan()->proje.baslama.deger;
        QVERIFY(!ana.belge().Calistir(DurumTarihiKomutu{"ALFA", QDate(), baslama.addDays(3)}));
        const QString pdf = vt.klasor() + "/durum.pdf";
        QTimer::singleShot(0, &ana, [&] {
            auto* onizleme = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(onizleme);
            onizleme->printer()->setOutputFileName(pdf);
            emit onizleme->paintRequested(onizleme->printer());
            onizleme->reject();
        });
        DisaAktarim::Yazdir(&ana, ana.belge(), DisaAktarim::Surum::Kayitli, DisaAktarim::Sayfalar::Durum);
        QCOMPARE(kutular.hatalar().size(), 1);
        QVERIFY(Oku(pdf).contains("/Count 1"));
    }

    void theRiskChartsAreExported_data()
    {
        QTest::addColumn<Bicim>("suzgec");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("dosya");
        QTest::newRow("histogram, SVG") << Bicim::HistogramSvg << "r.svg" << "r.svg";
        QTest::newRow("histogram, PNG") << Bicim::HistogramPng << "r" << "r.png";
        QTest::newRow("tornado, SVG") << Bicim::KasirgaSvg << "r" << "r.svg";
        QTest::newRow("tornado, PNG") << Bicim::KasirgaPng << "r.png" << "r.png";
    }
    // From the Risk tab's button by its access key; with no current figures (a run under
    // way, the plan changed since, the main window with no analysis window) a box and no file.
    void theRiskChartsAreExported()
    {
        QFETCH(Bicim, suzgec);
        QFETCH(QString, ad);
        QFETCH(QString, dosya);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        QTemporaryDir hedef;
        Yanitlayan yanitlayan(hedef.filePath(ad), suzgec);
        MesajKaydi kutular;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "ALFA");
        QVERIFY(OneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_E, Qt::ControlModifier);
        const QString yok = "Dışa aktarılacak güncel bir risk sonucu yok. Ağ Analizi penceresinin Risk sekmesinde "
                            "benzetimin bitmesini bekleyip yeniden deneyin.";
        QCOMPARE(kutular.son().metin, yok);

        ana.AnalizPenceresiniAc();
        AnalizPenceresi* pencere = ana.AcikAnalizPenceresi();
        QVERIFY(OneGetirVeBekle(pencere));
        QTest::keyClick(pencere, Qt::Key_R, Qt::AltModifier);
        RiskSekmesi* risk = pencere->risk();
        QVERIFY(risk->isVisible());
        QTRY_VERIFY(risk->disaAktar()->isEnabled());
        QTest::keyClick(pencere, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(yanitlayan.soruldu, 2); // an access key clicks the button once it has shown the press
        QCOMPARE(kutular.sayi(), 1);
        const QByteArray icerik = Oku(hedef.filePath(dosya));
        if (dosya.endsWith(".svg")) {
            QVERIFY(QSvgRenderer(icerik).isValid());
            QVERIFY(icerik.contains(suzgec == Bicim::HistogramSvg ? "risk histogramı" : "risk kasırga grafiği"));
        } else {
            const QImage resim = QImage::fromData(icerik, "PNG");
            QVERIFY(!resim.isNull() && resim.width() > 100 && resim.height() > 20);
        }
        QCOMPARE(QDir(hedef.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        // The plan changes: the figures shown are of the state before, and are not written.
        QVERIFY(QFile::remove(hedef.filePath(dosya)));
        QVERIFY(!ana.belge().Calistir(TahminDegistirKomutu{"ALFA", "C", UcNoktaTahmini{2, 4, 9}, std::nullopt}));
        QVERIFY(!risk->disaAktar()->isEnabled());
        QTest::keyClick(pencere, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(kutular.son().metin, yok);
        QCOMPARE(QDir(hedef.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    // During a trial the analysis window offers the trial and writes it marked; the stored plan
    // chosen in the dialog is written unmarked. The main window offers the stored plan first.
    void aTrialIsWrittenMarkedUnlessTheStoredPlanIsChosen_data()
    {
        QTest::addColumn<bool>("analizden");
        QTest::addColumn<int>("secilen"); // -1: as offered
        QTest::addColumn<Surum>("sunulan");
        QTest::addColumn<bool>("deneme");
        QTest::newRow("analysis window, as offered") << true << -1 << Surum::Deneme << true;
        QTest::newRow("analysis window, the stored plan") << true << int(Surum::Kayitli) << Surum::Deneme << false;
        QTest::newRow("main window, as offered") << false << -1 << Surum::Kayitli << false;
        QTest::newRow("main window, the trial") << false << int(Surum::Deneme) << Surum::Kayitli << true;
    }
    void aTrialIsWrittenMarkedUnlessTheStoredPlanIsChosen()
    {
        QFETCH(bool, analizden);
        QFETCH(int, secilen);
        QFETCH(Surum, sunulan);
        QFETCH(bool, deneme);
        QTemporaryDir hedef;
        std::optional<Surum> sorulan;
        DisaAktarim::SorucuKur([&](QWidget*, const QString&, std::optional<Surum> surum) {
            sorulan = surum;
            return std::optional<DisaAktarim::Secim>(
                {hedef.filePath("g.svg"), Bicim::Svg, secilen < 0 ? std::nullopt : std::optional(Surum(secilen))});
        });
        MesajKaydi kutular;
        AlfaAnalizi a;
        AnalizPenceresi* pencere = a.pencere;
        QVERIFY(OneGetirVeBekle(pencere));
        pencere->deneme()->faaliyet()->setCurrentIndex(2);
        pencere->deneme()->gecikme()->setValue(3);
        pencere->deneme()->Dene();
        QWidget* kaynak = analizden ? static_cast<QWidget*>(pencere) : &a.ana;
        QVERIFY(OneGetirVeBekle(kaynak));
        QTest::keyClick(kaynak, Qt::Key_E, Qt::ControlModifier);
        DisaAktarim::SorucuKur({});
        QCOMPARE(sorulan, std::optional(sunulan));
        QCOMPARE(kutular.sayi(), 0);
        const QByteArray svg = Oku(hedef.filePath("g.svg"));
        QCOMPARE(svg.contains(DenemeIsareti().toUtf8()), deneme);
        QVERIFY(svg.contains(QStringLiteral("F: en erken bitiş, %1 gün").arg(deneme ? 10 : 7).toUtf8()));
        QVERIFY(pencere->deneme()->uyari()->isVisible()); // writing a plan out leaves the trial as it was
    }

    // Qt's own dialogs during a trial: a choice under their fields names the plan written, the
    // trial first from the analysis window; the print preview's title follows it.
    void theDialogsSayWhichPlanTheyWrite()
    {
        QTemporaryDir hedef;
        MesajKaydi kutular;
        AlfaAnalizi a;
        AnalizPenceresi* pencere = a.pencere;
        QVERIFY(OneGetirVeBekle(pencere));
        pencere->deneme()->sure()->setText("9");
        pencere->deneme()->Dene();
        QStringList gorulen;
        QTimer bekci; // until each dialog shows
        connect(&bekci, &QTimer::timeout, [&] {
            QWidget* kutu = QApplication::activeModalWidget();
            QLabel* etiket = nullptr;
            for (QLabel* l : kutu ? kutu->findChildren<QLabel*>() : QList<QLabel*>())
                etiket = l->text() == "Yazılacak &plan:" ? l : etiket;
            if (!etiket)
                return;
            auto* secim = qobject_cast<QComboBox*>(etiket->buddy());
            gorulen << secim->currentText() + " | " + kutu->windowTitle();
            secim->setCurrentIndex(0);
            gorulen << kutu->windowTitle();
            if (auto* secici = qobject_cast<QFileDialog*>(kutu)) {
                secici->findChild<QLineEdit*>("fileNameEdit")->setText(hedef.filePath("g.svg"));
                secici->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
            }
            if (kutu->isVisible())
                static_cast<QDialog*>(kutu)->reject();
        });
        bekci.start(20);
        QTest::keyClick(pencere, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(OneGetirVeBekle(pencere));
        QTest::keyClick(pencere, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(gorulen, (QStringList{"Deneme – kaydedilmedi | Dışa Aktar", "Dışa Aktar",
                                       "Deneme – kaydedilmedi | Yazdır – ALFA – Deneme – kaydedilmedi", "Yazdır – ALFA"}));
        const QByteArray svg = Oku(hedef.filePath("g.svg"));
        QVERIFY(svg.contains("F: en erken bitiş, 7 gün") && !svg.contains(DenemeIsareti().toUtf8()));
        QCOMPARE(kutular.sayi(), 0);
    }

    void withNoProjectNothingIsAsked()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        Yanitlayan yanitlayan(vt.klasor() + "/x.csv", Bicim::Csv);
        MesajKaydi kutular;
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(yanitlayan.soruldu, 0);
        QCOMPARE(kutular.son().metin, QStringLiteral("Dışa aktarmak ya da yazdırmak için önce bir proje seçin."));
    }
};

QTEST_MAIN(ExportTest)
#include "tst_DisaAktarim.moc"
