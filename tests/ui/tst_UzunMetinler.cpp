// Texts longer than a text field used to hold are saved back exactly as they were read.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/project/ProjeDegistirFormu.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

class LongTextTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // "Kaydet" with nothing typed: the name and the predecessors go back whole, and a
    // project keeps its activities under the very same name.
    void unchangedLongTextsAreStoredExactly()
    {
        const QString ad = QStringLiteral("UZUN ").repeated(8000);         // 40,000 characters
        const QString oncekiler = QStringLiteral("A,").repeated(512 * 1024).chopped(1); // a megabyte
        GeciciVeritabani vt;
        vt.ProjeEkle(ad, QDate(2026, 3, 1), QDate(2026, 3, 11),
                     {{"A", "a", 1, ""}, {"B", "b", 2, oncekiler}});
        const QStringList once = vt.Satirlar();
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, ad);

        SatiriSec(ana, QStringLiteral("B"));
        auto* faaliyet = DiyaloguAc(ana, ana.FaaliyetDegistirDugmesi, &TemelForm::AcikFaaliyetDegistirmeFormu);
        QVERIFY(faaliyet);
        QCOMPARE(faaliyet->OncekiFaaliyetlerKutusu->text().size(), oncekiler.size());
        faaliyet->KaydetDugmesi->click();
        QCOMPARE(kayit.sayi(), 0);
        QCOMPARE(vt.Satirlar(), once);

        auto* proje = DiyaloguAc(ana, ana.ProjeDegistirDugmesi, &TemelForm::AcikProjeDegistirFormu);
        QVERIFY(proje);
        proje->KaydetDugmesi->click();
        QCOMPARE(kayit.sayi(), 0);
        QCOMPARE(vt.Satirlar(), once);
    }
};

QTEST_MAIN(LongTextTest)
#include "tst_UzunMetinler.moc"
