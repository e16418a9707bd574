#pragma once

#include "export/JsonYazici.h"

// The project's progress and baselines as the analysis JSON carries them, after its
// activities, and only when it has a status date, progress or a baseline:
//   "durumTarihi": the status date or null,
//   "ilerleme": [{"kodu", "gercekBaslama", "gercekBitis" (null when not given), "yuzde",
//                 "kalan": the remaining days as given, null when they follow from the percent}, …]
//               in the activities' stored order,
//   "tabanlar": [{"numara", "ad", "kayitTarihi", "baslama", "bitis", "karsilastirilan": bool,
//                 "satirlar": [{"kodu", "baslama", "bitis", "sure"}, …]}, …] by number.
void JsonIlerlemesiniYaz(JsonYazici& y, const Rapor& rapor);
