#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/main/TemelForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QVector<Faaliyet> Örnek{
    {"A", "Tasarım", "3", ""}, {"B", "Alım", "2", "A"}, {"C", "Yapım", "4", "A"}, {"D", "Teslim", "1", "B,C"}};

QStringList Kodlar(const QComboBox* liste)
{
    QStringList kodlar;
    for (int i = 0; i < liste->count(); ++i)
        kodlar << liste->itemText(i);
    return kodlar;
}

// The main window on project P, selected, with the four activities above.
struct Ortam {
    struct Veritabanı : GeçiciVeritabanı {
        Veritabanı() { ProjeEkle("P", "2026-03-01", "2026-03-11", Örnek); }
    } vt;
    TemelForm ana{vt.depo()};
    MesajKaydı kayıt;

    Ortam() { ProjeyiSeç(ana, "P"); }
};

// The dialog opened from the main window for row `kod` of the selected project.
FaaliyetDeğiştirmeFormu* Aç(TemelForm& ana, const QString& kod)
{
    SatırıSeç(ana, kod);
    QTest::mouseClick(ana.FaaliyetDeğiştirDüğmesi, Qt::LeftButton);
    return ana.AçıkFaaliyetDeğiştirmeFormu;
}

} // namespace

class ChangeActivityDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    void changeRoundTrip()
    {
        Ortam o;
        auto& [vt, ana, kayıt] = o;
        FaaliyetDeğiştirmeFormu* form = Aç(ana, "C");
        QCOMPARE(form->FaaliyetKoduKutusu->text(), "C");
        QCOMPARE(form->FaaliyetAdıKutusu->text(), "Yapım");
        QCOMPARE(form->ÖngörülenSüreKutusu->text(), "4");
        QCOMPARE(form->ÖncekiFaaliyetlerKutusu->text(), "A");
        QVERIFY(!form->FaaliyetKoduKutusu->isEnabled());
        // Only the codes added before C: neither C itself nor D.
        QCOMPARE(Kodlar(form->ÖncekiFaaliyetleriSeçmeKutusu), (QStringList{"A", "B"}));

        const QStringList önce = vt.Satırlar();
        form->SilDüğmesi->click();
        form->KaydetDüğmesi->click();
        QCOMPARE(kayıt.son().metin, "ÖNCEKİ FAALİYETLER boş bırakılamaz!");
        QCOMPARE(form->focusWidget(), form->ÖncekiFaaliyetleriSeçmeKutusu);
        QCOMPARE(vt.Satırlar(), önce);

        form->ÖncekiFaaliyetleriSeçmeKutusu->setCurrentText("B");
        form->EklemeDüğmesi->click();
        form->FaaliyetAdıKutusu->setText("Kurulum");
        form->KaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 1);
        QVERIFY(!form->isVisible());
        QVERIFY(vt.Satırlar().contains("F|P|C|Kurulum|4|B"));
        QCOMPARE(ListedekiSatırlar(ana).value(2), "C Kurulum 4 B 5/9");
        QCOMPARE(ana.KritikYolKutusu->text(), "A,B,C,D");
    }

    void firstActivityHasNoPredecessors()
    {
        Ortam o;
        auto& [vt, ana, kayıt] = o;
        FaaliyetDeğiştirmeFormu* form = Aç(ana, "A");
        QCOMPARE(form->ÖncekiFaaliyetleriSeçmeKutusu->count(), 0);
        form->EklemeDüğmesi->click();
        form->ÖngörülenSüreKutusu->setText("5");
        form->KaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QCOMPARE(vt.Satırlar().value(1), "F|P|A|Tasarım|5|");
    }

    // Pressing the button again refills the fields from the row now selected;
    // the code list stays as it was loaded.
    void reopenRefillsTheFields()
    {
        Ortam o;
        auto& [vt, ana, kayıt] = o;
        FaaliyetDeğiştirmeFormu* form = Aç(ana, "B");
        form->FaaliyetAdıKutusu->setText("yazılan");
        QCOMPARE(Aç(ana, "D"), form);
        QCOMPARE(form->FaaliyetKoduKutusu->text(), "D");
        QCOMPARE(form->FaaliyetAdıKutusu->text(), "Teslim");
        QCOMPARE(form->ÖncekiFaaliyetlerKutusu->text(), "B,C");
        QCOMPARE(Kodlar(form->ÖncekiFaaliyetleriSeçmeKutusu), QStringList{"A"});
        form->KaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QVERIFY(vt.Satırlar().contains("F|P|B|Alım|2|A"));
    }

    // The save changes the row the dialog was filled from, whatever is selected now;
    // a row that is gone, or a predecessor that is not before it, writes nothing.
    void saveKeepsItsRow()
    {
        Ortam o;
        auto& [vt, ana, kayıt] = o;
        vt.ProjeEkle("Q", "2026-03-01", "2026-03-11", {{"A", "q", "1", ""}, {"B", "q", "1", "A"}});
        ana.ProjeleriEkle();
        ProjeyiSeç(ana, "P");
        FaaliyetDeğiştirmeFormu* form = Aç(ana, "B");
        ProjeyiSeç(ana, "Q");
        form->FaaliyetAdıKutusu->setText("yeni");
        form->KaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QVERIFY(vt.Satırlar().contains("F|P|B|yeni|2|A"));
        QVERIFY(vt.Satırlar().contains("F|Q|B|q|1|A"));

        ProjeyiSeç(ana, "P");
        form = Aç(ana, "D");
        ana.SonFaaliyetiSilDüğmesi->click();
        const QStringList önce = vt.Satırlar();
        form->KaydetDüğmesi->click();
        QVERIFY(kayıt.son().metin.startsWith("Hata 12: "));
        QVERIFY(form->isVisible());
        QCOMPARE(vt.Satırlar(), önce);

        // A list another program stored, naming an activity added after C.
        Aç(ana, "C");
        form->ÖncekiFaaliyetlerKutusu->setText("A,D");
        form->KaydetDüğmesi->click();
        QVERIFY(kayıt.son().metin.contains("\"D\""));
        QCOMPARE(form->focusWidget(), form->ÖncekiFaaliyetleriSeçmeKutusu);
        QCOMPARE(vt.Satırlar(), önce);
    }

    void keyboardPathAndCancel()
    {
        Ortam o;
        auto& [vt, ana, kayıt] = o;
        ana.show();
        FaaliyetDeğiştirmeFormu* form = Aç(ana, "B");
        QVERIFY(Etkinleştir(form));
        form->FaaliyetAdıKutusu->setFocus();
        QStringList adlar;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            adlar << form->focusWidget()->objectName();
        }
        QCOMPARE(adlar, (QStringList{"ÖngörülenSüreKutusu", "ÖncekiFaaliyetleriSeçmeKutusu", "EklemeDüğmesi",
                                     "SilDüğmesi", "KaydetDüğmesi", "VazgeçDüğmesi", "FaaliyetAdıKutusu"}));

        QTest::keyClicks(form->FaaliyetAdıKutusu, "yeni");
        const QStringList önce = vt.Satırlar();
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(ana.AçıkFaaliyetDeğiştirmeFormu.isNull());
        QCOMPARE(vt.Satırlar(), önce);
        QCOMPARE(ListedekiSatırlar(ana).value(1), "B Alım 2 A 3/5");
    }
};

QTEST_MAIN(ChangeActivityDialogTest)
#include "tst_FaaliyetDegistirmeFormu.moc"
