#include "store/YeniDosya.h"

#include "store/GeciciBaglanti.h"
#include "store/Sema.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Takes the name with O_EXCL: an existing file or a link by that name refuses it.
DepoHatasi AdiAl(const QString& yol)
{
    const int uc = ::open(QFile::encodeName(yol).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (uc >= 0) {
        ::close(uc);
        return {};
    }
    const int neden = errno;
    DepoHatasi hata = neden == EEXIST
                          ? DepoHatasi::yeni(DepoHatasi::Kisit, QStringLiteral("Bu adda bir dosya zaten var; "
                                                                                "üzerine yazılmaz."))
                      : neden == ENOSPC ? DepoHatasi::yeni(DepoHatasi::Dolu, QStringLiteral("Diskte yer kalmadı."))
                                        : DepoHatasi::yeni(DepoHatasi::Acilamadi,
                                                           QStringLiteral("Veritabanı dosyası oluşturulamadı: klasör "
                                                                          "yok ya da yazılamıyor."));
    hata.ayrinti = QString::fromLocal8Bit(std::strerror(neden));
    return hata;
}

} // namespace

DepoHatasi YeniDosyaOlustur(const QString& yol, const IlkIcerik& ilkIcerik)
{
    if (DepoHatasi hata = AdiAl(yol))
        return hata;
    DepoHatasi hata;
    {
        const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Olustur);
        hata = baglanti.hata();
        if (!hata) {
            QSqlDatabase vt = baglanti.vt();
            hata = Sema::Kur(vt);
        }
        if (!hata && ilkIcerik)
            hata = ilkIcerik(baglanti.depo());
    }
    if (hata)
        QFile::remove(yol);
    return hata;
}
