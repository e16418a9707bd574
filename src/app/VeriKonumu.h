#pragma once

#include "store/DepoHatasi.h"

#include <QString>

// Where the plan file is when Kavrion is started without one.
struct VeriKonumu {
    QString yol;
    // In the user's data folder, made there on the first start; otherwise the file
    // beside the program, which is never made (a missing one is said at start-up).
    bool veriKlasorunde = false;
};

// A program folder that holds Proje.mdb (`dosyaVar`), or that the user may write (a copy
// run from where it was built or unpacked), keeps its file beside it. An installed program,
// whose folder the user cannot write, or any folder under /usr, which belongs to the package
// manager even for root, keeps it in $XDG_DATA_HOME/kavrion (an absolute XDG_DATA_HOME only,
// as the XDG rules say), else in `ev`/.local/share/kavrion.
VeriKonumu VeriKonumuSec(const QString& programKlasoru, bool dosyaVar, bool yazilabilir,
                         const QString& xdgDataHome, const QString& ev);
// The same for this program and user, as the file system and the environment tell.
VeriKonumu VarsayilanVeriKonumu();

// Makes the data folder's Proje.mdb from the schema when it is not there yet (the folder
// too, for this user only); `olusturuldu` tells whether it was made now. A file that is
// there, even a broken one, is left as it is.
DepoHatasi VeriDosyasiniHazirla(const QString& yol, bool& olusturuldu);
