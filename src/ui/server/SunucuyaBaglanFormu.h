#pragma once

#include "store/SunucuAdresi.h"
#include "ui/Diyalog.h"
#include "ui/layout/Duzenler.h"

// "Dosya → Sunucuya Bağlan…": where a PostgreSQL server is, remembered between sessions
// without a password; "Bağlan" moves the running application onto it. An address that
// failed stays in the fields, and in this session's next opening too.
class SunucuyaBaglanFormu : public Diyalog, public SunucuyaBaglanDenetimleri {
public:
    explicit SunucuyaBaglanFormu(const DiyalogBaglami& baglam);

    // The address the fields give; an empty field leaves the key to libpq's default.
    SunucuAdresi Adres() const;

    // Checks the fields and switches the document to the server, asking for a password
    // once should the server want one. Connected: the address is remembered and the dialog
    // closes. Otherwise one box says why and the application stays on what it had; Vazgeç
    // in the password prompt says nothing.
    void BaglanDugmesi_Click();
    void VazgecDugmesi_Click();

    // The settings key of the remembered address (KalinacakAdres: never a password).
    static const QString AyarAnahtari;
};
