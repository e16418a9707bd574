// Every command that writes, carried out through the real windows while the file
// is faulty: one box titled Kavrion with the number and Turkish text, the
// application goes on, no row changes, and a refresh shows what is stored.
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/Ariza.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/Ozet.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>

namespace {

// One user command: what the user does before the click that writes, and that click.
struct PencereKomutu {
    const char* ad;
    std::function<void(TemelForm&)> hazırla;
    std::function<void(TemelForm&)> tıkla;
};

const PencereKomutu Komutlar[] = {
    {"add project",
     [](TemelForm& ana) {
         ana.ProjeEkleDüğmesi->click();
         ProjeEklemeFormu* form = ana.AçıkProjeEklemeFormu();
         form->EkleKaydetDüğmesi->click();
         form->ProjeninAdıKutusu->setText("YENİ");
         form->BaşlamaTarihiKutusu->setText("1.04.2026");
         form->BitişTarihiKutusu->setText("9.04.2026");
         form->TarihKutusunuDenetle(form->BitişTarihiKutusu);
     },
     [](TemelForm& ana) { ana.AçıkProjeEklemeFormu()->EkleKaydetDüğmesi->click(); }},
    {"change project",
     [](TemelForm& ana) {
         ProjeyiSeç(ana, "ALFA");
         ana.ProjeDeğiştirDüğmesi->click();
         ana.AçıkProjeDeğiştirFormu()->ProjeninAdıKutusu->setText("ALFA 2");
     },
     [](TemelForm& ana) { ana.AçıkProjeDeğiştirFormu()->KaydetDüğmesi->click(); }},
    {"delete project", [](TemelForm& ana) { ProjeyiSeç(ana, "ALFA"); },
     [](TemelForm& ana) { ana.ProjeSilDüğmesi->click(); }},
    {"add activity",
     [](TemelForm& ana) {
         ProjeyiSeç(ana, "ALFA");
         ana.FaaliyetEkleDüğmesi->click();
         FaaliyetEklemeFormu* form = ana.AçıkFaaliyetEklemeFormu;
         form->EkleKaydetDüğmesi->click();
         form->FaaliyetAdıKutusu->setText("yeni");
         form->ÖngörülenSüreKutusu->setText("5");
         form->ÖncekiFaaliyetlerKutusu->setText("B,C");
     },
     [](TemelForm& ana) { ana.AçıkFaaliyetEklemeFormu->EkleKaydetDüğmesi->click(); }},
    {"change activity",
     [](TemelForm& ana) {
         ProjeyiSeç(ana, "ALFA");
         SatırıSeç(ana, "B");
         ana.FaaliyetDeğiştirDüğmesi->click();
         ana.AçıkFaaliyetDeğiştirmeFormu->FaaliyetAdıKutusu->setText("başka");
     },
     [](TemelForm& ana) { ana.AçıkFaaliyetDeğiştirmeFormu->KaydetDüğmesi->click(); }},
    {"delete last activity", [](TemelForm& ana) { ProjeyiSeç(ana, "ALFA"); },
     [](TemelForm& ana) { ana.SonFaaliyetiSilDüğmesi->click(); }},
    {"delete all activities", [](TemelForm& ana) { ProjeyiSeç(ana, "ALFA"); },
     [](TemelForm& ana) { ana.TümKayıtlarıSilDüğmesi->click(); }},
};

// The store boxes among those shown: confirmations are not failures.
QVector<MesajKaydı::Kutu> HataKutuları(const MesajKaydı& kayıt)
{
    QVector<MesajKaydı::Kutu> kutular;
    for (const MesajKaydı::Kutu& kutu : kayıt.kutular()) {
        if (kutu.simge != QMessageBox::Question)
            kutular << kutu;
    }
    return kutular;
}

// Closes every dialog, as the user would before trying again.
void DiyaloglarıKapat(TemelForm& ana)
{
    for (QWidget* çocuk : ana.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (çocuk->isWindow())
            çocuk->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the window shows after a refresh must be what the store holds.
void PencereDepoyuGösterir(TemelForm& ana, const ProjeDeposu& depo)
{
    ana.ProjeleriEkle();
    QStringList adlar;
    QVERIFY(!depo.ProjeleriOku(adlar));
    QCOMPARE(ana.ProjeListesi->Metinler(), adlar);
    if (!adlar.contains("ALFA"))
        return;
    ProjeyiSeç(ana, "ALFA");
    QVector<Faaliyet> faaliyetler;
    QVERIFY(!depo.FaaliyetleriOku("ALFA", faaliyetler));
    QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), faaliyetler.size());
    for (int i = 0; i < faaliyetler.size(); ++i) {
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItem(i)->text(0), faaliyetler[i].kodu);
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItem(i)->text(1), faaliyetler[i].adı);
    }
}

int verilen = 0;
int atlatılan = 0;
int kaybolan = 0;

} // namespace

class WindowFaultTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("store faults through the windows: injected %1, survived %2, rows lost %3")
                    .arg(verilen).arg(atlatılan).arg(kaybolan));
    }

    void everyCommandSurvivesEveryFault_data()
    {
        ArızaSatırları(Komutlar);
    }
    void everyCommandSurvivesEveryFault()
    {
        QFETCH(ArızaTürü, tür);
        QFETCH(int, komut);
        QFETCH(QString, metin);

        const ArızaOrtamı ortam(tür);
        if (!ortam.hazır())
            QSKIP("a small file system needs the right to mount");
        const GeçiciVeritabanı& vt = ortam.vt();
        const QStringList önce = vt.Satırlar();
        const PencereKomutu& k = Komutlar[komut];
        TemelForm ana(vt.depo());
        ana.show();
        MesajKaydı kayıt;
        k.hazırla(ana);
        QCOMPARE(kayıt.sayı(), 0);

        ++verilen;
        {
            Arıza arıza(tür, vt, ortam.disk());
            QVERIFY(arıza.tamam());
            k.tıkla(ana);
            const QVector<MesajKaydı::Kutu> hatalar = HataKutuları(kayıt);
            QCOMPARE(hatalar.size(), 1);
            QCOMPARE(hatalar[0].başlık, QStringLiteral("Kavrion"));
            QCOMPARE(hatalar[0].simge, QMessageBox::Critical);
            QCOMPARE(hatalar[0].metin, metin);
        }
        const QStringList sonra = vt.Satırlar();
        for (const QString& satır : önce)
            kaybolan += sonra.contains(satır) ? 0 : 1;
        QCOMPARE(sonra, önce);
        PencereDepoyuGösterir(ana, vt.depo());

        // The application goes on: the same command, tried again from the start, is
        // carried out; a file replaced under it is refused again until a restart.
        DiyaloglarıKapat(ana);
        kayıt.Temizle();
        k.hazırla(ana);
        k.tıkla(ana);
        if (tür == ArızaTürü::YerineÇöpKonmuş) {
            QCOMPARE(HataKutuları(kayıt).size(), 1);
            QCOMPARE(vt.Satırlar(), önce);
        } else {
            QVERIFY2(HataKutuları(kayıt).isEmpty(), qPrintable(kayıt.son().metin));
            QVERIFY(vt.Satırlar() != önce);
        }
        PencereDepoyuGösterir(ana, vt.depo());
        ++atlatılan;
    }
};

QTEST_MAIN(WindowFaultTest)
#include "tst_PencereArizalari.moc"
