// The undo history: a write recorded as one step, the steps read back, undone and
// redone. Its tables are in Sema.cpp. The rows a step touches are filed by TEMP
// triggers of this connection only, never stored in the file, so another program
// writing the file records nothing, and by a step only while one is open, so undo and
// redo record nothing either. On a server the triggers are the schema's, filing rows
// only while the connection names an open step (kavrion.adim), and every planner
// undoes and redoes his own steps (kavrion.sahip).
#include "store/ProjeDeposu.h"

#include "store/Lehce.h"
#include "store/ProjeDeposu_Ortak.h"
#include "store/Sema.h"

#include <QPair>
#include <tuple>

using namespace DepoOrtak;

namespace {

using Sema::Tablo;
using Sema::Tablolar;

// One trigger per table and kind of write, filing the row's images under the step in
// AcikAdim: with no step open it selects no row and files nothing. The unqualified
// names resolve through temp first, then main: AcikAdim here, the history in the file.
QString Tetikleyici(int tablo, const QString& olay)
{
    const Tablo& t = Tablolar[tablo];
    const bool once = olay != QLatin1String("INSERT"), sonra = olay != QLatin1String("DELETE");
    QStringList sutunlar{"Adim", "Tablo", "Satir", "OnceVar", "SonraVar"};
    QStringList degerler{"Adim", QString::number(tablo), sonra ? "NEW.rowid" : "OLD.rowid", once ? "1" : "0",
                         sonra ? "1" : "0"};
    for (int i = 0; i < t.sutunlar.size(); ++i) {
        for (const auto& [var, taraf, satir] : {std::tuple(once, "O", "OLD."), std::tuple(sonra, "S", "NEW.")}) {
            if (var) {
                sutunlar << QLatin1String(taraf) + QString::number(i + 1);
                degerler << QLatin1String(satir) + t.sutunlar[i];
            }
        }
    }
    return QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS Gecmis%1%2 AFTER %2 ON main.%1 BEGIN"
                          " INSERT INTO GecmisDegisiklikleri (%3) SELECT %4 FROM AcikAdim; END")
        .arg(QLatin1String(t.ad), olay, sutunlar.join(", "), degerler.join(", "));
}

using Sema::SurumuOku;

// The steps of this planner only, on a server.
QString Sahibin(const QSqlDatabase& vt)
{
    return Lehce::Sunucuda(vt) ? QStringLiteral(" AND Sahibi = current_setting('kavrion.sahip')") : QString();
}

// A newer Kavrion may keep more than these tables and rows tell: only read such a file.
DepoHatasi YazilabilirSurum(const QSqlDatabase& vt, int& surum)
{
    if (auto hata = SurumuOku(vt, surum))
        return hata;
    if (surum > Sema::Surum)
        return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Veritabanı Kavrion'un daha yeni bir sürümüyle "
                                                                  "yazılmış; değişiklik kaydedilemez."));
    return {};
}

// Made on the connection's first recorded write, in its transaction, so a rolled-back
// write takes them away too. The last one made tells they all are.
DepoHatasi TetikleyicileriKur(const QSqlDatabase& vt)
{
    if (Lehce::Sunucuda(vt))
        return {};
    QSqlQuery sorgu(vt);
    bool kurulu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT 1 FROM temp.sqlite_master WHERE name = ?"),
                             {QStringLiteral("Gecmis%1DELETE").arg(QLatin1String(std::end(Tablolar)[-1].ad))}, kurulu))
        return hata;
    if (kurulu)
        return {};
    QStringList komutlar{QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS AcikAdim (Adim INTEGER)")};
    for (int tablo = 0; tablo < int(std::size(Tablolar)); ++tablo) {
        for (const char* olay : {"INSERT", "UPDATE", "DELETE"})
            komutlar << Tetikleyici(tablo, QLatin1String(olay));
    }
    for (const QString& komut : komutlar) {
        if (auto hata = Calistir(vt, komut))
            return hata;
    }
    return {};
}

// The applied steps come first and the undone after them, so the latest applied is
// found from the end without reading the whole history; 0 when none is.
QString SonUygulanan(const QSqlDatabase& vt)
{
    return "coalesce((SELECT Kimlik FROM GecmisAdimlari WHERE Uygulandi = 1" + Sahibin(vt)
           + " ORDER BY Kimlik DESC LIMIT 1), 0)";
}

const QString AdimSutunlari = QStringLiteral("Kimlik, Turu, ProjeOnce, ProjeSonra, Kodu, Zaman, Uygulandi");

GecmisAdimi OkunanAdim(const QSqlQuery& sorgu)
{
    GecmisAdimi adim;
    adim.kimlik = sorgu.value(0).toLongLong();
    adim.tur = AdimTuru(sorgu.value(1).toInt());
    adim.projeOnce = sorgu.value(2).toString();
    adim.projeSonra = sorgu.value(3).toString();
    adim.kodu = sorgu.value(4).toString();
    adim.zaman = QDateTime::fromString(sorgu.value(5).toString(), Qt::ISODateWithMs);
    adim.uygulandi = sorgu.value(6).toInt() != 0;
    return adim;
}

QString Degismis(int tablo, const QString& proje, const QString& kodu, bool yerAlinmis, bool satirVar, qint64 satir,
                 bool geri)
{
    // Each table's row by its project (the second column) and its third: a code, a date or a number.
    static const char* const kayitlar[] = {
        "\"%1\" projesi", "\"%1\" projesinin %2 faaliyeti", "\"%1\" projesinin %2 faaliyetinin tahmini",
        "\"%1\" projesinin dağılım seçimi", "\"%1\" projesinin takvimi", "\"%1\" projesinin %2 tarihli takvim istisnası",
        "\"%1\" projesinin %2 faaliyetinin bağı", "\"%1\" projesinin durum tarihi",
        "\"%1\" projesinin %2 faaliyetinin ilerlemesi", "\"%1\" projesinin %2 numaralı taban planı",
        "\"%1\" projesinin %2 numaralı taban planının bir satırı"};
    static_assert(std::size(kayitlar) == std::size(Tablolar));
    const QString sablon = QString::fromUtf8(kayitlar[tablo]);
    const QString kayit = sablon.contains(QLatin1String("%2")) ? sablon.arg(proje, kodu) : sablon.arg(proje);
    const QString ne = yerAlinmis ? QStringLiteral("nin yeri (kayıt %1) bu adımdan sonra başka bir yerde eklenen "
                                                   "bir kayıtça alınmış").arg(satir)
                       : satirVar ? QStringLiteral(" bu adımdan sonra başka bir yerde değiştirilmiş")
                                  : QStringLiteral(" bu adımdan sonra başka bir yerde silinmiş");
    return kayit + ne + AdimReddininSonu(geri);
}

QString Var(bool sonra)
{
    return sonra ? QStringLiteral("SonraVar") : QStringLiteral("OnceVar");
}

// Takes one row from the image on one side of a change to the image on the other: the
// row must still be exactly as that side has it (compared in SQL, so 5 and '5' differ),
// or absent where that side has none; otherwise nothing is written.
DepoHatasi DegisikligiUygula(const QSqlDatabase& vt, qint64 degisiklik, int tablo, bool geri)
{
    if (tablo < 0 || tablo >= int(std::size(Tablolar)))
        return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Geçmişte tanınmayan bir tablo var."));
    const Tablo& t = Tablolar[tablo];
    const QString simdi = geri ? QStringLiteral("S") : QStringLiteral("O");
    const QString hedef = geri ? QStringLiteral("O") : QStringLiteral("S");
    const QString ad = QLatin1String(t.ad);
    const QString rowid = Lehce::Satir(vt);
    const bool sunucu = Lehce::Sunucuda(vt);
    // A server's images are texts: the row is compared as text and takes each value
    // back in its column's type.
    QStringList esit;
    for (int i = 0; i < t.sutunlar.size(); ++i)
        esit << QString::fromLatin1(sunucu ? "CAST(t.%1 AS text) IS NOT DISTINCT FROM d.%2%3" : "t.%1 IS d.%2%3")
                    .arg(t.sutunlar[i], simdi).arg(i + 1);
    QStringList goruntu;
    for (int i = 0; i < t.sutunlar.size(); ++i)
        goruntu << (sunucu ? QStringLiteral("CAST(%1%2 AS %3)").arg(hedef).arg(i + 1).arg(t.sunucuTurleri[i])
                           : hedef + QString::number(i + 1));
    // The names a refusal gives come from the side that has the row.
    const QString sql = "SELECT d.Satir, d." + Var(geri) + ", d." + Var(!geri)
                        + ", EXISTS (SELECT 1 FROM " + ad + " t WHERE t." + rowid + " = d.Satir)"
                        + ", EXISTS (SELECT 1 FROM " + ad + " t WHERE t." + rowid + " = d.Satir AND "
                        + esit.join(" AND ") + ")"
                        + ", coalesce(d." + simdi + "2, d." + hedef + "2), coalesce(d." + simdi + "3, d." + hedef + "3)"
                        + " FROM GecmisDegisiklikleri d WHERE d.Kimlik = ?";
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, sql, {degisiklik}, bulundu))
        return hata;
    if (!bulundu)
        return DepoHatasi::yeni(DepoHatasi::Genel, QStringLiteral("Geçmişin bir kaydı okunamadı."));
    const qint64 satir = sorgu.value(0).toLongLong();
    const bool simdiVar = sorgu.value(1).toInt() != 0, hedefVar = sorgu.value(2).toInt() != 0;
    const bool satirVar = sorgu.value(3).toInt() != 0, ayni = sorgu.value(4).toInt() != 0;
    if (simdiVar ? !ayni : satirVar)
        return Bulunamadi(Degismis(tablo, sorgu.value(5).toString(), sorgu.value(6).toString(), !simdiVar, satirVar,
                                   satir, geri));
    const QString sutunlar = t.sutunlar.join(", "), degerler = goruntu.join(", ");
    if (hedefVar && simdiVar)
        return Calistir(vt, QStringLiteral("UPDATE %1 SET (%2) = (SELECT %3 FROM GecmisDegisiklikleri WHERE Kimlik = ?)"
                                           " WHERE %4 = ?").arg(ad, sutunlar, degerler, rowid),
                        {degisiklik, satir});
    // A server's Kimlik is the row's number, restored with the other columns.
    if (hedefVar)
        return Calistir(vt, QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM GecmisDegisiklikleri WHERE Kimlik = ?")
                                .arg(ad, sunucu ? sutunlar : "rowid, " + sutunlar,
                                     sunucu ? degerler : "Satir, " + degerler),
                        {degisiklik});
    return Calistir(vt, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(ad, rowid), {satir});
}

// Undoes the latest applied step (geri) or redoes the earliest undone one: its changes
// in reverse order or in order, so that each row passes through the states it had and
// no UNIQUE constraint sees two rows at once.
// The step an undo (geri) or a redo would take. The history is one line: the step
// after the last applied one is the first undone.
DepoHatasi SiradakiAdim(const QSqlDatabase& vt, bool geri, GecmisAdimi& adim, bool& bulundu)
{
    QSqlQuery sorgu(vt);
    if (auto hata = SatirBul(sorgu,
            QStringLiteral("SELECT %1 FROM GecmisAdimlari WHERE Kimlik %2 %3%4 ORDER BY Kimlik LIMIT 1")
                .arg(AdimSutunlari, geri ? QStringLiteral("=") : QStringLiteral(">"), SonUygulanan(vt), Sahibin(vt)),
            {}, bulundu))
        return hata;
    if (bulundu)
        adim = OkunanAdim(sorgu);
    return {};
}

// On a server another planner may have filed rows under a project of the step since: an
// activity added to a project the step's undo would take away or rename, or the project
// deleted under an activity its redo would add back. Taking the step would leave those
// rows under no project, so it is refused whole, as for a row changed since. (A file's
// history is one line: no write of another comes between a step and its undo.) Every
// table's second column is its project's name.
DepoHatasi SahipsizBirakmaz(const QSqlDatabase& vt, qint64 adim, bool geri)
{
    if (!Lehce::Sunucuda(vt))
        return {};
    QStringList kayitlar;
    for (const Tablo& t : Tablolar)
        kayitlar << QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE %2 = n.ad)").arg(QLatin1String(t.ad), t.sutunlar[1]);
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu,
            "SELECT n.ad FROM (SELECT O2 AS ad FROM GecmisDegisiklikleri WHERE Adim = ? UNION SELECT S2"
            " FROM GecmisDegisiklikleri WHERE Adim = ?) n WHERE NOT " + kayitlar.first() + " AND ("
            + kayitlar.mid(1).join(" OR ") + ") LIMIT 1", {adim, adim}, bulundu); hata || !bulundu)
        return hata;
    return Bulunamadi(QStringLiteral("\"%1\" projesinde bu adımdan sonra başka bir yerde değişiklik yapılmış")
                          .arg(sorgu.value(0).toString()) + AdimReddininSonu(geri));
}

// A read of the history; a file without one has nothing to read.
template <typename Okuma>
DepoHatasi GecmisOkumasi(const QString& baglanti, Okuma&& okuma)
{
    return TekOkuma(baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        int surum = 0;
        if (auto hata = SurumuOku(vt, surum); hata || surum == 0)
            return hata;
        return okuma(vt);
    });
}

// On a server a planner's undone steps leave gaps between the others' numbers, so the
// newest GecmisSiniri are found by counting, and only once the numbers span more. That
// check runs at every write: in the key's order the server looks at the oldest step in
// the index alone, where without an order it read the whole table (1–2 ms) to find none.
DepoHatasi SunucuGecmisiniKisalt(const QSqlDatabase& vt)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT 1 FROM GecmisAdimlari WHERE Kimlik <="
                                                   " (SELECT max(Kimlik) FROM GecmisAdimlari) - ?"
                                                   " ORDER BY Kimlik LIMIT 1"),
                             {GecmisSiniri + GecmisPayi}, bulundu); hata || !bulundu)
        return hata;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT Kimlik FROM GecmisAdimlari ORDER BY Kimlik DESC"
                                                   " LIMIT 1 OFFSET ?"), {GecmisSiniri + GecmisPayi}, bulundu); hata || !bulundu)
        return hata;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT Kimlik FROM GecmisAdimlari ORDER BY Kimlik DESC"
                                                   " LIMIT 1 OFFSET ?"), {GecmisSiniri}, bulundu); hata || !bulundu)
        return hata;
    const qint64 sinir = sorgu.value(0).toLongLong();
    if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM GecmisDegisiklikleri WHERE Adim <= ?"), {sinir}))
        return hata;
    return Calistir(vt, QStringLiteral("DELETE FROM GecmisAdimlari WHERE Kimlik <= ?"), {sinir});
}

DepoHatasi Gez(const QString& baglanti, bool geri, qint64 beklenen, GecmisAdimi& adim)
{
    adim = {};
    GecmisAdimi bulunan;
    const DepoHatasi hata = TekYazim(baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        int surum = 0;
        if (auto hata = YazilabilirSurum(vt, surum); hata || surum == 0)
            return hata;
        bool bulundu = false;
        if (auto hata = SiradakiAdim(vt, geri, bulunan, bulundu); hata || !bulundu)
            return hata;
        // Another Kavrion on the file (a second machine over a shared folder) may have
        // written a step since the menu named ours: it is not taken unseen.
        if (beklenen != 0 && bulunan.kimlik != beklenen)
            return Bulunamadi(QStringLiteral("Geçmiş siz görüntüledikten sonra başka bir yerde değiştirilmiş")
                              + AdimReddininSonu(geri) + QStringLiteral(" Güncel hali gösteriliyor."));
        QSqlQuery sorgu(vt);
        QVector<QPair<qint64, int>> degisiklikler;
        if (auto hata = Calistir(sorgu,
                QStringLiteral("SELECT Kimlik, Tablo FROM GecmisDegisiklikleri WHERE Adim = ? ORDER BY Kimlik %1")
                    .arg(geri ? QStringLiteral("DESC") : QStringLiteral("ASC")),
                {bulunan.kimlik}))
            return hata;
        while (sorgu.next())
            degisiklikler.append({sorgu.value(0).toLongLong(), sorgu.value(1).toInt()});
        if (auto hata = SatirlarinSonu(sorgu))
            return hata;
        sorgu.finish();
        for (const auto& [degisiklik, tablo] : degisiklikler) {
            if (auto hata = DegisikligiUygula(vt, degisiklik, tablo, geri))
                return hata;
        }
        if (auto hata = SahipsizBirakmaz(vt, bulunan.kimlik, geri))
            return hata;
        bulunan.uygulandi = !geri;
        return Calistir(vt, QStringLiteral("UPDATE GecmisAdimlari SET Uygulandi = ? WHERE Kimlik = ?"),
                        {bulunan.uygulandi ? 1 : 0, bulunan.kimlik});
    });
    if (!hata)
        adim = bulunan;
    return hata;
}

} // namespace

DepoHatasi DepoOrtak::AdimiAc(const QSqlDatabase& vt, const Adim& adim)
{
    int surum = 0;
    if (auto hata = YazilabilirSurum(vt, surum))
        return hata;
    const bool sunucu = Lehce::Sunucuda(vt);
    // A file of an older Kavrion gains what it lacks with its first write, in that write.
    // A server's schema is checked at connection and is never older.
    for (const QString& komut : surum < Sema::Surum && !sunucu ? Sema::GocKomutlari(surum) : QStringList()) {
        if (auto hata = Calistir(vt, komut))
            return hata;
    }
    if (auto hata = TetikleyicileriKur(vt))
        return hata;
    // The history stays a line (each planner's own, on a server): what could have been
    // redone goes with a new step.
    const QString atilanlar = "SELECT Kimlik FROM GecmisAdimlari WHERE Kimlik > " + SonUygulanan(vt) + Sahibin(vt);
    if (auto hata = Calistir(vt, "DELETE FROM GecmisDegisiklikleri WHERE Adim IN (" + atilanlar + ")"))
        return hata;
    if (auto hata = Calistir(vt, "DELETE FROM GecmisAdimlari WHERE Kimlik IN (" + atilanlar + ")"))
        return hata;
    // Numbered one up from the greatest, as SQLite numbers a row, and on a server under
    // the write lock: the order of the numbers is the order of the writes.
    if (auto hata = Calistir(vt,
            QStringLiteral("INSERT INTO GecmisAdimlari (Kimlik, Zaman, Turu, ProjeOnce, ProjeSonra, Kodu, Uygulandi)"
                           " VALUES ((SELECT coalesce(max(Kimlik), 0) + 1 FROM GecmisAdimlari), ?, ?, ?, ?, ?, 1)"),
            {QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs), int(adim.tur), Metin(adim.projeOnce),
             Metin(adim.projeSonra), Metin(adim.kodu)}))
        return hata;
    return Calistir(vt, sunucu ? QStringLiteral("SELECT set_config('kavrion.adim', (SELECT max(Kimlik) FROM"
                                                " GecmisAdimlari)::text, true)")
                               : QStringLiteral("INSERT INTO AcikAdim (Adim) SELECT max(Kimlik) FROM GecmisAdimlari"));
}

DepoHatasi DepoOrtak::AdimiKapat(const QSqlDatabase& vt)
{
    const bool sunucu = Lehce::Sunucuda(vt);
    if (auto hata = Calistir(vt, sunucu ? QStringLiteral("SELECT set_config('kavrion.adim', '', true)")
                                        : QStringLiteral("DELETE FROM AcikAdim")))
        return hata;
    if (sunucu)
        return SunucuGecmisiniKisalt(vt);
    // Steps are numbered one up from the greatest, and the undone ones went before this
    // one came: the numbers are a run without gaps, so its newest GecmisSiniri are kept
    // without counting them. The oldest go a hundred at a time: dropping one at every
    // write would rewrite the history's first pages, and wait for the disk, every time.
    const QString sinir = QStringLiteral("(SELECT max(Kimlik) FROM GecmisAdimlari) - ?");
    const QString tasti = QStringLiteral(" AND (SELECT min(Kimlik) FROM GecmisAdimlari) <= ") + sinir;
    if (auto hata = Calistir(vt, "DELETE FROM GecmisDegisiklikleri WHERE Adim <= " + sinir + tasti,
                             {GecmisSiniri, GecmisSiniri + GecmisPayi}))
        return hata;
    return Calistir(vt, "DELETE FROM GecmisAdimlari WHERE Kimlik <= " + sinir + tasti,
                    {GecmisSiniri, GecmisSiniri + GecmisPayi});
}

DepoHatasi ProjeDeposu::GecmisiOku(QVector<GecmisAdimi>& adimlar) const
{
    adimlar.clear();
    return GecmisOkumasi(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sorgu(vt);
        sorgu.setForwardOnly(true);
        if (auto hata = Calistir(sorgu, QStringLiteral("SELECT %1 FROM GecmisAdimlari WHERE 1 = 1%2 ORDER BY Kimlik")
                                            .arg(AdimSutunlari, Sahibin(vt)), {}))
            return hata;
        while (sorgu.next())
            adimlar.append(OkunanAdim(sorgu));
        return SatirlarinSonu(sorgu);
    });
}

DepoHatasi ProjeDeposu::KomsuAdimlar(GecmisAdimi& geriAlinacak, GecmisAdimi& yinelenecek) const
{
    geriAlinacak = yinelenecek = GecmisAdimi();
    return GecmisOkumasi(m_baglanti, [&](const QSqlDatabase& vt) {
        bool bulundu = false;
        if (auto hata = SiradakiAdim(vt, true, geriAlinacak, bulundu))
            return hata;
        return SiradakiAdim(vt, false, yinelenecek, bulundu);
    });
}

DepoHatasi ProjeDeposu::GeriAl(GecmisAdimi& adim, qint64 beklenen) const
{
    return Gez(m_baglanti, true, beklenen, adim);
}

DepoHatasi ProjeDeposu::Yinele(GecmisAdimi& adim, qint64 beklenen) const
{
    return Gez(m_baglanti, false, beklenen, adim);
}
