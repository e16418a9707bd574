#include "export/GuvenliYazim.h"

#include "store/DosyaKimligi.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <fcntl.h>
#include <unistd.h>

namespace {

DepoHatasi Hata(int numara, const QString& aciklama, const QString& ayrinti = QString())
{
    return {numara, aciklama, ayrinti};
}

} // namespace

bool VeritabaniDosyasi(const QString& yol, const QString& veritabani)
{
    if (veritabani.isEmpty())
        return false;
    const auto bir = DosyaKimliginiOku(yol), iki = DosyaKimliginiOku(veritabani);
    return bir && iki && bir->AyniDosya(*iki);
}

DepoHatasi DosyayaYaz(const QString& yol, const QByteArray& icerik, const QString& veritabani)
{
    const QFileInfo hedef(yol);
    const QString klasor = hedef.absolutePath();
    if (yol.isEmpty())
        return Hata(DepoHatasi::Acilamadi, QStringLiteral("Dosya adı verilmedi."));
    if (!QFileInfo(klasor).isDir())
        return Hata(DepoHatasi::Acilamadi, QStringLiteral("\"%1\" klasörü yok; dosya yazılamadı.").arg(klasor));
    if (hedef.isDir())
        return Hata(DepoHatasi::Acilamadi, QStringLiteral("\"%1\" bir klasör; üzerine dosya yazılamaz.").arg(yol));
    // Renaming an export into place would replace the plan itself.
    if (VeritabaniDosyasi(yol, veritabani))
        return Hata(DepoHatasi::SaltOkunur,
                    QStringLiteral("\"%1\" Kavrion'un veritabanı; üzerine dışa aktarılamaz.").arg(yol));
    if (hedef.exists() && !hedef.isWritable())
        return Hata(DepoHatasi::SaltOkunur, QStringLiteral("\"%1\" salt okunur; üzerine yazılamadı.").arg(yol));
    // Asked as the process writes (its effective rights), not as its real user.
    if (::faccessat(AT_FDCWD, QFile::encodeName(klasor).constData(), W_OK, AT_EACCESS) != 0)
        return Hata(DepoHatasi::SaltOkunur,
                    QStringLiteral("\"%1\" klasörü salt okunur; dosya yazılamadı.").arg(klasor));

    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly))
        return Hata(DepoHatasi::Acilamadi, QStringLiteral("\"%1\" yazmak için açılamadı.").arg(yol),
                    dosya.errorString());
    if (dosya.write(icerik) == icerik.size() && dosya.commit())
        return {};
    const QString ayrinti = dosya.errorString();
    dosya.cancelWriting();
    // The temporary file is gone again, so the room it needed is free to measure.
    if (QStorageInfo(klasor).bytesAvailable() < icerik.size() + 4096)
        return Hata(DepoHatasi::Dolu, QStringLiteral("Diskte yeterli yer yok; \"%1\" yazılamadı.").arg(yol), ayrinti);
    return Hata(DepoHatasi::GirdiCikti, QStringLiteral("\"%1\" yazılamadı.").arg(yol), ayrinti);
}
