// Another program on the same Proje.mdb: takes a lock, says "hazır" and holds the
// lock until its standard input closes or it is killed.
//   kilit-tutucu <dosya> yazma   a write lock: others may read, nobody may write
//   kilit-tutucu <dosya> özel    an exclusive lock: nobody may even read
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QStringList argumanlar = QCoreApplication::arguments();
    if (argumanlar.size() != 3)
        return 2;
    const bool ozel = argumanlar.at(2) == QStringLiteral("özel");
    QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    vt.setDatabaseName(argumanlar.at(1));
    if (!vt.open())
        return 1;
    QSqlQuery sorgu(vt);
    if ((ozel && !sorgu.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")))
        || !sorgu.exec(ozel ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    QTextStream(stdout) << "hazır" << Qt::endl;
    while (std::getchar() != EOF) {
    }
    sorgu.exec(QStringLiteral("ROLLBACK"));
    return 0;
}
