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
            "INSERT INTO DagilimTablosu VALUES (1, 'KÖPRÜ', 'ucgen')"}));
        const QStringList digerSatirlari = GeciciVeritabani::Dokum(diger);
        MesajKaydi kayit;
        TemelForm ana(vt.depo());
        const QStringList once = vt.Dokum(GeciciVeritabani::TumTablolar), satirlar = vt.Dokum();

        IceAktarmaFormu* d = CtrlI(ana, diger, AktarimKaynagi::Kavrion);
        QVERIFY(d);
        QCOMPARE(Satirlar(d->projeListesi()),
                 QStringList({"ALFA|3|", "BETA|1|", "KÖPRÜ|2|", "BOZUK|1|A faaliyetinin süresi \"üç\" okunamıyor."}));
        QCOMPARE(Satirlar(d->faaliyetListesi()), QStringList({"A|a|3||||", "B|b|2|A|||", "C|c|4|A|||"}));
        QCOMPARE(d->tahminNotu()->text(), "Bu proje üç noktalı tahmin getirmiyor: her faaliyetin süresi yayılımsız aktarılacak.");
        d->projeListesi()->setFocus();
        QTest::keyClick(d->projeListesi(), Qt::Key_Down);
        QTest::keyClick(d->projeListesi(), Qt::Key_Down);
        QCOMPARE(Satirlar(d->faaliyetListesi()), QStringList({"A|temel|4||||", "B|tabliye|6|A|5|6|9"}));
        QCOMPARE(d->faaliyetListesi()->headerItem()->text(5), "En Olası");
        QCOMPARE(d->tahminNotu()->text(), "1 faaliyetin üç noktalı tahmini (iyimser, en olası, kötümser) de aktarılacak; "
                                          "öbürlerinin süresi yayılımsızdır. Benzetim dağılımı: üçgen.");
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!ana.AcikIceAktarmaFormu() || ana.AcikIceAktarmaFormu()->isHidden());
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);

        // ALFA and BETA are taken: refused with the name rule's box until renamed or left out.
        d = CtrlI(ana, diger, AktarimKaynagi::Kavrion);
        QVERIFY(d);
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(kayit.metinler(), QStringList("Hata 19: \"ALFA\" adıyla kayıtlı bir proje zaten var. Başka bir ad girin."));
        QCOMPARE(vt.Dokum(GeciciVeritabani::TumTablolar), once);
        Yaz(d->ProjeninAdiKutusu, "alfa ikinci");
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

        QVERIFY(OneGetirVeBekle(&ana));
        QTest::keyClick(&ana, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(vt.Dokum(), satirlar);
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList({"ALFA", "BETA"}));
    }

    // A start-to-start link and a day and a half: listed first, "Aktar" off until the box is
    // ticked; two tasks that wait for nothing follow a zero-day start activity; the end date
    // the file lacks must be typed.
    void whatKavrionCannotHoldIsAcceptedFirst()
    {
        GeciciVeritabani vt;
        QTemporaryDir dizin;
        MesajKaydi kayit;
        TemelForm ana(vt.depo());
        IceAktarmaFormu* d = CtrlI(ana, Dosya(dizin, "depo.xml", Mspdi), AktarimKaynagi::Mspdi);
        QVERIFY(d);
        QVERIFY(d->projeListesi()->isHidden());
        QVERIFY(!d->aktarDugmesi()->isEnabled());
        QCOMPARE(d->ProjeninAdiKutusu->text(), "DEPO BİNASI");
        QCOMPARE(d->BaslamaTarihiKutusu->text(), "2.03.2026");
        QCOMPARE(d->BitisTarihiKutusu->text(), "");
        QCOMPARE(Satirlar(d->faaliyetListesi()),
                 QStringList({"A|Başlangıç|0||||", "B|Kazı|2|A|||", "C|İskele|2|A|||", "D|Duvar|3|B|||"}));
        QVERIFY(d->tahminNotu()->text().startsWith("Bu proje üç noktalı tahmin getirmiyor"));
        const QString rapor = d->rapor()->toPlainText();
        QVERIFY2(rapor.contains("Başlangıç") && rapor.contains("Proje adı büyük harfle yazılacak"), qPrintable(rapor));
        d->onay()->click();
        QVERIFY(d->aktarDugmesi()->isEnabled());
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(kayit.metinler(), QStringList("BİTİŞ TARİHİ boş bırakılmaz!"));
        QVERIFY(vt.Dokum().isEmpty());
        d->BitisTarihiKutusu->setText("30.04.2026");
        QTest::mouseClick(d->aktarDugmesi(), Qt::LeftButton);
        QCOMPARE(ana.SeciliProje(), "DEPO BİNASI");
        QCOMPARE(ListedekiSatirlar(ana), QStringList({"A Başlangıç 0  0/0", "B Kazı 2 A 0/2", "C İskele 2 A 0/2",
                                                      "D Duvar 3 B 2/5"}));
    }

    void aFileThatCannotComeInIsOneBox()
    {
        GeciciVeritabani vt;
        QTemporaryDir dizin;
        MesajKaydi kayit;
        TemelForm ana(vt.depo());
        QVERIFY(!CtrlI(ana, Dosya(dizin, "tablo.xml", "Kodu;Faaliyet Adı\nA;x\n"), AktarimKaynagi::Mspdi));
        QCOMPARE(kayit.sayi(), 1);
        QVERIFY2(kayit.son().metin.startsWith("\"tablo.xml\" içe aktarılamıyor.\n\n")
                     && kayit.son().metin.contains("XML olarak okunamıyor"), qPrintable(kayit.son().metin));
        QCOMPARE(kayit.son().simge, QMessageBox::Critical);
    }
};

QTEST_MAIN(ImportTest)
#include "tst_IceAktarma.moc"
