#include "export/IlerlemeSutunlari.h"

const QStringList& IlerlemeBasliklari()
{
    static const QStringList basliklar{
        QStringLiteral("Gerçek Başlama"), QStringLiteral("Gerçek Bitiş"), QStringLiteral("Tamamlanma %"),
        QStringLiteral("Kalan Gün"), QStringLiteral("Tahmini Başlama"), QStringLiteral("Tahmini Bitiş"),
        QStringLiteral("Taban Başlama"), QStringLiteral("Taban Bitiş"), QStringLiteral("Başlama Sapması"),
        QStringLiteral("Bitiş Sapması")};
    return basliklar;
}

QStringList IlerlemeHucreleri(const Rapor& rapor, const IlerlemeAnalizi& ilerleme, int i,
                              const std::function<QString(const QDate&)>& tarih,
                              const std::function<QString(qint64)>& sayi)
{
    const FaaliyetTahmini& t = ilerleme.faaliyetler.at(i);
    const auto& girilen = rapor.proje.ilerleme.faaliyetler;
    const auto g = girilen.constFind(rapor.analiz.faaliyetler.at(i).kodu);
    const bool var = g != girilen.cend();
    return {tarih(var ? g->gercekBaslama : QDate()), tarih(var ? g->gercekBitis : QDate()), sayi(t.yuzde), sayi(t.kalan),
            tarih(t.baslama), tarih(t.bitis), tarih(t.tabanBaslama), tarih(t.tabanBitis),
            t.tabandaVar ? sayi(t.baslamaSapmasi) : QString(), t.tabandaVar ? sayi(t.bitisSapmasi) : QString()};
}

IlerlemeAnalizi RaporIlerlemesi(const Rapor& rapor)
{
    if (!rapor.proje.ilerleme.durumTarihi.isValid())
        return {};
    return IlerlemeyiHesapla(rapor.analiz, rapor.proje.ilerleme, KarsilastirilanTaban(rapor.proje.tabanlar));
}
