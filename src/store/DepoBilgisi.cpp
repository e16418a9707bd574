#include "store/DepoBilgisi.h"

#include "store/SqlHatasi.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

DepoHatasi DepoBilgisiniOku(const ProjeDeposu& depo, DepoBilgisi& bilgi)
{
    const QSqlDatabase vt = QSqlDatabase::database(depo.baglanti(), false);
    // The connection names the file as a URL with its open mode; the user knows a path.
    QUrl adres(vt.databaseName());
    adres.setQuery(QString());
    bilgi.yol = adres.toLocalFile();
    QSqlQuery sorgu(vt);
    if (!sorgu.exec(QStringLiteral("SELECT sqlite_version()")) || !sorgu.next())
        return SqlHatasi(sorgu.lastError());
    bilgi.sqliteSurumu = sorgu.value(0).toString();
    return {};
}
