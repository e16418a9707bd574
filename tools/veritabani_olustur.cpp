// Creates an empty Proje.mdb from the schema, optionally with one sample project.
// Refuses to touch a file that is already there.
#include "store/GeciciBaglanti.h"
#include "store/Sema.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTextStream>
#include <cstdio>

namespace {

int Hata(const QString& metin)
{
    QTextStream(stderr) << metin << Qt::endl;
    return 1;
}

// The four-activity example: A 3 days; B 2 after A; C 4 after A; D 1 after B and C.
DepoHatasi OrnekEkle(const ProjeDeposu& depo)
{
    const QString ad = QStringLiteral("ÖRNEK PROJE");
    const QDate bugun = QDate::currentDate();
    if (auto hata = depo.ProjeEkle({ad, bugun, bugun.addDays(30)}))
        return hata;
    const Faaliyet faaliyetler[] = {
        {"A", QStringLiteral("Tasarım"), 3, ""},
        {"B", QStringLiteral("Satın alma"), 2, "A"},
        {"C", QStringLiteral("Yapım"), 4, "A"},
        {"D", QStringLiteral("Teslim"), 1, "B,C"},
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
    QStringList argumanlar = QCoreApplication::arguments().mid(1);
    const bool ornek = argumanlar.removeAll(QStringLiteral("--ornek")) > 0;
    if (argumanlar.size() != 1)
        return Hata(QStringLiteral("Kullanım: veritabani-olustur [--ornek] <dosya>\n"
                                   "  Şemadan boş bir Proje.mdb oluşturur; --ornek bir örnek proje ekler."));
    const QString yol = argumanlar.first();
    if (QFileInfo::exists(yol) || QFileInfo(yol).isSymLink())
        return Hata(QStringLiteral("%1 zaten var; üzerine yazılmaz.").arg(yol));

    DepoHatasi hata;
    {
        const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Olustur);
        if (baglanti.hata())
            return Hata(QStringLiteral("%1 oluşturulamadı: Hata %2: %3")
                            .arg(yol).arg(baglanti.hata().numara).arg(baglanti.hata().aciklama));
        QSqlDatabase vt = baglanti.vt();
        hata = Sema::Kur(vt);
        if (!hata && ornek)
            hata = OrnekEkle(baglanti.depo());
    }
    if (hata) {
        QFile::remove(yol);
        return Hata(QStringLiteral("%1 oluşturulamadı: Hata %2: %3").arg(yol).arg(hata.numara).arg(hata.aciklama));
    }
    return 0;
}
