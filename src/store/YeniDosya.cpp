#include "store/YeniDosya.h"

#include "store/GeciciBaglanti.h"
#include "store/Sema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

DepoHatasi AlinamadiHatasi(int neden)
{
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

// Takes the name with O_EXCL: an existing file or a link by that name refuses it.
DepoHatasi AdiAl(const QByteArray& yol)
{
    const int uc = ::open(yol.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (uc < 0)
        return AlinamadiHatasi(errno);
    ::close(uc);
    return {};
}

// Gives the finished file its name, never over a file that has it: a rename that refuses
// to replace, or where the file system has none, a second link.
DepoHatasi AdinaTasi(const QByteArray& gecici, const QByteArray& yol)
{
    if (::renameat2(AT_FDCWD, gecici.constData(), AT_FDCWD, yol.constData(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno == EINVAL && ::link(gecici.constData(), yol.constData()) == 0)
        return {};
    return AlinamadiHatasi(errno);
}

DepoHatasi SemayiKur(const QString& yol, const IlkIcerik& ilkIcerik)
{
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Olustur);
    DepoHatasi hata = baglanti.hata();
    if (!hata) {
        QSqlDatabase vt = baglanti.vt();
        hata = Sema::Kur(vt);
    }
    if (!hata && ilkIcerik)
        hata = ilkIcerik(baglanti.depo());
    return hata;
}

} // namespace

DepoHatasi YeniDosyaOlustur(const QString& yol, const IlkIcerik& ilkIcerik)
{
    // Made whole under a name of its own beside it, and only then given its name: a start
    // stopped half-way leaves no half-made plan file where the next start would open it.
    const QFileInfo hedef(yol);
    const QString gecici =
        hedef.dir().filePath(QStringLiteral(".%1.yeni-%2").arg(hedef.fileName()).arg(qint64(::getpid())));
    const QByteArray geciciAd = QFile::encodeName(gecici);
    if (DepoHatasi hata = AdiAl(geciciAd))
        return hata;
    DepoHatasi hata = SemayiKur(gecici, ilkIcerik);
    if (!hata)
        hata = AdinaTasi(geciciAd, QFile::encodeName(yol));
    // After a rename nothing is left by this name; after a link, or a failure, this removes it.
    QFile::remove(gecici);
    return hata;
}
