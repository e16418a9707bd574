#include "import/Aktarim.h"

#include "import/KavrionOkuma.h"

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

std::optional<Aktarim> AktarimiOku(const QString& yol, AktarimKaynagi kaynak, const QLocale& yerel, QString& ret)
{
    Q_UNUSED(yerel);
    Aktarim aktarim;
    switch (kaynak) {
    case AktarimKaynagi::Kavrion: {
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
    case AktarimKaynagi::Mspdi:
    case AktarimKaynagi::Csv:
        break;
    }
    ret = QStringLiteral("Bu dosya türü henüz okunamıyor.");
    return std::nullopt;
}
