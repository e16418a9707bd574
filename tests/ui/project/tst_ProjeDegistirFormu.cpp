#include "destek/PencereProjeDiyaloglari.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"

#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

const QLocale Türkçe(QLocale::Turkish, QLocale::Turkey);

// ALFA with two activities and GAMA with one, the main window on them, ALFA selected and
// the change dialog opened on it by Alt+D.
struct DeğiştirmeOrtamı {
    GeçiciVeritabanı vt;
    MesajKaydı kayıt;
    std::unique_ptr<TemelForm> form;
    ProjeDeğiştirFormu* d = nullptr;
    QStringList önceki;

    DeğiştirmeOrtamı()
    {
        vt.ProjeEkle(QStringLiteral("ALFA"), QStringLiteral("2026-03-01"), QStringLiteral("2026-03-11"),
                     {{"A", "Tasarım", "3", ""}, {"B", "Yapım", "4", "A"}});
        vt.ProjeEkle(QStringLiteral("GAMA"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-21"),
                     {{"A", "Hazırlık", "2", ""}});
        önceki = vt.Satırlar();
        form = std::make_unique<TemelForm>(vt.depo());
    }
    // `günSayısı`, when given, stands in the main window's day count before the dialog opens.
    bool Aç(const QString& proje = QStringLiteral("ALFA"), const QString& günSayısı = QString())
    {
        if (!ÖneGetirVeBekle(form.get()))
            return false;
        ProjeSeç(*form, proje);
        if (!günSayısı.isNull())
            form->TahminiGünSayısıKutusu->setText(günSayısı);
        ErişimTuşu(form.get(), Qt::Key_D);
        d = form->AçıkProjeDeğiştirFormu();
        return d && ÖneGetirVeBekle(d);
    }

    QStringList Alanlar() const
    {
        return {d->ProjeninAdıKutusu->text(), d->BaşlamaTarihiKutusu->text(), d->BitişTarihiKutusu->text(),
                d->TahminiGünSayısıKutusu->text()};
    }
};

} // namespace

class ChangeProjectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // The fields come from what the main window shows, its day count included, not from the store.
    void filledFromTheMainWindow()
    {
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç(QStringLiteral("ALFA"), QStringLiteral("99")));

        QCOMPARE(o.d->windowTitle(), QStringLiteral("Proje Değiştir"));
        QCOMPARE(o.Alanlar(), (QStringList{"ALFA", "1.03.2026", "11.03.2026", "99"}));
        QVERIFY(o.d->Çerçeve->isEnabled());
        QCOMPARE(Odak(), o.d->ProjeninAdıKutusu);
        QCOMPARE(SekmeyleGez(5), (QStringList{"BaşlamaTarihiKutusu", "BitişTarihiKutusu", "KaydetDüğmesi",
                                             "VazgeçDüğmesi", "ProjeninAdıKutusu"}));
        QCOMPARE(o.kayıt.sayı(), 0);
    }

    void renameIsCarriedToTheActivities()
    {
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç());
        ProjeYaz(*o.d, QStringLiteral("beta"), QStringLiteral("2.3.26"), QStringLiteral("12.3.26"));
        QTest::keyClick(Odak(), Qt::Key_Tab);
        QCOMPARE(o.Alanlar(), (QStringList{"BETA", "2.03.2026", "12.03.2026", "10"}));
        QTest::keyClick(Odak(), Qt::Key_Space);

        QCOMPARE(o.kayıt.sayı(), 0);
        QCOMPARE(o.vt.Satırlar(), (QStringList{"P|BETA|2026-03-02|2026-03-12|", "P|GAMA|2026-05-01|2026-05-21|",
                                               "F|BETA|A|Tasarım|3|", "F|BETA|B|Yapım|4|A",
                                               "F|GAMA|A|Hazırlık|2|"}));
        QTRY_VERIFY(!o.form->AçıkProjeDeğiştirFormu());
        QCOMPARE(Projeler(*o.form), (QStringList{"BETA", "GAMA"}));
        QVERIFY(o.form->SeçiliProje().isEmpty());
        QVERIFY(o.form->BaşlamaTarihiKutusu->text().isEmpty());
        QCOMPARE(o.form->FaaliyetlerListesi->topLevelItemCount(), 0);
    }

    // Another project clicked in the main window while the dialog is open is not the one saved.
    void saveKeepsTheProjectItWasOpenedFor()
    {
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç());
        ProjeSeç(*o.form, QStringLiteral("GAMA"));
        Yaz(o.d->ProjeninAdıKutusu, QStringLiteral("delta"));
        QTest::mouseClick(o.d->KaydetDüğmesi, Qt::LeftButton);

        QCOMPARE(o.kayıt.sayı(), 0);
        QCOMPARE(o.vt.Satırlar(), (QStringList{"P|DELTA|2026-03-01|2026-03-11|", "P|GAMA|2026-05-01|2026-05-21|",
                                               "F|DELTA|A|Tasarım|3|", "F|DELTA|B|Yapım|4|A",
                                               "F|GAMA|A|Hazırlık|2|"}));
    }

    // Refused saves leave the store as it was and the dialog open with what was typed.
    void refusedSaveKeepsTheDialog_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<bool>("projeSilinir");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("name taken") << "gama" << false << "Hata 19: Bu adla kayıtlı bir proje zaten var."
                                    << "ProjeninAdıKutusu";
        QTest::newRow("project gone") << "beta" << true << "Hata 12: \"ALFA\" projesi artık kayıtlı değil"
                                      << "KaydetDüğmesi";
    }
    void refusedSaveKeepsTheDialog()
    {
        QFETCH(QString, ad);
        QFETCH(bool, projeSilinir);
        QFETCH(QString, mesaj);
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç());
        if (projeSilinir) {
            QVERIFY(!o.vt.depo().ProjeSil(QStringLiteral("ALFA")));
            o.önceki = o.vt.Satırlar();
        }
        Yaz(o.d->ProjeninAdıKutusu, ad);
        QTest::mouseClick(o.d->KaydetDüğmesi, Qt::LeftButton);

        QCOMPARE(o.kayıt.sayı(), 1);
        QCOMPARE(o.kayıt.son().başlık, QStringLiteral("Kavrion"));
        QVERIFY2(o.kayıt.son().metin.startsWith(mesaj), qPrintable(o.kayıt.son().metin));
        QCOMPARE(o.vt.Satırlar(), o.önceki);
        QTest::qWait(0);
        QCOMPARE(o.form->AçıkProjeDeğiştirFormu(), o.d);
        QVERIFY(o.d->isVisible());
        QCOMPARE(o.d->ProjeninAdıKutusu->text(), ad.toUpper());
        QTEST(Odak()->objectName(), "odak");
    }

    void closingWritesNothing_data()
    {
        QTest::addColumn<QString>("nasıl");
        QTest::newRow("Vazgeç") << "Vazgeç";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "kapat";
    }
    void closingWritesNothing()
    {
        QFETCH(QString, nasıl);
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç());
        ProjeYaz(*o.d, QStringLiteral("beta"), QStringLiteral("2.3.2026"), QStringLiteral("5.3.2026"));
        if (nasıl == QStringLiteral("Vazgeç"))
            QTest::mouseClick(o.d->VazgeçDüğmesi, Qt::LeftButton);
        else if (nasıl == QStringLiteral("Esc"))
            QTest::keyClick(Odak(), Qt::Key_Escape);
        else
            o.d->close();
        QTRY_VERIFY(!o.form->AçıkProjeDeğiştirFormu());
        QCOMPARE(o.vt.Satırlar(), o.önceki);
        QCOMPARE(o.kayıt.sayı(), 0);
    }

    // "Proje Değiştir" again while the dialog is open: the same dialog, filled anew.
    void reopeningRefillsTheSameDialog()
    {
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç());
        ProjeDeğiştirFormu* ilk = o.d;
        Yaz(o.d->ProjeninAdıKutusu, QStringLiteral("yazılan"));
        QVERIFY(o.Aç(QStringLiteral("GAMA")));
        QCOMPARE(o.d, ilk);
        QCOMPARE(o.Alanlar(), (QStringList{"GAMA", "1.05.2026", "21.05.2026", "20"}));
        QTest::mouseClick(o.d->KaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.vt.Satırlar(), o.önceki);
        QCOMPARE(o.kayıt.sayı(), 0);
    }

    // Saving at once writes the same values back. A day count copied from the main window
    // that is not a number does not stop it: the dates decide.
    void dayCountThatIsNotANumber()
    {
        DeğiştirmeOrtamı o;
        QVERIFY(o.Aç(QStringLiteral("ALFA"), QStringLiteral("")));
        QTest::mouseClick(o.d->KaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 0);
        QCOMPARE(o.vt.Satırlar(), o.önceki);
        QTRY_VERIFY(!o.form->AçıkProjeDeğiştirFormu());
    }
};

QTEST_MAIN(ChangeProjectDialogTest)
#include "tst_ProjeDegistirFormu.moc"
