// The server address reader on arbitrary text: no crash, no hang; an address it reads
// comes back the same, less its secrets, from what Kavrion keeps in its settings; what it
// shows does not depend on the password, so never holds it; and the connect options handed
// to Qt's driver read back as the same keys and values.
#include "Dogrula.h"
#include "store/SunucuAdresi.h"

#include <QSqlDatabase>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    SunucuAdresi adres;
    if (SunucuAdresiniOku(QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boyut)), adres))
        return 0;
    const SunucuAdresi gizlisiz = GizlisizAdres(adres);
    SunucuAdresi geri;
    Dogrula(!SunucuAdresiniOku(KalinacakAdres(adres), geri) && geri == gizlisiz);
    const QString gosterilen = GosterilecekAdres(adres);
    Dogrula(gosterilen == GosterilecekAdres(gizlisiz));
    Dogrula(adres.parola.isEmpty() || !gosterilen.contains(adres.parola) || KalinacakAdres(gizlisiz).contains(adres.parola));

    static QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz"));
    SunucuAdresi secenekler;
    Dogrula(!BaglantiyaUygula(adres, vt) && !vt.connectOptions().contains(u';') &&
            !SunucuAdresiniOku(vt.connectOptions(), secenekler) && secenekler.sslKipi == adres.sslKipi);
    for (const auto& cift : adres.digerleri)
        Dogrula(secenekler.digerleri.contains(cift));
    return 0;
}
