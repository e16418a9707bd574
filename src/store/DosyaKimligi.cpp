#include "store/DosyaKimligi.h"

#include <QFile>

std::optional<DosyaKimligi> DosyaKimliginiOku(const QString& yol)
{
    struct stat durum {};
    if (::stat(QFile::encodeName(yol).constData(), &durum) != 0)
        return std::nullopt;
    return DosyaKimligi{durum.st_dev, durum.st_ino, durum.st_size, durum.st_mtim};
}
