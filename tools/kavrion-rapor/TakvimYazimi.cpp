#include "TakvimYazimi.h"

#include "TabloYazimi.h"
#include "export/MspdiTakvimi.h"
#include "export/Rapor.h"
#include "rules/BolgeselMetin.h"
#include "text/AnalizMetinleri.h"
#include "text/TakvimMetinleri.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct AdliGun {
    QDate tarih;
    GunBilgisi bilgi;
};

// The days of the year a holiday keeps off, and those the project's exceptions name.
QVector<AdliGun> AdliGunler(const IsTakvimi& takvim, int yil)
{
    QVector<AdliGun> gunler;
    for (QDate gun(yil, 1, 1); gun.isValid() && gun.year() == yil; gun = gun.addDays(1)) {
        const GunBilgisi bilgi = takvim.Gun(gun);
        if (bilgi.istisna || (bilgi.tatil && !bilgi.calisilir))
            gunler.append({gun, bilgi});
    }
    return gunler;
}

QString HaftaGunu(int gun)
{
    return QLocale(QLocale::Turkish, QLocale::Turkey).dayName(gun);
}

QStringList CalisilanGunler(TakvimTuru tur)
{
    QStringList gunler;
    for (int gun = Qt::Monday; gun <= Qt::Sunday; ++gun)
        if (HaftaninIsGunu(tur, gun))
            gunler << HaftaGunu(gun);
    return gunler;
}

QString Tur(const GunBilgisi& bilgi)
{
    return bilgi.istisna ? TakvimMetinleri::IstisnaTuruAdi(bilgi.istisna->tur) : QStringLiteral("Resmî tatil");
}

// Only a bayram's date is an estimate; the fixed holidays are certain in any year.
bool Tahmini(const GunBilgisi& bilgi)
{
    return bilgi.tahmini && bilgi.tatil && *bilgi.tatil >= ResmiTatil::RamazanArifesi && !bilgi.istisna;
}

QString Durum(const GunBilgisi& bilgi)
{
    return bilgi.calisilir ? QStringLiteral("çalışılır") : QStringLiteral("tatil");
}

// The lines above the days: the calendar, its week, the arifes, how sure the year's dates are.
QString Bilgiler(const ProjeTakvimi& tanim, int yil)
{
    QString metin = QStringLiteral("Takvim: %1\n").arg(TakvimMetinleri::TakvimTanimi(tanim));
    if (tanim.tur == TakvimTuru::HerGun)
        return metin + QStringLiteral("Hafta: her gün çalışılır.\n");
    metin += QStringLiteral("Hafta: %1 çalışılır.\n").arg(CalisilanGunler(tanim.tur).join(QStringLiteral(", ")));
    metin += tanim.arifelerTatil ? QStringLiteral("Arifeler: tam gün tatil.\n")
                                 : QStringLiteral("Arifeler: çalışılır (öğleden sonraları yarım gün tatildir).\n");
    metin += TahminiYil(yil) ? QStringLiteral("%1 yılının bayram tarihleri %2: kesin tarihler %3 yılına kadar.\n")
                                   .arg(yil).arg(TakvimMetinleri::Tahmini()).arg(SonKesinYil)
                             : QStringLiteral("%1 yılının bayram tarihleri kesin (%2 yılına kadar kesin).\n")
                                   .arg(yil).arg(SonKesinYil);
    return metin + TakvimMetinleri::KaynakNotu(yil) + QLatin1Char('\n');
}

} // namespace

QString TakvimTablosu(const KayitliProje& proje, int yil)
{
    const IsTakvimi takvim(proje.takvim);
    QString metin = Kisalt(Gorunur(proje.ad), AnalizMetinleri::AdSiniri) + QLatin1Char('\n') + Bilgiler(proje.takvim, yil) + QLatin1Char('\n');
    const QVector<AdliGun> gunler = AdliGunler(takvim, yil);
    if (gunler.isEmpty())
        return metin + QStringLiteral("%1 yılında tatil ya da istisna günü yok.\n").arg(yil);
    QVector<QStringList> satirlar{{QStringLiteral("Tarih"), QStringLiteral("Gün"), QStringLiteral("Ad"),
                                   QStringLiteral("Tür"), QStringLiteral("Durum")}};
    for (const AdliGun& g : gunler)
        satirlar.append({BolgeselMetin::TarihYaz(g.tarih), HaftaGunu(g.tarih.dayOfWeek()),
                         HucreMetni(TakvimMetinleri::GunAdi(g.bilgi)), Tur(g.bilgi), Durum(g.bilgi)});
    return metin + HizaliTablo(satirlar, [](int) { return false; });
}

QByteArray TakvimJson(const KayitliProje& proje, int yil)
{
    const IsTakvimi takvim(proje.takvim);
    QJsonArray gunler;
    for (const AdliGun& g : AdliGunler(takvim, yil))
        gunler.append(QJsonObject{{"tarih", IsoTarih(g.tarih)}, {"gun", HaftaGunu(g.tarih.dayOfWeek())},
                                  {"ad", TakvimMetinleri::GunAdi(g.bilgi)}, {"tur", Tur(g.bilgi)},
                                  {"calisilir", g.bilgi.calisilir}, {"tahmini", Tahmini(g.bilgi)}});
    const QJsonObject kok{{"proje", proje.ad},
                          {"takvim", TakvimMetinleri::TakvimTanimi(proje.takvim)},
                          {"calisilanGunler", QJsonArray::fromStringList(CalisilanGunler(proje.takvim.tur))},
                          {"arifelerTatil", proje.takvim.arifelerTatil},
                          {"yil", yil},
                          {"tahmini", proje.takvim.tur != TakvimTuru::HerGun && TahminiYil(yil)},
                          {"sonKesinYil", SonKesinYil},
                          {"kaynak", QString::fromUtf8(YilinKaynagi(yil))},
                          {"gunler", gunler}};
    return QJsonDocument(kok).toJson(QJsonDocument::Indented);
}
