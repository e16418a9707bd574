#pragma once

#include "store/GecmisAdimi.h"

#include <QString>

// A step as the Edit menu and the history name it: "Faaliyet Ekle (D) – DEPO BİNASI".
QString AdimAdi(const GecmisAdimi& adim);
