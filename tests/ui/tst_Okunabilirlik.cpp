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
#include "ui/server/SunucuyaBaglanFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

// The main window in front over ALFA, whose activities A to Z follow one another, and BETA.
struct Ortam {
    GeciciVeritabani vt;
    MesajKaydi kayit;
    std::unique_ptr<TemelForm> ana;
    explicit Ortam(bool betaDa = true)
    {
        QVector<Faaliyet> zincir;
        for (char k = 'A'; k <= 'Z'; ++k)
            zincir.append({QString(QLatin1Char(k)), "iş", 1, k > 'A' ? QString(QLatin1Char(k - 1)) : QString()});
        vt.ProjeEkle("ALFA", {2026, 3, 1}, {2026, 3, 11}, zincir);
        if (betaDa)
            vt.ProjeEkle("BETA");
        ana = std::make_unique<AnaPencere>(vt.depo());
        QVERIFY(OneGetirVeBekle(ana.get()));
    }
};

} // namespace

class ReadabilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }
    void lettersKeepTheirDotsAndBreves_data() { HarfCizimiSatirlari(); }
    void lettersKeepTheirDotsAndBreves() { HarfCiziminiDenetle(); }
    void windowsAreBuiltAtTheFontsScale_data() { PencereOlcusuSatirlari(); }
    void windowsAreBuiltAtTheFontsScale() { PencereOlcusunuDenetle(); }
    void windowsFitTheScreenAtEveryScale_data() { EkranSatirlari(); }
    void windowsFitTheScreenAtEveryScale() { EkranaSigmayiDenetle(); }

    // The first Down, Up or Home selects the first row and End the last, and shows it; a click on a blank keeps what is shown.
    void firstKeySelectsAndBlankClickKeeps_data()
    {
        QTest::addColumn<bool>("faaliyetler");
        QTest::addColumn<int>("tus");
        QTest::addColumn<bool>("betaDa");
        QTest::addColumn<QString>("secilen");
        QTest::newRow("projects, Down") << false << int(Qt::Key_Down) << true << "ALFA";
        QTest::newRow("projects, Up") << false << int(Qt::Key_Up) << true << "ALFA";
        QTest::newRow("projects, Home") << false << int(Qt::Key_Home) << true << "ALFA";
        QTest::newRow("projects, End") << false << int(Qt::Key_End) << true << "BETA";
        QTest::newRow("the only project, Down") << false << int(Qt::Key_Down) << false << "ALFA";
        QTest::newRow("activities, Up") << true << int(Qt::Key_Up) << false << "A";
        QTest::newRow("activities, Home") << true << int(Qt::Key_Home) << false << "A";
        QTest::newRow("activities, End") << true << int(Qt::Key_End) << false << "Z";
    }
    void firstKeySelectsAndBlankClickKeeps()
    {
        QFETCH(bool, faaliyetler);
        QFETCH(int, tus);
        QFETCH(bool, betaDa);
        QFETCH(QString, secilen);
        Ortam o(betaDa);
        if (faaliyetler)
            ProjeyiSec(*o.ana, "ALFA");
        QAbstractItemView* liste = faaliyetler ? static_cast<QAbstractItemView*>(o.ana->FaaliyetlerListesi)
                                               : o.ana->ProjeListesi;
        const auto ekran = [&] {
            const QModelIndexList secili = liste->selectionModel()->selectedRows();
            return QStringList(secili.size() == 1 ? secili.first().data().toString() : "-")
                   + ProjeAlanlari(*o.ana) + ListedekiSatirlar(*o.ana);
        };
        liste->setFocus(Qt::TabFocusReason);
        QTest::keyClick(liste, Qt::Key(tus));
        const QStringList gosterilen = ekran();
        QCOMPARE(gosterilen.mid(0, 2), QStringList({secilen, "1.03.2026"}));
        // A click on the blank below the last project; the full activity list has no blank.
        if (!faaliyetler) {
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(5, liste->viewport()->height() - 5));
            QCOMPARE(ekran(), gosterilen);
        }
    }

    // Without regional settings dates are Turkish: read in every short form, hinted in Turkish.
    void cLocaleReadsAndHintsTurkishDates()
    {
        QLocale::setDefault(BolgeselMetin::KullanilacakYerel(QLocale::c()));
        for (const char* metin : {"01.03.2026", "1.3.26", "2026-03-01"})
            QCOMPARE(BolgeselMetin::TarihOku(metin).value_or(QDate()), QDate(2026, 3, 1));
        Ortam o;
        ProjeyiSec(*o.ana, "ALFA");
        o.ana->ProjeEkleDugmesi->click();
        o.ana->ProjeDegistirDugmesi->click();
        for (const ProjeAlanDenetimleri* d :
             std::initializer_list<const ProjeAlanDenetimleri*>{o.ana->AcikProjeEklemeFormu(), o.ana->AcikProjeDegistirFormu()})
            QCOMPARE(d->BaslamaTarihiKutusu->placeholderText() + d->BitisTarihiKutusu->placeholderText(), "gg.aa.yyyygg.aa.yyyy");
    }

    // In each window Tab goes round the controls in the order written here, past what is no tab stop
    // and what is disabled (an add dialog's fields until an entry is started), each named as a screen
    // reader names it. Written out, not read from the layouts, so that a layout in the wrong order fails.
    void tabGoesRoundInTheWindowsOrder_data()
    {
        QTest::addColumn<int>("pencere");
        QTest::addColumn<QStringList>("sira");
        const QStringList proje{"Projenin Adı", "Tahmini Başlama Tarihi", "Tahmini Bitiş Tarihi"};
        const QStringList faaliyet{"Faaliyet Adı", "Öngörülen Süre", "Önceki Faaliyet(ler)", "Bağ Türü",
                                   "Gecikme (iş günü)", "Ekle", "Sil"};
        QTest::newRow("main window") << 0 << QStringList{"Projeler", "Proje Ekle", "Proje Değiştir", "Proje Sil",
                                                         "Faaliyetler", "Yeni Faaliyet Ekle", "Faaliyet Değiştir",
                                                         "Son Faaliyeti Sil", "Tüm Faaliyetleri Sil", "Çıkış (Esc)"};
        QTest::newRow("project add") << 1 << proje + QStringList{"Kaydet", "Vazgeç"};
        QTest::newRow("project change") << 2 << proje + QStringList{"Kaydet", "Vazgeç"};
        QTest::newRow("activity add") << 3 << faaliyet + QStringList{"Kaydet", "Vazgeç"};
        QTest::newRow("activity change") << 4 << faaliyet + QStringList{"Kaydet", "Vazgeç"};
        QTest::newRow("server") << 5 << QStringList{"Sunucu", "Port", "Veritabanı", "Kullanıcı", "TLS kipi", "Bağlan", "Vazgeç"};
    }
    void tabGoesRoundInTheWindowsOrder()
    {
        QFETCH(int, pencere);
        QFETCH(QStringList, sira);
        Ortam o;
        TemelForm& ana = *o.ana;
        ProjeyiSec(ana, "ALFA");
        SatiriSec(ana, "A");
        QPushButton* const acanlar[] = {nullptr, ana.ProjeEkleDugmesi, ana.ProjeDegistirDugmesi, ana.FaaliyetEkleDugmesi,
                                        ana.FaaliyetDegistirDugmesi, nullptr};
        if (acanlar[pencere])
            acanlar[pencere]->click();
        else if (pencere > 0)
            ana.SunucuyaBaglan();
        QWidget* const pencereler[] = {&ana, ana.AcikProjeEklemeFormu(), ana.AcikProjeDegistirFormu(),
                                       ana.AcikFaaliyetEklemeFormu(), ana.AcikFaaliyetDegistirmeFormu(),
                                       ana.AcikSunucuyaBaglanFormu()};
        QWidget* w = pencereler[pencere];
        if (auto* ekle = w->findChild<QPushButton*>("EkleKaydetDüğmesi"))
            ekle->click(); // an add dialog's fields take the keyboard once an entry is started
        QVERIFY(w && OneGetirVeBekle(w));
        for (QWidget* denetim : w->findChildren<QWidget*>()) {
            if (denetim->focusPolicy() & Qt::TabFocus && denetim->isEnabled() && ErisilebilirAd(denetim) == sira.last())
                denetim->setFocus(Qt::TabFocusReason);
        }
        QCOMPARE(SekmeyleGez(int(sira.size())), sira);
    }

    // Ctrl+W closes each dialog and Esc ends the window; a screen reader hears every field by name, the
    // main window as a window and each dialog as a dialog.
    void keyboardAndScreenReaderReachEverything()
    {
        Ortam o;
        TemelForm& ana = *o.ana;
        QCOMPARE(ana.ProjeListesi->accessibleName() + ana.FaaliyetlerListesi->accessibleName(), "ProjelerFaaliyetler");
        for (QLineEdit* alan : ana.findChildren<QLineEdit*>())
            QVERIFY2(alan->isReadOnly() && !alan->accessibleName().isEmpty(), qPrintable(alan->objectName()));
        ProjeyiSec(ana, "ALFA");
        SatiriSec(ana, "A");
        for (QPushButton* d : {ana.ProjeEkleDugmesi, ana.ProjeDegistirDugmesi, ana.FaaliyetEkleDugmesi, ana.FaaliyetDegistirDugmesi})
            d->click();
        ana.SunucuyaBaglan();
        for (QWidget* pencere : std::initializer_list<QWidget*>{&ana, ana.AcikProjeEklemeFormu(), ana.AcikProjeDegistirFormu(),
                                                               ana.AcikFaaliyetEklemeFormu(), ana.AcikFaaliyetDegistirmeFormu(),
                                                               ana.AcikSunucuyaBaglanFormu()}) {
            QAccessibleInterface* arayuz = QAccessible::queryAccessibleInterface(pencere);
            QCOMPARE(arayuz->role(), pencere == &ana ? QAccessible::Window : QAccessible::Dialog);
            QCOMPARE(arayuz->text(QAccessible::Name), pencere->windowTitle());
            if (pencere != &ana) {
                QVERIFY(OneGetirVeBekle(pencere));
                QTest::keyClick(pencere, Qt::Key_W, Qt::ControlModifier);
                QVERIFY2(!pencere->isVisible(), qPrintable(pencere->windowTitle()));
            }
        }
        QVERIFY(OneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_Escape);
        QVERIFY(!ana.isVisible());
    }

    // Pressed through the accessibility interface, with the focus left in a field, the field's rule
    // runs before the save; the button is read out with its access key as its caption says.
    void accessiblePressRunsTheFocusedFieldsRule_data()
    {
        QTest::addColumn<bool>("adSonda");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QString>("kutu");
        QTest::newRow("name in focus") << true << "11.03.2026" << "";
        QTest::newRow("end before the start in focus") << false << "1.02.2026" << "İki tarih arasında en az BİR GÜN olmalıdır.";
    }
    void accessiblePressRunsTheFocusedFieldsRule()
    {
        QFETCH(bool, adSonda);
        QFETCH(QString, bitis);
        QFETCH(QString, kutu);
        Ortam o;
        ProjeEklemeFormu* d = DiyaloguAc(*o.ana, o.ana->ProjeEkleDugmesi, &TemelForm::AcikProjeEklemeFormu);
        QVERIFY(d);
        QAccessibleInterface* dugme = QAccessible::queryAccessibleInterface(d->EkleKaydetDugmesi);
        const QString basma = QAccessibleActionInterface::pressAction();
        const auto okunan = [&] {
            return dugme->text(QAccessible::Name) + '|' + dugme->actionInterface()->keyBindingsForAction(basma).join(',');
        };
        const auto bas = [&] {
            dugme->actionInterface()->doAction(basma);
            QTRY_VERIFY_WITH_TIMEOUT(!d->EkleKaydetDugmesi->isDown(), 30000);
        };
        QCOMPARE(okunan(), "Proje Ekle|Alt+E");
        bas();
        QCOMPARE(okunan(), "Kaydet|");
        if (!adSonda)
            Yaz(d->ProjeninAdiKutusu, "bina");
        Yaz(d->BaslamaTarihiKutusu, "1.03.2026");
        Yaz(d->BitisTarihiKutusu, bitis);
        if (adSonda)
            Yaz(d->ProjeninAdiKutusu, "bina");
        QCOMPARE(Odak(), adSonda ? d->ProjeninAdiKutusu : d->BitisTarihiKutusu);
        const QStringList once = o.vt.Satirlar();
        bas();
        QCOMPARE(o.kayit.son().metin, kutu);
        QCOMPARE(o.vt.Satirlar().size() - once.size(), kutu.isEmpty() ? 1 : 0);
        QCOMPARE(o.ana->ProjeListesi->Bul("BİNA") >= 0, kutu.isEmpty());
        QCOMPARE(okunan(), kutu.isEmpty() ? "Proje Ekle|Alt+E" : "Kaydet|");
    }

    // A critical path longer than its box shows its start, whole in a tool tip that goes with it.
    void longCriticalPathShowsItsStartAndAToolTip()
    {
        Ortam o;
        QLineEdit* kutu = o.ana->KritikYolKutusu;
        ProjeyiSec(*o.ana, "ALFA");
        QVERIFY(kutu->fontMetrics().horizontalAdvance(kutu->text()) > kutu->width());
        QCOMPARE(kutu->toolTip(), kutu->text());
        QCOMPARE(kutu->cursorPosition(), 0);
        ProjeyiSec(*o.ana, "BETA");
        QCOMPARE(kutu->text() + kutu->toolTip(), "");
    }

    // A refused change says why in Turkish only, the engine's words kept for the details; nothing is written.
    void refusedChangeSaysWhyInTurkish_data()
    {
        QTest::addColumn<bool>("silindi");
        QTest::addColumn<QString>("kutu");
        QTest::addColumn<QString>("ayrinti");
        QTest::newRow("name taken") << false << "Hata 19: Bu adla kayıtlı bir proje zaten var. Başka bir ad girin." << "UNIQUE constraint failed";
        QTest::newRow("deleted in the main window")
            << true << "Hata 12: \"BETA\" projesi ana pencerede silindi; değişiklik kaydedilemez." << "";
    }
    void refusedChangeSaysWhyInTurkish()
    {
        QFETCH(bool, silindi);
        QFETCH(QString, kutu);
        QFETCH(QString, ayrinti);
        Ortam o;
        ProjeyiSec(*o.ana, "BETA");
        ProjeDegistirFormu* d = DiyaloguAc(*o.ana, o.ana->ProjeDegistirDugmesi, &TemelForm::AcikProjeDegistirFormu);
        QVERIFY(d);
        if (silindi)
            o.ana->ProjeSilDugmesi->click();
        else
            Yaz(d->ProjeninAdiKutusu, "alfa");
        o.kayit.Temizle();
        const QStringList once = o.vt.Satirlar();
        QTest::mouseClick(d->KaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.hatalar(), QStringList{kutu});
        QVERIFY2(o.kayit.son().ayrinti.contains(ayrinti), qPrintable(o.kayit.son().ayrinti));
        QCOMPARE(o.vt.Satirlar(), once);
    }
};

QTEST_MAIN(ReadabilityTest)
#include "tst_Okunabilirlik.moc"
