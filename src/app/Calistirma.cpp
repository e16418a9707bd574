#include "app/Calistirma.h"

#include "app/Baslangic.h"
#include "app/KomutSatiri.h"
#include "app/VeriKonumu.h"
#include "ui/Mesaj.h"
#include "ui/main/TekSurec.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

std::optional<int> BilgiIstendiyse(int argc, char* argv[])
{
    QStringList argumanlar;
    for (int i = 0; i < argc; ++i)
        argumanlar << QFile::decodeName(argv[i]);
    const KomutSatiri komut = KomutSatiriniOku(argumanlar);
    if (komut.is != KomutSatiri::Is::Yardim && komut.is != KomutSatiri::Is::Surum)
        return std::nullopt;
    std::printf("%s\n", qUtf8Printable(komut.is == KomutSatiri::Is::Yardim ? YardimMetni() : SurumMetni()));
    return 0;
}

int DosyaylaCalistir(QApplication& uygulama, const QString& dosya)
{
    const VeriKonumu konum =
        dosya.isEmpty() ? VarsayilanVeriKonumu() : VeriKonumu{QFileInfo(dosya).absoluteFilePath(), false};
    bool olusturuldu = false;
    const DepoHatasi hazirlik = konum.veriKlasorunde ? VeriDosyasiniHazirla(konum.yol, olusturuldu) : DepoHatasi();
    // The lock is taken on the file made, so that two first starts share one window.
    auto kilit = std::make_unique<TekSurec>(konum.yol);
    if (kilit->BaskasiAcik())
        return 0;
    TurkceArayuzuYukle(uygulama);
    const QString gosterilen = QDir::toNativeSeparators(konum.yol);
    if (hazirlik) {
        Mesaj::Goster(nullptr, QStringLiteral("Planların tutulacağı dosya oluşturulamadı:\n%1\n\n%2")
                                   .arg(gosterilen, HataMetni(hazirlik)),
                      Mesaj::Tur::Hata);
        return 1;
    }
    if (olusturuldu)
        Mesaj::Goster(nullptr, QStringLiteral("Planlarınız için yeni bir veritabanı oluşturuldu:\n%1").arg(gosterilen),
                      Mesaj::Tur::Bilgi);
    const auto acik = Baslat(konum.yol);
    if (!acik)
        return 1;
    acik->pencere.KilidiTut(std::move(kilit));
    return uygulama.exec();
}
