#pragma once

#include "import/AktarimPlani.h"
#include "kernel/BagTuru.h"

#include <QMap>
#include <QString>
#include <QVector>

// A plan as the readers find it, before any of Kavrion's rules: what MSPDI and CSV
// have in common. Donustur turns it into the plan the import stores, the same way
// for every source.

// What a link's lag was given in: Kavrion counts whole working days, and converts the rest.
enum class GecikmeBirimi : quint8 {
    IsGunu,   // working days (weeks and months of working time too)
    Saat,     // working hours or minutes, already turned into days
    GecenGun, // elapsed (calendar) time, already turned into days
    Yuzde,    // a percentage of the predecessor's duration
};

struct AraBag {
    QString onceki; // the predecessor's key
    BagTuru tur = BagTuru::BitisBaslama;
    double gecikme = 0; // days, or per cent for Yuzde; below zero a lead
    GecikmeBirimi birim = GecikmeBirimi::IsGunu;
    QString yazilan = {}; // the lag as the file wrote it, for the report of a conversion
};

struct AraGorev {
    QString anahtar;    // what links name the task by: UID, ID, row number or code
    QString etiket;     // how messages name it without a name: "UID 7", "satır 4"
    QString ad;
    double sure = 0;    // days, possibly fractional
    int seviye = 1;     // outline level: a task followed by a deeper one is a summary
    QVector<AraBag> bagli;
    std::optional<UcNoktaTahmini> tahmin; // in whole days, already checked; a summary's is dropped
    std::optional<FaaliyetIlerlemesi> ilerleme = {}; // a summary's is dropped
    QMap<qint32, TabanSatiri> tabanlar = {};         // by baseline number, without the code
};

struct AraPlan {
    Proje proje;
    ProjeTakvimi takvim;
    QVector<AraGorev> gorevler; // in the file's order
    QStringList rapor, okuma;
    ProjeIlerlemesi ilerleme;   // the status date; each activity's progress comes with its task
    TabanPlanlari tabanlar;     // the baselines by number, their rows coming with the tasks
};

// Summary tasks flattened (their links go to and from their leaves), the order made
// such that every predecessor stands above its activity, a zero-day start activity
// added when several activities wait for nothing, codes handed out from "A"; links
// kept with their types and lags, a lag not in whole working days rounded up and
// reported (one line for each kind of conversion); fractional days listed for the user's
// acceptance. Refused: an empty plan, more activities than codes, a cycle, a link to a
// task not in the file, a duration below zero or beyond 32 bits, a lag beyond GecikmeSiniri.
AktarimSonucu Donustur(const AraPlan& ara);

AktarimSonucu Reddet(const QString& neden);

// "«name»", cut for a message, or the task's label when it has no name.
QString GorevAdi(const AraGorev& gorev);

// Days as a Turkish text: "2", "2,5".
QString GunMetni(double gun);

// The report lines of a duration another unit gave: hours at `gunlukSaat` a day, and
// elapsed (calendar) days, which Kavrion counts as they are: as days of "Her gün", or as
// working days of the project's calendar (`isGunu`), which may move the finish.
QString SaatSatiri(const AraGorev& gorev, double saat, double gunlukSaat);
QString GecenSureSatiri(const AraGorev& gorev, bool isGunu = false);
