#pragma once

#include "kernel/BagTuru.h"
#include "kernel/Ilerleme.h"
#include "kernel/Takvim.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>

// A project as it is written.
struct Proje {
    QString ad;
    QDate baslama;
    QDate bitis;
};

// An activity as it is written.
struct Faaliyet {
    QString kodu;
    QString adi;
    qint32 sure = 0;
    QString oncekiler; // the predecessor list, "A,C"; empty for none
    QVector<BagAyrintisi> baglar = {}; // the links among them that are not plain, in list order
};

// An activity's three-point estimate of its duration in whole days:
// 0 <= iyimser (optimistic) <= olasi (most likely) <= kotumser (pessimistic).
struct UcNoktaTahmini {
    qint32 iyimser = 0;
    qint32 olasi = 0;
    qint32 kotumser = 0;

    bool operator==(const UcNoktaTahmini& o) const
    {
        return iyimser == o.iyimser && olasi == o.olasi && kotumser == o.kotumser;
    }
    bool operator!=(const UcNoktaTahmini& o) const { return !(*this == o); }
};

// How a project's durations are drawn between their optimistic and pessimistic
// estimates: triangular, or beta-PERT with λ = 4 (mean (a + 4m + b) / 6). Kept per
// project; a project that never chose has Pert.
enum class Dagilim { Ucgen, Pert };

// A project with its activities, as an import writes them: codes and predecessors
// as they will be stored.
struct TamProje {
    Proje proje;
    QVector<Faaliyet> faaliyetler;
    QHash<QString, UcNoktaTahmini> tahminler; // by the code as stored
    Dagilim dagilim = Dagilim::Pert;
    ProjeTakvimi takvim = {};
    ProjeIlerlemesi ilerleme = {};
    TabanPlanlari tabanlar = {};
};

// A column as it was read. Another program may have left a text where a date or a
// number belongs: `deger` is empty then, and the window shows `ham` as it is. `ham`
// is also what a later change compares the row with.
template <typename T>
struct Sakli {
    QVariant ham;
    std::optional<T> deger;
};

struct KayitliProje {
    QString ad;
    Sakli<QDate> baslama;
    Sakli<QDate> bitis;
    ProjeTakvimi takvim = {}; // not compared below: a calendar changes by a command of its own
    ProjeIlerlemesi ilerleme = {}; // nor progress
    TabanPlanlari tabanlar = {};   // nor baselines
};

struct KayitliFaaliyet {
    QString kodu;
    QString adi;
    Sakli<qint32> sure;
    QString oncekiler;
    QVector<BagAyrintisi> baglar = {}; // as Faaliyet's
};

// The same record as stored: values compared as they were read (5 and "5" differ), which
// is how a write decides whether the row is still as shown.
inline bool operator==(const KayitliProje& a, const KayitliProje& b)
{
    return a.ad == b.ad && a.baslama.ham == b.baslama.ham && a.bitis.ham == b.bitis.ham;
}
inline bool operator==(const KayitliFaaliyet& a, const KayitliFaaliyet& b)
{
    return a.kodu == b.kodu && a.adi == b.adi && a.sure.ham == b.sure.ham && a.oncekiler == b.oncekiler
        && a.baglar == b.baglar;
}
inline bool operator!=(const KayitliFaaliyet& a, const KayitliFaaliyet& b) { return !(a == b); }
