#include "export/CsvYazimi.h"

#include "analysis/AnalizMetinleri.h"

namespace {

QString Alan(const QString& metin, QChar ayrac)
{
    if (!metin.contains(ayrac) && !metin.contains(QLatin1Char('"')) && !metin.contains(QLatin1Char('\n'))
        && !metin.contains(QLatin1Char('\r')))
        return metin;
    QString tirnakli = metin;
    tirnakli.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + tirnakli + QLatin1Char('"');
}

QString IsoTarih(const QDate& tarih)
{
    return tarih.isValid() ? tarih.toString(Qt::ISODate) : QString();
}

} // namespace

QByteArray CsvYaz(const Rapor& rapor, const QLocale& yerel)
{
    const QChar ayrac = yerel.decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
    const QLatin1String satirSonu("\r\n");
    const AgAnalizi& analiz = rapor.analiz;
    QString metin;
    if (!analiz.hesaplanamiyor.isEmpty()) {
        metin = Alan(analiz.hesaplanamiyor, ayrac) + satirSonu;
    } else {
        const QStringList& basliklar = AnalizMetinleri::Basliklar();
        const int baslangic = int(basliklar.size()) - 2, bitis = baslangic + 1;
        QStringList alanlar;
        for (const QString& baslik : basliklar)
            alanlar << Alan(baslik, ayrac);
        metin += alanlar.join(ayrac) + satirSonu;
        for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
            alanlar.clear();
            for (int sutun = 0; sutun < baslangic; ++sutun)
                alanlar << Alan(AnalizMetinleri::Hucre(f, sutun), ayrac);
            alanlar << IsoTarih(f.baslama) << IsoTarih(f.bitis);
            Q_ASSERT(alanlar.size() == bitis + 1);
            metin += alanlar.join(ayrac) + satirSonu;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
}
