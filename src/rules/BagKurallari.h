#pragma once

#include "store/Kayitlar.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The rules an activity's links keep before they are stored, as plain functions.

// Why links cannot be stored, and where.
struct BagReddi {
    enum Tur {
        Yok,
        GecikmeSiniriDisinda, // a lag or lead beyond GecikmeSiniri working days
        ListedeYok,           // a link to a code the predecessor list does not name
        IkiKez,               // two links to one predecessor
        Dongu,                // the links close a cycle
    };
    Tur tur = Yok;
    QString kodu;       // the activity whose link breaks the rule
    QString onceki;     // the predecessor that link names
    qint32 gecikme = 0; // its lag
    QStringList dongu;  // a cycle's codes, each before its successor, the first again at the end

    explicit operator bool() const { return tur != Yok; }
};

// The first rule the activity's links break, in their order; none when they keep them all.
BagReddi BaglariDenetle(const Faaliyet& faaliyet);

// The first cycle the activities' predecessor lists close, whatever their links' types; a
// code no activity has is no link.
BagReddi DonguyuDenetle(const QVector<Faaliyet>& faaliyetler);

// The box's words for a refusal, numbers in the regional format; empty for none.
QString BagReddiMetni(const BagReddi& ret);
