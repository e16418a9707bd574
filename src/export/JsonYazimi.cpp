#include "export/JsonYazimi.h"

// Provisional: the writer lands with the command-line report.
QByteArray JsonYaz(const Rapor&)
{
    return {};
}
