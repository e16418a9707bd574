// Hostile input pasted and typed into the real dialogs: each value is stored and
// shown back exactly as the field held it, or refused with one clean box; no
// other row is touched and no duration outside 32 bits reaches the store.
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/DusmancaTarihler.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/Ozet.h"
#include "rules/BolgeselMetin.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <limits>

namespace {

int denenen = 0;
int doğru = 0;

// Puts the text on the clipboard and pastes it over what the field holds.
void Yapıştır(QLineEdit* alan, const QString& metin)
{
    QApplication::clipboard()->setText(metin);
    QTest::mouseClick(alan, Qt::LeftButton);
    QTest::keyClick(alan, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(alan, Qt::Key_V, Qt::ControlModifier);
}

// Leaves the field as the user would, so its rule runs.
void Ayrıl(QLineEdit* alan)
{
    QTest::keyClick(alan, Qt::Key_Tab);
}

// Brings a dialog to the front and waits until it has the keyboard itself.
bool ÖneAl(QWidget* pencere)
{
    pencere->activateWindow();
    return QTest::qWaitFor([pencere] { return QApplication::activeWindow() == pencere; });
}

// The add-project dialog, open and entering a new project.
ProjeEklemeFormu* ProjeGirişi(TemelForm& ana)
{
    ana.ProjeEkleDüğmesi->click();
    ProjeEklemeFormu* form = ana.AçıkProjeEklemeFormu();
    if (!form || !ÖneAl(form))
        return nullptr;
    form->EkleKaydetDüğmesi->click();
    return form;
}

// The add-activity dialog for `proje`, open and entering its next activity.
FaaliyetEklemeFormu* FaaliyetGirişi(TemelForm& ana, const QString& proje)
{
    ProjeyiSeç(ana, proje);
    ana.FaaliyetEkleDüğmesi->click();
    FaaliyetEklemeFormu* form = ana.AçıkFaaliyetEklemeFormu;
    if (!form || !ÖneAl(form))
        return nullptr;
    form->EkleKaydetDüğmesi->click();
    return form;
}

QStringList Projeler(const TemelForm& ana)
{
    return ana.ProjeListesi->Metinler();
}

} // namespace

class HostileDialogInputTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("hostile input through the dialogs: tried %1, stored exactly or refused cleanly %2")
                    .arg(denenen).arg(doğru));
    }

    // A name pasted into both dialogs: the project name in Turkish capitals, the
    // activity name as it is. A name that becomes one already taken is refused.
    void namesArePastedStoredAndShown_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<bool>("alınmış"); // in capitals it is the neighbour's name
        QTest::newRow("single quote") << "o'brien" << false;
        QTest::newRow("double quotes") << "\"alfa\" \"\"" << false;
        QTest::newRow("injection") << "'; DROP TABLE ProjeTablosu;--" << false;
        QTest::newRow("wildcards") << "%_%" << false;
        QTest::newRow("backslashes") << "c:\\yol\\\\'\\" << false;
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'ş')) << false;
        QTest::newRow("emoji and combining marks")
            << QString::fromUtf8("proje \xF0\x9F\x9A\x80 e\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB") << false;
        QTest::newRow("right to left")
            << QString::fromUtf8("\xD7\xA4\xD7\xA8\xD7\x95\xD7\x99\xD7\xA7\xD7\x98 \xD9\x85\xD8\xB4\xD8\xB1\xD9\x88\xD8\xB9") << false;
        QTest::newRow("tabs and line breaks") << "ilk\tsatır\nikinci\r\nson" << false;
        QTest::newRow("leading and trailing blanks") << "  alfa  " << false;
        QTest::newRow("differs only in case") << "komşu" << true;
        QTest::newRow("dotless against dotted") << QString::fromUtf8("kıyı") << false;
        QTest::newRow("dotted becomes taken") << QString::fromUtf8("KOMŞi") << false;
        QTest::newRow("i becomes the taken İ") << QString::fromUtf8("komşu") << true;
    }
    void namesArePastedStoredAndShown()
    {
        QFETCH(QString, ad);
        QFETCH(bool, alınmış);
        ++denenen;
        GeçiciVeritabanı vt;
        vt.ProjeEkle("KOMŞU", "2026-01-01", "2026-01-05", {{"A", "komşu", "1", ""}});
        vt.ProjeEkle(QString::fromUtf8("KIYİ"), "2026-01-01", "2026-01-05");
        const QStringList komşular = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        MesajKaydı kayıt;

        ProjeEklemeFormu* proje = ProjeGirişi(ana);
        QVERIFY(proje);
        Yapıştır(proje->ProjeninAdıKutusu, ad);
        Ayrıl(proje->ProjeninAdıKutusu);
        const QString gösterilen = proje->ProjeninAdıKutusu->text();
        QVERIFY(!gösterilen.contains(QLatin1Char('i')) && !gösterilen.contains(QChar(0x131)));
        Yapıştır(proje->BaşlamaTarihiKutusu, "1.03.2026");
        Ayrıl(proje->BaşlamaTarihiKutusu);
        Yapıştır(proje->BitişTarihiKutusu, "11.03.2026");
        Ayrıl(proje->BitişTarihiKutusu);
        QTest::mouseClick(proje->EkleKaydetDüğmesi, Qt::LeftButton);

        if (alınmış) {
            QCOMPARE(kayıt.sayı(), 1);
            QCOMPARE(kayıt.son().metin, QStringLiteral("Hata 19: Bu adla kayıtlı bir proje zaten var. Başka bir ad girin."
                                                       "\n(UNIQUE constraint failed: ProjeTablosu.ProjeAdi)"));
            QCOMPARE(proje->ProjeninAdıKutusu->text(), gösterilen); // what was typed stays
            QCOMPARE(vt.Satırlar(), komşular);
            ++doğru;
            return;
        }
        QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
        QCOMPARE(Projeler(ana).last(), gösterilen);
        QStringList adlar;
        QVERIFY(!vt.depo().ProjeleriOku(adlar));
        QCOMPARE(adlar.last(), gösterilen);

        // The activity name is stored as it was pasted, tabs and all.
        FaaliyetEklemeFormu* faaliyet = FaaliyetGirişi(ana, gösterilen);
        QVERIFY(faaliyet);
        Yapıştır(faaliyet->FaaliyetAdıKutusu, ad);
        const QString faaliyetAdı = faaliyet->FaaliyetAdıKutusu->text();
        Yapıştır(faaliyet->ÖngörülenSüreKutusu, "3");
        Ayrıl(faaliyet->ÖngörülenSüreKutusu);
        QTest::mouseClick(faaliyet->EkleKaydetDüğmesi, Qt::LeftButton);
        QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
        QVector<Faaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku(gösterilen, faaliyetler));
        QCOMPARE(faaliyetler.size(), 1);
        QCOMPARE(faaliyetler[0].adı, faaliyetAdı);
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItem(0)->text(1), faaliyetAdı);

        QStringList sonra = vt.Satırlar();
        sonra.removeIf([&](const QString& satır) {
            return satır.startsWith("P|" + gösterilen + "|") || satır.startsWith("F|" + gösterilen + "|");
        });
        QCOMPARE(sonra, komşular);
        ++doğru;
    }

    // A duration typed and left: the field shows the rule's result, and the save
    // stores a 32-bit whole number or is refused with one box and no row.
    void durationsGiveTheRuleOrARefusal_data()
    {
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<QString>("saklanan"); // empty: refused
        QTest::addColumn<QString>("kutu");     // the refusal's box, from its start
        const QString sıfır = QStringLiteral("ÖNGÖRÜLEN SÜRE boş bırakılamaz!");
        const QString sınırDışı = QStringLiteral("Hata 20: Öngörülen süre");
        QTest::newRow("1e308") << "1e308" << "" << sınırDışı;
        QTest::newRow("-1e308") << "-1e308" << "" << sınırDışı;
        QTest::newRow("&HFFFFFFFF") << "&HFFFFFFFF" << "" << sınırDışı;
        QTest::newRow("&O777") << "&O777" << "511" << "";
        QTest::newRow("9999999999") << "9999999999" << "" << sınırDışı;
        QTest::newRow("largest") << "2147483647" << "2147483647" << "";
        QTest::newRow("one past the largest") << "2147483648" << "" << sınırDışı;
        QTest::newRow("-0") << "-0" << "" << sıfır;
        QTest::newRow("blanks around") << "  7  " << "7" << "";
        QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("\xD9\xA3") << "" << sıfır;
        QTest::newRow("tr grouping") << "1.234.567" << "1234567" << "";
        QTest::newRow("0x10") << "0x10" << "" << sıfır;
        QTest::newRow("empty") << "" << "" << sıfır;
        QTest::newRow("blanks only") << "   " << "" << sıfır;
        QTest::newRow("a half rounds away from zero") << "-2.5" << "-3" << "";
    }
    void durationsGiveTheRuleOrARefusal()
    {
        QFETCH(QString, yazılan);
        QFETCH(QString, saklanan);
        QFETCH(QString, kutu);
        ++denenen;
        GeçiciVeritabanı vt;
        vt.ProjeEkle("P", "2026-03-01", "2026-03-11", {{"A", "a", "1", ""}});
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        MesajKaydı kayıt;

        FaaliyetEklemeFormu* form = FaaliyetGirişi(ana, "P");
        QVERIFY(form);
        Yapıştır(form->FaaliyetAdıKutusu, "b");
        Yapıştır(form->ÖngörülenSüreKutusu, yazılan);
        Ayrıl(form->ÖngörülenSüreKutusu);
        form->ÖncekiFaaliyetlerKutusu->setText("A");
        QTest::mouseClick(form->EkleKaydetDüğmesi, Qt::LeftButton);

        QVector<Faaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku("P", faaliyetler));
        if (saklanan.isEmpty()) {
            QCOMPARE(kayıt.sayı(), 1);
            QVERIFY2(kayıt.son().metin.startsWith(kutu), qPrintable(kayıt.son().metin));
            QCOMPARE(vt.Satırlar(), önce);
        } else {
            QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));
            QCOMPARE(faaliyetler.size(), 2);
            QCOMPARE(faaliyetler[1].süre, saklanan);
        }
        for (const Faaliyet& f : faaliyetler) {
            bool sayı = false;
            const qint64 süre = f.süre.toLongLong(&sayı);
            QVERIFY(sayı && süre >= std::numeric_limits<qint32>::min() && süre <= std::numeric_limits<qint32>::max());
        }
        ++doğru;
    }

    // A date typed and left is either rewritten and saved as that same date, or
    // refused with the date message and emptied.
    void datesRoundTripOrAreRefused_data() { DüşmancaTarihSatırları(); }
    void datesRoundTripOrAreRefused()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, tarih);
        QFETCH(QString, iso);
        QLocale::setDefault(yerel);
        ++denenen;
        GeçiciVeritabanı vt;
        TemelForm ana(vt.depo());
        QVERIFY(Etkinleştir(&ana));
        MesajKaydı kayıt;

        // The typed date goes where the other date can stand a day away from it:
        // into the end date on the last day there is, else into the start date.
        const QDate gün = QDate::fromString(iso, Qt::ISODate);
        const bool sonGün = gün == QDate(9999, 12, 31);
        ProjeEklemeFormu* form = ProjeGirişi(ana);
        QVERIFY(form);
        QLineEdit* alan = sonGün ? form->BitişTarihiKutusu : form->BaşlamaTarihiKutusu;
        QLineEdit* öbürü = sonGün ? form->BaşlamaTarihiKutusu : form->BitişTarihiKutusu;
        Yapıştır(form->ProjeninAdıKutusu, "t");
        Yapıştır(alan, tarih);
        Ayrıl(alan);
        if (iso.isEmpty()) {
            QCOMPARE(kayıt.sayı(), 1);
            QCOMPARE(kayıt.son().metin, QStringLiteral("Lüten tarihi DÜZGÜN giriniz!"));
            QVERIFY(alan->text().isEmpty());
            QCOMPARE(vt.Satırlar(), QStringList());
            ++doğru;
            return;
        }
        QCOMPARE(BölgeselMetin::TarihOku(alan->text()), gün);
        Yapıştır(öbürü, BölgeselMetin::TarihYaz(gün.addDays(sonGün ? -1 : 1)));
        Ayrıl(öbürü);
        QTest::mouseClick(form->EkleKaydetDüğmesi, Qt::LeftButton);
        QVERIFY2(kayıt.sayı() == 0, qPrintable(kayıt.son().metin));

        // Stored as that date, and shown again as a text that reads as that date.
        const QStringList satırlar = vt.Satırlar();
        QCOMPARE(satırlar.size(), 1);
        QVERIFY(satırlar[0].contains(iso));
        ProjeyiSeç(ana, "T");
        QLineEdit* gösterilen = sonGün ? ana.BitişTarihiKutusu : ana.BaşlamaTarihiKutusu;
        QCOMPARE(BölgeselMetin::TarihOku(gösterilen->text()), gün);
        QCOMPARE(ana.TahminiGünSayısıKutusu->text(), QStringLiteral("1"));
        ++doğru;
    }
};

QTEST_MAIN(HostileDialogInputTest)
#include "tst_DusmancaDiyaloglar.moc"
