#pragma once

#include "export/Rapor.h"

#include <QByteArray>
#include <QLocale>
#include <QStringList>

// JSON written by hand rather than through QJsonObject, which would sort the keys and
// put an activity's code in the middle of its figures.
class JsonYazici {
public:
    QByteArray metin;

    void Metin(QStringView deger)
    {
        metin += '"';
        // Runs without a character to escape are converted whole, so surrogate pairs stay together.
        qsizetype bas = 0;
        for (qsizetype i = 0; i < deger.size(); ++i) {
            const char16_t u = deger[i].unicode();
            if (u >= 0x20 && u != '"' && u != '\\')
                continue;
            metin += deger.mid(bas, i - bas).toUtf8();
            bas = i + 1;
            switch (u) {
            case '"': metin += "\\\""; break;
            case '\\': metin += "\\\\"; break;
            case '\n': metin += "\\n"; break;
            case '\r': metin += "\\r"; break;
            case '\t': metin += "\\t"; break;
            default:
                metin += "\\u00";
                metin += "0123456789abcdef"[u >> 4];
                metin += "0123456789abcdef"[u & 0xf];
            }
        }
        metin += deger.mid(bas).toUtf8();
        metin += '"';
    }
    void Anahtar(const char* ad, const char* once = ",\n  ")
    {
        metin += once;
        metin += '"';
        metin += ad;
        metin += "\": ";
    }
    void Sayi(qint64 deger) { metin += QByteArray::number(deger); }
    // The shortest form that reads back as the same double.
    void Ondalik(double deger) { metin += QByteArray::number(deger, 'g', QLocale::FloatingPointShortest); }
    void Bos() { metin += "null"; }
    void Tarih(const QDate& tarih)
    {
        if (tarih.isValid())
            Metin(IsoTarih(tarih));
        else
            Bos();
    }
    // The object's start: "proje", "baslama", "bitis" (null when not a stored date).
    void Proje(const KayitliProje& proje)
    {
        Anahtar("proje", "{\n  ");
        Metin(proje.ad);
        Anahtar("baslama");
        Tarih(proje.baslama.deger.value_or(QDate()));
        Anahtar("bitis");
        Tarih(proje.bitis.deger.value_or(QDate()));
    }
    // "hesaplanamiyor": null when computed; otherwise the explanation, which closes the
    // object (true).
    bool Hesaplanamiyor(bool hesaplanamadi, const QString& neden)
    {
        Anahtar("hesaplanamiyor");
        if (!hesaplanamadi) {
            Bos();
            return false;
        }
        Metin(neden);
        metin += "\n}\n";
        return true;
    }
    // {"iyimser", "enOlasi", "kotumser"} of the activity's estimate, or null without one.
    void Tahmin(const QHash<QString, UcNoktaTahmini>& tahminler, const QString& kodu)
    {
        const auto tahmin = tahminler.constFind(kodu);
        if (tahmin == tahminler.cend())
            return Bos();
        Anahtar("iyimser", "{");
        Sayi(tahmin->iyimser);
        Anahtar("enOlasi", ", ");
        Sayi(tahmin->olasi);
        Anahtar("kotumser", ", ");
        Sayi(tahmin->kotumser);
        metin += '}';
    }
    void Kodlar(const QStringList& kodlar)
    {
        metin += '[';
        for (int i = 0; i < kodlar.size(); ++i) {
            if (i > 0)
                metin += ", ";
            Metin(kodlar.at(i));
        }
        metin += ']';
    }
};
