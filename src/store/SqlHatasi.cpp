#include "store/SqlHatasi.h"

DepoHatası SqlHatası(const QSqlError& hata)
{
    bool sayı = false;
    const int numara = hata.nativeErrorCode().toInt(&sayı);
    return MotorHatası(sayı ? numara : DepoHatası::Genel, hata.databaseText());
}

DepoHatası MotorHatası(int motorNumarası, const QString& motor)
{
    // The primary code: the extended ones (2067 for a UNIQUE refusal) mean nothing more to a user.
    int numara = motorNumarası & 0xff;
    if (numara == 0)
        numara = DepoHatası::Genel;

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
        // Writing on would change a file nobody will see again; a restart opens the one now there.
        if (motorNumarası == TaşınmışDosya)
            açıklama = QStringLiteral("Veritabanı dosyası Kavrion açıkken taşınmış, silinmiş ya da yerine başka "
                                      "bir dosya konmuş; değişiklik kaydedilmedi. Kavrion'u yeniden başlatın.");
        // Nothing is read-only here but the reader: the file waits for a writer to undo a change cut short.
        else if (motorNumarası == GeriAlınmamışYazma)
            açıklama = QStringLiteral("Veritabanında yarıda kalmış bir değişiklik var; salt okunur açıldığı için geri "
                                      "alınamadı. Kavrion'u açıp kapatmak dosyayı onarır.");
        else
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
    return {numara, açıklama, motor};
}
