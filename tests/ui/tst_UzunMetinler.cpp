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
    void init() { QLocale::setDefault(Türkçe); }

    // "Kaydet" with nothing typed: the name and the predecessors go back whole, and a
    // project keeps its activities under the very same name.
    void unchangedLongTextsAreStoredExactly()
    {
        const QString ad = QStringLiteral("UZUN ").repeated(8000);         // 40,000 characters
        const QString öncekiler = QStringLiteral("A,").repeated(512 * 1024).chopped(1); // a megabyte
        GeçiciVeritabanı vt;
        vt.ProjeEkle(ad, QDate(2026, 3, 1), QDate(2026, 3, 11),
                     {{"A", "a", 1, ""}, {"B", "b", 2, öncekiler}});
        const QStringList önce = vt.Satırlar();
        MesajKaydı kayıt;
        TemelForm ana(vt.depo());
        ProjeyiSeç(ana, ad);

        SatırıSeç(ana, QStringLiteral("B"));
        auto* faaliyet = DiyaloğuAç(ana, ana.FaaliyetDeğiştirDüğmesi, &TemelForm::AçıkFaaliyetDeğiştirmeFormu);
        QVERIFY(faaliyet);
        QCOMPARE(faaliyet->ÖncekiFaaliyetlerKutusu->text().size(), öncekiler.size());
        faaliyet->KaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QCOMPARE(vt.Satırlar(), önce);

        auto* proje = DiyaloğuAç(ana, ana.ProjeDeğiştirDüğmesi, &TemelForm::AçıkProjeDeğiştirFormu);
        QVERIFY(proje);
        proje->KaydetDüğmesi->click();
        QCOMPARE(kayıt.sayı(), 0);
        QCOMPARE(vt.Satırlar(), önce);
    }
};

QTEST_MAIN(LongTextTest)
#include "tst_UzunMetinler.moc"
