#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QVector<Faaliyet> Örnek{{"A", "Tasarım", "3", ""}, {"B", "Alım", "2", "A"},
                              {"C", "Yapım", "4", "A"}, {"D", "Teslim", "1", "B,C"}};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    void startUpListsProjectsInTheOrderAdded()
    {
        GeçiciVeritabanı vt;
        for (const char* ad : {"ZETA", "ALFA", "MU"})
            vt.ProjeEkle(QString::fromUtf8(ad));
        TemelForm ana(vt.depo());
        QCOMPARE(ana.ProjeListesi->Sayı(), 3);
        QCOMPARE(ana.ProjeListesi->Metin(0), QStringLiteral("ZETA"));
        QVERIFY(ana.SeçiliProje().isEmpty());
        QVERIFY(ana.BaşlamaTarihiKutusu->text().isEmpty());
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);
    }

    void selectionFillsEveryField()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("BOŞ"));
        vt.ProjeEkle(QStringLiteral("ÖRNEK"), "2026-03-01", "2026-03-11", Örnek);
        MesajKaydı kayıt;
        TemelForm ana(vt.depo());
        ProjeyiSeç(ana, QStringLiteral("ÖRNEK"));
        QCOMPARE(ana.BaşlamaTarihiKutusu->text(), QStringLiteral("1.03.2026"));
        QCOMPARE(ana.BitişTarihiKutusu->text(), QStringLiteral("11.03.2026"));
        QCOMPARE(ana.TahminiGünSayısıKutusu->text(), QStringLiteral("10"));
        QCOMPARE(ListedekiSatırlar(ana).size(), 4);
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItem(3)->text(5), QStringLiteral("8"));
        QCOMPARE(ana.EnGeçGünSayısıKutusu->text(), QStringLiteral("8"));
        QCOMPARE(ana.EnErkenGünSayısıKutusu->text(), QStringLiteral("5"));
        QCOMPARE(ana.KritikYolKutusu->text(), QStringLiteral("A,C,D"));

        // A project without activities empties the results; a refill keeps them.
        ProjeyiSeç(ana, QStringLiteral("BOŞ"));
        QVERIFY(ana.KritikYolKutusu->text().isEmpty());
        ProjeyiSeç(ana, QStringLiteral("ÖRNEK"));
        ana.ProjeleriEkle();
        QVERIFY(ana.SeçiliProje().isEmpty());
        QVERIFY(ana.BaşlamaTarihiKutusu->text().isEmpty());
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);
        QCOMPARE(ana.KritikYolKutusu->text(), QStringLiteral("A,C,D"));
        QCOMPARE(ana.EnGeçGünSayısıKutusu->text(), QStringLiteral("8"));
        QCOMPARE(kayıt.sayı(), 0);
    }

    void keyboardSelectionShowsTheProject()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("ÖRNEK"), "2026-03-01", "2026-03-11", Örnek);
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        ana.ProjeListesi->setFocus();
        QTest::keyClick(ana.ProjeListesi, Qt::Key_Down);
        if (ana.SeçiliProje().isEmpty())
            QTest::keyClick(ana.ProjeListesi, Qt::Key_Space);
        QCOMPARE(ana.KritikYolKutusu->text(), QStringLiteral("A,C,D"));
    }

    void notComputableExplainsWithoutABox()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("P"), "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}, {"B", "b", "1", "D"}});
        MesajKaydı kayıt;
        TemelForm ana(vt.depo());
        ProjeyiSeç(ana, QStringLiteral("P"));
        QVERIFY(ana.KritikYolKutusu->text().contains(QStringLiteral("D tanımlı değil")));
        QCOMPARE(kayıt.sayı(), 0);
    }

    void escAndCloseBoxEndIt()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        QTest::keyClick(&ana, Qt::Key_Escape);
        QVERIFY(!ana.isVisible());
        QVERIFY(Etkinleştir(&ana));
        QVERIFY(ana.close());
        QVERIFY(!ana.isVisible());
    }

    void tabOrderSkipsReadOnlyBoxes()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("P"));
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        ana.ProjeListesi->setFocus();
        const QList<QWidget*> sıra{ana.ProjeEkleDüğmesi, ana.ProjeDeğiştirDüğmesi, ana.ProjeSilDüğmesi,
                                   ana.FaaliyetlerListesi, ana.FaaliyetEkleDüğmesi, ana.FaaliyetDeğiştirDüğmesi,
                                   ana.SonFaaliyetiSilDüğmesi, ana.TümKayıtlarıSilDüğmesi, ana.ÇıkışDüğmesi,
                                   ana.ProjeListesi};
        for (QWidget* beklenen : sıra) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), beklenen);
        }
    }

    void geometryAt96Dpi()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QCOMPARE(ana.size(), QSize(794, 568));
        QCOMPARE(ana.minimumSize(), ana.maximumSize());
        QVERIFY(!(ana.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(ana.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(ana.windowTitle(), QStringLiteral("Zelvora - CPM (Kritik Yol Yöntemi) Uygulaması"));
        QCOMPARE(ana.ProjeListesi->geometry(), QRect(18, 38, 157, 420));
        QCOMPARE(ana.KritikYolKutusu->parentWidget(), static_cast<QWidget*>(ana.Çerçeve));
        QCOMPARE(ana.KritikYolKutusu->geometry(), QRect(424, 20, 141, 21));
        QCOMPARE(ana.ÇıkışDüğmesi->geometry(), QRect(692, 524, 83, 23));
        QCOMPARE(ana.FaaliyetlerListesi->columnWidth(4), 123);
        QVERIFY(!ana.windowIcon().isNull());
    }

    void readableByAssistiveTools()
    {
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QCOMPARE(ana.ProjeListesi->accessibleName(), QStringLiteral("Projeler"));
        QCOMPARE(ana.FaaliyetlerListesi->accessibleName(), QStringLiteral("Faaliyetler"));
        QCOMPARE(ana.EnErkenGünSayısıKutusu->accessibleName(), QStringLiteral("Projenin En Erken Bitiş Gün Sayısı"));
        const auto etiketler = ana.findChildren<QLabel*>();
        int arkadaşlı = 0;
        for (QLabel* etiket : etiketler)
            arkadaşlı += etiket->buddy() != nullptr;
        QCOMPARE(arkadaşlı, 8);
        QVERIFY(ana.KritikYolKutusu->isReadOnly());
        QCOMPARE(ana.KritikYolKutusu->focusPolicy(), Qt::ClickFocus);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_TemelForm.moc"
