#include "app/DegiskenModulu.h"

namespace DegiskenModulu {

const QString VeritabaniBaglantisi = QStringLiteral("Veritabanı");

ProjeDeposu Veritabani()
{
    return ProjeDeposu(VeritabaniBaglantisi);
}

} // namespace DegiskenModulu
