// Creates an empty Proje.mdb from the schema, optionally with one sample project, or sets
// the schema up on a server, or updates one an older version set up. Refuses to touch a
// file that is already there.
#include "store/GeciciBaglanti.h"
#include "store/Sema.h"
#include "store/SunucuAdresi.h"
#include "store/YeniDosya.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

int Hata(const QString& metin)
{
    QTextStream(stderr) << metin << Qt::endl;
    return 1;
}

// The four-activity example: A 3 days; B 2 after A; C 4 after A; D 1 after B and C. It
// is the file's starting point, not a step to undo.
DepoHatasi OrnekEkle(const ProjeDeposu& depo)
{
    const QDate bugun = QDate::currentDate();
    TamProje ornek;
    ornek.proje = {QStringLiteral("ÖRNEK PROJE"), bugun, bugun.addDays(30)};
    ornek.faaliyetler = {
        {"A", QStringLiteral("Tasarım"), 3, ""},
        {"B", QStringLiteral("Satın alma"), 2, "A"},
        {"C", QStringLiteral("Yapım"), 4, "A"},
        {"D", QStringLiteral("Teslim"), 1, "B,C"},
    };
    return depo.IlkIcerikYaz({ornek});
}

// The value after `secenek`, taken out of the arguments with it; empty when not given,
// false when given without a value.
bool SecenekAl(QStringList& argumanlar, const QString& secenek, QString& deger)
{
    const qsizetype i = argumanlar.indexOf(secenek);
    if (i < 0)
        return true;
    if (i + 1 >= argumanlar.size())
        return false;
    deger = argumanlar.takeAt(i + 1);
    argumanlar.removeAt(i);
    return true;
}

// Runs `islem` on a connection of its own to the server at `metin`, the address shown
// (without its password) left in `gosterilen`; a failure is told by `basarisiz`, which
// takes the address, the error's number and its description.
int SunucudaCalistir(const QString& metin, const QString& basarisiz,
                     const std::function<DepoHatasi(const GeciciBaglanti&)>& islem, QString& gosterilen)
{
    SunucuAdresi adres;
    if (auto hata = SunucuAdresiniOku(metin, adres))
        return Hata(QStringLiteral("Hata %1: %2").arg(hata.numara).arg(hata.aciklama));
    gosterilen = GosterilecekAdres(adres);
    const GeciciBaglanti baglanti(adres, ProjeDeposu::Acilis::Ham);
    DepoHatasi hata = baglanti.hata();
    if (!hata)
        hata = islem(baglanti);
    if (hata)
        return Hata(basarisiz.arg(gosterilen).arg(hata.numara).arg(hata.aciklama));
    return 0;
}

// The schema on a PostgreSQL server's empty database, and a role that may only read and
// write its tables.
int SunucudaOlustur(const QString& metin, const QString& rol, bool ornek)
{
    QString gosterilen;
    return SunucudaCalistir(metin, QStringLiteral("%1 üzerinde şema kurulamadı: Hata %2: %3"),
                            [&](const GeciciBaglanti& baglanti) {
                                QSqlDatabase vt = baglanti.vt();
                                DepoHatasi hata = Sema::Kur(vt, rol.isEmpty() ? QStringList() : Sema::SunucuRolu(rol));
                                return hata || !ornek ? hata : OrnekEkle(baglanti.depo());
                            }, gosterilen);
}

// An older version's schema on a server taken to this one: its missing tables, their
// triggers and grants, and the version, in one transaction.
int SunucuyuGuncelle(const QString& metin)
{
    QString gosterilen;
    int bulunan = 0;
    const int durum = SunucudaCalistir(metin, QStringLiteral("%1 üzerindeki şema güncellenemedi: Hata %2: %3"),
                                       [&](const GeciciBaglanti& baglanti) {
                                           QSqlDatabase vt = baglanti.vt();
                                           return Sema::SunucuyuGuncelle(vt, bulunan);
                                       }, gosterilen);
    if (durum != 0)
        return durum;
    QTextStream(stdout) << (bulunan == Sema::Surum
                                ? QStringLiteral("%1 üzerindeki şema zaten güncel (sürüm %2); değiştirilmedi.")
                                      .arg(gosterilen).arg(bulunan)
                                : QStringLiteral("%1 üzerindeki şema güncellendi: sürüm %2 → %3.")
                                      .arg(gosterilen).arg(bulunan).arg(Sema::Surum))
                        << Qt::endl;
    return 0;
}

const QString Kullanim = QStringLiteral(
    "Kullanım: veritabani-olustur [--ornek] [--] <dosya>\n"
    "         veritabani-olustur [--ornek] --sunucu BAĞLANTI [--rol AD]\n"
    "         veritabani-olustur --sunucu BAĞLANTI --guncelle\n"
    "  Şemadan boş bir Proje.mdb oluşturur, ya da bir PostgreSQL sunucusunun boş\n"
    "  veritabanına şemayı kurar; --rol yalnızca bu tabloları okuyup yazabilen bir\n"
    "  giriş rolü ekler (parolasını sunucunun yöneticisi verir); --ornek bir örnek\n"
    "  proje ekler; --guncelle Kavrion'un eski bir sürümünün kurduğu şemayı bu\n"
    "  sürüme getirir. Adı \"-\" ile başlayan bir dosya için önce \"--\" yazın.");

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    QStringList argumanlar = QCoreApplication::arguments().mid(1);
    // After "--" every argument is a file's name, even one that starts with "-".
    const qsizetype secenekSonu = argumanlar.indexOf(QStringLiteral("--"));
    const QStringList sonrakiler = secenekSonu < 0 ? QStringList() : argumanlar.mid(secenekSonu + 1);
    if (secenekSonu >= 0)
        argumanlar.resize(secenekSonu);
    if (argumanlar.contains(QStringLiteral("--help")) || argumanlar.contains(QStringLiteral("-h"))) {
        QTextStream(stdout) << Kullanim << Qt::endl;
        return 0;
    }
    const bool ornek = argumanlar.removeAll(QStringLiteral("--ornek")) > 0;
    const bool guncelle = argumanlar.removeAll(QStringLiteral("--guncelle")) > 0;
    QString sunucu, rol;
    // An option this tool does not know, a mistyped one say, must not become a new file's name.
    const bool gecerli = SecenekAl(argumanlar, QStringLiteral("--sunucu"), sunucu)
                         && SecenekAl(argumanlar, QStringLiteral("--rol"), rol)
                         && std::none_of(argumanlar.cbegin(), argumanlar.cend(),
                                         [](const QString& a) { return a.startsWith(QLatin1Char('-')); });
    argumanlar += sonrakiler;
    // An update adds no role and no sample: both belong to a fresh set-up.
    if (gecerli && guncelle && !sunucu.isEmpty() && argumanlar.isEmpty() && rol.isEmpty() && !ornek)
        return SunucuyuGuncelle(sunucu);
    if (gecerli && !guncelle && !sunucu.isEmpty() && argumanlar.isEmpty())
        return SunucudaOlustur(sunucu, rol, ornek);
    // A server and a file at once is a mistake, not a choice of one of them.
    if (!gecerli || guncelle || argumanlar.size() != 1 || !rol.isEmpty() || !sunucu.isEmpty())
        return Hata(Kullanim);
    const QString yol = argumanlar.first();
    if (QFileInfo::exists(yol) || QFileInfo(yol).isSymLink())
        return Hata(QStringLiteral("%1 zaten var; üzerine yazılmaz.").arg(yol));
    const DepoHatasi hata = YeniDosyaOlustur(yol, ornek ? IlkIcerik(OrnekEkle) : IlkIcerik());
    if (hata)
        return Hata(QStringLiteral("%1 oluşturulamadı: Hata %2: %3").arg(yol).arg(hata.numara).arg(hata.aciklama));
    return 0;
}
