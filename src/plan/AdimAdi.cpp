#include "plan/AdimAdi.h"

namespace {

QString TurAdi(AdimTuru tur)
{
    switch (tur) {
    case AdimTuru::ProjeEkle: return QStringLiteral("Proje Ekle");
    case AdimTuru::ProjeDegistir: return QStringLiteral("Proje Değiştir");
    case AdimTuru::ProjeSil: return QStringLiteral("Proje Sil");
    case AdimTuru::FaaliyetEkle: return QStringLiteral("Faaliyet Ekle");
    case AdimTuru::FaaliyetDegistir: return QStringLiteral("Faaliyet Değiştir");
    case AdimTuru::SonFaaliyetiSil: return QStringLiteral("Son Faaliyeti Sil");
    case AdimTuru::TumFaaliyetleriSil: return QStringLiteral("Tüm Faaliyetleri Sil");
    case AdimTuru::IceAktar: return QStringLiteral("İçe Aktar");
    case AdimTuru::TahminDegistir: return QStringLiteral("Tahmin Değiştir");
    case AdimTuru::SureleriDegistir: return QStringLiteral("Denemeyi Uygula");
    case AdimTuru::DagilimDegistir: return QStringLiteral("Dağılım Değiştir");
    case AdimTuru::TakvimDegistir: return QStringLiteral("Takvim Değiştir");
    case AdimTuru::DurumTarihi: return QStringLiteral("Durum Tarihi");
    case AdimTuru::Ilerleme: return QStringLiteral("İlerleme");
    case AdimTuru::TabanKaydet: return QStringLiteral("Taban Planı Kaydet");
    case AdimTuru::TabanAdlandir: return QStringLiteral("Taban Planı Adlandır");
    case AdimTuru::TabanSil: return QStringLiteral("Taban Planı Sil");
    case AdimTuru::TabanSec: return QStringLiteral("Taban Planı Seç");
    }
    return QString();
}

} // namespace

QString AdimAdi(const GecmisAdimi& adim)
{
    QString ad = TurAdi(adim.tur);
    if (adim.tur == AdimTuru::IceAktar && !adim.kodu.isEmpty())
        ad += QStringLiteral(" (%1 proje)").arg(adim.kodu);
    else if (!adim.kodu.isEmpty())
        ad += QStringLiteral(" (%1)").arg(adim.kodu);
    // A rename names both; every other step the project it changed.
    QString proje = adim.projeSonra.isEmpty() ? adim.projeOnce : adim.projeSonra;
    if (!adim.projeOnce.isEmpty() && !adim.projeSonra.isEmpty() && adim.projeOnce != adim.projeSonra)
        proje = QStringLiteral("%1 → %2").arg(adim.projeOnce, adim.projeSonra);
    return ad + QStringLiteral(" – ") + proje;
}
