#include "import/Aktarim.h"

#include "import/CsvOkuma.h"
#include "import/KavrionOkuma.h"
#include "import/MspdiOkuma.h"

#include <QFileInfo>

std::optional<AktarimKaynagi> KaynagiBul(const QString& yol)
{
    const QString sonek = QFileInfo(yol).suffix().toLower();
    if (sonek == QLatin1String("xml"))
        return AktarimKaynagi::Mspdi;
    if (sonek == QLatin1String("csv"))
        return AktarimKaynagi::Csv;
    if (sonek == QLatin1String("mdb"))
        return AktarimKaynagi::Kavrion;
    return std::nullopt;
}

namespace {

// One project read from another program's file, with what its reading said.
std::optional<Aktarim> TekProje(const AktarimSonucu& sonuc, QString& ret)
{
    if (!sonuc.plan) {
        ret = sonuc.ret;
        return std::nullopt;
    }
    const AktarimPlani& plan = *sonuc.plan;
    Aktarim aktarim;
    aktarim.projeler.append({{plan.proje, plan.faaliyetler, plan.tahminler, Dagilim::Pert, plan.takvim, plan.ilerleme,
                                plan.tabanlar}, QString()});
    aktarim.okuma = plan.okuma;
    aktarim.onaylanacaklar = plan.onaylanacaklar;
    aktarim.onayMetni = plan.onayMetni;
    aktarim.rapor = plan.rapor;
    return aktarim;
}

} // namespace

std::optional<Aktarim> AktarimiOku(const QString& yol, AktarimKaynagi kaynak, const QLocale& yerel, QString& ret)
{
    switch (kaynak) {
    case AktarimKaynagi::Mspdi:
        return TekProje(MspdiDosyasiOku(yol), ret);
    case AktarimKaynagi::Csv:
        return TekProje(CsvDosyasiOku(yol, yerel), ret);
    case AktarimKaynagi::Kavrion:
        break;
    }
    Aktarim aktarim;
    if (auto hata = KavrionDosyasiOku(yol, aktarim.projeler)) {
        ret = HataMetni(hata);
        return std::nullopt;
    }
    if (aktarim.projeler.isEmpty()) {
        ret = QStringLiteral("Dosyada kayıtlı proje yok.");
        return std::nullopt;
    }
    aktarim.secilir = true;
    return aktarim;
}
