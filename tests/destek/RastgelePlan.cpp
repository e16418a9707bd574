#include "destek/RastgelePlan.h"

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
    for (const Faaliyet& f : faaliyetler)
        satirlar << QStringLiteral("%1:%2:%3:%4").arg(f.kodu, f.adi).arg(f.sure).arg(f.oncekiler);
    return satirlar.join(QLatin1Char('\n'));
}

QString Ozeti(const Rapor& rapor)
{
    QVector<Faaliyet> faaliyetler;
    for (int i = 0; i < rapor.analiz.faaliyetler.size(); ++i) {
        const FaaliyetAnalizi& f = rapor.analiz.faaliyetler.at(i);
        faaliyetler.append({f.kodu, f.adi, f.ef - f.es, Oncekileri(rapor.analiz, i).join(QLatin1Char(','))});
    }
    return Ozeti(faaliyetler);
}
