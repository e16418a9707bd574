// The calendar window: what a change would do, said before it is applied, and applied as a
// command the main window, the analysis table and the Gantt chart follow, undo included.
#include "analysis/TakvimEtkisi.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/PlanYazisi.h"
#include "text/TakvimMetinleri.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/GanttAlani.h"
#include "ui/calendar/TakvimPenceresi.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace {

// "HerGun", "PazartesiCuma", "PazartesiCuma+arife", "PazartesiCuma+istisna" (a holiday in July).
ProjeTakvimi Takvim(const QString& tanim)
{
    ProjeTakvimi takvim;
    takvim.tur = tanim.startsWith("HerGun") ? TakvimTuru::HerGun : TakvimTuru::PazartesiCuma;
    takvim.arifelerTatil = tanim.endsWith("+arife");
    if (tanim.endsWith("+istisna"))
        takvim.istisnalar = {{QDate(2026, 7, 1), IstisnaTuru::Tatil, "Sayım"}};
    return takvim;
}

} // namespace

class CalendarWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // From Friday 22 May 2026, across the weekend and Kurban Bayramı (27–30 May); the arife (26 May) is worked.
    void previewSaysWhatMovesAndHowFar_data()
    {
        QTest::addColumn<QString>("eski");
        QTest::addColumn<QString>("yeni");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QDate>("baslama");
        QTest::addColumn<QString>("beklenen");
        const QString ikisi = "Takvim değişikliği 2 faaliyetin tarihini kaydırıyor; proje bitişi ";
        QTest::newRow("later") << "HerGun" << "PazartesiCuma" << "A:3: B:2:A" << QDate(2026, 5, 22)
                               << ikisi + "2 iş günü geç: 26.05.2026 → 2.06.2026";
        QTest::newRow("earlier, in the new calendar's days") << "PazartesiCuma" << "HerGun" << "A:3: B:2:A" << QDate(2026, 5, 22)
                                                             << ikisi + "7 iş günü erken: 2.06.2026 → 26.05.2026";
        QTest::newRow("the arife a holiday") << "PazartesiCuma" << "PazartesiCuma+arife" << "A:3: B:2:A" << QDate(2026, 5, 22)
                                             << ikisi + "1 iş günü geç: 2.06.2026 → 3.06.2026";
        QTest::newRow("off a weekend: calendar days") << "HerGun" << "PazartesiCuma" << "A:2:" << QDate(2026, 5, 22)
                                                      << "Takvim değişikliği 1 faaliyetin tarihini kaydırıyor; proje "
                                                         "bitişi 2 gün geç: 23.05.2026 → 25.05.2026";
        QTest::newRow("nothing moves") << "PazartesiCuma" << "PazartesiCuma+istisna" << "A:3: B:2:A" << QDate(2026, 5, 22)
                                       << "Takvim değişikliği hiçbir faaliyetin tarihini kaydırmıyor; proje bitişi "
                                          "değişmiyor: 2.06.2026";
        QTest::newRow("no start date") << "HerGun" << "PazartesiCuma" << "A:3:" << QDate()
                                       << "Projenin tarihleri hesaplanamıyor: takvim değişikliği yalnızca kaydedilir.";
    }
    void previewSaysWhatMovesAndHowFar()
    {
        QFETCH(QString, eski);
        QFETCH(QString, yeni);
        QFETCH(QString, plan);
        QFETCH(QDate, baslama);
        QFETCH(QString, beklenen);
        KayitliProje proje{"P", {baslama, baslama.isValid() ? std::optional<QDate>(baslama) : std::nullopt}, {}};
        proje.takvim = Takvim(eski);
        const AgAnalizi once = AnaliziHesapla(Faaliyetler(plan), proje);
        proje.takvim = Takvim(yeni);
        const AgAnalizi sonra = AnaliziHesapla(Faaliyetler(plan), proje);
        QCOMPARE(TakvimMetinleri::DegisiklikOnizlemesi(TakvimEtkisiniHesapla(once, sonra)), beklenen);
    }

    // Chosen by keyboard, "Türkiye, Pazartesi–Cuma" says what it moves, and applied moves B past the
    // bayram in the analysis table and the chart; the main window counts working days and says so.
    // Undo brings every date back, and the window shows the stored calendar again.
    void choosingACalendarMovesTheDatesAndUndoMovesThemBack()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("P", {2026, 5, 22}, {2026, 6, 5}, {{"A", "Kazı", 3, ""}, {"B", "Temel", 2, "A"}});
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "P");
        ana.AnalizPenceresiniAc();
        AnalizPenceresi* analiz = ana.AcikAnalizPenceresi();
        ana.TakvimPenceresiniAc();
        TakvimPenceresi* pencere = ana.AcikTakvimPenceresi();
        QVERIFY(pencere && OneGetirVeBekle(pencere));
        QCOMPARE(QAccessible::queryAccessibleInterface(pencere)->role(), QAccessible::Window);
        for (QWidget* alan : std::initializer_list<QWidget*>{pencere->turKutusu(), pencere->istisnalar(), pencere->tarihKutusu(),
                                                            pencere->istisnaTuruKutusu(), pencere->adKutusu(),
                                                            pencere->yilKutusu(), pencere->tatiller()})
            QVERIFY2(!ErisilebilirAd(alan).isEmpty(), qPrintable(alan->metaObject()->className()));
        const auto bitis = [&] { return analiz->tablo()->model()->index(1, 11).data().toString(); };
        const auto cubuk = [&] { return analiz->gantt()->Sec(1); };
        const QRectF once = cubuk();
        const QString baslik = ana.Cerceve->title();
        QCOMPARE(bitis(), "26.05.2026");
        QCOMPARE(ana.TahminiGunSayisiKutusu->text(), "14");

        pencere->turKutusu()->setFocus();
        QTest::keyClick(pencere->turKutusu(), Qt::Key_Down);
        QCOMPARE(pencere->duzenlenen().tur, TakvimTuru::PazartesiCuma);
        QCOMPARE(pencere->onizleme()->text(), "Takvim değişikliği 2 faaliyetin tarihini kaydırıyor; proje bitişi "
                                              "2 iş günü geç: 26.05.2026 → 2.06.2026");
        QTest::mouseClick(pencere->uygulaDugmesi(), Qt::LeftButton);
        QTRY_COMPARE(bitis(), "2.06.2026");
        QVERIFY(cubuk().left() > once.left() + 6 * analiz->gantt()->GunGenisligi());
        QCOMPARE(ana.TahminiGunSayisiKutusu->text(), "7");
        QCOMPARE(ana.Cerceve->title(), "Proje Bilgileri (iş günü: Türkiye, Pazartesi–Cuma) ");
        QVERIFY(!pencere->uygulaDugmesi()->isEnabled());

        ana.GeriAl();
        QTRY_COMPARE(bitis(), "26.05.2026");
        QCOMPARE(cubuk(), once);
        QCOMPARE(ana.TahminiGunSayisiKutusu->text(), "14");
        QCOMPARE(ana.Cerceve->title(), baslik);
        QCOMPARE(pencere->turKutusu()->currentText(), "Her gün");
        QCOMPARE(pencere->duzenlenen(), ProjeTakvimi());
        QCOMPARE(kayit.sayi(), 0);
    }

    // An edit not applied waits while another project is shown and comes back with its own;
    // once that project's calendar is changed elsewhere it is dropped, and the window says so.
    // Under the year list, the chosen year's source.
    void anEditWaitsForItsProject()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("P", {2026, 5, 22}, {2026, 6, 5}, {{"A", "Kazı", 3, ""}});
        vt.ProjeEkle("Q", {2026, 5, 22}, {2026, 6, 5}, {{"A", "Kazı", 3, ""}});
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "P");
        ana.TakvimPenceresiniAc();
        TakvimPenceresi* pencere = ana.AcikTakvimPenceresi();
        QVERIFY(pencere && OneGetirVeBekle(pencere));
        QVERIFY(pencere->kaynak()->text().startsWith("Kaynak: python-holidays"));
        pencere->yilKutusu()->setValue(2040);
        QCOMPARE(pencere->kaynak()->text(), "Kaynak: yok; 2040 yılının bayram tarihleri ayın ortalama hareketinden "
                                            "hesaplandı (tahmini).");
        pencere->turKutusu()->setFocus();
        QTest::keyClick(pencere->turKutusu(), Qt::Key_Down);
        ProjeyiSec(ana, "Q");
        QCOMPARE(pencere->duzenlenen(), ProjeTakvimi());
        ProjeyiSec(ana, "P");
        QCOMPARE(pencere->duzenlenen(), Takvim("PazartesiCuma"));
        QVERIFY(pencere->uygulaDugmesi()->isEnabled());

        ProjeyiSec(ana, "Q");
        QVERIFY(!ana.belge().Calistir(TakvimDegistirKomutu{"P", {}, Takvim("HerGun+istisna")}));
        ProjeyiSec(ana, "P");
        QCOMPARE(pencere->duzenlenen(), Takvim("HerGun+istisna"));
        QVERIFY(!pencere->uygulaDugmesi()->isEnabled());
        QVERIFY2(pencere->durum()->text().contains("Uygulanmamış takvim değişikliği atıldı"), qPrintable(pencere->durum()->text()));
        QCOMPARE(kayit.sayi(), 0);
    }

    // A date of a year whose bayram dates are estimated says so under a working-day calendar only.
    void anEstimatedYearsDateIsMarked()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("P", {2033, 3, 7}, {2033, 3, 31}, {{"A", "Kazı", 3, ""}});
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "P");
        ana.AnalizPenceresiniAc();
        const QAbstractItemModel* tablo = ana.AcikAnalizPenceresi()->tablo()->model();
        QCOMPARE(tablo->index(0, 10).data().toString(), "7.03.2033");
        QVERIFY(!tablo->index(0, 10).data(Qt::ToolTipRole).isValid());
        QVERIFY(!ana.belge().Calistir(TakvimDegistirKomutu{"P", {}, Takvim("PazartesiCuma")}));
        QTRY_COMPARE(tablo->index(0, 11).data().toString(), "9.03.2033 (tahmini)");
        QCOMPARE(tablo->index(0, 10).data(Qt::ToolTipRole).toString(), TakvimMetinleri::TahminiYilNotu(2033));
    }
};

QTEST_MAIN(CalendarWindowTest)
#include "tst_TakvimPenceresi.moc"
