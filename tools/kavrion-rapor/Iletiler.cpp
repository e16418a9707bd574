#include "Iletiler.h"

#include "TabloYazimi.h"
#include "text/AnalizMetinleri.h"

#include <QCoreApplication>
#include <cstdio>

int HataBildir(const QString& metin, int durum)
{
    const QByteArray satir = QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), Gorunur(metin)).toUtf8();
    std::fwrite(satir.constData(), 1, size_t(satir.size()), stderr);
    std::fflush(stderr);
    return durum;
}

int KullanimHatasi(const QString& metin)
{
    return HataBildir(metin + QStringLiteral(" Yardım için: %1 --help").arg(QCoreApplication::applicationName()),
                      Cikis::Kullanim);
}

QString Alinti(const QString& ad)
{
    return QLatin1Char('"') + Kisalt(Gorunur(ad), AnalizMetinleri::AdSiniri) + QLatin1Char('"');
}

bool CiktiyaYaz(const QByteArray& metin)
{
    const bool yazildi = std::fwrite(metin.constData(), 1, size_t(metin.size()), stdout) == size_t(metin.size())
                         && std::fflush(stdout) == 0;
    if (!yazildi)
        HataBildir(QStringLiteral("standart çıktıya yazılamadı."));
    return yazildi;
}
