#include "store/YazmaIzni.h"

#include "store/SqlHatasi.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

DepoHatasi YazmaIzniniDenetle(const QSqlDatabase& vt)
{
    QSqlQuery sorgu(vt);
    if (!sorgu.exec(QStringLiteral("PRAGMA database_list")))
        return SqlHatasi(sorgu.lastError());
    QString dosya;
    while (sorgu.next()) {
        if (sorgu.value(1).toString() == QLatin1String("main"))
            dosya = sorgu.value(2).toString();
    }
    if (dosya.isEmpty())
        return {};
    // The effective rights, as open() would judge them now; a file that is gone is
    // left to SQLite, which reports it as moved.
    if (faccessat(AT_FDCWD, QFile::encodeName(dosya).constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return MotorHatasi(DepoHatasi::SaltOkunur);
    return {};
}
