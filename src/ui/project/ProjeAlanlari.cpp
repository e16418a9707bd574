#include "ui/project/ProjeAlanlari.h"

#include "ui/Mesaj.h"
#include "ui/OdakKaybi.h"
#include "ui/layout/Kurucu.h"
#include "ui/project/ProjeKurallari.h"

#include <QGroupBox>
#include <QLineEdit>

ProjeAlanları::ProjeAlanları(QWidget* pencere, const KurulmuşPencere& denetimler)
    : Çerçeve(denetimler.al<QGroupBox>("Çerçeve")),
      ProjeninAdıKutusu(denetimler.al<QLineEdit>("ProjeninAdıKutusu")),
      BaşlamaTarihiKutusu(denetimler.al<QLineEdit>("BaşlamaTarihiKutusu")),
      BitişTarihiKutusu(denetimler.al<QLineEdit>("BitişTarihiKutusu")),
      TahminiGünSayısıKutusu(denetimler.al<QLineEdit>("TahminiGünSayısıKutusu")),
      m_pencere(pencere)
{
    OdakKaybındaÇalıştır(ProjeninAdıKutusu, [this] { ProjeninAdıKutusu_LostFocus(); });
    OdakKaybındaÇalıştır(BaşlamaTarihiKutusu, [this] { BaşlamaTarihiKutusu_LostFocus(); });
    OdakKaybındaÇalıştır(BitişTarihiKutusu, [this] { BitişTarihiKutusu_LostFocus(); });
}

void ProjeAlanları::ProjeninAdıKutusu_LostFocus()
{
    ProjeninAdıKutusu->setText(BüyükHarfeÇevir(ProjeninAdıKutusu->text()));
}

void ProjeAlanları::BaşlamaTarihiKutusu_LostFocus()
{
    TarihKutusunuDenetle(BaşlamaTarihiKutusu);
}

void ProjeAlanları::BitişTarihiKutusu_LostFocus()
{
    TarihKutusunuDenetle(BitişTarihiKutusu);
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
    TahminiGünSayısıKutusu->setText(GünSayısıMetni(BaşlamaTarihiKutusu->text(), BitişTarihiKutusu->text()));
}

bool ProjeAlanları::BilgileriDenetle()
{
    QString mesaj;
    QLineEdit* alan = nullptr;
    switch (EksikBilgiyiBul({ProjeninAdıKutusu->text(), BaşlamaTarihiKutusu->text(), BitişTarihiKutusu->text(),
                             TahminiGünSayısıKutusu->text()})) {
    case EksikBilgi::Yok:
        return true;
    case EksikBilgi::ProjeAdı:
        mesaj = QStringLiteral("PROJE ADI boş bırakılamaz!");
        alan = ProjeninAdıKutusu;
        break;
    case EksikBilgi::BaşlamaTarihi:
        mesaj = QStringLiteral("BAŞLAMA TARİHİ boş bırakılmaz!");
        alan = BaşlamaTarihiKutusu;
        break;
    case EksikBilgi::BitişTarihi:
        mesaj = QStringLiteral("BİTİŞ TARİHİ boş bırakılmaz!");
        alan = BitişTarihiKutusu;
        break;
    case EksikBilgi::GünSayısı:
        mesaj = QStringLiteral("İki tarih arasında en az BİR GÜN olmalıdır.");
        alan = BaşlamaTarihiKutusu;
        break;
    }
    Mesaj::Göster(m_pencere, mesaj, Mesaj::Tür::Bilgi);
    alan->setFocus(Qt::OtherFocusReason);
    return false;
}

void ProjeAlanları::KayıtHatasınıGöster(const DepoHatası& hata)
{
    Mesaj::HatayıGöster(m_pencere, hata);
    if (hata.numara == DepoHatası::Kısıt)
        ProjeninAdıKutusu->setFocus(Qt::OtherFocusReason);
}
