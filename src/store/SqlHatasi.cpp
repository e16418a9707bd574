#include "store/SqlHatasi.h"

DepoHatasi SqlHatasi(const QSqlError& hata)
{
    bool sayi = false;
    const int numara = hata.nativeErrorCode().toInt(&sayi);
    return MotorHatasi(sayi ? numara : DepoHatasi::Genel, hata.databaseText());
}

DepoHatasi MotorHatasi(int motorNumarasi, const QString& motor)
{
    // The primary code: the extended ones (2067 for a UNIQUE refusal) mean nothing more to a user.
    int numara = motorNumarasi & 0xff;
    if (numara == 0)
        numara = DepoHatasi::Genel;

    QString aciklama;
    switch (numara) {
    case 5:
    case 6:
        aciklama = QStringLiteral("Veritabanı başka bir program tarafından kullanılıyor (kilitli). "
                                  "Biraz sonra yeniden deneyin.");
        break;
    case 3:
    case 23:
        aciklama = QStringLiteral("Veritabanı dosyasına erişme izniniz yok.");
        break;
    case 8:
        // Writing on would change a file nobody will see again; a restart opens the one now there.
        if (motorNumarasi == TasinmisDosya)
            aciklama = QStringLiteral("Veritabanı dosyası Kavrion açıkken taşınmış, silinmiş ya da yerine başka "
                                      "bir dosya konmuş; değişiklik kaydedilmedi. Kavrion'u yeniden başlatın.");
        // Nothing is read-only here but the reader: the file waits for a writer to undo a change cut short.
        else if (motorNumarasi == GeriAlinmamisYazma)
            aciklama = QStringLiteral("Veritabanında yarıda kalmış bir değişiklik var; salt okunur açıldığı için geri "
                                      "alınamadı. Kavrion'u açıp kapatmak dosyayı onarır.");
        else
            aciklama = QStringLiteral("Veritabanına yazılamıyor: dosya ya da bulunduğu klasör salt okunur.");
        break;
    case 10:
        aciklama = QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken bir disk hatası oluştu.");
        break;
    case 11:
        aciklama = QStringLiteral("Veritabanı dosyası bozuk.");
        break;
    case 13:
        aciklama = QStringLiteral("Disk dolu: değişiklik kaydedilemedi.");
        break;
    case 14:
        aciklama = QStringLiteral("Veritabanı dosyası açılamadı: dosya yok ya da erişilemiyor.");
        break;
    case 19:
        if (motor.contains(QLatin1String("ProjeTablosu.ProjeAdi")))
            aciklama = QStringLiteral("Bu adla kayıtlı bir proje zaten var. Başka bir ad girin.");
        else if (motor.contains(QLatin1String("FaaliyetlerTablosu.Kodu")))
            aciklama = QStringLiteral("Bu projede aynı kodla bir faaliyet zaten var.");
        else
            aciklama = QStringLiteral("Girilen değer veritabanına kaydedilemiyor.");
        break;
    case 26:
        aciklama = QStringLiteral("Dosya bir veritabanı değil.");
        break;
    default:
        aciklama = QStringLiteral("Veritabanı işlemi yapılamadı.");
        break;
    }
    return {numara, aciklama, motor};
}
