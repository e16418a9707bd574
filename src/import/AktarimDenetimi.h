#pragma once

#include "import/Aktarim.h"
#include "rules/ProjeKurallari.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What the import preview says of a project while it is shown, before "Aktar": the
// project dialogs' own checks on its fields, and whether its name is taken.
struct AktarimBulgulari {
    QVector<EksikBilgi> eksikler; // the save checks that fail, in their order
    QString bosAd;                // when the name is taken: the first free name to offer; else empty
    bool temiz() const { return eksikler.isEmpty() && bosAd.isEmpty(); }
};

// `metinler` as the fields hold them: the name is compared in capitals, as it will be
// saved, and the day count is worked out from the dates. `alinmis`: the names in the
// store and those of the import's other chosen projects.
AktarimBulgulari AktarimProjesiniDenetle(ProjeMetinleri metinler, const QStringList& alinmis);

// `ad` itself when it is free (or empty), else "AD (2)", "AD (3)", … the first not taken.
QString BosAdBul(const QString& ad, const QStringList& alinmis);

// The name each project is first offered under: the file's in capitals, as the project
// dialogs save names, or the first free one when that is taken, in the store (`alinmis`)
// or by a project before it. A project that cannot come in keeps its name in capitals.
struct IlkAd {
    QString ad;
    QString kayitliAd; // the taken name `ad` stands in for; empty when the file's name was free
};
// Adds to aktarim.rapor a line for each name the import changes.
QVector<IlkAd> IlkAdlariBul(Aktarim& aktarim, QStringList alinmis);

// What the preview lists under its conversions: how the file was read, then every
// conversion, or a line saying there was none.
QStringList AktarimRaporu(const Aktarim& aktarim);
