// What makes the windows readable and usable by anyone, by keyboard and screen reader too.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereCizim.h"
#include "destek/PencereMesajKaydi.h"
#include "rules/BolgeselMetin.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

// The main window in front over ALFA, whose activities A to Z follow one another, and BETA.
struct Ortam {
    GeçiciVeritabanı vt;
    MesajKaydı kayıt;
    std::unique_ptr<TemelForm> ana;
    explicit Ortam(bool betaDa = true)
    {
        QVector<Faaliyet> zincir;
        for (char k = 'A'; k <= 'Z'; ++k)
            zincir.append({QString(QLatin1Char(k)), "iş", 1, k > 'A' ? QString(QLatin1Char(k - 1)) : QString()});
        vt.ProjeEkle("ALFA", {2026, 3, 1}, {2026, 3, 11}, zincir);
        if (betaDa)
            vt.ProjeEkle("BETA");
        ana = std::make_unique<TemelForm>(vt.depo());
        QVERIFY(ÖneGetirVeBekle(ana.get()));
    }
};

} // namespace

class ReadabilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }
    void lettersKeepTheirDotsAndBreves_data() { HarfÇizimiSatırları(); }
    void lettersKeepTheirDotsAndBreves() { HarfÇiziminiDenetle(); }
    void windowsAreBuiltAtTheFontsScale_data() { PencereÖlçüsüSatırları(); }
    void windowsAreBuiltAtTheFontsScale() { PencereÖlçüsünüDenetle(); }

    // The first Down or Up selects the first row and shows it; a click on a blank keeps what is shown.
    void firstKeySelectsAndBlankClickKeeps_data()
    {
        QTest::addColumn<bool>("faaliyetler");
        QTest::addColumn<int>("tuş");
        QTest::addColumn<bool>("betaDa");
        QTest::newRow("projects, Down") << false << int(Qt::Key_Down) << true;
        QTest::newRow("projects, Up") << false << int(Qt::Key_Up) << true;
        QTest::newRow("the only project, Down") << false << int(Qt::Key_Down) << false;
        QTest::newRow("activities, Up") << true << int(Qt::Key_Up) << false;
    }
    void firstKeySelectsAndBlankClickKeeps()
    {
        QFETCH(bool, faaliyetler);
        QFETCH(int, tuş);
        QFETCH(bool, betaDa);
        Ortam o(betaDa);
        if (faaliyetler)
            ProjeyiSeç(*o.ana, "ALFA");
        QAbstractItemView* liste = faaliyetler ? static_cast<QAbstractItemView*>(o.ana->FaaliyetlerListesi)
                                               : o.ana->ProjeListesi;
        const auto ekran = [&] {
            const QModelIndexList seçili = liste->selectionModel()->selectedRows();
            return QStringList(seçili.size() == 1 ? seçili.first().data().toString() : "-")
                   + ProjeAlanları(*o.ana) + ListedekiSatırlar(*o.ana);
        };
        liste->setFocus(Qt::TabFocusReason);
        QTest::keyClick(liste, Qt::Key(tuş));
        const QStringList gösterilen = ekran();
        QCOMPARE(gösterilen.mid(0, 2), QStringList({faaliyetler ? "A" : "ALFA", "1.03.2026"}));
        // Blank: below the last project, or right of the last column beside a full activity list.
        const QSize alan = liste->viewport()->size();
        const QPoint boş = faaliyetler ? QPoint(alan.width() - 3, 5) : QPoint(5, alan.height() - 5);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, boş);
        QCOMPARE(ekran(), gösterilen);
    }

    // Without regional settings dates are Turkish: read in every short form, hinted in Turkish.
    void cLocaleReadsAndHintsTurkishDates()
    {
        QLocale::setDefault(BölgeselMetin::KullanılacakYerel(QLocale::c()));
        for (const char* metin : {"01.03.2026", "1.3.26", "2026-03-01"})
            QCOMPARE(BölgeselMetin::TarihOku(metin).value_or(QDate()), QDate(2026, 3, 1));
        Ortam o;
        ProjeyiSeç(*o.ana, "ALFA");
        o.ana->ProjeEkleDüğmesi->click();
        o.ana->ProjeDeğiştirDüğmesi->click();
        for (const ProjeAlanDenetimleri* d :
             std::initializer_list<const ProjeAlanDenetimleri*>{o.ana->AçıkProjeEklemeFormu(), o.ana->AçıkProjeDeğiştirFormu()})
            QCOMPARE(d->BaşlamaTarihiKutusu->placeholderText() + d->BitişTarihiKutusu->placeholderText(), "gg.aa.yyyygg.aa.yyyy");
    }

    // Tab reaches every button and both lists, never a read-only box, and Esc ends the window; a screen
    // reader hears every field by name, the main window as a window and each dialog as a dialog.
    void keyboardAndScreenReaderReachEverything()
    {
        Ortam o;
        TemelForm& ana = *o.ana;
        ana.ProjeListesi->setFocus();
        const QStringList gezilen = SekmeyleGez(10);
        QCOMPARE(gezilen.last(), "ProjeListesi");
        QCOMPARE(gezilen.filter("Düğmesi").size(), 8);
        QVERIFY(gezilen.contains("FaaliyetlerListesi"));
        QCOMPARE(ana.ProjeListesi->accessibleName() + ana.FaaliyetlerListesi->accessibleName(), "ProjelerFaaliyetler");
        for (QLineEdit* alan : ana.findChildren<QLineEdit*>())
            QVERIFY2(alan->isReadOnly() && !alan->accessibleName().isEmpty(), qPrintable(alan->objectName()));
        ProjeyiSeç(ana, "ALFA");
        SatırıSeç(ana, "A");
        for (QPushButton* d : {ana.ProjeEkleDüğmesi, ana.ProjeDeğiştirDüğmesi, ana.FaaliyetEkleDüğmesi, ana.FaaliyetDeğiştirDüğmesi})
            d->click();
        for (QWidget* pencere : std::initializer_list<QWidget*>{&ana, ana.AçıkProjeEklemeFormu(), ana.AçıkProjeDeğiştirFormu(),
                                                               ana.AçıkFaaliyetEklemeFormu(), ana.AçıkFaaliyetDeğiştirmeFormu()}) {
            QAccessibleInterface* arayüz = QAccessible::queryAccessibleInterface(pencere);
            QCOMPARE(arayüz->role(), pencere == &ana ? QAccessible::Window : QAccessible::Dialog);
            QCOMPARE(arayüz->text(QAccessible::Name), pencere->windowTitle());
        }
        QVERIFY(ÖneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_Escape);
        QVERIFY(!ana.isVisible());
    }

    // Pressed through the accessibility interface, with the focus left in a field, the field's rule
    // runs before the save; the button is read out with its access key as its caption says.
    void accessiblePressRunsTheFocusedFieldsRule_data()
    {
        QTest::addColumn<bool>("adSonda");
        QTest::addColumn<QString>("bitiş");
        QTest::addColumn<QString>("kutu");
        QTest::newRow("name in focus") << true << "11.03.2026" << "";
        QTest::newRow("end before the start in focus") << false << "1.02.2026" << "İki tarih arasında en az BİR GÜN olmalıdır.";
    }
    void accessiblePressRunsTheFocusedFieldsRule()
    {
        QFETCH(bool, adSonda);
        QFETCH(QString, bitiş);
        QFETCH(QString, kutu);
        Ortam o;
        ProjeEklemeFormu* d = DiyaloğuAç(*o.ana, o.ana->ProjeEkleDüğmesi, &TemelForm::AçıkProjeEklemeFormu);
        QVERIFY(d);
        QAccessibleInterface* düğme = QAccessible::queryAccessibleInterface(d->EkleKaydetDüğmesi);
        const QString basma = QAccessibleActionInterface::pressAction();
        const auto okunan = [&] {
            return düğme->text(QAccessible::Name) + '|' + düğme->actionInterface()->keyBindingsForAction(basma).join(',');
        };
        const auto bas = [&] {
            düğme->actionInterface()->doAction(basma);
            QTRY_VERIFY(!d->EkleKaydetDüğmesi->isDown());
        };
        QCOMPARE(okunan(), "Proje Ekle|Alt+E");
        bas();
        QCOMPARE(okunan(), "Kaydet|");
        if (!adSonda)
            Yaz(d->ProjeninAdıKutusu, "bina");
        Yaz(d->BaşlamaTarihiKutusu, "1.03.2026");
        Yaz(d->BitişTarihiKutusu, bitiş);
        if (adSonda)
            Yaz(d->ProjeninAdıKutusu, "bina");
        QCOMPARE(Odak(), adSonda ? d->ProjeninAdıKutusu : d->BitişTarihiKutusu);
        const QStringList önce = o.vt.Satırlar();
        bas();
        QCOMPARE(o.kayıt.son().metin, kutu);
        QCOMPARE(o.vt.Satırlar().size() - önce.size(), kutu.isEmpty() ? 1 : 0);
        QCOMPARE(o.ana->ProjeListesi->Bul("BİNA") >= 0, kutu.isEmpty());
        QCOMPARE(okunan(), kutu.isEmpty() ? "Proje Ekle|Alt+E" : "Kaydet|");
    }

    // A critical path longer than its box shows its start, whole in a tool tip that goes with it.
    void longCriticalPathShowsItsStartAndAToolTip()
    {
        Ortam o;
        QLineEdit* kutu = o.ana->KritikYolKutusu;
        ProjeyiSeç(*o.ana, "ALFA");
        QVERIFY(kutu->fontMetrics().horizontalAdvance(kutu->text()) > kutu->width());
        QCOMPARE(kutu->toolTip(), kutu->text());
        QCOMPARE(kutu->cursorPosition(), 0);
        ProjeyiSeç(*o.ana, "BETA");
        QCOMPARE(kutu->text() + kutu->toolTip(), "");
    }

    // A refused change says why in Turkish only, the engine's words kept for the details; nothing is written.
    void refusedChangeSaysWhyInTurkish_data()
    {
        QTest::addColumn<bool>("silindi");
        QTest::addColumn<QString>("kutu");
        QTest::addColumn<QString>("ayrıntı");
        QTest::newRow("name taken") << false << "Hata 19: Bu adla kayıtlı bir proje zaten var. Başka bir ad girin." << "UNIQUE constraint failed";
        QTest::newRow("deleted in the main window")
            << true << "Hata 12: \"BETA\" projesi ana pencerede silindi; değişiklik kaydedilemez." << "";
    }
    void refusedChangeSaysWhyInTurkish()
    {
        QFETCH(bool, silindi);
        QFETCH(QString, kutu);
        QFETCH(QString, ayrıntı);
        Ortam o;
        ProjeyiSeç(*o.ana, "BETA");
        ProjeDeğiştirFormu* d = DiyaloğuAç(*o.ana, o.ana->ProjeDeğiştirDüğmesi, &TemelForm::AçıkProjeDeğiştirFormu);
        QVERIFY(d);
        if (silindi)
            o.ana->ProjeSilDüğmesi->click();
        else
            Yaz(d->ProjeninAdıKutusu, "alfa");
        o.kayıt.Temizle();
        const QStringList önce = o.vt.Satırlar();
        QTest::mouseClick(d->KaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.hatalar(), QStringList{kutu});
        QVERIFY2(o.kayıt.son().ayrıntı.contains(ayrıntı), qPrintable(o.kayıt.son().ayrıntı));
        QCOMPARE(o.vt.Satırlar(), önce);
    }
};

QTEST_MAIN(ReadabilityTest)
#include "tst_Okunabilirlik.moc"
