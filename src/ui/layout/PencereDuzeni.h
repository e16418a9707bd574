#pragma once

#include <QWidget>
#include <type_traits>
#include <vector>


// A window's look as data: caption, client size and every control with its place
// in twips, in tab order. Kurucu builds the widgets from it and hands each to its
// member of the window's typed control struct; the windows add behaviour.
enum class DenetimTuru { Etiket, MetinKutusu, Cerceve, Dugme, Liste, AcilirListe, ListeGorunumu, SayiKutusu };

namespace Ayar {
enum : unsigned {
    Yok = 0,
    SagaYasli = 1 << 0,      // label text against the field on its right
    SaltOkunur = 1 << 1,     // the system writes the text, the user cannot
    SekmeDuragiYok = 1 << 2, // Tab skips it
    Kapali = 1 << 3,         // disabled
    Esc = 1 << 4,            // the window's cancel button
    Lacivert = 1 << 5,       // navy text (fields) or caption (frames)
};
}

// Puts a built widget into its member of a window's control struct.
using Yuva = void (*)(void* denetimler, QWidget* denetim);

struct DenetimDuzeni {
    const char* ad;      // the control's name, also its objectName
    DenetimTuru tur;
    const char* baslik;  // caption; "&" marks the access key
    bool cercevede;      // placed inside the window's frame rather than on the window
    int sol, ust, genislik, yukseklik; // twips
    unsigned ayarlar;
    Yuva yuva = nullptr; // none for labels, which no code needs
};

struct SutunDuzeni {
    const char* baslik;
    Qt::Alignment hizalama;
    int genislik; // twips
};

struct PencereDuzeni {
    const char* baslik;
    bool anaPencere; // a main window: minimise button, task bar; otherwise an owned dialog
    int genislik, yukseklik; // client area, twips
    std::vector<DenetimDuzeni> denetimler; // in tab order
};

// A layout whose slots all belong to the control struct D, so that building it can
// only ever fill a D.
template <typename D>
struct TurluDuzen : PencereDuzeni {};

template <typename Uye>
struct UyeninDenetimi;
template <typename S, typename W>
struct UyeninDenetimi<W* S::*> {
    using Tur = W;
};

// The slot of member Ü (of D or of a base of D).
template <typename D, auto U>
void Yerlestir(void* denetimler, QWidget* denetim)
{
    using W = typename UyeninDenetimi<decltype(U)>::Tur;
    Q_ASSERT_X(dynamic_cast<W*>(denetim), "Yerleştir", "the layout's control kind does not fit its member");
    static_cast<D*>(denetimler)->*U = static_cast<W*>(denetim);
}
