#include "analysis/AgAnalizi.h"

#include "analysis/Ag.h"
#include "analysis/KritikYollar.h"
#include "analysis/Nedenler.h"

#include <limits>

namespace {

bool Sigar(qint64 deger)
{
    return deger >= std::numeric_limits<qint32>::min() && deger <= std::numeric_limits<qint32>::max();
}

// The first figure of the backward pass that leaves the 32-bit range, explained as the
// main window explains a finish that does; empty when all fit. Free float lies between
// 0 and the total float, so it fits when that does.
QString SinirDisi(const Ag& ag, const QVector<KayitliFaaliyet>& satirlar)
{
    for (int i = 0; i < ag.Boyut(); ++i) {
        const std::pair<qint64, const char*> degerler[] = {{ag.lf[i], "en geç bitiş günü"},
                                                           {ag.ls[i], "en geç başlama günü"},
                                                           {ag.ToplamBolluk(i), "toplam bolluğu"}};
        for (const auto& [deger, adi] : degerler) {
            if (!Sigar(deger))
                return SayiSiniriniAsiyor(satirlar.at(i).kodu, QString::fromUtf8(adi));
        }
    }
    return QString();
}

void YollariYaz(AgAnalizi& analiz, const Ag& ag, const QVector<KayitliFaaliyet>& satirlar, const KodDizini& dizin)
{
    KritikYollar yollar = KritikYollariBul(ag, satirlar, KritikYolSiniri);
    analiz.kritikYollar = std::move(yollar.yollar);
    analiz.kritikYolSayisi = yollar.sayi;
    analiz.kalanYollar = yollar.kalani;
    analiz.anaPenceredekiYolKritik = KritikYollardanBiri(ag, satirlar, dizin, analiz.anaPenceredekiYol);
    for (int i = 0; analiz.anaPenceredekiYolKritik && i < analiz.kritikYollar.size(); ++i) {
        if (analiz.kritikYollar.at(i).join(QLatin1Char(',')) == analiz.anaPenceredekiYol) {
            analiz.anaPenceredekiYolSirasi = i;
            break;
        }
    }
    analiz.yolNotu = YolNotu(analiz);
}

} // namespace

QString YolNotu(const AgAnalizi& analiz)
{
    QString not_ = analiz.kritikYolSayisi == QLatin1String("1")
                       ? QStringLiteral("Projenin tek kritik yolu var.")
                       : QStringLiteral("Projenin %1 kritik yolu var: eşit süren yollar birlikte kritik.")
                             .arg(analiz.kritikYolSayisi);
    // The main window computes nothing for a project of one activity.
    if (analiz.anaPenceredekiYol.isEmpty())
        return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" tek faaliyetli projede boş kalır.");
    if (analiz.anaPenceredekiYolKritik)
        return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" (%1) bunlardan biri.")
                          .arg(analiz.anaPenceredekiYol);
    return not_ + QStringLiteral(" Ana penceredeki \"Hesaplanan Kritik Yol\" (%1) bunlardan biri değil: en geç "
                                 "biten önceki faaliyetlerden geriye yürüyerek bulunur ve burada başlamayı "
                                 "belirlemeyen ya da kritik olmayan bir faaliyetten geçiyor.")
                      .arg(analiz.anaPenceredekiYol);
}

AgAnalizi AnaliziHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const KayitliProje& proje)
{
    return AnaliziHesapla(faaliyetler, proje, CizelgeyiHesapla(faaliyetler));
}

AgAnalizi AnaliziHesapla(const QVector<KayitliFaaliyet>& satirlar, const KayitliProje& proje, const Cizelge& cizelge)
{
    AgAnalizi analiz;
    if (satirlar.isEmpty()) {
        analiz.hesaplanamiyor = Hesaplanamiyor(QStringLiteral("Projede faaliyet yok."));
        return analiz;
    }
    // The main window gives one row no results, and so checks nothing in it.
    if (satirlar.size() == 1 && !cizelge.gunler.at(0).ef)
        analiz.hesaplanamiyor =
            Hesaplanamiyor(SureSayiDegil(satirlar.at(0).kodu, satirlar.at(0).sure.ham.toString()));
    else if (satirlar.size() > 1 && !cizelge.sonuc.projeBitisGunu)
        analiz.hesaplanamiyor = cizelge.sonuc.kritikYol;
    if (!analiz.hesaplanamiyor.isEmpty())
        return analiz;

    // The predecessors as the pass of these rows read them.
    const KodDizini& dizin = *cizelge.dizin;
    const Ag ag = AgiKur(satirlar, cizelge.gunler, dizin);
    const QString tasma = SinirDisi(ag, satirlar);
    if (!tasma.isEmpty()) {
        analiz.hesaplanamiyor = Hesaplanamiyor(tasma);
        return analiz;
    }

    analiz.projeBitisGunu = qint32(ag.bitis);
    analiz.oncekiBasi = ag.oncekiBasi;
    analiz.oncekiler = ag.oncekiler;
    analiz.faaliyetler.reserve(ag.Boyut());
    for (int i = 0; i < ag.Boyut(); ++i) {
        FaaliyetAnalizi f;
        f.kodu = satirlar.at(i).kodu;
        f.adi = satirlar.at(i).adi;
        f.es = qint32(ag.es[i]);
        f.ef = qint32(ag.ef[i]);
        f.ls = qint32(ag.ls[i]);
        f.lf = qint32(ag.lf[i]);
        f.toplamBolluk = qint32(ag.ToplamBolluk(i));
        f.serbestBolluk = qint32(ag.SerbestBolluk(i));
        f.kritik = ag.Kritik(i);
        f.baslama = Takvim(proje, ag.es[i]);
        f.bitis = BitisTarihi(proje.baslama.deger.value_or(QDate()), ag.es[i], ag.ef[i]);
        f.neden = NedenKritik(ag, satirlar, i);
        analiz.faaliyetler.append(f);
    }
    analiz.anaPenceredekiYol = cizelge.sonuc.kritikYol;
    YollariYaz(analiz, ag, satirlar, dizin);
    analiz.plan = PlaniKarsilastir(proje, ag.bitis);
    return analiz;
}

QStringList Oncekileri(const AgAnalizi& analiz, int i)
{
    QStringList kodlar;
    for (int k = analiz.oncekiBasi.value(i); k < analiz.oncekiBasi.value(i + 1); ++k)
        kodlar << analiz.faaliyetler.at(analiz.oncekiler.at(k)).kodu;
    return kodlar;
}
