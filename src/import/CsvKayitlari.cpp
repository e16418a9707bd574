#include "import/CsvKayitlari.h"

std::optional<QVector<CsvKaydi>> CsvKayitlari(QStringView metin, QChar ayrac, QString& hata, int enCok)
{
    QVector<CsvKaydi> kayitlar;
    CsvKaydi kayit{1, {}};
    QString alan;
    int satir = 1, tirnakSatiri = 0;
    bool tirnakta = false, alanBasi = true;
    const auto kayitBitti = [&] {
        kayit.alanlar << alan;
        if (kayit.alanlar.size() > 1 || !kayit.alanlar.first().isEmpty())
            kayitlar.append(kayit);
        kayit = {satir, {}};
        alan.clear();
        alanBasi = true;
    };
    for (qsizetype i = 0; i < metin.size() && (enCok < 0 || kayitlar.size() < enCok); ++i) {
        const QChar c = metin[i];
        if (enCok >= 0 && kayitlar.size() >= enCok)
        return kayitlar;
    if (tirnakta) {
            if (c == QLatin1Char('"') && i + 1 < metin.size() && metin[i + 1] == QLatin1Char('"'))
                alan += metin[++i];
            else if (c == QLatin1Char('"'))
                tirnakta = false;
            else
                alan += c;
            if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (i + 1 == metin.size() || metin[i + 1] != QLatin1Char('\n'))))
                ++satir;
        } else if (c == QLatin1Char('"') && alanBasi) {
            tirnakta = true;
            tirnakSatiri = satir;
            alanBasi = false;
        } else if (c == ayrac) {
            kayit.alanlar << alan;
            alan.clear();
            alanBasi = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < metin.size() && metin[i + 1] == QLatin1Char('\n'))
                ++i;
            ++satir;
            kayitBitti();
        } else {
            alan += c;
            alanBasi = false;
        }
    }
    if (enCok >= 0 && kayitlar.size() >= enCok)
        return kayitlar;
    if (tirnakta) {
        hata = QStringLiteral("%1. satırda açılan tırnak dosyanın sonuna kadar kapanmıyor.").arg(tirnakSatiri);
        return std::nullopt;
    }
    if (!alan.isEmpty() || !kayit.alanlar.isEmpty())
        kayitBitti();
    return kayitlar;
}
