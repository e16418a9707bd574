#include "export/MspdiTakvimi.h"

#include "text/TakvimMetinleri.h"

#include <QSet>
#include <algorithm>

namespace {

// A bridge day keeps its kind after the user's name: "Köprü (İdari izin)".
QString IdariIzinEki()
{
    return QStringLiteral(" (%1)").arg(TakvimMetinleri::IstisnaTuruAdi(IstisnaTuru::IdariIzin));
}

// The project's exceptions, a run of consecutive days of one name and kind as one.
void ProjeIstisnalari(const ProjeTakvimi& tanim, QVector<MspdiIstisnasi>& sonuc, QSet<QDate>& tutulan)
{
    for (const TakvimIstisnasi& i : tanim.istisnalar) {
        const MspdiIstisnasi yeni{i.tarih, i.tarih, IstisnaAdiniYaz(i), i.tur == IstisnaTuru::CalisilanGun};
        tutulan.insert(i.tarih);
        MspdiIstisnasi* son = sonuc.isEmpty() ? nullptr : &sonuc.last();
        if (son && son->son.addDays(1) == i.tarih && son->ad == yeni.ad && son->calisilir == yeni.calisilir)
            son->son = i.tarih;
        else
            sonuc.append(yeni);
    }
}

// The days of one holiday not yet held by another exception, as runs; a run of weekend
// days only changes nothing and is left out.
void TatilEkle(const IsTakvimi& takvim, const TatilAraligi& tatil, QVector<MspdiIstisnasi>& sonuc, QSet<QDate>& tutulan)
{
    const QString ad = TakvimMetinleri::GunAdi({false, tatil.tatil, std::nullopt, TahminiYil(tatil.ilk.year())});
    MspdiIstisnasi run{QDate(), QDate(), ad, false};
    bool isGunuAliyor = false;
    const auto bitir = [&] {
        if (run.ilk.isValid() && isGunuAliyor)
            sonuc.append(run);
        run.ilk = QDate();
        isGunuAliyor = false;
    };
    for (QDate gun = tatil.ilk; gun <= tatil.Son(); gun = gun.addDays(1)) {
        if (tutulan.contains(gun)) {
            bitir();
            continue;
        }
        tutulan.insert(gun);
        if (!run.ilk.isValid())
            run.ilk = gun;
        run.son = gun;
        isGunuAliyor |= HaftaninIsGunu(takvim.Tanim().tur, gun.dayOfWeek());
    }
    bitir();
}

} // namespace

bool HaftaninIsGunu(TakvimTuru tur, int haftaGunu)
{
    switch (tur) {
    case TakvimTuru::HerGun: return true;
    case TakvimTuru::PazartesiCuma: return haftaGunu < Qt::Saturday;
    case TakvimTuru::PazartesiCumartesi: return haftaGunu != Qt::Sunday;
    }
    return true;
}

QVector<MspdiIstisnasi> MspdiIstisnalari(const IsTakvimi& takvim, int ilkYil, int sonYil)
{
    const ProjeTakvimi& tanim = takvim.Tanim();
    QVector<MspdiIstisnasi> sonuc;
    QSet<QDate> tutulan;
    ProjeIstisnalari(tanim, sonuc, tutulan);
    if (tanim.tur != TakvimTuru::HerGun) {
        // Whole holidays first: where an arife falls on one, the whole day wins.
        for (const bool yarim : {false, true}) {
            if (yarim && !tanim.arifelerTatil)
                break;
            for (int yil = ilkYil; yil <= sonYil; ++yil)
                for (const TatilAraligi& t : YilinTatilleri(yil))
                    if (YarimGun(t.tatil) == yarim)
                        TatilEkle(takvim, t, sonuc, tutulan);
        }
    }
    std::sort(sonuc.begin(), sonuc.end(), [](const MspdiIstisnasi& a, const MspdiIstisnasi& b) { return a.ilk < b.ilk; });
    return sonuc;
}

QString IstisnaAdiniYaz(const TakvimIstisnasi& istisna)
{
    if (istisna.ad.isEmpty())
        return TakvimMetinleri::IstisnaTuruAdi(istisna.tur);
    return istisna.tur == IstisnaTuru::IdariIzin ? istisna.ad + IdariIzinEki() : istisna.ad;
}

TakvimIstisnasi IstisnaAdiniOku(const QDate& tarih, const QString& ad, bool calisilir)
{
    if (calisilir)
        return {tarih, IstisnaTuru::CalisilanGun,
                ad == TakvimMetinleri::IstisnaTuruAdi(IstisnaTuru::CalisilanGun) ? QString() : ad};
    for (const IstisnaTuru tur : {IstisnaTuru::Tatil, IstisnaTuru::IdariIzin})
        if (ad == TakvimMetinleri::IstisnaTuruAdi(tur))
            return {tarih, tur, QString()};
    if (ad.endsWith(IdariIzinEki()) && ad.size() > IdariIzinEki().size())
        return {tarih, IstisnaTuru::IdariIzin, ad.chopped(IdariIzinEki().size())};
    return {tarih, IstisnaTuru::Tatil, ad};
}
