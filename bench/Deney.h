#pragma once

#include "Agler.h"
#include "store/SunucuAdresi.h"

#include <QString>
#include <QVector>

// The data every figure is taken on: made anew by each run, always the same.
namespace Deney {

struct Veritabani {
    int projeSayisi;
    QString yol;
};

constexpr int FaaliyetSayisi = 62;
// Projects deleted or emptied once each by the commands' runs.
constexpr int KomutTekrari = 21;

const AgBicimi Bicimler[] = {AgBicimi::Zincir, AgBicimi::Yelpaze, AgBicimi::Rastgele};

// The 62-activity project of that shape, in every database.
QString BicimProjesi(AgBicimi bicim);
// In the largest database only: a project of 61 activities that gets a 62nd, one of
// 62 that is renamed, and projects of 62 activities to delete or empty.
extern const QString EklenecekProje;
extern const QString AdiDegisecekProje;
QString SilinecekProje(int sira);
QString BosaltilacakProje(int sira);

// Ends the run when a read or write the figures stand on failed: every figure after it
// would mean nothing. `nerede` leads the message.
void Gerekli(const DepoHatasi& hata, const QString& nerede = QString());

// "10,000 proje": the figures' own way of writing a project count.
QString ProjeSayisi(int sayi);

// Databases of 10, 1,000 and 10,000 projects in `klasor`, smallest first.
QVector<Veritabani> Uret(const QString& klasor);

// The largest of them, with the same 62-activity networks and the projects the commands
// change, in the empty database at `adres` on a PostgreSQL server: its number of projects.
int SunucudaUret(const SunucuAdresi& adres);

} // namespace Deney
