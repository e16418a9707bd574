#pragma once

#include "store/GeciciBaglanti.h"

#include <QString>
#include <memory>

// The database a tool's command line names: a file, or a PostgreSQL server's address
// (`sunucu`, not empty) instead.
struct VeritabaniSecimi {
    QString veritabani;
    QString sunucu;
};

// Opens it as `acilis` says; without it, the one-line message has been written.
std::unique_ptr<GeciciBaglanti> VeritabaniniAc(const VeritabaniSecimi& secim, ProjeDeposu::Acilis acilis);
// Writes the store's refusal as one line, naming the file or the server without its
// password, and gives back the exit status.
int VeritabaniHatasi(const VeritabaniSecimi& secim, const DepoHatasi& hata);
