#include "export/MspdiYazimi.h"

// Provisional: the writer lands in its own change.
DepoHatası MspdiYaz(const Rapor&, const QDate&, QByteArray&)
{
    return DepoHatası::yeni(DepoHatası::Genel, QStringLiteral("Henüz yok."));
}
