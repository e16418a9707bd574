#pragma once

#include <QWidget>
#include <type_traits>
#include <vector>


// A window's look as data: caption, client size and every control with its place
// in twips, in tab order. Kurucu builds the widgets from it and hands each to its
// member of the window's typed control struct; the windows add behaviour.
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

// Puts a built widget into its member of a window's control struct.
using Yuva = void (*)(void* denetimler, QWidget* denetim);

struct DenetimDüzeni {
    const char* ad;      // the control's name, also its objectName
    DenetimTürü tür;
    const char* başlık;  // caption; "&" marks the access key
    bool çerçevede;      // placed inside the window's frame rather than on the window
    int sol, üst, genişlik, yükseklik; // twips
    unsigned ayarlar;
    Yuva yuva = nullptr; // none for labels, which no code needs
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

// A layout whose slots all belong to the control struct D, so that building it can
// only ever fill a D.
template <typename D>
struct TürlüDüzen : PencereDüzeni {};

template <typename Üye>
struct ÜyeninDenetimi;
template <typename S, typename W>
struct ÜyeninDenetimi<W* S::*> {
    using Tür = W;
};

// The slot of member Ü (of D or of a base of D).
template <typename D, auto Ü>
void Yerleştir(void* denetimler, QWidget* denetim)
{
    using W = typename ÜyeninDenetimi<decltype(Ü)>::Tür;
    Q_ASSERT_X(dynamic_cast<W*>(denetim), "Yerleştir", "the layout's control kind does not fit its member");
    static_cast<D*>(denetimler)->*Ü = static_cast<W*>(denetim);
}
