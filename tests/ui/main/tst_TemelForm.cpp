// The main window: what it shows of a project, how a failed read leaves it, and its command buttons.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "store/ArizaNoktasi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/PlanDosyasi.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TekSurec.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The recent files go to a folder of the test's own, never to the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_ayarlar.path());
    }
    void init() { QLocale::setDefault(Turkce); }
    void cleanup() { PlanDosyasi::SorucuKur({}); }

    // "Aç…" moves the window to another file with its own list and undo history, and the recent
    // files take it back; a file another Kavrion holds, one that is no plan, or "Yeni…" on an
    // existing file is refused in a box and the file open stays open, as it was.
    void openMovesTheWindowWithItsListAndHistory()
    {
        GeciciVeritabani a, b;
        b.ProjeEkle("BETA");
        QTemporaryDir dizin;
        const QString bozuk = dizin.filePath("bozuk.mdb"), yeni = dizin.filePath("yeni"), tutulan = dizin.filePath("t.mdb");
        QVERIFY(QFile::copy(b.yol(), tutulan) && QFile::copy(QCoreApplication::applicationFilePath(), bozuk));
        const TekSurec baskasi(tutulan);
        MesajKaydi kayit;
        AnaPencere ana(a.depo());
        QVERIFY(!ana.belge().Calistir(ProjeEkleKomutu{{"ALFA", {2026, 3, 1}, {2026, 3, 9}}}));
        const QString geriAl = ana.geriAlEylemi()->text();
        QString secilen = b.yol();
        PlanDosyasi::SorucuKur([&](QWidget*, PlanDosyasi::Islem) { return std::optional(secilen); });
        const auto dosyada = [&](const QString& yol, const QStringList& projeler) {
            return ana.windowTitle().endsWith(" — " + yol) && ana.ProjeListesi->Metinler() == projeler;
        };

        ana.DosyaAc();
        QVERIFY(dosyada(b.yol(), {"BETA"}));
        QVERIFY(ana.geriAlEylemi()->text() != geriAl);
        for (const QString& reddedilen : {tutulan, bozuk, a.yol()}) {
            secilen = reddedilen;
            reddedilen == a.yol() ? ana.YeniDosya() : ana.DosyaAc();
            QVERIFY(dosyada(b.yol(), {"BETA"}));
        }
        QCOMPARE(kayit.metinler(), QStringList({"\"" + tutulan + "\" başka bir Kavrion penceresinde açık; o pencere öne getirildi.",
                                                "Hata 26: Dosya bir veritabanı değil.",
                                                "Hata 19: Bu adda bir dosya zaten var; üzerine yazılmaz."}));
        QCOMPARE(a.Satirlar().size(), 1);

        emit ana.sonDosyalarMenusu()->aboutToShow();
        QCOMPARE(ana.sonDosyalarMenusu()->actions().size(), 1); // b, open, is not listed
        ana.sonDosyalarMenusu()->actions().first()->trigger();
        QVERIFY(dosyada(a.yol(), {"ALFA"}));
        QCOMPARE(ana.geriAlEylemi()->text(), geriAl);

        secilen = yeni;
        ana.YeniDosya();
        QVERIFY(dosyada(yeni, {}));
        QCOMPARE(PlanDosyasi::SonDosyalar(), QStringList({yeni, a.yol(), b.yol()}));
        QCOMPARE(kayit.sayi(), 3);
    }

    // A selected project shows its schedule; one without activities leaves nothing of the one before.
    void selectionShowsTheProjectAndItsSchedule()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("ÖRNEK", {2026, 3, 1}, {2026, 3, 11},
                     {{"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}});
        vt.ProjeEkle("BOŞ");
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "ÖRNEK");
        QCOMPARE(ProjeAlanlari(ana), (QStringList{"1.03.2026", "11.03.2026", "10", "8", "5", "A,C,D"}));
        QCOMPARE(ListedekiSatirlar(ana).last(), QStringLiteral("D Teslim 1 B,C 7/8"));

        ProjeyiSec(ana, "BOŞ");
        QCOMPARE(ProjeAlanlari(ana), (QStringList{"1.03.2026", "11.03.2026", "10", "", "", ""}));
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);
        QCOMPARE(kayit.sayi(), 0);
    }

    // A failed read leaves nothing of the project shown before; with nothing to act on the commands ask
    // nothing, and a delete answered "No" ("Yes" is in tst_PencereArizalari): nothing written or changed.
    void commandsChangeNothingWithNothingToActOnOrANo_data()
    {
        QTest::addColumn<QStringList>("secilenler");
        QTest::addColumn<int>("ariza"); // the read of the last selection that fails, 0 for none
        QTest::addColumn<QStringList>("dugmeler");
        QTest::addColumn<QString>("soru");
        const QStringList satirlar{"FaaliyetDeğiştirDüğmesi", "SonFaaliyetiSilDüğmesi", "TümKayıtlarıSilDüğmesi"};
        const QStringList proje = satirlar + QStringList{"ProjeDeğiştirDüğmesi", "ProjeSilDüğmesi"};
        const QStringList tumu = proje + QStringList{"FaaliyetEkleDüğmesi"};
        QTest::newRow("nothing selected") << QStringList() << 0 << tumu << "";
        QTest::newRow("nothing selected after a reload") << QStringList{"BOŞ", ""} << 0 << tumu << "";
        QTest::newRow("a project without activities") << QStringList{"BOŞ"} << 0 << satirlar << "";
        QTest::newRow("the project's read failed") << QStringList{"ALFA", "BETA"} << 1 << proje << "";
        QTest::newRow("its activities' read failed") << QStringList{"ALFA", "BETA"} << 2 << proje << "";
        const QStringList alfa{"ALFA"};
        QTest::newRow("project delete") << alfa << 0 << QStringList{"ProjeSilDüğmesi"} << "Seçilen projeyi SİLMEK istiyor musunuz?";
        QTest::newRow("last delete") << alfa << 0 << QStringList{"SonFaaliyetiSilDüğmesi"} << "Son faaliyeti SİLMEK istiyor musunuz?";
        QTest::newRow("all delete") << alfa << 0 << QStringList{"TümKayıtlarıSilDüğmesi"} << "Tüm faaliyetleri SİLMEK istiyor musunuz?";
    }
    void commandsChangeNothingWithNothingToActOnOrANo()
    {
        QFETCH(QStringList, secilenler);
        QFETCH(int, ariza);
        QFETCH(QStringList, dugmeler);
        QFETCH(QString, soru);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        vt.ProjeEkle("BOŞ");
        const QStringList once = vt.Satirlar();
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        MesajKaydi kayit;
        kayit.Yanitla(QMessageBox::No);
        for (const QString& ad : secilenler) {
            if (ariza && ad == secilenler.last())
                ArizaNoktasi::Kur(ariza, DepoHatasi::yeni(DepoHatasi::Mesgul, QStringLiteral("Veritabanı kilitli.")));
            ad.isEmpty() ? ana.ProjeleriEkle() : ProjeyiSec(ana, ad);
        }
        ArizaNoktasi::Kaldir();
        if (ariza) {
            QCOMPARE(kayit.hatalar(), QStringList{"Hata 5: Veritabanı kilitli."});
            QCOMPARE(ana.SeciliProje(), QStringLiteral("BETA"));
            QCOMPARE(ProjeAlanlari(ana).join(QString()) + ListedekiSatirlar(ana).join(QString()), QString());
            kayit.Temizle();
        }
        const QStringList ekran = ProjeAlanlari(ana) + ListedekiSatirlar(ana) << ana.SeciliProje();
        for (const QString& dugme : dugmeler)
            QTest::mouseClick(ana.findChild<QPushButton*>(dugme), Qt::LeftButton);
        QVERIFY(!ana.AcikProjeDegistirFormu() && !ana.AcikFaaliyetEklemeFormu() && !ana.AcikFaaliyetDegistirmeFormu());
        QCOMPARE(kayit.sayi(), soru.isEmpty() ? 0 : 1);
        QCOMPARE(kayit.son().metin, soru);
        QCOMPARE(kayit.son().simge, soru.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Question);
        QCOMPARE(vt.Satirlar(), once);
        QCOMPARE(ProjeAlanlari(ana) + ListedekiSatirlar(ana) << ana.SeciliProje(), ekran);
    }

    // Rows another program wrote without our checks: shown as they are, the schedule's explanation
    // in the critical path box (whole in its tool tip), and no box.
    void foreignRowsAreShownAndExplained()
    {
        QTemporaryDir dizin;
        const QString yol = VeritabaniYolu(dizin.path());
        QVERIFY(DosyadaCalistir(yol, {
            "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)",
            "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)",
            "INSERT INTO ProjeTablosu VALUES (1, 'YABANCI', 'yarın', '2026-03-11')",
            "INSERT INTO FaaliyetlerTablosu VALUES (1, 'YABANCI', 'A', 'a', 3, ''), (2, 'YABANCI', 'B', 'b', 'abc', 'A')",
        }));
        const GeciciBaglanti baglanti(yol);
        QVERIFY(!baglanti.hata());
        MesajKaydi kayit;
        AnaPencere ana(baglanti.depo());
        ProjeyiSec(ana, "YABANCI");
        QVERIFY2(kayit.sayi() == 0, qPrintable(kayit.son().metin));
        const QString aciklama = "Hesaplanamıyor: B faaliyetinin süresi \"abc\" bir tam sayı değil.";
        QCOMPARE(ana.KritikYolKutusu->text(), aciklama);
        QCOMPARE(ana.KritikYolKutusu->toolTip(), aciklama);
        QCOMPARE(ProjeAlanlari(ana).first(), "yarın");
        QCOMPARE(ListedekiSatirlar(ana), (QStringList{"A a 3  0/3", "B b abc A 3/"}));
    }

    // Pressing a dialog's button again brings the same dialog back as it was; the window's exit takes them all.
    void dialogsAreSingleAndGoWithTheWindow()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        ProjeyiSec(ana, "ALFA");
        SatiriSec(ana, "B");
        ErisimTusu(&ana, Qt::Key_E);
        ProjeEklemeFormu* proje = ana.AcikProjeEklemeFormu();
        QVERIFY(proje && proje->isWindow() && proje->windowModality() == Qt::NonModal);
        QVERIFY(OneGetirVeBekle(proje));
        ErisimTusu(proje, Qt::Key_E);
        Yaz(proje->ProjeninAdiKutusu, "yarım");
        QVERIFY(OneGetirVeBekle(&ana));
        ErisimTusu(&ana, Qt::Key_E);
        QCOMPARE(ana.AcikProjeEklemeFormu(), proje);
        QVERIFY(proje->Giriliyor());
        QCOMPARE(proje->ProjeninAdiKutusu->text(), QStringLiteral("yarım"));

        QTest::mouseClick(ana.FaaliyetEkleDugmesi, Qt::LeftButton);
        FaaliyetEklemeFormu* faaliyet = ana.AcikFaaliyetEklemeFormu();
        QTest::mouseClick(faaliyet->EkleKaydetDugmesi, Qt::LeftButton);
        QTest::mouseClick(ana.FaaliyetEkleDugmesi, Qt::LeftButton);
        QCOMPARE(ana.AcikFaaliyetEklemeFormu(), faaliyet);
        QVERIFY(faaliyet->Giriliyor());

        QTest::mouseClick(ana.FaaliyetDegistirDugmesi, Qt::LeftButton);
        QTest::mouseClick(ana.ProjeDegistirDugmesi, Qt::LeftButton);
        const QList<QPointer<QWidget>> acik{proje, faaliyet, ana.AcikFaaliyetDegistirmeFormu(), ana.AcikProjeDegistirFormu()};
        QVERIFY(acik[2] && acik[3]);
        QTest::mouseClick(ana.CikisDugmesi, Qt::LeftButton);
        QVERIFY(!ana.isVisible());
        for (const QPointer<QWidget>& d : acik)
            QVERIFY(!d || !d->isVisible());
    }

private:
    QTemporaryDir m_ayarlar;
};

QTEST_MAIN(MainWindowTest)
#include "tst_TemelForm.moc"
