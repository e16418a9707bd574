#include "MetinKomutlari.h"

#include "Iletiler.h"
#include "RaporOkuma.h"
#include "TabloYazimi.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"
#include "export/MspdiYazimi.h"
#include "rules/BolgeselMetin.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

namespace {

using Biçim = RaporKomutu::Biçim;

int Projeler(const RaporKomutu& komut)
{
    QStringList adlar;
    if (const int durum = ProjeleriAl(komut, adlar))
        return durum;
    QByteArray metin;
    if (komut.biçim == Biçim::Json) {
        metin = QJsonDocument(QJsonArray::fromStringList(adlar)).toJson(QJsonDocument::Indented);
    } else {
        // One name a line: a name's own line breaks are shown as \n, so each stays on its line.
        for (const QString& ad : adlar)
            metin += Görünür(ad).toUtf8() + '\n';
    }
    return ÇıktıyaYaz(metin) ? Çıkış::Başarılı : Çıkış::Hata;
}

int Çizelge(const RaporKomutu& komut)
{
    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    const QByteArray metin = komut.biçim == Biçim::Json ? JsonYaz(rapor)
                             : komut.biçim == Biçim::Csv ? CsvYaz(rapor, QLocale())
                                                         : TabloYaz(rapor).toUtf8();
    return ÇıktıyaYaz(metin) ? Çıkış::Başarılı : Çıkış::Hata;
}

int Xml(const RaporKomutu& komut)
{
    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    QByteArray xml;
    if (const DepoHatası hata = MspdiYaz(rapor, QDate::currentDate(), xml))
        return HataBildir(HataMetni(hata));
    return DosyayaKaydet(komut, xml);
}

} // namespace

int MetinKomutunuÇalıştır(const RaporKomutu& komut)
{
    // Regional dates and the CSV separator as the application has them.
    QLocale::setDefault(BölgeselMetin::KullanılacakYerel(QLocale::system()));
    switch (komut.tür) {
    case RaporKomutu::Tür::Projeler: return Projeler(komut);
    case RaporKomutu::Tür::Çizelge: return Çizelge(komut);
    case RaporKomutu::Tür::Xml: return Xml(komut);
    case RaporKomutu::Tür::Yardım:
    case RaporKomutu::Tür::Gantt:
        break;
    }
    return HataBildir(QStringLiteral("bu komut burada çalıştırılamaz."));
}
