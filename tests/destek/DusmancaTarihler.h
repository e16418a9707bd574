#pragma once

// Adds the columns yerel (QLocale), tarih (the text typed) and iso (the date it must
// be stored as; empty when it must be refused) and one row per hostile date: impossible
// days, the edges of the years a date may have, two-digit years, the other locale's
// form and endless digits.
void DüşmancaTarihSatırları();
