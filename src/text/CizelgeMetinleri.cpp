#include "text/CizelgeMetinleri.h"

#include <QStringList>

namespace {

QString SiniriAsiyor(const QString& kod, const QString& neyi)
{
    return QStringLiteral("%1 faaliyetinin %2 32 bitlik sayı sınırını aşıyor.").arg(kod, neyi);
}

QString Neden(const HataYeri& hata, const QVector<KayitliFaaliyet>& satirlar)
{
    const QString kod = hata.satir >= 0 ? satirlar.at(hata.satir).kodu : QString();
    switch (hata.tur) {
    case PlanHatasi::Yok: break;
    case PlanHatasi::FaaliyetYok: return QStringLiteral("Projede faaliyet yok.");
    case PlanHatasi::SureSayiDegil:
        return QStringLiteral("%1 faaliyetinin süresi \"%2\" bir tam sayı değil.")
            .arg(kod, satirlar.at(hata.satir).sure.ham.toString());
    case PlanHatasi::BosOnceki:
        return QStringLiteral("%1 faaliyetinin önceki faaliyet listesinde boş bir kod var.").arg(kod);
    case PlanHatasi::KendiOncekisi: return QStringLiteral("%1 faaliyeti kendi önceki faaliyeti olamaz.").arg(kod);
    case PlanHatasi::SonrakiOnceki:
        return QStringLiteral("%1 faaliyetinin önceki faaliyeti %2 ondan sonra eklenmiş.").arg(kod, hata.kod);
    case PlanHatasi::TanimsizOnceki:
        return QStringLiteral("%1 faaliyetinin önceki faaliyeti %2 tanımlı değil.").arg(kod, hata.kod);
    case PlanHatasi::BitisSinirDisi: return SiniriAsiyor(kod, QStringLiteral("bitiş günü"));
    case PlanHatasi::EnErkenSinirDisi:
        return QStringLiteral("Projenin en erken bitiş gün sayısı 32 bitlik sayı sınırını aşıyor.");
    case PlanHatasi::EnGecBitisSinirDisi: return SiniriAsiyor(kod, QStringLiteral("en geç bitiş günü"));
    case PlanHatasi::EnGecBaslamaSinirDisi: return SiniriAsiyor(kod, QStringLiteral("en geç başlama günü"));
    case PlanHatasi::ToplamBollukSinirDisi: return SiniriAsiyor(kod, QStringLiteral("toplam bolluğu"));
    }
    return QString();
}

QString Gun(const std::optional<qint32>& gun)
{
    return gun ? QString::number(*gun) : QString();
}

} // namespace

namespace CizelgeMetinleri {

QString Es(const Cizelge& cizelge, int satir)
{
    return Gun(cizelge.gunler.at(satir).es);
}

QString Ef(const Cizelge& cizelge, int satir)
{
    const auto& ef = cizelge.gunler.at(satir).ef;
    if (ef || satir != 0)
        return Gun(ef);
    return cizelge.model->Satirlar().at(0).sure.ham.toString();
}

QString EnGecGunSayisi(const Cizelge& cizelge)
{
    return Gun(cizelge.projeBitisGunu);
}

QString EnErkenGunSayisi(const Cizelge& cizelge)
{
    return Gun(cizelge.enErkenGunSayisi);
}

QString Yol(const Cizelge& cizelge)
{
    QStringList kodlar;
    kodlar.reserve(cizelge.kritikYol.size());
    for (const int satir : cizelge.kritikYol)
        kodlar << cizelge.model->Satirlar().at(satir).kodu;
    return kodlar.join(QLatin1Char(','));
}

QString KritikYol(const Cizelge& cizelge)
{
    return cizelge.hata.Var() ? Hesaplanamiyor(cizelge.hata, cizelge.model->Satirlar()) : Yol(cizelge);
}

QString Hesaplanamiyor(const HataYeri& hata, const QVector<KayitliFaaliyet>& satirlar)
{
    return Hesaplanamiyor(Neden(hata, satirlar));
}

QString Hesaplanamiyor(const QString& neden)
{
    return QStringLiteral("Hesaplanamıyor: ") + neden;
}

} // namespace CizelgeMetinleri
