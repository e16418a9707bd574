#include "ui/server/SunucuyaBaglanFormu.h"

#include "ui/Mesaj.h"
#include "ui/layout/Kurucu.h"
#include "ui/server/BaglantiHatasi.h"
#include "ui/server/ParolaSorusu.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <optional>

namespace {

QSettings Ayarlar()
{
    return QSettings(QStringLiteral("Kavrion"), QStringLiteral("Kavrion"));
}

// libpq's sslmode values, weakest first; libpq's own default is "prefer".
const QStringList TlsKipleri{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};
const QString VarsayilanTlsKipi = QStringLiteral("prefer");

// The address last tried without success, which the next opening shows in place of the one
// remembered: what was typed is not lost to a closed dialog. Kept for this session only.
std::optional<SunucuAdresi>& Denenen()
{
    static std::optional<SunucuAdresi> adres;
    return adres;
}

} // namespace

const QString SunucuyaBaglanFormu::AyarAnahtari = QStringLiteral("SunucuyaBaglan/Adres");

SunucuyaBaglanFormu::SunucuyaBaglanFormu(const DiyalogBaglami& baglam)
    : Diyalog(baglam), SunucuyaBaglanDenetimleri(PencereyiKur(this, Duzenler::SunucuyaBaglanFormu()))
{
    TlsKipiKutusu->addItems(TlsKipleri);
    SunucuAdresi kalan;
    if (Denenen())
        kalan = *Denenen();
    else // a remembered text that no longer reads (edited by hand) fills nothing
        SunucuAdresiniOku(Ayarlar().value(AyarAnahtari).toString(), kalan);
    SunucuKutusu->setText(kalan.sunucu);
    PortKutusu->setText(kalan.port);
    VeritabaniKutusu->setText(kalan.veritabani);
    KullaniciKutusu->setText(kalan.kullanici);
    TlsKipiKutusu->setCurrentText(TlsKipleri.contains(kalan.sslKipi) ? kalan.sslKipi : VarsayilanTlsKipi);
    connect(BaglanDugmesi, &QPushButton::clicked, this, &SunucuyaBaglanFormu::BaglanDugmesi_Click);
    connect(VazgecDugmesi, &QPushButton::clicked, this, &SunucuyaBaglanFormu::VazgecDugmesi_Click);
    SunucuKutusu->setFocus();
}

SunucuAdresi SunucuyaBaglanFormu::Adres() const
{
    SunucuAdresi adres;
    adres.sunucu = SunucuKutusu->text().trimmed();
    adres.port = PortKutusu->text().trimmed();
    adres.veritabani = VeritabaniKutusu->text().trimmed();
    adres.kullanici = KullaniciKutusu->text().trimmed();
    adres.sslKipi = TlsKipiKutusu->currentText();
    return adres;
}

void SunucuyaBaglanFormu::BaglanDugmesi_Click()
{
    // A server that does not answer holds the window for up to libpq's connect_timeout.
    const auto gec = [this](const SunucuAdresi& adres) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const DepoHatasi sonuc = belge().SunucuyaGec(adres);
        QGuiApplication::restoreOverrideCursor();
        return sonuc;
    };
    SunucuAdresi adres = Adres();
    Denenen() = adres;
    DepoHatasi hata = SunucuAdresiniDenetle(adres);
    if (!hata) {
        hata = gec(adres);
        const auto parola = ParolaSorusu::Iste(this, hata, adres);
        if (parola == ParolaSorusu::Sonuc::Vazgecildi)
            return; // no error: the user chose not to connect, and may try again
        if (parola == ParolaSorusu::Sonuc::Verildi)
            hata = gec(adres);
    }
    if (hata) {
        Mesaj::HatayiGoster(this, BaglantiHatasi(hata, adres));
        return;
    }
    Denenen().reset();
    Ayarlar().setValue(AyarAnahtari, KalinacakAdres(adres));
    close();
}

void SunucuyaBaglanFormu::VazgecDugmesi_Click()
{
    close();
}
