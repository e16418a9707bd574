#include "store/SqlHatasi.h"

DepoHatası SqlHatası(const QSqlError& hata)
{
    bool sayı = false;
    int numara = hata.nativeErrorCode().toInt(&sayı);
    // The primary code: the extended ones (2067 for a UNIQUE refusal) mean nothing more to a user.
    numara &= 0xff;
    if (!sayı || numara == 0)
        numara = DepoHatası::Genel;
    const QString motor = hata.databaseText();

    QString açıklama;
    switch (numara) {
    case 5:
    case 6:
        açıklama = QStringLiteral("Veritabanı başka bir program tarafından kullanılıyor (kilitli). "
                                  "Biraz sonra yeniden deneyin.");
        break;
    case 3:
    case 23:
        açıklama = QStringLiteral("Veritabanı dosyasına erişme izniniz yok.");
        break;
    case 8:
        açıklama = QStringLiteral("Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur.");
        break;
    case 10:
        açıklama = QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken bir disk hatası oluştu.");
        break;
    case 11:
        açıklama = QStringLiteral("Veritabanı dosyası bozuk.");
        break;
    case 13:
        açıklama = QStringLiteral("Disk dolu: değişiklik kaydedilemedi.");
        break;
    case 14:
        açıklama = QStringLiteral("Veritabanı dosyası açılamadı: dosya yok ya da erişilemiyor.");
        break;
    case 19:
        if (motor.contains(QLatin1String("ProjeTablosu.ProjeAdi")))
            açıklama = QStringLiteral("Bu adla kayıtlı bir proje zaten var. Başka bir ad girin.");
        else if (motor.contains(QLatin1String("FaaliyetlerTablosu.Kodu")))
            açıklama = QStringLiteral("Bu projede aynı kodla bir faaliyet zaten var.");
        else
            açıklama = QStringLiteral("Girilen değer veritabanına kaydedilemiyor.");
        break;
    case 26:
        açıklama = QStringLiteral("Dosya bir veritabanı değil.");
        break;
    default:
        açıklama = QStringLiteral("Veritabanı işlemi yapılamadı.");
        break;
    }
    if (!motor.isEmpty())
        açıklama += QStringLiteral("\n(%1)").arg(motor);
    return DepoHatası::yeni(numara, açıklama);
}
