#include "store/DepoBilgisi.h"

#include "store/SqlHatasi.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

DepoHatası DepoBilgisiniOku(const ProjeDeposu& depo, DepoBilgisi& bilgi)
{
    const QSqlDatabase vt = QSqlDatabase::database(depo.bağlantı(), false);
    // The connection names the file as a URL with its open mode; the user knows a path.
    QUrl adres(vt.databaseName());
    adres.setQuery(QString());
    bilgi.yol = adres.toLocalFile();
    QSqlQuery sorgu(vt);
    if (!sorgu.exec(QStringLiteral("SELECT sqlite_version()")) || !sorgu.next())
        return SqlHatası(sorgu.lastError());
    bilgi.sqliteSürümü = sorgu.value(0).toString();
    return {};
}
