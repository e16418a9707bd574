#include "destek/RastgelePlan.h"

#include "destek/PlanYazisi.h"
#include "text/BagMetinleri.h"

Rapor RastgelePlan(std::mt19937& uretec)
{
    static const QStringList adlar{"\"tırnak\" ve \"\"çift\"\"", "a;b,c\td", "satır\r\nsonu", "yalnız\rCR", "=1+2",
                                   "+90 212", "-eksi", "@SUM(A1)", "'=kesmeli", "''+iki", "\tsekmeli", "İĞÜŞÖÇ ığüşöç",
                                   " boşluklu ", "düz", QString()};
    QVector<KayitliFaaliyet> faaliyetler;
    QHash<QString, UcNoktaTahmini> tahminler;
    const int sayi = 1 + int(uretec() % 62);
    for (int i = 0; i < sayi; ++i) {
        QStringList oncekiler;
        for (int k = i > 0 ? 1 + int(uretec() % 3) : 0; k > 0; --k) {
            const QString kod(QChar(char16_t(u'A' + uretec() % i)));
            if (!oncekiler.contains(kod))
                oncekiler << kod;
        }
        const qint32 sure = qint32(uretec() % 31);
        faaliyetler.append({QString(QChar(u'A' + i)), adlar.at(int(uretec() % adlar.size())), {sure, sure},
                            oncekiler.join(QLatin1Char(','))});
        if (uretec() % 3 == 0) // an estimate on about a third of them
            tahminler.insert(faaliyetler.last().kodu, {sure - qint32(uretec() % (sure + 1)), sure, sure + qint32(uretec() % 10)});
    }
    const QDate baslama = QDate(2020, 1, 1).addDays(uretec() % 3650);
    const KayitliProje proje{QStringLiteral("PLAN %1").arg(sayi), {baslama, baslama}, {baslama, baslama.addDays(90)}};
    return {proje, AnaliziHesapla(faaliyetler, proje), tahminler};
}

QString Ozeti(const QVector<Faaliyet>& faaliyetler)
{
    QStringList satirlar;
    for (const Faaliyet& f : faaliyetler) {
        QString satir = QStringLiteral("%1:%2:%3:%4").arg(f.kodu, f.adi).arg(f.sure).arg(f.oncekiler);
        for (const BagAyrintisi& b : f.baglar)
            satir += QStringLiteral(" %1%2%3").arg(b.onceki, BagMetinleri::KisaAd(b.tur)).arg(b.gecikme);
        satirlar << satir;
    }
    return satirlar.join(QLatin1Char('\n'));
}

QString Ozeti(const Rapor& rapor)
{
    QVector<Faaliyet> faaliyetler;
    for (int i = 0; i < rapor.analiz.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = rapor.analiz.faaliyetler.at(i);
        const PlanAgi& ag = rapor.analiz.ag;
        QVector<BagAyrintisi> baglar;
        for (int k = ag.girenBasi.at(i); k < ag.girenBasi.at(i + 1); ++k)
            if (ag.tur.at(k) != BagTuru::BitisBaslama || ag.gecikme.at(k) != 0)
                baglar.append({rapor.analiz.faaliyetler.at(ag.onceki.at(k)).kodu, ag.tur.at(k), qint32(ag.gecikme.at(k))});
        faaliyetler.append({f.kodu, f.adi, f.ef - f.es, Oncekileri(rapor.analiz, i).join(QLatin1Char(',')), baglar});
    }
    return Ozeti(faaliyetler);
}

Rapor BagliPlan(QVector<Faaliyet>& faaliyetler)
{
    QVector<KayitliFaaliyet> fs = Faaliyetler("A:3: B:5:A C:2:A,B D:4:A,B,C E:1:B,C,D F:2:C,D,E");
    const BagTuru turler[] = {BagTuru::BitisBaslama, BagTuru::BaslamaBaslama, BagTuru::BitisBitis, BagTuru::BaslamaBitis};
    int n = 0;
    for (KayitliFaaliyet& f : fs) {
        for (const QString& kod : f.oncekiler.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const BagAyrintisi bag{kod, turler[n % 4], 2 - 2 * (n / 4)};
            if (!bag.Duz())
                f.baglar.append(bag);
            ++n;
        }
        faaliyetler.append({f.kodu, f.adi, *f.sure.deger, f.oncekiler, f.baglar});
    }
    const KayitliProje proje{QStringLiteral("P"), {{}, QDate(2026, 5, 4)}, {{}, QDate(2026, 6, 30)}};
    Rapor rapor{proje, AnaliziHesapla(fs, proje), {}};
    PlanAgi& ag = rapor.analiz.ag; // each link as the analysis holds it, whether or not it computes by them yet
    for (int i = 0; i < fs.size(); ++i)
        for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k)
            for (const BagAyrintisi& b : std::as_const(fs[i].baglar))
                if (b.onceki == fs[ag.onceki[k]].kodu)
                    ag.tur[k] = b.tur, ag.gecikme[k] = b.gecikme;
    return rapor;
}
