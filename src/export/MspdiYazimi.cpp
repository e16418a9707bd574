#include "export/MspdiYazimi.h"

#include <QXmlStreamWriter>
#include <algorithm>
#include <utility>

namespace {

const QString AdAlanı = QStringLiteral("http://schemas.microsoft.com/project");
constexpr int GünlükSaat = 8; // 08:00–12:00 and 13:00–17:00
constexpr int ProjeAdıSınırı = 255, AdSınırı = 512;

// A character XML 1.0 can hold; a pair of surrogates is taken whole before this.
bool XmlKarakteri(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

// The text with what XML cannot hold replaced by U+FFFD, cut after `sınır` characters
// (the schema counts code points, so a pair is one and is never split).
QString XmlMetni(const QString& metin, int sınır = -1)
{
    QString sonuç;
    sonuç.reserve(metin.size());
    int sayı = 0;
    for (qsizetype i = 0; i < metin.size() && sayı != sınır; ++i, ++sayı) {
        const QChar c = metin.at(i);
        if (c.isHighSurrogate() && i + 1 < metin.size() && metin.at(i + 1).isLowSurrogate()) {
            sonuç += c;
            sonuç += metin.at(++i);
        } else {
            sonuç += XmlKarakteri(c.unicode()) ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    return sonuç;
}

QString Zaman(const QDate& gün, const char* saat)
{
    return gün.toString(Qt::ISODate) + QLatin1Char('T') + QLatin1String(saat);
}

// N days of 8 working hours, as MSPDI writes a duration.
QString Süre(qint64 gün)
{
    return QStringLiteral("PT%1H0M0S").arg(gün * GünlükSaat);
}

class Yazıcı {
public:
    Yazıcı(QByteArray& xml, const AğAnalizi& analiz, const QDate& başlama)
        : m_xml(&xml), m_analiz(analiz), m_başlama(başlama)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(-1); // a tab a level keeps a large plan's file small
    }

    void Yaz(const QString& projeAdı)
    {
        m_xml.writeStartDocument();
        m_xml.writeDefaultNamespace(AdAlanı);
        m_xml.writeStartElement(QStringLiteral("Project"));
        Öğe("SaveVersion", QStringLiteral("12")); // Project 2007, whose schema's order this follows
        Öğe("Name", XmlMetni(projeAdı, ProjeAdıSınırı));
        Öğe("Title", XmlMetni(projeAdı, AdSınırı)); // what Planner names the project by
        Öğe("ScheduleFromStart", QStringLiteral("1"));
        Öğe("StartDate", Zaman(m_başlama, "08:00:00"));
        Öğe("FinishDate", ProjeBitişi());
        Öğe("CurrencyCode", QStringLiteral("TRY")); // the schema requires one
        Öğe("CalendarUID", QStringLiteral("1"));
        Öğe("DefaultStartTime", QStringLiteral("08:00:00"));
        Öğe("DefaultFinishTime", QStringLiteral("17:00:00"));
        Öğe("MinutesPerDay", QString::number(GünlükSaat * 60));
        Öğe("MinutesPerWeek", QString::number(GünlükSaat * 60 * 7));
        Öğe("DaysPerMonth", QStringLiteral("30"));
        Öğe("DefaultTaskType", QStringLiteral("1")); // fixed duration, as the plan's are
        Öğe("DurationFormat", QStringLiteral("7"));  // days
        Takvim();
        m_xml.writeStartElement(QStringLiteral("Tasks"));
        for (int i = 0; i < m_analiz.faaliyetler.size(); ++i)
            Görev(i);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    // A carriage return written as it is would come back as a line feed.
    void Öğe(const char* ad, const QString& metin)
    {
        m_xml.writeStartElement(QLatin1String(ad));
        qsizetype baş = 0;
        for (qsizetype cr; (cr = metin.indexOf(QLatin1Char('\r'), baş)) >= 0; baş = cr + 1) {
            m_xml.writeCharacters(metin.mid(baş, cr - baş));
            m_xml.writeEntityReference(QStringLiteral("#13"));
        }
        m_xml.writeCharacters(metin.mid(baş));
        m_xml.writeEndElement();
    }

    QString Başlangıç(const FaaliyetAnalizi& f) const { return Zaman(m_başlama.addDays(f.es), "08:00:00"); }
    QString Bitiş(const FaaliyetAnalizi& f) const
    {
        return f.ef == f.es ? Başlangıç(f) : Zaman(m_başlama.addDays(f.ef - 1), "17:00:00");
    }

    // The latest finish: a milestone at F stands after the last day's evening.
    QString ProjeBitişi() const
    {
        QString enGeç = Zaman(m_başlama, "08:00:00");
        for (const FaaliyetAnalizi& f : m_analiz.faaliyetler)
            enGeç = std::max(enGeç, Bitiş(f)); // ISO times of four-digit years sort as text
        return enGeç;
    }

    void Takvim()
    {
        m_xml.writeStartElement(QStringLiteral("Calendars"));
        m_xml.writeStartElement(QStringLiteral("Calendar"));
        Öğe("UID", QStringLiteral("1"));
        Öğe("Name", QStringLiteral("Her gün iş günü"));
        Öğe("IsBaseCalendar", QStringLiteral("1"));
        m_xml.writeStartElement(QStringLiteral("WeekDays"));
        for (int gün = 1; gün <= 7; ++gün) { // Sunday to Saturday
            m_xml.writeStartElement(QStringLiteral("WeekDay"));
            Öğe("DayType", QString::number(gün));
            Öğe("DayWorking", QStringLiteral("1"));
            m_xml.writeStartElement(QStringLiteral("WorkingTimes"));
            for (const auto& [baş, son] : {std::pair("08:00:00", "12:00:00"), std::pair("13:00:00", "17:00:00")}) {
                m_xml.writeStartElement(QStringLiteral("WorkingTime"));
                Öğe("FromTime", QLatin1String(baş));
                Öğe("ToTime", QLatin1String(son));
                m_xml.writeEndElement();
            }
            m_xml.writeEndElement();
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    void Görev(int i)
    {
        const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
        const QString numara = QString::number(i + 1);
        const QString ad = XmlMetni(f.adı, AdSınırı);
        m_xml.writeStartElement(QStringLiteral("Task"));
        Öğe("UID", numara);
        Öğe("ID", numara);
        Öğe("Name", ad);
        Öğe("Type", QStringLiteral("1"));
        Öğe("WBS", XmlMetni(f.kodu));
        Öğe("OutlineNumber", numara);
        Öğe("OutlineLevel", QStringLiteral("1"));
        Öğe("Start", Başlangıç(f));
        Öğe("Finish", Bitiş(f));
        Öğe("Duration", Süre(f.ef - f.es));
        Öğe("DurationFormat", QStringLiteral("7"));
        Öğe("Work", Süre(0)); // no resources, as Microsoft Project writes such a task
        Öğe("Estimated", QStringLiteral("0"));
        // Planner takes a task without this for a milestone.
        Öğe("Milestone", f.ef == f.es ? QStringLiteral("1") : QStringLiteral("0"));
        if (ad.size() < f.adı.size())
            Öğe("Notes", XmlMetni(f.adı));
        for (int k = m_analiz.öncekiBaşı.at(i); k < m_analiz.öncekiBaşı.at(i + 1); ++k) {
            m_xml.writeStartElement(QStringLiteral("PredecessorLink"));
            Öğe("PredecessorUID", QString::number(m_analiz.öncekiler.at(k) + 1));
            Öğe("Type", QStringLiteral("1")); // finish to start
            Öğe("LinkLag", QStringLiteral("0"));
            Öğe("LagFormat", QStringLiteral("7"));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
    const AğAnalizi& m_analiz;
    QDate m_başlama;
};

// Why the format cannot hold this plan; empty when it can.
QString Sığmıyor(const AğAnalizi& analiz, const QDate& başlama)
{
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        if (f.ef < f.es)
            return QStringLiteral("%1 faaliyetinin süresi eksi: Microsoft Project XML eksi süreli iş taşıyamaz.")
                .arg(f.kodu);
    }
    const QDate son = başlama.addDays(analiz.projeBitişGünü);
    if (başlama.year() < 1 || son.year() > 9999)
        return QStringLiteral("Projenin tarihleri 1 ile 9999 yılları arasında kalmıyor: Microsoft Project XML "
                              "bu tarihleri yazamaz.");
    return QString();
}

} // namespace

DepoHatası MspdiYaz(const Rapor& rapor, const QDate& başlamaYoksa, QByteArray& xml)
{
    const AğAnalizi& analiz = rapor.analiz;
    if (!analiz.hesaplanamıyor.isEmpty())
        return DepoHatası::yeni(DepoHatası::Genel, analiz.hesaplanamıyor);
    const QDate başlama = rapor.proje.başlama.değer.value_or(başlamaYoksa);
    if (!başlama.isValid())
        return DepoHatası::yeni(DepoHatası::Genel, QStringLiteral("Projenin başlama tarihi yok."));
    const QString neden = Sığmıyor(analiz, başlama);
    if (!neden.isEmpty())
        return DepoHatası::yeni(DepoHatası::Uyumsuz, neden);

    QByteArray yazılan;
    Yazıcı(yazılan, analiz, başlama).Yaz(rapor.proje.ad);
    xml = yazılan;
    return {};
}
