#include "destek/PencereProjeDiyaloglari.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereMesajKaydi.h"

#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QLocale Türkçe(QLocale::Turkish, QLocale::Turkey);

// Opens the add dialog from the main window with Alt+E; with `girişte` also starts an
// entry with the dialog's own Alt+E. Null when either window does not come up.
ProjeEklemeFormu* EklemeyiAç(TemelForm& form, bool girişte)
{
    if (!ÖneGetirVeBekle(&form))
        return nullptr;
    ErişimTuşu(&form, Qt::Key_E);
    ProjeEklemeFormu* d = form.AçıkProjeEklemeFormu();
    if (!d || !ÖneGetirVeBekle(d))
        return nullptr;
    if (girişte)
        ErişimTuşu(d, Qt::Key_E);
    return d;
}

// The main window on a fresh database, its message boxes recorded.
struct EklemeOrtamı {
    GeçiciVeritabanı vt;
    MesajKaydı kayıt;
    TemelForm form{vt.depo()};
    ProjeEklemeFormu* d = nullptr;

    bool Aç(bool girişte)
    {
        d = EklemeyiAç(form, girişte);
        return d;
    }
};

// The dialog's state in one line: frame, button caption, "Kapat", then the four fields.
QString Durum(const ProjeEklemeFormu* d)
{
    return QStringList{d->Çerçeve->isEnabled() ? QStringLiteral("giriliyor") : QStringLiteral("bekliyor"),
                       d->EkleKaydetDüğmesi->text(),
                       d->KapatDüğmesi->isEnabled() ? QStringLiteral("Kapat") : QStringLiteral("-"),
                       d->ProjeninAdıKutusu->text(), d->BaşlamaTarihiKutusu->text(), d->BitişTarihiKutusu->text(),
                       d->TahminiGünSayısıKutusu->text()}
        .join(QLatin1Char('|'));
}

} // namespace

class AddProjectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // Alt+E opens the entry; Tab skips the disabled day count, and while waiting every
    // field; Esc closes only while waiting.
    void keyboardPathThroughBothStates()
    {
        EklemeOrtamı o;
        QVERIFY(o.Aç(false));
        QCOMPARE(o.d->windowTitle(), QStringLiteral("Proje Ekleme"));
        QCOMPARE(Durum(o.d), QStringLiteral("bekliyor|Proje &Ekle|Kapat||||"));
        QCOMPARE(Odak(), o.d->EkleKaydetDüğmesi);
        QCOMPARE(SekmeyleGez(3), (QStringList{"VazgeçDüğmesi", "KapatDüğmesi", "EkleKaydetDüğmesi"}));

        ErişimTuşu(o.d, Qt::Key_E);
        QCOMPARE(Durum(o.d), QStringLiteral("giriliyor|Kaydet|-||||"));
        QCOMPARE(Odak(), o.d->ProjeninAdıKutusu);
        QCOMPARE(SekmeyleGez(5), (QStringList{"BaşlamaTarihiKutusu", "BitişTarihiKutusu", "EkleKaydetDüğmesi",
                                             "VazgeçDüğmesi", "ProjeninAdıKutusu"}));

        QTest::keyClick(Odak(), Qt::Key_Escape);
        QTest::qWait(0);
        QCOMPARE(o.form.AçıkProjeEklemeFormu(), o.d);
        QVERIFY(o.d->isVisible());
        QTest::mouseClick(o.d->VazgeçDüğmesi, Qt::LeftButton);
        QTest::keyClick(Odak(), Qt::Key_Escape);
        QTRY_VERIFY(!o.form.AçıkProjeEklemeFormu());
        QCOMPARE(o.kayıt.sayı(), 0);
    }

    // One box, the field emptied and given back the focus, the day count "0"; leaving an
    // empty field afterwards touches nothing.
    void refusedDateIsEmptiedAndRefocused()
    {
        EklemeOrtamı o;
        QVERIFY(o.Aç(true));
        Yaz(o.d->BaşlamaTarihiKutusu, QStringLiteral("1.3.2026"));
        Yaz(o.d->BitişTarihiKutusu, QStringLiteral("5.3.2026"));
        QTest::keyClick(o.d->BitişTarihiKutusu, Qt::Key_Tab);
        QCOMPARE(o.d->TahminiGünSayısıKutusu->text(), QStringLiteral("4"));

        QWidget* kutuAçıkkenOdak = nullptr;
        o.kayıt.AçıkkenÇalıştır([&] { kutuAçıkkenOdak = Odak(); });
        Yaz(o.d->BaşlamaTarihiKutusu, QStringLiteral("31.02.2026"));
        QTest::keyClick(o.d->BaşlamaTarihiKutusu, Qt::Key_Tab);
        QCOMPARE(o.kayıt.sayı(), 1);
        QCOMPARE(o.kayıt.son().başlık, QStringLiteral("Kavrion"));
        QCOMPARE(o.kayıt.son().metin, QStringLiteral("Lüten tarihi DÜZGÜN giriniz!"));
        QCOMPARE(o.kayıt.son().simge, QMessageBox::Information);
        QVERIFY(kutuAçıkkenOdak != o.d->BaşlamaTarihiKutusu);
        QCOMPARE(Odak(), o.d->BaşlamaTarihiKutusu);
        QVERIFY(o.d->BaşlamaTarihiKutusu->text().isEmpty());
        QCOMPARE(o.d->BitişTarihiKutusu->text(), QStringLiteral("5.03.2026"));
        QCOMPARE(o.d->TahminiGünSayısıKutusu->text(), QStringLiteral("0"));

        o.kayıt.AçıkkenÇalıştır({});
        Yaz(o.d->BaşlamaTarihiKutusu, QStringLiteral("2.3.2026"));
        QTest::keyClick(o.d->BaşlamaTarihiKutusu, Qt::Key_Tab);
        QCOMPARE(o.d->TahminiGünSayısıKutusu->text(), QStringLiteral("3"));
        Yaz(o.d->BitişTarihiKutusu, QString());
        QTest::keyClick(o.d->BitişTarihiKutusu, Qt::Key_Tab);
        QCOMPARE(o.d->TahminiGünSayısıKutusu->text(), QStringLiteral("3"));
        QCOMPARE(o.kayıt.sayı(), 1);
    }

    // With the real, modal box: dismissing it gives the keyboard back to the refused field,
    // and the box taking the focus does not run any rule again.
    void realBoxGivesTheFieldBackTheKeyboard()
    {
        GeçiciVeritabanı vt;
        TemelForm form(vt.depo());
        ProjeEklemeFormu* d = EklemeyiAç(form, true);
        QVERIFY(d);
        Yaz(d->BitişTarihiKutusu, QStringLiteral("5.3.2026"));
        Yaz(d->BaşlamaTarihiKutusu, QStringLiteral("abc"));
        QStringList gösterilen;
        QTimer kapatıcı;
        QObject::connect(&kapatıcı, &QTimer::timeout, [&gösterilen] {
            if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gösterilen << kutu->text();
                kutu->accept();
            }
        });
        kapatıcı.start(20);
        QTest::keyClick(d->BaşlamaTarihiKutusu, Qt::Key_Tab);

        QCOMPARE(gösterilen, QStringList{"Lüten tarihi DÜZGÜN giriniz!"});
        QTRY_COMPARE(QApplication::activeWindow(), d);
        QCOMPARE(Odak(), d->BaşlamaTarihiKutusu);
        QCOMPARE(d->TahminiGünSayısıKutusu->text(), QStringLiteral("0"));
    }

    // Texts the rules leave as they are, so that a failed check is seen to clear nothing.
    void saveCheckStopsAtFirstFailure_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("başlama");
        QTest::addColumn<QString>("bitiş");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("nothing") << "" << "" << "" << "PROJE ADI boş bırakılamaz!" << "ProjeninAdıKutusu";
        QTest::newRow("no start") << "A" << "" << "5.03.2026" << "BAŞLAMA TARİHİ boş bırakılmaz!"
                                  << "BaşlamaTarihiKutusu";
        QTest::newRow("no end") << "A" << "1.03.2026" << "" << "BİTİŞ TARİHİ boş bırakılmaz!" << "BitişTarihiKutusu";
        QTest::newRow("same day") << "A" << "1.03.2026" << "1.03.2026" << "İki tarih arasında en az BİR GÜN olmalıdır."
                                  << "BaşlamaTarihiKutusu";
        QTest::newRow("end first") << "A" << "4.03.2026" << "1.03.2026"
                                   << "İki tarih arasında en az BİR GÜN olmalıdır." << "BaşlamaTarihiKutusu";
    }
    void saveCheckStopsAtFirstFailure()
    {
        QFETCH(QString, ad);
        QFETCH(QString, başlama);
        QFETCH(QString, bitiş);
        EklemeOrtamı o;
        QVERIFY(o.Aç(true));
        ProjeYaz(*o.d, ad, başlama, bitiş);
        QTest::keyClick(o.d->BitişTarihiKutusu, Qt::Key_Tab);
        const QString öncesi = Durum(o.d);
        QTest::mouseClick(o.d->EkleKaydetDüğmesi, Qt::LeftButton);

        QCOMPARE(o.kayıt.sayı(), 1);
        QTEST(o.kayıt.son().metin, "mesaj");
        QCOMPARE(o.kayıt.son().simge, QMessageBox::Information);
        QTEST(Odak()->objectName(), "odak");
        QCOMPARE(Durum(o.d), öncesi);
        QVERIFY(o.vt.Satırlar().isEmpty());
    }

    // The mouse press on "Kaydet" takes the focus from the end date; that field's rule
    // has worked out the day count before the save looks at it.
    void savesOneProjectAfterAnother()
    {
        EklemeOrtamı o;
        QVERIFY(o.Aç(true));
        ProjeYaz(*o.d, QStringLiteral("istanbul ılık"), QStringLiteral("1.3.26"), QStringLiteral("11.3.26"));
        QTest::mouseClick(o.d->EkleKaydetDüğmesi, Qt::LeftButton);

        QCOMPARE(o.kayıt.sayı(), 0);
        QCOMPARE(o.vt.Satırlar(), QStringList{"P|İSTANBUL ILIK|2026-03-01|2026-03-11|"});
        QCOMPARE(Durum(o.d), QStringLiteral("bekliyor|Proje &Ekle|Kapat||||10"));
        QCOMPARE(Projeler(o.form), QStringList{"İSTANBUL ILIK"});
        QVERIFY(o.form.SeçiliProje().isEmpty());

        // The next one by keyboard alone: Alt+E, the fields, then Space on "Kaydet".
        ErişimTuşu(o.d, Qt::Key_E);
        Tuşla(Odak(), QStringLiteral("ankara"));
        QTest::keyClick(Odak(), Qt::Key_Tab);
        Tuşla(Odak(), QStringLiteral("31.12.99"));
        QTest::keyClick(Odak(), Qt::Key_Tab);
        Tuşla(Odak(), QStringLiteral("29.02.00"));
        QTest::keyClick(Odak(), Qt::Key_Tab);
        QCOMPARE(Odak(), o.d->EkleKaydetDüğmesi);
        QTest::keyClick(Odak(), Qt::Key_Space);
        QCOMPARE(o.kayıt.sayı(), 0);
        QCOMPARE(o.vt.Satırlar(),
                 (QStringList{"P|İSTANBUL ILIK|2026-03-01|2026-03-11|", "P|ANKARA|1999-12-31|2000-02-29|"}));
        QCOMPARE(Projeler(o.form), (QStringList{"İSTANBUL ILIK", "ANKARA"}));
    }

    // A date refused while the mouse presses "Kaydet": its box first, then the save check's.
    void refusedDateBoxComesBeforeTheSaveCheck()
    {
        EklemeOrtamı o;
        QVERIFY(o.Aç(true));
        ProjeYaz(*o.d, QStringLiteral("a"), QStringLiteral("1.3.2026"), QStringLiteral("yarın"));
        QTest::mouseClick(o.d->EkleKaydetDüğmesi, Qt::LeftButton);
        QCOMPARE(o.kayıt.sayı(), 2);
        QCOMPARE(o.kayıt.kutular()[0].metin, QStringLiteral("Lüten tarihi DÜZGÜN giriniz!"));
        QCOMPARE(o.kayıt.kutular()[1].metin, QStringLiteral("BİTİŞ TARİHİ boş bırakılmaz!"));
        QCOMPARE(Odak(), o.d->BitişTarihiKutusu);
        QVERIFY(o.vt.Satırlar().isEmpty());
    }

    // The store holds one project per name: the refusal is shown with its number and the
    // entry stays as typed, ready to be corrected.
    void takenNameIsRefusedAndKept()
    {
        EklemeOrtamı o;
        o.vt.ProjeEkle(QStringLiteral("ALFA"));
        o.form.ProjeleriEkle();
        QVERIFY(o.Aç(true));
        ProjeYaz(*o.d, QStringLiteral("alfa"), QStringLiteral("1.4.2026"), QStringLiteral("2.4.2026"));
        QTest::mouseClick(o.d->EkleKaydetDüğmesi, Qt::LeftButton);

        QCOMPARE(o.kayıt.sayı(), 1);
        QCOMPARE(o.kayıt.son().başlık, QStringLiteral("Kavrion"));
        QVERIFY2(o.kayıt.son().metin.startsWith(QStringLiteral("Hata 19: Bu adla kayıtlı bir proje zaten var.")),
                 qPrintable(o.kayıt.son().metin));
        QCOMPARE(o.vt.Satırlar(), QStringList{"P|ALFA|2026-03-01|2026-03-11|"});
        QCOMPARE(Durum(o.d), QStringLiteral("giriliyor|Kaydet|-|ALFA|1.04.2026|2.04.2026|1"));
        QCOMPARE(Odak(), o.d->ProjeninAdıKutusu);
    }

    void cancelKeepsOnlyTheDayCount()
    {
        EklemeOrtamı o;
        QVERIFY(o.Aç(true));
        ProjeYaz(*o.d, QStringLiteral("a"), QStringLiteral("1.3.2026"), QStringLiteral("3.3.2026"));
        QTest::mouseClick(o.d->VazgeçDüğmesi, Qt::LeftButton);

        QCOMPARE(Durum(o.d), QStringLiteral("bekliyor|Proje &Ekle|Kapat||||2"));
        QVERIFY(o.vt.Satırlar().isEmpty());
        QCOMPARE(o.kayıt.sayı(), 0);
    }

    void reopeningAfterKapatStartsEmpty()
    {
        EklemeOrtamı o;
        QVERIFY(o.Aç(true));
        Yaz(o.d->BaşlamaTarihiKutusu, QStringLiteral("1.3.2026"));
        Yaz(o.d->BitişTarihiKutusu, QStringLiteral("3.3.2026"));
        QTest::mouseClick(o.d->VazgeçDüğmesi, Qt::LeftButton);
        QPointer<ProjeEklemeFormu> kapanan = o.d;
        QTest::mouseClick(o.d->KapatDüğmesi, Qt::LeftButton);

        // Opened again at once, while the closed one still waits to be deleted.
        o.form.ProjeEkleDüğmesi_Click();
        QVERIFY(kapanan);
        ProjeEklemeFormu* yeni = o.form.AçıkProjeEklemeFormu();
        QVERIFY(yeni != kapanan);
        QVERIFY(yeni->isVisible());
        QCOMPARE(Durum(yeni), QStringLiteral("bekliyor|Proje &Ekle|Kapat||||"));
        QTRY_VERIFY(!kapanan);
        QCOMPARE(o.form.AçıkProjeEklemeFormu(), yeni);
    }
};

QTEST_MAIN(AddProjectDialogTest)
#include "tst_ProjeEklemeFormu.moc"
