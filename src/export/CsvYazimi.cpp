#include "export/CsvYazimi.h"

#include "analysis/AnalizMetinleri.h"

namespace {

// The table has no such column; the CSV adds it at its end, so that a plan goes out and comes back.
const QString OncekilerBasligi = QStringLiteral("Öncekiler");

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

QString Alan(const QString& ham, QChar ayrac)
{
    const QString metin = Notr(ham);
    if (!metin.contains(ayrac) && !metin.contains(QLatin1Char('"')) && !metin.contains(QLatin1Char('\n'))
        && !metin.contains(QLatin1Char('\r')))
        return metin;
    QString tirnakli = metin;
    tirnakli.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + tirnakli + QLatin1Char('"');
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
        metin += alanlar.join(ayrac) + ayrac + Alan(OncekilerBasligi, ayrac) + satirSonu;
        for (int i = 0; i < analiz.faaliyetler.size(); ++i) {
            const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
            alanlar.clear();
            for (int sutun = 0; sutun < baslangic; ++sutun) {
                // A figure is a whole number in plain digits, "-3" included: left as a number.
                const QString hucre = AnalizMetinleri::Hucre(f, sutun);
                alanlar << (AnalizMetinleri::SayisalSutun(sutun) ? hucre : Alan(hucre, ayrac));
            }
            alanlar << Alan(IsoTarih(f.baslama), ayrac) << Alan(IsoTarih(f.bitis), ayrac);
            Q_ASSERT(alanlar.size() == bitis + 1);
            alanlar << Alan(Oncekileri(analiz, i).join(QLatin1Char(',')), ayrac);
            metin += alanlar.join(ayrac) + satirSonu;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + metin.toUtf8();
}
