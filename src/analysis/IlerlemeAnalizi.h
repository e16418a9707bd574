#pragma once

#include "analysis/AgAnalizi.h"
#include "kernel/Ilerleme.h"

#include <QDate>
#include <QStringList>
#include <QVector>

// One activity as the progress leaves it: its forecast from the status date, and the
// compared baseline's dates beside it.
struct FaaliyetTahmini {
    // Working days from the project's first working day, as the plan counts them: the
    // work runs on days es … ef − 1.
    qint32 es = 0, ef = 0, ls = 0, lf = 0;
    qint32 toplamBolluk = 0, serbestBolluk = 0;
    bool kritik = false;
    QDate baslama, bitis; // the forecast's dates (actual ones where the work happened)
    bool basladi = false, bitti = false;
    bool siraDisi = false; // started while a predecessor's link did not yet allow it
    qint32 yuzde = 0;      // percent complete
    qint32 kalan = 0;      // remaining working days
    bool tabandaVar = false; // the compared baseline holds its code
    QDate tabanBaslama, tabanBitis;
    // Forecast less baseline, in working days of the project's calendar: positive is late.
    qint32 baslamaSapmasi = 0, bitisSapmasi = 0;
};

// The project's forecast from its status date and, with a compared baseline, where it
// stands against it. Work counts as done up to and including the status date; what
// remains starts on the first working day after it. Schedule performance is told in
// activity-days (a day's work of one activity), not money.
struct IlerlemeAnalizi {
    bool var = false; // a status date, a start date and a computable network: the rest is filled in
    QDate durumTarihi;
    qint32 durumSonrasiGunu = 0; // the first working day after it, where remaining work starts
    QVector<FaaliyetTahmini> faaliyetler; // in stored order
    qint32 projeBitisGunu = 0;            // the forecast F
    QDate bitis;                          // the forecast finish date
    QVector<QStringList> kritikYollar;    // of the forecast, at most KritikYolSiniri

    bool tabanVar = false; // a baseline is compared: what follows is filled in
    QString tabanAdi;
    QDate tabanBitis;
    qint32 bitisSapmasi = 0; // forecast finish less the baseline's, in working days
    // PV: the baseline's activity-days scheduled up to the status date; EV: each baseline
    // duration times its percent complete, summed; SV = EV − PV; SPI = EV / PV (NaN while
    // PV is 0). kazanilmisTakvim (ES): the time in working days from the baseline start at
    // which the baseline's cumulative PV equals EV; gecenSure (AT): working days from the
    // baseline start through the status date; SPI(t) = ES / AT (NaN while AT is not
    // positive). esBitis: the baseline duration divided by SPI(t), counted from the
    // baseline start; invalid when SPI(t) is not positive.
    double pv = 0, ev = 0, sv = 0, spi = 0, kazanilmisTakvim = 0, gecenSure = 0, spiT = 0;
    QDate esBitis;
    int siraDisiSayisi = 0;
};

// The forecast of the analysed plan from the progress, compared with `taban` when given.
// Nothing is computed without a status date, a project start or with a network the
// analysis could not compute.
IlerlemeAnalizi IlerlemeyiHesapla(const AgAnalizi& analiz, const ProjeIlerlemesi& ilerleme, const TabanPlani* taban);

// The baseline progress is compared with; none when none is chosen or it is gone.
const TabanPlani* KarsilastirilanTaban(const TabanPlanlari& tabanlar);
