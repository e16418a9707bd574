#include "export/CsvYazimi.h"

#include "analysis/AnalizMetinleri.h"

namespace {

QString Alan(const QString& metin, QChar ayraç)
{
    if (!metin.contains(ayraç) && !metin.contains(QLatin1Char('"')) && !metin.contains(QLatin1Char('\n'))
        && !metin.contains(QLatin1Char('\r')))
        return metin;
    QString tırnaklı = metin;
    tırnaklı.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + tırnaklı + QLatin1Char('"');
}

QString IsoTarih(const QDate& tarih)
{
    return tarih.isValid() ? tarih.toString(Qt::ISODate) : QString();
}

} // namespace

QByteArray CsvYaz(const Rapor& rapor, const QLocale& yerel)
{
    const QChar ayraç = yerel.decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
    const QLatin1String satırSonu("\r\n");
    const AğAnalizi& analiz = rapor.analiz;
    QString metin;
    if (!analiz.hesaplanamıyor.isEmpty()) {
        metin = Alan(analiz.hesaplanamıyor, ayraç) + satırSonu;
    } else {
        const QStringList& başlıklar = AnalizMetinleri::Başlıklar();
        const int başlangıç = int(başlıklar.size()) - 2, bitiş = başlangıç + 1;
        QStringList alanlar;
        for (const QString& başlık : başlıklar)
            alanlar << Alan(başlık, ayraç);
        metin += alanlar.join(ayraç) + satırSonu;
        for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
            alanlar.clear();
            for (int sütun = 0; sütun < başlangıç; ++sütun)
                alanlar << Alan(AnalizMetinleri::Hücre(f, sütun), ayraç);
            alanlar << IsoTarih(f.başlama) << IsoTarih(f.bitiş);
            Q_ASSERT(alanlar.size() == bitiş + 1);
            metin += alanlar.join(ayraç) + satırSonu;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
}
