#include "app/DegiskenModulu.h"

namespace DeğişkenModülü {

const QString VeritabanıBağlantısı = QStringLiteral("Veritabanı");

ProjeDeposu Veritabanı()
{
    return ProjeDeposu(VeritabanıBağlantısı);
}

} // namespace DeğişkenModülü
