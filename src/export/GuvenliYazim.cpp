#include "export/GuvenliYazim.h"

#include "store/DosyaKimligi.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <fcntl.h>
#include <unistd.h>

namespace {

DepoHatası Hata(int numara, const QString& açıklama, const QString& ayrıntı = QString())
{
    return {numara, açıklama, ayrıntı};
}

bool AynıDosya(const QString& yol, const QString& öbürü)
{
    const auto bir = DosyaKimliğiniOku(yol), iki = DosyaKimliğiniOku(öbürü);
    return bir && iki && bir->AynıDosya(*iki);
}

} // namespace

DepoHatası DosyayaYaz(const QString& yol, const QByteArray& içerik, const QString& veritabanı)
{
    const QFileInfo hedef(yol);
    const QString klasör = hedef.absolutePath();
    if (yol.isEmpty())
        return Hata(DepoHatası::Açılamadı, QStringLiteral("Dosya adı verilmedi."));
    if (!QFileInfo(klasör).isDir())
        return Hata(DepoHatası::Açılamadı, QStringLiteral("\"%1\" klasörü yok; dosya yazılamadı.").arg(klasör));
    if (hedef.isDir())
        return Hata(DepoHatası::Açılamadı, QStringLiteral("\"%1\" bir klasör; üzerine dosya yazılamaz.").arg(yol));
    // Renaming an export into place would replace the plan itself.
    if (!veritabanı.isEmpty() && AynıDosya(yol, veritabanı))
        return Hata(DepoHatası::SaltOkunur,
                    QStringLiteral("\"%1\" Kavrion'un veritabanı; üzerine dışa aktarılamaz.").arg(yol));
    if (hedef.exists() && !hedef.isWritable())
        return Hata(DepoHatası::SaltOkunur, QStringLiteral("\"%1\" salt okunur; üzerine yazılamadı.").arg(yol));
    // Asked as the process writes (its effective rights), not as its real user.
    if (::faccessat(AT_FDCWD, QFile::encodeName(klasör).constData(), W_OK, AT_EACCESS) != 0)
        return Hata(DepoHatası::SaltOkunur,
                    QStringLiteral("\"%1\" klasörü salt okunur; dosya yazılamadı.").arg(klasör));

    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly))
        return Hata(DepoHatası::Açılamadı, QStringLiteral("\"%1\" yazmak için açılamadı.").arg(yol),
                    dosya.errorString());
    if (dosya.write(içerik) == içerik.size() && dosya.commit())
        return {};
    const QString ayrıntı = dosya.errorString();
    dosya.cancelWriting();
    // The temporary file is gone again, so the room it needed is free to measure.
    if (QStorageInfo(klasör).bytesAvailable() < içerik.size() + 4096)
        return Hata(DepoHatası::Dolu, QStringLiteral("Diskte yeterli yer yok; \"%1\" yazılamadı.").arg(yol), ayrıntı);
    return Hata(DepoHatası::GirdiÇıktı, QStringLiteral("\"%1\" yazılamadı.").arg(yol), ayrıntı);
}
