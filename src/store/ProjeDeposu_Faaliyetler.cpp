// The activities: reading them, and adding, changing and deleting them.
#include "store/ProjeDeposu.h"

#include "store/ProjeDeposu_Ortak.h"

using namespace DepoOrtak;

namespace {

// A whole number in the 32-bit range, stored as such or as its plain decimal text.
Sakli<qint32> OkunanSure(const QVariant& ham)
{
    bool sayi = false;
    const qint32 sure = ham.toString().toInt(&sayi);
    return {ham, sayi ? std::optional<qint32>(sure) : std::nullopt};
}

KayitliFaaliyet OkunanFaaliyet(const QSqlQuery& sorgu)
{
    return {sorgu.value(0).toString(), sorgu.value(1).toString(), OkunanSure(sorgu.value(2)),
            sorgu.value(3).toString()};
}

QString FaaliyetlerDegismis(const QString& proje)
{
    return QStringLiteral("\"%1\" projesinin faaliyetleri siz görüntüledikten sonra başka bir yerde "
                          "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.").arg(proje);
}

// An activity row, found by its project and code, is written or deleted only as it was
// shown; otherwise this tells whether it is gone or was changed.
DepoHatasi FaaliyetGosterildigiGibi(const QSqlDatabase& vt, const QString& proje, const KayitliFaaliyet& f)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu,
            QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? AND Kodu = ?"), {proje, f.kodu}, bulundu))
        return hata;
    if (!bulundu)
        return Bulunamadi(QStringLiteral("\"%1\" projesinin %2 faaliyeti artık kayıtlı değil; başka bir yerde silinmiş.")
                              .arg(proje, f.kodu));
    QVector<KayitliFaaliyet> kayitli{OkunanFaaliyet(sorgu)};
    if (auto hata = BaglariDoldur(vt, proje, kayitli))
        return hata;
    if (kayitli.first() != f)
        return Bulunamadi(QStringLiteral("\"%1\" projesinin %2 faaliyeti siz görüntüledikten sonra başka bir yerde "
                                         "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.")
                              .arg(proje, f.kodu));
    return {};
}

// The project's codes, in the order added.
DepoHatasi KodlariSirayla(const QSqlDatabase& vt, const QString& proje, QStringList& kodlar)
{
    return MetinleriOku(vt, QStringLiteral("SELECT Kodu FROM FaaliyetlerTablosu WHERE Projesi = ? ORDER BY Kimlik"),
                        {proje}, kodlar);
}

// An activity write as one step of the history, once the caller's rule has passed on the
// codes as they are inside the same transaction. A rule refusing rolls the write back,
// step and all, and is no store error: the rule knows why.
template <typename Yaz>
DepoHatasi KuralliYazim(const QString& baglanti, const Adim& adim, const QString& proje,
                        const ProjeDeposu::KodKurali& kural, Yaz&& yaz)
{
    bool reddedildi = false;
    const DepoHatasi hata = KayitliYazim(baglanti, adim, [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (kural) {
            if (auto hata = ProjeOlmali(vt, proje))
                return hata.numara == DepoHatasi::Bulunamadi ? OkunacakProjeYok(proje) : hata;
            QStringList kodlar;
            if (auto hata = KodlariSirayla(vt, proje, kodlar))
                return hata;
            reddedildi = !kural(kodlar);
            if (reddedildi)
                return DepoHatasi::yeni(DepoHatasi::Kisit, QString()); // only to roll back; never returned
        }
        return yaz(vt);
    });
    return reddedildi ? DepoHatasi{} : hata;
}

} // namespace

DepoHatasi DepoOrtak::FaaliyetSatiriEkle(const QSqlDatabase& vt, const QString& proje, const Faaliyet& faaliyet)
{
    return Calistir(vt,
        QStringLiteral("INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"
                       " VALUES (?, ?, ?, ?, ?)"),
        {proje, Metin(faaliyet.kodu), Metin(faaliyet.adi), faaliyet.sure, Metin(faaliyet.oncekiler)});
}

DepoHatasi ProjeDeposu::FaaliyetleriOku(const QString& proje, QVector<KayitliFaaliyet>& faaliyetler) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        faaliyetler.clear();
        QSqlQuery sorgu(vt);
        sorgu.setForwardOnly(true);
        if (auto hata = Calistir(sorgu,
                QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                               " WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
            return hata;
        while (sorgu.next())
            faaliyetler.append(OkunanFaaliyet(sorgu));
        if (auto hata = SatirlarinSonu(sorgu))
            return hata;
        return BaglariDoldur(vt, proje, faaliyetler);
    });
}

DepoHatasi ProjeDeposu::KodlariOku(const QString& proje, QStringList& kodlar) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) { return KodlariSirayla(vt, proje, kodlar); });
}

DepoHatasi ProjeDeposu::EnBuyukKodu(const QString& proje, QString& koduBul) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sorgu(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(sorgu,
                QStringLiteral("SELECT MAX(Kodu) AS KoduBul FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje}, bulundu))
            return hata;
        // An aggregate always gives its one row; NULL when the project has no activity.
        koduBul = bulundu && !sorgu.value(0).isNull() ? sorgu.value(0).toString() : QString();
        return {};
    });
}

DepoHatasi ProjeDeposu::FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet, const KodKurali& kural) const
{
    return KuralliYazim(m_baglanti, {AdimTuru::FaaliyetEkle, proje, proje, Metin(faaliyet.kodu)}, proje, kural,
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeOlmali(vt, proje))
            return hata;
        if (auto hata = FaaliyetSatiriEkle(vt, proje, faaliyet))
            return hata;
        // Rows another program left under this code go, as the new activity's list says nothing of them.
        return BaglariYaz(vt, proje, faaliyet.kodu, faaliyet.baglar);
    });
}

DepoHatasi ProjeDeposu::FaaliyetDegistir(const QString& proje, const KayitliFaaliyet& eski, const Faaliyet& yeni,
                                         const KodKurali& kural) const
{
    return KuralliYazim(m_baglanti, {AdimTuru::FaaliyetDegistir, proje, proje, eski.kodu}, proje, kural,
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = FaaliyetGosterildigiGibi(vt, proje, eski))
            return hata;
        if (auto hata = Calistir(vt,
                QStringLiteral("UPDATE FaaliyetlerTablosu SET Adi = ?, OngorulenSure = ?, OncekiFaaliyet = ?"
                               " WHERE Projesi = ? AND Kodu = ?"),
                {Metin(yeni.adi), yeni.sure, Metin(yeni.oncekiler), proje, eski.kodu}))
            return hata;
        return BaglariYaz(vt, proje, eski.kodu, yeni.baglar);
    });
}

DepoHatasi ProjeDeposu::SureleriDegistir(const QString& proje, const QVector<KayitliFaaliyet>& eskiler,
                                         const QVector<qint32>& yeniler) const
{
    QStringList kodlar;
    for (const KayitliFaaliyet& f : eskiler)
        kodlar << f.kodu;
    return KayitliYazim(m_baglanti, {AdimTuru::SureleriDegistir, proje, proje, Metin(kodlar.join(QLatin1Char(',')))},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        for (qsizetype i = 0; i < eskiler.size() && i < yeniler.size(); ++i) {
            if (auto hata = FaaliyetGosterildigiGibi(vt, proje, eskiler.at(i)))
                return hata;
            if (auto hata = Calistir(vt, QStringLiteral("UPDATE FaaliyetlerTablosu SET OngorulenSure = ?"
                                                        " WHERE Projesi = ? AND Kodu = ?"),
                                     {yeniler.at(i), proje, eskiler.at(i).kodu}))
                return hata;
        }
        return {};
    });
}

DepoHatasi ProjeDeposu::SonFaaliyetiSil(const QString& proje, const KayitliFaaliyet& son) const
{
    return KayitliYazim(m_baglanti, {AdimTuru::SonFaaliyetiSil, proje, proje, son.kodu},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sonKod(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(sonKod, QStringLiteral("SELECT MAX(Kodu) FROM FaaliyetlerTablosu WHERE Projesi = ?"),
                                 {proje}, bulundu))
            return hata;
        // An activity added since the window showed the list would be deleted unseen.
        if (sonKod.value(0).toString() != son.kodu)
            return Bulunamadi(FaaliyetlerDegismis(proje));
        if (auto hata = FaaliyetGosterildigiGibi(vt, proje, son))
            return hata;
        if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                                 {proje, son.kodu}))
            return hata;
        // Its estimate, links and progress go with it: a later activity of the same code starts
        // without them. Baselines keep it as it was.
        for (const char* tablo : {"BaglarTablosu", "TahminlerTablosu", "IlerlemeTablosu"}) {
            if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM %1 WHERE Projesi = ? AND Kodu = ?")
                                             .arg(QLatin1String(tablo)), {proje, son.kodu}))
                return hata;
        }
        return {};
    });
}

DepoHatasi ProjeDeposu::TumFaaliyetleriSil(const QString& proje, const QVector<KayitliFaaliyet>& gosterilenler) const
{
    return KayitliYazim(m_baglanti, {AdimTuru::TumFaaliyetleriSil, proje, proje, QString()},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sayi(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(sayi, QStringLiteral("SELECT count(*) FROM FaaliyetlerTablosu WHERE Projesi = ?"),
                                 {proje}, bulundu))
            return hata;
        if (sayi.value(0).toLongLong() != gosterilenler.size())
            return Bulunamadi(FaaliyetlerDegismis(proje));
        for (const KayitliFaaliyet& f : gosterilenler) {
            if (auto hata = FaaliyetGosterildigiGibi(vt, proje, f))
                return hata.numara == DepoHatasi::Bulunamadi ? Bulunamadi(FaaliyetlerDegismis(proje)) : hata;
        }
        for (const char* tablo : {"FaaliyetlerTablosu", "BaglarTablosu", "TahminlerTablosu", "IlerlemeTablosu"}) {
            if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM %1 WHERE Projesi = ?").arg(QLatin1String(tablo)),
                                     {proje}))
                return hata;
        }
        return {};
    });
}
