#pragma once

#include "analysis/AgAnalizi.h"
#include "store/DepoHatasi.h"
#include "store/Kayitlar.h"

#include <QHash>

class ProjeDeposu;

// One project and its analysis: what every export and the command-line report write.
struct Rapor {
    KayitliProje proje;
    AgAnalizi analiz;
    QHash<QString, UcNoktaTahmini> tahminler; // by activity code; an activity without one has none
    Dagilim dagilim = Dagilim::Pert;          // the distribution its simulation draws from
    bool deneme = false; // the figures of a what-if, not of the plan stored: said on every picture and page
};

// What marks a what-if wherever it is shown or written.
inline QString DenemeIsareti()
{
    return QStringLiteral("Deneme – kaydedilmedi");
}

// Reads the project named exactly `proje`, its activities, their estimates and its distribution, and
// computes the analysis; `faaliyetler`, when given, gets the activities as stored.
DepoHatasi RaporuOku(const ProjeDeposu& depo, const QString& proje, Rapor& rapor,
                     QVector<KayitliFaaliyet>* faaliyetler = nullptr);

// The project's calendar as every file and report names it (TakvimMetinleri::TakvimTanimi);
// empty under "Her gün" with no exceptions, so that such a project's files stay as they were.
QString TakvimAdiYaz(const ProjeTakvimi& takvim);

// A date as CSV and JSON write it, in ISO 8601: YYYY-MM-DD for the years 0000 to 9999 and,
// beyond them, the expanded form with a sign and as many digits as the year needs, at
// least four ("+10237-09-22", "-0004-12-31"), the year counted as ISO counts it (0 is
// 1 BC), as java.time writes and reads it. Empty for an invalid date.
QString IsoTarih(const QDate& tarih);
