// Creates an empty Proje.mdb from the schema, optionally with one sample project.
// Refuses to touch a file that is already there.
#include "store/ProjeDeposu.h"
#include "store/Sema.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTextStream>
#include <cstdio>

namespace {

int Hata(const QString& metin)
{
    QTextStream(stderr) << metin << Qt::endl;
    return 1;
}

// The four-activity example: A 3 days; B 2 after A; C 4 after A; D 1 after B and C.
DepoHatası ÖrnekEkle(const ProjeDeposu& depo)
{
    const QString ad = QStringLiteral("ÖRNEK PROJE");
    const QDate bugün = QDate::currentDate();
    if (auto hata = depo.ProjeEkle(ad, bugün.toString(Qt::ISODate), bugün.addDays(30).toString(Qt::ISODate)))
        return hata;
    const Faaliyet faaliyetler[] = {
        {"A", QStringLiteral("Tasarım"), "3", ""},
        {"B", QStringLiteral("Satın alma"), "2", "A"},
        {"C", QStringLiteral("Yapım"), "4", "A"},
        {"D", QStringLiteral("Teslim"), "1", "B,C"},
    };
    for (const Faaliyet& f : faaliyetler) {
        if (auto hata = depo.FaaliyetEkle(ad, f))
            return hata;
    }
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    QStringList argümanlar = QCoreApplication::arguments().mid(1);
    const bool örnek = argümanlar.removeAll(QStringLiteral("--ornek")) > 0;
    if (argümanlar.size() != 1)
        return Hata(QStringLiteral("Kullanım: veritabani-olustur [--ornek] <dosya>\n"
                                   "  Şemadan boş bir Proje.mdb oluşturur; --ornek bir örnek proje ekler."));
    const QString yol = argümanlar.first();
    if (QFileInfo::exists(yol) || QFileInfo(yol).isSymLink())
        return Hata(QStringLiteral("%1 zaten var; üzerine yazılmaz.").arg(yol));

    const QString bağlantı = QStringLiteral("oluştur");
    DepoHatası hata;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), bağlantı);
        vt.setDatabaseName(yol);
        if (!vt.open())
            return Hata(QStringLiteral("%1 oluşturulamadı: %2").arg(yol, vt.lastError().text()));
        hata = Şema::Kur(vt);
        if (!hata && örnek)
            hata = ÖrnekEkle(ProjeDeposu(bağlantı));
        vt.close();
    }
    QSqlDatabase::removeDatabase(bağlantı);
    if (hata) {
        QFile::remove(yol);
        return Hata(QStringLiteral("%1 oluşturulamadı: Hata %2: %3").arg(yol).arg(hata.numara).arg(hata.açıklama));
    }
    return 0;
}
