#include "import/MspdiOkuma.h"

#include "import/AraPlan.h"
#include "import/DosyaOkuma.h"
#include "import/MspdiIlerlemeOkuma.h"
#include "import/MspdiTakvimOkuma.h"
#include "export/MspdiYazimi.h"
#include "rules/BolgeselMetin.h"
#include "rules/IlerlemeKurallari.h"
#include "text/IlerlemeMetinleri.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString AdAlani = QStringLiteral("http://schemas.microsoft.com/project");
constexpr int VarsayilanGunlukDakika = 480;
constexpr int AdSiniri = 512; // what the schema allows a task's name, and where Kavrion's export cuts it

// DurationFormat and LagFormat: which count elapsed time (24 hours a day, every day), and which
// give minutes or hours.
bool GecenSure(int bicim)
{
    switch (bicim) {
    case 4: case 6: case 8: case 10: case 12: case 20: case 36: case 38: case 40: case 42: case 44: case 52:
        return true;
    default:
        return false;
    }
}
bool SaatBicimi(int bicim)
{
    return bicim == 3 || bicim == 5 || bicim == 35 || bicim == 37;
}

// A file declared in UTF-7 can spell half of a surrogate pair, which no UTF-8 text (the store's,
// the export's) can hold: it becomes U+FFFD here, as it would on the way out.
void YarimCiftleriDegistir(QString& metin)
{
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i);
        if (c.isHighSurrogate() && i + 1 < metin.size() && metin.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            metin[i] = QChar(QChar::ReplacementCharacter);
    }
}

// A task as read, before its duration is known in days.
struct Gorev {
    AraGorev ara;
    QString sure, bicim = QStringLiteral("7"), notlar;
    QVector<int> gecikmeBicimleri; // LagFormat of each link, 7 (days) without one
    OkunanIlerleme ilerleme;
    QVector<OkunanTaban> tabanlar;
    bool kilometreTasi = false, bos = false;
};

class Okuyucu {
public:
    explicit Okuyucu(const QByteArray& icerik) : m_x(icerik) {}

    AktarimSonucu Oku()
    {
        while (!m_x.atEnd() && m_ret.isEmpty()) {
            switch (m_x.readNext()) {
            case QXmlStreamReader::DTD:
                if (!m_x.entityDeclarations().isEmpty())
                    m_ret = QStringLiteral("Dosya DOCTYPE içinde varlık (entity) tanımlıyor. Microsoft Project böyle dosya "
                                           "yazmaz; varlıklar bir dosyayı açılırken dev boyuta şişirebilir ya da başka "
                                           "dosyaları okutabilir. Dosya okunmadı.");
                break;
            case QXmlStreamReader::StartElement: Basla(); break;
            case QXmlStreamReader::Characters: m_metin += m_x.text(); break;
            case QXmlStreamReader::EndElement: Bitir(); break;
            default: break;
            }
        }
        if (m_ret.isEmpty() && m_x.hasError())
            m_ret = !m_kokGoruldu
                        ? QStringLiteral("Bu dosya Microsoft Project XML (MSPDI) değil: XML olarak okunamıyor (satır %1, "
                                         "sütun %2: %3).")
                              .arg(m_x.lineNumber())
                              .arg(m_x.columnNumber())
                              .arg(XmlHatasi())
                        : QStringLiteral("Dosya bozuk (satır %1, sütun %2): %3. Yarım bir plan aktarılmaz.")
                              .arg(m_x.lineNumber())
                              .arg(m_x.columnNumber())
                              .arg(XmlHatasi());
        if (m_ret.isEmpty() && !m_kokGoruldu)
            m_ret = QStringLiteral("Bu dosya Microsoft Project XML (MSPDI) değil: içinde hiç öğe yok.");
        const AraPlan ara = m_ret.isEmpty() ? Plan() : AraPlan();
        return m_ret.isEmpty() ? Tamamla(Donustur(ara)) : Reddet(m_ret);
    }

private:
    // The parser's own sentence, without its full stop: the message goes on after it.
    QString XmlHatasi() const
    {
        QString hata = m_x.errorString();
        while (hata.endsWith(QLatin1Char('.')))
            hata.chop(1);
        return hata;
    }

    bool Yolda(std::initializer_list<const char*> adlar) const
    {
        if (m_yol.size() != qsizetype(adlar.size()))
            return false;
        qsizetype i = 0;
        for (const char* ad : adlar)
            if (m_yol.at(i++) != QLatin1String(ad))
                return false;
        return true;
    }

    void Basla()
    {
        m_metin.clear();
        if (++m_ogeSayisi > MspdiOgeSiniri || m_yol.size() >= MspdiDerinlikSiniri) {
            m_ret = QStringLiteral("Dosya Kavrion'un okuduğu sınırları aşıyor (en çok %1 öğe, %2 düzey iç içe); bir "
                                   "plan dosyası bu kadarına varmaz. Dosya okunmadı.")
                        .arg(MspdiOgeSiniri)
                        .arg(MspdiDerinlikSiniri);
            return;
        }
        if (!m_kokGoruldu) {
            m_kokGoruldu = true;
            if (m_x.name() != QLatin1String("Project") || m_x.namespaceUri() != AdAlani) {
                m_ret = QStringLiteral("Bu dosya Microsoft Project XML (MSPDI) değil: kök öğesi «%1» (ad alanı «%2»); "
                                       "MSPDI'nin kökü %3 ad alanındaki «Project» öğesidir.")
                            .arg(m_x.name().toString().left(80), m_x.namespaceUri().toString().left(200), AdAlani);
                return;
            }
        }
        m_yol.append(m_x.name().toString());
        if (Yolda({"Project", "Tasks", "Task"}))
            m_gorevler.append(Gorev());
        else if (Yolda({"Project", "Tasks", "Task", "PredecessorLink"})) {
            m_gorevler.last().ara.bagli.append(AraBag());
            m_gorevler.last().gecikmeBicimleri.append(7);
        }
        else if (Yolda({"Project", "ExtendedAttributes", "ExtendedAttribute"}))
            m_ozelAlan = {};
        else if (Yolda({"Project", "Calendars", "Calendar"}))
            m_takvimler.append(OkunanTakvim());
        else if (Yolda({"Project", "Calendars", "Calendar", "WeekDays", "WeekDay"}))
            m_haftaGunu = {};
        else if (Yolda({"Project", "Calendars", "Calendar", "Exceptions", "Exception"}))
            m_istisna = {};
        else if (TakvimIcinde() && m_yol.last() == QLatin1String("WorkingTime"))
            m_takvimler.last().saatler = true;
        else if (Yolda({"Project", "Tasks", "Task", "Baseline"}))
            m_gorevler.last().tabanlar.append(OkunanTaban());
    }

    // A whole number where the schema wants one; otherwise the import stops naming the field.
    std::optional<qint64> Sayi(const char* alan)
    {
        bool tamam = false;
        const qint64 deger = m_metin.trimmed().toLongLong(&tamam);
        if (!tamam && m_ret.isEmpty())
            m_ret = QStringLiteral("Dosyanın %1 alanı (%2) bir sayı değil%3. Yarım bir plan aktarılmaz.")
                        .arg(QLatin1String(alan), m_metin.trimmed().left(40),
                             m_gorevler.isEmpty() ? QString() : QStringLiteral(" (%1. görevde)").arg(m_gorevler.size()));
        return tamam ? std::optional(deger) : std::nullopt;
    }

    void Bitir()
    {
        if (!m_ret.isEmpty())
            return;
        YarimCiftleriDegistir(m_metin);
        if (m_yol.size() == 2 && m_yol.first() == QLatin1String("Project"))
            ProjeAlani(m_yol.last());
        else if (m_yol.size() >= 4 && m_yol.at(1) == QLatin1String("Tasks") && m_yol.at(2) == QLatin1String("Task")) {
            if (m_yol.size() == 4)
                GorevAlani(m_yol.last());
            else if (m_yol.size() == 5 && m_yol.at(3) == QLatin1String("PredecessorLink"))
                BagAlani(m_yol.last());
            else if (m_yol.size() == 5 && m_yol.at(3) == QLatin1String("Baseline"))
                TabanAlani(m_gorevler.last().tabanlar.last(), m_yol.last());
        }
        else if (m_yol.size() >= 3 && m_yol.at(1) == QLatin1String("ExtendedAttributes"))
            OzelAlan();
        else if (TakvimIcinde())
            TakvimAlani();
        else if (Yolda({"Project", "Resources", "Resource", "Name"}) && !m_metin.trimmed().isEmpty())
            m_atlanan.kaynak = true;
        // Microsoft Project assigns every task to "no resource" (-65535): no assignment to leave out.
        else if (Yolda({"Project", "Assignments", "Assignment", "ResourceUID"}) && m_metin.trimmed() != QLatin1String("-65535"))
            m_atlanan.atama = true;
        m_yol.removeLast();
        m_metin.clear();
    }

    void ProjeAlani(const QString& ad)
    {
        if (ad == QLatin1String("Name"))
            m_projeAdi = m_metin;
        else if (ad == QLatin1String("Title"))
            m_baslik = m_metin;
        else if (ad == QLatin1String("StartDate"))
            Tarih(m_ara.proje.baslama, QStringLiteral("StartDate"), m_metin);
        else if (ad == QLatin1String("FinishDate"))
            Tarih(m_ara.proje.bitis, QStringLiteral("FinishDate"), m_metin);
        else if (ad == QLatin1String("CalendarUID"))
            m_takvimUid = m_metin.trimmed();
        else if (ad == QLatin1String("StatusDate"))
            Tarih(m_ara.ilerleme.durumTarihi, QStringLiteral("StatusDate"), m_metin);
        else if (ad == QLatin1String("BaselineForEarnedValue")) {
            if (const auto numara = Sayi("BaselineForEarnedValue"))
                m_karsilastirilan = *numara;
        }
        else if (ad == QLatin1String("MinutesPerDay")) {
            const auto dakika = Sayi("MinutesPerDay");
            if (dakika && (*dakika <= 0 || *dakika > 1440))
                m_ret = QStringLiteral("Dosyanın günlük dakika sayısı (MinutesPerDay = %1) bir günün içine sığmıyor.").arg(*dakika);
            else if (dakika)
                m_gunlukDakika = int(*dakika);
        }
    }

    void Tarih(QDate& tarih, const QString& alan, const QString& metin)
    {
        tarih = QDate::fromString(metin.trimmed().left(10), Qt::ISODate);
        if (!tarih.isValid() && !metin.trimmed().isEmpty())
            m_ret = QStringLiteral("Projenin %1 alanı (%2) bir tarih değil; tarih uydurulmaz, dosya aktarılmadı.")
                        .arg(alan, metin.trimmed().left(40));
    }

    // Kavrion's export keeps the project's estimated end as the one listed value of a
    // custom field it names; other custom fields are not the plan's.
    void OzelAlan()
    {
        if (Yolda({"Project", "ExtendedAttributes", "ExtendedAttribute", "Alias"}))
            m_ozelAlan.ad = m_metin;
        else if (Yolda({"Project", "ExtendedAttributes", "ExtendedAttribute", "ValueList", "Value", "Value"}))
            m_ozelAlan.deger = m_metin;
        else if (Yolda({"Project", "ExtendedAttributes", "ExtendedAttribute"})
                 && m_ozelAlan.ad == QString::fromUtf8(MspdiTahminiBitisAdi))
            Tarih(m_tahminiBitis, m_ozelAlan.ad, m_ozelAlan.deger);
    }

    // Inside a calendar's element, whose start added it: a "Calendars" elsewhere, or holding
    // something else, has no calendar to fill.
    bool TakvimIcinde() const
    {
        return m_yol.size() >= 4 && m_yol.at(0) == QLatin1String("Project") && m_yol.at(1) == QLatin1String("Calendars")
            && m_yol.at(2) == QLatin1String("Calendar") && !m_takvimler.isEmpty();
    }

    // A calendar's UID, name and base, its week days and its exceptions. What cannot be
    // read as a day or a date is left out: the calendar only moves dates, never refuses a plan.
    void TakvimAlani()
    {
        OkunanTakvim& t = m_takvimler.last();
        const QString& ad = m_yol.last();
        const QString metin = m_metin.trimmed();
        if (m_yol.size() == 4) {
            if (ad == QLatin1String("UID"))
                t.uid = metin;
            else if (ad == QLatin1String("Name"))
                t.ad = m_metin;
            else if (ad == QLatin1String("BaseCalendarUID"))
                t.tabanUid = metin;
        } else if (m_yol.at(3) == QLatin1String("WeekDays") && m_yol.size() >= 5) {
            HaftaGunuAlani(t, ad, metin);
        } else if (m_yol.at(3) == QLatin1String("Exceptions") && m_yol.size() >= 5) {
            IstisnaAlani(t, ad, metin);
        }
    }

    static QDate GunOku(const QString& metin) { return QDate::fromString(metin.left(10), Qt::ISODate); }

    // A week day (DayType 1 to 7), or an exception as the older files give it (DayType 0).
    void HaftaGunuAlani(OkunanTakvim& t, const QString& ad, const QString& metin)
    {
        auto& g = m_haftaGunu;
        if (m_yol.size() == 6 && ad == QLatin1String("DayType"))
            g.tur = metin.toInt();
        else if (m_yol.size() == 6 && ad == QLatin1String("DayWorking"))
            g.calisilir = metin == QLatin1String("1");
        else if (m_yol.size() == 7 && ad == QLatin1String("FromDate"))
            g.ilk = GunOku(metin);
        else if (m_yol.size() == 7 && ad == QLatin1String("ToDate"))
            g.son = GunOku(metin);
        else if (m_yol.size() == 5 && g.calisilir && g.tur >= 1 && g.tur <= 7)
            t.hafta[g.tur] = *g.calisilir;
        else if (m_yol.size() == 5 && g.calisilir && g.tur == 0 && g.ilk.isValid())
            t.istisnalar.append({g.ilk, std::max(g.ilk, g.son), QString(), *g.calisilir});
    }

    void IstisnaAlani(OkunanTakvim& t, const QString& ad, const QString& metin)
    {
        auto& i = m_istisna;
        if (m_yol.size() == 6 && ad == QLatin1String("Name"))
            i.gun.ad = m_metin;
        else if (m_yol.size() == 6 && ad == QLatin1String("DayWorking"))
            i.gun.calisilir = metin == QLatin1String("1");
        else if (m_yol.size() == 6 && ad == QLatin1String("Occurrences"))
            i.tekrar = metin.toInt();
        else if (m_yol.size() == 6 && ad == QLatin1String("Type"))
            i.tur = metin.toInt();
        else if (m_yol.size() == 7 && ad == QLatin1String("FromDate"))
            i.gun.ilk = GunOku(metin);
        else if (m_yol.size() == 7 && ad == QLatin1String("ToDate"))
            i.gun.son = GunOku(metin);
        else if (m_yol.size() == 5 && i.tekrar > 1 && i.tur != 1) // daily ones are the period itself
            ++t.yinelenen;
        else if (m_yol.size() == 5 && i.gun.ilk.isValid()) {
            i.gun.son = std::max(i.gun.ilk, i.gun.son);
            t.istisnalar.append(i.gun);
        }
    }

    void GorevAlani(const QString& ad)
    {
        Gorev& g = m_gorevler.last();
        if (ad == QLatin1String("UID"))
            g.ara.anahtar = m_metin.trimmed();
        else if (ad == QLatin1String("Name"))
            g.ara.ad = m_metin;
        else if (ad == QLatin1String("Notes"))
            g.notlar = m_metin;
        else if (ad == QLatin1String("Duration"))
            g.sure = m_metin;
        else if (ad == QLatin1String("DurationFormat"))
            g.bicim = m_metin.trimmed();
        else if (ad == QLatin1String("PercentComplete"))
            g.ilerleme.yuzde = m_metin;
        else if (ad == QLatin1String("ActualStart"))
            g.ilerleme.gercekBaslama = m_metin;
        else if (ad == QLatin1String("ActualFinish"))
            g.ilerleme.gercekBitis = m_metin;
        else if (ad == QLatin1String("RemainingDuration"))
            g.ilerleme.kalan = m_metin;
        else if (ad == QLatin1String("Milestone"))
            g.kilometreTasi = m_metin.trimmed() == QLatin1String("1");
        else if (ad == QLatin1String("IsNull"))
            g.bos = m_metin.trimmed() == QLatin1String("1");
        else if (ad == QLatin1String("OutlineLevel")) {
            if (const auto seviye = Sayi("OutlineLevel"))
                g.ara.seviye = int(std::clamp<qint64>(*seviye, 0, 1 << 20));
        } else if (ad == QLatin1String("ConstraintType"))
            m_atlanan.kisit |= m_metin.trimmed() != QLatin1String("0");
        else if (ad == QLatin1String("Cost") || ad == QLatin1String("FixedCost"))
            m_atlanan.maliyet |= m_metin.trimmed().toDouble() != 0;
    }

    void TabanAlani(OkunanTaban& taban, const QString& ad) const
    {
        const std::pair<const char*, QString*> alanlar[] = {
            {"Number", &taban.numara}, {"Start", &taban.baslama}, {"Finish", &taban.bitis}, {"Duration", &taban.sure}};
        for (const auto& [alan, deger] : alanlar)
            if (ad == QLatin1String(alan))
                *deger = m_metin;
    }

    void BagAlani(const QString& ad)
    {
        Gorev& g = m_gorevler.last();
        AraBag& bag = g.ara.bagli.last();
        if (ad == QLatin1String("PredecessorUID"))
            bag.onceki = m_metin.trimmed();
        else if (ad == QLatin1String("Type")) {
            const auto numara = Sayi("PredecessorLink/Type");
            if (const auto tur = numara ? MspdiBagTuru(*numara) : std::nullopt)
                bag.tur = *tur;
            else if (numara)
                m_ret = QStringLiteral("%1. görevin bir bağının türü (%2) MSPDI'nin dört bağ türünden biri değil; "
                                       "dosya aktarılmadı.").arg(m_gorevler.size()).arg(*numara);
        } else if (ad == QLatin1String("LinkLag")) {
            if (const auto gecikme = Sayi("LinkLag"))
                bag.gecikme = double(*gecikme); // tenths of a minute until the format is known
        } else if (ad == QLatin1String("LagFormat")) {
            if (const auto bicim = Sayi("LagFormat"))
                g.gecikmeBicimleri.last() = int(*bicim);
        }
    }

    AraPlan Plan()
    {
        AraPlan& ara = m_ara;
        ara.proje.ad = m_baslik.trimmed().isEmpty() ? m_projeAdi : m_baslik;
        const int dakika = m_gunlukDakika.value_or(VarsayilanGunlukDakika);
        ara.okuma << QStringLiteral("Microsoft Project XML (MSPDI) olarak okundu: %1 görev.").arg(m_gorevler.size());
        ara.okuma << (m_gunlukDakika ? QStringLiteral("Günde %1 dakika çalışılıyor (MinutesPerDay): %2 saatlik iş günü.")
                                           .arg(dakika)
                                           .arg(GunMetni(dakika / 60.0))
                                     : QStringLiteral("Dosyada günlük dakika sayısı (MinutesPerDay) yok: Microsoft "
                                                      "Project'in varsayılanı, günde 480 dakika (8 saat) alındı."));
        const QDate hesaplananBitis = ara.proje.bitis;
        Tarihler(ara);
        ara.takvim = ProjeTakviminiCevir(m_takvimler, m_takvimUid, ara.proje.baslama,
                                         std::max(hesaplananBitis, ara.proje.bitis), ara.okuma, ara.rapor);
        const bool isGunu = !IsTakvimi(ara.takvim).HerGunCalisilir();
        for (int i = 0; i < m_gorevler.size(); ++i) {
            Gorev& g = m_gorevler[i];
            if (g.bos || g.ara.seviye == 0) {
                if (g.ara.seviye == 0) {
                    ara.okuma << QStringLiteral("Projenin özet görevi (düzey 0) görev sayılmadı.");
                    ProjeTabanlari(g, dakika, ara.tabanlar);
                }
                continue;
            }
            g.ara.etiket = QStringLiteral("UID %1").arg(g.ara.anahtar);
            if (g.ara.anahtar.isEmpty())
                g.ara.anahtar = g.ara.etiket = QStringLiteral("%1. görev").arg(i + 1);
            if (!SureyiCevir(g, dakika, isGunu, ara.rapor) || !IlerlemeyiOku(g, dakika))
                return {};
            for (int k = 0; k < g.ara.bagli.size(); ++k)
                GecikmeyiCevir(g.ara.bagli[k], g.gecikmeBicimleri.at(k), dakika);
            AdiTamamla(g, ara.rapor);
            ara.gorevler.append(g.ara);
        }
        const std::pair<bool, const char*> atlananlar[] = {
            {m_atlanan.kisit, "Görevlerin tarih kısıtlamaları aktarılmadı: Kavrion her faaliyeti öncülleri biter "
                              "bitmez başlatır."},
            {m_atlanan.kaynak, "Kaynaklar aktarılmadı: Kavrion kaynak tutmaz."},
            {m_atlanan.atama, "Kaynak atamaları aktarılmadı: Kavrion kaynak tutmaz."},
            {m_atlanan.maliyet, "Maliyetler aktarılmadı: Kavrion maliyet tutmaz."},
        };
        for (const auto& [var, satir] : atlananlar)
            if (var)
                ara.rapor << QString::fromUtf8(satir);
        if (m_atlananTaban > 0)
            ara.rapor << QStringLiteral("%1 taban planı satırı aktarılmadı: numarası (0–10) ya da başlaması okunamadı.")
                             .arg(m_atlananTaban);
        return ara;
    }

    // The task's progress and baselines, its duration in whole days being known.
    bool IlerlemeyiOku(Gorev& g, int gunlukDakika)
    {
        const auto sure = qint32(std::min(std::ceil(g.ara.sure - 1e-9), 2147483647.0));
        m_ret = IlerlemeyiCevir(g.ilerleme, sure, gunlukDakika, GorevAdi(g.ara), g.ara.ilerleme);
        g.ara.tabanlar = TabanlariCevir(g.tabanlar, gunlukDakika, m_atlananTaban);
        return m_ret.isEmpty();
    }

    // The project's summary task keeps each baseline's start and finish for the whole project.
    void ProjeTabanlari(const Gorev& ozet, int gunlukDakika, TabanPlanlari& tabanlar)
    {
        const QMap<qint32, TabanSatiri> satirlar = TabanlariCevir(ozet.tabanlar, gunlukDakika, m_atlananTaban);
        for (auto s = satirlar.cbegin(); s != satirlar.cend(); ++s)
            tabanlar.planlar.append(TabanPlani{s.key(), {}, {}, s->baslama, s->bitis, {}});
    }

    // The baselines named, the compared one kept only when the file has it, and the progress
    // checked by the rules a user's entry meets.
    AktarimSonucu Tamamla(AktarimSonucu sonuc) const
    {
        if (!sonuc.plan)
            return sonuc;
        AktarimPlani& plan = *sonuc.plan;
        TabanlariTamamla(plan.tabanlar, plan.rapor);
        for (const TabanPlani& taban : std::as_const(plan.tabanlar.planlar))
            if (taban.numara == m_karsilastirilan)
                plan.tabanlar.karsilastirilan = taban.numara;
        // Kavrion counts progress from a status date; a file without one still brings its plan.
        if (!plan.ilerleme.durumTarihi.isValid() && !plan.ilerleme.faaliyetler.isEmpty()) {
            plan.rapor << QStringLiteral("%1 faaliyetin ilerlemesi aktarılmadı: dosyada durum tarihi (StatusDate) yok, "
                                         "Kavrion ilerlemeyi durum tarihine göre tutar.")
                              .arg(plan.ilerleme.faaliyetler.size());
            plan.ilerleme.faaliyetler.clear();
        }
        QStringList kodlar;
        for (const Faaliyet& f : std::as_const(plan.faaliyetler))
            kodlar << f.kodu;
        if (const IlerlemeReddi ret = ProjeIlerlemesiniDenetle(plan.ilerleme, plan.tabanlar, kodlar))
            return Reddet(QStringLiteral("Dosyadaki ilerleme Kavrion'un kurallarına uymuyor: %1 Yarım bir plan "
                                         "aktarılmaz.").arg(IlerlemeMetinleri::RedMetni(ret)));
        if (plan.ilerleme.durumTarihi.isValid())
            plan.okuma << QStringLiteral("İlerleme okundu: durum tarihi %1, %2 faaliyetin ilerlemesi.")
                              .arg(TarihMetni(plan.ilerleme.durumTarihi))
                              .arg(plan.ilerleme.faaliyetler.size());
        return sonuc;
    }

    // The project's dates, and where each came from.
    void Tarihler(AraPlan& ara) const
    {
        ara.okuma << (ara.proje.baslama.isValid()
                          ? QStringLiteral("Projenin başlama tarihi StartDate'ten: %1.").arg(TarihMetni(ara.proje.baslama))
                          : QStringLiteral("Dosyada projenin başlama tarihi yok: önizlemede girilmeli."));
        if (m_tahminiBitis.isValid()) {
            ara.okuma << QStringLiteral("Projenin bitiş tarihi «%1» alanından: %2 (hesaplanan bitiş, FinishDate: %3).")
                             .arg(QString::fromUtf8(MspdiTahminiBitisAdi), TarihMetni(m_tahminiBitis),
                                  TarihMetni(ara.proje.bitis));
            ara.proje.bitis = m_tahminiBitis;
        } else {
            ara.okuma << (ara.proje.bitis.isValid()
                              ? QStringLiteral("Projenin bitiş tarihi FinishDate'ten: %1.").arg(TarihMetni(ara.proje.bitis))
                              : QStringLiteral("Dosyada projenin bitiş tarihi yok: önizlemede girilmeli."));
        }
    }

    // The duration in days; false with m_ret set when it cannot be read.
    bool SureyiCevir(Gorev& g, int gunlukDakika, bool isGunu, QStringList& rapor)
    {
        const std::optional<double> dakika = g.sure.isEmpty() ? std::optional(0.0) : MspdiDakika(g.sure);
        bool tamam = false;
        const int bicim = g.bicim.toInt(&tamam);
        if (!dakika || !tamam) {
            m_ret = QStringLiteral("%1 görevinin süresi (%2, biçim %3) okunamadı. Süre uydurulmaz; dosya aktarılmadı.")
                        .arg(GorevAdi(g.ara), g.sure.trimmed().left(40), g.bicim.left(10));
            return false;
        }
        const bool gecen = GecenSure(bicim);
        g.ara.sure = *dakika / (gecen ? 1440 : gunlukDakika);
        if (g.kilometreTasi) {
            if (*dakika != 0)
                rapor << QStringLiteral("%1 bir kilometre taşı: süresi 0 gün sayıldı (dosyada %2 gün).")
                             .arg(GorevAdi(g.ara), GunMetni(g.ara.sure));
            g.ara.sure = 0;
        } else if (gecen) {
            rapor << GecenSureSatiri(g.ara, isGunu);
        } else if (SaatBicimi(bicim)) {
            rapor << SaatSatiri(g.ara, *dakika / 60, gunlukDakika / 60.0);
        }
        return true;
    }

    // LinkLag, in tenths of a minute of working (or elapsed) time, or a percentage, as days;
    // what was not whole days is kept as written for the report.
    static void GecikmeyiCevir(AraBag& bag, int bicim, int gunlukDakika)
    {
        if (bicim == 19 || bicim == 20 || bicim == 51 || bicim == 52) {
            bag.birim = GecikmeBirimi::Yuzde;
            bag.yazilan = QStringLiteral("%%1").arg(GunMetni(bag.gecikme));
            return;
        }
        const bool gecen = GecenSure(bicim);
        const double dakika = bag.gecikme / 10;
        bag.gecikme = dakika / (gecen ? 1440 : gunlukDakika);
        if (gecen) {
            bag.birim = GecikmeBirimi::GecenGun;
            bag.yazilan = QStringLiteral("%1 takvim günü").arg(GunMetni(bag.gecikme));
        } else if (SaatBicimi(bicim)) {
            bag.birim = GecikmeBirimi::Saat;
            bag.yazilan = QStringLiteral("%1 saat").arg(GunMetni(dakika / 60));
        }
    }

    // Kavrion's export cuts a name at the schema's limit and puts the whole in the notes.
    static void AdiTamamla(Gorev& g, QStringList& rapor)
    {
        if (g.notlar.size() > g.ara.ad.size() && g.notlar.startsWith(g.ara.ad) && g.ara.ad.toUcs4().size() == AdSiniri) {
            rapor << QStringLiteral("%1 adı %2 karakterde kesilmişti; adın tamamı görevin notlarından alındı.")
                         .arg(GorevAdi(g.ara))
                         .arg(AdSiniri);
            g.ara.ad = g.notlar;
        }
    }

    // A date of the report, written as the date fields write it; none when the file has none.
    static QString TarihMetni(const QDate& tarih)
    {
        return tarih.isValid() ? BolgeselMetin::TarihYaz(tarih) : QStringLiteral("yok");
    }

    QXmlStreamReader m_x;
    QStringList m_yol;
    QString m_metin, m_ret, m_projeAdi, m_baslik;
    bool m_kokGoruldu = false;
    qint64 m_ogeSayisi = 0;
    std::optional<int> m_gunlukDakika;
    QVector<Gorev> m_gorevler;
    AraPlan m_ara;
    struct {
        QString ad, deger;
    } m_ozelAlan; // the custom field being read
    QDate m_tahminiBitis;
    qint64 m_karsilastirilan = -1; // BaselineForEarnedValue
    int m_atlananTaban = 0;        // baseline rows that could not be read
    QVector<OkunanTakvim> m_takvimler;
    QString m_takvimUid; // the project's calendar
    struct {
        int tur = -1;
        std::optional<bool> calisilir;
        QDate ilk, son;
    } m_haftaGunu; // the week day being read
    struct {
        MspdiIstisnasi gun;
        int tekrar = 1, tur = 1;
    } m_istisna; // the exception being read
    struct {
        bool kisit = false, kaynak = false, atama = false, maliyet = false;
    } m_atlanan;
};

} // namespace

AktarimSonucu MspdiOku(const QByteArray& icerik)
{
    if (icerik.size() > EnBuyukAktarimDosyasi)
        return Reddet(BuyukDosyaNedeni(QStringLiteral("Dosya")));
    return Okuyucu(icerik).Oku();
}

AktarimSonucu MspdiDosyasiOku(const QString& yol)
{
    QString neden;
    const std::optional<QByteArray> icerik = AktarimDosyasiniOku(yol, neden);
    return icerik ? MspdiOku(*icerik) : Reddet(neden);
}
