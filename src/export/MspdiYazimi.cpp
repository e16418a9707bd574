#include "export/MspdiYazimi.h"

#include "export/MspdiIlerlemesi.h"
#include "export/MspdiTakvimi.h"
#include "kernel/TarihEsleme.h"
#include "text/AnalizMetinleri.h"
#include "text/TakvimMetinleri.h"

#include <QXmlStreamWriter>
#include <algorithm>
#include <utility>

namespace {

const QString AdAlani = QStringLiteral("http://schemas.microsoft.com/project");
constexpr int GunlukSaat = 8; // 08:00–12:00 and 13:00–17:00
constexpr int ProjeAdiSiniri = 255, AdSiniri = 512;
constexpr int Date1Kimligi = 188743945; // the PID of the tasks' custom field Date1

// A character XML 1.0 can hold; a pair of surrogates is taken whole before this.
bool XmlKarakteri(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

// The text with what XML cannot hold replaced by U+FFFD, cut after `sinir` characters
// (the schema counts code points, so a pair is one and is never split).
QString XmlMetni(const QString& metin, int sinir = -1)
{
    QString sonuc;
    sonuc.reserve(metin.size());
    int sayi = 0;
    for (qsizetype i = 0; i < metin.size() && sayi != sinir; ++i, ++sayi) {
        const QChar c = metin.at(i);
        if (c.isHighSurrogate() && i + 1 < metin.size() && metin.at(i + 1).isLowSurrogate()) {
            sonuc += c;
            sonuc += metin.at(++i);
        } else {
            sonuc += XmlKarakteri(c.unicode()) ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    return sonuc;
}

QString Zaman(const QDate& gun, const char* saat)
{
    return gun.toString(Qt::ISODate) + QLatin1Char('T') + QLatin1String(saat);
}

class Yazici {
public:
    Yazici(QByteArray& xml, const AgAnalizi& analiz, const QDate& baslama, const KayitliProje& proje)
        : m_xml(&xml), m_analiz(analiz), m_baslama(baslama), m_ilerleme(proje.ilerleme), m_tabanlar(proje.tabanlar)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(-1); // a tab a level keeps a large plan's file small
    }

    void Yaz(const QString& projeAdi, const QDate& tahminiBitis)
    {
        m_xml.writeStartDocument();
        m_xml.writeDefaultNamespace(AdAlani);
        m_xml.writeStartElement(QStringLiteral("Project"));
        Oge("SaveVersion", QStringLiteral("12")); // Project 2007, whose schema's order this follows
        Oge("Name", XmlMetni(projeAdi, ProjeAdiSiniri));
        Oge("Title", XmlMetni(projeAdi, AdSiniri)); // what Planner names the project by
        Oge("ScheduleFromStart", QStringLiteral("1"));
        Oge("StartDate", Zaman(m_baslama, "08:00:00"));
        Oge("FinishDate", ProjeBitisi());
        Oge("CurrencyCode", QStringLiteral("TRY")); // the schema requires one
        Oge("CalendarUID", QStringLiteral("1"));
        Oge("DefaultStartTime", QStringLiteral("08:00:00"));
        Oge("DefaultFinishTime", QStringLiteral("17:00:00"));
        Oge("MinutesPerDay", QString::number(GunlukSaat * 60));
        Oge("MinutesPerWeek", QString::number(GunlukSaat * 60 * HaftalikIsGunu()));
        Oge("DaysPerMonth", QStringLiteral("30"));
        Oge("DefaultTaskType", QStringLiteral("1")); // fixed duration, as the plan's are
        Oge("DurationFormat", QStringLiteral("7"));  // days
        MspdiDurumuYaz(m_xml, m_ilerleme, m_tabanlar);
        if (tahminiBitis.isValid())
            TahminiBitis(tahminiBitis);
        Takvim();
        m_xml.writeStartElement(QStringLiteral("Tasks"));
        if (!m_tabanlar.planlar.isEmpty())
            ProjeOzeti(projeAdi);
        for (int i = 0; i < m_analiz.faaliyetler.size(); ++i)
            Gorev(i);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    // A carriage return written as it is would come back as a line feed.
    void Oge(const char* ad, const QString& metin)
    {
        m_xml.writeStartElement(QLatin1String(ad));
        qsizetype bas = 0;
        for (qsizetype cr; (cr = metin.indexOf(QLatin1Char('\r'), bas)) >= 0; bas = cr + 1) {
            m_xml.writeCharacters(metin.mid(bas, cr - bas));
            m_xml.writeEntityReference(QStringLiteral("#13"));
        }
        m_xml.writeCharacters(metin.mid(bas));
        m_xml.writeEndElement();
    }

    QString Baslangic(const FaaliyetAnalizi& f) const { return Zaman(GununTarihi(m_analiz.takvim, m_baslama, f.es), "08:00:00"); }
    // The analysis's finish date: a milestone's moment is its start, other work ends on its last day's evening.
    QString Bitis(const FaaliyetAnalizi& f) const
    {
        return Zaman(BitisTarihi(m_analiz.takvim, m_baslama, f.es, f.ef), f.ef == f.es ? "08:00:00" : "17:00:00");
    }

    // The latest finish: a milestone at F stands after the last day's evening.
    QString ProjeBitisi() const
    {
        QString enGec = Zaman(m_baslama, "08:00:00");
        for (const FaaliyetAnalizi& f : m_analiz.faaliyetler)
            enGec = std::max(enGec, Bitis(f)); // ISO times of four-digit years sort as text
        return enGec;
    }

    // FinishDate is the computed finish, as MSPDI means it; the end the user estimated goes in
    // a custom field's definition as its one listed value, which scheduling never reads.
    void TahminiBitis(const QDate& gun)
    {
        m_xml.writeStartElement(QStringLiteral("ExtendedAttributes"));
        m_xml.writeStartElement(QStringLiteral("ExtendedAttribute"));
        Oge("FieldID", QString::number(Date1Kimligi));
        Oge("FieldName", QStringLiteral("Date1"));
        Oge("Alias", QString::fromUtf8(MspdiTahminiBitisAdi));
        m_xml.writeStartElement(QStringLiteral("ValueList"));
        m_xml.writeStartElement(QStringLiteral("Value"));
        Oge("ID", QStringLiteral("1"));
        Oge("Value", Zaman(gun, "17:00:00"));
        Oge("Description", QStringLiteral("Projenin tahmini bitiş tarihi"));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    int HaftalikIsGunu() const
    {
        int gunler = 0;
        for (int gun = Qt::Monday; gun <= Qt::Sunday; ++gun)
            gunler += HaftaninIsGunu(m_analiz.takvim.Tanim().tur, gun);
        return gunler;
    }

    void CalismaSaatleri()
    {
        m_xml.writeStartElement(QStringLiteral("WorkingTimes"));
        for (const auto& [bas, son] : {std::pair("08:00:00", "12:00:00"), std::pair("13:00:00", "17:00:00")}) {
            m_xml.writeStartElement(QStringLiteral("WorkingTime"));
            Oge("FromTime", QLatin1String(bas));
            Oge("ToTime", QLatin1String(son));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    // The project's one calendar: its week, and the days it treats otherwise.
    void Takvim()
    {
        const IsTakvimi& takvim = m_analiz.takvim;
        m_xml.writeStartElement(QStringLiteral("Calendars"));
        m_xml.writeStartElement(QStringLiteral("Calendar"));
        Oge("UID", QStringLiteral("1"));
        Oge("Name", takvim.HerGunCalisilir() ? QStringLiteral("Her gün iş günü")
                                             : TakvimMetinleri::TakvimAdi(takvim.Tanim().tur));
        Oge("IsBaseCalendar", QStringLiteral("1"));
        m_xml.writeStartElement(QStringLiteral("WeekDays"));
        for (int gun = 1; gun <= 7; ++gun) { // Sunday to Saturday
            const bool calisilir = HaftaninIsGunu(takvim.Tanim().tur, gun == 1 ? Qt::Sunday : gun - 1);
            m_xml.writeStartElement(QStringLiteral("WeekDay"));
            Oge("DayType", QString::number(gun));
            Oge("DayWorking", calisilir ? QStringLiteral("1") : QStringLiteral("0"));
            if (calisilir)
                CalismaSaatleri();
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
        if (!takvim.HerGunCalisilir())
            Istisnalar();
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    // Over the years the plan spans, so that another planner counts the same working days.
    void Istisnalar()
    {
        const QDate son = GununTarihi(m_analiz.takvim, m_baslama, m_analiz.projeBitisGunu);
        const auto istisnalar = MspdiIstisnalari(m_analiz.takvim, m_baslama.year(), std::max(son, m_baslama).year());
        if (istisnalar.isEmpty())
            return;
        m_xml.writeStartElement(QStringLiteral("Exceptions"));
        for (const MspdiIstisnasi& i : istisnalar) {
            m_xml.writeStartElement(QStringLiteral("Exception"));
            Oge("EnteredByOccurrences", QStringLiteral("0"));
            m_xml.writeStartElement(QStringLiteral("TimePeriod"));
            Oge("FromDate", Zaman(i.ilk, "00:00:00"));
            Oge("ToDate", Zaman(i.son, "23:59:00"));
            m_xml.writeEndElement();
            Oge("Occurrences", QStringLiteral("1"));
            Oge("Name", XmlMetni(i.ad, AdSiniri));
            Oge("Type", QStringLiteral("1")); // daily: every day of the period
            Oge("DayWorking", i.calisilir ? QStringLiteral("1") : QStringLiteral("0"));
            if (i.calisilir)
                CalismaSaatleri();
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void Gorev(int i)
    {
        const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
        const QString numara = QString::number(i + 1);
        const QString ad = XmlMetni(f.adi, AdSiniri);
        m_xml.writeStartElement(QStringLiteral("Task"));
        Oge("UID", numara);
        Oge("ID", numara);
        Oge("Name", ad);
        Oge("Type", QStringLiteral("1"));
        Oge("WBS", XmlMetni(f.kodu));
        Oge("OutlineNumber", numara);
        Oge("OutlineLevel", QStringLiteral("1"));
        Oge("Start", Baslangic(f));
        Oge("Finish", Bitis(f));
        Oge("Duration", MspdiSuresi(f.ef - f.es));
        Oge("DurationFormat", QStringLiteral("7"));
        Oge("Work", MspdiSuresi(0)); // no resources, as Microsoft Project writes such a task
        Oge("Estimated", QStringLiteral("0"));
        // Planner takes a task without this for a milestone.
        Oge("Milestone", f.ef == f.es ? QStringLiteral("1") : QStringLiteral("0"));
        if (const auto ilerleme = m_ilerleme.faaliyetler.constFind(f.kodu); ilerleme != m_ilerleme.faaliyetler.cend())
            MspdiGorevIlerlemesiYaz(m_xml, f.ef - f.es, *ilerleme);
        if (ad.size() < f.adi.size())
            Oge("Notes", XmlMetni(f.adi));
        for (int k = m_analiz.ag.girenBasi.at(i); k < m_analiz.ag.girenBasi.at(i + 1); ++k) {
            m_xml.writeStartElement(QStringLiteral("PredecessorLink"));
            Oge("PredecessorUID", QString::number(m_analiz.ag.onceki.at(k) + 1));
            Oge("Type", QString::number(MspdiBagNumarasi(m_analiz.ag.tur.at(k))));
            Oge("LinkLag", QString::number(m_analiz.ag.gecikme.at(k) * MspdiGunlukGecikme));
            Oge("LagFormat", QStringLiteral("7"));
            m_xml.writeEndElement();
        }
        MspdiGorevTabanlariYaz(m_xml, m_tabanlar, f.kodu);
        m_xml.writeEndElement();
    }

    // The whole project as one summary task, as Microsoft Project writes it: where the
    // baselines keep the project's start and finish.
    void ProjeOzeti(const QString& projeAdi)
    {
        m_xml.writeStartElement(QStringLiteral("Task"));
        Oge("UID", QStringLiteral("0"));
        Oge("ID", QStringLiteral("0"));
        Oge("Name", XmlMetni(projeAdi, AdSiniri));
        Oge("Type", QStringLiteral("1"));
        Oge("WBS", QStringLiteral("0"));
        Oge("OutlineNumber", QStringLiteral("0"));
        Oge("OutlineLevel", QStringLiteral("0"));
        Oge("Start", Zaman(GununTarihi(m_analiz.takvim, m_baslama, 0), "08:00:00"));
        Oge("Finish", ProjeBitisi());
        Oge("Duration", MspdiSuresi(m_analiz.projeBitisGunu));
        Oge("DurationFormat", QStringLiteral("7"));
        Oge("Work", MspdiSuresi(0));
        Oge("Estimated", QStringLiteral("0"));
        Oge("Milestone", QStringLiteral("0"));
        Oge("Summary", QStringLiteral("1"));
        MspdiProjeTabanlariYaz(m_xml, m_analiz.takvim, m_tabanlar);
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
    const AgAnalizi& m_analiz;
    QDate m_baslama;
    const ProjeIlerlemesi& m_ilerleme;
    const TabanPlanlari& m_tabanlar;
};

// Why the format cannot hold this plan; empty when it can.
QString Sigmiyor(const AgAnalizi& analiz, const QDate& baslama)
{
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        if (f.ef < f.es)
            return QStringLiteral("%1 faaliyetinin süresi eksi: Microsoft Project XML eksi süreli iş taşıyamaz.")
                .arg(f.kodu);
    }
    const QDate son = GununTarihi(analiz.takvim, baslama, analiz.projeBitisGunu);
    if (baslama.year() < 1 || son.year() > 9999)
        return QStringLiteral("Projenin tarihleri 1 ile 9999 yılları arasında kalmıyor: Microsoft Project XML "
                              "bu tarihleri yazamaz.");
    return QString();
}

} // namespace

namespace {

constexpr std::pair<BagTuru, int> BagNumaralari[] = {
    {BagTuru::BitisBitis, 0}, {BagTuru::BitisBaslama, 1}, {BagTuru::BaslamaBitis, 2}, {BagTuru::BaslamaBaslama, 3}};

} // namespace

int MspdiBagNumarasi(BagTuru tur)
{
    for (const auto& [t, numara] : BagNumaralari)
        if (t == tur)
            return numara;
    return 1;
}

std::optional<BagTuru> MspdiBagTuru(qint64 numara)
{
    for (const auto& [tur, n] : BagNumaralari)
        if (n == numara)
            return tur;
    return std::nullopt;
}

DepoHatasi MspdiYaz(const Rapor& rapor, QByteArray& xml)
{
    const AgAnalizi& analiz = rapor.analiz;
    // The analysis has no figures for a project without activities, and no other explanation is this one.
    const bool bos = analiz.hata.tur == PlanHatasi::FaaliyetYok;
    if (analiz.hata.Var() && !bos)
        return DepoHatasi::yeni(DepoHatasi::Genel, AnalizMetinleri::Hesaplanamiyor(analiz));
    const QDate baslama = rapor.proje.baslama.deger.value_or(QDate());
    if (!baslama.isValid()) {
        const QString ham = rapor.proje.baslama.ham.toString();
        return DepoHatasi::yeni(DepoHatasi::Genel,
                                (ham.isEmpty() ? QStringLiteral("Projenin başlama tarihi yok")
                                               : QStringLiteral("Projenin başlama tarihi (%1) bir tarih değil").arg(ham.left(40)))
                                    + QStringLiteral(": Microsoft Project XML her görevin tarihini başlama "
                                                     "tarihinden sayar. Projeye bir başlama tarihi girin."));
    }
    const QString neden = Sigmiyor(analiz, baslama);
    if (!neden.isEmpty())
        return DepoHatasi::yeni(DepoHatasi::Uyumsuz, neden);

    QByteArray yazilan;
    Yazici(yazilan, analiz, baslama, rapor.proje).Yaz(rapor.proje.ad, rapor.proje.bitis.deger.value_or(QDate()));
    xml = yazilan;
    return {};
}
