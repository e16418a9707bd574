// The two activity dialogs, opened from the main window and driven by mouse and keyboard.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QVector<Faaliyet> Ornek{
    {"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}};

// The main window with P selected, its boxes recorded.
struct Ortam {
    GeciciVeritabani vt;
    std::unique_ptr<TemelForm> ana;
    MesajKaydi kayit;

    explicit Ortam(const QVector<Faaliyet>& faaliyetler = Ornek)
    {
        vt.ProjeEkle("P", {2026, 3, 1}, {2026, 3, 11}, faaliyetler);
        ana = std::make_unique<AnaPencere>(vt.depo());
        ProjeyiSec(*ana, "P");
    }
    // The add dialog, entering the next activity of the selected project.
    FaaliyetEklemeFormu* Ekle()
    {
        FaaliyetEklemeFormu* d = DiyaloguAc(*ana, ana->FaaliyetEkleDugmesi, &TemelForm::AcikFaaliyetEklemeFormu);
        if (d)
            QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        return d;
    }
    // The change dialog on row `kod`.
    FaaliyetDegistirmeFormu* Degistir(const QString& kod)
    {
        SatiriSec(*ana, kod);
        return DiyaloguAc(*ana, ana->FaaliyetDegistirDugmesi, &TemelForm::AcikFaaliyetDegistirmeFormu);
    }
};

void Gir(const FaaliyetAlanDenetimleri& d, const QString& ad, const QString& sure, const QString& onceki = {})
{
    Yaz(d.FaaliyetAdiKutusu, ad);
    Yaz(d.OngorulenSureKutusu, sure);
    if (!onceki.isEmpty()) {
        d.OncekiFaaliyetleriSecmeKutusu->setCurrentText(onceki);
        QTest::mouseClick(d.EklemeDugmesi, Qt::LeftButton);
    }
}

// Code, name, duration, predecessors, and the codes offered.
QString Alanlar(const FaaliyetAlanDenetimleri& d)
{
    QStringList kodlar;
    for (int i = 0; i < d.OncekiFaaliyetleriSecmeKutusu->count(); ++i)
        kodlar << d.OncekiFaaliyetleriSecmeKutusu->itemText(i);
    return QStringList{d.FaaliyetKoduKutusu->text(), d.FaaliyetAdiKutusu->text(), d.OngorulenSureKutusu->text(),
                       d.OncekiFaaliyetlerKutusu->text(), kodlar.join(',')}
        .join('|');
}

} // namespace

class ActivityDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // After a save the dialog waits, emptied, and the list shows the activity; a deleted
    // last code is handed out again. The caption's spoken name follows it; Esc closes
    // only while waiting.
    void addsOneAfterAnother()
    {
        Ortam o(QVector<Faaliyet>{});
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d && d->Giriliyor() && !d->KapatDugmesi->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(d->EkleKaydetDugmesi)->text(QAccessible::Name), "Kaydet");
        QCOMPARE(Odak(), d->FaaliyetAdiKutusu);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        Gir(*d, "Tasarım", "3");
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QVERIFY(!d->Giriliyor() && d->KapatDugmesi->isEnabled());
        QCOMPARE(d->EkleKaydetDugmesi->text(), "Faaliyet &Ekle");
        QCOMPARE(Alanlar(*d), "||||");
        QCOMPARE(ListedekiSatirlar(*o.ana), QStringList{"A Tasarım 3  0/3"});
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        Gir(*d, "Yapım", "2", "A");
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 0);
        QCOMPARE(o.ana->KritikYolKutusu->text(), "A,B");

        QTest::mouseClick(o.ana->SonFaaliyetiSilDugmesi, Qt::LeftButton);
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(Alanlar(*d), "B||||A");
        QTest::mouseClick(d->VazgecDugmesi, Qt::LeftButton);
        QTest::keyClick(d, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!o.ana->AcikFaaliyetEklemeFormu(), 30000);
    }

    // A code picked twice is refused with the focus back on the list; "Sil" empties all.
    void predecessorPicker()
    {
        Ortam o;
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        QTest::mouseClick(d->EklemeDugmesi, Qt::LeftButton); // nothing picked
        Gir(*d, "e", "1", "D");
        Gir(*d, "e", "1", "A");
        QCOMPARE(o.kayit.sayi(), 0);
        Gir(*d, "e", "1", "D");
        QCOMPARE(o.kayit.son().metin, "Bir faaliyeti 2 kez ekleyemezsiniz!");
        QCOMPARE(Odak(), d->OncekiFaaliyetleriSecmeKutusu);
        QCOMPARE(d->OncekiFaaliyetlerKutusu->text(), "D,A");
        QTest::mouseClick(d->SilDugmesi, Qt::LeftButton);
        QCOMPARE(d->OncekiFaaliyetlerKutusu->text(), QString());
    }

    // The first check that fails is shown, alone and whole, and takes the focus to its field; nothing is written.
    void saveChecks_data()
    {
        QTest::addColumn<bool>("degistir");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("sure");
        QTest::addColumn<QStringList>("kutular");
        QTest::addColumn<QString>("odak");
        const QStringList sureBos{"ÖNGÖRÜLEN SÜRE boş bırakılamaz!"};
        QTest::newRow("name first") << false << "" << "" << QStringList{"FAALİYET ADI boş bırakılamaz!"} << "FaaliyetAdıKutusu";
        QTest::newRow("no predecessors") << false << "a" << "4" << QStringList{"ÖNCEKİ FAALİYETLER boş bırakılamaz!"}
                                         << "ÖncekiFaaliyetleriSeçmeKutusu";
        QTest::newRow("add, duration 0") << false << "a" << "0" << sureBos << "ÖngörülenSüreKutusu";
        QTest::newRow("add, duration abc") << false << "a" << "abc" << sureBos << "ÖngörülenSüreKutusu";
        QTest::newRow("change, duration 0") << true << "a" << "0" << sureBos << "ÖngörülenSüreKutusu";
        QTest::newRow("change, duration abc") << true << "a" << "abc" << sureBos << "ÖngörülenSüreKutusu";
    }
    void saveChecks()
    {
        QFETCH(bool, degistir);
        QFETCH(QString, ad);
        QFETCH(QString, sure);
        Ortam o;
        const QStringList once = o.vt.Satirlar();
        FaaliyetAlanlari* f = degistir ? static_cast<FaaliyetAlanlari*>(o.Degistir("C")) : o.Ekle();
        QVERIFY(f);
        const FaaliyetAlanDenetimleri& d = degistir ? static_cast<FaaliyetAlanDenetimleri&>(*o.ana->AcikFaaliyetDegistirmeFormu())
                                                    : *o.ana->AcikFaaliyetEklemeFormu();
        Gir(d, ad, sure);
        QTest::mouseClick(degistir ? o.ana->AcikFaaliyetDegistirmeFormu()->KaydetDugmesi
                                   : o.ana->AcikFaaliyetEklemeFormu()->EkleKaydetDugmesi, Qt::LeftButton);
        QTEST(o.kayit.metinler(), "kutular");
        QTEST(Odak()->objectName(), "odak");
        QVERIFY(f->Giriliyor());
        QCOMPARE(d.FaaliyetAdiKutusu->text(), ad);
        QCOMPARE(o.vt.Satirlar(), once);
    }

    // The entry belongs to the project it was started for; a duration beyond 32 bits,
    // or a project gone meanwhile, writes nothing and keeps the entry.
    void entryKeepsItsProject()
    {
        Ortam o({{"A", "a", 1, ""}});
        o.vt.ProjeEkle("BOŞ");
        o.ana->ProjeleriEkle();
        ProjeyiSec(*o.ana, "BOŞ");
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        ProjeyiSec(*o.ana, "P");
        Gir(*d, "ilk", "3");
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 0);
        QVERIFY(o.vt.Satirlar().contains("F|BOŞ|A|ilk|3|"));
        QCOMPARE(ListedekiSatirlar(*o.ana), QStringList{"A a 1  0/1"});

        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        Gir(*d, "büyük", "3000000000", "A");
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.metinler(), QStringList{"Hata 20: Öngörülen süre \"3.000.000.000\" kaydedilemiyor: -2.147.483.648 ile 2.147.483.647 arasında bir tam sayı olmalıdır."});
        QCOMPARE(Alanlar(*d), "B|büyük|3.000.000.000|A|A");

        KayitliProje p;
        QVERIFY(!o.vt.depo().ProjeOku("P", p));
        QVERIFY(!o.vt.depo().ProjeSil(p));
        const QStringList once = o.vt.Satirlar();
        Yaz(d->OngorulenSureKutusu, "3");
        o.kayit.Temizle();
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.metinler(), QStringList{"Hata 12: \"P\" projesi artık kayıtlı değil."});
        QCOMPARE(o.vt.Satirlar(), once);
        QCOMPARE(Alanlar(*d), "B|büyük|3|A|A");
    }

    // A link's type and lag are picked by keyboard for the predecessor being added, its
    // rule read beneath; the list shows the link and the ES it gives, the change dialog
    // shows it as stored, and "Sil" takes it with the codes.
    void aLinkHasItsTypeAndLag()
    {
        Ortam o;
        FaaliyetEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        Gir(*d, "Boya", "2");
        d->OncekiFaaliyetleriSecmeKutusu->setCurrentText("A");
        d->BagTuruKutusu->setFocus();
        QTest::keyClick(d->BagTuruKutusu, Qt::Key_Down);
        QTest::keyClick(d->BagTuruKutusu, Qt::Key_Tab);
        QCOMPARE(Odak(), d->GecikmeKutusu);
        QTest::keyClicks(d->GecikmeKutusu, "2");
        QCOMPARE(d->BagKuraliEtiketi->text(), "E, A'nın başlangıcından 2 iş günü sonra başlayabilir (BaBa+2)");
        QTest::keyClick(d->GecikmeKutusu, Qt::Key_Tab);
        QCOMPARE(Odak(), d->EklemeDugmesi);
        QTest::keyClick(d->EklemeDugmesi, Qt::Key_Space);
        d->OncekiFaaliyetleriSecmeKutusu->setCurrentText("B");
        QCOMPARE(d->BagKuraliEtiketi->text(), "E, B bitmeden başlayamaz"); // the next one starts plain
        QCOMPARE(d->OncekiFaaliyetlerKutusu->text(), "A BaBa+2");
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 0);
        QCOMPARE(ListedekiSatirlar(*o.ana).value(4), "E Boya 2 A BaBa+2 2/4");

        FaaliyetDegistirmeFormu* degistir = o.Degistir("E");
        QVERIFY(degistir);
        QCOMPARE(Alanlar(*degistir), "E|Boya|2|A BaBa+2|A,B,C,D");
        QTest::mouseClick(degistir->SilDugmesi, Qt::LeftButton);
        Gir(*degistir, "Boya", "2", "A");
        QTest::mouseClick(degistir->KaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 0);
        QCOMPARE(ListedekiSatirlar(*o.ana).value(4), "E Boya 2 A 3/5");
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
        ProjeyiSec(*o.ana, "P");
        FaaliyetDegistirmeFormu* d = o.Degistir("C");
        QVERIFY(d);
        QCOMPARE(Alanlar(*d), "C|Yapım|4|A|A,B");
        QVERIFY(!d->FaaliyetKoduKutusu->isEnabled());
        QTest::mouseClick(d->SilDugmesi, Qt::LeftButton);
        QTest::mouseClick(d->KaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.son().metin, "ÖNCEKİ FAALİYETLER boş bırakılamaz!");
        Gir(*d, "Kurulum", "4", "B");
        QTest::mouseClick(d->KaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!o.ana->AcikFaaliyetDegistirmeFormu(), 30000);
        QCOMPARE(ListedekiSatirlar(*o.ana).value(2), "C Kurulum 4 B 5/9");
        QCOMPARE(o.ana->KritikYolKutusu->text(), "A,B,C,D");

        d = o.Degistir("D");
        QVERIFY(d);
        Yaz(d->FaaliyetAdiKutusu, "yazılan");
        QCOMPARE(o.Degistir("A"), d);
        QCOMPARE(Alanlar(*d), "A|Tasarım|3||A,B,C");
        ProjeyiSec(*o.ana, "Q");
        QVERIFY(OneGetirVeBekle(d));
        Yaz(d->OngorulenSureKutusu, "5");
        QTest::mouseClick(d->KaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 1);
        QCOMPARE(o.vt.Satirlar().filter("|A|"), (QStringList{"F|P|A|Tasarım|5|", "F|Q|A|q|1|"}));
    }

    // The open change dialog learns at once that its row changed or went elsewhere (an
    // undo, another planner): the box, then the row as it is now, or the dialog closes. A
    // second change arriving while the first one's box is open is the one shown and saved over.
    void changedElsewhereIsSaidBeforeSave()
    {
        Ortam o;
        FaaliyetDegistirmeFormu* d = o.Degistir("D");
        QVERIFY(d);
        Yaz(d->FaaliyetAdiKutusu, "yazılan");
        const KayitliFaaliyet eski = o.ana->belge().plan()->faaliyetler[3];
        o.kayit.AcikkenCalistir([&] {
            if (o.kayit.sayi() == 1)
                QVERIFY(!o.ana->belge().Calistir(
                    FaaliyetDegistirKomutu{"P", o.ana->belge().plan()->faaliyetler[3], {"D", "Kabul", 2, "C"}}));
        });
        QVERIFY(!o.ana->belge().Calistir(FaaliyetDegistirKomutu{"P", eski, {"D", "Ara", 5, "B"}}));
        o.kayit.AcikkenCalistir({});
        QCOMPARE(o.kayit.metinler(), QStringList(2, "\"P\" projesinin D faaliyeti bu pencere açıldıktan sonra başka bir "
                                                    "yerde değiştirildi; alanlar güncel halini gösteriyor."));
        QCOMPARE(Alanlar(*d), "D|Kabul|2|C|A,B,C");
        QVERIFY(!o.ana->belge().Calistir(SonFaaliyetiSilKomutu{"P", o.ana->belge().plan()->faaliyetler}));
        QCOMPARE(o.kayit.son().metin, "\"P\" projesinin D faaliyeti bu pencere açıldıktan sonra başka bir yerde silindi.");
        QTRY_VERIFY_WITH_TIMEOUT(!o.ana->AcikFaaliyetDegistirmeFormu(), 30000);
    }
};

QTEST_MAIN(ActivityDialogsTest)
#include "tst_FaaliyetDiyaloglari.moc"
