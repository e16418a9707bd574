#pragma once

#include "KomutSatiri.h"
#include "export/Rapor.h"

#include <QByteArray>
#include <QStringList>

// What every command reads and writes, each returning the exit status: on failure
// the one-line message has been written and nothing else happened.

// Every project's name, from the database opened read-only.
int ProjeleriAl(const RaporKomutu& komut, QStringList& adlar);
// The project named exactly komut.proje, its analysis and estimates, from the database
// opened read-only; `faaliyetler`, when given, gets the activities as stored.
int RaporuAl(const RaporKomutu& komut, Rapor& rapor, QVector<KayitliFaaliyet>* faaliyetler = nullptr);
// Writes komut.çıktı whole, or leaves any file already there as it was.
int DosyayaKaydet(const RaporKomutu& komut, const QByteArray& icerik);
