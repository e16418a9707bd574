#include "app/Baslangic.h"

#include "app/DegiskenModulu.h"
#include "ui/Mesaj.h"
#include "ui/main/TemelForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void TürkçeArayüzüYükle(QApplication& uygulama)
{
    auto* çeviri = new QTranslator(&uygulama);
    if (çeviri->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(çeviri);
}

std::unique_ptr<TemelForm> Başlat(const QString& klasör)
{
    if (auto hata = ProjeDeposu::Aç(VeritabanıYolu(klasör), DeğişkenModülü::VeritabanıBağlantısı)) {
        Mesaj::HatayıGöster(nullptr, hata);
        return nullptr;
    }
    auto pencere = std::make_unique<TemelForm>(DeğişkenModülü::Veritabanı());
    pencere->show();
    return pencere;
}
