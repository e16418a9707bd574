// Import as the user meets it: Ctrl+I, the preview, "Vazgeç" writing nothing, "Aktar"
// writing every chosen project as one step that Ctrl+Z takes back whole; what Kavrion
// cannot hold keeps "Aktar" off until accepted, and a file that cannot come in is one box;
// the three-point estimates a file brings are shown with their activities before they come in.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "ui/import/IceAktarim.h"
#include "ui/import/IceAktarmaFormu.h"
#include "ui/main/TemelForm.h"
#include "ui/widgets/ListeKutusu.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList Satirlar(const QTreeWidget* liste)
{
    QStringList satirlar;
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        QStringList hucreler;
        for (int s = 0; s < liste->columnCount(); ++s)
            hucreler << liste->topLevelItem(i)->text(s);
        satirlar << hucreler.join(QLatin1Char('|'));
    }
    return satirlar;
}

// Ctrl+I in the main window with `yol` chosen in the open dialog; the preview it opened.
IceAktarmaFormu* CtrlI(TemelForm& ana, const QString& yol, AktarimKaynagi kaynak)
{
    IceAktarim::SorucuKur([=](QWidget*) { return std::optional<IceAktarim::Secim>({yol, kaynak}); });
    if (!OneGetirVeBekle(&ana))
        return nullptr;
    QTest::keyClick(&ana, Qt::Key_I, Qt::ControlModifier);
    IceAktarmaFormu* d = ana.AcikIceAktarmaFormu();
    return d && OneGetirVeBekle(d) ? d : nullptr;
}

QString Dosya(const QTemporaryDir& dizin, const QString& ad, const QByteArray& icerik)
{
    QFile dosya(dizin.filePath(ad));
    return dosya.open(QIODevice::WriteOnly) && dosya.write(icerik) == icerik.size() ? dosya.fileName() : QString();
}

const QByteArray Mspdi = "<?xml version=\"1.0\"?><Project xmlns=\"http://schemas.microsoft.com/project\">"
    "<Title>Depo binası</Title><StartDate>2026-03-02T08:00:00</StartDate><Tasks>"
    "<Task><UID>1</UID><Name>Kazı</Name><Duration>PT16H0M0S</Duration></Task>"
    "<Task><UID>2</UID><Name>İskele</Name><Duration>PT12H0M0S</Duration></Task>"
    "<Task><UID>3</UID><Name>Duvar</Name><Duration>PT24H0M0S</Duration><PredecessorLink><PredecessorUID>1"
    "</PredecessorUID><Type>3</Type></PredecessorLink></Task></Tasks></Project>";

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }
    void cleanup() { IceAktarim::SorucuKur({}); }

    // Another Kavrion file: a project whose stored duration is a text cannot come in and
    // says why; the others come whole, as one step.
    void anotherKavrionFileComesWholeAndGoesWithOneUndo()
    {
        GeciciVeritabani vt;
        OrnekProjeler(vt);
        // Written by another program, without our checks.
        QTemporaryDir dizin;
        const QString diger = dizin.filePath("diger.mdb");
        QVERIFY(DosyadaCalistir(diger, {
            "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)",
            "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)",
            "INSERT INTO ProjeTablosu VALUES (1, 'ALFA', '2026-01-01', '2026-01-31'), (2, 'BETA', '2026-02-01', '2026-02-28'),"
            " (3, 'KÖPRÜ', '2026-05-01', '2026-05-20'), (4, 'BOZUK', '2026-05-01', '2026-05-20')",
            "INSERT INTO FaaliyetlerTablosu VALUES (1, 'ALFA', 'A', 'a', 3, ''), (2, 'ALFA', 'B', 'b', 2, 'A'),"
            " (3, 'ALFA', 'C', 'c', 4, 'A'), (4, 'BETA', 'A', 'beta', 1, ''), (5, 'KÖPRÜ', 'A', 'temel', 4, ''),"
            " (6, 'KÖPRÜ', 'B', 'tabliye', 6, 'A'), (7, 'BOZUK', 'A', 'a', 'üç', '')",
            // An estimate comes with its activity; one without an activity stays behind.
            "CREATE TABLE TahminlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Iyimser, Olasi, Kotumser)",
            "INSERT INTO TahminlerTablosu VALUES (1, 'KÖPRÜ', 'B', 5, 6, 9), (2, 'KÖPRÜ', 'Z', 1, 2, 3)",
            "CREATE TABLE DagilimTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Dagilim)",
            "INSERT INTO DagilimTablosu VALUES (1, 'KÖPRÜ', 'ucgen')",
            "CREATE TABLE TakvimTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Turu, ArifelerTatil)",
            "INSERT INTO TakvimTablosu VALUES (1, 'KÖPRÜ', 'pazartesi-cuma', 1)",
            "CREATE TABLE BaglarTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu, Onceki, Turu, Gecikme)",
            "INSERT INTO BaglarTablosu VALUES (1, 'KÖPRÜ', 'B', 'A', 'baslama-baslama', 2)"}));
        const QStringList digerSatirlari = GeciciVeritabani::Dokum(diger);
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar), satirlar = vt.Dokum();

        IceAktarmaFormu* d = CtrlI(ana, diger, AktarimKaynagi::Kavrion);
        QVERIFY(d);
        // ALFA and BETA are taken here: each comes with a free name, said in its row.
        QCOMPARE(Satirlar(d->projeListesi()),
                 QStringList({"ALFA (2)|3|\"ALFA\" kayıtlı olduğu için önerilen ad.",
                              "BETA (2)|1|\"BETA\" kayıtlı olduğu için önerilen ad.", "KÖPRÜ|2|",
                              "BOZUK|1|A faaliyetinin süresi \"üç\" okunamıyor."}));
        QCOMPARE(Satirlar(d->faaliyetListesi()), QStringList({"A|a|3||||", "B|b|2|A|||", "C|c|4|A|||"}));
        QCOMPARE(d->tahminNotu()->text(), "Bu proje üç noktalı tahmin getirmiyor: her faaliyetin süresi yayılımsız aktarılacak.");
        d->projeListesi()->setFocus();
        QTest::keyClick(d->projeListesi(), Qt::Key_Down);
        QTest::keyClick(d->projeListesi(), Qt::Key_Down);
        QCOMPARE(Satirlar(d->faaliyetListesi()), QStringList({"A|temel|4||||", "B|tabliye|6|A BaBa+2|5|6|9"}));
        QCOMPARE(d->faaliyetListesi()->headerItem()->text(5), "En Olası");
        QCOMPARE(d->tahminNotu()->text(), "1 faaliyetin üç noktalı tahmini (iyimser, en olası, kötümser) de aktarılacak; "
                                          "öbürlerinin süresi yayılımsızdır. Benzetim dağılımı: üçgen.");
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!ana.AcikIceAktarmaFormu() || ana.AcikIceAktarmaFormu()->isHidden());
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);

        // A taken name typed is flagged at once, in its row and its field, with a free one
        // (the other project chosen holds "BETA (2)"); "Aktar" still refuses it with the name rule's box.
        d = CtrlI(ana, diger, AktarimKaynagi::Kavrion);
        QVERIFY(d);
        Yaz(d->ProjeninAdiKutusu, "beta");
        const QString alinmis = "\"BETA\" adıyla kayıtlı bir proje zaten var; önerilen ad: \"BETA (3)\".";
        QCOMPARE(Satirlar(d->projeListesi()).first(), "BETA|3|" + alinmis);
        QCOMPARE(d->bulgular()->text(), alinmis);
        QVERIFY(!d->ProjeninAdiKutusu->accessibleDescription().isEmpty());
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(kayit.metinler(), QStringList("Hata 19: \"BETA\" adıyla kayıtlı bir proje zaten var. Başka bir ad girin."));
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
        Yaz(d->ProjeninAdiKutusu, "alfa ikinci");
        QCOMPARE(Satirlar(d->projeListesi()).first(), "ALFA İKİNCİ|3|");
        QVERIFY(d->bulgular()->text().isEmpty() && d->ProjeninAdiKutusu->accessibleDescription().isEmpty());
        d->projeListesi()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(kayit.sayi(), 1);
        QCOMPARE(ana.SeciliProje(), "ALFA İKİNCİ");
        QCOMPARE(ListedekiSatirlar(ana).size(), 3);
        QCOMPARE(ana.geriAlEylemi()->text(), "&Geri Al: İçe Aktar (2 proje) – ALFA İKİNCİ");
        QCOMPARE(GeciciVeritabani::Dokum(diger), digerSatirlari);
        QHash<QString, UcNoktaTahmini> tahminler;
        QVERIFY(!vt.depo().TahminleriOku("KÖPRÜ", tahminler));
        QVERIFY(tahminler == (QHash<QString, UcNoktaTahmini>{{"B", {5, 6, 9}}}));
        Dagilim dagilim = Dagilim::Pert;
        QVERIFY(!vt.depo().DagilimOku("KÖPRÜ", dagilim) && dagilim == Dagilim::Ucgen);
        KayitliProje kopru;
        QVERIFY(!vt.depo().ProjeOku("KÖPRÜ", kopru) && kopru.takvim == (ProjeTakvimi{TakvimTuru::PazartesiCuma, true, {}}));

        QVERIFY(OneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(vt.Dokum(), satirlar);
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList({"ALFA", "BETA"}));
    }

    // A day and a half: listed first, "Aktar" off until the box is
    // ticked; two tasks that wait for nothing follow a zero-day start activity; the end date
    // the file lacks must be typed.
    void whatKavrionCannotHoldIsAcceptedFirst()
    {
        GeciciVeritabani vt;
        QTemporaryDir dizin;
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        IceAktarmaFormu* d = CtrlI(ana, Dosya(dizin, "depo.xml", Mspdi), AktarimKaynagi::Mspdi);
        QVERIFY(d);
        QVERIFY(d->projeListesi()->isHidden());
        QVERIFY(!d->aktarDugmesi()->isEnabled());
        QCOMPARE(d->ProjeninAdiKutusu->text(), "DEPO BİNASI");
        QCOMPARE(d->BaslamaTarihiKutusu->text(), "2.03.2026");
        QCOMPARE(d->BitisTarihiKutusu->text(), "");
        QCOMPARE(Satirlar(d->faaliyetListesi()),
                 QStringList({"A|Başlangıç|0||||", "B|Kazı|2|A|||", "C|İskele|2|A|||", "D|Duvar|3|B BaBa|||"}));
        QVERIFY(d->tahminNotu()->text().startsWith("Bu proje üç noktalı tahmin getirmiyor"));
        const QString rapor = d->rapor()->toPlainText();
        QVERIFY2(rapor.contains("Başlangıç") && rapor.contains("Proje adı büyük harfle yazılacak")
                     && rapor.contains("başlama tarihi StartDate'ten: 2.03.2026."), qPrintable(rapor));
        QVERIFY(!(d->TahminiGunSayisiKutusu->focusPolicy() & Qt::TabFocus));
        // What "Aktar" would refuse is said, and its field marked, before it is pressed.
        QCOMPARE(d->bulgular()->text(), "BİTİŞ TARİHİ boş bırakılmaz!");
        QCOMPARE(d->BitisTarihiKutusu->accessibleDescription(), "BİTİŞ TARİHİ boş bırakılmaz!");
        d->BitisTarihiKutusu->setText("2.03.2026");
        QCOMPARE(d->bulgular()->text(), "İki tarih arasında en az BİR GÜN olmalıdır.");
        QVERIFY(d->BaslamaTarihiKutusu->accessibleDescription().isEmpty());
        d->onay()->click();
        QVERIFY(d->aktarDugmesi()->isEnabled());
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(kayit.metinler(), QStringList("İki tarih arasında en az BİR GÜN olmalıdır."));
        QVERIFY(vt.Dokum().isEmpty());
        d->BitisTarihiKutusu->setText("30.04.2026");
        QVERIFY(d->bulgular()->text().isEmpty() && d->BitisTarihiKutusu->accessibleDescription().isEmpty());
        QCOMPARE(d->TahminiGunSayisiKutusu->text(), "59");
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(ana.SeciliProje(), "DEPO BİNASI");
        QCOMPARE(ListedekiSatirlar(ana), QStringList({"A Başlangıç 0  0/0", "B Kazı 2 A 0/2", "C İskele 2 A 0/2",
                                                      "D Duvar 3 B BaBa 0/3"}));
    }

    void aFileThatCannotComeInIsOneBox()
    {
        GeciciVeritabani vt;
        QTemporaryDir dizin;
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QVERIFY(!CtrlI(ana, Dosya(dizin, "tablo.xml", "Kodu;Faaliyet Adı\nA;x\n"), AktarimKaynagi::Mspdi));
        QCOMPARE(kayit.sayi(), 1);
        QVERIFY2(kayit.son().metin.startsWith("\"tablo.xml\" içe aktarılamıyor.\n\n")
                     && kayit.son().metin.contains("XML olarak okunamıyor"), qPrintable(kayit.son().metin));
        QCOMPARE(kayit.son().simge, QMessageBox::Critical);
    }
};

QTEST_MAIN(ImportTest)
#include "tst_IceAktarma.moc"
