#pragma once

#include <Qt>
#include <vector>

// A window's look as data: caption, client size and every control with its place
// in twips, in tab order. Kurucu builds the widgets from it; the windows add behaviour.
enum class DenetimTürü { Etiket, MetinKutusu, Çerçeve, Düğme, Liste, AçılırListe, ListeGörünümü };

namespace Ayar {
enum : unsigned {
    Yok = 0,
    SağaYaslı = 1 << 0,      // label text against the field on its right
    SaltOkunur = 1 << 1,     // the system writes the text, the user cannot
    SekmeDurağıYok = 1 << 2, // Tab skips it
    Kapalı = 1 << 3,         // disabled
    Esc = 1 << 4,            // the window's cancel button
    Lacivert = 1 << 5,       // navy text (fields) or caption (frames)
};
}

struct DenetimDüzeni {
    const char* ad;      // the control's name, also its objectName
    DenetimTürü tür;
    const char* başlık;  // caption; "&" marks the access key
    bool çerçevede;      // placed inside the window's frame rather than on the window
    int sol, üst, genişlik, yükseklik; // twips
    unsigned ayarlar;
};

struct SütunDüzeni {
    const char* başlık;
    Qt::Alignment hizalama;
    int genişlik; // twips
};

struct PencereDüzeni {
    const char* başlık;
    bool anaPencere; // a main window: minimise button, task bar; otherwise an owned dialog
    int genişlik, yükseklik; // client area, twips
    std::vector<DenetimDüzeni> denetimler; // in tab order
};

namespace Düzenler {
const PencereDüzeni& TemelForm();
const PencereDüzeni& ProjeEklemeFormu();
const PencereDüzeni& ProjeDeğiştirFormu();
const PencereDüzeni& FaaliyetEklemeFormu();
const PencereDüzeni& FaaliyetDeğiştirmeFormu();
// Columns of the main window's activity list, left to right.
const std::vector<SütunDüzeni>& FaaliyetlerListesiSütunları();
} // namespace Düzenler
