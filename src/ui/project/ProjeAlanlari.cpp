#include "ui/project/ProjeAlanlari.h"

#include "rules/BolgeselMetin.h"
#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "ui/TarihAlani.h"
#include "rules/ProjeKurallari.h"

#include <QGroupBox>
#include <QLineEdit>

ProjeAlanlari::ProjeAlanlari(QWidget* pencere, const ProjeAlanDenetimleri& alanlar)
    : m_pencere(pencere), m_alanlar(alanlar)
{
    OdakKaybindaCalistir(m_alanlar.ProjeninAdiKutusu, [this] { ProjeninAdiKutusu_LostFocus(); });
    OdakKaybindaCalistir(m_alanlar.BaslamaTarihiKutusu, [this] { BaslamaTarihiKutusu_LostFocus(); });
    OdakKaybindaCalistir(m_alanlar.BitisTarihiKutusu, [this] { BitisTarihiKutusu_LostFocus(); });
    const QString ipucu = BolgeselMetin::TarihBicimiIpucu();
    m_alanlar.BaslamaTarihiKutusu->setPlaceholderText(ipucu);
    m_alanlar.BitisTarihiKutusu->setPlaceholderText(ipucu);
}

void ProjeAlanlari::ProjeninAdiKutusu_LostFocus()
{
    m_alanlar.ProjeninAdiKutusu->setText(BuyukHarfeCevir(m_alanlar.ProjeninAdiKutusu->text()));
}

void ProjeAlanlari::BaslamaTarihiKutusu_LostFocus()
{
    TarihKutusunuDenetle(m_alanlar.BaslamaTarihiKutusu);
}

void ProjeAlanlari::BitisTarihiKutusu_LostFocus()
{
    TarihKutusunuDenetle(m_alanlar.BitisTarihiKutusu);
}

void ProjeAlanlari::TarihKutusunuDenetle(QLineEdit* kutu)
{
    if (TarihAlaniniDenetle(m_pencere, kutu) == TarihKarari::Tur::Dokunma)
        return;
    m_alanlar.TahminiGunSayisiKutusu->setText(
        GunSayisiMetni(m_alanlar.BaslamaTarihiKutusu->text(), m_alanlar.BitisTarihiKutusu->text()));
}

bool ProjeAlanlari::BilgileriDenetle()
{
    const EksikBilgi eksik = EksikBilgiyiBul(Metinler());
    QLineEdit* alan = nullptr;
    switch (eksik) {
    case EksikBilgi::Yok:
        return true;
    case EksikBilgi::ProjeAdi:
        alan = m_alanlar.ProjeninAdiKutusu;
        break;
    case EksikBilgi::BaslamaTarihi:
    case EksikBilgi::GunSayisi:
        alan = m_alanlar.BaslamaTarihiKutusu;
        break;
    case EksikBilgi::BitisTarihi:
        alan = m_alanlar.BitisTarihiKutusu;
        break;
    }
    Mesaj::Goster(m_pencere, EksikBilgiMetni(eksik), Mesaj::Tur::Bilgi);
    alan->setFocus(Qt::OtherFocusReason);
    return false;
}

ProjeMetinleri ProjeAlanlari::Metinler() const
{
    return {m_alanlar.ProjeninAdiKutusu->text(), m_alanlar.BaslamaTarihiKutusu->text(),
            m_alanlar.BitisTarihiKutusu->text(), m_alanlar.TahminiGunSayisiKutusu->text()};
}

bool ProjeAlanlari::Giriliyor() const
{
    return m_alanlar.Cerceve->isEnabledTo(m_pencere);
}

std::optional<Proje> ProjeAlanlari::KaydedilecekProje()
{
    OdaktakiAlaninKuraliniCalistir(m_pencere);
    if (!BilgileriDenetle())
        return std::nullopt;
    QString neden;
    const auto proje = ::KaydedilecekProje(Metinler(), &neden);
    if (!proje)
        Mesaj::HatayiGoster(m_pencere, DepoHatasi::yeni(DepoHatasi::Uyumsuz, neden));
    return proje;
}

void ProjeAlanlari::KayitHatasiniGoster(const DepoHatasi& hata)
{
    Mesaj::HatayiGoster(m_pencere, hata);
    if (hata.numara == DepoHatasi::Kisit)
        m_alanlar.ProjeninAdiKutusu->setFocus(Qt::OtherFocusReason);
}
