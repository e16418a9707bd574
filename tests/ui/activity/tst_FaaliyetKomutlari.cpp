#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class ActivityCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // No project selected, or one without activities: the four buttons do nothing and show nothing.
    void nothingToActOn()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("BOŞ");
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}});
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        const QStringList önce = vt.Satırlar();
        for (const QString& proje : {QString(), QStringLiteral("BOŞ")}) {
            if (!proje.isEmpty())
                ProjeyiSeç(ana, proje);
            for (QPushButton* düğme : {ana.FaaliyetDeğiştirDüğmesi, ana.SonFaaliyetiSilDüğmesi,
                                      ana.TümKayıtlarıSilDüğmesi})
                düğme->click();
        }
        ana.ProjeleriEkle();
        ana.FaaliyetEkleDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QVERIFY(!ana.AçıkFaaliyetEklemeFormu && !ana.AçıkFaaliyetDeğiştirmeFormu);
        QCOMPARE(vt.Satırlar(), önce);
    }

    void dialogsAreModelessAndSingle()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}});
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        ProjeyiSeç(ana, "P");
        QTest::keyClick(&ana, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(ana.AçıkFaaliyetEklemeFormu);
        FaaliyetEklemeFormu* ekleme = ana.AçıkFaaliyetEklemeFormu;
        QVERIFY(ekleme->isWindow() && ekleme->parentWidget() == &ana && ekleme->isVisible());
        QCOMPARE(ekleme->windowModality(), Qt::NonModal);
        ekleme->EkleKaydetDüğmesi->click();
        ana.FaaliyetEkleDüğmesi->click();
        QCOMPARE(ana.AçıkFaaliyetEklemeFormu, ekleme);
        QVERIFY(ekleme->Giriliyor()); // brought to the front as it was

        SatırıSeç(ana, "A");
        ana.FaaliyetDeğiştirDüğmesi->click();
        FaaliyetDeğiştirmeFormu* değiştirme = ana.AçıkFaaliyetDeğiştirmeFormu;
        ana.FaaliyetDeğiştirDüğmesi->click();
        QCOMPARE(ana.AçıkFaaliyetDeğiştirmeFormu, değiştirme);

        // Closing the main window takes the open dialogs with it.
        ana.ÇıkışDüğmesi->click();
        QVERIFY(!ekleme->isVisible() && !değiştirme->isVisible());
    }

    void deletes_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<int>("yanıt");
        QTest::addColumn<QString>("soru");
        QTest::addColumn<QStringList>("kalan");
        const QString son = QStringLiteral("Son faaliyeti SİLMEK istiyor musunuz?");
        const QString tüm = QStringLiteral("Tüm faaliyetleri SİLMEK istiyor musunuz?");
        // Added as A, C, B: the last by code is C, whatever is selected or listed last.
        QTest::newRow("last, yes") << "son" << int(QMessageBox::Yes) << son << QStringList{"A", "B"};
        QTest::newRow("last, no") << "son" << int(QMessageBox::No) << son << QStringList{"A", "C", "B"};
        QTest::newRow("all, yes") << "tüm" << int(QMessageBox::Yes) << tüm << QStringList{};
        QTest::newRow("all, no") << "tüm" << int(QMessageBox::No) << tüm << QStringList{"A", "C", "B"};
    }
    void deletes()
    {
        QFETCH(QString, düğme);
        QFETCH(int, yanıt);
        QFETCH(QStringList, kalan);
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11",
                     {{"A", "a", "1", ""}, {"C", "c", "1", "A"}, {"B", "b", "1", "A"}});
        vt.ProjeEkle("Q", "2026-03-01", "2026-03-11", {{"A", "q", "1", ""}});
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        kayıt.Yanıtla(QMessageBox::StandardButton(yanıt));
        ProjeyiSeç(ana, "P");
        SatırıSeç(ana, "B");
        (düğme == "son" ? ana.SonFaaliyetiSilDüğmesi : ana.TümKayıtlarıSilDüğmesi)->click();

        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().başlık, "Kavrion");
        QTEST(kayıt.son().metin, "soru");
        QCOMPARE(kayıt.son().simge, QMessageBox::Question);
        QStringList kodlar;
        QVERIFY(!vt.depo().KodlarıOku("P", kodlar));
        QCOMPARE(kodlar, kalan);
        QVERIFY(!vt.depo().KodlarıOku("Q", kodlar));
        QCOMPARE(kodlar, QStringList{"A"});
        // The project stays selected and is shown from the store again.
        QCOMPARE(ana.SeçiliProje(), "P");
        QCOMPARE(ana.BaşlamaTarihiKutusu->text(), "1.03.2026");
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), kalan.size());
    }
};

QTEST_MAIN(ActivityCommandsTest)
#include "tst_FaaliyetKomutlari.moc"
