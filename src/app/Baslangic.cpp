#include "app/Baslangic.h"

#include "app/DegiskenModulu.h"
#include "rules/BolgeselMetin.h"
#include "store/GeciciBaglanti.h"
#include "ui/Mesaj.h"
#include "ui/main/TemelForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <future>

namespace {

struct İlkOkuma {
    DepoHatası açılış; // the file cannot serve: start-up ends with this
    DepoHatası okuma;  // opened, but the list could not be read
    QStringList adlar;
};

// Opens the file on a connection of its own, checks it as start-up must, and reads
// the project names. Runs on another thread while the window is being built.
İlkOkuma ProjeAdlarınıOku(const QString& yol)
{
    const GeçiciBağlantı bağlantı(yol);
    İlkOkuma sonuç;
    sonuç.açılış = bağlantı.hata();
    if (!sonuç.açılış)
        sonuç.okuma = bağlantı.depo().ProjeleriOku(sonuç.adlar);
    return sonuç;
}

} // namespace

void TürkçeArayüzüYükle(QApplication& uygulama)
{
    QLocale::setDefault(BölgeselMetin::KullanılacakYerel(QLocale::system()));
    auto* çeviri = new QTranslator(&uygulama);
    if (çeviri->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(çeviri);
}

std::unique_ptr<TemelForm> Başlat(const QString& klasör)
{
    // Reading the list and building the window are each a good part of start-up,
    // and neither needs the other until the list is filled.
    const QString yol = VeritabanıYolu(klasör);
    auto okuma = std::async(std::launch::async, ProjeAdlarınıOku, yol);
    auto pencere = std::make_unique<TemelForm>(DeğişkenModülü::Veritabanı(), TemelForm::İlkListe::SonraVerilecek);
    const İlkOkuma ilk = okuma.get();

    DepoHatası hata = ilk.açılış;
    if (!hata)
        hata = ProjeDeposu::Aç(yol, DeğişkenModülü::VeritabanıBağlantısı);
    if (hata) {
        Mesaj::HatayıGöster(nullptr, hata);
        return nullptr;
    }
    if (ilk.okuma)
        pencere->ProjeleriEkle(); // tries again on the window's own connection, and says why it failed
    else
        pencere->ProjeleriGöster(ilk.adlar);
    pencere->show();
    return pencere;
}
