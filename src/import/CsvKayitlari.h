#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One record of a CSV text and the line it starts on (from 1).
struct CsvKaydi {
    int satir = 0;
    QStringList alanlar;
};

// The records of `metin` as RFC 4180 writes them: fields split by `ayrac`; a field in
// quotes may hold the separator, line breaks and doubled quotes; CRLF, LF or CR ends a
// record. As spreadsheets read it, a quote inside an unquoted field is a character, and
// text after a field's closing quote belongs to the field. Blank lines are no records.
// At most `enCok` records when it is not negative. Without records, `hata` names the
// line of a quote left open.
std::optional<QVector<CsvKaydi>> CsvKayitlari(QStringView metin, QChar ayrac, QString& hata, int enCok = -1);
