#pragma once

#include "Agler.h"

#include <QString>
#include <QVector>

// The data every figure is taken on: made anew by each run, always the same.
namespace Deney {

struct Veritabanı {
    int projeSayısı;
    QString yol;
};

constexpr int FaaliyetSayısı = 62;
// Projects deleted or emptied once each by the commands' runs.
constexpr int KomutTekrarı = 21;

const AğBiçimi Biçimler[] = {AğBiçimi::Zincir, AğBiçimi::Yelpaze, AğBiçimi::Rastgele};

// The 62-activity project of that shape, in every database.
QString BiçimProjesi(AğBiçimi biçim);
// In the largest database only: a project of 61 activities that gets a 62nd, one of
// 62 that is renamed, and projects of 62 activities to delete or empty.
extern const QString EklenecekProje;
extern const QString AdıDeğişecekProje;
QString SilinecekProje(int sıra);
QString BoşaltılacakProje(int sıra);

// "10,000 proje": the figures' own way of writing a project count.
QString ProjeSayısı(int sayı);

// Databases of 10, 1,000 and 10,000 projects in `klasör`, smallest first.
QVector<Veritabanı> Üret(const QString& klasör);

} // namespace Deney
