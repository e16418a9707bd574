#pragma once

// What the files of ProjeDeposu share: running a statement, one write transaction and
// the checks its commands start with. For src/store/ProjeDeposu*.cpp only.

#include "store/DepoHatasi.h"
#include "store/DosyaDegisimDenetimi.h"
#include "store/GecmisAdimi.h"
#include "store/Kayitlar.h"
#include "store/SunucuBaglantisi.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace DepoOrtak {

QSqlDatabase Baglanti(const QString& ad);

// How long a write waits for another's lock before it is refused.
constexpr int MesgulBeklemeMs = 2000;
// The server's advisory lock every write holds until it ends ("KAVR").
constexpr qint64 YazimKilidi = 0x4b415652;

// Prepares and runs one statement with its values bound in order.
DepoHatasi Calistir(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler);
DepoHatasi Calistir(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> degerler = {});

// A text as it is written: a null QString would bind as SQL NULL, and the empty
// text ("no predecessors") must stay the empty text. The values a change compares
// the row with go as they were read, NULL included.
QString Metin(const QString& metin);

// The end of a loop over rows, or a single row not found: a step that failed part-way
// (a damaged page, an I/O error) also ends it, and must not pass for the end of the rows.
DepoHatasi SatirlarinSonu(const QSqlQuery& sorgu);

// The one row a query looks for: true when found, false with no error when there is none.
DepoHatasi SatirBul(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler, bool& bulundu);

// The first column of every row a statement gives, as texts, in order.
DepoHatasi MetinleriOku(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> degerler,
                        QStringList& metinler);

DepoHatasi Bulunamadi(const QString& aciklama);

// A kind kept as a text of its own in a table of pairs, so that the file reads the same
// whatever the enum's numbers: its text, and back.
template <typename Tur, std::size_t N>
QString TurMetni(const std::pair<Tur, const char*> (&turler)[N], Tur tur)
{
    // A kind this build does not know goes as the empty text, which the table refuses.
    const auto bulunan = std::find_if(std::begin(turler), std::end(turler), [tur](const auto& t) { return t.first == tur; });
    return bulunan == std::end(turler) ? QStringLiteral("") : QString::fromLatin1(bulunan->second);
}

template <typename Tur, std::size_t N>
bool MetindekiTur(const std::pair<Tur, const char*> (&turler)[N], const QString& metin, Tur& tur)
{
    for (const auto& [deger, ad] : turler) {
        if (metin == QLatin1String(ad)) {
            tur = deger;
            return true;
        }
    }
    return false;
}

// Whether the table is there: a file of an older Kavrion lacks the later ones until its
// first recorded write; a server's schema has every table.
DepoHatasi TabloVar(const QSqlDatabase& vt, const char* ad, bool& var);

// The project's calendar as stored, "Her gün" for a project (or a file) without one. A
// value this build cannot read is an error, never taken for "Her gün". With the
// calendar's command, in ProjeDeposu_Takvim.cpp.
DepoHatasi TakvimOku(const QSqlDatabase& vt, const QString& proje, ProjeTakvimi& takvim);
// Writes the rows that take the project's stored calendar from `eski` to `yeni`, with no check.
DepoHatasi TakvimYaz(const QSqlDatabase& vt, const QString& proje, const ProjeTakvimi& eski, const ProjeTakvimi& yeni);

// The links kept beside the activities, in ProjeDeposu_Baglar.cpp. BaglariDoldur fills each
// activity's `baglar` in its predecessor list's order (one activity: looked up by its code);
// a type or lag this build cannot hold is an error. BaglariYaz makes the activity's rows
// those of `baglar`, writing only what differs; BagSatirlariEkle adds a new activity's.
DepoHatasi BaglariDoldur(const QSqlDatabase& vt, const QString& proje, QVector<KayitliFaaliyet>& faaliyetler);
DepoHatasi BaglariYaz(const QSqlDatabase& vt, const QString& proje, const QString& kodu,
                      const QVector<BagAyrintisi>& baglar);
DepoHatasi BagSatirlariEkle(const QSqlDatabase& vt, const QString& proje, const Faaliyet& faaliyet);

// Progress and baselines, in ProjeDeposu_Ilerleme.cpp and ProjeDeposu_Taban.cpp. IlerlemeOku
// reads the project's (none for a file without their tables); a value this build cannot read
// is an error, never taken for none. IlerlemeYaz writes a new project's, with no check.
DepoHatasi IlerlemeOku(const QSqlDatabase& vt, const QString& proje, ProjeIlerlemesi& ilerleme, TabanPlanlari& tabanlar);
DepoHatasi IlerlemeYaz(const QSqlDatabase& vt, const QString& proje, const ProjeIlerlemesi& ilerleme,
                       const TabanPlanlari& tabanlar);
DepoHatasi TabanlariOku(const QSqlDatabase& vt, const QString& proje, TabanPlanlari& tabanlar);
DepoHatasi TabanSatirlariniEkle(const QSqlDatabase& vt, const QString& proje, const TabanPlani& taban);
// Sets the compared baseline, the status date staying `durumTarihi`.
DepoHatasi KarsilastirilaniYaz(const QSqlDatabase& vt, const QString& proje, const QDate& durumTarihi, qint32 eski,
                               qint32 yeni);
DepoHatasi IlerlemeOkunamadi(const QString& proje, const QVariant& deger);
// A date as its column keeps it, an ISO text or NULL for none; and back, false for a text
// that is no date.
QVariant TarihMetni(const QDate& tarih);
bool SaklanmisTarih(const QVariant& deger, QDate& tarih);
// The tables filed under a project besides its own row and its activities', which a
// rename carries and a delete removes.
inline constexpr const char* ProjeninDigerTablolari[] = {
    "TahminlerTablosu",  "DagilimTablosu",  "TakvimTablosu",        "TakvimIstisnalariTablosu",
    "BaglarTablosu",     "DurumTablosu",    "IlerlemeTablosu",      "TabanPlanlariTablosu",
    "TabanSatirlariTablosu"};

// The project must still be there; an activity is written only under a project that is.
// With the projects, in ProjeDeposu_Projeler.cpp.
DepoHatasi ProjeOlmali(const QSqlDatabase& vt, const QString& ad);
// How a read reports a project that is not there.
DepoHatasi OkunacakProjeYok(const QString& ad);

// The rows of a new project (dates as ISO texts) and of a new activity, with no check.
DepoHatasi ProjeSatiriEkle(const QSqlDatabase& vt, const QString& ad, const QString& baslama, const QString& bitis);
DepoHatasi FaaliyetSatiriEkle(const QSqlDatabase& vt, const QString& proje, const Faaliyet& faaliyet);

// One write transaction. It takes the write lock at once, so a busy file is refused
// before anything is changed; unless Bitir succeeds, everything is rolled back.
class Yazim {
public:
    explicit Yazim(const QSqlDatabase& vt);
    ~Yazim();
    Yazim(const Yazim&) = delete;
    Yazim& operator=(const Yazim&) = delete;

    DepoHatasi Bitir();

    const QSqlDatabase& vt() const { return m_vt; }

    DepoHatasi hata;

private:
    QSqlDatabase m_vt;
    bool m_acik = false;
};

// Runs a read (or a write, below) once the file is known to be the one opened, read
// afresh if it changed.
// On a server, a connection lost since the last command is made again first.
template <typename Okuma>
DepoHatasi TekOkuma(const QString& baglanti, Okuma&& okuma)
{
    const DosyaDegisimDenetimi denetim(baglanti);
    if (denetim.hata)
        return denetim.hata;
    if (auto hata = SunucuBaglantisi::Hazirla(baglanti))
        return hata;
    return SunucuBaglantisi::Sonuc(baglanti, std::forward<Okuma>(okuma)(Baglanti(baglanti)));
}

// Runs the steps of one write inside one transaction; the first failure rolls all back.
template <typename Adimlar>
DepoHatasi TekYazim(const QString& baglanti, Adimlar&& adimlar)
{
    return TekOkuma(baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        Yazim yazim(vt);
        if (yazim.hata)
            return yazim.hata;
        if (auto hata = std::forward<Adimlar>(adimlar)(yazim.vt()))
            return hata;
        return yazim.Bitir();
    });
}

// What the history says of a write, before its statements run.
struct Adim {
    AdimTuru tur;
    QString projeOnce, projeSonra, kodu;
};

// Inside a write transaction: brings the file to the history's version, drops the
// undone steps, adds the step and opens it, so that the connection's triggers file
// every row written until AdimiKapat under it. In ProjeDeposu_Gecmis.cpp.
DepoHatasi AdimiAc(const QSqlDatabase& vt, const Adim& adim);
// Closes the step and drops the oldest beyond GecmisSiniri.
DepoHatasi AdimiKapat(const QSqlDatabase& vt);

// A write recorded as one step of the history, in the same transaction: the step and
// the rows are kept or rolled back together.
template <typename Adimlar>
DepoHatasi KayitliYazim(const QString& baglanti, const Adim& adim, Adimlar&& adimlar)
{
    return TekYazim(baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = AdimiAc(vt, adim))
            return hata;
        if (auto hata = std::forward<Adimlar>(adimlar)(vt))
            return hata;
        return AdimiKapat(vt);
    });
}

// A write of progress or baselines as one step of the history: the project must be there,
// `gosterildigiGibi` checks the stored values against those shown, then the caller's rule
// sees them, then `yaz` writes. A rule refusing rolls the write back and is no store
// error: the rule knows why.
template <typename Kural, typename Denetim, typename Yaz>
DepoHatasi IlerlemeYazimi(const QString& baglanti, const Adim& adim, const Kural& kural, Denetim&& gosterildigiGibi,
                          Yaz&& yaz)
{
    bool reddedildi = false;
    const DepoHatasi hata = KayitliYazim(baglanti, adim, [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeOlmali(vt, adim.projeSonra))
            return hata;
        ProjeIlerlemesi ilerleme;
        TabanPlanlari tabanlar;
        if (auto hata = IlerlemeOku(vt, adim.projeSonra, ilerleme, tabanlar))
            return hata;
        if (auto hata = gosterildigiGibi(vt, ilerleme, tabanlar))
            return hata;
        reddedildi = kural && !kural(ilerleme, tabanlar);
        if (reddedildi)
            return DepoHatasi::yeni(DepoHatasi::Kisit, QString()); // only to roll back; never returned
        return yaz(vt, ilerleme, tabanlar);
    });
    return reddedildi ? DepoHatasi{} : hata;
}

} // namespace DepoOrtak
