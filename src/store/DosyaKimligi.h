#pragma once

#include <QString>
#include <optional>
#include <sys/stat.h>

// What tells one state of a file from another without reading it: which file the
// path names (device and inode) and its size and modification time.
struct DosyaKimligi {
    dev_t aygit = 0;
    ino_t dugum = 0;
    off_t boyut = 0;
    timespec degisme{};

    bool AyniDosya(const DosyaKimligi& oburu) const { return aygit == oburu.aygit && dugum == oburu.dugum; }
    bool Degismemis(const DosyaKimligi& oburu) const
    {
        return AyniDosya(oburu) && boyut == oburu.boyut && degisme.tv_sec == oburu.degisme.tv_sec
               && degisme.tv_nsec == oburu.degisme.tv_nsec;
    }
};

// One stat of the path; nothing when there is no file there.
std::optional<DosyaKimligi> DosyaKimliginiOku(const QString& yol);
