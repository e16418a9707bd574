#pragma once

#include "kernel/Cizelge.h"

#include <QString>

// The main window's figures and the reasons a plan cannot be computed, in its Turkish words.
// Whole day counts are written with plain digits, as the window always showed them.
namespace CizelgeMetinleri {

// A row's two cells. The first row finishes after its duration as stored, text another
// program left there included.
QString Es(const Cizelge& cizelge, int satir);
QString Ef(const Cizelge& cizelge, int satir);
// The "En Geç Gün Sayısı" and "En Erken Gün Sayısı" fields: empty when not computed.
QString EnGecGunSayisi(const Cizelge& cizelge);
QString EnErkenGunSayisi(const Cizelge& cizelge);
// The path's codes joined by commas, "A,C,D"; empty when there is none.
QString Yol(const Cizelge& cizelge);
// The "Hesaplanan Kritik Yol" field: the path, or why the project cannot be computed.
QString KritikYol(const Cizelge& cizelge);

// "Hesaplanamıyor: " and the reason for the fault, naming the rows it concerns.
QString Hesaplanamiyor(const HataYeri& hata, const QVector<KayitliFaaliyet>& satirlar);
QString Hesaplanamiyor(const QString& neden);

} // namespace CizelgeMetinleri
