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
QString ProgramKlasoru(const char* argv0)
{
    const QString yol = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(yol.isEmpty() ? QFile::decodeName(argv0) : yol).absolutePath();
}

} // namespace

int main(int argc, char* argv[])
{
    // Named for its messages, which may come before any application exists.
    QCoreApplication::setApplicationName(QStringLiteral("kavrion-rapor"));
    // Read before any application exists: gantt makes a Gui one, the rest a Core one.
    QStringList argumanlar;
    for (int i = 1; i < argc; ++i)
        argumanlar << QString::fromLocal8Bit(argv[i]);
    Cozumleme cozum = KomutuCozumle(argumanlar);
    if (!cozum.hata.isEmpty())
        return KullanimHatasi(cozum.hata);
    RaporKomutu& komut = cozum.komut;
    const QString klasor = ProgramKlasoru(argv[0]);
    if (komut.veritabani.isEmpty() && komut.sunucu.isEmpty())
        komut.veritabani = VeritabaniYolu(klasor);

    if (komut.tur == RaporKomutu::Tur::Yardim)
        return CiktiyaYaz(YardimMetni(komut.veritabani).toUtf8()) ? Cikis::Basarili : Cikis::Hata;
    if (komut.tur == RaporKomutu::Tur::Gantt || komut.tur == RaporKomutu::Tur::Ag
        || komut.bicim == RaporKomutu::Bicim::Pdf)
        return GanttiCalistir(argc, argv, komut, klasor);
    int sayi = argc > 0 ? 1 : 0;
    QCoreApplication uygulama(sayi, argv);
    return MetinKomutunuCalistir(komut);
}
