#include "app/KomutSatiri.h"

namespace {

const QString Sunucu = QStringLiteral("--sunucu");

} // namespace

KomutSatiri KomutSatiriniOku(const QStringList& argumanlar)
{
    const qsizetype son = argumanlar.indexOf(QStringLiteral("--"));
    const QStringList secenekler = argumanlar.mid(1, son < 0 ? -1 : son - 1);
    const QStringList dosyalar = son < 0 ? QStringList() : argumanlar.mid(son + 1);
    KomutSatiri komut;
    if (secenekler.contains(QStringLiteral("--help")) || secenekler.contains(QStringLiteral("-h")))
        return {KomutSatiri::Is::Yardim, {}, {}, {}};
    if (secenekler.contains(QStringLiteral("--version")))
        return {KomutSatiri::Is::Surum, {}, {}, {}};
    QStringList adlar;
    for (qsizetype i = 0; i < secenekler.size() && komut.hatali.isEmpty(); ++i) {
        const QString& a = secenekler[i];
        if (a == Sunucu) // with nothing after it: libpq's default connection
            komut.sunucu = secenekler.value(++i);
        else if (a.startsWith(Sunucu + QLatin1Char('=')))
            komut.sunucu = a.mid(Sunucu.size() + 1);
        else if (a.startsWith(QLatin1Char('-')))
            komut.hatali = a;
        else
            adlar << a;
    }
    adlar += dosyalar;
    // One file, or a server: two of them is a mistake, not a choice of one.
    if (komut.hatali.isEmpty() && (adlar.size() > 1 || (komut.sunucu && !adlar.isEmpty())))
        komut.hatali = adlar.last();
    if (!komut.hatali.isEmpty())
        komut.is = KomutSatiri::Is::Hatali;
    else
        komut.dosya = adlar.value(0);
    return komut;
}

QString YardimMetni()
{
    return QStringLiteral(
        "Kullanım: kavrion [DOSYA.mdb]\n"
        "         kavrion --sunucu BAĞLANTI\n"
        "  Kritik yol yöntemiyle proje planlama. DOSYA verilmezse programın klasöründeki\n"
        "  Proje.mdb açılır; kurulu programda (klasörü yazılamıyorsa) kullanıcının veri\n"
        "  klasöründeki kavrion/Proje.mdb (ilk açılışta oluşturulur). Verilen DOSYA\n"
        "  hiçbir zaman oluşturulmaz.\n"
        "\n"
        "Seçenekler:\n"
        "  --sunucu BAĞLANTI  planları bir PostgreSQL sunucusunda açar (libpq bağlantı\n"
        "                     metni ya da postgresql:// adresi)\n"
        "  --version          sürümü yazar\n"
        "  -h, --help         bu yardımı yazar\n"
        "  --                 sonrakiler dosya adıdır (\"-\" ile başlayan ad için)\n"
        "\n"
        "Çıkış durumu: 0 olağan, 1 dosya ya da sunucu açılamadı, 2 kullanım hatası.");
}

QString SurumMetni()
{
    return QStringLiteral("kavrion %1").arg(QStringLiteral(KAVRION_SURUMU));
}

QString KullanimHatasi(const QString& hatali)
{
    return QStringLiteral("kavrion: geçersiz argüman \"%1\"; yardım için: kavrion --help").arg(hatali);
}
