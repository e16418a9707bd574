// kavrion-aktar: another planner's file, or another Kavrion file, imported as new projects.
#include "Aktarma.h"
#include "AktarmaKomutu.h"
#include "Iletiler.h"
#include "store/ProjeDeposu.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("kavrion-aktar"));
    QCoreApplication uygulama(argc, argv);
    AktarmaCozumu cozum = AktarmaKomutunuCozumle(QCoreApplication::arguments().mid(1));
    if (!cozum.hata.isEmpty()) {
        KullanimHatasi(cozum.hata);
        QTextStream(stderr) << AktarmaKullanimi();
        return Cikis::Kullanim;
    }
    AktarmaKomutu& komut = cozum.komut;
    const QString varsayilan = VeritabaniYolu(QCoreApplication::applicationDirPath());
    if (komut.yardim)
        return CiktiyaYaz(AktarmaYardimi(varsayilan).toUtf8()) ? Cikis::Basarili : Cikis::Hata;
    if (komut.vt.veritabani.isEmpty() && komut.vt.sunucu.isEmpty())
        komut.vt.veritabani = varsayilan;
    return Aktar(komut);
}
