#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

// A project as it is written.
struct Proje {
    QString ad;
    QDate başlama;
    QDate bitiş;
};

// An activity as it is written.
struct Faaliyet {
    QString kodu;
    QString adı;
    qint32 süre = 0;
    QString öncekiler; // the predecessor list, "A,C"; empty for none
};

// A column as it was read. Another program may have left a text where a date or a
// number belongs: `değer` is empty then, and the window shows `ham` as it is. `ham`
// is also what a later change compares the row with.
template <typename T>
struct Saklı {
    QVariant ham;
    std::optional<T> değer;
};

struct KayıtlıProje {
    QString ad;
    Saklı<QDate> başlama;
    Saklı<QDate> bitiş;
};

struct KayıtlıFaaliyet {
    QString kodu;
    QString adı;
    Saklı<qint32> süre;
    QString öncekiler;
};
