// The text exports of arbitrary plans: the first line is the project's name, then one
// row per line, code, name, duration, predecessors and an estimate "a,m,b" separated by tabs. CSV and JSON
// must read back with every name and predecessor list as written (in CSV a text that would run as a formula
// behind an apostrophe), every date written, MSPDI must be well-formed XML with a task
// per activity, or be refused.
#include "Dogrula.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"
#include "text/AnalizMetinleri.h"
#include "export/MspdiYazimi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <cstdint>

namespace {

// RFC 4180, strictly: a quoted field ends at a lone quote followed by the separator or a line end.
QVector<QStringList> CsvOku(const QString& metin, QChar ayrac)
{
    QVector<QStringList> kayitlar{QStringList()};
    QString alan;
    bool tirnakta = false;
    const auto sonraki = [&](qsizetype i) { return i + 1 < metin.size() ? metin.at(i + 1) : QChar(); };
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i);
        if (tirnakta) {
            if (c == QLatin1Char('"') && sonraki(i) == QLatin1Char('"'))
                alan += metin.at(++i);
            else if (c == QLatin1Char('"'))
                tirnakta = false;
            else
                alan += c;
        } else if (c == QLatin1Char('"') && alan.isEmpty()) {
            tirnakta = true;
        } else if (c == ayrac) {
            kayitlar.last() << alan;
            alan.clear();
        } else if (c == QLatin1Char('\r') && sonraki(i) == QLatin1Char('\n')) {
            kayitlar.last() << alan;
            alan.clear();
            kayitlar.append(QStringList());
            ++i;
        } else {
            alan += c;
        }
    }
    Dogrula(!tirnakta && alan.isEmpty() && kayitlar.last().isEmpty());
    kayitlar.removeLast();
    return kayitlar;
}

// What a text is once written as UTF-8: a lone surrogate cannot be (half an emoji read
// as a one-character predecessor code, say).
QString Yazilmis(const QString& metin)
{
    return QString::fromUtf8(metin.toUtf8());
}

bool FormulBasi(const QString& metin)
{
    return !metin.isEmpty() && QStringLiteral("=+-@\t\r").contains(metin.front());
}

// A text cell of the CSV: never one a spreadsheet runs as a formula; with the apostrophe
// put before such a text (also one behind apostrophes of its own) taken off, the text as written.
QString MetinHucresi(const QString& hucre)
{
    Dogrula(!FormulBasi(hucre));
    qsizetype i = 0;
    while (i < hucre.size() && hucre.at(i) == QLatin1Char('\''))
        ++i;
    return i > 0 && FormulBasi(hucre.mid(i)) ? hucre.mid(1) : hucre;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    const QStringList satirlar = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy)).split(QLatin1Char('\n'));
    Rapor rapor;
    rapor.proje = {satirlar.first(), {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 3, 11), QDate(2026, 3, 11)}};
    QVector<KayitliFaaliyet> faaliyetler;
    for (const QString& satir : satirlar.mid(1)) {
        const QStringList alan = satir.split(QLatin1Char('\t'));
        bool sayi = false;
        const qint32 sure = alan.value(2).toInt(&sayi);
        faaliyetler.append({alan.value(0), alan.value(1), {alan.value(2), sayi ? std::optional<qint32>(sure) : std::nullopt},
                            alan.value(3)});
        const QStringList gunler = alan.value(4).split(QLatin1Char(','));
        if (gunler.size() == 3)
            rapor.tahminler.insert(alan.value(0), {gunler.at(0).toInt(), gunler.at(1).toInt(), gunler.at(2).toInt()});
    }
    rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
    const QVector<FaaliyetAnalizi>& sonuc = rapor.analiz.faaliyetler;

    const QByteArray csv = CsvYaz(rapor, QLocale(QLocale::Turkish, QLocale::Turkey));
    Dogrula(csv.startsWith("\xEF\xBB\xBF"));
    const QVector<QStringList> kayitlar = CsvOku(QString::fromUtf8(csv.mid(3)), QLatin1Char(';'));
    if (rapor.analiz.hata.Var()) {
        Dogrula(kayitlar.size() == 1 && kayitlar.first().size() == 1
                && MetinHucresi(kayitlar.first().first()) == Yazilmis(AnalizMetinleri::Hesaplanamiyor(rapor.analiz)));
    } else {
        Dogrula(kayitlar.size() == sonuc.size() + 1);
        for (int i = 0; i < sonuc.size(); ++i) {
            const QStringList& kayit = kayitlar.at(i + 1);
            const auto tahmin = rapor.tahminler.constFind(sonuc.at(i).kodu);
            const bool var = tahmin != rapor.tahminler.cend();
            Dogrula(kayit.size() == 16 && kayit.mid(13) == (var ? QStringList{QString::number(tahmin->iyimser),
                QString::number(tahmin->olasi), QString::number(tahmin->kotumser)} : QStringList{"", "", ""}));
            Dogrula(MetinHucresi(kayit.at(0)) == Yazilmis(sonuc.at(i).kodu)
                    && MetinHucresi(kayit.at(1)) == Yazilmis(sonuc.at(i).adi)
                    && MetinHucresi(kayit.at(12)) == Yazilmis(Oncekileri(rapor.analiz, i).join(QLatin1Char(','))));
            // A figure stays a number, a minus sign and all; a date is never left empty.
            Dogrula(kayit.at(2) == QString::number(qint64(sonuc.at(i).ef) - sonuc.at(i).es)
                    && kayit.at(8) == QString::number(sonuc.at(i).serbestBolluk));
            Dogrula(!MetinHucresi(kayit.at(10)).isEmpty() && !MetinHucresi(kayit.at(11)).isEmpty());
        }
    }

    QJsonParseError hata;
    const QJsonObject json = QJsonDocument::fromJson(JsonYaz(rapor), &hata).object();
    Dogrula(hata.error == QJsonParseError::NoError && json.value(QStringLiteral("proje")).toString() == Yazilmis(rapor.proje.ad));
    const QJsonArray dizi = json.value(QStringLiteral("faaliyetler")).toArray();
    Dogrula(dizi.size() == sonuc.size());
    for (int i = 0; i < sonuc.size(); ++i) { // the same finish date as the CSV's
        const QJsonObject f = dizi.at(i).toObject();
        Dogrula(f.value(QStringLiteral("adi")).toString() == Yazilmis(sonuc.at(i).adi)
                && f.value(QStringLiteral("bitis")).toString() == MetinHucresi(kayitlar.at(i + 1).at(11)));
    }

    QByteArray xml;
    if (!MspdiYaz(rapor, xml)) {
        QXmlStreamReader okuyucu(xml);
        int gorev = 0;
        while (!okuyucu.atEnd()) {
            okuyucu.readNext();
            gorev += okuyucu.isStartElement() && okuyucu.name() == QLatin1String("Task");
        }
        Dogrula(!okuyucu.hasError() && gorev == sonuc.size());
    }
    return 0;
}
