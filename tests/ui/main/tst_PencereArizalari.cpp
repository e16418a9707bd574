// The seven commands that write, each carried out through the real buttons and
// dialogs while the store refuses inside the command's transaction: one Kavrion box
// with the number and text, no row changed, the window showing what is stored and a
// dialog left open with what was typed. Tried again, the command is carried out (a
// store that left the transaction open would refuse). And a row changed by another
// program after the window showed it is refused, the window showing the file anew.
// The failures at every statement, the real faults and the tables of hostile text
// are tried at the store.
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "rules/ProjeKurallari.h"
#include "store/ArizaNoktasi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString Düşmanca = QString::fromUtf8("o'brien \"x\"; DROP TABLE ProjeTablosu;-- %_ c:\\yol\\ "
                                           "\xF0\x9F\x9A\x80 e\xCC\x81 \xD7\xA4\xD7\xA8 ı i ")
    + QString(300, QChar(u'ş'));

void Tıkla(QWidget* düğme)
{
    QTest::mouseClick(düğme, Qt::LeftButton);
}

// A command on ÖrnekProjeler's ALFA: everything up to the click that writes (`ad` into
// the name field of the commands with a dialog), the click, the name field while the
// dialog is open, the statements read before the writing starts, and for a change or
// delete the SQL another program runs after the window has shown the row.
struct PencereKomutu {
    const char* ad;
    void (*hazırla)(TemelForm& ana, const QString& ad);
    void (*tıkla)(TemelForm& ana);
    QLineEdit* (*adAlanı)(const TemelForm& ana);
    int okuma;
    const char* başkaYerde;
};

template <typename Form, typename Üye>
QLineEdit* Alan(Form* form, Üye üye)
{
    return form ? form->*üye : nullptr;
}

const PencereKomutu Komutlar[] = {
    {"add project",
     [](TemelForm& ana, const QString& ad) {
         ProjeEklemeFormu* d = DiyaloğuAç(ana, ana.ProjeEkleDüğmesi, &TemelForm::AçıkProjeEklemeFormu);
         QVERIFY(d);
         Tıkla(d->EkleKaydetDüğmesi);
         Yapıştır(d->ProjeninAdıKutusu, ad);
         Yaz(d->BaşlamaTarihiKutusu, "1.04.2026");
         Yaz(d->BitişTarihiKutusu, "9.04.2026");
     },
     [](TemelForm& ana) { Tıkla(ana.AçıkProjeEklemeFormu()->EkleKaydetDüğmesi); },
     [](const TemelForm& ana) { return Alan(ana.AçıkProjeEklemeFormu(), &ProjeEklemeFormu::ProjeninAdıKutusu); }, 0, nullptr},
    {"change project",
     [](TemelForm& ana, const QString& ad) {
         ProjeyiSeç(ana, "ALFA");
         auto* d = DiyaloğuAç(ana, ana.ProjeDeğiştirDüğmesi, &TemelForm::AçıkProjeDeğiştirFormu);
         QVERIFY(d);
         Yapıştır(d->ProjeninAdıKutusu, ad);
     },
     [](TemelForm& ana) { Tıkla(ana.AçıkProjeDeğiştirFormu()->KaydetDüğmesi); },
     [](const TemelForm& ana) { return Alan(ana.AçıkProjeDeğiştirFormu(), &ProjeDeğiştirFormu::ProjeninAdıKutusu); }, 0,
     "UPDATE ProjeTablosu SET BitisTarihi = '2026-02-15' WHERE ProjeAdi = 'ALFA'"},
    {"delete project", [](TemelForm& ana, const QString&) { ProjeyiSeç(ana, "ALFA"); },
     [](TemelForm& ana) { Tıkla(ana.ProjeSilDüğmesi); }, nullptr, 0,
     "UPDATE ProjeTablosu SET BaslamaTarihi = '2026-01-02' WHERE ProjeAdi = 'ALFA'"},
    {"add activity",
     [](TemelForm& ana, const QString& ad) {
         ProjeyiSeç(ana, "ALFA");
         FaaliyetEklemeFormu* d = DiyaloğuAç(ana, ana.FaaliyetEkleDüğmesi, &TemelForm::AçıkFaaliyetEklemeFormu);
         QVERIFY(d);
         Tıkla(d->EkleKaydetDüğmesi);
         Yapıştır(d->FaaliyetAdıKutusu, ad);
         Yaz(d->ÖngörülenSüreKutusu, "5");
         d->ÖncekiFaaliyetleriSeçmeKutusu->setCurrentText("C");
         Tıkla(d->EklemeDüğmesi);
     },
     [](TemelForm& ana) { Tıkla(ana.AçıkFaaliyetEklemeFormu()->EkleKaydetDüğmesi); },
     [](const TemelForm& ana) { return Alan(ana.AçıkFaaliyetEklemeFormu(), &FaaliyetEklemeFormu::FaaliyetAdıKutusu); }, 2, nullptr},
    {"change activity",
     [](TemelForm& ana, const QString& ad) {
         ProjeyiSeç(ana, "ALFA");
         SatırıSeç(ana, "B");
         auto* d = DiyaloğuAç(ana, ana.FaaliyetDeğiştirDüğmesi, &TemelForm::AçıkFaaliyetDeğiştirmeFormu);
         QVERIFY(d);
         Yapıştır(d->FaaliyetAdıKutusu, ad);
     },
     [](TemelForm& ana) { Tıkla(ana.AçıkFaaliyetDeğiştirmeFormu()->KaydetDüğmesi); },
     [](const TemelForm& ana) { return Alan(ana.AçıkFaaliyetDeğiştirmeFormu(), &FaaliyetDeğiştirmeFormu::FaaliyetAdıKutusu); }, 2,
     "UPDATE FaaliyetlerTablosu SET OngorulenSure = 7 WHERE Projesi = 'ALFA' AND Kodu = 'B'"},
    {"delete last activity", [](TemelForm& ana, const QString&) { ProjeyiSeç(ana, "ALFA"); },
     [](TemelForm& ana) { Tıkla(ana.SonFaaliyetiSilDüğmesi); }, nullptr, 0,
     "UPDATE FaaliyetlerTablosu SET OncekiFaaliyet = 'B' WHERE Projesi = 'ALFA' AND Kodu = 'C'"},
    {"delete all activities", [](TemelForm& ana, const QString&) { ProjeyiSeç(ana, "ALFA"); },
     [](TemelForm& ana) { Tıkla(ana.TümKayıtlarıSilDüğmesi); }, nullptr, 0,
     "UPDATE FaaliyetlerTablosu SET Adi = 'başka' WHERE Projesi = 'ALFA' AND Kodu = 'A'"},
};

void KomutSatırları(bool yalnızDeğiştirenler)
{
    QTest::addColumn<int>("komut");
    for (int i = 0; i < int(std::size(Komutlar)); ++i) {
        if (!yalnızDeğiştirenler || Komutlar[i].başkaYerde)
            QTest::newRow(Komutlar[i].ad) << i;
    }
}

// The window shows what the store holds: all that a window opened afresh on the store
// shows, with the same project selected.
void DepoyuGösterir(const TemelForm& ana, const GeçiciVeritabanı& vt)
{
    TemelForm yeni(vt.depo());
    if (!ana.SeçiliProje().isEmpty())
        ProjeyiSeç(yeni, ana.SeçiliProje());
    QCOMPARE(ana.ProjeListesi->Metinler(), yeni.ProjeListesi->Metinler());
    QCOMPARE(ProjeAlanları(ana), ProjeAlanları(yeni));
    QCOMPARE(ListedekiSatırlar(ana), ListedekiSatırlar(yeni));
}

} // namespace

class WindowFaultTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }
    void cleanup() { ArizaNoktasi::Kaldır(); }

    void refusedWriteIsOneBoxAndChangesNothing_data() { KomutSatırları(false); }
    void refusedWriteIsOneBoxAndChangesNothing()
    {
        QFETCH(int, komut);
        const PencereKomutu& k = Komutlar[komut];
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
        const QStringList önce = vt.Satırlar();
        TemelForm ana(vt.depo());
        QVERIFY(ÖneGetirVeBekle(&ana));
        MesajKaydı kayıt;
        k.hazırla(ana, "YENİ");
        // The failure comes after BEGIN, inside the command's transaction.
        ArizaNoktasi::Kur(k.okuma + 2, DepoHatası::yeni(DepoHatası::Meşgul, QStringLiteral("Veritabanı kilitli.")));
        k.tıkla(ana);
        ArizaNoktasi::Kaldır();
        QCOMPARE(kayıt.hatalar(), QStringList{"Hata 5: Veritabanı kilitli."});
        QCOMPARE(kayıt.son().başlık, "Kavrion");
        QCOMPARE(vt.Satırlar(), önce);
        DepoyuGösterir(ana, vt);
        if (k.adAlanı) {
            QVERIFY2(k.adAlanı(ana), "the dialog closed");
            QCOMPARE(k.adAlanı(ana)->text(), "YENİ");
        }

        // Closed as the user would, and tried again with a hostile name.
        for (QWidget* çocuk : ana.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (çocuk->isWindow())
                çocuk->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        kayıt.Temizle();
        k.hazırla(ana, Düşmanca);
        k.tıkla(ana);
        QVERIFY2(kayıt.hatalar().isEmpty(), qPrintable(kayıt.son().metin));
        QVERIFY(vt.Satırlar() != önce);
        QCOMPARE(vt.Satırlar().filter("BETA"), önce.filter("BETA"));
        DepoyuGösterir(ana, vt);
        const QString yazılan = QString::fromUtf8(k.ad).endsWith("project") ? BüyükHarfeÇevir(Düşmanca) : Düşmanca;
        QVERIFY(!k.adAlanı || !vt.Satırlar().filter(yazılan).isEmpty());
    }

    void changedElsewhereIsRefused_data() { KomutSatırları(true); }
    void changedElsewhereIsRefused()
    {
        QFETCH(int, komut);
        const PencereKomutu& k = Komutlar[komut];
        GeçiciVeritabanı vt;
        ÖrnekProjeler(vt);
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
        DepoyuGösterir(ana, vt);
    }
};

QTEST_MAIN(WindowFaultTest)
#include "tst_PencereArizalari.moc"
