#include "ui/server/BaglantiHatasi.h"

DepoHatasi BaglantiHatasi(DepoHatasi hata, const SunucuAdresi& adres)
{
    if (hata.numara != DepoHatasi::Ulasilamiyor)
        return hata;
    // As libpq fills a key left out: from the environment, else its local socket and port 5432.
    QString sunucu = adres.sunucu.isEmpty() ? qEnvironmentVariable("PGHOST") : adres.sunucu;
    if (sunucu.isEmpty())
        sunucu = QStringLiteral("yerel soket");
    const QString port = adres.port.isEmpty() ? qEnvironmentVariable("PGPORT", QStringLiteral("5432")) : adres.port;
    hata.aciklama += QStringLiteral(" Sunucu: %1, port %2.").arg(sunucu, port);
    return hata;
}
