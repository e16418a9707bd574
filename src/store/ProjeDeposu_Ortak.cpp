#include "store/ProjeDeposu_Ortak.h"

#include "store/ArizaNoktasi.h"
#include "store/SqlHatasi.h"
#include "store/YazmaIzni.h"

namespace DepoOrtak {

QSqlDatabase Baglanti(const QString& ad)
{
    return QSqlDatabase::database(ad, false);
}

DepoHatasi Calistir(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler)
{
    if (auto planlanan = ArizaNoktasi::Siradaki())
        return planlanan;
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
    hata = YazmaIzniniDenetle(m_vt);
    if (!hata)
        hata = Calistir(m_vt, QStringLiteral("BEGIN IMMEDIATE"));
    m_acik = !hata;
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
