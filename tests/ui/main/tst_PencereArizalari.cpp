// The seven commands that write, carried out through the real windows while the
// store refuses: one Kavrion box with the number and text, no row changed, the
// window showing what is stored and a dialog left open with what was typed. Tried
// again, the command is carried out, hostile text stored exactly. Real faults (locks,
// read-only files, a full disk) and the tables of hostile text are tried at the store.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereKomutlari.h"
#include "destek/PencereMesajKaydi.h"
#include "rules/ProjeKurallari.h"
#include "ui/main/TemelForm.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace {

const QString Düşmanca = QString::fromUtf8("o'brien \"x\"; DROP TABLE ProjeTablosu;-- %_ c:\\yol\\ "
                                           "\xF0\x9F\x9A\x80 e\xCC\x81 \xD7\xA4\xD7\xA8 ı i ")
    + QString(300, QChar(u'ş'));

// Closes every dialog, as the user would before trying again.
void DiyaloglarıKapat(TemelForm& ana)
{
    for (QWidget* çocuk : ana.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (çocuk->isWindow())
            çocuk->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The names the command can have written: the projects', or ALFA's activities'.
QStringList Adlar(const GeçiciVeritabanı& vt, bool projeler)
{
    QStringList adlar;
    QVector<KayıtlıFaaliyet> faaliyetler;
    if (projeler)
        vt.depo().ProjeleriOku(adlar);
    else
        vt.depo().FaaliyetleriOku("ALFA", faaliyetler);
    for (const KayıtlıFaaliyet& f : faaliyetler)
        adlar << f.adı;
    return adlar;
}

} // namespace

class WindowFaultTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    // The failure comes inside the command's transaction, after BEGIN: a store that
    // left it open would refuse the second try.
    void refusedWriteIsOneBoxAndChangesNothing_data() { PencereKomutuSatırları(); }
    void refusedWriteIsOneBoxAndChangesNothing()
    {
        QFETCH(int, komut);
        const PencereKomutu& k = PencereKomutları()[komut];
        GeçiciVeritabanı vt;
        İkiProjeEkle(vt);
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        MesajKaydı kayıt;
        k.hazırla(ana, "YENİ");
        {
            const KilitArızası arıza(k.okuma + 2);
            k.tıkla(ana);
        }
        QCOMPARE(kayıt.hatalar(), QStringList{KilitArızası::Kutu()});
        QCOMPARE(kayıt.son().başlık, "Kavrion");
        QCOMPARE(vt.Satırlar(), önce);
        PencereDepoyuGösterir(ana, vt);
        if (k.adAlanı) {
            QVERIFY2(k.adAlanı(ana), "the dialog closed");
            QCOMPARE(k.adAlanı(ana)->text(), "YENİ");
        }

        DiyaloglarıKapat(ana);
        kayıt.Temizle();
        k.hazırla(ana, Düşmanca);
        k.tıkla(ana);
        QVERIFY2(kayıt.hatalar().isEmpty(), qPrintable(kayıt.son().metin));
        QVERIFY(vt.Satırlar() != önce);
        QCOMPARE(vt.Satırlar().filter("BETA"), önce.filter("BETA"));
        PencereDepoyuGösterir(ana, vt);
        const bool proje = QString::fromUtf8(k.ad).endsWith("project");
        if (k.adAlanı)
            QVERIFY(Adlar(vt, proje).contains(proje ? BüyükHarfeÇevir(Düşmanca) : Düşmanca));
    }

    // Another program changes the row after the window has shown it: the command
    // writes nothing over that change, says so, and the window shows the file anew.
    void changedElsewhereIsRefused_data() { PencereKomutuSatırları(true); }
    void changedElsewhereIsRefused()
    {
        QFETCH(int, komut);
        const PencereKomutu& k = PencereKomutları()[komut];
        GeçiciVeritabanı vt;
        İkiProjeEkle(vt);
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        MesajKaydı kayıt;
        k.hazırla(ana, "YENİ");
        QVERIFY(DosyadaÇalıştır(vt.yol(), {QString::fromUtf8(k.başkaYerde)}));
        const QStringList önce = vt.Satırlar();
        k.tıkla(ana);
        QCOMPARE(kayıt.hatalar().size(), 1);
        QVERIFY2(kayıt.hatalar()[0].startsWith("Hata 12: "), qPrintable(kayıt.hatalar()[0]));
        QCOMPARE(vt.Satırlar(), önce);
        PencereDepoyuGösterir(ana, vt);
    }
};

QTEST_MAIN(WindowFaultTest)
#include "tst_PencereArizalari.moc"
