// The main window: what it shows of a project, how a failed read leaves it, and its
// eight command buttons (the deletes ask first, a command with nothing to act on does
// nothing, each dialog is single and goes with the window).
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "store/ArizaNoktasi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// P with activities added as A, C, B (the last by code is C), and Q with one.
void ProjelerEkle(const GeçiciVeritabanı& vt)
{
    vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, {{"A", "a", 1, ""}, {"C", "c", 1, "A"}, {"B", "b", 1, "A"}});
    vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "q", 1, ""}});
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // Selecting by keyboard shows the project with its schedule; a project without
    // activities leaves no result of the one before.
    void selectionShowsTheProjectAndItsSchedule()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("ÖRNEK", {2026, 3, 1}, {2026, 3, 11},
                     {{"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}});
        vt.ProjeEkle("BOŞ");
        MesajKaydı kayıt;
        TemelForm ana(vt.depo());
        QVERIFY(ana.SeçiliProje().isEmpty());
        QVERIFY(ÖneGetirVeBekle(&ana));
        ana.ProjeListesi->setFocus();
        QTest::keyClick(ana.ProjeListesi, Qt::Key_Down);
        if (ana.SeçiliProje().isEmpty())
            QTest::keyClick(ana.ProjeListesi, Qt::Key_Space);
        QCOMPARE(ProjeAlanları(ana), (QStringList{"1.03.2026", "11.03.2026", "10", "8", "5", "A,C,D"}));
        QCOMPARE(ListedekiSatırlar(ana).last(), QStringLiteral("D Teslim 1 B,C 7/8"));

        ProjeyiSeç(ana, "BOŞ");
        QCOMPARE(ProjeAlanları(ana), (QStringList{"1.03.2026", "11.03.2026", "10", "", "", ""}));
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);
        QCOMPARE(kayıt.sayı(), 0);
    }

    // A project whose reading fails shows nothing of the project shown before, and the
    // commands that fill a dialog from the window have nothing to fill it with.
    void failedReadLeavesNothingOfAnotherProject_data()
    {
        QTest::addColumn<int>("sıra");
        QTest::newRow("the project") << 1;
        QTest::newRow("its activities") << 2;
    }
    void failedReadLeavesNothingOfAnotherProject()
    {
        QFETCH(int, sıra);
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        MesajKaydı kayıt;
        ProjeyiSeç(ana, "ALFA");
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 3);

        ArizaNoktasi::Kur(sıra, DepoHatası::yeni(DepoHatası::Meşgul, QStringLiteral("Veritabanı kilitli.")));
        ProjeyiSeç(ana, "BETA");
        ArizaNoktasi::Kaldır();
        QCOMPARE(kayıt.hatalar(), QStringList{"Hata 5: Veritabanı kilitli."});
        QCOMPARE(ana.SeçiliProje(), QStringLiteral("BETA"));
        QCOMPARE(ProjeAlanları(ana).join(QString()), QString());
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);

        // Every command on the project or its rows: nothing opens, asks or is written.
        kayıt.Temizle();
        for (QPushButton* düğme : {ana.ProjeDeğiştirDüğmesi, ana.FaaliyetDeğiştirDüğmesi, ana.ProjeSilDüğmesi,
                                       ana.SonFaaliyetiSilDüğmesi, ana.TümKayıtlarıSilDüğmesi})
            QTest::mouseClick(düğme, Qt::LeftButton);
        QVERIFY(!ana.AçıkProjeDeğiştirFormu());
        QVERIFY(!ana.AçıkFaaliyetDeğiştirmeFormu());
        QCOMPARE(kayıt.sayı(), 0);
        QCOMPARE(vt.Satırlar(), önce);
    }

    // Rows another program wrote without our checks: shown as they are, the schedule
    // explained in the critical path box (whole in its tool tip), and no box. Each
    // explanation is the schedule's; here one shows that it reaches the window.
    void foreignRowsAreShownAndExplained()
    {
        QTemporaryDir dizin;
        const QString yol = VeritabanıYolu(dizin.path());
        QVERIFY(DosyadaÇalıştır(yol, {
            "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)",
            "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)",
            "INSERT INTO ProjeTablosu VALUES (1, 'YABANCI', 'yarın', '2026-03-11')",
            "INSERT INTO FaaliyetlerTablosu VALUES (1, 'YABANCI', 'A', 'a', 3, ''), (2, 'YABANCI', 'B', 'b', 'abc', 'A')",
        }));
        const GeçiciBağlantı bağlantı(yol);
        QVERIFY(!bağlantı.hata());
        MesajKaydı kayıt;
        TemelForm ana(bağlantı.depo());
        ProjeyiSeç(ana, "YABANCI");
        QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
        const QString açıklama = "Hesaplanamıyor: B faaliyetinin süresi \"abc\" bir tam sayı değil.";
        QCOMPARE(ana.KritikYolKutusu->text(), açıklama);
        QCOMPARE(ana.KritikYolKutusu->toolTip(), açıklama);
        QCOMPARE(ProjeAlanları(ana).first(), "yarın");
        QCOMPARE(ListedekiSatırlar(ana), (QStringList{"A a 3  0/3", "B b abc A 3/"}));
    }

    // By keyboard alone: Tab reaches every button and both lists, never a read-only
    // box; every field has a name for assistive tools; Esc ends the window.
    void keyboardAndAssistiveTools()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        ana.ProjeListesi->setFocus();
        const QStringList gezilen = SekmeyleGez(10);
        QCOMPARE(gezilen.last(), "ProjeListesi");
        QCOMPARE(gezilen.filter("Düğmesi").size(), 8);
        QVERIFY(gezilen.contains("FaaliyetlerListesi"));
        QCOMPARE(ana.ProjeListesi->accessibleName(), "Projeler");
        QCOMPARE(ana.FaaliyetlerListesi->accessibleName(), "Faaliyetler");
        for (QLineEdit* alan : ana.findChildren<QLineEdit*>())
            QVERIFY2(alan->isReadOnly() && !alan->accessibleName().isEmpty(), qPrintable(alan->objectName()));
        QTest::keyClick(&ana, Qt::Key_Escape);
        QVERIFY(!ana.isVisible());
    }

    // Each delete asks first; "No" writes nothing. What "Yes" does is in
    // tst_PencereArizalari, through the same buttons.
    void deletesAskFirst_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<QString>("soru");
        QTest::newRow("project") << "ProjeSilDüğmesi" << "Seçilen projeyi SİLMEK istiyor musunuz?";
        QTest::newRow("last") << "SonFaaliyetiSilDüğmesi" << "Son faaliyeti SİLMEK istiyor musunuz?";
        QTest::newRow("all") << "TümKayıtlarıSilDüğmesi" << "Tüm faaliyetleri SİLMEK istiyor musunuz?";
    }
    void deletesAskFirst()
    {
        QFETCH(QString, düğme);
        GeçiciVeritabanı vt;
        ProjelerEkle(vt);
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        kayıt.Yanıtla(QMessageBox::No);
        ProjeyiSeç(ana, "P");
        QTest::mouseClick(ana.findChild<QPushButton*>(düğme), Qt::LeftButton);
        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().başlık, QStringLiteral("Kavrion"));
        QCOMPARE(kayıt.son().simge, QMessageBox::Question);
        QTEST(kayıt.son().metin, "soru");
        QCOMPARE(vt.Satırlar(), önce);
        QCOMPARE(ana.SeçiliProje(), QStringLiteral("P"));
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 3);
    }

    // Nothing selected, or a project without activities: the commands on a project or
    // its rows do nothing and show nothing.
    void nothingToActOn()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("BOŞ");
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        for (const bool seçili : {false, true}) {
            if (seçili)
                ProjeyiSeç(ana, "BOŞ");
            for (QPushButton* düğme : {ana.FaaliyetDeğiştirDüğmesi, ana.SonFaaliyetiSilDüğmesi,
                                      ana.TümKayıtlarıSilDüğmesi})
                QTest::mouseClick(düğme, Qt::LeftButton);
        }
        ana.ProjeleriEkle();
        for (QPushButton* düğme : {ana.ProjeDeğiştirDüğmesi, ana.ProjeSilDüğmesi, ana.FaaliyetEkleDüğmesi})
            QTest::mouseClick(düğme, Qt::LeftButton);
        QCOMPARE(kayıt.sayı(), 0);
        QVERIFY(!ana.AçıkProjeDeğiştirFormu() && !ana.AçıkFaaliyetEklemeFormu() && !ana.AçıkFaaliyetDeğiştirmeFormu());
        QCOMPARE(vt.Satırlar(), önce);
    }

    // Pressing a dialog's button again brings the same dialog back as it was; closing
    // the main window takes every dialog with it.
    void dialogsAreSingleAndGoWithTheWindow()
    {
        GeçiciVeritabanı vt;
        ProjelerEkle(vt);
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        ProjeyiSeç(ana, "P");
        SatırıSeç(ana, "B");
        ErişimTuşu(&ana, Qt::Key_E);
        ProjeEklemeFormu* proje = ana.AçıkProjeEklemeFormu();
        QVERIFY(proje && proje->isWindow() && proje->windowModality() == Qt::NonModal);
        QVERIFY(ÖneGetirVeBekle(proje));
        ErişimTuşu(proje, Qt::Key_E);
        Yaz(proje->ProjeninAdıKutusu, "yarım");
        QVERIFY(ÖneGetirVeBekle(&ana));
        ErişimTuşu(&ana, Qt::Key_E);
        QCOMPARE(ana.AçıkProjeEklemeFormu(), proje);
        QVERIFY(proje->Giriliyor());
        QCOMPARE(proje->ProjeninAdıKutusu->text(), QStringLiteral("yarım"));

        QTest::mouseClick(ana.FaaliyetEkleDüğmesi, Qt::LeftButton);
        FaaliyetEklemeFormu* faaliyet = ana.AçıkFaaliyetEklemeFormu();
        QTest::mouseClick(faaliyet->EkleKaydetDüğmesi, Qt::LeftButton);
        QTest::mouseClick(ana.FaaliyetEkleDüğmesi, Qt::LeftButton);
        QCOMPARE(ana.AçıkFaaliyetEklemeFormu(), faaliyet);
        QVERIFY(faaliyet->Giriliyor());

        QTest::mouseClick(ana.FaaliyetDeğiştirDüğmesi, Qt::LeftButton);
        FaaliyetDeğiştirmeFormu* değiştirme = ana.AçıkFaaliyetDeğiştirmeFormu();
        QTest::mouseClick(ana.ProjeDeğiştirDüğmesi, Qt::LeftButton);
        ProjeDeğiştirFormu* projeDeğiştir = ana.AçıkProjeDeğiştirFormu();
        QVERIFY(değiştirme && projeDeğiştir);

        QTest::mouseClick(ana.ÇıkışDüğmesi, Qt::LeftButton);
        QVERIFY(!ana.isVisible());
        for (const QPointer<QWidget>& d : {QPointer<QWidget>(proje), QPointer<QWidget>(faaliyet),
                                           QPointer<QWidget>(değiştirme), QPointer<QWidget>(projeDeğiştir)})
            QVERIFY(!d || !d->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_TemelForm.moc"
