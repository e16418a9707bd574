#include "store/SunucuAdresi.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace {

const QLatin1String Host("host"), Port("port"), Dbname("dbname"), User("user"), Password("password"),
    Sslmode("sslmode");

DepoHatasi Hata(const QString& neden)
{
    return DepoHatasi::yeni(DepoHatasi::Uyumsuz, QStringLiteral("Sunucu adresi okunamadı: %1.").arg(neden));
}

// libpq's isspace() in the C locale.
bool Bosluk(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// What a key of `digerleri` may not be. Its name is quoted only when it looks like a key,
// so a password cut in two by a missing quote is not echoed back.
DepoHatasi AnahtarHatasi(const QString& anahtar)
{
    static const QStringList alanlar{Host, Port, Dbname, User, Password, Sslmode, QStringLiteral("requiressl")};
    bool bicimli = !anahtar.isEmpty() && anahtar.size() <= 40 && anahtar.front().isLower();
    for (const QChar c : anahtar)
        bicimli = bicimli && c.unicode() < 128 && (c.isLower() || c.isDigit() || c == u'_');
    if (!bicimli)
        return Hata(QStringLiteral("geçersiz bir anahtar adı var (anahtarlar küçük harf, rakam ve '_' ile yazılır)"));
    if (anahtar == QLatin1String("options"))
        return Hata(QStringLiteral("'options' verilemez: sunucu oturumunun ayarlarını Kavrion kendisi yapar"));
    if (anahtar == QLatin1String("replication"))
        return Hata(QStringLiteral("'replication' verilemez: Kavrion çoğaltma bağlantısıyla çalışmaz"));
    if (alanlar.contains(anahtar))
        return Hata(QStringLiteral("'%1' diğer anahtarlar arasında verilemez").arg(anahtar));
    return {};
}

// One key as libpq stores it: the last one given wins.
DepoHatasi Ata(SunucuAdresi& adres, QString anahtar, QString deger)
{
    if (anahtar == QLatin1String("requiressl")) {
        anahtar = Sslmode;
        deger = deger.startsWith(u'1') ? QStringLiteral("require") : QStringLiteral("prefer");
    }
    QString* alan = anahtar == Host       ? &adres.sunucu
                    : anahtar == Port     ? &adres.port
                    : anahtar == Dbname   ? &adres.veritabani
                    : anahtar == User     ? &adres.kullanici
                    : anahtar == Password ? &adres.parola
                    : anahtar == Sslmode  ? &adres.sslKipi
                                          : nullptr;
    if (alan) {
        *alan = deger;
        return {};
    }
    if (DepoHatasi hata = AnahtarHatasi(anahtar))
        return hata;
    for (auto& cift : adres.digerleri) {
        if (cift.first == anahtar) {
            cift.second = deger;
            return {};
        }
    }
    adres.digerleri.append({anahtar, deger});
    return {};
}

// libpq's keyword/value form: blanks around '=', a value in single quotes or up to the next
// blank, a backslash taking the next character as it is in both.
DepoHatasi AnahtarDegerOku(const QString& metin, SunucuAdresi& adres)
{
    const qsizetype n = metin.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && Bosluk(metin[i]))
            ++i;
        if (i == n)
            return {};
        const qsizetype basi = i;
        while (i < n && metin[i] != u'=' && !Bosluk(metin[i]))
            ++i;
        const QString anahtar = metin.mid(basi, i - basi);
        while (i < n && Bosluk(metin[i]))
            ++i;
        if (i == n || metin[i] != u'=')
            return Hata(QStringLiteral("%1. karakterden başlayan anahtarın ardından '=' yok (bir sunucu için "
                                       "host=AD dbname=VERİTABANI ya da postgresql://AD/VERİTABANI yazın)")
                            .arg(basi + 1));
        ++i;
        while (i < n && Bosluk(metin[i]))
            ++i;
        QString deger;
        const bool tirnakli = i < n && metin[i] == u'\'';
        if (tirnakli)
            ++i;
        while (true) {
            if (i == n) {
                if (tirnakli)
                    return Hata(QStringLiteral("tırnakla başlayan bir değerin kapanış tırnağı yok"));
                break;
            }
            const QChar c = metin[i++];
            if (tirnakli ? c == u'\'' : Bosluk(c))
                break;
            if (c == u'\\') {
                if (i < n)
                    deger += metin[i++];
            } else {
                deger += c;
            }
        }
        if (DepoHatasi hata = Ata(adres, anahtar, deger))
            return hata;
    }
}

// A URI part with its %XX decoded, as UTF-8 text; `parca` names the part in a refusal.
DepoHatasi Coz(const QByteArray& kodlu, const QString& parca, QString& sonuc)
{
    QByteArray bayt;
    for (qsizetype i = 0; i < kodlu.size(); ++i) {
        if (kodlu[i] != '%') {
            bayt += kodlu[i];
            continue;
        }
        const auto onaltilik = [&](qsizetype j) {
            const char c = j < kodlu.size() ? kodlu[j] : 0;
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        };
        if (!onaltilik(i + 1) || !onaltilik(i + 2))
            return Hata(QStringLiteral("%1 içinde '%' ardından iki onaltılık rakam gelmeli").arg(parca));
        const int kod = kodlu.mid(i + 1, 2).toInt(nullptr, 16);
        if (kod == 0)
            return Hata(parca + QStringLiteral(" içinde %00 olamaz"));
        bayt += char(kod);
        i += 2;
    }
    sonuc = QString::fromUtf8(bayt);
    if (sonuc.toUtf8() != bayt)
        return Hata(QStringLiteral("%1 geçerli bir UTF-8 metni değil").arg(parca));
    return {};
}

DepoHatasi CozAta(SunucuAdresi& adres, const QString& anahtar, const QByteArray& kodlu, const QString& parca)
{
    QString deger;
    DepoHatasi hata = Coz(kodlu, parca, deger);
    return hata ? hata : Ata(adres, anahtar, deger);
}

bool AyiriciMi(const char* ayiricilar, char c)
{
    return c != 0 && std::strchr(ayiricilar, c);
}

// Where a URI is read up to, and where its parts end.
struct UriImleci {
    const QByteArray& uri;
    qsizetype i;

    // The first of `ayiricilar` from j on, or the end.
    qsizetype Sinir(qsizetype j, const char* ayiricilar) const
    {
        while (j < uri.size() && !AyiriciMi(ayiricilar, uri[j]))
            ++j;
        return j;
    }
    char Burada() const { return i < uri.size() ? uri[i] : 0; }
};

// user[:password]@, when an '@' comes before any '/'.
DepoHatasi KimlikOku(UriImleci& u, SunucuAdresi& adres)
{
    const qsizetype kimlikSonu = u.Sinir(u.i, "@/");
    if (kimlikSonu == u.uri.size() || u.uri[kimlikSonu] != '@')
        return {};
    const QByteArray kimlik = u.uri.mid(u.i, kimlikSonu - u.i);
    const qsizetype ikiNokta = kimlik.indexOf(':');
    const QByteArray kullanici = kimlik.left(ikiNokta < 0 ? kimlik.size() : ikiNokta);
    if (!kullanici.isEmpty())
        if (DepoHatasi hata = CozAta(adres, User, kullanici, QStringLiteral("kullanıcı adı")))
            return hata;
    if (ikiNokta >= 0 && ikiNokta + 1 < kimlik.size())
        if (DepoHatasi hata = CozAta(adres, Password, kimlik.mid(ikiNokta + 1), QStringLiteral("parola")))
            return hata;
    u.i = kimlikSonu + 1;
    return {};
}

// One host, a name up to its end or an IPv6 address in brackets, appended to `sunucular`.
DepoHatasi SunucuOku(UriImleci& u, QByteArray& sunucular)
{
    const QByteArray& uri = u.uri;
    if (u.Burada() != '[') {
        const qsizetype son = u.Sinir(u.i, ":/?,");
        sunucular += uri.mid(u.i, son - u.i);
        u.i = son;
        return {};
    }
    const qsizetype kapanis = uri.indexOf(']', u.i + 1);
    if (kapanis < 0)
        return Hata(QStringLiteral("IPv6 adresinin ']' kapanışı yok"));
    if (kapanis == u.i + 1)
        return Hata(QStringLiteral("köşeli ayraçlar arasında IPv6 adresi yok"));
    sunucular += uri.mid(u.i + 1, kapanis - u.i - 1);
    u.i = kapanis + 1;
    if (u.i < uri.size() && !AyiriciMi(":/?,", uri[u.i]))
        return Hata(QStringLiteral("IPv6 adresinin ']' kapanışından sonra ':', '/', '?' ya da ',' gelmeli"));
    return {};
}

// host[:port][,...]; `kesen` is what ended the list.
DepoHatasi SunuculariOku(UriImleci& u, SunucuAdresi& adres, char& kesen)
{
    QByteArray sunucular, portlar;
    while (true) {
        if (DepoHatasi hata = SunucuOku(u, sunucular))
            return hata;
        kesen = u.Burada();
        if (kesen == ':') {
            const qsizetype son = u.Sinir(u.i + 1, "/?,");
            portlar += u.uri.mid(u.i + 1, son - u.i - 1);
            u.i = son;
            kesen = u.Burada();
        }
        if (kesen != ',')
            break;
        ++u.i;
        sunucular += ',';
        portlar += ',';
    }
    if (!sunucular.isEmpty())
        if (DepoHatasi hata = CozAta(adres, Host, sunucular, QStringLiteral("sunucu adı")))
            return hata;
    if (!portlar.isEmpty())
        if (DepoHatasi hata = CozAta(adres, Port, portlar, QStringLiteral("port")))
            return hata;
    return {};
}

// /dbname, when the hosts ended at '/'.
DepoHatasi VeritabaniOku(UriImleci& u, char kesen, SunucuAdresi& adres)
{
    if (kesen != '/')
        return {};
    const qsizetype son = u.Sinir(u.i + 1, "?");
    const QByteArray veritabani = u.uri.mid(u.i + 1, son - u.i - 1);
    if (!veritabani.isEmpty())
        if (DepoHatasi hata = CozAta(adres, Dbname, veritabani, QStringLiteral("veritabanı adı")))
            return hata;
    u.i = son;
    return {};
}

// The query: key=value pairs joined by '&'; JDBC's ssl=true is sslmode=require.
DepoHatasi ParametreleriOku(UriImleci& u, SunucuAdresi& adres)
{
    for (++u.i; u.i < u.uri.size();) {
        const qsizetype son = u.Sinir(u.i, "&");
        const QByteArray cift = u.uri.mid(u.i, son - u.i);
        const qsizetype esittir = cift.indexOf('=');
        if (esittir < 0 || cift.indexOf('=', esittir + 1) >= 0)
            return Hata(QStringLiteral("'?' ardındaki her parametre tek bir '=' ile anahtar=değer olmalı"));
        QString anahtar, deger;
        DepoHatasi hata = Coz(cift.left(esittir), QStringLiteral("parametre adı"), anahtar);
        if (!hata)
            hata = Coz(cift.mid(esittir + 1), QStringLiteral("parametre değeri"), deger);
        if (!hata && anahtar == QLatin1String("ssl") && deger == QLatin1String("true"))
            hata = Ata(adres, Sslmode, QStringLiteral("require"));
        else if (!hata)
            hata = Ata(adres, anahtar, deger);
        if (hata)
            return hata;
        u.i = son + 1;
    }
    return {};
}

// postgresql://[user[:password]@][host][:port][,...][/dbname][?key=value&...], cut where
// libpq cuts it: the credentials end at the first '@' before any '/', a host at ':', '/',
// '?' or ',', an IPv6 address at its ']'.
DepoHatasi UriOku(const QByteArray& uri, qsizetype i, SunucuAdresi& adres)
{
    UriImleci u{uri, i};
    char kesen = 0;
    if (DepoHatasi hata = KimlikOku(u, adres))
        return hata;
    if (DepoHatasi hata = SunuculariOku(u, adres, kesen))
        return hata;
    if (DepoHatasi hata = VeritabaniOku(u, kesen, adres))
        return hata;
    return ParametreleriOku(u, adres);
}

bool PortListesi(const QString& port)
{
    const QStringList parcalar = port.split(u',');
    return std::all_of(parcalar.begin(), parcalar.end(), [](const QString& parca) {
        bool sayi = true;
        for (const QChar c : parca)
            sayi = sayi && c >= u'0' && c <= u'9';
        return parca.isEmpty() || (sayi && parca.size() <= 5 && parca.toInt() >= 1 && parca.toInt() <= 65535);
    });
}

// A value in libpq's keyword/value form: as it is when that is unambiguous, else in single quotes.
QString Tirnakla(const QString& deger)
{
    const bool sade = !deger.isEmpty() && std::none_of(deger.begin(), deger.end(), [](QChar c) {
        return Bosluk(c) || c == u'\'' || c == u'\\';
    });
    if (sade)
        return deger;
    QString sonuc = deger;
    sonuc.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
    return u'\'' + sonuc + u'\'';
}

// The keys Qt's driver takes only as connect options, with their values.
QList<QPair<QString, QString>> Secenekler(const SunucuAdresi& adres, bool portuDaKat)
{
    QList<QPair<QString, QString>> secenekler;
    if (portuDaKat && !adres.port.isEmpty())
        secenekler.append({Port, adres.port});
    if (!adres.sslKipi.isEmpty())
        secenekler.append({Sslmode, adres.sslKipi});
    return secenekler + adres.digerleri;
}

// Every key given but the secrets, each as key=value.
QString AcikAnahtarlar(const SunucuAdresi& adres)
{
    QStringList parcalar;
    const QList<QPair<QString, QString>> alanlar{
        {Host, adres.sunucu}, {Port, adres.port}, {Dbname, adres.veritabani}, {User, adres.kullanici}};
    for (const auto& [anahtar, deger] : alanlar)
        if (!deger.isEmpty())
            parcalar << anahtar + u'=' + Tirnakla(deger);
    for (const auto& [anahtar, deger] : Secenekler(adres, false))
        if (!GizliAnahtar(anahtar))
            parcalar << anahtar + u'=' + Tirnakla(deger);
    return parcalar.join(u' ');
}

} // namespace

bool GizliAnahtar(const QString& anahtar)
{
    return anahtar == QLatin1String("sslpassword") || anahtar == QLatin1String("scram_client_key") ||
           anahtar == QLatin1String("scram_server_key");
}

SunucuAdresi GizlisizAdres(SunucuAdresi adres)
{
    adres.parola.clear();
    adres.digerleri.removeIf([](const QPair<QString, QString>& cift) { return GizliAnahtar(cift.first); });
    return adres;
}

bool SunucuAdresi::operator==(const SunucuAdresi& diger) const
{
    return sunucu == diger.sunucu && port == diger.port && veritabani == diger.veritabani &&
           kullanici == diger.kullanici && sslKipi == diger.sslKipi && parola == diger.parola &&
           digerleri == diger.digerleri;
}

DepoHatasi SunucuAdresiniOku(const QString& metin, SunucuAdresi& adres)
{
    const QString kirpik = metin.trimmed();
    if (kirpik.contains(QChar(0)))
        return Hata(QStringLiteral("adreste NUL karakteri var"));
    SunucuAdresi okunan;
    DepoHatasi hata;
    const QByteArray bayt = kirpik.toUtf8();
    const qsizetype onek = bayt.startsWith("postgresql://") ? 13 : bayt.startsWith("postgres://") ? 11 : 0;
    if (onek == 0)
        hata = AnahtarDegerOku(kirpik, okunan);
    else if (std::any_of(kirpik.begin(), kirpik.end(), Bosluk))
        hata = Hata(QStringLiteral("URI içinde boşluk olamaz; boşluk yerine %20 yazın"));
    else
        hata = UriOku(bayt, onek, okunan);
    if (!hata)
        hata = SunucuAdresiniDenetle(okunan);
    if (!hata)
        adres = okunan;
    return hata;
}

DepoHatasi SunucuAdresiniDenetle(const SunucuAdresi& adres)
{
    if (!PortListesi(adres.port))
        return Hata(QStringLiteral("port '%1' 1 ile 65535 arasında bir sayı (birden çok sunucuda virgülle ayrılmış "
                                   "sayılar) olmalı").arg(adres.port));
    static const QStringList kipler{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};
    if (!adres.sslKipi.isEmpty() && !kipler.contains(adres.sslKipi))
        return Hata(QStringLiteral("sslmode '%1' tanınmıyor (%2)").arg(adres.sslKipi, kipler.join(QLatin1String(", "))));
    QStringList anahtarlar;
    for (const auto& [anahtar, deger] : adres.digerleri) {
        if (DepoHatasi hata = AnahtarHatasi(anahtar))
            return hata;
        if (anahtarlar.contains(anahtar))
            return Hata(QStringLiteral("'%1' iki kez verilmiş").arg(anahtar));
        anahtarlar << anahtar;
    }
    for (const auto& [anahtar, deger] : Secenekler(adres, true))
        if (deger.contains(u';'))
            return Hata(QStringLiteral("'%1' değerinde ';' olamaz: Qt'nin PostgreSQL sürücüsü onu boşluğa çevirir")
                            .arg(anahtar));
    const QStringList degerler{adres.sunucu, adres.veritabani, adres.kullanici, adres.parola};
    const bool nul = std::any_of(degerler.begin(), degerler.end(), [](const QString& d) { return d.contains(QChar(0)); }) ||
                     std::any_of(adres.digerleri.begin(), adres.digerleri.end(),
                                 [](const auto& cift) { return cift.second.contains(QChar(0)); });
    if (nul)
        return Hata(QStringLiteral("bir değerde NUL karakteri var"));
    return {};
}

QString GosterilecekAdres(const SunucuAdresi& adres)
{
    const QString metin = AcikAnahtarlar(adres);
    return metin.isEmpty() ? QStringLiteral("varsayılan bağlantı") : metin;
}

QString KalinacakAdres(const SunucuAdresi& adres)
{
    return AcikAnahtarlar(adres);
}

DepoHatasi BaglantiyaUygula(const SunucuAdresi& adres, QSqlDatabase& vt)
{
    if (DepoHatasi hata = SunucuAdresiniDenetle(adres))
        return hata;
    bool tekPort = false;
    const int port = adres.port.toInt(&tekPort);
    QStringList secenekler;
    bool uygulamaAdi = false, zamanAsimi = false;
    for (const auto& [anahtar, deger] : Secenekler(adres, !tekPort)) {
        secenekler << anahtar + u'=' + Tirnakla(deger);
        uygulamaAdi = uygulamaAdi || anahtar == QLatin1String("application_name");
        zamanAsimi = zamanAsimi || anahtar == QLatin1String("connect_timeout");
    }
    if (!uygulamaAdi)
        secenekler << QStringLiteral("application_name=Kavrion");
    if (!zamanAsimi)
        secenekler << QStringLiteral("connect_timeout=5");
    vt.setHostName(adres.sunucu);
    vt.setPort(tekPort ? port : -1);
    vt.setDatabaseName(adres.veritabani);
    vt.setUserName(adres.kullanici);
    vt.setPassword(adres.parola);
    vt.setConnectOptions(secenekler.join(u' '));
    return {};
}
