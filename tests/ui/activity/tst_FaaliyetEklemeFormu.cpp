#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The dialog opened from the main window for the project `proje`.
FaaliyetEklemeFormu* Aç(TemelForm& ana, const QString& proje)
{
    ProjeyiSeç(ana, proje);
    QTest::mouseClick(ana.FaaliyetEkleDüğmesi, Qt::LeftButton);
    return ana.AçıkFaaliyetEklemeFormu;
}

void Gir(FaaliyetEklemeFormu* form, const QString& ad, const QString& süre)
{
    form->FaaliyetAdıKutusu->setText(ad);
    form->ÖngörülenSüreKutusu->setText(süre);
}

bool Boş(const FaaliyetEklemeFormu* form)
{
    return form->FaaliyetKoduKutusu->text().isEmpty() && form->FaaliyetAdıKutusu->text().isEmpty()
        && form->ÖngörülenSüreKutusu->text().isEmpty() && form->ÖncekiFaaliyetlerKutusu->text().isEmpty()
        && form->ÖncekiFaaliyetleriSeçmeKutusu->currentIndex() == -1;
}

} // namespace

class AddActivityDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // Codes in order, predecessors required from the second activity on, and a
    // deleted last code handed out again; each save shows the schedule at once.
    void entriesOneAfterAnother()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P");
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        FaaliyetEklemeFormu* form = Aç(ana, "P");
        QVERIFY(form && !form->Giriliyor() && form->KapatDüğmesi->isEnabled());

        form->EkleKaydetDüğmesi->click();
        QVERIFY(form->Giriliyor());
        QCOMPARE(form->FaaliyetKoduKutusu->text(), "A");
        QCOMPARE(form->ÖncekiFaaliyetleriSeçmeKutusu->count(), 0);
        QCOMPARE(form->EkleKaydetDüğmesi->text(), "Kaydet");
        QVERIFY(!form->KapatDüğmesi->isEnabled());
        QCOMPARE(form->focusWidget(), form->FaaliyetAdıKutusu);
        Gir(form, "Tasarım", "3");
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QVERIFY(!form->Giriliyor() && Boş(form) && form->KapatDüğmesi->isEnabled());
        QCOMPARE(form->EkleKaydetDüğmesi->text(), "Faaliyet &Ekle");
        QCOMPARE(ListedekiSatırlar(ana), QStringList{"A Tasarım 3  0/3"});

        form->EkleKaydetDüğmesi->click();
        QCOMPARE(form->FaaliyetKoduKutusu->text(), "B");
        QCOMPARE(form->ÖncekiFaaliyetleriSeçmeKutusu->currentIndex(), -1);
        Gir(form, "Yapım", "2");
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(kayıt.son().metin, "ÖNCEKİ FAALİYETLER boş bırakılamaz!");
        QVERIFY(form->Giriliyor());
        form->ÖncekiFaaliyetleriSeçmeKutusu->setCurrentIndex(0);
        form->EklemeDüğmesi->click();
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(ListedekiSatırlar(ana), (QStringList{"A Tasarım 3  0/3", "B Yapım 2 A 3/5"}));
        QCOMPARE(ana.KritikYolKutusu->text(), "A,B");

        ana.SonFaaliyetiSilDüğmesi->click();
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(form->FaaliyetKoduKutusu->text(), "B");
    }

    // A project that has reached "~" gets no new code: no entry starts, nothing is written.
    void noCodeAfterTilde()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}, {"~", "z", "1", "A"}});
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        FaaliyetEklemeFormu* form = Aç(ana, "P");
        form->EkleKaydetDüğmesi->click();
        QVERIFY(!form->Giriliyor() && form->FaaliyetKoduKutusu->text().isEmpty());
        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().başlık, "Kavrion");
        QVERIFY(kayıt.son().metin.contains("\"~\""));
    }

    void picker()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}, {"B", "b", "1", "A"}});
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        FaaliyetEklemeFormu* form = Aç(ana, "P");
        form->EkleKaydetDüğmesi->click();
        QComboBox* liste = form->ÖncekiFaaliyetleriSeçmeKutusu;

        form->EklemeDüğmesi->click(); // nothing picked
        QCOMPARE(form->ÖncekiFaaliyetlerKutusu->text(), "");
        liste->setCurrentText("B");
        form->EklemeDüğmesi->click();
        liste->setCurrentText("A");
        form->EklemeDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QCOMPARE(form->ÖncekiFaaliyetlerKutusu->text(), "B,A");

        form->EklemeDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 1);
        QCOMPARE(kayıt.son().metin, "Bir faaliyeti 2 kez ekleyemezsiniz!");
        QCOMPARE(kayıt.son().simge, QMessageBox::Information);
        QCOMPARE(form->focusWidget(), liste);
        QCOMPARE(form->ÖncekiFaaliyetlerKutusu->text(), "B,A");

        form->SilDüğmesi->click();
        QCOMPARE(form->ÖncekiFaaliyetlerKutusu->text(), "");
        QCOMPARE(liste->currentText(), "A");
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("süre");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("name before duration") << "" << "" << "FAALİYET ADI boş bırakılamaz!" << "FaaliyetAdıKutusu";
        QTest::newRow("zero duration") << "a" << "0" << "ÖNGÖRÜLEN SÜRE boş bırakılamaz!" << "ÖngörülenSüreKutusu";
        QTest::newRow("no predecessors") << "a" << "4" << "ÖNCEKİ FAALİYETLER boş bırakılamaz!"
                                         << "ÖncekiFaaliyetleriSeçmeKutusu";
    }
    void saveChecks()
    {
        QFETCH(QString, ad);
        QFETCH(QString, süre);
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}});
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        FaaliyetEklemeFormu* form = Aç(ana, "P");
        form->EkleKaydetDüğmesi->click();
        Gir(form, ad, süre);
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 1);
        QTEST(kayıt.son().metin, "mesaj");
        QTEST(form->focusWidget()->objectName(), "odak");
        QVERIFY(form->Giriliyor());
        QCOMPARE(form->FaaliyetAdıKutusu->text(), ad);
        QCOMPARE(vt.Satırlar().size(), 2);
    }

    // The rule runs when the focus leaves the field, also for the click that saves.
    void durationRuleOnLeavingTheField_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<QString>("gösterilen");
        QTest::addColumn<QString>("saklanan");
        QTest::newRow("tr grouping") << Türkçe << "1234" << "1.234" << "1234";
        QTest::newRow("en grouping") << Amerikan << "1234" << "1,234" << "1234";
        QTest::newRow("tr half") << Türkçe << "2.5" << "3" << "3";
        QTest::newRow("en comma") << Amerikan << "2,5" << "2" << "2";
    }
    void durationRuleOnLeavingTheField()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, yazılan);
        QLocale::setDefault(yerel);
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P");
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        ana.show();
        FaaliyetEklemeFormu* form = Aç(ana, "P");
        QVERIFY(Etkinleştir(form));
        form->EkleKaydetDüğmesi->click();
        QLineEdit* süre = form->ÖngörülenSüreKutusu;
        QTest::keyClicks(form->FaaliyetAdıKutusu, "a");
        QTest::keyClick(form->FaaliyetAdıKutusu, Qt::Key_Tab);
        QTest::keyClicks(süre, yazılan);
        QTest::keyClick(süre, Qt::Key_Tab);
        QTEST(süre->text(), "gösterilen");
        QTest::keyClick(form->focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(süre, Qt::Key_Tab);
        QTEST(süre->text(), "gösterilen");

        süre->setFocus();
        süre->setText(yazılan);
        QTest::mouseClick(form->EkleKaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(kayıt.sayı(), 0);
        QFETCH(QString, saklanan);
        QCOMPARE(vt.Satırlar().value(1), "F|P|A|a|" + saklanan + "|");
    }

    void keyboardPath()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}});
        TemelForm ana(vt.depo());
        ana.show();
        FaaliyetEklemeFormu* form = Aç(ana, "P");
        QVERIFY(Etkinleştir(form));
        auto tabSırası = [form](int adım) {
            QStringList adlar;
            for (int i = 0; i < adım; ++i) {
                QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
                adlar << form->focusWidget()->objectName();
            }
            return adlar;
        };

        form->EkleKaydetDüğmesi->setFocus();
        QCOMPARE(tabSırası(3), (QStringList{"VazgeçDüğmesi", "KapatDüğmesi", "EkleKaydetDüğmesi"}));
        QTest::keyClick(form, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(form->Giriliyor());
        // The name read out follows the caption.
        QCOMPARE(QAccessible::queryAccessibleInterface(form->EkleKaydetDüğmesi)->text(QAccessible::Name), "Kaydet");
        QCOMPARE(form->focusWidget(), form->FaaliyetAdıKutusu);
        QCOMPARE(tabSırası(7), (QStringList{"ÖngörülenSüreKutusu", "ÖncekiFaaliyetleriSeçmeKutusu", "EklemeDüğmesi",
                                            "SilDüğmesi", "EkleKaydetDüğmesi", "VazgeçDüğmesi", "FaaliyetAdıKutusu"}));

        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(form->isVisible() && form->Giriliyor());
        form->VazgeçDüğmesi->setFocus();
        QTest::keyClick(form->VazgeçDüğmesi, Qt::Key_Space);
        QVERIFY(!form->Giriliyor() && Boş(form));
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(ana.AçıkFaaliyetEklemeFormu.isNull());
        QCOMPARE(vt.Satırlar().size(), 2);
    }

    // The entry belongs to the project it was started for; when that project is gone,
    // or the store refuses the duration, nothing is written and the entry stays.
    void entryKeepsItsProject()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P1");
        vt.ProjeEkle("P2", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}});
        TemelForm ana(vt.depo());
        MesajKaydı kayıt;
        FaaliyetEklemeFormu* form = Aç(ana, "P1");
        form->EkleKaydetDüğmesi->click();
        ProjeyiSeç(ana, "P2");
        Gir(form, "ilk", "3");
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QVERIFY(vt.Satırlar().contains("F|P1|A|ilk|3|"));
        QCOMPARE(ListedekiSatırlar(ana), QStringList{"A a 1  0/1"});

        form->EkleKaydetDüğmesi->click();
        QCOMPARE(form->FaaliyetKoduKutusu->text(), "B");
        form->ÖncekiFaaliyetleriSeçmeKutusu->setCurrentIndex(0);
        form->EklemeDüğmesi->click();
        Gir(form, "büyük", "3.000.000.000");
        form->EkleKaydetDüğmesi->click();
        QCOMPARE(kayıt.son().simge, QMessageBox::Critical);
        QVERIFY(kayıt.son().metin.startsWith("Hata 20: "));
        QVERIFY(form->Giriliyor());
        QCOMPARE(form->ÖngörülenSüreKutusu->text(), "3.000.000.000");

        QVERIFY(!vt.depo().ProjeSil("P2"));
        form->ÖngörülenSüreKutusu->setText("3");
        form->EkleKaydetDüğmesi->click();
        QVERIFY(kayıt.son().metin.startsWith("Hata 12: "));
        QVERIFY(form->Giriliyor());
        QCOMPARE(form->FaaliyetAdıKutusu->text(), "büyük");
        QCOMPARE(vt.Satırlar(), (QStringList{"P|P1|2026-03-01|2026-03-11|", "F|P1|A|ilk|3|"}));

        // With no project selected there is nothing to start an entry for.
        form->VazgeçDüğmesi->click();
        ana.ProjeleriEkle();
        const int kutular = kayıt.sayı();
        form->EkleKaydetDüğmesi->click();
        QVERIFY(!form->Giriliyor());
        QCOMPARE(kayıt.sayı(), kutular);
    }
};

QTEST_MAIN(AddActivityDialogTest)
#include "tst_FaaliyetEklemeFormu.moc"
