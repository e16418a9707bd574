#include "Bolumler.h"
#include "PencereOlcumleri.h"
#include "ui/Mesaj.h"
#include "ui/activity/FaaliyetEklemeFormu.h"
#include "ui/project/ProjeDegistirFormu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

namespace {

// Answers every confirmation with Yes, as the user who gave the command would. Any
// other box means the command did not do what is measured.
class Onaylayici {
public:
    Onaylayici()
    {
        Mesaj::GostericiKur([](QWidget*, const QString&, const QString& metin, QMessageBox::Icon simge,
                               const QString&) {
            if (simge != QMessageBox::Question) {
                std::fprintf(stderr, "Beklenmeyen ileti: %s\n", qPrintable(metin));
                std::exit(1);
            }
            return QMessageBox::Yes;
        });
    }
    ~Onaylayici() { Mesaj::GostericiKur({}); }
    Onaylayici(const Onaylayici&) = delete;
    Onaylayici& operator=(const Onaylayici&) = delete;
};

void IkiSatir(Tablo& tablo, const QString& islem, const QString& ayrinti, const std::pair<Olcum, Olcum>& olcum,
              std::optional<double> hedef = std::nullopt)
{
    tablo.Satir(islem, ayrinti, olcum.first, QStringLiteral("ms"), hedef);
    tablo.Satir(islem + QStringLiteral(", çizimle"), ayrinti, olcum.second, QStringLiteral("ms"));
}

} // namespace

void FaaliyetEklemeyiOlc(Tablo& tablo, OlculenPencere& olculen, int tekrar, double hedef)
{
    TemelForm& pencere = olculen.pencere();
    olculen.Sec(olculen.Satir(Deney::EklenecekProje));
    pencere.FaaliyetEkleDugmesi_Click();
    FaaliyetEklemeFormu* ekleme = pencere.AcikFaaliyetEklemeFormu();
    EkraniTamamla();
    bool eklendi = false;
    const auto ekle = SureOlc(tekrar, [&] {
        if (eklendi) {
            QVector<KayitliFaaliyet> faaliyetler;
            Deney::Gerekli(olculen.depo().FaaliyetleriOku(Deney::EklenecekProje, faaliyetler));
            Deney::Gerekli(olculen.depo().SonFaaliyetiSil(Deney::EklenecekProje, faaliyetler.last()));
            pencere.ProjeListesi_Click();
        }
        ekleme->EkleKaydetDugmesi->click();
        ekleme->FaaliyetAdiKutusu->setText(QStringLiteral("Son faaliyet"));
        ekleme->OngorulenSureKutusu->setText(QStringLiteral("5"));
        ekleme->OncekiFaaliyetleriSecmeKutusu->setCurrentIndex(0);
        ekleme->EklemeDugmesi->click();
        EkraniTamamla();
    }, [&] {
        ekleme->EkleKaydetDugmesi->click();
        eklendi = true;
    }, EkraniTamamla);
    if (pencere.FaaliyetlerListesi->topLevelItemCount() != Deney::FaaliyetSayisi) {
        std::fprintf(stderr, "Faaliyet eklenmedi\n");
        std::exit(1);
    }
    IkiSatir(tablo, QStringLiteral("Faaliyet Ekleme: Kaydet"), QStringLiteral("61 faaliyetten sonra, yenilemeyle"),
             ekle, hedef);
}

void KomutBolumu(Tablo& tablo, const Deney::Veritabani& vt)
{
    tablo.Bolum(QStringLiteral("Yazan komutlar, %1 faaliyet, %2 listede")
                    .arg(Deney::FaaliyetSayisi).arg(Deney::ProjeSayisi(vt.projeSayisi)));
    OlculenPencere olculen(vt.yol);
    TemelForm& pencere = olculen.pencere();
    const Onaylayici onaylayici;
    const int tekrar = Deney::KomutTekrari;

    FaaliyetEklemeyiOlc(tablo, olculen, tekrar, 10.0);

    // The add just measured, taken back and written again from the Edit menu; each time
    // the file and the project as shown change together.
    const auto geriAl = SureOlc(tekrar, [&] {
        pencere.Yinele();
        EkraniTamamla();
    }, [&] { pencere.GeriAl(); }, EkraniTamamla);
    IkiSatir(tablo, QStringLiteral("Geri Al: Faaliyet Ekle"), QStringLiteral("62. faaliyet, yenilemeyle"), geriAl, 5.0);
    const auto yinele = SureOlc(tekrar, [&] {
        if (pencere.belge().yinelenecek().kimlik == 0)
            pencere.GeriAl();
        EkraniTamamla();
    }, [&] { pencere.Yinele(); }, EkraniTamamla);
    IkiSatir(tablo, QStringLiteral("Yinele: Faaliyet Ekle"), QStringLiteral("62. faaliyet, yenilemeyle"), yinele, 5.0);

    int sira = 0;
    const auto bosalt = SureOlc(tekrar, [&] {
        olculen.Sec(olculen.Satir(Deney::BosaltilacakProje(++sira)));
        EkraniTamamla();
    }, [&] { pencere.TumKayitlariSilDugmesi->click(); }, EkraniTamamla);
    IkiSatir(tablo, QStringLiteral("Tüm Faaliyetleri Sil"), QStringLiteral("62 faaliyet, yenilemeyle"), bosalt);

    sira = 0;
    const auto sil = SureOlc(tekrar, [&] {
        olculen.Sec(olculen.Satir(Deney::SilinecekProje(++sira)));
        EkraniTamamla();
    }, [&] { pencere.ProjeSilDugmesi->click(); }, EkraniTamamla);
    IkiSatir(tablo, QStringLiteral("Proje Sil"), QStringLiteral("62 faaliyetiyle, liste yeniden dolar"), sil);

    // The name goes back and forth, each time carried to the 62 activities.
    QString ad = Deney::AdiDegisecekProje;
    ProjeDegistirFormu* degistirme = nullptr;
    const auto degistir = SureOlc(tekrar, [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        olculen.Sec(olculen.Satir(ad));
        pencere.ProjeDegistirDugmesi_Click();
        degistirme = pencere.AcikProjeDegistirFormu();
        ad = ad == Deney::AdiDegisecekProje ? ad + QStringLiteral(" 2") : Deney::AdiDegisecekProje;
        degistirme->ProjeninAdiKutusu->setText(ad);
        EkraniTamamla();
    }, [&] { degistirme->KaydetDugmesi->click(); }, EkraniTamamla);
    olculen.Satir(ad);
    IkiSatir(tablo, QStringLiteral("Proje Değiştir: Kaydet"), QStringLiteral("yeni ad 62 faaliyete, liste yeniden dolar"),
             degistir);
}
