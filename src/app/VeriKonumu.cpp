#include "app/VeriKonumu.h"

#include "store/ProjeDeposu.h"
#include "store/YeniDosya.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

VeriKonumu VeriKonumuSec(const QString& programKlasoru, bool dosyaVar, bool yazilabilir,
                         const QString& xdgDataHome, const QString& ev)
{
    const bool sistemin = (QDir::cleanPath(programKlasoru) + QLatin1Char('/')).startsWith(QLatin1String("/usr/"));
    if (dosyaVar || (yazilabilir && !sistemin))
        return {VeritabaniYolu(programKlasoru), false};
    const QString veri = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : ev + QStringLiteral("/.local/share");
    return {VeritabaniYolu(QDir::cleanPath(veri + QStringLiteral("/kavrion"))), true};
}

VeriKonumu VarsayilanVeriKonumu()
{
    const QString klasor = QCoreApplication::applicationDirPath();
    const QFileInfo yanindaki(VeritabaniYolu(klasor));
    return VeriKonumuSec(klasor, yanindaki.exists() || yanindaki.isSymLink(), QFileInfo(klasor).isWritable(),
                         qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

DepoHatasi VeriDosyasiniHazirla(const QString& yol, bool& olusturuldu)
{
    olusturuldu = false;
    if (QFileInfo::exists(yol) || QFileInfo(yol).isSymLink())
        return {};
    const QString klasor = QFileInfo(yol).absolutePath();
    QDir().mkpath(QFileInfo(klasor).absolutePath());
    QDir().mkdir(klasor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const DepoHatasi hata = YeniDosyaOlustur(yol);
    // Another first start may have made it a moment ago: that one is used.
    if (hata.numara == DepoHatasi::Kisit)
        return {};
    olusturuldu = !hata;
    return hata;
}
