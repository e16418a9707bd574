#pragma once

#include "store/Kayitlar.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The kinds of file an import reads, known by the file's name.
enum class AktarimKaynagi { Mspdi, Csv, Kavrion };
// ".xml", ".csv" or ".mdb", in any case; nothing for another name.
std::optional<AktarimKaynagi> KaynagiBul(const QString& yol);

// A project as it would be written, or why it cannot be.
struct AktarilacakProje {
    TamProje proje;
    QString ret; // empty when it can come in
};

// What the preview shows before anything is written.
struct Aktarim {
    QVector<AktarilacakProje> projeler;
    bool secilir = false;       // the projects are picked one by one (another Kavrion file)
    QStringList okuma;          // how the file was read
    QStringList onaylanacaklar; // what the file holds that Kavrion cannot; the user must accept it
    QString onayMetni;          // the check box that accepts it
    QStringList rapor;          // every conversion, one line each
};

// Reads the file as its kind; without an import, `ret` says why.
std::optional<Aktarim> AktarimiOku(const QString& yol, AktarimKaynagi kaynak, const QLocale& yerel, QString& ret);
