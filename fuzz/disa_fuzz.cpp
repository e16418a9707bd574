// The text exports of arbitrary plans: the first line is the project's name, then one
// row per line, code, name, duration and predecessors separated by tabs. CSV and JSON
// must read back with every name as written, MSPDI must be well-formed XML with a task
// per activity, or be refused.
#include "Dogrula.h"
#include "export/CsvYazimi.h"
#include "export/JsonYazimi.h"
#include "export/MspdiYazimi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <cstdint>

namespace {

// RFC 4180, strictly: a quoted field ends at a lone quote followed by the separator or a line end.
QVector<QStringList> CsvOku(const QString& metin, QChar ayraç)
{
    QVector<QStringList> kayıtlar{QStringList()};
    QString alan;
    bool tırnakta = false;
    const auto sonraki = [&](qsizetype i) { return i + 1 < metin.size() ? metin.at(i + 1) : QChar(); };
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i);
        if (tırnakta) {
            if (c == QLatin1Char('"') && sonraki(i) == QLatin1Char('"'))
                alan += metin.at(++i);
            else if (c == QLatin1Char('"'))
                tırnakta = false;
            else
                alan += c;
        } else if (c == QLatin1Char('"') && alan.isEmpty()) {
            tırnakta = true;
        } else if (c == ayraç) {
            kayıtlar.last() << alan;
            alan.clear();
        } else if (c == QLatin1Char('\r') && sonraki(i) == QLatin1Char('\n')) {
            kayıtlar.last() << alan;
            alan.clear();
            kayıtlar.append(QStringList());
            ++i;
        } else {
            alan += c;
        }
    }
    Doğrula(!tırnakta && alan.isEmpty() && kayıtlar.last().isEmpty());
    kayıtlar.removeLast();
    return kayıtlar;
}

// What a text is once written as UTF-8: a lone surrogate cannot be (half an emoji read
// as a one-character predecessor code, say).
QString Yazılmış(const QString& metin)
{
    return QString::fromUtf8(metin.toUtf8());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    const QStringList satırlar = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy)).split(QLatin1Char('\n'));
    Rapor rapor;
    rapor.proje = {satırlar.first(), {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 3, 11), QDate(2026, 3, 11)}};
    QVector<KayıtlıFaaliyet> faaliyetler;
    for (const QString& satır : satırlar.mid(1)) {
        const QStringList alan = satır.split(QLatin1Char('\t'));
        bool sayı = false;
        const qint32 süre = alan.value(2).toInt(&sayı);
        faaliyetler.append({alan.value(0), alan.value(1), {alan.value(2), sayı ? std::optional<qint32>(süre) : std::nullopt},
                            alan.value(3)});
    }
    rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
    const QVector<FaaliyetAnalizi>& sonuç = rapor.analiz.faaliyetler;

    const QByteArray csv = CsvYaz(rapor, QLocale(QLocale::Turkish, QLocale::Turkey));
    Doğrula(csv.startsWith("\xEF\xBB\xBF"));
    const QVector<QStringList> kayıtlar = CsvOku(QString::fromUtf8(csv.mid(3)), QLatin1Char(';'));
    if (!rapor.analiz.hesaplanamıyor.isEmpty()) {
        Doğrula(kayıtlar == QVector<QStringList>{{Yazılmış(rapor.analiz.hesaplanamıyor)}});
    } else {
        Doğrula(kayıtlar.size() == sonuç.size() + 1);
        for (int i = 0; i < sonuç.size(); ++i) {
            const QStringList& kayıt = kayıtlar.at(i + 1);
            Doğrula(kayıt.size() == 12 && kayıt.at(0) == Yazılmış(sonuç.at(i).kodu) && kayıt.at(1) == Yazılmış(sonuç.at(i).adı));
        }
    }

    QJsonParseError hata;
    const QJsonObject json = QJsonDocument::fromJson(JsonYaz(rapor), &hata).object();
    Doğrula(hata.error == QJsonParseError::NoError && json.value(QStringLiteral("proje")).toString() == Yazılmış(rapor.proje.ad));
    const QJsonArray dizi = json.value(QStringLiteral("faaliyetler")).toArray();
    Doğrula(dizi.size() == sonuç.size());
    for (int i = 0; i < sonuç.size(); ++i)
        Doğrula(dizi.at(i).toObject().value(QStringLiteral("adi")).toString() == Yazılmış(sonuç.at(i).adı));

    QByteArray xml;
    if (!MspdiYaz(rapor, QDate(2026, 3, 1), xml)) {
        QXmlStreamReader okuyucu(xml);
        int görev = 0;
        while (!okuyucu.atEnd()) {
            okuyucu.readNext();
            görev += okuyucu.isStartElement() && okuyucu.name() == QLatin1String("Task");
        }
        Doğrula(!okuyucu.hasError() && görev == sonuç.size());
    }
    return 0;
}
