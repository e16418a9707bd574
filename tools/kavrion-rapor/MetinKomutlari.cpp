#include "MetinKomutlari.h"

#include "IlerlemeYazimi.h"
#include "Iletiler.h"
#include "RaporOkuma.h"
#include "RiskYazimi.h"
#include "TabloYazimi.h"
#include "TakvimYazimi.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"
#include "export/MspdiYazimi.h"
#include "rules/BolgeselMetin.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

namespace {

using Bicim = RaporKomutu::Bicim;

int Projeler(const RaporKomutu& komut)
{
    QStringList adlar;
    if (const int durum = ProjeleriAl(komut, adlar))
        return durum;
    QByteArray metin;
    if (komut.bicim == Bicim::Json) {
        metin = QJsonDocument(QJsonArray::fromStringList(adlar)).toJson(QJsonDocument::Indented);
    } else {
        // One name a line: a name's own line breaks are shown as \n, so each stays on its line.
        for (const QString& ad : adlar)
            metin += Gorunur(ad).toUtf8() + '\n';
    }
    return CiktiyaYaz(metin) ? Cikis::Basarili : Cikis::Hata;
}

int CizelgeyiYaz(const RaporKomutu& komut)
{
    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    const QByteArray metin = komut.bicim == Bicim::Json ? JsonYaz(rapor)
                             : komut.bicim == Bicim::Csv ? CsvYaz(rapor, QLocale())
                                                         : TabloYaz(rapor).toUtf8();
    return CiktiyaYaz(metin) ? Cikis::Basarili : Cikis::Hata;
}

int Risk(const RaporKomutu& komut)
{
    RiskRaporu r{{}, komut.risk, {}};
    QVector<KayitliFaaliyet> faaliyetler;
    if (const int durum = RaporuAl(komut, r.rapor, &faaliyetler))
        return durum;
    r.ayarlar.dagilim = komut.dagilim.value_or(r.rapor.dagilim);
    r.sonuc = RiskiHesapla(faaliyetler, r.rapor.tahminler, r.ayarlar);
    const QByteArray metin = komut.bicim == Bicim::Json ? RiskJson(r)
                             : komut.bicim == Bicim::Csv ? RiskCsv(r, QLocale())
                                                         : RiskTablosu(r).toUtf8();
    return CiktiyaYaz(metin) ? Cikis::Basarili : Cikis::Hata;
}

int Xml(const RaporKomutu& komut)
{
    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    QByteArray xml;
    if (const DepoHatasi hata = MspdiYaz(rapor, xml))
        return HataBildir(HataMetni(hata));
    return DosyayaKaydet(komut, xml);
}

int Takvim(const RaporKomutu& komut)
{
    Rapor rapor;
    if (const int durum = RaporuAl(komut, rapor))
        return durum;
    const int yil = komut.yil.value_or(rapor.proje.baslama.deger.value_or(QDate::currentDate()).year());
    const QByteArray metin = komut.bicim == Bicim::Json ? TakvimJson(rapor.proje, yil)
                                                        : TakvimTablosu(rapor.proje, yil).toUtf8();
    return CiktiyaYaz(metin) ? Cikis::Basarili : Cikis::Hata;
}

int Ilerleme(const RaporKomutu& komut)
{
    IlerlemeRaporu r;
    if (const int durum = IlerlemeRaporunuAl(komut, r))
        return durum;
    const QByteArray metin = komut.bicim == Bicim::Json ? IlerlemeJson(r)
                             : komut.bicim == Bicim::Csv ? IlerlemeCsv(r, QLocale())
                                                         : IlerlemeTablosu(r).toUtf8();
    return CiktiyaYaz(metin) ? Cikis::Basarili : Cikis::Hata;
}

} // namespace

int MetinKomutunuCalistir(const RaporKomutu& komut)
{
    // Regional dates and the CSV separator as the application has them.
    QLocale::setDefault(BolgeselMetin::KullanilacakYerel(QLocale::system()));
    switch (komut.tur) {
    case RaporKomutu::Tur::Projeler: return Projeler(komut);
    case RaporKomutu::Tur::Cizelge: return CizelgeyiYaz(komut);
    case RaporKomutu::Tur::Xml: return Xml(komut);
    case RaporKomutu::Tur::Risk: return Risk(komut);
    case RaporKomutu::Tur::Takvim: return Takvim(komut);
    case RaporKomutu::Tur::Ilerleme: return Ilerleme(komut);
    case RaporKomutu::Tur::Yardim:
    case RaporKomutu::Tur::Gantt:
    case RaporKomutu::Tur::Ag:
        break;
    }
    return HataBildir(QStringLiteral("bu komut burada çalıştırılamaz."));
}
