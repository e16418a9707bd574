// kavrion-rapor: the plans of a Kavrion database, read-only, for scripts and terminals.
#include "CizimModulu.h"
#include "Iletiler.h"
#include "KomutSatiri.h"
#include "MetinKomutlari.h"
#include "store/ProjeDeposu.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The folder of the running executable, as QCoreApplication::applicationDirPath finds
// it; needed before any application exists, to find the drawing module.
QString ProgramKlasörü(const char* argv0)
{
    const QString yol = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(yol.isEmpty() ? QFile::decodeName(argv0) : yol).absolutePath();
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before any application exists: gantt makes a Gui one, the rest a Core one.
    QStringList argümanlar;
    for (int i = 1; i < argc; ++i)
        argümanlar << QString::fromLocal8Bit(argv[i]);
    Çözümleme çözüm = KomutuÇözümle(argümanlar);
    if (!çözüm.hata.isEmpty())
        return KullanımHatası(çözüm.hata);
    RaporKomutu& komut = çözüm.komut;
    const QString klasör = ProgramKlasörü(argv[0]);
    if (komut.veritabanı.isEmpty())
        komut.veritabanı = VeritabanıYolu(klasör);

    if (komut.tür == RaporKomutu::Tür::Yardım)
        return ÇıktıyaYaz(YardımMetni(komut.veritabanı).toUtf8()) ? Çıkış::Başarılı : Çıkış::Hata;
    if (komut.tür == RaporKomutu::Tür::Gantt)
        return GanttıÇalıştır(argc, argv, komut, klasör);
    int sayı = argc > 0 ? 1 : 0;
    QCoreApplication uygulama(sayı, argv);
    return MetinKomutunuÇalıştır(komut);
}
