#include "analysis/AgAnalizi.h"

#include "analysis/Ag.h"
#include "analysis/KritikYollar.h"
#include "analysis/Nedenler.h"
#include "rules/BolgeselMetin.h"

#include <limits>

namespace {

bool Sığar(qint64 değer)
{
    return değer >= std::numeric_limits<qint32>::min() && değer <= std::numeric_limits<qint32>::max();
}

// The first figure of the backward pass that leaves the 32-bit range, explained as the
// main window explains a finish that does; empty when all fit.
QString SınırDışı(const Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar)
{
    for (int i = 0; i < ağ.Boyut(); ++i) {
        const std::pair<qint64, const char*> değerler[] = {{ağ.lf[i], "en geç bitiş günü"},
                                                           {ağ.ls[i], "en geç başlama günü"},
                                                           {ağ.ToplamBolluk(i), "toplam bolluğu"},
                                                           {ağ.SerbestBolluk(i), "serbest bolluğu"}};
        for (const auto& [değer, adı] : değerler) {
            if (!Sığar(değer))
                return SayıSınırınıAşıyor(satırlar.at(i).kodu, QString::fromUtf8(adı));
        }
    }
    return QString();
}

QString YolNotu(const AğAnalizi& analiz)
{
    QString not_ = analiz.kritikYolSayısı == QLatin1String("1")
                       ? QStringLiteral("Projenin tek kritik yolu var.")
                       : QStringLiteral("Projenin %1 kritik yolu var: eşit süren yollar birlikte kritik.")
                             .arg(analiz.kritikYolSayısı);
    if (analiz.anaPenceredekiYolKritik)
        return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" (%1) bunlardan biri.")
                          .arg(analiz.anaPenceredekiYol);
    return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" (%1) bunlardan biri değil: en geç "
                                 "biten önceki faaliyetlerden geriye yürüyerek bulunur ve burada başlamayı "
                                 "belirlemeyen ya da kritik olmayan bir faaliyetten geçiyor.")
                      .arg(analiz.anaPenceredekiYol);
}

void YollarıYaz(AğAnalizi& analiz, const Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin)
{
    KritikYollar yollar = KritikYollarıBul(ağ, satırlar, KritikYolSınırı);
    analiz.kritikYollar = std::move(yollar.yollar);
    analiz.kritikYolSayısı = yollar.sayı;
    analiz.kalanYollar = yollar.kalanı;
    analiz.anaPenceredekiYolKritik = KritikYollardanBiri(ağ, satırlar, dizin, analiz.anaPenceredekiYol);
    for (int i = 0; analiz.anaPenceredekiYolKritik && i < analiz.kritikYollar.size(); ++i) {
        if (analiz.kritikYollar.at(i).join(QLatin1Char(',')) == analiz.anaPenceredekiYol) {
            analiz.anaPenceredekiYolSırası = i;
            break;
        }
    }
    analiz.yolNotu = YolNotu(analiz);
}

} // namespace

AğAnalizi AnaliziHesapla(const QVector<KayıtlıFaaliyet>& faaliyetler, const KayıtlıProje& proje)
{
    AğAnalizi analiz;
    if (faaliyetler.isEmpty()) {
        analiz.hesaplanamıyor = Hesaplanamıyor(QStringLiteral("Projede faaliyet yok."));
        return analiz;
    }
    // The rows exactly as the main window builds them, so that its pass reads the same text.
    QVector<ÇizelgeSatırı> satırlar;
    satırlar.reserve(faaliyetler.size());
    for (const KayıtlıFaaliyet& f : faaliyetler)
        satırlar.append({f.kodu, f.adı, BölgeselMetin::SüreMetni(f.süre), f.öncekiler, QString(), QString()});
    const ÇizelgeSonucu çizelge = ÇizelgeyiHesapla(satırlar);
    // The main window gives one row no results, and so checks nothing in it.
    if (satırlar.size() == 1 && !BölgeselMetin::TamSayıOku(satırlar.at(0).ef))
        analiz.hesaplanamıyor = Hesaplanamıyor(SüreSayıDeğil(satırlar.at(0).kodu, satırlar.at(0).süre));
    else if (satırlar.size() > 1 && !çizelge.projeBitişGünü)
        analiz.hesaplanamıyor = çizelge.kritikYol;
    if (!analiz.hesaplanamıyor.isEmpty())
        return analiz;

    const KodDizini dizin(satırlar);
    const Ağ ağ = AğıKur(satırlar, dizin);
    const QString taşma = SınırDışı(ağ, satırlar);
    if (!taşma.isEmpty()) {
        analiz.hesaplanamıyor = Hesaplanamıyor(taşma);
        return analiz;
    }

    analiz.projeBitişGünü = qint32(ağ.bitiş);
    analiz.öncekiBaşı = ağ.öncekiBaşı;
    analiz.öncekiler = ağ.öncekiler;
    analiz.faaliyetler.reserve(ağ.Boyut());
    for (int i = 0; i < ağ.Boyut(); ++i) {
        FaaliyetAnalizi f;
        f.kodu = satırlar.at(i).kodu;
        f.adı = satırlar.at(i).adı;
        f.es = qint32(ağ.es[i]);
        f.ef = qint32(ağ.ef[i]);
        f.ls = qint32(ağ.ls[i]);
        f.lf = qint32(ağ.lf[i]);
        f.toplamBolluk = qint32(ağ.ToplamBolluk(i));
        f.serbestBolluk = qint32(ağ.SerbestBolluk(i));
        f.kritik = ağ.Kritik(i);
        f.başlama = Takvim(proje, ağ.es[i]);
        f.bitiş = Takvim(proje, ağ.ef[i]);
        f.neden = NedenKritik(ağ, satırlar, i);
        analiz.faaliyetler.append(f);
    }
    analiz.anaPenceredekiYol = satırlar.size() > 1 ? çizelge.kritikYol : KritikYol(satırlar, dizin, analiz.projeBitişGünü);
    YollarıYaz(analiz, ağ, satırlar, dizin);
    analiz.plan = PlanıKarşılaştır(proje, ağ.bitiş);
    return analiz;
}
