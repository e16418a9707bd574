#pragma once

#include "analysis/Nedenler.h"
#include "analysis/PlanKarsilastirmasi.h"
#include "kernel/Cizelge.h"
#include "store/Kayitlar.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// One activity's figures, in days from the project start, and why it matters.
struct FaaliyetAnalizi {
    QString kodu;
    QString adi;
    qint32 es = 0, ef = 0; // as the main window shows them
    qint32 ls = 0, lf = 0;
    qint32 toplamBolluk = 0;  // LS − ES
    qint32 serbestBolluk = 0; // the earliest successor's ES, never later than F (F without one), less EF
    bool kritik = false;      // no total float
    // The date of working day ES, and its finish date, BitisTarihi(calendar, start, ES, EF):
    // working day EF − 1, a milestone's working day ES; both invalid without a start date.
    QDate baslama, bitis;
    NedenSatirlari neden;     // why it is critical, or what stops it slipping further
};

// The analysis of a project's network.
struct AgAnalizi {
    // Why the network could not be computed, and then no figures at all; the rows as stored
    // beside it, which its words name (AnalizMetinleri::Hesaplanamiyor).
    HataYeri hata;
    QVector<KayitliFaaliyet> hataliSatirlar;
    QVector<FaaliyetAnalizi> faaliyetler; // in stored order
    qint32 projeBitisGunu = 0;            // F, the largest EF
    // The plan's one graph, shared with the main window's pass: row i's predecessors, each once,
    // as listed, are the rows ag.onceki[ag.girenBasi[i] .. ag.girenBasi[i + 1]).
    PlanAgi ag;

    QVector<QStringList> kritikYollar; // by the codes along them (a code stored twice by its row), at most KritikYolSiniri
    QString kritikYolSayisi;           // exact, decimal digits
    QString kalanYolSayisi;            // the paths beyond those listed, decimal digits; empty when none

    QString anaPenceredekiYol;      // the "Hesaplanan Kritik Yol" as the main window shows it: empty for one activity
    int anaPenceredekiYolSirasi = -1; // its place in kritikYollar; -1 when it is not listed there
    bool anaPenceredekiYolKritik = false; // it is one of the critical paths (listed or beyond the cap)

    PlanKarsilastirmasi plan;
    QDate ilkIsGunu;  // the date of day 0; invalid without a start date
    IsTakvimi takvim; // the project's, which every date above and every date shown of them counts by
};

inline constexpr int KritikYolSiniri = 1000;

// The codes of row i's predecessors, each once, in the order listed.
QStringList Oncekileri(const AgAnalizi& analiz, int i);

// The analysis of the activities as stored, in their stored order, and the project's
// dates. ES, EF and the main window's path are the main window's own; a network it
// cannot compute gets its explanation and nothing else.
AgAnalizi AnaliziHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const KayitliProje& proje);
// The same over the forward pass already worked out for them.
AgAnalizi AnaliziHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const KayitliProje& proje, const Cizelge& cizelge);
