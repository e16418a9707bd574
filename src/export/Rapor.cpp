#include "export/Rapor.h"

#include "store/ProjeDeposu.h"

DepoHatasi RaporuOku(const ProjeDeposu& depo, const QString& proje, Rapor& rapor)
{
    if (auto hata = depo.ProjeOku(proje, rapor.proje))
        return hata;
    QVector<KayitliFaaliyet> faaliyetler;
    if (auto hata = depo.FaaliyetleriOku(proje, faaliyetler))
        return hata;
    rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
    return {};
}
