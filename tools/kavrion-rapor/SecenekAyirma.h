#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

// The command line of Kavrion's tools, sorted before each tool checks what it means.

// An option that takes a value ("--ad X" or "--ad=X"), and where its value goes.
struct DegerliSecenek {
    const char* ad;
    std::optional<QString>* deger;
};
// An option that stands alone ("--kabul").
struct Bayrak {
    const char* ad;
    bool* verildi;
};

// Sorts the arguments after the program's name into options, help (-h, --help, --yardim)
// and the rest, in order. After "--" every argument is one of the rest, so a name that
// starts with "-" can be given. An error names the first fault: an unknown option, one
// given twice, a value missing or empty, a value given to a flag.
QString SecenekleriAyir(const QStringList& argumanlar, std::initializer_list<DegerliSecenek> secenekler,
                        std::initializer_list<Bayrak> bayraklar, bool& yardim, QStringList& konumlu);
