#pragma once

#include "kernel/Takvim.h"
#include "rules/BagKurallari.h"
#include "rules/IlerlemeKurallari.h"
#include "rules/TakvimKurallari.h"
#include "store/DepoHatasi.h"
#include "store/Kayitlar.h"

#include <QString>
#include <QVector>
#include <optional>
#include <variant>

class ProjeDeposu;

// The writes, each built from typed values by the window that asks for it. A
// change or delete names the rows as the window showed them, and is written only
// while the file still holds exactly those.
struct ProjeEkleKomutu {
    Proje proje;
};
struct ProjeDegistirKomutu {
    KayitliProje eski;
    Proje yeni;
};
struct ProjeSilKomutu {
    KayitliProje proje;
};
struct FaaliyetEkleKomutu {
    QString proje;
    Faaliyet faaliyet; // its code as SonrakiKodu gave it
};
struct FaaliyetDegistirKomutu {
    QString proje;
    KayitliFaaliyet eski;
    Faaliyet yeni; // the code stays eski's
};
// Deletes the activity with the greatest code among those shown.
struct SonFaaliyetiSilKomutu {
    QString proje;
    QVector<KayitliFaaliyet> gosterilenler;
};
struct TumFaaliyetleriSilKomutu {
    QString proje;
    QVector<KayitliFaaliyet> gosterilenler;
};

// New projects with their activities, all in one step: what an import writes.
struct IceAktarKomutu {
    QVector<TamProje> projeler;
};

// An activity's three-point estimate set (yeni) or removed (none), over `eski` as shown.
struct TahminDegistirKomutu {
    QString proje;
    QString kodu;
    std::optional<UcNoktaTahmini> eski;
    std::optional<UcNoktaTahmini> yeni;
};

// The distribution the project's simulation draws from, set over `eski` as shown.
struct DagilimDegistirKomutu {
    QString proje;
    Dagilim eski = Dagilim::Pert;
    Dagilim yeni = Dagilim::Pert;
};

// The project's calendar, set over `eski` as shown: its week, arife setting and exceptions.
struct TakvimDegistirKomutu {
    QString proje;
    ProjeTakvimi eski;
    ProjeTakvimi yeni;
};

// New durations for the activities as shown, all in one step: a what-if applied.
struct SureleriDegistirKomutu {
    QString proje;
    QVector<KayitliFaaliyet> eskiler;
    QVector<qint32> yeniler;
};

// The project's status date, set (invalid: cleared) over `eski` as shown.
struct DurumTarihiKomutu {
    QString proje;
    QDate eski, yeni;
};

// An activity's progress set (yeni) or removed (none), over `eski` as shown (none: no row).
struct IlerlemeKomutu {
    QString proje;
    QString kodu;
    std::optional<FaaliyetIlerlemesi> eski, yeni;
};

// A new baseline of the project; its number is the lowest free one when it is written.
struct TabanKaydetKomutu {
    QString proje;
    TabanPlani yeni;
};
struct TabanAdlandirKomutu {
    QString proje;
    qint32 numara = 0;
    QString eskiAd, yeniAd;
};
// Deletes the baseline as shown; when it was the one compared, none is compared after.
struct TabanSilKomutu {
    QString proje;
    TabanPlani eski;
};
// The baseline progress is compared with (-1: none), set over `eski` as shown.
struct TabanSecKomutu {
    QString proje;
    qint32 eski = -1, yeni = -1;
};

using Komut = std::variant<ProjeEkleKomutu, ProjeDegistirKomutu, ProjeSilKomutu, FaaliyetEkleKomutu,
                           FaaliyetDegistirKomutu, SonFaaliyetiSilKomutu, TumFaaliyetleriSilKomutu, IceAktarKomutu,
                           TahminDegistirKomutu, SureleriDegistirKomutu, DagilimDegistirKomutu,
                           TakvimDegistirKomutu, DurumTarihiKomutu, IlerlemeKomutu, TabanKaydetKomutu,
                           TabanAdlandirKomutu, TabanSilKomutu, TabanSecKomutu>;

// Why a command wrote nothing.
struct KomutHatasi {
    DepoHatasi depo;      // the store refused, or could not read what a rule needs
    QString yersizOnceki; // a predecessor that was not added before the activity
    TakvimReddi takvim;   // a calendar (set, or imported with a project) that breaks its rules
    BagReddi bag = {};    // links (written, or imported with a project) that break their rules
    IlerlemeReddi ilerleme = {}; // progress, a status date or a baseline that breaks their rules

    explicit operator bool() const
    {
        return bool(depo) || !yersizOnceki.isEmpty() || bool(takvim) || bool(bag) || bool(ilerleme);
    }
};

// Checks the command by the plan's rules and writes it in one transaction.
KomutHatasi KomutuUygula(const ProjeDeposu& depo, const Komut& komut);

// Whether the command rewrites the project list (rather than one project's activities).
bool ProjeKomutuMu(const Komut& komut);

// The code a new activity of the project gets: the one after the greatest stored. No
// code when the project has run out of them ("~" was the last).
DepoHatasi SonrakiKodu(const ProjeDeposu& depo, const QString& proje, std::optional<QString>& kod);
// The same for activities already read.
std::optional<QString> SonrakiKodu(const QVector<KayitliFaaliyet>& faaliyetler);
