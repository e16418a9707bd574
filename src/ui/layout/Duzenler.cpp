#include "ui/layout/Duzenler.h"

#include "ui/widgets/ListeKutusu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace Duzenler {
namespace {

using T = DenetimTuru;
constexpr bool Pencerede = false;
constexpr bool Cercevede = true;

constexpr unsigned BilgiKutusu = Ayar::Lacivert | Ayar::SaltOkunur | Ayar::SekmeDuragiYok;

std::vector<DenetimDuzeni> Birlestir(std::vector<DenetimDuzeni> once, const std::vector<DenetimDuzeni>& sonra)
{
    once.insert(once.end(), sonra.begin(), sonra.end());
    return once;
}

// The frame and fields both project dialogs share; only the frame's initial state differs.
template <typename D>
std::vector<DenetimDuzeni> ProjeAlanlari(unsigned cerceveAyari)
{
    using A = ProjeAlanDenetimleri;
    return {
        {"Çerçeve", T::Cerceve, "Proje Bilgileri ", Pencerede, 300, 300, 5115, 2145, Ayar::Lacivert | cerceveAyari,
         &Yerlestir<D, &A::Cerceve>},
        {"Etiket(0)", T::Etiket, "Projenin Adı :", Cercevede, 990, 360, 930, 195, Ayar::SagaYasli},
        {"ProjeninAdıKutusu", T::MetinKutusu, "", Cercevede, 2070, 300, 2775, 315, Ayar::Yok,
         &Yerlestir<D, &A::ProjeninAdiKutusu>},
        {"Etiket(1)", T::Etiket, "Tahmini Başlama Tarihi :", Cercevede, 195, 790, 1725, 195, Ayar::SagaYasli},
        {"BaşlamaTarihiKutusu", T::MetinKutusu, "", Cercevede, 2070, 730, 2775, 315, Ayar::Yok,
         &Yerlestir<D, &A::BaslamaTarihiKutusu>},
        {"Etiket(2)", T::Etiket, "Tahmini Bitiş Tarihi :", Cercevede, 510, 1220, 1410, 195, Ayar::SagaYasli},
        {"BitişTarihiKutusu", T::MetinKutusu, "", Cercevede, 2070, 1160, 2775, 315, Ayar::Yok,
         &Yerlestir<D, &A::BitisTarihiKutusu>},
        {"Etiket(3)", T::Etiket, "Tahmini Gün Sayısı :", Cercevede, 450, 1650, 1440, 195, Ayar::SagaYasli},
        {"TahminiGünSayısıKutusu", T::MetinKutusu, "", Cercevede, 2070, 1590, 2775, 315,
         Ayar::Kapali | Ayar::SekmeDuragiYok, &Yerlestir<D, &A::TahminiGunSayisiKutusu>},
    };
}

// The frame and fields both activity dialogs share; the change dialog also disables the code.
template <typename D>
std::vector<DenetimDuzeni> FaaliyetAlanlari(unsigned cerceveAyari, unsigned koduAyari)
{
    using A = FaaliyetAlanDenetimleri;
    return {
        {"Çerçeve", T::Cerceve, "Faaliyet Bilgileri ", Pencerede, 300, 300, 4905, 4125, Ayar::Lacivert | cerceveAyari,
         &Yerlestir<D, &A::Cerceve>},
        {"Etiket(0)", T::Etiket, "Faaliyet Kodu :", Cercevede, 660, 390, 1050, 195, Ayar::SagaYasli},
        {"FaaliyetKoduKutusu", T::MetinKutusu, "", Cercevede, 1920, 330, 2715, 315,
         Ayar::SaltOkunur | Ayar::SekmeDuragiYok | koduAyari, &Yerlestir<D, &A::FaaliyetKoduKutusu>},
        {"Etiket(1)", T::Etiket, "Faaliyet Adı :", Cercevede, 810, 840, 900, 195, Ayar::SagaYasli},
        {"FaaliyetAdıKutusu", T::MetinKutusu, "", Cercevede, 1920, 780, 2715, 315, Ayar::Yok,
         &Yerlestir<D, &A::FaaliyetAdiKutusu>},
        {"Etiket(2)", T::Etiket, "Öngörülen Süre :", Cercevede, 510, 1290, 1200, 195, Ayar::SagaYasli},
        {"ÖngörülenSüreKutusu", T::MetinKutusu, "", Cercevede, 1920, 1230, 2715, 315, Ayar::Yok,
         &Yerlestir<D, &A::OngorulenSureKutusu>},
        {"Etiket(3)", T::Etiket, "Önceki Faaliyet(ler) :", Cercevede, 270, 1740, 1440, 195, Ayar::SagaYasli},
        {"ÖncekiFaaliyetleriSeçmeKutusu", T::AcilirListe, "", Cercevede, 1920, 1680, 915, 315, Ayar::Yok,
         &Yerlestir<D, &A::OncekiFaaliyetleriSecmeKutusu>},
        // Below the list they build, but before "Ekle" in the tab order: they are set before it is pressed.
        {"Etiket(4)", T::Etiket, "Bağ Türü :", Cercevede, 270, 2640, 1440, 195, Ayar::SagaYasli},
        {"BağTürüKutusu", T::AcilirListe, "", Cercevede, 1920, 2580, 2715, 315, Ayar::Yok,
         &Yerlestir<D, &A::BagTuruKutusu>},
        {"Etiket(5)", T::Etiket, "Gecikme (iş günü) :", Cercevede, 270, 3090, 1440, 195, Ayar::SagaYasli},
        {"GecikmeKutusu", T::SayiKutusu, "", Cercevede, 1920, 3030, 915, 315, Ayar::Yok,
         &Yerlestir<D, &A::GecikmeKutusu>},
        {"EklemeDüğmesi", T::Dugme, "Ekle", Cercevede, 2910, 1665, 825, 345, Ayar::Yok,
         &Yerlestir<D, &A::EklemeDugmesi>},
        {"SilDüğmesi", T::Dugme, "Sil", Cercevede, 3810, 1665, 825, 345, Ayar::Yok, &Yerlestir<D, &A::SilDugmesi>},
        {"ÖncekiFaaliyetlerKutusu", T::MetinKutusu, "", Cercevede, 1920, 2130, 2715, 315,
         Ayar::SaltOkunur | Ayar::SekmeDuragiYok, &Yerlestir<D, &A::OncekiFaaliyetlerKutusu>},
        {"BağKuralıEtiketi", T::Etiket, "", Cercevede, 270, 3480, 4365, 480, Ayar::Yok,
         &Yerlestir<D, &A::BagKuraliEtiketi>},
    };
}

} // namespace

const TurluDuzen<TemelFormDenetimleri>& TemelForm()
{
    using D = TemelFormDenetimleri;
    static const TurluDuzen<D> duzen{{
        "Zelvora - CPM (Kritik Yol Yöntemi) Uygulaması", true, 11910, 8520,
        {
            {"Etiket(0)", T::Etiket, "Projeler", Pencerede, 270, 270, 525, 195, Ayar::Yok},
            {"ProjeListesi", T::Liste, "", Pencerede, 270, 570, 2355, 6300, Ayar::Yok, &Yerlestir<D, &D::ProjeListesi>},
            {"ProjeEkleDüğmesi", T::Dugme, "Proje &Ekle", Pencerede, 270, 7020, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeEkleDugmesi>},
            {"ProjeDeğiştirDüğmesi", T::Dugme, "Proje &Değiştir", Pencerede, 270, 7440, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeDegistirDugmesi>},
            {"ProjeSilDüğmesi", T::Dugme, "Proje &Sil", Pencerede, 270, 7860, 2355, 345, Ayar::Yok,
             &Yerlestir<D, &D::ProjeSilDugmesi>},
            {"Çerçeve", T::Cerceve, "Proje Bilgileri ", Pencerede, 2880, 300, 8745, 1605, Ayar::Lacivert,
             &Yerlestir<D, &D::Cerceve>},
            {"Etiket(1)", T::Etiket, "Tahmini Başlama Tarihi :", Cercevede, 195, 360, 1725, 195, Ayar::SagaYasli},
            {"BaşlamaTarihiKutusu", T::MetinKutusu, "", Cercevede, 2070, 300, 1335, 315, BilgiKutusu,
             &Yerlestir<D, &D::BaslamaTarihiKutusu>},
            {"Etiket(2)", T::Etiket, "Tahmini Bitiş Tarihi :", Cercevede, 510, 750, 1410, 195, Ayar::SagaYasli},
            {"BitişTarihiKutusu", T::MetinKutusu, "", Cercevede, 2070, 690, 1335, 315, BilgiKutusu,
             &Yerlestir<D, &D::BitisTarihiKutusu>},
            {"Etiket(3)", T::Etiket, "Tahmini Gün Sayısı :", Cercevede, 480, 1140, 1440, 195, Ayar::SagaYasli},
            {"TahminiGünSayısıKutusu", T::MetinKutusu, "", Cercevede, 2070, 1080, 1335, 315, BilgiKutusu,
             &Yerlestir<D, &D::TahminiGunSayisiKutusu>},
            {"Etiket(4)", T::Etiket, "Hesaplanan Kritik Yol :", Cercevede, 4590, 360, 1605, 195, Ayar::SagaYasli},
            {"KritikYolKutusu", T::MetinKutusu, "", Cercevede, 6360, 300, 2115, 315, BilgiKutusu,
             &Yerlestir<D, &D::KritikYolKutusu>},
            {"Etiket(5)", T::Etiket, "Projenin En Geç Bitiş Gün Sayısı :", Cercevede, 3825, 750, 2370, 195,
             Ayar::SagaYasli},
            {"EnGeçGünSayısıKutusu", T::MetinKutusu, "", Cercevede, 6360, 690, 2115, 315, BilgiKutusu,
             &Yerlestir<D, &D::EnGecGunSayisiKutusu>},
            {"Etiket(6)", T::Etiket, "Projenin En Erken Bitiş Gün Sayısı :", Cercevede, 3705, 1140, 2490, 195,
             Ayar::SagaYasli},
            {"EnErkenGünSayısıKutusu", T::MetinKutusu, "", Cercevede, 6360, 1080, 2115, 315, BilgiKutusu,
             &Yerlestir<D, &D::EnErkenGunSayisiKutusu>},
            {"Etiket(7)", T::Etiket, "Faaliyetler :", Pencerede, 2880, 2070, 795, 195, Ayar::Yok},
            {"FaaliyetlerListesi", T::ListeGorunumu, "", Pencerede, 2880, 2370, 8745, 5325, Ayar::Yok,
             &Yerlestir<D, &D::FaaliyetlerListesi>},
            {"FaaliyetEkleDüğmesi", T::Dugme, "Yeni &Faaliyet Ekle", Pencerede, 2880, 7860, 1755, 345, Ayar::Yok,
             &Yerlestir<D, &D::FaaliyetEkleDugmesi>},
            {"FaaliyetDeğiştirDüğmesi", T::Dugme, "Faaliyet Değiştir", Pencerede, 4695, 7860, 1755, 345, Ayar::Yok,
             &Yerlestir<D, &D::FaaliyetDegistirDugmesi>},
            {"SonFaaliyetiSilDüğmesi", T::Dugme, "Son Faaliyeti Sil", Pencerede, 6525, 7860, 1755, 345, Ayar::Yok,
             &Yerlestir<D, &D::SonFaaliyetiSilDugmesi>},
            {"TümKayıtlarıSilDüğmesi", T::Dugme, "Tüm Faaliyetleri Sil", Pencerede, 8340, 7860, 1755, 345, Ayar::Yok,
             &Yerlestir<D, &D::TumKayitlariSilDugmesi>},
            {"ÇıkışDüğmesi", T::Dugme, "Çıkış (Esc)", Pencerede, 10380, 7860, 1245, 345, Ayar::Esc,
             &Yerlestir<D, &D::CikisDugmesi>},
        }}};
    return duzen;
}

const TurluDuzen<ProjeEklemeDenetimleri>& ProjeEklemeFormu()
{
    using D = ProjeEklemeDenetimleri;
    static const TurluDuzen<D> duzen{{
        "Proje Ekleme", false, 7590, 2820,
        Birlestir(ProjeAlanlari<D>(Ayar::Kapali), {
            {"EkleKaydetDüğmesi", T::Dugme, "Proje &Ekle", Pencerede, 5850, 450, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::EkleKaydetDugmesi>},
            {"VazgeçDüğmesi", T::Dugme, "Vazgeç", Pencerede, 5850, 870, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::VazgecDugmesi>},
            {"KapatDüğmesi", T::Dugme, "Kapat", Pencerede, 5850, 1950, 1365, 345, Ayar::Esc,
             &Yerlestir<D, &D::KapatDugmesi>},
        })}};
    return duzen;
}

const TurluDuzen<ProjeDegistirDenetimleri>& ProjeDegistirFormu()
{
    using D = ProjeDegistirDenetimleri;
    static const TurluDuzen<D> duzen{{
        "Proje Değiştir", false, 7590, 2820,
        Birlestir(ProjeAlanlari<D>(Ayar::Yok), {
            {"KaydetDüğmesi", T::Dugme, "Kaydet", Pencerede, 5850, 450, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::KaydetDugmesi>},
            {"VazgeçDüğmesi", T::Dugme, "Vazgeç", Pencerede, 5850, 870, 1365, 345, Ayar::Esc,
             &Yerlestir<D, &D::VazgecDugmesi>},
        })}};
    return duzen;
}

const TurluDuzen<FaaliyetEklemeDenetimleri>& FaaliyetEklemeFormu()
{
    using D = FaaliyetEklemeDenetimleri;
    static const TurluDuzen<D> duzen{{
        "Faaliyet Ekleme", false, 7305, 4785,
        Birlestir(FaaliyetAlanlari<D>(Ayar::Kapali, Ayar::Yok), {
            {"EkleKaydetDüğmesi", T::Dugme, "Faaliyet &Ekle", Pencerede, 5580, 450, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::EkleKaydetDugmesi>},
            {"VazgeçDüğmesi", T::Dugme, "Vazgeç", Pencerede, 5580, 870, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::VazgecDugmesi>},
            {"KapatDüğmesi", T::Dugme, "Kapat", Pencerede, 5580, 3960, 1365, 345, Ayar::Esc,
             &Yerlestir<D, &D::KapatDugmesi>},
        })}};
    return duzen;
}

const TurluDuzen<FaaliyetDegistirmeDenetimleri>& FaaliyetDegistirmeFormu()
{
    using D = FaaliyetDegistirmeDenetimleri;
    static const TurluDuzen<D> duzen{{
        "Faaliyet Değiştir", false, 7305, 4785,
        Birlestir(FaaliyetAlanlari<D>(Ayar::Yok, Ayar::Kapali), {
            {"KaydetDüğmesi", T::Dugme, "Kaydet", Pencerede, 5580, 450, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::KaydetDugmesi>},
            {"VazgeçDüğmesi", T::Dugme, "Vazgeç", Pencerede, 5580, 870, 1365, 345, Ayar::Esc,
             &Yerlestir<D, &D::VazgecDugmesi>},
        })}};
    return duzen;
}

const TurluDuzen<SunucuyaBaglanDenetimleri>& SunucuyaBaglanFormu()
{
    using D = SunucuyaBaglanDenetimleri;
    static const TurluDuzen<D> duzen{{
        "Sunucuya Bağlan", false, 7590, 3180,
        {
            {"Çerçeve", T::Cerceve, "Sunucu Bilgileri ", Pencerede, 300, 300, 5115, 2580, Ayar::Lacivert,
             &Yerlestir<D, &D::Cerceve>},
            {"Etiket(0)", T::Etiket, "&Sunucu :", Cercevede, 300, 360, 1620, 195, Ayar::SagaYasli},
            {"SunucuKutusu", T::MetinKutusu, "", Cercevede, 2070, 300, 2775, 315, Ayar::Yok,
             &Yerlestir<D, &D::SunucuKutusu>},
            {"Etiket(1)", T::Etiket, "&Port :", Cercevede, 300, 790, 1620, 195, Ayar::SagaYasli},
            {"PortKutusu", T::MetinKutusu, "", Cercevede, 2070, 730, 2775, 315, Ayar::Yok,
             &Yerlestir<D, &D::PortKutusu>},
            {"Etiket(2)", T::Etiket, "&Veritabanı :", Cercevede, 300, 1220, 1620, 195, Ayar::SagaYasli},
            {"VeritabanıKutusu", T::MetinKutusu, "", Cercevede, 2070, 1160, 2775, 315, Ayar::Yok,
             &Yerlestir<D, &D::VeritabaniKutusu>},
            {"Etiket(3)", T::Etiket, "&Kullanıcı :", Cercevede, 300, 1650, 1620, 195, Ayar::SagaYasli},
            {"KullanıcıKutusu", T::MetinKutusu, "", Cercevede, 2070, 1590, 2775, 315, Ayar::Yok,
             &Yerlestir<D, &D::KullaniciKutusu>},
            {"Etiket(4)", T::Etiket, "&TLS kipi :", Cercevede, 300, 2080, 1620, 195, Ayar::SagaYasli},
            {"TLSKipiKutusu", T::AcilirListe, "", Cercevede, 2070, 2020, 2775, 315, Ayar::Yok,
             &Yerlestir<D, &D::TlsKipiKutusu>},
            {"BağlanDüğmesi", T::Dugme, "&Bağlan", Pencerede, 5850, 450, 1365, 345, Ayar::Yok,
             &Yerlestir<D, &D::BaglanDugmesi>},
            {"VazgeçDüğmesi", T::Dugme, "Vazgeç", Pencerede, 5850, 870, 1365, 345, Ayar::Esc,
             &Yerlestir<D, &D::VazgecDugmesi>},
        }}};
    return duzen;
}

std::vector<const PencereDuzeni*> Tumu()
{
    return {&TemelForm(), &ProjeEklemeFormu(), &ProjeDegistirFormu(), &FaaliyetEklemeFormu(),
            &FaaliyetDegistirmeFormu(), &SunucuyaBaglanFormu()};
}

const std::vector<SutunDuzeni>& FaaliyetlerListesiSutunlari()
{
    static const std::vector<SutunDuzeni> sutunlar{
        {"Kodu", Qt::AlignLeft, 550},
        {"Faaliyet Adı", Qt::AlignLeft, 1700},
        {"Öngörülen Süre", Qt::AlignHCenter, 1300},
        {"Önceki Faaliyet", Qt::AlignHCenter, 1340},
        {"En Erken Başlama (ES)", Qt::AlignHCenter, 1840},
        {"En Erken Bitirme (EF)", Qt::AlignHCenter, 1700},
    };
    return sutunlar;
}

} // namespace Duzenler
