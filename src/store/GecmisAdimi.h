#pragma once

#include <QDateTime>
#include <QString>

// The history keeps at least this many steps: once GecmisPayi more have come, the
// oldest beyond it go together.
constexpr int GecmisSiniri = 10000;
constexpr int GecmisPayi = 100;

// The writes, in the numbers the history stores them under.
enum class AdimTuru {
    ProjeEkle = 1,
    ProjeDegistir,
    ProjeSil,
    FaaliyetEkle,
    FaaliyetDegistir,
    SonFaaliyetiSil,
    TumFaaliyetleriSil,
    IceAktar,
    TahminDegistir,
    SureleriDegistir,
    DagilimDegistir,
    TakvimDegistir,
    DurumTarihi,
    Ilerleme,
    TabanKaydet,
    TabanAdlandir,
    TabanSil,
    TabanSec,
};

// One recorded write, as the history lists it.
struct GecmisAdimi {
    qint64 kimlik = 0; // 0: no step
    AdimTuru tur{};
    QString projeOnce;  // the project's name before the step, empty if none: shown after an undo
    QString projeSonra; // and after it: shown after a redo
    QString kodu;       // the activity's code ("C,D" for several); empty for a step on the project or
                        // all its activities; for an import of several projects, how many
    QDateTime zaman;    // UTC
    bool uygulandi = true;
};

// How the store ends its refusal of a step undone (geri) or redone: nothing of that step
// was written.
inline QString AdimReddininSonu(bool geri)
{
    return geri ? QStringLiteral("; geri alınamadı, hiçbir şey yazılmadı.")
                : QStringLiteral("; yinelenemedi, hiçbir şey yazılmadı.");
}
