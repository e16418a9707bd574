// Progress and baselines entered in their windows, each a command: the analysis table, its
// status line and the Gantt chart follow, and undo takes each back.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/Yereller.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/analysis/GanttAlani.h"
#include "ui/progress/IlerlemePenceresi.h"
#include "ui/progress/TabanPlanlariPenceresi.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace {

// Kazı 2–4 March, Temel 5–6 March 2026, every day a working day.
void PlaniKur(GeciciVeritabani& vt)
{
    vt.ProjeEkle("P", {2026, 3, 2}, {2026, 3, 20}, {{"A", "Kazı", 3, ""}, {"B", "Temel", 2, "A"}});
}

// The analysis table's cell of row i under the header `baslik`.
QString Hucre(AnalizPenceresi* analiz, int i, const QString& baslik)
{
    const QAbstractItemModel* model = analiz->tablo()->model();
    for (int sutun = 0; sutun < model->columnCount(); ++sutun) {
        if (model->headerData(sutun, Qt::Horizontal).toString() == baslik)
            return model->index(i, sutun).data().toString();
    }
    return "(no column " + baslik + ")";
}

// Opens the analysis window, selects row A and opens the progress window from there by its key.
IlerlemePenceresi* IlerlemeyiAc(AnaPencere& ana, AnalizPenceresi*& analiz)
{
    ana.AnalizPenceresiniAc();
    analiz = ana.AcikAnalizPenceresi();
    if (!analiz || !OneGetirVeBekle(analiz))
        return nullptr;
    analiz->SatiriSec(0);
    QTest::keyClick(analiz, Qt::Key_L, Qt::ControlModifier);
    auto* pencere = IlerlemePenceresi::Acik(&ana);
    return pencere && OneGetirVeBekle(pencere) ? pencere : nullptr;
}

} // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // A started two days late with a day left on the 5th: B and the finish move two days past
    // the plan; undo brings back the forecast from the status date alone, and the fields.
    void aLateStartMovesTheForecastAndUndoMovesItBack()
    {
        GeciciVeritabani vt;
        PlaniKur(vt);
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "P");
        AnalizPenceresi* analiz = nullptr;
        IlerlemePenceresi* pencere = IlerlemeyiAc(ana, analiz);
        QVERIFY(pencere);
        QCOMPARE(QAccessible::queryAccessibleInterface(pencere)->role(), QAccessible::Dialog);
        for (QWidget* alan : std::initializer_list<QWidget*>{pencere->durumTarihiKutusu(), pencere->faaliyetKutusu(),
                                                            pencere->baslamaKutusu(), pencere->bitisKutusu(),
                                                            pencere->yuzdeKutusu(), pencere->kalanKutusu()})
            QVERIFY2(!ErisilebilirAd(alan).isEmpty(), qPrintable(alan->metaObject()->className()));
        QCOMPARE(pencere->faaliyetKutusu()->currentData().toString(), "A");
        QCOMPARE(analiz->tablo()->model()->columnCount(), 12);
        QVERIFY(analiz->ilerleme()->isHidden());
        const QRectF plandaki = analiz->gantt()->Sec(1);

        Yaz(pencere->durumTarihiKutusu(), "5.03.2026");
        QTest::keyClick(pencere->durumTarihiKutusu(), Qt::Key_Return);
        QTRY_COMPARE(Hucre(analiz, 1, "Tahmini Bitiş"), "10.03.2026");
        const QString yalnizDurum = analiz->ilerleme()->text();
        QVERIFY2(yalnizDurum.contains("Tahmini bitiş: 10.03.2026"), qPrintable(yalnizDurum));

        Yaz(pencere->baslamaKutusu(), "4.03.2026");
        pencere->kalanKutusu()->setValue(1);
        QCOMPARE(pencere->yuzdeKutusu()->value(), 67);
        QTest::mouseClick(pencere->uygulaDugmesi(), Qt::LeftButton);
        QTRY_COMPARE(Hucre(analiz, 1, "Tahmini Başlama"), "7.03.2026");
        QCOMPARE(Hucre(analiz, 1, "Tahmini Bitiş"), "8.03.2026");
        QCOMPARE(Hucre(analiz, 1, "Bitiş"), "6.03.2026");
        QCOMPARE(Hucre(analiz, 0, "Gerçek Başlama"), "4.03.2026");
        QCOMPARE(Hucre(analiz, 0, "Kalan"), "1");
        QVERIFY(analiz->ilerleme()->text().contains("Tahmini bitiş: 8.03.2026"));
        QCOMPARE(analiz->gantt()->Sec(1).left(), plandaki.left() + 2 * analiz->gantt()->GunGenisligi());

        ana.GeriAl();
        QTRY_COMPARE(Hucre(analiz, 1, "Tahmini Bitiş"), "10.03.2026");
        QCOMPARE(analiz->ilerleme()->text(), yalnizDurum);
        QCOMPARE(pencere->baslamaKutusu()->text(), "");
        QCOMPARE(pencere->kalanKutusu()->value(), 3);
        ana.GeriAl();
        QTRY_COMPARE(analiz->tablo()->model()->columnCount(), 12);
        QCOMPARE(pencere->durumTarihiKutusu()->text(), "");
        QCOMPARE(analiz->gantt()->Sec(1), plandaki);
        QCOMPARE(kayit.sayi(), 0);
    }

    // A refused entry is one box with the rule's reason; nothing is stored and nothing shown moves.
    void aRefusedEntryChangesNothing_data()
    {
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<int>("yuzde");
        QTest::newRow("finish before start") << "4.03.2026" << "3.03.2026" << 100;
        QTest::newRow("after the status date") << "6.03.2026" << "" << 10;
        QTest::newRow("finish under 100 %") << "2.03.2026" << "4.03.2026" << 90;
    }
    void aRefusedEntryChangesNothing()
    {
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        QFETCH(int, yuzde);
        GeciciVeritabani vt;
        PlaniKur(vt);
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "P");
        AnalizPenceresi* analiz = nullptr;
        IlerlemePenceresi* pencere = IlerlemeyiAc(ana, analiz);
        QVERIFY(pencere);
        Yaz(pencere->durumTarihiKutusu(), "5.03.2026");
        QTest::keyClick(pencere->durumTarihiKutusu(), Qt::Key_Return);
        QTRY_COMPARE(Hucre(analiz, 1, "Tahmini Bitiş"), "10.03.2026");
        const QStringList satirlar = vt.Satirlar();
        Yaz(pencere->baslamaKutusu(), baslama);
        Yaz(pencere->bitisKutusu(), bitis);
        pencere->yuzdeKutusu()->setValue(yuzde);
        QTest::mouseClick(pencere->uygulaDugmesi(), Qt::LeftButton);
        QCOMPARE(kayit.sayi(), 1);
        QVERIFY(!kayit.son().metin.isEmpty());
        QCOMPARE(vt.Satirlar(), satirlar);
        QVERIFY(ana.belge().plan()->proje.ilerleme.faaliyetler.isEmpty());
        QCOMPARE(Hucre(analiz, 0, "Gerçek Başlama"), "");
        QCOMPARE(Hucre(analiz, 1, "Tahmini Bitiş"), "10.03.2026");
    }

    // Saved, renamed, chosen for the comparison and deleted, each by its button and each undone.
    void eachBaselineChangeIsUndone()
    {
        GeciciVeritabani vt;
        PlaniKur(vt);
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ProjeyiSec(ana, "P");
        ana.TabanPlaniKaydet();
        TabanPlanlariPenceresi* pencere = ana.AcikTabanPlanlariPenceresi();
        QVERIFY(pencere && OneGetirVeBekle(pencere));
        QCOMPARE(QAccessible::queryAccessibleInterface(pencere)->role(), QAccessible::Dialog);
        QCOMPARE(Odak(), pencere->adKutusu());
        QVERIFY(!ErisilebilirAd(pencere->adKutusu()).isEmpty());
        QVERIFY(!ErisilebilirAd(pencere->liste()).isEmpty());
        const auto satirlar = [&] {
            QStringList metin;
            for (int i = 0; i < pencere->liste()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* s = pencere->liste()->topLevelItem(i);
                metin << QStringList{s->text(0), s->text(1), s->text(3), s->text(4)}.join('|');
            }
            return metin;
        };
        const auto adim = [&](QPushButton* dugme, const QStringList& sonra, const QStringList& once) {
            QTest::mouseClick(dugme, Qt::LeftButton);
            QTRY_COMPARE(satirlar(), sonra);
            ana.GeriAl();
            QTRY_COMPARE(satirlar(), once);
            ana.Yinele();
            QTRY_COMPARE(satirlar(), sonra);
            pencere->liste()->setCurrentItem(pencere->liste()->topLevelItem(0));
        };
        Tusla(pencere->adKutusu(), "İlk");
        adim(pencere->kaydetDugmesi(), {"0|İlk|6.03.2026|"}, {});
        pencere->adKutusu()->setText("Onaylı");
        adim(pencere->adlandirDugmesi(), {"0|Onaylı|6.03.2026|"}, {"0|İlk|6.03.2026|"});
        adim(pencere->secDugmesi(), {"0|Onaylı|6.03.2026|Evet"}, {"0|Onaylı|6.03.2026|"});
        adim(pencere->silDugmesi(), {}, {"0|Onaylı|6.03.2026|Evet"});
        QCOMPARE(kayit.metinler(), QStringList{"\"Onaylı\" taban planı silinsin mi?"});
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "tst_IlerlemePenceresi.moc"
