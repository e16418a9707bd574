#include "Iletiler.h"

#include "TabloYazimi.h"
#include "analysis/AnalizMetinleri.h"

#include <cstdio>

int HataBildir(const QString& metin, int durum)
{
    const QByteArray satır = QStringLiteral("kavrion-rapor: %1\n").arg(Görünür(metin)).toUtf8();
    std::fwrite(satır.constData(), 1, size_t(satır.size()), stderr);
    std::fflush(stderr);
    return durum;
}

int KullanımHatası(const QString& metin)
{
    return HataBildir(metin + QStringLiteral(" Yardım için: kavrion-rapor --help"), Çıkış::Kullanım);
}

QString Alıntı(const QString& ad)
{
    return QLatin1Char('"') + Kısalt(Görünür(ad), AnalizMetinleri::AdSınırı) + QLatin1Char('"');
}

bool ÇıktıyaYaz(const QByteArray& metin)
{
    const bool yazıldı = std::fwrite(metin.constData(), 1, size_t(metin.size()), stdout) == size_t(metin.size())
                         && std::fflush(stdout) == 0;
    if (!yazıldı)
        HataBildir(QStringLiteral("standart çıktıya yazılamadı."));
    return yazıldı;
}
