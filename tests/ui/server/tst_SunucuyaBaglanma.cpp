// The application on a PostgreSQL server: started with --sunucu, or moved there by
// "Dosya → Sunucuya Bağlan…"; a password asked for once and kept nowhere.
// ctest-sunucu
#include "app/Baslangic.h"
#include "destek/GeciciVeritabani.h"
#include "destek/PencereAnaPencereSurucusu.h"
#include "destek/PencereMesajKaydi.h"
#include "destek/SunucuVeritabani.h"
#include "store/Sema.h"
#include "ui/project/ProjeDegistirFormu.h"
#include "ui/project/ProjeEklemeFormu.h"
#include "ui/server/ParolaSorusu.h"
#include "ui/server/SunucuyaBaglanFormu.h"
#include "ui/main/TemelForm.h"
#include "ui/widgets/ListeKutusu.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

// The projects stored at `adres`, read as another planner would.
QStringList SunucudakiProjeler(const SunucuAdresi& adres)
{
    const GeciciBaglanti baska(adres);
    QStringList adlar;
    baska.depo().ProjeleriOku(adlar);
    return adlar;
}

// The dialog's fields filled with `adres`.
void Doldur(SunucuyaBaglanFormu& d, const SunucuAdresi& adres)
{
    d.SunucuKutusu->setText(adres.sunucu);
    d.PortKutusu->setText(adres.port);
    d.VeritabaniKutusu->setText(adres.veritabani);
    d.KullaniciKutusu->setText(adres.kullanici);
}

} // namespace

class ServerApplicationTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_ayarlar;

    // Everything the settings hold, as written.
    QString AyarMetinleri() const
    {
        QString metin;
        for (QDirIterator d(m_ayarlar.path(), QDir::Files, QDirIterator::Subdirectories); d.hasNext();) {
            QFile dosya(d.next());
            metin += dosya.open(QIODevice::ReadOnly) ? QString::fromUtf8(dosya.readAll()) : QString();
        }
        return metin;
    }

private slots:
    void initTestCase()
    {
        // The remembered address goes to a folder of the test's own, never to the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_ayarlar.path());
    }
    void init() { QLocale::setDefault(Turkce); }
    void cleanup() { ParolaSorusu::SorucuKur({}); }

    // Alt+O, S opens the dialog; typed fields and Alt+B move the window from its file to a fresh
    // server database, where a project added through the window is stored and listed. The
    // address is remembered for the next opening; the about box and the caption name the server.
    void theDialogMovesTheWindowToTheServer()
    {
        SUNUCU_VERITABANI(sv);
        QCOMPARE(sv.Calistir(Sema::SunucuKurulumu()), QString());
        GeciciVeritabani vt;
        vt.ProjeEkle("DOSYADA");
        const QStringList dosyada = vt.Satirlar();
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QVERIFY(OneGetirVeBekle(&ana));
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList{"DOSYADA"});
        ProjeyiSec(ana, "DOSYADA");
        QPointer<ProjeDegistirFormu> degistir = DiyaloguAc(ana, ana.ProjeDegistirDugmesi, &TemelForm::AcikProjeDegistirFormu);
        QVERIFY(degistir && OneGetirVeBekle(&ana));

        QTest::keyClick(&ana, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu*>(QApplication::activePopupWidget()), 30000);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
        QPointer<SunucuyaBaglanFormu> d = ana.AcikSunucuyaBaglanFormu();
        QVERIFY(d && OneGetirVeBekle(d));
        const SunucuAdresi& a = sv.adres();
        for (const QString& alan : {a.sunucu, a.port, a.veritabani, a.kullanici}) {
            QTest::keyClicks(Odak(), alan);
            QTest::keyClick(Odak(), Qt::Key_Tab);
        }
        QCOMPARE(Odak(), d->TlsKipiKutusu);
        QCOMPARE(d->TlsKipiKutusu->currentText(), "prefer");
        const SunucuAdresi girilen = d->Adres();
        ErisimTusu(d, Qt::Key_B);
        QCOMPARE(kayit.metinler(), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(!d && !degistir, 30000); // the change dialog held the file's row
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList());
        QCOMPARE(ana.windowTitle(), "Zelvora - CPM (Kritik Yol Yöntemi) Uygulaması — Sunucu: " + GosterilecekAdres(girilen));

        QVERIFY(OneGetirVeBekle(&ana));
        ErisimTusu(&ana, Qt::Key_E);
        ProjeEklemeFormu* ekle = ana.AcikProjeEklemeFormu();
        QVERIFY(ekle && OneGetirVeBekle(ekle));
        ErisimTusu(ekle, Qt::Key_E);
        Yaz(ekle->ProjeninAdiKutusu, "SUNUCUDA");
        Yaz(ekle->BaslamaTarihiKutusu, "1.03.2026");
        Yaz(ekle->BitisTarihiKutusu, "11.03.2026");
        QTest::mouseClick(ekle->EkleKaydetDugmesi, Qt::LeftButton);
        QCOMPARE(kayit.metinler(), QStringList());
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList{"SUNUCUDA"});
        QCOMPARE(SunucudakiProjeler(a), QStringList{"SUNUCUDA"});
        QCOMPARE(vt.Satirlar(), dosyada);
        // The window listens to the server it moved to: another planner's project comes by itself.
        QVERIFY(!GeciciBaglanti(a).depo().ProjeEkle({"BAŞKASININ", QDate(2026, 4, 1), QDate(2026, 4, 9)}));
        QTRY_COMPARE_WITH_TIMEOUT(ana.ProjeListesi->Metinler(), QStringList({"SUNUCUDA", "BAŞKASININ"}), 30000);

        ana.KavrionHakkinda();
        QVERIFY2(kayit.son().metin.endsWith("\nSunucu: " + GosterilecekAdres(girilen)), qPrintable(kayit.son().metin));
        QCOMPARE(QSettings("Kavrion", "Kavrion").value(SunucuyaBaglanFormu::AyarAnahtari).toString(), KalinacakAdres(girilen));
        ana.SunucuyaBaglan();
        QCOMPARE(ana.AcikSunucuyaBaglanFormu()->Adres(), girilen);
    }

    // A server that cannot be reached (nobody listens on port 1): the box names it by host and port,
    // and the window stays on its file. The dialog keeps what was typed, and after Ctrl+W has closed
    // it, opens with it again.
    void anUnreachableServerLeavesTheFile()
    {
        GeciciVeritabani vt;
        vt.ProjeEkle("DOSYADA");
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        ana.SunucuyaBaglan();
        QPointer<SunucuyaBaglanFormu> d = ana.AcikSunucuyaBaglanFormu();
        const SunucuAdresi girilen{"127.0.0.1", "1", "plan", "planci", "prefer", {}, {}};
        Doldur(*d, girilen);
        d->BaglanDugmesi->click();
        QCOMPARE(kayit.hatalar(), QStringList{"Hata 14: Sunucuya ulaşılamıyor. Sunucu: 127.0.0.1, port 1."});
        QVERIFY(d->isVisible() && !ana.belge().sunucu());
        QCOMPARE(d->Adres(), girilen);
        QVERIFY(OneGetirVeBekle(d));
        QTest::keyClick(d, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!d);
        ana.SunucuyaBaglan();
        QCOMPARE(ana.AcikSunucuyaBaglanFormu()->Adres(), girilen);
        ana.ProjeleriEkle();
        QCOMPARE(ana.ProjeListesi->Metinler(), QStringList{"DOSYADA"});
    }

    // A role with a password: asked at each try, titled, naming the connection; Vazgeç says nothing
    // and connects nothing, a wrong password is the server's refusal, and the right one connects.
    // It is in no box, caption or setting.
    void aPasswordIsAskedForAndKeptNowhere()
    {
        SUNUCU_VERITABANI(sv);
        QCOMPARE(sv.Calistir(Sema::SunucuKurulumu()), QString());
        const QString parola = QStringLiteral("gizli 'parola' 42");
        SunucuAdresi adres = sv.adres();
        adres.kullanici = sv.RolOlustur(parola);
        QVERIFY(!adres.kullanici.isEmpty());
        QCOMPARE(sv.Calistir(Sema::SunucuRolu(adres.kullanici).mid(1)), QString()); // made with its password
        GeciciVeritabani vt;
        MesajKaydi kayit;
        AnaPencere ana(vt.depo());
        QStringList sorular;
        std::optional<QString> yanit;
        ParolaSorusu::SorucuKur([&](QWidget*, const QString& baslik, const QString& metin) {
            sorular << baslik + '|' + metin;
            return yanit;
        });
        ana.SunucuyaBaglan();
        SunucuyaBaglanFormu* d = ana.AcikSunucuyaBaglanFormu();
        Doldur(*d, adres);
        d->BaglanDugmesi->click();
        QVERIFY(kayit.metinler().isEmpty() && d->isVisible() && !ana.belge().sunucu());
        yanit = QStringLiteral("yanlış");
        d->BaglanDugmesi->click();
        QCOMPARE(kayit.hatalar(), QStringList{"Hata 23: Sunucu parola istiyor ya da verilen parolayı kabul etmedi."});
        QVERIFY(!ana.belge().sunucu());

        yanit = parola;
        d->BaglanDugmesi->click();
        QCOMPARE(kayit.sayi(), 1);
        QCOMPARE(ana.belge().sunucu(), GizlisizAdres(d->Adres()));
        const QString soru = "Sunucu Parolası|Sunucu bu bağlantı için parola istiyor:\n" + GosterilecekAdres(d->Adres())
                             + "\n\nParola:";
        QCOMPARE(sorular, QStringList({soru, soru, soru}));
        QVERIFY(ana.belge().Calistir(ProjeEkleKomutu{{"P", QDate(2026, 3, 1), QDate(2026, 3, 11)}}).depo.numara == 0);
        QCOMPARE(SunucudakiProjeler(sv.adres()), QStringList{"P"});
        ana.KavrionHakkinda();
        for (const MesajKaydi::Kutu& kutu : kayit.kutular())
            QVERIFY(!(kutu.metin + kutu.ayrinti).contains(parola));
        QVERIFY(!(ana.windowTitle() + sorular.join(' ')).contains(parola));
        QVERIFY(AyarMetinleri().contains(adres.kullanici));
        QVERIFY(!AyarMetinleri().contains(parola));
    }

    // kavrion --sunucu: a malformed address, no server, no schema or an old one end in one box
    // with no window and no connection left; a sound database opens with its projects.
    void startUpOnAServer()
    {
        SUNUCU_VERITABANI(sv);
        const auto basla = [](const QString& metin) {
            MesajKaydi kayit;
            const auto pencere = SunucuylaBaslat(metin);
            const QString sonuc = pencere ? pencere->pencere.ProjeListesi->Metinler().join(',') : kayit.hatalar().join('|');
            return kayit.sayi() == (pencere ? 0 : 1) && QSqlDatabase::connectionNames().isEmpty() == !pencere
                       ? sonuc
                       : QStringLiteral("boxes: %1").arg(kayit.metinler().join('|'));
        };
        QVERIFY(basla(" port=x").startsWith("Hata 20: Sunucu adresi okunamadı: port 'x' 1 ile 65535"));
        QCOMPARE(basla("host=" + m_ayarlar.filePath("yok") + " port=5999"),
                 "Hata 14: Sunucuya ulaşılamıyor. Sunucu: " + m_ayarlar.filePath("yok") + ", port 5999.");
        const QString adres = KalinacakAdres(sv.adres());
        QCOMPARE(basla(adres), "Hata 1: Sunucudaki veritabanında ProjeTablosu tablosu yok: bir Kavrion veritabanı değil "
                               "ya da \"veritabani-olustur --sunucu\" ile kurulmamış.");
        QCOMPARE(sv.Calistir(Sema::SunucuKurulumu() << "UPDATE KavrionSurumu SET Surum = 1"), QString());
        QCOMPARE(basla(adres), QStringLiteral("Hata 1: Sunucudaki şema Kavrion'un eski bir sürümünden kalma (sürüm 1); "
                                              "bu sürüm %1 ister. Sunucunun yöneticisi \"veritabani-olustur "
                                              "--sunucu BAĞLANTI --guncelle\" ile güncelleyebilir.").arg(Sema::Surum));
        QCOMPARE(sv.Calistir({QStringLiteral("UPDATE KavrionSurumu SET Surum = %1").arg(Sema::Surum)}), QString());
        for (const char* ad : {"ALFA", "BETA"})
            QVERIFY(!GeciciBaglanti(sv.adres()).depo().ProjeEkle({ad, QDate(2026, 3, 1), QDate(2026, 3, 11)}));
        QCOMPARE(basla(adres), "ALFA,BETA");
        // A role whose password libpq does not know: asked for before the window shows.
        SunucuAdresi rolle = sv.adres();
        rolle.kullanici = sv.RolOlustur(QStringLiteral("p4rola"));
        QCOMPARE(sv.Calistir(Sema::SunucuRolu(rolle.kullanici).mid(1)), QString());
        ParolaSorusu::SorucuKur([](QWidget*, const QString&, const QString&) { return std::optional<QString>(); });
        {
            const MesajKaydi kayit; // Vazgeç: no window, and no box either
            QVERIFY(!SunucuylaBaslat(KalinacakAdres(rolle)));
            QCOMPARE(kayit.sayi(), 0);
        }
        ParolaSorusu::SorucuKur([](QWidget*, const QString&, const QString&) { return QStringLiteral("p4rola"); });
        QCOMPARE(basla(KalinacakAdres(rolle)), "ALFA,BETA");
    }

    // "Son Faaliyeti Sil" acts on the rows shown as it was pressed: an activity another planner adds
    // while its question is open, and that the window shows by itself, makes it refuse, not deleted.
    void aDeleteActsOnWhatWasShownAtThePress()
    {
        SUNUCU_VERITABANI(sv);
        QCOMPARE(sv.Calistir(Sema::SunucuKurulumu()), QString());
        const GeciciBaglanti ben(sv.adres(), ProjeDeposu::Acilis::Denetle, "ben");
        const GeciciBaglanti o(sv.adres(), ProjeDeposu::Acilis::Denetle, "öteki");
        OrnekProjeler(o.depo());
        MesajKaydi kayit;
        AnaPencere ana(ben.depo());
        ProjeyiSec(ana, "ALFA");
        kayit.AcikkenCalistir([&] {
            if (kayit.sayi() == 1) {
                QVERIFY(!o.depo().FaaliyetEkle("ALFA", {"D", "d", 1, "C"}));
                QTRY_COMPARE_WITH_TIMEOUT(ana.FaaliyetlerListesi->topLevelItemCount(), 4, 30000);
            }
        });
        QTest::mouseClick(ana.SonFaaliyetiSilDugmesi, Qt::LeftButton);
        QCOMPARE(kayit.hatalar(), QStringList{"Hata 12: \"ALFA\" projesinin faaliyetleri siz görüntüledikten sonra "
                                              "başka bir yerde değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor."});
        QVector<KayitliFaaliyet> faaliyetler;
        QVERIFY(!o.depo().FaaliyetleriOku("ALFA", faaliyetler));
        QCOMPARE(faaliyetler.size(), 4);
    }
};

QTEST_MAIN(ServerApplicationTest)
#include "tst_SunucuyaBaglanma.moc"
