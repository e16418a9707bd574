#include "store/ProjeDeposu_Ortak.h"

#include "store/ArizaNoktasi.h"
#include "store/Lehce.h"
#include "store/SqlHatasi.h"
#include "store/YazmaIzni.h"

#include <QSqlDriver>

namespace DepoOrtak {

QSqlDatabase Baglanti(const QString& ad)
{
    return QSqlDatabase::database(ad, false);
}

DepoHatasi Calistir(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler)
{
    if (auto planlanan = ArizaNoktasi::Siradaki())
        return planlanan;
    // A server prepares only reads and row writes; a statement with nothing to bind
    // (BEGIN, SET) goes as it is.
    if (degerler.size() == 0) {
        if (!sorgu.exec(sql))
            return SqlHatasi(sorgu.lastError());
        return {};
    }
    // A server's texts cannot hold NUL, and its driver would cut the text there unseen.
    if (sorgu.driver() && sorgu.driver()->dbmsType() == QSqlDriver::PostgreSQL) {
        for (const QVariant& deger : degerler) {
            if (deger.typeId() == QMetaType::QString && deger.toString().contains(QChar(0)))
                return DepoHatasi::yeni(DepoHatasi::Uyumsuz, QStringLiteral("Metinde sunucunun saklayamadığı bir NUL "
                                                                            "karakteri var; hiçbir şey kaydedilmedi."));
        }
    }
    if (!sorgu.prepare(sql))
        return SqlHatasi(sorgu.lastError());
    for (const QVariant& deger : degerler)
        sorgu.addBindValue(deger);
    if (!sorgu.exec())
        return SqlHatasi(sorgu.lastError());
    return {};
}

QString Metin(const QString& metin)
{
    return metin.isNull() ? QStringLiteral("") : metin;
}

DepoHatasi Calistir(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> degerler)
{
    QSqlQuery sorgu(vt);
    return Calistir(sorgu, sql, degerler);
}

DepoHatasi TabloVar(const QSqlDatabase& vt, const char* ad, bool& var)
{
    var = Lehce::Sunucuda(vt);
    if (var)
        return {};
    QSqlQuery tablo(vt);
    return SatirBul(tablo, QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = ?"), {QString::fromLatin1(ad)}, var);
}

DepoHatasi SatirlarinSonu(const QSqlQuery& sorgu)
{
    return sorgu.lastError().isValid() ? SqlHatasi(sorgu.lastError()) : DepoHatasi{};
}

DepoHatasi MetinleriOku(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> degerler,
                        QStringList& metinler)
{
    metinler.clear();
    QSqlQuery sorgu(vt);
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu, sql, degerler))
        return hata;
    while (sorgu.next())
        metinler << sorgu.value(0).toString();
    return SatirlarinSonu(sorgu);
}

DepoHatasi SatirBul(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler, bool& bulundu)
{
    if (auto hata = Calistir(sorgu, sql, degerler))
        return hata;
    bulundu = sorgu.next();
    return bulundu ? DepoHatasi{} : SatirlarinSonu(sorgu);
}

DepoHatasi Bulunamadi(const QString& aciklama)
{
    return DepoHatasi::yeni(DepoHatasi::Bulunamadi, aciklama);
}

Yazim::Yazim(const QSqlDatabase& vt) : m_vt(vt)
{
    if (!Lehce::Sunucuda(m_vt)) {
        hata = YazmaIzniniDenetle(m_vt);
        if (!hata)
            hata = Calistir(m_vt, QStringLiteral("BEGIN IMMEDIATE"));
        m_acik = !hata;
        return;
    }
    // On a server the planners' writes take turns, as writers of a file do: each reads
    // what the one before it committed, so a row is compared with what is really stored
    // and two planners never take the same code. A turn not given within the wait is
    // refused as a busy file is.
    hata = Calistir(m_vt, QStringLiteral("BEGIN"));
    m_acik = !hata;
    if (!hata)
        hata = Calistir(m_vt, QStringLiteral("SET LOCAL lock_timeout = %1").arg(MesgulBeklemeMs));
    if (!hata)
        hata = Calistir(m_vt, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(YazimKilidi));
}

Yazim::~Yazim()
{
    if (m_acik)
        QSqlQuery(m_vt).exec(QStringLiteral("ROLLBACK"));
}

DepoHatasi Yazim::Bitir()
{
    if (auto hata = Calistir(m_vt, QStringLiteral("COMMIT")))
        return hata;
    m_acik = false;
    return {};
}

} // namespace DepoOrtak
