#include "import/MspdiTakvimOkuma.h"

#include "rules/TakvimKurallari.h"
#include "text/TakvimMetinleri.h"

#include <QLocale>
#include <QMap>
#include <algorithm>

namespace {

constexpr int YilSiniri = 100;      // a plan's years looked through for holidays, beyond which none is
constexpr int DisGunSiniri = 3660;  // exception days taken beyond the plan's years, about ten years' worth

const OkunanTakvim* TakvimBul(const QVector<OkunanTakvim>& takvimler, const QString& uid)
{
    for (const OkunanTakvim& t : takvimler)
        if (!uid.isEmpty() && t.uid == uid)
            return &t;
    return nullptr;
}

// The file's week by Qt's day numbers (1 Monday … 7 Sunday); a day neither the calendar
// nor its base gives works Monday to Friday, as Microsoft Project's standard week.
std::array<bool, 8> Hafta(const QVector<OkunanTakvim>& takvimler, const OkunanTakvim& takvim)
{
    const OkunanTakvim* taban = TakvimBul(takvimler, takvim.tabanUid);
    std::array<bool, 8> hafta{};
    for (int gun = Qt::Monday; gun <= Qt::Sunday; ++gun) {
        const int tur = gun == Qt::Sunday ? 1 : gun + 1;
        hafta[gun] = takvim.hafta[tur].value_or(taban ? taban->hafta[tur].value_or(gun < Qt::Saturday) : gun < Qt::Saturday);
    }
    return hafta;
}

QString HaftaMetni(const std::array<bool, 8>& hafta)
{
    QStringList gunler;
    for (int gun = Qt::Monday; gun <= Qt::Sunday; ++gun)
        if (hafta[gun])
            gunler << QLocale(QLocale::Turkish).dayName(gun, QLocale::ShortFormat);
    return gunler.isEmpty() ? QStringLiteral("hiçbir gün") : gunler.join(QStringLiteral(", "));
}

// The week Kavrion holds that differs from the file's on the fewest days.
TakvimTuru EnYakinTur(const std::array<bool, 8>& hafta, int& fark)
{
    fark = 8;
    TakvimTuru secilen = TakvimTuru::PazartesiCuma;
    for (const TakvimTuru tur : {TakvimTuru::PazartesiCuma, TakvimTuru::PazartesiCumartesi, TakvimTuru::HerGun}) {
        int f = 0;
        for (int gun = Qt::Monday; gun <= Qt::Sunday; ++gun)
            f += HaftaninIsGunu(tur, gun) != hafta[gun];
        if (f < fark) {
            fark = f;
            secilen = tur;
        }
    }
    return secilen;
}

struct DosyaGunleri {
    std::array<bool, 8> hafta;
    QMap<QDate, const MspdiIstisnasi*> istisnalar;
    bool Calisilir(const QDate& gun) const
    {
        const auto i = istisnalar.constFind(gun);
        return i != istisnalar.cend() ? (*i)->calisilir : hafta[gun.dayOfWeek()];
    }
};

// The arifes are holidays when the file rests on every arife the week would work.
bool ArifelerTatil(ProjeTakvimi tanim, const DosyaGunleri& dosya, const QVector<QDate>& gunler)
{
    tanim.arifelerTatil = false;
    const IsTakvimi takvim(tanim);
    int arife = 0, tatil = 0;
    for (const QDate& gun : gunler) {
        const GunBilgisi bilgi = takvim.Gun(gun);
        if (bilgi.tatil && YarimGun(*bilgi.tatil) && bilgi.calisilir) {
            ++arife;
            tatil += !dosya.Calisilir(gun);
        }
    }
    return arife > 0 && tatil == arife;
}

// What reading a file's exceptions may take: days beyond the plan's years, and steps in
// all, so that no file of overlapping or endless exceptions holds the import up.
struct Butce {
    int disGun = DisGunSiniri;
    qint64 adim = 1'000'000;
};

// Adds the file's exception days from a to b to `dosya`, and to `gunler` (days beyond the
// plan's years) while the budget lasts; of two exceptions on a day the first holds, as in
// the file's order. False when days were left out.
bool IstisnaGunleri(const MspdiIstisnasi& i, QDate a, const QDate& b, DosyaGunleri& dosya, QVector<QDate>* gunler,
                    Butce& butce)
{
    for (; a.isValid() && a <= b; a = a.addDays(1)) {
        if (--butce.adim < 0 || (gunler && butce.disGun <= 0))
            return false;
        if (dosya.istisnalar.contains(a))
            continue;
        dosya.istisnalar.insert(a, &i);
        if (gunler) {
            gunler->append(a);
            --butce.disGun;
        }
    }
    return true;
}

// The days to look at: the plan's years (at most YilSiniri of them), and the file's
// exception days beyond them, at most DisGunSiniri; false when some were left out.
bool GunleriTopla(const OkunanTakvim& takvim, const QDate& baslama, const QDate& bitis, DosyaGunleri& dosya,
                  QVector<QDate>& gunler)
{
    QDate ilk, son;
    if (baslama.isValid()) {
        ilk = QDate(baslama.year(), 1, 1);
        son = QDate(std::clamp(bitis.isValid() ? bitis.year() : 0, baslama.year(), baslama.year() + YilSiniri), 12, 31);
        for (QDate gun = ilk; gun <= son; gun = gun.addDays(1))
            gunler.append(gun);
    }
    Butce butce;
    bool hepsi = true;
    for (const MspdiIstisnasi& i : takvim.istisnalar) {
        if (ilk.isValid())
            hepsi = IstisnaGunleri(i, std::max(i.ilk, ilk), std::min(i.son, son), dosya, nullptr, butce) && hepsi;
        const QDate once = ilk.isValid() ? std::min(i.son, ilk.addDays(-1)) : i.son;
        hepsi = IstisnaGunleri(i, i.ilk, once, dosya, &gunler, butce) && hepsi;
        if (ilk.isValid())
            hepsi = IstisnaGunleri(i, std::max(i.ilk, son.addDays(1)), i.son, dosya, &gunler, butce) && hepsi;
    }
    std::sort(gunler.begin(), gunler.end());
    return hepsi;
}

struct Sayilar {
    int tatil = 0, calisilan = 0, eksikResmi = 0, hafta = 0, kisaltilan = 0;
};

// A name longer than a project keeps is cut to the limit by characters as the rule counts
// them, never inside a surrogate pair, rather than refusing the file over a name.
QString AdiSinirla(const QString& ad, int& kisaltilan)
{
    int sayi = 0;
    for (int i = 0; i < ad.size(); ++sayi) {
        if (sayi == IstisnaAdiSiniri) {
            ++kisaltilan;
            return ad.left(i);
        }
        i += ad.at(i).isHighSurrogate() && i + 1 < ad.size() && ad.at(i + 1).isLowSurrogate() ? 2 : 1;
    }
    return ad;
}

// Each day the calendar would count otherwise than the file, and each of the file's
// exceptions that is no official holiday, as a project exception.
void IstisnalariKur(ProjeTakvimi& tanim, const DosyaGunleri& dosya, const QVector<QDate>& gunler, Sayilar& sayi)
{
    const IsTakvimi takvim(tanim);
    for (const QDate& gun : gunler) {
        const GunBilgisi bilgi = takvim.Gun(gun);
        const bool calisilir = dosya.Calisilir(gun);
        const MspdiIstisnasi* istisna = dosya.istisnalar.value(gun);
        if (istisna && (!bilgi.tatil || calisilir != bilgi.calisilir)) {
            TakvimIstisnasi okunan = IstisnaAdiniOku(gun, istisna->ad, calisilir);
            okunan.ad = AdiSinirla(okunan.ad, sayi.kisaltilan);
            tanim.istisnalar.append(okunan);
            ++(calisilir ? sayi.calisilan : sayi.tatil);
        } else if (!istisna && calisilir != bilgi.calisilir) {
            tanim.istisnalar.append({gun, calisilir ? IstisnaTuru::CalisilanGun : IstisnaTuru::Tatil, QString()});
            ++(bilgi.tatil ? sayi.eksikResmi : sayi.hafta);
        }
    }
}

void Raporla(const Sayilar& sayi, const ProjeTakvimi& tanim, QStringList& rapor)
{
    if (sayi.eksikResmi)
        rapor << QStringLiteral("Dosyanın takviminde olmayan %1 resmî tatil günü çalışılan gün olarak eklendi: "
                                "tarihler dosyadaki gibi kalır.").arg(sayi.eksikResmi);
    if (sayi.hafta)
        rapor << QStringLiteral("Haftanın farkını tutmak için planın yıllarında %1 gün istisna olarak eklendi: tarihler "
                                "dosyadaki gibi kalır.").arg(sayi.hafta);
    if (sayi.tatil || sayi.calisilan)
        rapor << QStringLiteral("Dosyanın takvim istisnaları projenin istisnası oldu: %1 tatil günü, %2 çalışılan gün.")
                     .arg(sayi.tatil).arg(sayi.calisilan);
    if (sayi.kisaltilan)
        rapor << QStringLiteral("%1 istisna gününün adı %2 karaktere kısaltıldı.").arg(sayi.kisaltilan).arg(IstisnaAdiSiniri);
    if (tanim.arifelerTatil)
        rapor << QStringLiteral("Dosyada arifeler tam gün tatil: proje arifeleri tatil sayıyor.");
}

} // namespace

ProjeTakvimi ProjeTakviminiCevir(const QVector<OkunanTakvim>& takvimler, const QString& uid, const QDate& baslama,
                                 const QDate& bitis, QStringList& okuma, QStringList& rapor)
{
    ProjeTakvimi tanim;
    const OkunanTakvim* takvim = TakvimBul(takvimler, uid);
    if (!takvim) {
        okuma << (takvimler.isEmpty() ? QStringLiteral("Dosyada takvim yok: her gün iş günü sayıldı («Her gün»).")
                                      : QStringLiteral("Dosya projenin takvimini (CalendarUID) göstermiyor: her gün iş "
                                                       "günü sayıldı («Her gün»)."));
        return tanim;
    }
    DosyaGunleri dosya{Hafta(takvimler, *takvim), {}};
    int fark = 0;
    tanim.tur = EnYakinTur(dosya.hafta, fark);
    okuma << QStringLiteral("Projenin takvimi «%1»: %2 çalışılıyor; Kavrion'da «%3» oldu.")
                 .arg(takvim->ad.left(80), HaftaMetni(dosya.hafta), TakvimMetinleri::TakvimAdi(tanim.tur));
    if (fark)
        rapor << QStringLiteral("Dosyanın haftası (%1) Kavrion'un haftalarından biri değil: en çok günü tutan «%2» seçildi.")
                     .arg(HaftaMetni(dosya.hafta), TakvimMetinleri::TakvimAdi(tanim.tur));
    QVector<QDate> gunler;
    const bool hepsi = GunleriTopla(*takvim, baslama, bitis, dosya, gunler);
    tanim.arifelerTatil = tanim.tur != TakvimTuru::HerGun && ArifelerTatil(tanim, dosya, gunler);
    Sayilar sayi;
    IstisnalariKur(tanim, dosya, gunler, sayi);
    Raporla(sayi, tanim, rapor);
    if (takvim->saatler)
        rapor << QStringLiteral("Takvimin çalışma saatleri aktarılmadı: Kavrion tam iş günleri sayar.");
    if (!hepsi)
        rapor << QStringLiteral("Takvimin istisnalarının bir kısmı aktarılmadı: planın yıllarından uzak en çok %1 "
                                "gün alınır.").arg(DisGunSiniri);
    if (takvim->yinelenen)
        rapor << QStringLiteral("Yinelenen %1 takvim istisnası aktarılmadı: Kavrion her istisnayı gün gün tutar.")
                     .arg(takvim->yinelenen);
    return tanim;
}
