#include "destek/PencereProjeDiyaloglari.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

// ALFA with two activities, BOŞ with none and GAMA with one, on the main window.
struct KomutOrtamı {
    GeçiciVeritabanı vt;
    MesajKaydı kayıt;
    std::unique_ptr<TemelForm> form;
    QStringList önceki;

    explicit KomutOrtamı(bool projelerle = true)
    {
        if (projelerle) {
            vt.ProjeEkle(QStringLiteral("ALFA"), QStringLiteral("2026-03-01"), QStringLiteral("2026-03-11"),
                         {{"A", "Tasarım", "3", ""}, {"B", "Yapım", "4", "A"}});
            vt.ProjeEkle(QStringLiteral("BOŞ"));
            vt.ProjeEkle(QStringLiteral("GAMA"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-21"),
                         {{"A", "Hazırlık", "2", ""}});
        }
        önceki = vt.Satırlar();
        form = std::make_unique<TemelForm>(vt.depo());
    }
};

} // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void deleteAfterYes_data()
    {
        QTest::addColumn<QString>("proje");
        QTest::addColumn<QStringList>("kalan");
        QTest::newRow("with activities") << "ALFA"
                                         << QStringList{"P|BOŞ|2026-03-01|2026-03-11|",
                                                        "P|GAMA|2026-05-01|2026-05-21|", "F|GAMA|A|Hazırlık|2|"};
        QTest::newRow("without activities")
            << "BOŞ"
            << QStringList{"P|ALFA|2026-03-01|2026-03-11|", "P|GAMA|2026-05-01|2026-05-21|",
                           "F|ALFA|A|Tasarım|3|", "F|ALFA|B|Yapım|4|A", "F|GAMA|A|Hazırlık|2|"};
    }
    void deleteAfterYes()
    {
        QFETCH(QString, proje);
        KomutOrtamı o;
        QVERIFY(ÖneGetirVeBekle(o.form.get()));
        ProjeSeç(*o.form, proje);
        ErişimTuşu(o.form.get(), Qt::Key_S);

        QCOMPARE(o.kayıt.sayı(), 1);
        QCOMPARE(o.kayıt.son().başlık, QStringLiteral("Kavrion"));
        QCOMPARE(o.kayıt.son().metin, QStringLiteral("Seçilen projeyi SİLMEK istiyor musunuz?"));
        QCOMPARE(o.kayıt.son().simge, QMessageBox::Question);
        QTEST(o.vt.Satırlar(), "kalan");
        QCOMPARE(o.form->ProjeListesi->Sayı(), 2);
        QVERIFY(!Projeler(*o.form).contains(proje));
        QVERIFY(o.form->SeçiliProje().isEmpty());
        QVERIFY(o.form->BaşlamaTarihiKutusu->text().isEmpty());
        QVERIFY(o.form->TahminiGünSayısıKutusu->text().isEmpty());
        QCOMPARE(o.form->FaaliyetlerListesi->topLevelItemCount(), 0);
    }

    void deleteAfterNoChangesNothing()
    {
        KomutOrtamı o;
        ProjeSeç(*o.form, QStringLiteral("ALFA"));
        o.kayıt.Yanıtla(QMessageBox::No);
        QTest::mouseClick(o.form->ProjeSilDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 1);
        QCOMPARE(o.vt.Satırlar(), o.önceki);
        QCOMPARE(o.form->SeçiliProje(), QStringLiteral("ALFA"));
        QCOMPARE(o.form->FaaliyetlerListesi->topLevelItemCount(), 2);
    }

    // With an empty list, or nothing selected, change and delete do nothing and show nothing.
    void nothingToActOn_data()
    {
        QTest::addColumn<bool>("projelerle");
        QTest::newRow("empty list") << false;
        QTest::newRow("nothing selected") << true;
    }
    void nothingToActOn()
    {
        QFETCH(bool, projelerle);
        KomutOrtamı o(projelerle);
        QVERIFY(ÖneGetirVeBekle(o.form.get()));
        ErişimTuşu(o.form.get(), Qt::Key_D);
        ErişimTuşu(o.form.get(), Qt::Key_S);
        QCOMPARE(o.kayıt.sayı(), 0);
        QVERIFY(!o.form->AçıkProjeDeğiştirFormu());
        QCOMPARE(o.vt.Satırlar(), o.önceki);

        ErişimTuşu(o.form.get(), Qt::Key_E);
        QVERIFY(o.form->AçıkProjeEklemeFormu());
    }

    // Pressing "Proje Ekle" again brings the same dialog back as it was.
    void addAgainBringsTheSameDialog()
    {
        KomutOrtamı o;
        QVERIFY(ÖneGetirVeBekle(o.form.get()));
        ErişimTuşu(o.form.get(), Qt::Key_E);
        ProjeEklemeFormu* d = o.form->AçıkProjeEklemeFormu();
        QVERIFY(d && ÖneGetirVeBekle(d));
        ErişimTuşu(d, Qt::Key_E);
        Yaz(d->ProjeninAdıKutusu, QStringLiteral("yarım"));

        QVERIFY(ÖneGetirVeBekle(o.form.get()));
        ErişimTuşu(o.form.get(), Qt::Key_E);
        QCOMPARE(o.form->AçıkProjeEklemeFormu(), d);
        QVERIFY(ÖneGetirVeBekle(d));
        QCOMPARE(d->EkleKaydetDüğmesi->text(), QStringLiteral("Kaydet"));
        QCOMPARE(d->ProjeninAdıKutusu->text(), QStringLiteral("yarım"));
    }

};

QTEST_MAIN(ProjectCommandsTest)
#include "tst_ProjeKomutlari.moc"
