// The two activity dialogs, opened from the main window and driven by mouse and keyboard.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QVector<Faaliyet> Örnek{
    {"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}};

// The main window with P selected, its boxes recorded.
struct Ortam {
    GeçiciVeritabanı vt;
    std::unique_ptr<TemelForm> ana;
    MesajKaydı kayıt;

    explicit Ortam(const QVector<Faaliyet>& faaliyetler = Örnek)
    {
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, faaliyetler);
        ana = std::make_unique<TemelForm>(vt.depo());
        ProjeyiSeç(*ana, "P");
    }
    // The add dialog, entering the next activity of the selected project.
    FaaliyetEklemeFormu* Ekle()
    {
        FaaliyetEklemeFormu* d = DiyaloğuAç(*ana, ana->FaaliyetEkleDüğmesi, &TemelForm::AçıkFaaliyetEklemeFormu);
        if (d)
            QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        return d;
    }
    // The change dialog on row `kod`.
    FaaliyetDeğiştirmeFormu* Değiştir(const QString& kod)
    {
        SatırıSeç(*ana, kod);
        return DiyaloğuAç(*ana, ana->FaaliyetDeğiştirDüğmesi, &TemelForm::AçıkFaaliyetDeğiştirmeFormu);
    }
};

void Gir(const FaaliyetAlanDenetimleri& d, const QString& ad, const QString& süre, const QString& önceki = {})
{
    Yaz(d.FaaliyetAdıKutusu, ad);
    Yaz(d.ÖngörülenSüreKutusu, süre);
    if (!önceki.isEmpty()) {
        d.ÖncekiFaaliyetleriSeçmeKutusu->setCurrentText(önceki);
        QTest::mouseClick(d.EklemeDüğmesi, Qt::LeftButton);
    }
}

// Code, name, duration, predecessors, and the codes offered.
QString Alanlar(const FaaliyetAlanDenetimleri& d)
{
    QStringList kodlar;
    for (int i = 0; i < d.ÖncekiFaaliyetleriSeçmeKutusu->count(); ++i)
        kodlar << d.ÖncekiFaaliyetleriSeçmeKutusu->itemText(i);
    return QStringList{d.FaaliyetKoduKutusu->text(), d.FaaliyetAdıKutusu->text(), d.ÖngörülenSüreKutusu->text(),
                       d.ÖncekiFaaliyetlerKutusu->text(), kodlar.join(',')}
        .join('|');
}

} // namespace

class ActivityDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // After a save the dialog waits, emptied, and the list shows the activity; a deleted
    // last code is handed out again. The caption's spoken name follows it; Esc closes
    // only while waiting.
    void addsOneAfterAnother()
    {
        Ortam o(QVector<Faaliyet>{});
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d && d->Giriliyor() && !d->KapatDüğmesi->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(d->EkleKaydetDüğmesi)->text(QAccessible::Name), "Kaydet");
        QCOMPARE(Odak(), d->FaaliyetAdıKutusu);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        Gir(*d, "Tasarım", "3");
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QVERIFY(!d->Giriliyor() && d->KapatDüğmesi->isEnabled());
        QCOMPARE(d->EkleKaydetDüğmesi->text(), "Faaliyet &Ekle");
        QCOMPARE(Alanlar(*d), "||||");
        QCOMPARE(ListedekiSatırlar(*o.ana), QStringList{"A Tasarım 3  0/3"});
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        Gir(*d, "Yapım", "2", "A");
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 0);
        QCOMPARE(o.ana->KritikYolKutusu->text(), "A,B");

        QTest::mouseClick(o.ana->SonFaaliyetiSilDüğmesi, Qt::LeftButton);
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(Alanlar(*d), "B||||A");
        QTest::mouseClick(d->VazgeçDüğmesi, Qt::LeftButton);
        QTest::keyClick(d, Qt::Key_Escape);
        QTRY_VERIFY(!o.ana->AçıkFaaliyetEklemeFormu());
    }

    // A code picked twice is refused with the focus back on the list; "Sil" empties all.
    void predecessorPicker()
    {
        Ortam o;
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        QTest::mouseClick(d->EklemeDüğmesi, Qt::LeftButton); // nothing picked
        Gir(*d, "e", "1", "D");
        Gir(*d, "e", "1", "A");
        QCOMPARE(o.kayıt.sayı(), 0);
        Gir(*d, "e", "1", "D");
        QCOMPARE(o.kayıt.son().metin, "Bir faaliyeti 2 kez ekleyemezsiniz!");
        QCOMPARE(Odak(), d->ÖncekiFaaliyetleriSeçmeKutusu);
        QCOMPARE(d->ÖncekiFaaliyetlerKutusu->text(), "D,A");
        QTest::mouseClick(d->SilDüğmesi, Qt::LeftButton);
        QCOMPARE(d->ÖncekiFaaliyetlerKutusu->text(), QString());
    }

    // The first check that fails is shown and takes the focus to its field.
    void saveChecks_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("süre");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("name first") << "" << "" << "FAALİYET ADI boş bırakılamaz!" << "FaaliyetAdıKutusu";
        QTest::newRow("no predecessors") << "a" << "4" << "ÖNCEKİ FAALİYETLER boş bırakılamaz!"
                                         << "ÖncekiFaaliyetleriSeçmeKutusu";
    }
    void saveChecks()
    {
        QFETCH(QString, ad);
        QFETCH(QString, süre);
        Ortam o;
        const QStringList önce = o.vt.Satırlar();
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        Gir(*d, ad, süre);
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 1);
        QTEST(o.kayıt.son().metin, "mesaj");
        QTEST(Odak()->objectName(), "odak");
        QVERIFY(d->Giriliyor());
        QCOMPARE(d->FaaliyetAdıKutusu->text(), ad);
        QCOMPARE(o.vt.Satırlar(), önce);
    }

    // The entry belongs to the project it was started for; a duration beyond 32 bits,
    // or a project gone meanwhile, writes nothing and keeps the entry.
    void entryKeepsItsProject()
    {
        Ortam o({{"A", "a", 1, ""}});
        o.vt.ProjeEkle("BOŞ");
        o.ana->ProjeleriEkle();
        ProjeyiSeç(*o.ana, "BOŞ");
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        ProjeyiSeç(*o.ana, "P");
        Gir(*d, "ilk", "3");
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 0);
        QVERIFY(o.vt.Satırlar().contains("F|BOŞ|A|ilk|3|"));
        QCOMPARE(ListedekiSatırlar(*o.ana), QStringList{"A a 1  0/1"});

        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        Gir(*d, "büyük", "3000000000", "A");
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QVERIFY2(o.kayıt.son().metin.startsWith("Hata 20: "), qPrintable(o.kayıt.son().metin));
        QCOMPARE(Alanlar(*d), "B|büyük|3.000.000.000|A|A");

        KayıtlıProje p;
        QVERIFY(!o.vt.depo().ProjeOku("P", p));
        QVERIFY(!o.vt.depo().ProjeSil(p));
        const QStringList önce = o.vt.Satırlar();
        Yaz(d->ÖngörülenSüreKutusu, "3");
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        QVERIFY2(o.kayıt.son().metin.startsWith("Hata 12: "), qPrintable(o.kayıt.son().metin));
        QCOMPARE(o.vt.Satırlar(), önce);
        QCOMPARE(Alanlar(*d), "B|büyük|3|A|A");
    }

    // The change dialog offers only the codes added before its row, refuses an empty
    // predecessor list but for "A", and the saved row is shown at once. Pressed again
    // it is refilled from the row now selected, its code list kept, and the save
    // changes the row it was last filled from, whatever is shown by then.
    void changeRoundTripKeepsItsRow()
    {
        Ortam o;
        o.vt.ProjeEkle("Q", {2026, 3, 1}, {2026, 3, 11}, {{"A", "q", 1, ""}, {"B", "q", 1, "A"}});
        o.ana->ProjeleriEkle();
        ProjeyiSeç(*o.ana, "P");
        FaaliyetDeğiştirmeFormu* d = o.Değiştir("C");
        QVERIFY(d);
        QCOMPARE(Alanlar(*d), "C|Yapım|4|A|A,B");
        QVERIFY(!d->FaaliyetKoduKutusu->isEnabled());
        QTest::mouseClick(d->SilDüğmesi, Qt::LeftButton);
        QTest::mouseClick(d->KaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.son().metin, "ÖNCEKİ FAALİYETLER boş bırakılamaz!");
        Gir(*d, "Kurulum", "4", "B");
        QTest::mouseClick(d->KaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 1);
        QTRY_VERIFY(!o.ana->AçıkFaaliyetDeğiştirmeFormu());
        QCOMPARE(ListedekiSatırlar(*o.ana).value(2), "C Kurulum 4 B 5/9");
        QCOMPARE(o.ana->KritikYolKutusu->text(), "A,B,C,D");

        d = o.Değiştir("D");
        QVERIFY(d);
        Yaz(d->FaaliyetAdıKutusu, "yazılan");
        QCOMPARE(o.Değiştir("A"), d);
        QCOMPARE(Alanlar(*d), "A|Tasarım|3||A,B,C");
        ProjeyiSeç(*o.ana, "Q");
        QVERIFY(ÖneGetirVeBekle(d));
        Yaz(d->ÖngörülenSüreKutusu, "5");
        QTest::mouseClick(d->KaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 1);
        QCOMPARE(o.vt.Satırlar().filter("|A|"), (QStringList{"F|P|A|Tasarım|5|", "F|Q|A|q|1|"}));
    }
};

QTEST_MAIN(ActivityDialogsTest)
#include "tst_FaaliyetDiyaloglari.moc"
