#pragma once

#include "store/Kayitlar.h"

#include <QString>
#include <QVector>
#include <optional>

// The project dialogs' rules, on plain texts: what the windows ask and write back.

// Turkish capitals: "i" becomes "İ", everything else its capital, and "ı" becomes "I".
// Blanks, digits and punctuation pass unchanged; nothing is trimmed.
QString BuyukHarfeCevir(const QString& metin);

// What the date rule does with the text of a date field it has just left.
struct TarihKarari {
    enum class Tur {
        Dokunma, // the field is empty: nothing changes, not even the day count
        Yaz,     // a date: the field gets `metin`, its regional short form
        Reddet,  // not a date: the user is told, the field is emptied
    };
    Tur tur;
    QString metin;
};
TarihKarari TarihMetniniDenetle(const QString& metin);

// The day count as its field shows it: plain decimal digits, a minus sign when the
// end comes first, and "0" when either text is not a date.
QString GunSayisiMetni(const QString& baslama, const QString& bitis);

// The four texts of a project dialog, as the save check reads them.
struct ProjeMetinleri {
    QString ad;
    QString baslama;
    QString bitis;
    QString gunSayisi;
};

// The save check's rows, in the order they are tested; Yok when the save may go on.
enum class EksikBilgi { Yok, ProjeAdi, BaslamaTarihi, BitisTarihi, GunSayisi };
EksikBilgi EksikBilgiyiBul(const ProjeMetinleri& metinler);
// The sentence the project dialogs and the import say for a failed save check; empty for Yok.
QString EksikBilgiMetni(EksikBilgi eksik);
// Every row that fails, in that order, for a form that shows them all at once; the day
// count is tested only when both dates are given, since an empty date already says why.
QVector<EksikBilgi> EksikBilgileriBul(const ProjeMetinleri& metinler);

// The project a save stores, from the dialog's texts; without one, `neden` says
// which date could not be read, for the box.
std::optional<Proje> KaydedilecekProje(const ProjeMetinleri& metinler, QString* neden);
