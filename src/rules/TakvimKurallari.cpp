#include "rules/TakvimKurallari.h"

#include <QLocale>

namespace {

bool BilinenTur(TakvimTuru tur)
{
    return tur == TakvimTuru::HerGun || tur == TakvimTuru::PazartesiCuma || tur == TakvimTuru::PazartesiCumartesi;
}

bool BilinenTur(IstisnaTuru tur)
{
    return tur == IstisnaTuru::Tatil || tur == IstisnaTuru::IdariIzin || tur == IstisnaTuru::CalisilanGun;
}

// A date the file keeps as a four-digit ISO text.
bool SaklanabilirTarih(const QDate& tarih)
{
    return tarih.isValid() && tarih.year() >= 1 && tarih.year() <= 9999;
}

} // namespace

TakvimReddi TakvimiDenetle(const ProjeTakvimi& takvim)
{
    if (!BilinenTur(takvim.tur))
        return {TakvimReddi::GecersizTur, QDate()};
    QDate onceki;
    for (const TakvimIstisnasi& istisna : takvim.istisnalar) {
        if (!SaklanabilirTarih(istisna.tarih))
            return {TakvimReddi::GecersizTarih, istisna.tarih};
        if (!BilinenTur(istisna.tur))
            return {TakvimReddi::GecersizTur, istisna.tarih};
        // Characters as the file counts them: a letter outside the basic plane is one.
        if (istisna.ad.toUcs4().size() > IstisnaAdiSiniri)
            return {TakvimReddi::UzunAd, istisna.tarih};
        if (onceki.isValid() && istisna.tarih == onceki)
            return {TakvimReddi::AyniGun, istisna.tarih};
        if (onceki.isValid() && istisna.tarih < onceki)
            return {TakvimReddi::Sirasiz, istisna.tarih};
        onceki = istisna.tarih;
    }
    return {};
}

QString TakvimReddiMetni(const TakvimReddi& ret)
{
    const QString tarih = QLocale().toString(ret.tarih, QLocale::ShortFormat);
    switch (ret.tur) {
    case TakvimReddi::GecersizTur:
        return QStringLiteral("Takvimde bu sürümün tanımadığı bir tür var; takvim kaydedilmedi.");
    case TakvimReddi::GecersizTarih:
        return QStringLiteral("Takvim istisnasının tarihi geçerli bir gün değil; takvim kaydedilmedi.");
    case TakvimReddi::Sirasiz:
        return QStringLiteral("Takvim istisnaları tarih sırasında değil (%1); takvim kaydedilmedi.").arg(tarih);
    case TakvimReddi::AyniGun:
        return QStringLiteral("%1 gününe birden fazla istisna girilmiş; bir güne yalnızca bir istisna girilebilir.")
            .arg(tarih);
    case TakvimReddi::UzunAd:
        return QStringLiteral("%1 gününün istisna adı en çok %2 karakter olabilir.").arg(tarih).arg(IstisnaAdiSiniri);
    case TakvimReddi::Yok:
        break;
    }
    return QString();
}
