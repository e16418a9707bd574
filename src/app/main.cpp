#include "app/Baslangic.h"
#include "app/Calistirma.h"
#include "app/KomutSatiri.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto cikis = BilgiIstendiyse(argc, argv))
        return *cikis;
    QApplication uygulama(argc, argv);
    // The menu entry's name, by which a Wayland desktop ties the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kavrion.Kavrion"));
    const KomutSatiri komut = KomutSatiriniOku(QCoreApplication::arguments());
    if (komut.is == KomutSatiri::Is::Hatali) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(KullanimHatasi(komut.hatali)));
        return 2;
    }
    // Many planners share a server: the one-process rule is the file's.
    if (komut.sunucu) {
        TurkceArayuzuYukle(uygulama);
        const auto acik = SunucuylaBaslat(*komut.sunucu);
        return acik ? uygulama.exec() : 1;
    }
    return DosyaylaCalistir(uygulama, komut.dosya);
}
