// The main window: what it shows of a project, how a failed read leaves it, and its command buttons.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "store/ArizaNoktasi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // A selected project shows its schedule; one without activities leaves nothing of the one before.
    void selectionShowsTheProjectAndItsSchedule()
    {
        GeçiciVeritabanı vt;
        vt.ProjeEkle("ÖRNEK", {2026, 3, 1}, {2026, 3, 11},
                     {{"A", "Tasarım", 3, ""}, {"B", "Alım", 2, "A"}, {"C", "Yapım", 4, "A"}, {"D", "Teslim", 1, "B,C"}});
        vt.ProjeEkle("BOŞ");
        MesajKaydı kayıt;
        TemelForm ana(vt.depo());
        ProjeyiSeç(ana, "ÖRNEK");
        QCOMPARE(ProjeAlanları(ana), (QStringList{"1.03.2026", "11.03.2026", "10", "8", "5", "A,C,D"}));
        QCOMPARE(ListedekiSatırlar(ana).last(), QStringLiteral("D Teslim 1 B,C 7/8"));

        ProjeyiSeç(ana, "BOŞ");
        QCOMPARE(ProjeAlanları(ana), (QStringList{"1.03.2026", "11.03.2026", "10", "", "", ""}));
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);
        QCOMPARE(kayıt.sayı(), 0);
    }

    // A failed read leaves nothing of the project shown before; with nothing to act on the commands ask
    // nothing, and a delete answered "No" ("Yes" is in tst_PencereArizalari): nothing written or changed.
    void commandsChangeNothingWithNothingToActOnOrANo_data()
    {
        QTest::addColumn<QStringList>("seçilenler");
        QTest::addColumn<int>("arıza"); // the read of the last selection that fails, 0 for none
        QTest::addColumn<QStringList>("düğmeler");
        QTest::addColumn<QString>("soru");
        const QStringList satırlar{"FaaliyetDeğiştirDüğmesi", "SonFaaliyetiSilDüğmesi", "TümKayıtlarıSilDüğmesi"};
        const QStringList proje = satırlar + QStringList{"ProjeDeğiştirDüğmesi", "ProjeSilDüğmesi"};
        const QStringList tümü = proje + QStringList{"FaaliyetEkleDüğmesi"};
        QTest::newRow("nothing selected") << QStringList() << 0 << tümü << "";
        QTest::newRow("nothing selected after a reload") << QStringList{"BOŞ", ""} << 0 << tümü << "";
        QTest::newRow("a project without activities") << QStringList{"BOŞ"} << 0 << satırlar << "";
        QTest::newRow("the project's read failed") << QStringList{"ALFA", "BETA"} << 1 << proje << "";
        QTest::newRow("its activities' read failed") << QStringList{"ALFA", "BETA"} << 2 << proje << "";
        const QStringList alfa{"ALFA"};
        QTest::newRow("project delete") << alfa << 0 << QStringList{"ProjeSilDüğmesi"} << "Seçilen projeyi SİLMEK istiyor musunuz?";
        QTest::newRow("last delete") << alfa << 0 << QStringList{"SonFaaliyetiSilDüğmesi"} << "Son faaliyeti SİLMEK istiyor musunuz?";
        QTest::newRow("all delete") << alfa << 0 << QStringList{"TümKayıtlarıSilDüğmesi"} << "Tüm faaliyetleri SİLMEK istiyor musunuz?";
    }
    void commandsChangeNothingWithNothingToActOnOrANo()
    {
        QFETCH(QStringList, seçilenler);
        QFETCH(int, arıza);
        QFETCH(QStringList, düğmeler);
        QFETCH(QString, soru);
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        vt.ProjeEkle("BOŞ");
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        MesajKaydı kayıt;
        kayıt.Yanıtla(QMessageBox::No);
        for (const QString& ad : seçilenler) {
            if (arıza && ad == seçilenler.last())
                ArizaNoktasi::Kur(arıza, DepoHatası::yeni(DepoHatası::Meşgul, QStringLiteral("Veritabanı kilitli.")));
            ad.isEmpty() ? ana.ProjeleriEkle() : ProjeyiSeç(ana, ad);
        }
        ArizaNoktasi::Kaldır();
        if (arıza) {
            QCOMPARE(kayıt.hatalar(), QStringList{"Hata 5: Veritabanı kilitli."});
            QCOMPARE(ana.SeçiliProje(), QStringLiteral("BETA"));
            QCOMPARE(ProjeAlanları(ana).join(QString()) + ListedekiSatırlar(ana).join(QString()), QString());
            kayıt.Temizle();
        }
        const QStringList ekran = ProjeAlanları(ana) + ListedekiSatırlar(ana) << ana.SeçiliProje();
        for (const QString& düğme : düğmeler)
            QTest::mouseClick(ana.findChild<QPushButton*>(düğme), Qt::LeftButton);
        QVERIFY(!ana.AçıkProjeDeğiştirFormu() && !ana.AçıkFaaliyetEklemeFormu() && !ana.AçıkFaaliyetDeğiştirmeFormu());
        QCOMPARE(kayıt.sayı(), soru.isEmpty() ? 0 : 1);
        QCOMPARE(kayıt.son().metin, soru);
        QCOMPARE(kayıt.son().simge, soru.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Question);
        QCOMPARE(vt.Satırlar(), önce);
        QCOMPARE(ProjeAlanları(ana) + ListedekiSatırlar(ana) << ana.SeçiliProje(), ekran);
    }

    // Rows another program wrote without our checks: shown as they are, the schedule's explanation
    // in the critical path box (whole in its tool tip), and no box.
    void foreignRowsAreShownAndExplained()
    {
        QTemporaryDir dizin;
        const QString yol = VeritabanıYolu(dizin.path());
        QVERIFY(DosyadaÇalıştır(yol, {
            "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)",
            "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)",
            "INSERT INTO ProjeTablosu VALUES (1, 'YABANCI', 'yarın', '2026-03-11')",
            "INSERT INTO FaaliyetlerTablosu VALUES (1, 'YABANCI', 'A', 'a', 3, ''), (2, 'YABANCI', 'B', 'b', 'abc', 'A')",
        }));
        const GeçiciBağlantı bağlantı(yol);
        QVERIFY(!bağlantı.hata());
        MesajKaydı kayıt;
        TemelForm ana(bağlantı.depo());
        ProjeyiSeç(ana, "YABANCI");
        QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
        const QString açıklama = "Hesaplanamıyor: B faaliyetinin süresi \"abc\" bir tam sayı değil.";
        QCOMPARE(ana.KritikYolKutusu->text(), açıklama);
        QCOMPARE(ana.KritikYolKutusu->toolTip(), açıklama);
        QCOMPARE(ProjeAlanları(ana).first(), "yarın");
        QCOMPARE(ListedekiSatırlar(ana), (QStringList{"A a 3  0/3", "B b abc A 3/"}));
    }

    // Pressing a dialog's button again brings the same dialog back as it was; the window's exit takes them all.
    void dialogsAreSingleAndGoWithTheWindow()
    {
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        ProjeyiSeç(ana, "ALFA");
        SatırıSeç(ana, "B");
        ErişimTuşu(&ana, Qt::Key_E);
        ProjeEklemeFormu* proje = ana.AçıkProjeEklemeFormu();
        QVERIFY(proje && proje->isWindow() && proje->windowModality() == Qt::NonModal);
        QVERIFY(ÖneGetirVeBekle(proje));
        ErişimTuşu(proje, Qt::Key_E);
        Yaz(proje->ProjeninAdıKutusu, "yarım");
        QVERIFY(ÖneGetirVeBekle(&ana));
        ErişimTuşu(&ana, Qt::Key_E);
        QCOMPARE(ana.AçıkProjeEklemeFormu(), proje);
        QVERIFY(proje->Giriliyor());
        QCOMPARE(proje->ProjeninAdıKutusu->text(), QStringLiteral("yarım"));

        QTest::mouseClick(ana.FaaliyetEkleDüğmesi, Qt::LeftButton);
        FaaliyetEklemeFormu* faaliyet = ana.AçıkFaaliyetEklemeFormu();
        QTest::mouseClick(faaliyet->EkleKaydetDüğmesi, Qt::LeftButton);
        QTest::mouseClick(ana.FaaliyetEkleDüğmesi, Qt::LeftButton);
        QCOMPARE(ana.AçıkFaaliyetEklemeFormu(), faaliyet);
        QVERIFY(faaliyet->Giriliyor());

        QTest::mouseClick(ana.FaaliyetDeğiştirDüğmesi, Qt::LeftButton);
        QTest::mouseClick(ana.ProjeDeğiştirDüğmesi, Qt::LeftButton);
        const QList<QPointer<QWidget>> açık{proje, faaliyet, ana.AçıkFaaliyetDeğiştirmeFormu(), ana.AçıkProjeDeğiştirFormu()};
        QVERIFY(açık[2] && açık[3]);
        QTest::mouseClick(ana.ÇıkışDüğmesi, Qt::LeftButton);
        QVERIFY(!ana.isVisible());
        for (const QPointer<QWidget>& d : açık)
            QVERIFY(!d || !d->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_TemelForm.moc"
