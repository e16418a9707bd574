#pragma once

#include "store/DepoHatasi.h"
#include "store/SunucuAdresi.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The one place Kavrion asks for a server's password: when the server refused for want of
// one and the address carries none (libpq's own ~/.pgpass, PGPASSFILE and PGPASSWORD were
// tried already). The password goes into the address for the next attempt and nowhere else.
namespace ParolaSorusu {

// What came of asking: a password, set on the address for the next attempt; Vazgeç (or
// Esc), which is no error to report; or the refusal stands: it was of another kind, a
// password was given already, or none was typed.
enum class Sonuc { Verildi, Vazgecildi, Reddedildi };

// After a refusal `hata` of the server at `adres`: asks once, titled "Sunucu Parolası", naming
// the connection as GosterilecekAdres shows it, when the server wants a password the
// address does not carry.
Sonuc Iste(QWidget* sahibi, const DepoHatasi& hata, SunucuAdresi& adres);

// Replaces the real prompt, as Mesaj::GostericiKur does the boxes; an empty function
// restores it. Gives the password, or nothing for Vazgeç.
using Sorucu = std::function<std::optional<QString>(QWidget* sahibi, const QString& baslik, const QString& metin)>;
void SorucuKur(Sorucu sorucu);

} // namespace ParolaSorusu
