#pragma once

#include "store/ProjeDeposu.h"

#include <QVector>
#include <random>

struct UretilecekProje {
    QString ad;
    QVector<Faaliyet> faaliyetler;
};

// Creates a new Proje.mdb at `yol` with `projeSayisi` projects in all: `belirli`
// placed in the middle of the list, the rest filler projects of up to six random
// activities each, so that every lookup has the whole table around it. Written
// through the store's own operations; only the durable commits are skipped, as no
// figure is taken while the file is made.
DepoHatasi VeritabaniUret(const QString& yol, int projeSayisi, const QVector<UretilecekProje>& belirli,
                          std::mt19937& uretec);
// The same in an empty database on a PostgreSQL server, where the schema is made as
// veritabani-olustur makes it.
DepoHatasi VeritabaniUret(const SunucuAdresi& adres, int projeSayisi, const QVector<UretilecekProje>& belirli,
                          std::mt19937& uretec);
