#pragma once

#include "store/Kayitlar.h"

#include <QStringList>
#include <QVector>
#include <optional>

// A plan read from another program's file, as the import would store it; nothing is
// written before the user has seen it.
struct AktarimPlani {
    // The name as the file gives it (the preview applies the project-name rule); a date
    // the file lacks is an invalid QDate, for the user to type, never today.
    Proje proje;
    // In stored order, codes "A", "B", … in that order; predecessors "A,C", only codes above.
    QVector<Faaliyet> faaliyetler;
    QStringList rapor;           // every conversion, one line each, naming the task
    QStringList onaylanacaklar;  // what Kavrion cannot hold, one line per task, and what happens to it
    QString onayMetni;           // the check box's text: exactly what happens if accepted; empty without onaylanacaklar
    QStringList okuma;           // what was detected and how the file was read
    QHash<QString, UcNoktaTahmini> tahminler; // three-point estimates the file gives, by the new code
    ProjeTakvimi takvim;         // the file's calendar as Kavrion holds it; "Her gün" when it has none
    ProjeIlerlemesi ilerleme;    // the status date and progress the file gives, by the new code
    TabanPlanlari tabanlar;      // the baselines the file gives, their rows by the new code
};

// A plan, or the refusal with its reason (Turkish, one paragraph).
struct AktarimSonucu {
    std::optional<AktarimPlani> plan;
    QString ret;
};
