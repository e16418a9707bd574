#include "destek/PencereKomutlari.h"

#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "rules/BolgeselMetin.h"
#include "store/ArizaNoktasi.h"
#include "ui/activity/FaaliyetDegistirmeFormu.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/main/TemelForm.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/widgets/ListeKutusu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

KilitArızası::KilitArızası(int sıra)
{
    ArizaNoktasi::Kur(sıra, DepoHatası::yeni(DepoHatası::Meşgul, QStringLiteral("Veritabanı kilitli.")));
}

KilitArızası::~KilitArızası()
{
    ArizaNoktasi::Kaldır();
}

void İkiProjeEkle(const GeçiciVeritabanı& vt)
{
    vt.ProjeEkle("ALFA", {2026, 1, 1}, {2026, 2, 1}, {{"A", "a", 3, ""}, {"B", "b", 2, "A"}, {"C", "c", 4, "A"}});
    vt.ProjeEkle("BETA", {2026, 5, 1}, {2026, 6, 1}, {{"A", "x", 1, ""}, {"B", "y", 1, "A"}});
}

namespace {

void Tıkla(QWidget* düğme)
{
    QTest::mouseClick(düğme, Qt::LeftButton);
}

// A field of a dialog that may be closed.
template <typename Form, typename Üye>
QLineEdit* Alan(Form* form, Üye üye)
{
    return form ? form->*üye : nullptr;
}

const QVector<PencereKomutu> Komutlar{
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

} // namespace

const QVector<PencereKomutu>& PencereKomutları()
{
    return Komutlar;
}

void PencereKomutuSatırları(bool yalnızDeğiştirenler)
{
    QTest::addColumn<int>("komut");
    for (int i = 0; i < Komutlar.size(); ++i) {
        if (!yalnızDeğiştirenler || Komutlar[i].başkaYerde)
            QTest::newRow(Komutlar[i].ad) << i;
    }
}

void PencereDepoyuGösterir(const TemelForm& ana, const GeçiciVeritabanı& vt)
{
    QStringList adlar;
    QVERIFY(!vt.depo().ProjeleriOku(adlar));
    QCOMPARE(ana.ProjeListesi->Metinler(), adlar);
    const QString seçili = ana.SeçiliProje();
    if (seçili.isEmpty()) {
        QCOMPARE(ProjeAlanları(ana).join(QString()), QString());
        QCOMPARE(ana.FaaliyetlerListesi->topLevelItemCount(), 0);
        return;
    }
    KayıtlıProje proje;
    QVector<KayıtlıFaaliyet> faaliyetler;
    QVERIFY(!vt.depo().ProjeOku(seçili, proje));
    QVERIFY(!vt.depo().FaaliyetleriOku(seçili, faaliyetler));
    QCOMPARE(ana.BaşlamaTarihiKutusu->text(), BölgeselMetin::TarihMetni(proje.başlama));
    QCOMPARE(ana.BitişTarihiKutusu->text(), BölgeselMetin::TarihMetni(proje.bitiş));
    QStringList gösterilen, saklı;
    for (int i = 0; i < ana.FaaliyetlerListesi->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* s = ana.FaaliyetlerListesi->topLevelItem(i);
        gösterilen << QStringList{s->text(0), s->text(1), s->text(2), s->text(3)}.join('|');
    }
    for (const KayıtlıFaaliyet& f : faaliyetler)
        saklı << QStringList{f.kodu, f.adı, BölgeselMetin::SüreMetni(f.süre), f.öncekiler}.join('|');
    QCOMPARE(gösterilen, saklı);
}
