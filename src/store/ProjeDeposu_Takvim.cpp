// A project's calendar: its week and arife setting in one row (none for every day working),
// and its exceptions as rows of their own, one a day.
#include "store/ProjeDeposu.h"

#include "store/ProjeDeposu_Ortak.h"

using namespace DepoOrtak;

namespace {

// As the tables keep them, so that the file reads the same whatever the enums' numbers.
constexpr std::pair<TakvimTuru, const char*> TakvimTurleri[] = {
    {TakvimTuru::HerGun, "hergun"},
    {TakvimTuru::PazartesiCuma, "pazartesi-cuma"},
    {TakvimTuru::PazartesiCumartesi, "pazartesi-cumartesi"},
};
constexpr std::pair<IstisnaTuru, const char*> IstisnaTurleri[] = {
    {IstisnaTuru::Tatil, "tatil"},
    {IstisnaTuru::IdariIzin, "idari-izin"},
    {IstisnaTuru::CalisilanGun, "calisilan-gun"},
};

DepoHatasi Okunamadi(const QString& proje, const QString& deger)
{
    return DepoHatasi::yeni(DepoHatasi::Uyumsuz,
        QStringLiteral("\"%1\" projesinin takviminde okunamayan bir değer var (\"%2\"); takvim gösterilemez.")
            .arg(proje, deger));
}

// Stored only when it says more than "every day works": a project that never chose a
// calendar keeps the file as it was.
bool SatiriVar(const ProjeTakvimi& takvim)
{
    return takvim.tur != TakvimTuru::HerGun || takvim.arifelerTatil;
}

DepoHatasi HaftayiOku(const QSqlDatabase& vt, const QString& proje, ProjeTakvimi& takvim)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT Turu, ArifelerTatil FROM TakvimTablosu WHERE Projesi = ?"),
                             {proje}, bulundu); hata || !bulundu)
        return hata;
    const QString arife = sorgu.value(1).toString();
    if (!MetindekiTur(TakvimTurleri, sorgu.value(0).toString(), takvim.tur))
        return Okunamadi(proje, sorgu.value(0).toString());
    if (arife != QLatin1String("0") && arife != QLatin1String("1"))
        return Okunamadi(proje, arife);
    takvim.arifelerTatil = arife == QLatin1String("1");
    return {};
}

DepoHatasi IstisnalariOku(const QSqlDatabase& vt, const QString& proje, ProjeTakvimi& takvim)
{
    QSqlQuery sorgu(vt);
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu, QStringLiteral("SELECT Tarih, Turu, Adi FROM TakvimIstisnalariTablosu"
                                                   " WHERE Projesi = ? ORDER BY Tarih"), {proje}))
        return hata;
    while (sorgu.next()) {
        TakvimIstisnasi istisna;
        const QString tarih = sorgu.value(0).toString();
        istisna.tarih = QDate::fromString(tarih, Qt::ISODate);
        if (!istisna.tarih.isValid())
            return Okunamadi(proje, tarih);
        if (!MetindekiTur(IstisnaTurleri, sorgu.value(1).toString(), istisna.tur))
            return Okunamadi(proje, sorgu.value(1).toString());
        istisna.ad = sorgu.value(2).toString();
        takvim.istisnalar.append(istisna);
    }
    return SatirlarinSonu(sorgu);
}

DepoHatasi IstisnaEkle(const QSqlDatabase& vt, const QString& proje, const TakvimIstisnasi& istisna)
{
    return Calistir(vt, QStringLiteral("INSERT INTO TakvimIstisnalariTablosu (Projesi, Tarih, Turu, Adi)"
                                       " VALUES (?, ?, ?, ?)"),
                    {Metin(proje), istisna.tarih.toString(Qt::ISODate), TurMetni(IstisnaTurleri, istisna.tur),
                     Metin(istisna.ad)});
}

// Only the exceptions that differ are written, so that a change of one day is one row
// in the history and in a server's announcements. Both lists are by date.
DepoHatasi IstisnalariYaz(const QSqlDatabase& vt, const QString& proje, const QVector<TakvimIstisnasi>& eski,
                          const QVector<TakvimIstisnasi>& yeni)
{
    auto e = eski.cbegin();
    auto y = yeni.cbegin();
    while (e != eski.cend() || y != yeni.cend()) {
        const bool silinen = y == yeni.cend() || (e != eski.cend() && e->tarih < y->tarih);
        const bool eklenen = !silinen && (e == eski.cend() || y->tarih < e->tarih);
        DepoHatasi hata;
        if (silinen)
            hata = Calistir(vt, QStringLiteral("DELETE FROM TakvimIstisnalariTablosu WHERE Projesi = ? AND Tarih = ?"),
                            {proje, e->tarih.toString(Qt::ISODate)});
        else if (eklenen)
            hata = IstisnaEkle(vt, proje, *y);
        else if (*e != *y)
            hata = Calistir(vt, QStringLiteral("UPDATE TakvimIstisnalariTablosu SET Turu = ?, Adi = ?"
                                               " WHERE Projesi = ? AND Tarih = ?"),
                            {TurMetni(IstisnaTurleri, y->tur), Metin(y->ad), proje, y->tarih.toString(Qt::ISODate)});
        if (hata)
            return hata;
        if (!eklenen)
            ++e;
        if (!silinen)
            ++y;
    }
    return {};
}

} // namespace

DepoHatasi DepoOrtak::TakvimOku(const QSqlDatabase& vt, const QString& proje, ProjeTakvimi& takvim)
{
    takvim = ProjeTakvimi();
    // Each table on its own: another program may have made one without the other.
    bool var = false;
    if (auto hata = TabloVar(vt, "TakvimTablosu", var))
        return hata;
    if (var) {
        if (auto hata = HaftayiOku(vt, proje, takvim))
            return hata;
    }
    if (auto hata = TabloVar(vt, "TakvimIstisnalariTablosu", var); hata || !var)
        return hata;
    return IstisnalariOku(vt, proje, takvim);
}

DepoHatasi DepoOrtak::TakvimYaz(const QSqlDatabase& vt, const QString& proje, const ProjeTakvimi& eski,
                                const ProjeTakvimi& yeni)
{
    DepoHatasi hata;
    const QString tur = TurMetni(TakvimTurleri, yeni.tur);
    const int arife = yeni.arifelerTatil ? 1 : 0;
    if (SatiriVar(eski) && !SatiriVar(yeni))
        hata = Calistir(vt, QStringLiteral("DELETE FROM TakvimTablosu WHERE Projesi = ?"), {proje});
    else if (!SatiriVar(eski) && SatiriVar(yeni))
        hata = Calistir(vt, QStringLiteral("INSERT INTO TakvimTablosu (Projesi, Turu, ArifelerTatil) VALUES (?, ?, ?)"),
                        {Metin(proje), tur, arife});
    else if (SatiriVar(yeni) && (eski.tur != yeni.tur || eski.arifelerTatil != yeni.arifelerTatil))
        hata = Calistir(vt, QStringLiteral("UPDATE TakvimTablosu SET Turu = ?, ArifelerTatil = ? WHERE Projesi = ?"),
                        {tur, arife, proje});
    if (hata)
        return hata;
    return IstisnalariYaz(vt, proje, eski.istisnalar, yeni.istisnalar);
}

DepoHatasi ProjeDeposu::TakvimDegistir(const QString& proje, const ProjeTakvimi& eski, const ProjeTakvimi& yeni) const
{
    return KayitliYazim(m_baglanti, {AdimTuru::TakvimDegistir, proje, proje, QString()},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeOlmali(vt, proje))
            return hata;
        ProjeTakvimi saklanan;
        if (auto hata = TakvimOku(vt, proje, saklanan))
            return hata;
        if (saklanan != eski)
            return Bulunamadi(QStringLiteral("\"%1\" projesinin takvimi siz görüntüledikten sonra başka bir yerde "
                                             "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.")
                                  .arg(proje));
        return TakvimYaz(vt, proje, saklanan, yeni);
    });
}
