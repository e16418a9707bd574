// The MSPDI reader on arbitrary bytes: no crash, no hang, a refusal with its reason or
// a plan that MspdiYaz writes and MspdiOku reads back the same.
#include "GeriOkuma.h"
#include "export/MspdiYazimi.h"
#include "import/MspdiOkuma.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    const QByteArray icerik(reinterpret_cast<const char*>(veri), qsizetype(boyut));
    GeriOkunmali(
        MspdiOku(icerik), [](const Rapor& rapor, QByteArray& xml) { return !MspdiYaz(rapor, xml); },
        [](const QByteArray& xml) { return MspdiOku(xml); });
    return 0;
}
