#include "ui/layout/Duzenler.h"

#include "ui/widgets/ListeKutusu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace Düzenler {
namespace {

using T = DenetimTürü;
constexpr bool Pencerede = false;
constexpr bool Çerçevede = true;

constexpr unsigned BilgiKutusu = Ayar::Lacivert | Ayar::SaltOkunur | Ayar::SekmeDurağıYok;

std::vector<DenetimDüzeni> Birleştir(std::vector<DenetimDüzeni> önce, const std::vector<DenetimDüzeni>& sonra)
{
    önce.insert(önce.end(), sonra.begin(), sonra.end());
    return önce;
}

// The frame and fields both project dialogs share; only the frame's initial state differs.
template <typename D>
std::vector<DenetimDüzeni> ProjeAlanları(unsigned çerçeveAyarı)
{
    using A = ProjeAlanDenetimleri;
    return {
        {"Çerçeve", T::Çerçeve, "Proje Bilgileri ", Pencerede, 300, 300, 5115, 2145, Ayar::Lacivert | çerçeveAyarı,
         &Yerleştir<D, &A::Çerçeve>},
        {"Etiket(0)", T::Etiket, "Projenin Adı :", Çerçevede, 990, 360, 930, 195, Ayar::SağaYaslı},
        {"ProjeninAdıKutusu", T::MetinKutusu, "", Çerçevede, 2070, 300, 2775, 315, Ayar::Yok,
         &Yerleştir<D, &A::ProjeninAdıKutusu>},
        {"Etiket(1)", T::Etiket, "Tahmini Başlama Tarihi :", Çerçevede, 195, 790, 1725, 195, Ayar::SağaYaslı},
        {"BaşlamaTarihiKutusu", T::MetinKutusu, "", Çerçevede, 2070, 730, 2775, 315, Ayar::Yok,
         &Yerleştir<D, &A::BaşlamaTarihiKutusu>},
        {"Etiket(2)", T::Etiket, "Tahmini Bitiş Tarihi :", Çerçevede, 510, 1220, 1410, 195, Ayar::SağaYaslı},
        {"BitişTarihiKutusu", T::MetinKutusu, "", Çerçevede, 2070, 1160, 2775, 315, Ayar::Yok,
         &Yerleştir<D, &A::BitişTarihiKutusu>},
        {"Etiket(3)", T::Etiket, "Tahmini Gün Sayısı :", Çerçevede, 450, 1650, 1440, 195, Ayar::SağaYaslı},
        {"TahminiGünSayısıKutusu", T::MetinKutusu, "", Çerçevede, 2070, 1590, 2775, 315,
         Ayar::Kapalı | Ayar::SekmeDurağıYok, &Yerleştir<D, &A::TahminiGünSayısıKutusu>},
    };
}

// The frame and fields both activity dialogs share; the change dialog also disables the code.
template <typename D>
std::vector<DenetimDüzeni> FaaliyetAlanları(unsigned çerçeveAyarı, unsigned koduAyarı)
{
    using A = FaaliyetAlanDenetimleri;
    return {
        {"Çerçeve", T::Çerçeve, "Faaliyet Bilgileri ", Pencerede, 300, 300, 4905, 2715, Ayar::Lacivert | çerçeveAyarı,
         &Yerleştir<D, &A::Çerçeve>},
        {"Etiket(0)", T::Etiket, "Faaliyet Kodu :", Çerçevede, 660, 390, 1050, 195, Ayar::SağaYaslı},
        {"FaaliyetKoduKutusu", T::MetinKutusu, "", Çerçevede, 1920, 330, 2715, 315,
         Ayar::SaltOkunur | Ayar::SekmeDurağıYok | koduAyarı, &Yerleştir<D, &A::FaaliyetKoduKutusu>},
        {"Etiket(1)", T::Etiket, "Faaliyet Adı :", Çerçevede, 810, 840, 900, 195, Ayar::SağaYaslı},
        {"FaaliyetAdıKutusu", T::MetinKutusu, "", Çerçevede, 1920, 780, 2715, 315, Ayar::Yok,
         &Yerleştir<D, &A::FaaliyetAdıKutusu>},
        {"Etiket(2)", T::Etiket, "Öngörülen Süre :", Çerçevede, 510, 1290, 1200, 195, Ayar::SağaYaslı},
        {"ÖngörülenSüreKutusu", T::MetinKutusu, "", Çerçevede, 1920, 1230, 2715, 315, Ayar::Yok,
         &Yerleştir<D, &A::ÖngörülenSüreKutusu>},
        {"Etiket(3)", T::Etiket, "Önceki Faaliyet(ler) :", Çerçevede, 270, 1740, 1440, 195, Ayar::SağaYaslı},
        {"ÖncekiFaaliyetleriSeçmeKutusu", T::AçılırListe, "", Çerçevede, 1920, 1680, 915, 315, Ayar::Yok,
         &Yerleştir<D, &A::ÖncekiFaaliyetleriSeçmeKutusu>},
        {"EklemeDüğmesi", T::Düğme, "Ekle", Çerçevede, 2910, 1665, 825, 345, Ayar::Yok,
         &Yerleştir<D, &A::EklemeDüğmesi>},
        {"SilDüğmesi", T::Düğme, "Sil", Çerçevede, 3810, 1665, 825, 345, Ayar::Yok, &Yerleştir<D, &A::SilDüğmesi>},
        {"ÖncekiFaaliyetlerKutusu", T::MetinKutusu, "", Çerçevede, 1920, 2130, 2715, 315,
         Ayar::SaltOkunur | Ayar::SekmeDurağıYok, &Yerleştir<D, &A::ÖncekiFaaliyetlerKutusu>},
    };
}

} // namespace

const TürlüDüzen<TemelFormDenetimleri>& TemelForm()
{
    using D = TemelFormDenetimleri;
    static const TürlüDüzen<D> düzen{{
        "Zelvora - CPM (Kritik Yol Yöntemi) Uygulaması", true, 11910, 8520,
        {
            {"Etiket(0)", T::Etiket, "Projeler", Pencerede, 270, 270, 525, 195, Ayar::Yok},
            {"ProjeListesi", T::Liste, "", Pencerede, 270, 570, 2355, 6300, Ayar::Yok, &Yerleştir<D, &D::ProjeListesi>},
            {"ProjeEkleDüğmesi", T::Düğme, "Proje &Ekle", Pencerede, 270, 7020, 2355, 345, Ayar::Yok,
             &Yerleştir<D, &D::ProjeEkleDüğmesi>},
            {"ProjeDeğiştirDüğmesi", T::Düğme, "Proje &Değiştir", Pencerede, 270, 7440, 2355, 345, Ayar::Yok,
             &Yerleştir<D, &D::ProjeDeğiştirDüğmesi>},
            {"ProjeSilDüğmesi", T::Düğme, "Proje &Sil", Pencerede, 270, 7860, 2355, 345, Ayar::Yok,
             &Yerleştir<D, &D::ProjeSilDüğmesi>},
            {"Çerçeve", T::Çerçeve, "Proje Bilgileri ", Pencerede, 2880, 300, 8745, 1605, Ayar::Lacivert,
             &Yerleştir<D, &D::Çerçeve>},
            {"Etiket(1)", T::Etiket, "Tahmini Başlama Tarihi :", Çerçevede, 195, 360, 1725, 195, Ayar::SağaYaslı},
            {"BaşlamaTarihiKutusu", T::MetinKutusu, "", Çerçevede, 2070, 300, 1335, 315, BilgiKutusu,
             &Yerleştir<D, &D::BaşlamaTarihiKutusu>},
            {"Etiket(2)", T::Etiket, "Tahmini Bitiş Tarihi :", Çerçevede, 510, 750, 1410, 195, Ayar::SağaYaslı},
            {"BitişTarihiKutusu", T::MetinKutusu, "", Çerçevede, 2070, 690, 1335, 315, BilgiKutusu,
             &Yerleştir<D, &D::BitişTarihiKutusu>},
            {"Etiket(3)", T::Etiket, "Tahmini Gün Sayısı :", Çerçevede, 480, 1140, 1440, 195, Ayar::SağaYaslı},
            {"TahminiGünSayısıKutusu", T::MetinKutusu, "", Çerçevede, 2070, 1080, 1335, 315, BilgiKutusu,
             &Yerleştir<D, &D::TahminiGünSayısıKutusu>},
            {"Etiket(4)", T::Etiket, "Hesaplanan Kritik Yol :", Çerçevede, 4590, 360, 1605, 195, Ayar::SağaYaslı},
            {"KritikYolKutusu", T::MetinKutusu, "", Çerçevede, 6360, 300, 2115, 315, BilgiKutusu,
             &Yerleştir<D, &D::KritikYolKutusu>},
            {"Etiket(5)", T::Etiket, "Projenin En Geç Bitiş Gün Sayısı :", Çerçevede, 3825, 750, 2370, 195,
             Ayar::SağaYaslı},
            {"EnGeçGünSayısıKutusu", T::MetinKutusu, "", Çerçevede, 6360, 690, 2115, 315, BilgiKutusu,
             &Yerleştir<D, &D::EnGeçGünSayısıKutusu>},
            {"Etiket(6)", T::Etiket, "Projenin En Erken Bitiş Gün Sayısı :", Çerçevede, 3705, 1140, 2490, 195,
             Ayar::SağaYaslı},
            {"EnErkenGünSayısıKutusu", T::MetinKutusu, "", Çerçevede, 6360, 1080, 2115, 315, BilgiKutusu,
             &Yerleştir<D, &D::EnErkenGünSayısıKutusu>},
            {"Etiket(7)", T::Etiket, "Faaliyetler :", Pencerede, 2880, 2070, 795, 195, Ayar::Yok},
            {"FaaliyetlerListesi", T::ListeGörünümü, "", Pencerede, 2880, 2370, 8745, 5325, Ayar::Yok,
             &Yerleştir<D, &D::FaaliyetlerListesi>},
            {"FaaliyetEkleDüğmesi", T::Düğme, "Yeni &Faaliyet Ekle", Pencerede, 2880, 7860, 1755, 345, Ayar::Yok,
             &Yerleştir<D, &D::FaaliyetEkleDüğmesi>},
            {"FaaliyetDeğiştirDüğmesi", T::Düğme, "Faaliyet Değiştir", Pencerede, 4695, 7860, 1755, 345, Ayar::Yok,
             &Yerleştir<D, &D::FaaliyetDeğiştirDüğmesi>},
            {"SonFaaliyetiSilDüğmesi", T::Düğme, "Son Faaliyeti Sil", Pencerede, 6525, 7860, 1755, 345, Ayar::Yok,
             &Yerleştir<D, &D::SonFaaliyetiSilDüğmesi>},
            {"TümKayıtlarıSilDüğmesi", T::Düğme, "Tüm Faaliyetleri Sil", Pencerede, 8340, 7860, 1755, 345, Ayar::Yok,
             &Yerleştir<D, &D::TümKayıtlarıSilDüğmesi>},
            {"ÇıkışDüğmesi", T::Düğme, "Çıkış (Esc)", Pencerede, 10380, 7860, 1245, 345, Ayar::Esc,
             &Yerleştir<D, &D::ÇıkışDüğmesi>},
        }}};
    return düzen;
}

const TürlüDüzen<ProjeEklemeDenetimleri>& ProjeEklemeFormu()
{
    using D = ProjeEklemeDenetimleri;
    static const TürlüDüzen<D> düzen{{
        "Proje Ekleme", false, 7590, 2820,
        Birleştir(ProjeAlanları<D>(Ayar::Kapalı), {
            {"EkleKaydetDüğmesi", T::Düğme, "Proje &Ekle", Pencerede, 5850, 450, 1365, 345, Ayar::Yok,
             &Yerleştir<D, &D::EkleKaydetDüğmesi>},
            {"VazgeçDüğmesi", T::Düğme, "Vazgeç", Pencerede, 5850, 870, 1365, 345, Ayar::Yok,
             &Yerleştir<D, &D::VazgeçDüğmesi>},
            {"KapatDüğmesi", T::Düğme, "Kapat", Pencerede, 5850, 1950, 1365, 345, Ayar::Esc,
             &Yerleştir<D, &D::KapatDüğmesi>},
        })}};
    return düzen;
}

const TürlüDüzen<ProjeDeğiştirDenetimleri>& ProjeDeğiştirFormu()
{
    using D = ProjeDeğiştirDenetimleri;
    static const TürlüDüzen<D> düzen{{
        "Proje Değiştir", false, 7590, 2820,
        Birleştir(ProjeAlanları<D>(Ayar::Yok), {
            {"KaydetDüğmesi", T::Düğme, "Kaydet", Pencerede, 5850, 450, 1365, 345, Ayar::Yok,
             &Yerleştir<D, &D::KaydetDüğmesi>},
            {"VazgeçDüğmesi", T::Düğme, "Vazgeç", Pencerede, 5850, 870, 1365, 345, Ayar::Esc,
             &Yerleştir<D, &D::VazgeçDüğmesi>},
        })}};
    return düzen;
}

const TürlüDüzen<FaaliyetEklemeDenetimleri>& FaaliyetEklemeFormu()
{
    using D = FaaliyetEklemeDenetimleri;
    static const TürlüDüzen<D> düzen{{
        "Faaliyet Ekleme", false, 7305, 3375,
        Birleştir(FaaliyetAlanları<D>(Ayar::Kapalı, Ayar::Yok), {
            {"EkleKaydetDüğmesi", T::Düğme, "Faaliyet &Ekle", Pencerede, 5580, 450, 1365, 345, Ayar::Yok,
             &Yerleştir<D, &D::EkleKaydetDüğmesi>},
            {"VazgeçDüğmesi", T::Düğme, "Vazgeç", Pencerede, 5580, 870, 1365, 345, Ayar::Yok,
             &Yerleştir<D, &D::VazgeçDüğmesi>},
            {"KapatDüğmesi", T::Düğme, "Kapat", Pencerede, 5580, 2550, 1365, 345, Ayar::Esc,
             &Yerleştir<D, &D::KapatDüğmesi>},
        })}};
    return düzen;
}

const TürlüDüzen<FaaliyetDeğiştirmeDenetimleri>& FaaliyetDeğiştirmeFormu()
{
    using D = FaaliyetDeğiştirmeDenetimleri;
    static const TürlüDüzen<D> düzen{{
        "Faaliyet Değiştir", false, 7305, 3375,
        Birleştir(FaaliyetAlanları<D>(Ayar::Yok, Ayar::Kapalı), {
            {"KaydetDüğmesi", T::Düğme, "Kaydet", Pencerede, 5580, 450, 1365, 345, Ayar::Yok,
             &Yerleştir<D, &D::KaydetDüğmesi>},
            {"VazgeçDüğmesi", T::Düğme, "Vazgeç", Pencerede, 5580, 870, 1365, 345, Ayar::Esc,
             &Yerleştir<D, &D::VazgeçDüğmesi>},
        })}};
    return düzen;
}

std::vector<const PencereDüzeni*> Tümü()
{
    return {&TemelForm(), &ProjeEklemeFormu(), &ProjeDeğiştirFormu(), &FaaliyetEklemeFormu(),
            &FaaliyetDeğiştirmeFormu()};
}

const std::vector<SütunDüzeni>& FaaliyetlerListesiSütunları()
{
    static const std::vector<SütunDüzeni> sütunlar{
        {"Kodu", Qt::AlignLeft, 550},
        {"Faaliyet Adı", Qt::AlignLeft, 1700},
        {"Öngörülen Süre", Qt::AlignHCenter, 1300},
        {"Önceki Faaliyet", Qt::AlignHCenter, 1340},
        {"En Erken Başlama (ES)", Qt::AlignHCenter, 1840},
        {"En Erken Bitirme (EF)", Qt::AlignHCenter, 1700},
    };
    return sütunlar;
}

} // namespace Düzenler
