#include "store/Sema.h"

#include "store/Lehce.h"
#include "store/SqlHatasi.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <iterator>

namespace Sema {
namespace {

// Kimlik keeps the order in which rows were added; every list that promises
// "in the order added" sorts by it. Dates are ISO texts, so the file reads the
// same under any regional settings. The CHECKs keep out what another program
// might try to write: a code longer than one character, a duration that is not a
// 32-bit whole number, a date that is not a real calendar date.
const char* const Olusturma[] = {
    "CREATE TABLE ProjeTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " ProjeAdi TEXT NOT NULL UNIQUE,"
    " BaslamaTarihi TEXT NOT NULL CHECK (date(BaslamaTarihi) IS BaslamaTarihi),"
    " BitisTarihi TEXT NOT NULL CHECK (date(BitisTarihi) IS BitisTarihi))",

    "CREATE TABLE FaaliyetlerTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Kodu TEXT NOT NULL CHECK (length(Kodu) = 1),"
    " Adi TEXT NOT NULL,"
    " OngorulenSure INTEGER NOT NULL CHECK (typeof(OngorulenSure) = 'integer'"
    "   AND OngorulenSure BETWEEN -2147483648 AND 2147483647),"
    " OncekiFaaliyet TEXT NOT NULL DEFAULT '',"
    " UNIQUE (Projesi, Kodu))",
};

// The undo history (user_version 1). A step is one write; its changes are the rows it
// touched, in the order they were written, as they were before and after. The images'
// columns have no declared type, so a value keeps exactly the type it was stored with.
const char* const GecmisTablolari[] = {
    "CREATE TABLE IF NOT EXISTS GecmisAdimlari ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Zaman TEXT NOT NULL,"
    " Turu INTEGER NOT NULL,"
    " ProjeOnce TEXT NOT NULL,"
    " ProjeSonra TEXT NOT NULL,"
    " Kodu TEXT NOT NULL,"
    " Uygulandi INTEGER NOT NULL)",

    "CREATE TABLE IF NOT EXISTS GecmisDegisiklikleri ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Adim INTEGER NOT NULL,"
    " Tablo INTEGER NOT NULL,"
    " Satir INTEGER NOT NULL,"
    " OnceVar INTEGER NOT NULL, O1, O2, O3, O4, O5, O6,"
    " SonraVar INTEGER NOT NULL, S1, S2, S3, S4, S5, S6)",

    "CREATE INDEX IF NOT EXISTS GecmisDegisiklikleriAdim ON GecmisDegisiklikleri (Adim)",
    // The last applied step is found at once however many steps were undone after it.
    "CREATE INDEX IF NOT EXISTS GecmisAdimlariUygulandi ON GecmisAdimlari (Uygulandi, Kimlik)",
};

// The three-point estimates (user_version 2): at most one per activity, filed like the
// activities under the project's name and the activity's code.
const char* const TahminTablolari[] = {
    "CREATE TABLE IF NOT EXISTS TahminlerTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Kodu TEXT NOT NULL,"
    " Iyimser INTEGER NOT NULL CHECK (typeof(Iyimser) = 'integer' AND Iyimser >= 0),"
    " Olasi INTEGER NOT NULL CHECK (typeof(Olasi) = 'integer' AND Olasi >= Iyimser),"
    " Kotumser INTEGER NOT NULL CHECK (typeof(Kotumser) = 'integer' AND Kotumser >= Olasi"
    "   AND Kotumser <= 2147483647),"
    " UNIQUE (Projesi, Kodu))",
};

// The distribution a project's simulation draws from (user_version 3): at most one row
// per project, filed under its name; a project without one draws from beta-PERT.
const char* const DagilimTablolari[] = {
    "CREATE TABLE IF NOT EXISTS DagilimTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL UNIQUE,"
    " Dagilim TEXT NOT NULL CHECK (Dagilim IN ('ucgen', 'pert')))",
};

// The projects' calendars (user_version 4): at most one row per project, for a week
// other than every day or whole arife holidays; a project without one has every day
// working. Its own exceptions are rows of their own, at most one a day.
const char* const TakvimTablolari[] = {
    "CREATE TABLE IF NOT EXISTS TakvimTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL UNIQUE,"
    " Turu TEXT NOT NULL CHECK (Turu IN ('hergun', 'pazartesi-cuma', 'pazartesi-cumartesi')),"
    " ArifelerTatil INTEGER NOT NULL CHECK (ArifelerTatil IN (0, 1)))",

    "CREATE TABLE IF NOT EXISTS TakvimIstisnalariTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Tarih TEXT NOT NULL CHECK (date(Tarih) IS Tarih),"
    " Turu TEXT NOT NULL CHECK (Turu IN ('tatil', 'idari-izin', 'calisilan-gun')),"
    " Adi TEXT NOT NULL CHECK (length(Adi) <= 50),"
    " UNIQUE (Projesi, Tarih))",
};

// The links that are not plain finish-to-start without lag (user_version 5), filed like the
// activities under the project's name and the successor's code, one per predecessor. A plan
// whose links are all plain has no row here, and its predecessor texts say everything.
const char* const BagTablolari[] = {
    "CREATE TABLE IF NOT EXISTS BaglarTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Kodu TEXT NOT NULL,"
    " Onceki TEXT NOT NULL,"
    " Turu TEXT NOT NULL CHECK (Turu IN ('bitis-baslama', 'baslama-baslama', 'bitis-bitis', 'baslama-bitis')),"
    " Gecikme INTEGER NOT NULL CHECK (typeof(Gecikme) = 'integer' AND Gecikme BETWEEN -10000 AND 10000),"
    " UNIQUE (Projesi, Kodu, Onceki))",
};

// Progress and baselines (user_version 6), filed under the project's name like the rest. A
// project's status date and the baseline it is compared with are one row, kept only while
// either is set; an activity's progress one row by its code; a baseline one row by its
// number (0–10), and its activities' dates and durations rows of their own. The history's
// images gain a seventh column for these tables' rows.
const char* const IlerlemeTablolari[] = {
    "CREATE TABLE IF NOT EXISTS DurumTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL UNIQUE,"
    " DurumTarihi TEXT CHECK (DurumTarihi IS NULL OR date(DurumTarihi) IS DurumTarihi),"
    " Karsilastirilan INTEGER NOT NULL CHECK (typeof(Karsilastirilan) = 'integer'"
    "   AND Karsilastirilan BETWEEN -1 AND 10))",

    "CREATE TABLE IF NOT EXISTS IlerlemeTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Kodu TEXT NOT NULL,"
    " GercekBaslama TEXT CHECK (GercekBaslama IS NULL OR date(GercekBaslama) IS GercekBaslama),"
    " GercekBitis TEXT CHECK (GercekBitis IS NULL OR date(GercekBitis) IS GercekBitis),"
    " Yuzde INTEGER NOT NULL CHECK (typeof(Yuzde) = 'integer' AND Yuzde BETWEEN 0 AND 100),"
    " Kalan INTEGER NOT NULL CHECK (typeof(Kalan) = 'integer' AND Kalan BETWEEN -1 AND 2147483647),"
    " UNIQUE (Projesi, Kodu))",

    "CREATE TABLE IF NOT EXISTS TabanPlanlariTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Numara INTEGER NOT NULL CHECK (typeof(Numara) = 'integer' AND Numara BETWEEN 0 AND 10),"
    " Adi TEXT NOT NULL CHECK (length(Adi) BETWEEN 1 AND 50),"
    " KayitTarihi TEXT CHECK (KayitTarihi IS NULL OR date(KayitTarihi) IS KayitTarihi),"
    " Baslama TEXT CHECK (Baslama IS NULL OR date(Baslama) IS Baslama),"
    " Bitis TEXT CHECK (Bitis IS NULL OR date(Bitis) IS Bitis),"
    " UNIQUE (Projesi, Numara))",

    "CREATE TABLE IF NOT EXISTS TabanSatirlariTablosu ("
    " Kimlik INTEGER PRIMARY KEY,"
    " Projesi TEXT NOT NULL,"
    " Numara INTEGER NOT NULL CHECK (typeof(Numara) = 'integer' AND Numara BETWEEN 0 AND 10),"
    " Kodu TEXT NOT NULL,"
    " Baslama TEXT CHECK (Baslama IS NULL OR date(Baslama) IS Baslama),"
    " Bitis TEXT CHECK (Bitis IS NULL OR date(Bitis) IS Bitis),"
    " Sure INTEGER NOT NULL CHECK (typeof(Sure) = 'integer' AND Sure BETWEEN -2147483648 AND 2147483647),"
    " UNIQUE (Projesi, Numara, Kodu))",

    "ALTER TABLE GecmisDegisiklikleri ADD COLUMN O7",
    "ALTER TABLE GecmisDegisiklikleri ADD COLUMN S7",
};

} // namespace

// Kimlik too: every list sorts by it, so a file without it would open and then fail on every read.
const Tablo Tablolar[11] = {
    {"ProjeTablosu", {"Kimlik", "ProjeAdi", "BaslamaTarihi", "BitisTarihi"}, {"bigint", "text", "text", "text"},
     "ProjeAdi"},
    {"FaaliyetlerTablosu", {"Kimlik", "Projesi", "Kodu", "Adi", "OngorulenSure", "OncekiFaaliyet"},
     {"bigint", "text", "text", "text", "integer", "text"}, "Projesi"},
    {"TahminlerTablosu", {"Kimlik", "Projesi", "Kodu", "Iyimser", "Olasi", "Kotumser"},
     {"bigint", "text", "text", "integer", "integer", "integer"}, "Projesi"},
    {"DagilimTablosu", {"Kimlik", "Projesi", "Dagilim"}, {"bigint", "text", "text"}, "Projesi"},
    {"TakvimTablosu", {"Kimlik", "Projesi", "Turu", "ArifelerTatil"}, {"bigint", "text", "text", "integer"},
     "Projesi"},
    {"TakvimIstisnalariTablosu", {"Kimlik", "Projesi", "Tarih", "Turu", "Adi"},
     {"bigint", "text", "text", "text", "text"}, "Projesi"},
    {"BaglarTablosu", {"Kimlik", "Projesi", "Kodu", "Onceki", "Turu", "Gecikme"},
     {"bigint", "text", "text", "text", "text", "integer"}, "Projesi"},
    {"DurumTablosu", {"Kimlik", "Projesi", "DurumTarihi", "Karsilastirilan"}, {"bigint", "text", "text", "integer"},
     "Projesi"},
    {"IlerlemeTablosu", {"Kimlik", "Projesi", "Kodu", "GercekBaslama", "GercekBitis", "Yuzde", "Kalan"},
     {"bigint", "text", "text", "text", "text", "integer", "integer"}, "Projesi"},
    {"TabanPlanlariTablosu", {"Kimlik", "Projesi", "Numara", "Adi", "KayitTarihi", "Baslama", "Bitis"},
     {"bigint", "text", "integer", "text", "text", "text", "text"}, "Projesi"},
    {"TabanSatirlariTablosu", {"Kimlik", "Projesi", "Numara", "Kodu", "Baslama", "Bitis", "Sure"},
     {"bigint", "text", "integer", "text", "text", "text", "integer"}, "Projesi"},
};

DepoHatasi Kur(QSqlDatabase& vt, const QStringList& ekler)
{
    const bool sunucu = Lehce::Sunucuda(vt);
    QSqlQuery sorgu(vt);
    if (!sorgu.exec(sunucu ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        return SqlHatasi(sorgu.lastError());
    QStringList komutlar;
    if (sunucu) {
        // A database that already holds a schema, ours or another's, is never touched.
        if (!sorgu.exec(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema ="
                                       " current_schema()")) || !sorgu.next()) {
            const DepoHatasi hata = SqlHatasi(sorgu.lastError());
            sorgu.exec(QStringLiteral("ROLLBACK"));
            return hata;
        }
        if (sorgu.value(0).toLongLong() > 0) {
            sorgu.exec(QStringLiteral("ROLLBACK"));
            return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Sunucudaki veritabanında zaten tablolar var; "
                                                                      "şema kurulmadı. Kavrion'un eski bir sürümünün "
                                                                      "şemasıysa --guncelle ile güncellenir."));
        }
        komutlar = SunucuKurulumu();
    } else {
        for (const char* tablo : Olusturma)
            komutlar << QString::fromLatin1(tablo);
        komutlar += GocKomutlari(0);
    }
    komutlar += ekler;
    for (const QString& komut : std::as_const(komutlar)) {
        if (!sorgu.exec(komut)) {
            const DepoHatasi hata = SqlHatasi(sorgu.lastError());
            sorgu.exec(QStringLiteral("ROLLBACK"));
            return hata;
        }
    }
    if (!sorgu.exec(QStringLiteral("COMMIT"))) {
        const DepoHatasi hata = SqlHatasi(sorgu.lastError());
        sorgu.exec(QStringLiteral("ROLLBACK"));
        return hata;
    }
    return {};
}

QStringList GocKomutlari(int surum)
{
    // Each version's statements, in the order the versions came; a file at version N lacks the rest.
    struct Goc {
        int surum;
        const char* const* ilk;
        const char* const* son;
    };
    const Goc goclar[] = {
        {1, std::begin(GecmisTablolari), std::end(GecmisTablolari)},
        {2, std::begin(TahminTablolari), std::end(TahminTablolari)},
        {3, std::begin(DagilimTablolari), std::end(DagilimTablolari)},
        {4, std::begin(TakvimTablolari), std::end(TakvimTablolari)},
        {5, std::begin(BagTablolari), std::end(BagTablolari)},
        {6, std::begin(IlerlemeTablolari), std::end(IlerlemeTablolari)},
    };
    QStringList komutlar;
    for (const Goc& goc : goclar)
        if (surum < goc.surum)
            for (auto komut = goc.ilk; komut != goc.son; ++komut)
                komutlar << QString::fromLatin1(*komut);
    return komutlar << QStringLiteral("PRAGMA user_version = %1").arg(Surum);
}

DepoHatasi SurumuOku(const QSqlDatabase& vt, int& surum)
{
    const bool sunucu = Lehce::Sunucuda(vt);
    QSqlQuery sorgu(vt);
    if (!sorgu.exec(sunucu ? QStringLiteral("SELECT max(Surum) FROM KavrionSurumu")
                           : QStringLiteral("PRAGMA user_version")))
        return SqlHatasi(sorgu.lastError());
    surum = sorgu.next() ? sorgu.value(0).toInt() : 0;
    return sorgu.lastError().isValid() ? SqlHatasi(sorgu.lastError()) : DepoHatasi{};
}

DepoHatasi Denetle(QSqlDatabase& vt)
{
    const bool sunucu = Lehce::Sunucuda(vt);
    // Reading the schema is the first real read of the file: a locked file, or one
    // that is not a database at all, fails here rather than at open.
    QSqlQuery sorgu(vt);
    if (!sunucu && !sorgu.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return SqlHatasi(sorgu.lastError());

    for (int t = 0; t < ZorunluTabloSayisi; ++t) {
        const Tablo& tablo = Tablolar[t];
        const QString ad = QString::fromLatin1(tablo.ad);
        QSqlQuery sutunlar(vt);
        // A server folds the unquoted names to lower case.
        sutunlar.prepare(sunucu ? QStringLiteral("SELECT column_name FROM information_schema.columns"
                                                 " WHERE table_schema = current_schema() AND table_name = lower(?)")
                                : QStringLiteral("SELECT name FROM pragma_table_info(?)"));
        sutunlar.addBindValue(ad);
        if (!sutunlar.exec())
            return SqlHatasi(sutunlar.lastError());
        QStringList bulunan;
        while (sutunlar.next())
            bulunan << sutunlar.value(0).toString();
        if (bulunan.isEmpty())
            return DepoHatasi::yeni(DepoHatasi::Genel,
                (sunucu ? QStringLiteral("Sunucudaki veritabanında %1 tablosu yok: bir Kavrion veritabanı değil "
                                         "ya da \"veritabani-olustur --sunucu\" ile kurulmamış.")
                        : QStringLiteral("Veritabanında %1 tablosu yok. Dosya bir Kavrion veritabanı değil.")).arg(ad));
        for (const QString& sutun : tablo.sutunlar) {
            if (!bulunan.contains(sunucu ? sutun.toLower() : sutun))
                return DepoHatasi::yeni(DepoHatasi::Genel,
                    QStringLiteral("Veritabanındaki %1 tablosunda %2 sütunu yok.").arg(ad, sutun));
        }
    }
    if (!sunucu)
        return {};
    // A server's schema is made whole by one tool at one version, and never migrated by
    // the application, whose role may not change it: the same tool updates it.
    int surum = 0;
    if (auto hata = SurumuOku(vt, surum))
        return hata;
    if (surum < Surum)
        return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Sunucudaki şema Kavrion'un eski bir sürümünden "
                                                                  "kalma (sürüm %1); bu sürüm %2 ister. Sunucunun "
                                                                  "yöneticisi \"veritabani-olustur --sunucu BAĞLANTI "
                                                                  "--guncelle\" ile güncelleyebilir.").arg(surum).arg(Surum));
    return {};
}

} // namespace Sema
