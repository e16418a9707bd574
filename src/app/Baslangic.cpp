#include "app/Baslangic.h"

#include "app/DegiskenModulu.h"
#include "rules/BolgeselMetin.h"
#include "store/GeciciBaglanti.h"
#include "ui/Mesaj.h"
#include "ui/TasmaSimgesiStili.h"
#include "ui/layout/Kurucu.h"
#include "ui/main/TemelForm.h"
#include "ui/server/BaglantiHatasi.h"
#include "ui/server/ParolaSorusu.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <future>
#include <utility>

namespace {

struct IlkOkuma {
    DepoHatasi acilis; // the file cannot serve: start-up ends with this
    DepoHatasi okuma;  // opened, but the list could not be read
    QStringList adlar;
};

// Where start-up finds the store: the file, or the server when one is given.
struct Kaynak {
    QString yol;
    std::optional<SunucuAdresi> sunucu;
};

// Opens the store on a connection of its own, checks it as start-up must, and reads
// the project names. Runs on another thread while the window is being built.
IlkOkuma ProjeAdlariniOku(const Kaynak& kaynak)
{
    const GeciciBaglanti baglanti = kaynak.sunucu ? GeciciBaglanti(*kaynak.sunucu) : GeciciBaglanti(kaynak.yol);
    IlkOkuma sonuc;
    sonuc.acilis = baglanti.hata();
    baglanti.TekOkumalik();
    if (!sonuc.acilis)
        sonuc.okuma = baglanti.depo().ProjeleriOku(sonuc.adlar);
    return sonuc;
}

} // namespace

Uygulama::Uygulama(ProjeDeposu depo) : belge(std::move(depo)), pencere(belge, TemelForm::IlkListe::SonraVerilecek) {}

void TurkceArayuzuYukle(QApplication& uygulama)
{
    QApplication::setStyle(new TasmaSimgesiStili);
    QLocale::setDefault(BolgeselMetin::KullanilacakYerel(QLocale::system()));
    auto* ceviri = new QTranslator(&uygulama);
    if (ceviri->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(ceviri);
}

namespace {

// One start-up for both engines.
std::unique_ptr<Uygulama> DepoylaBaslat(Kaynak kaynak)
{
    // Reading the list and building the window are each a good part of start-up,
    // and neither needs the other until the list is filled.
    auto okuma = std::async(std::launch::async, ProjeAdlariniOku, kaynak);
    // Every window at a scale that fits the screen the main window opens on.
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        OlcegiKur(EkranaGoreOlcek(QApplication::font(), ekran->availableGeometry().size(), ekran->devicePixelRatio()));
    auto uygulama = std::make_unique<Uygulama>(DegiskenModulu::Veritabani());
    IlkOkuma ilk = okuma.get();
    const auto parola = kaynak.sunucu ? ParolaSorusu::Iste(nullptr, ilk.acilis, *kaynak.sunucu)
                                      : ParolaSorusu::Sonuc::Reddedildi;
    // Vazgeç in the password prompt is the user's choice not to connect: no window, and no box.
    if (parola == ParolaSorusu::Sonuc::Vazgecildi)
        return nullptr;
    if (parola == ParolaSorusu::Sonuc::Verildi)
        ilk = ProjeAdlariniOku(kaynak);

    DepoHatasi hata = ilk.acilis;
    if (!hata)
        hata = kaynak.sunucu ? uygulama->belge.SunucuyuAc(*kaynak.sunucu)
                             : uygulama->belge.DosyayiAc(kaynak.yol);
    if (hata) {
        Mesaj::HatayiGoster(nullptr, kaynak.sunucu ? BaglantiHatasi(hata, *kaynak.sunucu) : hata);
        return nullptr;
    }
    TemelForm& pencere = uygulama->pencere;
    if (ilk.okuma)
        pencere.ProjeleriEkle(); // tries again on the window's own connection, and says why it failed
    else
        pencere.ProjeleriGoster(ilk.adlar);
    pencere.show();
    return uygulama;
}

} // namespace

std::unique_ptr<Uygulama> Baslat(const QString& yol)
{
    return DepoylaBaslat({yol, std::nullopt});
}

std::unique_ptr<Uygulama> SunucuylaBaslat(const QString& baglanti)
{
    SunucuAdresi adres;
    if (const DepoHatasi hata = SunucuAdresiniOku(baglanti, adres)) {
        Mesaj::HatayiGoster(nullptr, hata);
        return nullptr;
    }
    return DepoylaBaslat({QString(), adres});
}
