// Undo and redo as the user meets them: the Edit menu's keys after each command kind,
// the names the menu gives the steps, the history dialog going back to a point, and a
// history that outlives the window.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/analysis/AnalizPenceresi.h"
#include "ui/history/GecmisPenceresi.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QComboBox>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>

using Eylem = std::function<void(TemelForm&)>;
Q_DECLARE_METATYPE(Eylem)
// Opens a window of Kavrion and gives it.
using Pencere = std::function<QWidget*(TemelForm&)>;
Q_DECLARE_METATYPE(Pencere)

namespace {

void Tikla(QPushButton* dugme)
{
    QTest::mouseClick(dugme, Qt::LeftButton);
}

void ProjeEkle(TemelForm& ana, const QString& ad)
{
    auto* d = DiyaloguAc(ana, ana.ProjeEkleDugmesi, &TemelForm::AcikProjeEklemeFormu);
    QVERIFY(d);
    Tikla(d->EkleKaydetDugmesi);
    d->ProjeninAdiKutusu->setText(ad);
    d->BaslamaTarihiKutusu->setText("1.04.2026");
    d->BitisTarihiKutusu->setText("30.04.2026");
    Tikla(d->EkleKaydetDugmesi);
    d->close();
}

void FaaliyetEkle(TemelForm& ana, const QString& ad, const QString& oncekiler)
{
    auto* d = DiyaloguAc(ana, ana.FaaliyetEkleDugmesi, &TemelForm::AcikFaaliyetEklemeFormu);
    QVERIFY(d);
    Tikla(d->EkleKaydetDugmesi);
    d->FaaliyetAdiKutusu->setText(ad);
    d->OngorulenSureKutusu->setText("2");
    for (const QString& onceki : oncekiler.split(',')) {
        d->OncekiFaaliyetleriSecmeKutusu->setCurrentText(onceki);
        Tikla(d->EklemeDugmesi);
    }
    Tikla(d->EkleKaydetDugmesi);
    d->close();
}

void Tus(QWidget* pencere, QKeyCombination tus)
{
    QVERIFY(OneGetirVeBekle(pencere));
    QTest::keyClick(pencere, tus.key(), tus.keyboardModifiers());
}

// The code of the activity row selected in the main window; empty for none.
QString SeciliFaaliyet(const TemelForm& ana)
{
    const auto secili = ana.FaaliyetlerListesi->selectedItems();
    return secili.isEmpty() ? QString() : secili.first()->text(0);
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // Each kind of command through its window; Ctrl+Z brings both tables back and shows the project
    // it changed with the activity it brought back, Ctrl+Y and Ctrl+Shift+Z write it again; the menu
    // names the step either way. The keys work from the other windows too.
    void undoAndRedoEveryCommand_data()
    {
        QTest::addColumn<QString>("secilen");
        QTest::addColumn<Eylem>("eylem");
        QTest::addColumn<QString>("adim");
        QTest::addColumn<QString>("gosterilen"); // selected after the undo
        QTest::addColumn<QString>("faaliyet");   // and its activity
        QTest::addColumn<Pencere>("pencere");    // where the keys are pressed; none: the main window
        QTest::newRow("project add") << "" << Eylem([](TemelForm& a) { ProjeEkle(a, "GAMA"); })
                                     << "Proje Ekle – GAMA" << "" << "" << Pencere();
        QTest::newRow("project change") << "ALFA" << Eylem([](TemelForm& a) {
            auto* d = DiyaloguAc(a, a.ProjeDegistirDugmesi, &TemelForm::AcikProjeDegistirFormu);
            QVERIFY(d);
            d->ProjeninAdiKutusu->setText("ALFA & CO");
            Tikla(d->KaydetDugmesi);
        }) << "Proje Değiştir – ALFA → ALFA && CO" << "ALFA" << "" << Pencere();
        QTest::newRow("project delete") << "ALFA" << Eylem([](TemelForm& a) { Tikla(a.ProjeSilDugmesi); })
                                        << "Proje Sil – ALFA" << "ALFA" << "" << Pencere();
        QTest::newRow("activity add") << "ALFA" << Eylem([](TemelForm& a) { FaaliyetEkle(a, "Teslim", "B,C"); })
                                      << "Faaliyet Ekle (D) – ALFA" << "ALFA" << "" << Pencere();
        QTest::newRow("activity change") << "ALFA" << Eylem([](TemelForm& a) {
            SatiriSec(a, "B");
            auto* d = DiyaloguAc(a, a.FaaliyetDegistirDugmesi, &TemelForm::AcikFaaliyetDegistirmeFormu);
            QVERIFY(d);
            d->OngorulenSureKutusu->setText("9");
            Tikla(d->KaydetDugmesi);
        }) << "Faaliyet Değiştir (B) – ALFA" << "ALFA" << "B" << Pencere();
        const Eylem sonuSil = [](TemelForm& a) { Tikla(a.SonFaaliyetiSilDugmesi); };
        QTest::newRow("last delete") << "ALFA" << sonuSil << "Son Faaliyeti Sil (C) – ALFA" << "ALFA" << "C"
                                     << Pencere();
        QTest::newRow("all delete") << "BETA" << Eylem([](TemelForm& a) { Tikla(a.TumKayitlariSilDugmesi); })
                                    << "Tüm Faaliyetleri Sil – BETA" << "BETA" << "" << Pencere();
        QTest::newRow("from the analysis window") << "ALFA" << sonuSil << "Son Faaliyeti Sil (C) – ALFA" << "ALFA"
                                                  << "C" << Pencere([](TemelForm& a) -> QWidget* {
            a.AnalizPenceresiniAc();
            return a.AcikAnalizPenceresi();
        });
        QTest::newRow("from the history") << "ALFA" << sonuSil << "Son Faaliyeti Sil (C) – ALFA" << "ALFA" << "C"
                                          << Pencere([](TemelForm& a) -> QWidget* {
            a.GecmisiAc();
            return a.AcikGecmisPenceresi();
        });
    }
    void undoAndRedoEveryCommand()
    {
        QFETCH(QString, secilen);
        QFETCH(Eylem, eylem);
        QFETCH(QString, adim);
        QFETCH(QString, gosterilen);
        QFETCH(QString, faaliyet);
        QFETCH(Pencere, pencere);
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        if (!secilen.isEmpty())
            ProjeyiSec(ana, secilen);
        const QStringList once = vt.Satirlar();
        QVERIFY(!ana.yineleEylemi()->isEnabled());
        eylem(ana);
        const QStringList sonra = vt.Satirlar();
        QVERIFY(sonra != once);
        QCOMPARE(ana.geriAlEylemi()->text(), "&Geri Al: " + adim);
        QWidget* tuslanan = pencere ? pencere(ana) : &ana;

        Tus(tuslanan, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(vt.Satirlar(), once);
        QCOMPARE(ana.SeciliProje(), gosterilen);
        QCOMPARE(SeciliFaaliyet(ana), faaliyet);
        if (!gosterilen.isEmpty())
            QCOMPARE(ana.belge().plan()->faaliyetler.size(), secilen == "ALFA" ? 3 : 1);
        QCOMPARE(ana.yineleEylemi()->text(), "&Yinele: " + adim);
        QVERIFY(ana.geriAlEylemi()->text() != "&Geri Al: " + adim);

        Tus(tuslanan, Qt::CTRL | Qt::Key_Y);
        QCOMPARE(vt.Satirlar(), sonra);
        Tus(tuslanan, Qt::CTRL | Qt::Key_Z);
        Tus(tuslanan, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(vt.Satirlar(), sonra);
        QCOMPARE(ana.geriAlEylemi()->text(), "&Geri Al: " + adim);
        QCOMPARE(kayit.hatalar(), QStringList());
    }

    // In a project longer than its list, the row an undo brings back is selected and scrolled to.
    void undoShowsTheActivityInALongProject()
    {
        GeciciVeritabani vt;
        TamProje uzun{{"UZUN", QDate(2026, 3, 1), QDate(2026, 3, 11)}, {}, {}, Dagilim::Pert};
        for (char16_t kod = u'A'; kod <= u'~'; ++kod)
            uzun.faaliyetler.append({QString(QChar(kod)), "iş", 1, ""});
        QVERIFY(!vt.depo().IlkIcerikYaz({uzun}));
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        ProjeyiSec(ana, "UZUN");
        Tikla(ana.SonFaaliyetiSilDugmesi);
        Tus(&ana, Qt::CTRL | Qt::Key_Z);
        QTreeWidget* liste = ana.FaaliyetlerListesi;
        QCOMPARE(liste->topLevelItemCount(), 62);
        QCOMPARE(SeciliFaaliyet(ana), QStringLiteral("~"));
        QVERIFY(liste->viewport()->rect().contains(liste->visualItemRect(liste->topLevelItem(61))));
    }

    // "Geçmiş…" lists the steps with the point the file stands at; going back to a step undoes
    // the later ones, which stay there to be redone, and forward again redoes them.
    void historyGoesBackToAPoint()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        ProjeyiSec(ana, "ALFA");
        FaaliyetEkle(ana, "Bir", "A");
        const QStringList ilk = vt.Satirlar();
        FaaliyetEkle(ana, "İki", "D");
        Tikla(ana.TumKayitlariSilDugmesi);
        const QStringList son = vt.Satirlar();
        // An entry under way follows: its code is the next one of the file as it stands.
        auto* ekleme = DiyaloguAc(ana, ana.FaaliyetEkleDugmesi, &TemelForm::AcikFaaliyetEklemeFormu);
        Tikla(ekleme->EkleKaydetDugmesi);

        ana.GecmisiAc();
        GecmisPenceresi* gecmis = ana.AcikGecmisPenceresi();
        QVERIFY(gecmis);
        // The sample's own rows came first, each a step too.
        QTreeWidget* liste = gecmis->liste();
        const int n = liste->topLevelItemCount();
        QCOMPARE(liste->currentItem(), liste->topLevelItem(n - 1));
        QCOMPARE(liste->topLevelItem(n - 3)->text(1), QStringLiteral("Faaliyet Ekle (D) – ALFA"));
        liste->setCurrentItem(liste->topLevelItem(n - 3));
        gecmis->NoktayaDonDugmesi_Click();
        QCOMPARE(vt.Satirlar(), ilk);
        QCOMPARE(liste->currentItem(), liste->topLevelItem(n - 3));
        QCOMPARE(ana.yineleEylemi()->text(), QStringLiteral("&Yinele: Faaliyet Ekle (E) – ALFA"));
        QCOMPARE(ekleme->FaaliyetKoduKutusu->text(), QStringLiteral("E"));
        // A field being typed in keeps Ctrl+Z for its own text.
        QVERIFY(OneGetirVeBekle(ekleme));
        Yaz(ekleme->FaaliyetAdiKutusu, "Üç");
        QTest::keyClick(ekleme->FaaliyetAdiKutusu, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ekleme->FaaliyetAdiKutusu->text(), QString());
        QCOMPARE(vt.Satirlar(), ilk);
        // Back to before the sample added BETA and forward to the end, over the step that
        // adds it: the list follows too, though the last step is on ALFA's activities.
        liste->setCurrentItem(liste->topLevelItem(4));
        gecmis->NoktayaDonDugmesi_Click();
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList({"ALFA"}));
        liste->setCurrentItem(liste->topLevelItem(n - 1));
        gecmis->NoktayaDonDugmesi_Click();
        QCOMPARE(vt.Satirlar(), son);
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList({"ALFA", "BETA"}));
        QCOMPARE(ana.SeciliProje(), QStringLiteral("ALFA"));
        QCOMPARE(kayit.hatalar(), QStringList());
    }

    // The history is in the file: a window started afresh undoes the step of the one before. A step
    // whose row another program changed since is refused with a box, and nothing is written; going
    // back past it undoes the later steps and says where it stopped.
    void historyOutlivesTheWindowAndRefusesChangedRows()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        MesajKaydi kayit;
        const QStringList once = vt.Satirlar();
        {
            AnaPencere ana(vt.depo());
            QVERIFY(OneGetirVeBekle(&ana));
            ProjeyiSec(ana, "ALFA");
            FaaliyetEkle(ana, "Teslim", "B");
        }
        const QStringList sonra = vt.Satirlar();
        AnaPencere ana(vt.depo());
        QCOMPARE(ana.geriAlEylemi()->text(), QStringLiteral("&Geri Al: Faaliyet Ekle (D) – ALFA"));
        Tus(&ana, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(vt.Satirlar(), once);
        Tus(&ana, Qt::CTRL | Qt::Key_Y);
        QCOMPARE(vt.Satirlar(), sonra);

        QVERIFY(DosyadaCalistir(vt.yol(), {"UPDATE FaaliyetlerTablosu SET Adi = 'Kabul' WHERE Kodu = 'D'"}));
        const QStringList degisen = vt.Satirlar();
        Tus(&ana, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(vt.Satirlar(), degisen);
        QCOMPARE(kayit.hatalar().size(), 1);
        QVERIFY2(kayit.hatalar().first().contains("D faaliyeti"), qPrintable(kayit.hatalar().first()));
        QCOMPARE(ana.geriAlEylemi()->text(), QStringLiteral("&Geri Al: Faaliyet Ekle (D) – ALFA"));
        QCOMPARE(ListedekiSatirlar(ana).last(), QStringLiteral("D Kabul 2 B 5/7"));

        ProjeyiSec(ana, "ALFA");
        FaaliyetEkle(ana, "Kontrol", "D");
        FaaliyetEkle(ana, "Kabul", "E");
        ana.GecmisiAc();
        QTreeWidget* liste = ana.AcikGecmisPenceresi()->liste();
        const int n = liste->topLevelItemCount();
        liste->setCurrentItem(liste->topLevelItem(n - 4));
        ana.AcikGecmisPenceresi()->NoktayaDonDugmesi_Click();
        QCOMPARE(vt.Satirlar(), degisen);
        QCOMPARE(liste->currentItem(), liste->topLevelItem(n - 3));
        QCOMPARE(kayit.hatalar().last(), QStringLiteral("Hata 12: 2 adım geri alındı; \"Faaliyet Ekle (D) – ALFA\" "
                                                        "adımında durdu: \"ALFA\" projesinin D faaliyeti bu adımdan "
                                                        "sonra başka bir yerde değiştirilmiş."));
        // Another Kavrion on the file (a second machine) adds a step: the one the menu names is no
        // longer the latest, so Ctrl+Z is refused, and the menu then names the new one.
        QVERIFY(!vt.Baglan(ProjeDeposu::Acilis::Denetle)->depo().ProjeEkle({"GAMA", QDate(2026, 5, 1), QDate(2026, 5, 9)}));
        const QStringList gamali = vt.Satirlar();
        Tus(&ana, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(vt.Satirlar(), gamali);
        QCOMPARE(kayit.hatalar().last(), "Hata 12: Geçmiş siz görüntüledikten sonra başka bir yerde değiştirilmiş; geri "
                                         "alınamadı, hiçbir şey yazılmadı. Güncel hali gösteriliyor.");
        QCOMPARE(ana.geriAlEylemi()->text(), QStringLiteral("&Geri Al: Proje Ekle – GAMA"));
    }
};

QTEST_MAIN(UndoTest)
#include "tst_GeriAlma.moc"
