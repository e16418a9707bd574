#include "analysis/AnalizMetinleri.h"

#include "rules/BolgeselMetin.h"

namespace {

QString Tarih(const QDate& tarih)
{
    return tarih.isValid() ? BölgeselMetin::TarihYaz(tarih) : QString();
}

QString Gün(qint64 gün)
{
    return QStringLiteral("%1 gün").arg(gün);
}

} // namespace

namespace AnalizMetinleri {

const QStringList& Başlıklar()
{
    static const QStringList başlıklar{
        QStringLiteral("Kodu"), QStringLiteral("Faaliyet Adı"), QStringLiteral("Süre"),
        QStringLiteral("ES"), QStringLiteral("EF"), QStringLiteral("LS"), QStringLiteral("LF"),
        QStringLiteral("Toplam Bolluk"), QStringLiteral("Serbest Bolluk"), QStringLiteral("Kritik"),
        QStringLiteral("Başlangıç"), QStringLiteral("Bitiş")};
    return başlıklar;
}

QString Hücre(const FaaliyetAnalizi& f, int sütun)
{
    switch (sütun) {
    case 0: return f.kodu;
    case 1: return f.adı;
    case 2: return QString::number(qint64(f.ef) - f.es);
    case 3: return QString::number(f.es);
    case 4: return QString::number(f.ef);
    case 5: return QString::number(f.ls);
    case 6: return QString::number(f.lf);
    case 7: return QString::number(f.toplamBolluk);
    case 8: return QString::number(f.serbestBolluk);
    case 9: return f.kritik ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    case 10: return Tarih(f.başlama);
    case 11: return Tarih(f.bitiş);
    default: return QString();
    }
}

QString İpucu(const FaaliyetAnalizi& f)
{
    QStringList satırlar{
        QStringLiteral("%1 – %2").arg(f.kodu, f.adı),
        QStringLiteral("Süre: %1").arg(Gün(qint64(f.ef) - f.es)),
        QStringLiteral("En erken başlama (ES): %1, en erken bitirme (EF): %2").arg(f.es).arg(f.ef),
        QStringLiteral("En geç başlama (LS): %1, en geç bitirme (LF): %2").arg(f.ls).arg(f.lf),
        QStringLiteral("Toplam bolluk: %1, serbest bolluk: %2").arg(Gün(f.toplamBolluk), Gün(f.serbestBolluk)),
    };
    if (f.başlama.isValid())
        satırlar << QStringLiteral("Başlangıç: %1, bitiş: %2").arg(Tarih(f.başlama), Tarih(f.bitiş));
    satırlar << (f.kritik ? QStringLiteral("Kritik yol üzerinde") : QStringLiteral("Kritik değil"));
    return satırlar.join(QLatin1Char('\n'));
}

QString KritikYollar(const AğAnalizi& analiz)
{
    QStringList satırlar;
    satırlar << (analiz.kritikYollar.size() == 1 ? QStringLiteral("Kritik yol:")
                                                  : QStringLiteral("Kritik yollar (%1):").arg(analiz.kritikYolSayısı));
    for (int i = 0; i < analiz.kritikYollar.size(); ++i) {
        QString yol = QStringLiteral("%1. %2").arg(i + 1).arg(analiz.kritikYollar.at(i).join(QStringLiteral(" → ")));
        if (i == analiz.anaPenceredekiYolSırası)
            yol += QStringLiteral("   (ana penceredeki kritik yol)");
        satırlar << yol;
    }
    if (!analiz.kalanYollar.isEmpty())
        satırlar << analiz.kalanYollar;
    satırlar << analiz.yolNotu;
    return satırlar.join(QLatin1Char('\n'));
}

QString Plan(const AğAnalizi& analiz)
{
    const PlanKarşılaştırması& plan = analiz.plan;
    QString metin = QStringLiteral("Proje süresi (F): %1").arg(Gün(analiz.projeBitişGünü));
    if (plan.enErkenBitiş.isValid())
        metin += QStringLiteral(", en erken bitiş %1").arg(Tarih(plan.enErkenBitiş));
    if (plan.tahminiGünSayısı)
        metin += QStringLiteral("; tahmini gün sayısı %1").arg(*plan.tahminiGünSayısı);
    return metin + QStringLiteral(": ") + plan.metin;
}

} // namespace AnalizMetinleri
