#include "ui/project/ProjeAlanlari.h"

#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "rules/ProjeKurallari.h"

#include <QGroupBox>
#include <QLineEdit>

ProjeAlanları::ProjeAlanları(QWidget* pencere, const ProjeAlanDenetimleri& alanlar)
    : m_pencere(pencere), m_alanlar(alanlar)
{
    OdakKaybındaÇalıştır(m_alanlar.ProjeninAdıKutusu, [this] { ProjeninAdıKutusu_LostFocus(); });
    OdakKaybındaÇalıştır(m_alanlar.BaşlamaTarihiKutusu, [this] { BaşlamaTarihiKutusu_LostFocus(); });
    OdakKaybındaÇalıştır(m_alanlar.BitişTarihiKutusu, [this] { BitişTarihiKutusu_LostFocus(); });
    const QString ipucu = BölgeselMetin::TarihBiçimiİpucu();
    m_alanlar.BaşlamaTarihiKutusu->setPlaceholderText(ipucu);
    m_alanlar.BitişTarihiKutusu->setPlaceholderText(ipucu);
}

void ProjeAlanları::ProjeninAdıKutusu_LostFocus()
{
    m_alanlar.ProjeninAdıKutusu->setText(BüyükHarfeÇevir(m_alanlar.ProjeninAdıKutusu->text()));
}

void ProjeAlanları::BaşlamaTarihiKutusu_LostFocus()
{
    TarihKutusunuDenetle(m_alanlar.BaşlamaTarihiKutusu);
}

void ProjeAlanları::BitişTarihiKutusu_LostFocus()
{
    TarihKutusunuDenetle(m_alanlar.BitişTarihiKutusu);
}

void ProjeAlanları::TarihKutusunuDenetle(QLineEdit* kutu)
{
    const TarihKararı karar = TarihMetniniDenetle(kutu->text());
    switch (karar.tür) {
    case TarihKararı::Tür::Dokunma:
        return;
    case TarihKararı::Tür::Yaz:
        kutu->setText(karar.metin);
        break;
    case TarihKararı::Tür::Reddet:
        Mesaj::Göster(m_pencere, QStringLiteral("Lüten tarihi DÜZGÜN giriniz!"), Mesaj::Tür::Bilgi);
        kutu->clear();
        kutu->setFocus(Qt::OtherFocusReason);
        break;
    }
    m_alanlar.TahminiGünSayısıKutusu->setText(
        GünSayısıMetni(m_alanlar.BaşlamaTarihiKutusu->text(), m_alanlar.BitişTarihiKutusu->text()));
}

bool ProjeAlanları::BilgileriDenetle()
{
    QString mesaj;
    QLineEdit* alan = nullptr;
    switch (EksikBilgiyiBul(Metinler())) {
    case EksikBilgi::Yok:
        return true;
    case EksikBilgi::ProjeAdı:
        mesaj = QStringLiteral("PROJE ADI boş bırakılamaz!");
        alan = m_alanlar.ProjeninAdıKutusu;
        break;
    case EksikBilgi::BaşlamaTarihi:
        mesaj = QStringLiteral("BAŞLAMA TARİHİ boş bırakılmaz!");
        alan = m_alanlar.BaşlamaTarihiKutusu;
        break;
    case EksikBilgi::BitişTarihi:
        mesaj = QStringLiteral("BİTİŞ TARİHİ boş bırakılmaz!");
        alan = m_alanlar.BitişTarihiKutusu;
        break;
    case EksikBilgi::GünSayısı:
        mesaj = QStringLiteral("İki tarih arasında en az BİR GÜN olmalıdır.");
        alan = m_alanlar.BaşlamaTarihiKutusu;
        break;
    }
    Mesaj::Göster(m_pencere, mesaj, Mesaj::Tür::Bilgi);
    alan->setFocus(Qt::OtherFocusReason);
    return false;
}

ProjeMetinleri ProjeAlanları::Metinler() const
{
    return {m_alanlar.ProjeninAdıKutusu->text(), m_alanlar.BaşlamaTarihiKutusu->text(),
            m_alanlar.BitişTarihiKutusu->text(), m_alanlar.TahminiGünSayısıKutusu->text()};
}

bool ProjeAlanları::Giriliyor() const
{
    return m_alanlar.Çerçeve->isEnabledTo(m_pencere);
}

std::optional<Proje> ProjeAlanları::KaydedilecekProje()
{
    OdaktakiAlanınKuralınıÇalıştır(m_pencere);
    if (!BilgileriDenetle())
        return std::nullopt;
    QString neden;
    const auto proje = ::KaydedilecekProje(Metinler(), &neden);
    if (!proje)
        Mesaj::HatayıGöster(m_pencere, DepoHatası::yeni(DepoHatası::Uyumsuz, neden));
    return proje;
}

void ProjeAlanları::KayıtHatasınıGöster(const DepoHatası& hata)
{
    Mesaj::HatayıGöster(m_pencere, hata);
    if (hata.numara == DepoHatası::Kısıt)
        m_alanlar.ProjeninAdıKutusu->setFocus(Qt::OtherFocusReason);
}
