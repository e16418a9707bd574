#pragma once

#include <QString>
#include <optional>
#include <sys/stat.h>

// What tells one state of a file from another without reading it: which file the
// path names (device and inode) and its size and modification time.
struct DosyaKimliği {
    dev_t aygıt = 0;
    ino_t düğüm = 0;
    off_t boyut = 0;
    timespec değişme{};

    bool AynıDosya(const DosyaKimliği& öbürü) const { return aygıt == öbürü.aygıt && düğüm == öbürü.düğüm; }
    bool Değişmemiş(const DosyaKimliği& öbürü) const
    {
        return AynıDosya(öbürü) && boyut == öbürü.boyut && değişme.tv_sec == öbürü.değişme.tv_sec
               && değişme.tv_nsec == öbürü.değişme.tv_nsec;
    }
};

// One stat of the path; nothing when there is no file there.
std::optional<DosyaKimliği> DosyaKimliğiniOku(const QString& yol);
