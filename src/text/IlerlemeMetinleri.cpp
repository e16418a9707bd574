#include "text/IlerlemeMetinleri.h"

#include "rules/BolgeselMetin.h"

namespace IlerlemeMetinleri {

namespace {

QString FaaliyetRed(const IlerlemeReddi& ret)
{
    const QString tarih = BolgeselMetin::TarihYaz(ret.tarih);
    switch (ret.tur) {
    case IlerlemeReddi::BitisBaslamadanOnce:
        return QStringLiteral("%1 faaliyetinin gerçek bitişi (%2) gerçek başlamasından önce olamaz.").arg(ret.kodu, tarih);
    case IlerlemeReddi::DurumTarihindenSonra:
        return QStringLiteral("%1 faaliyetinin gerçek tarihi (%2) durum tarihinden sonra olamaz; önce durum tarihini "
                              "ileri alın.").arg(ret.kodu, tarih);
    case IlerlemeReddi::YuzdeAralikDisi:
        return QStringLiteral("%1 faaliyetinin tamamlanma yüzdesi 0 ile 100 arasında olmalı.").arg(ret.kodu);
    case IlerlemeReddi::KalanAralikDisi:
        return QStringLiteral("%1 faaliyetinin kalan süresi 0 ya da daha büyük bir tam sayı olmalı.").arg(ret.kodu);
    case IlerlemeReddi::EksikBitis:
        return QStringLiteral("%1 faaliyetine gerçek bitiş girilmiş ama tamamlanmamış; bitmiş bir faaliyetin "
                              "tamamlanma yüzdesi 100 olur.").arg(ret.kodu);
    case IlerlemeReddi::BaslamasizBitis:
        return QStringLiteral("%1 faaliyetine gerçek başlama girilmeden gerçek bitiş girilemez.").arg(ret.kodu);
    case IlerlemeReddi::BaslamasizIlerleme:
        return QStringLiteral("%1 faaliyetine gerçek başlama girilmeden tamamlanma yüzdesi ya da kalan süre "
                              "girilemez.").arg(ret.kodu);
    case IlerlemeReddi::FaaliyetYok:
        return QStringLiteral("İlerlemesi girilen %1 faaliyeti projede yok.").arg(ret.kodu);
    default:
        break;
    }
    return QString();
}

QString TabanRed(const IlerlemeReddi& ret)
{
    switch (ret.tur) {
    case IlerlemeReddi::TabanAdiBos:
        return QStringLiteral("Taban planının adı boş olamaz.");
    case IlerlemeReddi::TabanAdiUzun:
        return QStringLiteral("Taban planının adı en çok %1 karakter olabilir.").arg(TabanAdiSiniri);
    case IlerlemeReddi::TabanAdiKullanilmis:
        return QStringLiteral("\"%1\" adlı bir taban planı zaten var; başka bir ad girin.").arg(ret.ad);
    case IlerlemeReddi::TabanSiniriDolu:
        return QStringLiteral("Bir projede en çok %1 taban planı saklanabilir; yenisini kaydetmek için önce birini "
                              "silin.").arg(TabanPlaniSiniri);
    case IlerlemeReddi::TabanYok:
        return QStringLiteral("Seçilen taban planı projede yok.");
    case IlerlemeReddi::TabanNumarasi:
        return QStringLiteral("Taban planlarının numaraları 0 ile %1 arasında ve birbirinden farklı olmalı.")
            .arg(TabanPlaniSiniri - 1);
    default:
        break;
    }
    return QString();
}

} // namespace

QString RedMetni(const IlerlemeReddi& ret)
{
    switch (ret.tur) {
    case IlerlemeReddi::Yok:
        return QString();
    case IlerlemeReddi::GecersizTarih:
        return QStringLiteral("Girilen tarih geçerli bir gün değil; tarihler 1 ile 9999 yılları arasında olmalı.");
    case IlerlemeReddi::DurumTarihiYok:
        return QStringLiteral("İlerleme girmek için önce projenin durum tarihini girin; ilerlemesi olan bir projenin "
                              "durum tarihi silinemez.");
    case IlerlemeReddi::DurumTarihiGeride:
        return QStringLiteral("Durum tarihi, %1 faaliyetinin girilmiş gerçek tarihinden (%2) önceye alınamaz.")
            .arg(ret.kodu, BolgeselMetin::TarihYaz(ret.tarih));
    default:
        break;
    }
    const QString faaliyet = FaaliyetRed(ret);
    return faaliyet.isEmpty() ? TabanRed(ret) : faaliyet;
}

} // namespace IlerlemeMetinleri
