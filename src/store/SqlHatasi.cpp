#include "store/SqlHatasi.h"

DepoHatasi SqlHatasi(const QSqlError& hata)
{
    // A server's codes are SQLSTATEs, always five characters; SQLite's are at most four digits.
    if (hata.nativeErrorCode().size() == 5)
        return SunucuHatasi(hata.nativeErrorCode(), hata.databaseText());
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

DepoHatasi SunucuHatasi(const QString& durum, const QString& motor)
{
    const QString sinif = durum.left(2);
    auto hata = [&](int numara, const QString& aciklama) { return DepoHatasi{numara, aciklama, motor}; };
    // The texts a unique refusal names are the file's, as the server's constraints are named so.
    if (sinif == QLatin1String("23"))
        return MotorHatasi(DepoHatasi::Kisit, motor);
    if (sinif == QLatin1String("22"))
        return hata(DepoHatasi::Uyumsuz, QStringLiteral("Girilen değer sunucudaki sütunun türüne uymuyor."));
    if (sinif == QLatin1String("08") || durum.startsWith(QLatin1String("57P")) || durum.isEmpty())
        return hata(DepoHatasi::Ulasilamiyor, QStringLiteral("Sunucuya ulaşılamıyor; değişiklik kaydedilmedi."));
    if (sinif == QLatin1String("28"))
        return hata(DepoHatasi::Yetki, QStringLiteral("Sunucu kullanıcı adını ya da parolayı kabul etmedi."));
    if (durum == QLatin1String("42501"))
        return hata(DepoHatasi::Yetki, QStringLiteral("Sunucuda bu işlem için yetkiniz yok."));
    if (durum == QLatin1String("25006"))
        return hata(DepoHatasi::SaltOkunur, QStringLiteral("Sunucuya salt okunur bağlanıldı; değişiklik kaydedilemez."));
    if (durum == QLatin1String("40001") || durum == QLatin1String("40P01") || durum == QLatin1String("55P03"))
        return hata(DepoHatasi::Mesgul, QStringLiteral("Sunucu başka bir planlayıcının değişikliğini yazıyor. "
                                                       "Biraz sonra yeniden deneyin."));
    if (sinif == QLatin1String("54"))
        return hata(DepoHatasi::Kisit, QStringLiteral("Girilen değer sunucunun saklayabileceğinden uzun."));
    if (sinif == QLatin1String("53"))
        return hata(DepoHatasi::Dolu, QStringLiteral("Sunucuda yer kalmadı: değişiklik kaydedilemedi."));
    if (durum == QLatin1String("3D000"))
        return hata(DepoHatasi::Ulasilamiyor, QStringLiteral("Sunucuda böyle bir veritabanı yok."));
    if (durum == QLatin1String("42P01") || durum == QLatin1String("42703"))
        return hata(DepoHatasi::Genel, QStringLiteral("Sunucudaki veritabanı bir Kavrion veritabanı değil ya da "
                                                      "şeması eksik."));
    return hata(DepoHatasi::Genel, QStringLiteral("Sunucuda veritabanı işlemi yapılamadı."));
}
