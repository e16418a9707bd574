#include "export/CsvYazimi.h"

#include "export/IlerlemeSutunlari.h"
#include "text/AnalizMetinleri.h"
#include "text/BagMetinleri.h"

namespace {

// The table has no such columns; the CSV adds them at its end, so that a plan and its
// estimates go out and come back.
const QString OncekilerBasligi = QStringLiteral("Öncekiler");
const QString TahminBasliklari[] = {QStringLiteral("İyimser"), QStringLiteral("En Olası"), QStringLiteral("Kötümser")};
// Under a working-day calendar the dates count its days: a last column names it on every row.
const QString TakvimBasligi = QStringLiteral("Takvim");

// A text a spreadsheet would take for a formula (=, +, -, @) or that one would start after
// a tab or carriage return gets a leading apostrophe, as OWASP advises against CSV injection.
// So does such a text behind apostrophes of its own ("'=x"): taking one apostrophe off a
// cell that starts with apostrophes and such a character then gives every text back.
QString Notr(const QString& metin)
{
    qsizetype i = 0;
    while (i < metin.size() && metin.at(i) == QLatin1Char('\''))
        ++i;
    if (i == metin.size())
        return metin;
    switch (metin.at(i).unicode()) {
    case '=': case '+': case '-': case '@': case '\t': case '\r':
        return QLatin1Char('\'') + metin;
    default:
        return metin;
    }
}

// The predecessors' codes, "A,C", each link that is not plain finish-to-start followed by
// its type and lag in plain digits, "A,C BaBa+2", so that a spreadsheet's locale never changes it.
QString OncekiListesi(const AgAnalizi& analiz, int i)
{
    const QStringList kodlar = Oncekileri(analiz, i);
    QStringList parcalar;
    for (int j = 0; j < kodlar.size(); ++j) {
        const int k = analiz.ag.girenBasi.at(i) + j;
        const BagTuru tur = analiz.ag.tur.at(k);
        const qint64 gecikme = analiz.ag.gecikme.at(k);
        QString parca = kodlar.at(j);
        if (tur != BagTuru::BitisBaslama || gecikme != 0)
            parca += QLatin1Char(' ') + BagMetinleri::KisaAd(tur);
        if (gecikme != 0)
            parca += (gecikme > 0 ? QLatin1Char('+') : QLatin1Char('-')) + QString::number(qAbs(gecikme));
        parcalar << parca;
    }
    return parcalar.join(QLatin1Char(','));
}

} // namespace

QChar CsvAyraci(const QLocale& yerel)
{
    return yerel.decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QString CsvAlani(const QString& ham, QChar ayrac)
{
    const QString metin = Notr(ham);
    if (!metin.contains(ayrac) && !metin.contains(QLatin1Char('"')) && !metin.contains(QLatin1Char('\n'))
        && !metin.contains(QLatin1Char('\r')))
        return metin;
    QString tirnakli = metin;
    tirnakli.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + tirnakli + QLatin1Char('"');
}

QByteArray CsvYaz(const Rapor& rapor, const QLocale& yerel)
{
    const QChar ayrac = CsvAyraci(yerel);
    const QLatin1String satirSonu("\r\n");
    const AgAnalizi& analiz = rapor.analiz;
    QString metin;
    if (analiz.hata.Var()) {
        metin = CsvAlani(AnalizMetinleri::Hesaplanamiyor(analiz), ayrac) + satirSonu;
    } else {
        const QString takvim = CsvAlani(TakvimAdiYaz(rapor.proje.takvim), ayrac);
        const QStringList& basliklar = AnalizMetinleri::Basliklar();
        const int baslangic = int(basliklar.size()) - 2, bitis = baslangic + 1;
        QStringList alanlar;
        for (const QString& baslik : basliklar)
            alanlar << CsvAlani(baslik, ayrac);
        alanlar << CsvAlani(OncekilerBasligi, ayrac);
        for (const QString& baslik : TahminBasliklari)
            alanlar << CsvAlani(baslik, ayrac);
        if (!takvim.isEmpty())
            alanlar << TakvimBasligi;
        // Only a project with a status date has progress columns: another's CSV stays as it was.
        const IlerlemeAnalizi ilerleme = RaporIlerlemesi(rapor);
        if (ilerleme.var)
            for (const QString& baslik : IlerlemeBasliklari())
                alanlar << CsvAlani(baslik, ayrac);
        metin += alanlar.join(ayrac) + satirSonu;
        for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
            const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
            alanlar.clear();
            for (int sutun = 0; sutun < baslangic; ++sutun) {
                // A figure is a whole number in plain digits, "-3" included: left as a number.
                const QString hucre = AnalizMetinleri::Hucre(f, sutun);
                alanlar << (AnalizMetinleri::SayisalSutun(sutun) ? hucre : CsvAlani(hucre, ayrac));
            }
            alanlar << CsvAlani(IsoTarih(f.baslama), ayrac) << CsvAlani(IsoTarih(f.bitis), ayrac);
            Q_ASSERT(alanlar.size() == bitis + 1);
            alanlar << CsvAlani(OncekiListesi(analiz, i), ayrac);
            // Whole days in plain digits; empty cells for an activity without an estimate.
            const auto tahmin = rapor.tahminler.constFind(f.kodu);
            const bool var = tahmin != rapor.tahminler.cend();
            for (const qint32 gun : {var ? tahmin->iyimser : 0, var ? tahmin->olasi : 0, var ? tahmin->kotumser : 0})
                alanlar << (var ? QString::number(gun) : QString());
            if (!takvim.isEmpty())
                alanlar << takvim;
            if (ilerleme.var)
                alanlar << IlerlemeHucreleri(rapor, ilerleme, i, [ayrac](const QDate& d) { return CsvAlani(IsoTarih(d), ayrac); },
                                             [](qint64 n) { return QString::number(n); });
            metin += alanlar.join(ayrac) + satirSonu;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
}
