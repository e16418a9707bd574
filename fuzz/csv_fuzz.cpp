// The CSV reader on arbitrary bytes, under the regional settings the first byte picks:
// no crash, no hang, a refusal with its reason or a plan that CsvYaz writes and CsvOku
// reads back the same.
#include "GeriOkuma.h"
#include "export/CsvYazimi.h"
#include "import/CsvOkuma.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    if (boyut == 0)
        return 0;
    static const QLocale yereller[] = {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey),
                                       QLocale(QLocale::English, QLocale::UnitedStates)};
    const QLocale& yerel = yereller[veri[0] % 3];
    const QByteArray icerik(reinterpret_cast<const char*>(veri + 1), qsizetype(boyut - 1));
    GeriOkunmali(
        CsvOku(icerik, yerel), [&](const Rapor& rapor, QByteArray& csv) { return !(csv = CsvYaz(rapor, yerel)).isEmpty(); },
        [&](const QByteArray& csv) { return CsvOku(csv, yerel); });
    return 0;
}
