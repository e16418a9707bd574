// The main window: what it shows of a project, how a failed read leaves it, and its
// eight command buttons (the deletes ask first, a command with nothing to act on does
// nothing, each dialog is single and goes with the window).
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereKomutlari.h"
#include "destek/PencereMesajKaydi.h"
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
        İkiProjeEkle(vt);
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        MesajKaydı kayıt;
        ProjeyiSeç(ana, "ALFA");
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 3);

        {
            const KilitArızası arıza(sıra);
            ProjeyiSeç(ana, "BETA");
        }
        QCOMPARE(kayıt.hatalar(), QStringList{KilitArızası::Kutu()});
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
    // explained in the critical path box (whole in its tool tip), and no box.
    void foreignRowsAreShownAndExplained_data()
    {
        QTest::addColumn<QString>("süre");
        QTest::addColumn<QString>("öncekiler");
        QTest::addColumn<QString>("başlama");
        QTest::addColumn<QString>("kritikYol");
        QTest::addColumn<QString>("başlamaKutusu");
        QTest::newRow("unknown predecessor") << "2" << "'X'" << "'2026-03-01'"
                                             << "Hesaplanamıyor: B faaliyetinin önceki faaliyeti X tanımlı değil."
                                             << "1.03.2026";
        QTest::newRow("duration a word") << "'abc'" << "'A'" << "'2026-03-01'"
                                         << "Hesaplanamıyor: B faaliyetinin süresi \"abc\" bir tam sayı değil."
                                         << "1.03.2026";
        QTest::newRow("start date a word") << "2" << "'A'" << "'yarın'" << "A,B" << "yarın";
        QTest::newRow("start date null") << "2" << "'A'" << "NULL" << "A,B" << "";
    }
    void foreignRowsAreShownAndExplained()
    {
        QFETCH(QString, süre);
        QFETCH(QString, öncekiler);
        QFETCH(QString, başlama);
        QFETCH(QString, kritikYol);
        QTemporaryDir dizin;
        const QString yol = VeritabanıYolu(dizin.path());
        QVERIFY(DosyadaÇalıştır(yol, {
            "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)",
            "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi, OngorulenSure,"
            " OncekiFaaliyet)",
            QStringLiteral("INSERT INTO ProjeTablosu VALUES (1, 'YABANCI', %1, '2026-03-11')").arg(başlama),
            "INSERT INTO FaaliyetlerTablosu VALUES (1, 'YABANCI', 'A', 'a', 3, '')",
            QStringLiteral("INSERT INTO FaaliyetlerTablosu VALUES (2, 'YABANCI', 'B', 'b', %1, %2)").arg(süre, öncekiler),
        }));
        const GeçiciBağlantı bağlantı(yol);
        QVERIFY(!bağlantı.hata());
        MesajKaydı kayıt;
        TemelForm ana(bağlantı.depo());
        ProjeyiSeç(ana, "YABANCI");
        QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
        QCOMPARE(ana.KritikYolKutusu->text(), kritikYol);
        QCOMPARE(ana.KritikYolKutusu->toolTip(), kritikYol.startsWith("Hesaplanamıyor") ? kritikYol : QString());
        QTEST(ana.BaşlamaTarihiKutusu->text(), "başlamaKutusu");
        QCOMPARE(ListedekiSatırlar(ana).value(1).section(' ', 2, 2), süre.remove('\''));
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItem(0)->text(4), QStringLiteral("0"));
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

    void deletesAskFirst_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<bool>("evet");
        QTest::addColumn<QString>("soru");
        QTest::addColumn<QStringList>("kalan"); // P's rows left
        const QString proje = QStringLiteral("Seçilen projeyi SİLMEK istiyor musunuz?");
        const QString son = QStringLiteral("Son faaliyeti SİLMEK istiyor musunuz?");
        const QString tüm = QStringLiteral("Tüm faaliyetleri SİLMEK istiyor musunuz?");
        const QStringList hepsi{"P|P|2026-03-01|2026-03-11|", "F|P|A|a|1|", "F|P|C|c|1|A", "F|P|B|b|1|A"};
        QTest::newRow("project, yes") << "ProjeSilDüğmesi" << true << proje << QStringList{};
        QTest::newRow("project, no") << "ProjeSilDüğmesi" << false << proje << hepsi;
        QTest::newRow("last, yes") << "SonFaaliyetiSilDüğmesi" << true << son
                                   << QStringList{hepsi[0], hepsi[1], hepsi[3]};
        QTest::newRow("last, no") << "SonFaaliyetiSilDüğmesi" << false << son << hepsi;
        QTest::newRow("all, yes") << "TümKayıtlarıSilDüğmesi" << true << tüm << QStringList{hepsi[0]};
        QTest::newRow("all, no") << "TümKayıtlarıSilDüğmesi" << false << tüm << hepsi;
    }
    void deletesAskFirst()
    {
        QFETCH(QString, düğme);
        QFETCH(bool, evet);
        GeçiciVeritabanı vt;
        ProjelerEkle(vt);
        const QStringList q = vt.Satırlar().filter("|Q|");
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        kayıt.Yanıtla(evet ? QMessageBox::Yes : QMessageBox::No);
        ProjeyiSeç(ana, "P");
        SatırıSeç(ana, "B");
        QTest::mouseClick(ana.findChild<QPushButton*>(düğme), Qt::LeftButton);

        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().başlık, QStringLiteral("Kavrion"));
        QCOMPARE(kayıt.son().simge, QMessageBox::Question);
        QTEST(kayıt.son().metin, "soru");
        QFETCH(QStringList, kalan);
        QCOMPARE(vt.Satırlar().filter("|P|"), kalan);
        QCOMPARE(vt.Satırlar().filter("|Q|"), q);
        // Shown anew from the store; a deleted project leaves nothing selected.
        QCOMPARE(ana.SeçiliProje(), kalan.isEmpty() ? QString() : QStringLiteral("P"));
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), std::max(0, int(kalan.size()) - 1));
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
