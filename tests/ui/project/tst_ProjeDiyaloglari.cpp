// The two project dialogs, opened from the main window and driven by mouse and keyboard.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/Mesaj.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The main window, with ALFA (two activities) and GAMA (one) unless `bos`.
struct Ortam {
    GeciciVeritabani vt;
    MesajKaydi kayit;
    QStringList once;
    std::unique_ptr<TemelForm> ana;

    explicit Ortam(bool bos = false)
    {
        if (!bos) {
            vt.ProjeEkle("ALFA", {2026, 3, 1}, {2026, 3, 11}, {{"A", "Tasarım", 3, ""}, {"B", "Yapım", 4, "A"}});
            vt.ProjeEkle("GAMA", {2026, 5, 1}, {2026, 5, 21}, {{"A", "Hazırlık", 2, ""}});
        }
        once = vt.Satirlar();
        ana = std::make_unique<AnaPencere>(vt.depo());
    }

    // The add dialog by Alt+E; with `giriste` its own Alt+E starts an entry.
    ProjeEklemeFormu* Ekle(bool giriste = true)
    {
        if (!OneGetirVeBekle(ana.get()))
            return nullptr;
        ErisimTusu(ana.get(), Qt::Key_E);
        ProjeEklemeFormu* d = ana->AcikProjeEklemeFormu();
        if (!d || !OneGetirVeBekle(d))
            return nullptr;
        if (giriste)
            ErisimTusu(d, Qt::Key_E);
        return d;
    }

    // The change dialog on `proje`.
    ProjeDegistirFormu* Degistir(const QString& proje = "ALFA")
    {
        ProjeyiSec(*ana, proje);
        return DiyaloguAc(*ana, ana->ProjeDegistirDugmesi, &TemelForm::AcikProjeDegistirFormu);
    }
};

// The four fields, and for the add dialog first its state: entering, caption, "Kapat".
QString Durum(const ProjeAlanDenetimleri& d)
{
    return QStringList{d.ProjeninAdiKutusu->text(), d.BaslamaTarihiKutusu->text(), d.BitisTarihiKutusu->text(),
                       d.TahminiGunSayisiKutusu->text()}
        .join('|');
}

QString Durum(const ProjeEklemeFormu& d)
{
    return QStringList{d.Giriliyor() ? "giriliyor" : "bekliyor", d.EkleKaydetDugmesi->text(),
                       d.KapatDugmesi->isEnabled() ? "Kapat" : "-", Durum(static_cast<const ProjeAlanDenetimleri&>(d))}
        .join('|');
}

void ProjeYaz(const ProjeAlanDenetimleri& d, const QString& ad, const QString& baslama, const QString& bitis)
{
    Yaz(d.ProjeninAdiKutusu, ad);
    Yaz(d.BaslamaTarihiKutusu, baslama);
    Yaz(d.BitisTarihiKutusu, bitis);
}

} // namespace

class ProjectDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    // Alt+E opens the entry with the cursor in the name; Esc closes only while waiting;
    // "Vazgeç" keeps only the day count; closed, the dialog opens afresh, even while
    // the closed one still waits to be deleted, and "Kapat" closes it.
    void addThroughBothStatesAndReopen()
    {
        Ortam o(true);
        ProjeEklemeFormu* d = o.Ekle(false);
        QVERIFY(d);
        QCOMPARE(Durum(*d), "bekliyor|Proje &Ekle|Kapat||||");
        ErisimTusu(d, Qt::Key_E);
        QCOMPARE(Durum(*d), "giriliyor|Kaydet|-||||");
        QCOMPARE(Odak(), d->ProjeninAdiKutusu);
        QTest::keyClick(Odak(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(d->isVisible());
        ProjeYaz(*d, "a", "1.3.2026", "3.3.2026");
        QTest::mouseClick(d->VazgecDugmesi, Qt::LeftButton);
        QCOMPARE(Durum(*d), "bekliyor|Proje &Ekle|Kapat||||2");
        QPointer<ProjeEklemeFormu> kapanan = d;
        QTest::keyClick(Odak(), Qt::Key_Escape);
        o.ana->ProjeEkleDugmesi_Click();
        ProjeEklemeFormu* yeni = o.ana->AcikProjeEklemeFormu();
        QVERIFY(kapanan && yeni != kapanan && yeni->isVisible());
        QCOMPARE(Durum(*yeni), "bekliyor|Proje &Ekle|Kapat||||");
        QTRY_VERIFY_WITH_TIMEOUT(!kapanan, 30000);
        QTest::mouseClick(yeni->KapatDugmesi, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!o.ana->AcikProjeEklemeFormu(), 30000);
        QCOMPARE(o.kayit.sayi(), 0);
        QVERIFY(o.vt.Satirlar().isEmpty());
    }

    // With the real, modal box: shown once, the field emptied, the day count "0", and
    // the keyboard back in the refused field once the box is dismissed.
    void refusedDateGetsTheKeyboardBack()
    {
        Ortam o(true);
        ProjeEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        Mesaj::GostericiKur({}); // the real box from here on
        Yaz(d->BitisTarihiKutusu, "5.3.2026");
        Yaz(d->BaslamaTarihiKutusu, "31.02.2026");
        QStringList gosterilen;
        QTimer kapatici;
        QObject::connect(&kapatici, &QTimer::timeout, [&gosterilen] {
            if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gosterilen << kutu->text();
                kutu->accept();
            }
        });
        kapatici.start(20);
        QTest::keyClick(d->BaslamaTarihiKutusu, Qt::Key_Tab);
        QCOMPARE(gosterilen, QStringList{"Lüten tarihi DÜZGÜN giriniz!"});
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), d, 30000);
        QCOMPARE(Odak(), d->BaslamaTarihiKutusu);
        QCOMPARE(Durum(*d), "giriliyor|Kaydet|-|||5.03.2026|0");
    }

    // The first check that fails is shown and takes the focus to its field; nothing is cleared.
    void saveCheckStopsAtFirstFailure_data()
    {
        QTest::addColumn<QStringList>("alanlar");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("nothing") << QStringList{"", "", ""} << "PROJE ADI boş bırakılamaz!" << "ProjeninAdıKutusu";
        QTest::newRow("no start") << QStringList{"A", "", "11.03.2026"} << "BAŞLAMA TARİHİ boş bırakılmaz!"
                                  << "BaşlamaTarihiKutusu";
        QTest::newRow("no end") << QStringList{"A", "1.03.2026", ""} << "BİTİŞ TARİHİ boş bırakılmaz!" << "BitişTarihiKutusu";
        QTest::newRow("same day") << QStringList{"A", "1.03.2026", "1.03.2026"}
                                  << "İki tarih arasında en az BİR GÜN olmalıdır." << "BaşlamaTarihiKutusu";
    }
    void saveCheckStopsAtFirstFailure()
    {
        QFETCH(QStringList, alanlar);
        Ortam o(true);
        ProjeEklemeFormu* d = o.Ekle();
        QVERIFY(d);
        ProjeYaz(*d, alanlar[0], alanlar[1], alanlar[2]);
        QTest::keyClick(d->BitisTarihiKutusu, Qt::Key_Tab);
        const QString oncesi = Durum(*d);
        QTest::mouseClick(d->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.sayi(), 1);
        QTEST(o.kayit.son().metin, "mesaj");
        QTEST(Odak()->objectName(), "odak");
        QCOMPARE(Durum(*d), oncesi);
        QVERIFY(o.vt.Satirlar().isEmpty());
    }

    // A taken name, in either dialog: the box with its number, the entry kept as typed
    // and the cursor back in the name.
    void takenNameIsRefusedAndKept_data()
    {
        QTest::addColumn<bool>("degistir");
        QTest::newRow("add") << false;
        QTest::newRow("change") << true;
    }
    void takenNameIsRefusedAndKept()
    {
        QFETCH(bool, degistir);
        Ortam o;
        ProjeDegistirFormu* degistirme = degistir ? o.Degistir() : nullptr;
        ProjeEklemeFormu* ekleme = degistir ? nullptr : o.Ekle();
        const ProjeAlanDenetimleri* d = degistir ? static_cast<ProjeAlanDenetimleri*>(degistirme) : ekleme;
        QVERIFY(degistirme || ekleme);
        ProjeYaz(*d, "gama", "1.4.2026", "2.4.2026");
        QTest::mouseClick(degistir ? degistirme->KaydetDugmesi : ekleme->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.metinler(), QStringList{"Hata 19: Bu adla kayıtlı bir proje zaten var. Başka bir ad girin."});
        QCOMPARE(o.vt.Satirlar(), o.once);
        QVERIFY(Durum(*d).endsWith("GAMA|1.04.2026|2.04.2026|1"));
        QCOMPARE(Odak(), d->ProjeninAdiKutusu);
    }

    // The change dialog shows the project as the main window does, its day count
    // included, and pressed again is filled anew. The save changes the project the
    // dialog was last filled from, whatever is selected by then, and carries a new
    // name to its activities.
    void changeIsFilledFromTheWindowAndKeepsItsProject()
    {
        Ortam o;
        ProjeDegistirFormu* d = o.Degistir("GAMA");
        QVERIFY(d);
        QCOMPARE(Durum(*d), "GAMA|1.05.2026|21.05.2026|20");
        Yaz(d->ProjeninAdiKutusu, "yazılan");
        QCOMPARE(o.Degistir("ALFA"), d);
        QCOMPARE(Durum(*d), "ALFA|1.03.2026|11.03.2026|10");
        ProjeyiSec(*o.ana, "GAMA");
        QVERIFY(OneGetirVeBekle(d));
        ProjeYaz(*d, "beta", "2.3.26", "12.3.26");
        QTest::keyClick(Odak(), Qt::Key_Tab);
        QTest::keyClick(Odak(), Qt::Key_Space);
        QCOMPARE(o.kayit.sayi(), 0);
        QCOMPARE(o.vt.Satirlar(), (QStringList{"P|BETA|2026-03-02|2026-03-12|", "P|GAMA|2026-05-01|2026-05-21|",
                                               "F|BETA|A|Tasarım|3|", "F|BETA|B|Yapım|4|A", "F|GAMA|A|Hazırlık|2|"}));
        QTRY_VERIFY_WITH_TIMEOUT(!o.ana->AcikProjeDegistirFormu(), 30000);
        QCOMPARE(o.ana->ProjeListesi->Metinler(), (QStringList{"BETA", "GAMA"}));
    }

    // The open change dialog learns at once that its project changed elsewhere: the box, and the
    // fields as the project is now. Renamed elsewhere while that box is open, the project is no
    // longer shown, and the save is refused with nothing written.
    void changedElsewhereIsSaidBeforeSave()
    {
        Ortam o;
        ProjeDegistirFormu* d = o.Degistir("ALFA");
        QVERIFY(d);
        o.kayit.AcikkenCalistir([&] {
            if (o.kayit.sayi() == 1) {
                QVERIFY(DosyadaCalistir(o.vt.yol(), {"UPDATE ProjeTablosu SET ProjeAdi = 'BETA' WHERE ProjeAdi = 'ALFA'",
                                                     "UPDATE FaaliyetlerTablosu SET Projesi = 'BETA' WHERE Projesi = 'ALFA'"}));
                o.ana->belge().ProjeleriOku("ALFA"); // as an announcement shows it
            }
        });
        QVERIFY(DosyadaCalistir(o.vt.yol(), {"UPDATE ProjeTablosu SET BitisTarihi = '2026-03-15' WHERE ProjeAdi = 'ALFA'"}));
        o.ana->belge().ProjeleriOku("ALFA");
        o.kayit.AcikkenCalistir({});
        QCOMPARE(o.kayit.metinler(), QStringList{"\"ALFA\" projesi bu pencere açıldıktan sonra başka bir yerde "
                                                 "değiştirildi; alanlar güncel halini gösteriyor."});
        QCOMPARE(Durum(*d), "ALFA|1.03.2026|15.03.2026|14");
        const QStringList once = o.vt.Satirlar();
        QTest::mouseClick(d->KaydetDugmesi, Qt::LeftButton);
        QCOMPARE(o.kayit.hatalar(), QStringList{"Hata 12: \"ALFA\" projesi artık kayıtlı değil; başka bir yerde "
                                                "silinmiş ya da adı değiştirilmiş."});
        QCOMPARE(o.vt.Satirlar(), once);
    }
};

QTEST_MAIN(ProjectDialogsTest)
#include "tst_ProjeDiyaloglari.moc"
