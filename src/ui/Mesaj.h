#pragma once

#include "store/DepoHatasi.h"

#include <QMessageBox>
#include <functional>

class QWidget;

// Every message box of the application goes through here, titled Kavrion, so that
// tests can read what would have been shown and answer it without a modal loop.
namespace Mesaj {

enum class Tur {
    Bilgi, // information icon, OK
    Soru,  // question icon, Yes and No, Yes the default
    Hata,  // critical icon, OK: a store failure with its number
    // Warning icon: work not yet applied is about to be dropped, asked as an editor asks
    // before closing a document: "Uygula" (Save, the default), "Bırak" (Discard) and
    // "Vazgeç" (Cancel, also Esc).
    Uygulanmamis,
};

// Shows the box and gives the button that closed it.
QMessageBox::StandardButton Goster(QWidget* sahibi, const QString& metin, Tur tur);

// Yes/No question; true unless the answer is No.
bool Onayla(QWidget* sahibi, const QString& metin);

// A refused store operation: its number and its Turkish description; the engine's
// own words, if any, under "Ayrıntıları Göster".
void HatayiGoster(QWidget* sahibi, const DepoHatasi& hata);

// A refused write: its box, then, when the file no longer holds what the window
// showed, `yenile` shows what it does hold. After any other failure the screen still
// shows the stored state, and reading again would only repeat the box.
void ReddiGoster(QWidget* sahibi, const DepoHatasi& hata, const std::function<void()>& yenile);

// Replaces the real box; an empty function restores it.
using Gosterici = std::function<QMessageBox::StandardButton(QWidget* sahibi, const QString& baslik,
                                                            const QString& metin, QMessageBox::Icon simge,
                                                            const QString& ayrinti)>;
void GostericiKur(Gosterici gosterici);

} // namespace Mesaj
