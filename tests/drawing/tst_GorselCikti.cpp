// The chart and the report's pages as files: every bar and name survives, a plan that
// cannot be computed is explained, a large one stays within what viewers open.
#include "destek/Yereller.h"
#include "drawing/AgSayfalari.h"
#include "drawing/GorselCikti.h"
#include "drawing/RaporSayfalari.h"
#include "text/AnalizMetinleri.h"
#include "rules/BolgeselMetin.h"
#include "destek/PlanYazisi.h"
#include "text/TakvimMetinleri.h"

#include <QImage>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

namespace {

Rapor Ag(const QString& ad, int n, const QString& kod = QString())
{
    Rapor rapor;
    rapor.proje = {ad, {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {QDate(2026, 4, 1), QDate(2026, 4, 1)}};
    QVector<KayitliFaaliyet> faaliyetler;
    // Codes are one character each, "A" onwards; the first may be given.
    const auto kodu = [&](int i) { return i == 0 && !kod.isEmpty() ? kod : QString(QChar(char16_t(u'A' + i))); };
    for (int i = 0; i < n; ++i) {
        const QString onceki = i == 0 ? QString() : kodu(i - 1) + (i % 7 == 0 ? QStringLiteral(",") + kodu(0) : QString());
        faaliyetler.append({kodu(i), ad, {1 + i % 4, 1 + i % 4}, onceki});
    }
    rapor.analiz = AnaliziHesapla(faaliyetler, rapor.proje);
    return rapor;
}

struct SvgOkumasi {
    QString hata, baslik;
    QStringList metinler;
    int cubuk = 0;
};

// Reads the SVG as any XML reader would; bars are the rectangles filled in the chart's two bar colours.
SvgOkumasi SvgOku(const QByteArray& svg)
{
    SvgOkumasi okunan;
    QXmlStreamReader xml(svg);
    QStringList dolgular;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString dolgu = xml.attributes().value(QStringLiteral("fill")).toString();
            dolgular << (dolgu.isEmpty() && !dolgular.isEmpty() ? dolgular.last() : dolgu);
            if (xml.name() == QLatin1String("rect") && (dolgular.last() == QLatin1String("#c42020")
                                                         || dolgular.last() == QLatin1String("#3e78b2")))
                ++okunan.cubuk;
            if (xml.name() == QLatin1String("title"))
                okunan.baslik = xml.readElementText();
            else if (xml.name() == QLatin1String("text"))
                okunan.metinler << xml.readElementText();
            if (xml.isEndElement())
                dolgular.removeLast();
        } else if (xml.isEndElement()) {
            dolgular.removeLast();
        }
    }
    okunan.hata = xml.hasError() ? xml.errorString() : QString();
    return okunan;
}

// A device that keeps what is drawn on it, page by page: each text with its box, each
// four-cornered polygon (a milestone's diamond) and each box with cut corners by its box,
// each polyline (an arrow's line); in the painter's own units.
class Kayit : public QPaintDevice, public QPaintEngine {
public:
    struct Sayfa {
        QStringList metinler;
        QVector<QRectF> kutular, elmaslar, kesikler;
        QVector<QPolygonF> cizgiler;
    };
    QVector<Sayfa> sayfalar{1};

    Kayit() : QPaintEngine(AllFeatures) {}
    QPaintEngine* paintEngine() const override { return const_cast<Kayit*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& durum) override
    {
        if (durum.state() & DirtyTransform)
            m_donusum = durum.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& yer, const QTextItem& metin) override
    {
        sayfalar.last().metinler << metin.text();
        sayfalar.last().kutular << m_donusum.mapRect(
            QRectF(yer.x(), yer.y() - metin.ascent(), metin.width(), metin.ascent() + metin.descent()));
    }
    void drawPolygon(const QPointF* noktalar, int sayi, PolygonDrawMode kip) override
    {
        if (kip == PolylineMode)
            sayfalar.last().cizgiler << m_donusum.map(QPolygonF(QList<QPointF>(noktalar, noktalar + sayi)));
        else if (sayi == 4 || sayi == 9)
            (sayi == 4 ? sayfalar.last().elmaslar : sayfalar.last().kesikler)
                << m_donusum.map(QPolygonF(QList<QPointF>(noktalar, noktalar + sayi))).boundingRect();
    }
    void drawPath(const QPainterPath&) override {}
    Type type() const override { return User; }

protected:
    int metric(PaintDeviceMetric olcu) const override
    {
        return olcu == PdmDpiX || olcu == PdmDpiY || olcu == PdmPhysicalDpiX || olcu == PdmPhysicalDpiY ? 72
               : olcu == PdmDevicePixelRatio || olcu == PdmDevicePixelRatioScaled ? 1
               : olcu == PdmNumColors ? 256 : olcu == PdmDepth ? 32 : 100000;
    }

private:
    QTransform m_donusum;
};

// A simulation's result from its iterations' F, smallest first, with its percentiles as the simulation takes them.
RiskSonucu Benzetim(const QVector<double>& bitisler, int plan)
{
    RiskSonucu s;
    s.siraliBitisler = bitisler;
    s.yineleme = int(bitisler.size());
    s.deterministikF = plan;
    const auto p = [&](int yuzde) { return bitisler.at((yuzde * bitisler.size() + 99) / 100 - 1); };
    s.p10 = p(10), s.p50 = p(50), s.p80 = p(80), s.p90 = p(90);
    s.faaliyetler = {{1, 0}, {0.5, 0}};
    return s;
}

QVector<double> Yayilim(double ilk, double son)
{
    QVector<double> bitisler;
    for (int i = 0; i < 1000; ++i)
        bitisler << ilk + (son - ilk) * i / 999;
    return bitisler;
}

int PdfSayfaSayisi(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)"))));
}

} // namespace

class DrawingExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(Turkce); }

    void svgIsReadableXmlWithEveryBar_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("kod"); // the first activity's; a predecessor list names one character a code
        QTest::newRow("markup") << QStringLiteral("A&B <x> \"q\" ]]> 'y'") << QStringLiteral("<");
        QTest::newRow("control characters") << QStringLiteral("a\x01" "b\x1f" "c\nd\te") << QStringLiteral("\x02");
        QTest::newRow("emoji and right-to-left") << QStringLiteral("Plan 🚧 مشروع שלום") << QStringLiteral("ש");
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'Ş')) << QStringLiteral("İ");
    }
    void svgIsReadableXmlWithEveryBar()
    {
        QFETCH(QString, ad);
        QFETCH(QString, kod);
        const Rapor rapor = Ag(ad, 12, kod);
        QVERIFY2(!rapor.analiz.hata.Var(), qPrintable(AnalizMetinleri::Hesaplanamiyor(rapor.analiz)));
        const SvgOkumasi okunan = SvgOku(GorselYaz(rapor, GorselBicim::Svg, QFont()));
        QCOMPARE(okunan.hata, QString());
        QCOMPARE(okunan.cubuk, 12 + 2); // and the legend's two
        // What XML cannot hold is left out; every other character is kept.
        QString beklenen = ad;
        beklenen.remove(QRegularExpression(QStringLiteral("[\\x00-\\x08\\x0b\\x0c\\x0e-\\x1f]")));
        QCOMPARE(okunan.baslik, beklenen);
    }

    void aPlanThatCannotBeComputedIsExplained()
    {
        Rapor rapor = Ag(QStringLiteral("P"), 3);
        rapor.analiz = AnaliziHesapla({{"A", "a", {1, 1}, ""}, {"B", "b", {1, 1}, "Z"}}, rapor.proje);
        QVERIFY(rapor.analiz.hata.Var());
        const SvgOkumasi okunan = SvgOku(GorselYaz(rapor, GorselBicim::Svg, QFont()));
        QCOMPARE(okunan.hata, QString());
        QCOMPARE(okunan.cubuk, 0);
        // The explanation is wrapped over lines; its words are all there.
        QCOMPARE(okunan.metinler.join(QLatin1Char(' ')).simplified(), AnalizMetinleri::Hesaplanamiyor(rapor.analiz).simplified());
        QCOMPARE(PdfSayfaSayisi(GorselYaz(rapor, GorselBicim::Pdf, QFont())), 1);
        QVERIFY(!QImage::fromData(GorselYaz(rapor, GorselBicim::Png, QFont()), "PNG").isNull());
    }

    // A chart read without Kavrion: its title and dates, each row's code and name, a legend, a milestone as
    // a diamond on its day, and the end markers' captions clear of the dates and of each other.
    void aChartReadAloneSaysWhatItShows_data()
    {
        QTest::addColumn<int>("tahmini"); // the estimated end, in days; F is 7
        QTest::newRow("estimate after F") << 12;
        QTest::newRow("estimate on F") << 7;
        QTest::newRow("estimate a day before F") << 6;
    }
    void aChartReadAloneSaysWhatItShows()
    {
        QFETCH(int, tahmini);
        Rapor rapor;
        rapor.proje = {"Depo", {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {{}, QDate(2026, 3, 1).addDays(tahmini)}};
        rapor.analiz = AnaliziHesapla({{"A", "Kazı", {3, 3}, ""}, {"B", "Temel bitti", {0, 0}, "A"},
                                       {"C", "Duvar", {2, 2}, "B"}, {"D", QString(60, u'Ç'), {4, 4}, "A"}}, rapor.proje);
        const GanttCizimi cizim = RaporCizimi(rapor, DosyaOlcegi(rapor, QFont()));
        Kayit kayit;
        QPainter boyaci(&kayit);
        cizim.Ciz(boyaci);
        boyaci.end();
        const Kayit::Sayfa& s = kayit.sayfalar.at(0);
        const QString d = BolgeselMetin::TarihYaz(rapor.analiz.plan.enErkenBitis);
        for (const QString& metin : QStringList{"Depo", "Başlama tarihi: 1.03.2026    En erken bitiş: " + d
                                     + "    Tahmini bitiş tarihi: " + BolgeselMetin::TarihMetni(rapor.proje.bitis),
                                     "A", "Kazı", "B", "Temel bitti", "Kritik faaliyet", "Kritik olmayan faaliyet",
                                     "Toplam bolluk", "Kilometre taşı (0 gün)", "F: en erken bitiş, 7 gün",
                                     "Tahmini bitiş: tahmini gün sayısı " + QString::number(tahmini)})
            QVERIFY2(s.metinler.contains(metin), qPrintable(metin));
        QVERIFY(s.metinler.contains(QRegularExpression("^ÇÇÇ+…$")));
        // The row's diamond (the other is the legend's) is as tall as a bar and lies after A's last day.
        QCOMPARE(s.elmaslar.size(), 2);
        const QRectF elmas = s.elmaslar.at(1);
        QCOMPARE(elmas, cizim.Cubuk(1));
        QVERIFY(elmas.height() >= cizim.Cubuk(0).height() && elmas.left() >= cizim.Cubuk(0).right());
        const QRectF f = s.kutular.at(s.metinler.indexOf("F")), t = s.kutular.at(s.metinler.indexOf("Tahmini bitiş"));
        QVERIFY(!f.intersects(t));
        for (int i = 0; i < s.metinler.size(); ++i) {
            if (QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}$").match(s.metinler.at(i)).hasMatch())
                QVERIFY2(!s.kutular.at(i).intersects(f) && !s.kutular.at(i).intersects(t), qPrintable(s.metinler.at(i)));
        }
    }

    // Under a working-day calendar the days off between working days have columns of their own, shaded,
    // and a bar stretches over them; under "Her gün" nothing is. A from Friday 22 May 2026 works three
    // days to the worked arife of Kurban Bayramı, B the two days after the bayram's weekend.
    void aWorkingDayCalendarShadesItsDaysOff_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<QString>("golgeli"); // a digit per column: 1 shaded
        QTest::addColumn<QString>("adi");     // the first shaded column's name
        QTest::newRow("Pazartesi–Cuma") << int(TakvimTuru::PazartesiCuma) << "011001111100" << "Cumartesi: hafta tatili";
        QTest::newRow("Pazartesi–Cumartesi") << int(TakvimTuru::PazartesiCumartesi) << "00100111110" << "Pazar: hafta tatili";
        QTest::newRow("Her gün") << int(TakvimTuru::HerGun) << "00000" << "";
    }
    void aWorkingDayCalendarShadesItsDaysOff()
    {
        QFETCH(int, tur);
        QFETCH(QString, golgeli);
        QFETCH(QString, adi);
        KayitliProje proje{"P", {QDate(2026, 5, 22), QDate(2026, 5, 22)}, {}};
        proje.takvim.tur = TakvimTuru(tur);
        const AgAnalizi analiz = AnaliziHesapla(Faaliyetler("A:3: B:2:A"), proje);
        GanttOlcegi olcek;
        olcek.gunGenisligi = 20;
        const GanttCizimi cizim(analiz, QDate(2026, 5, 22), std::nullopt, olcek);
        QCOMPARE(cizim.SutunSayisi(), golgeli.size());
        QImage resim(cizim.Boyut().toSize(), QImage::Format_RGB32);
        resim.fill(Qt::white);
        QPainter boyaci(&resim);
        cizim.Ciz(boyaci);
        boyaci.end();
        // Under B's bar, clear of the arrows: each column's middle.
        const double y = cizim.Satir(1).bottom() - 2;
        QString bulunan;
        QStringList adlar;
        for (int sutun = 0; sutun < golgeli.size(); ++sutun) {
            const QPointF yer(cizim.Cubuk(0).left() + (sutun + 0.5) * olcek.gunGenisligi, y);
            bulunan += resim.pixelColor(yer.toPoint()) == QColor(Qt::white) ? '0' : '1';
            if (const QDate gun = cizim.CalisilmayanGun(yer); gun.isValid())
                adlar << TakvimMetinleri::CalisilmayanGun(gun, analiz.takvim.Gun(gun)).section(' ', 1);
        }
        QCOMPARE(bulunan, golgeli);
        QCOMPARE(adlar.size(), golgeli.count('1'));
        QCOMPARE(adlar.value(0), adi);
        if (!adlar.isEmpty())
            QVERIFY2(adlar.contains("Çarşamba: Kurban Bayramı"), qPrintable(adlar.join('|')));
        // A's bar ends with its third working day, B's starts on its first after the bayram.
        QCOMPARE(cizim.Cubuk(1).right() - cizim.Cubuk(0).left(), golgeli.size() * olcek.gunGenisligi);
    }

    // Every chart page of a long plan has the date axis; the heading lists ten of its 1,024 critical paths.
    void everyChartPageHasItsDatesAndTheHeadingTenPaths()
    {
        Rapor rapor = Ag("P", 1);
        // Codes are one character: S, then ten pairs (a A, b B, …) each joined by a digit: 2^10 critical paths.
        QVector<KayitliFaaliyet> fs{{"S", "s", {1, 1}, ""}};
        for (char16_t k = 0; k < 10; ++k) {
            const QString onceki = k ? QString(QChar(u'0' + k - 1)) : QStringLiteral("S");
            fs.append({QChar(u'a' + k), "x", {1, 1}, onceki});
            fs.append({QChar(u'A' + k), "y", {1, 1}, onceki});
            fs.append({QChar(u'0' + k), "j", {1, 1}, QString(QChar(u'a' + k)) + ',' + QChar(u'A' + k)});
        }
        for (char16_t i = 0; i < 300; ++i)
            fs.append({QChar(u'Ā' + i), "r", {1, 1}, "0"});
        rapor.analiz = AnaliziHesapla(fs, rapor.proje);
        Kayit kayit;
        RaporuSayfalaraCiz(kayit, RaporSayfaDuzeni(), [&] { kayit.sayfalar.append(Kayit::Sayfa()); }, rapor, QFont());
        const QString ilk = kayit.sayfalar.at(0).metinler.join('\n');
        QVERIFY(ilk.contains(QRegularExpression("^10\\. S → A → 0 → B .* → g → ", QRegularExpression::MultilineOption)));
        QVERIFY(!ilk.contains(QRegularExpression("^11\\. ", QRegularExpression::MultilineOption)));
        QVERIFY(ilk.contains("\nve 1014 yol daha\n"));
        int sema = 0;
        for (const Kayit::Sayfa& sayfa : kayit.sayfalar) {
            if (!sayfa.metinler.contains("Kodu")) { // not the table's
                ++sema;
                QVERIFY(sayfa.metinler.contains("1.03.2026"));
            }
        }
        QVERIFY2(sema >= 5, qPrintable(QString::number(sema)));
    }

    // Two critical paths of 2,001 activities, one character a code: the heading cuts each to two lines,
    // every code it keeps the path's own, so the table starts on the first page.
    void aLongCriticalPathIsCutInTheHeading()
    {
        Rapor rapor = Ag("P", 1);
        QVector<KayitliFaaliyet> fs;
        for (char16_t i = 0; i < 2000; ++i)
            fs.append({QChar(u'一' + i), "k", {1, 1}, i ? QString(QChar(u'一' + i - 1)) : QString()});
        fs.insert(1, {QChar(u'ア'), "k", {1, 1}, QStringLiteral("一")});
        fs.insert(2, {QChar(u'イ'), "k", {1, 1}, QStringLiteral("一")});
        fs[3].oncekiler = QStringLiteral("ア,イ");
        rapor.analiz = AnaliziHesapla(fs, rapor.proje);
        Kayit kayit;
        RaporuSayfalaraCiz(kayit, RaporSayfaDuzeni(), [&] { kayit.sayfalar.append(Kayit::Sayfa()); }, rapor, QFont());
        const Kayit::Sayfa& ilk = kayit.sayfalar.at(0);
        QVERIFY(ilk.metinler.join("").contains(QRegularExpression("1\\. 一 → ア → 丁 → .* → … \\(2\\.001 faaliyet\\)")));
        const int tablo = int(ilk.metinler.indexOf("Kodu"));
        QVERIFY(tablo > 0);
        QSet<double> satirlar; // the heading's lines with codes: each path's two, and the note that names one again
        for (int i = 0; i < tablo; ++i)
            if (ilk.metinler.at(i).contains(QRegularExpression("[一-龥]")))
                satirlar << ilk.kutular.at(i).top();
        QVERIFY2(satirlar.size() <= 2 * 2 + 3, qPrintable(QString::number(satirlar.size())));
    }

    // A risk chart read alone: its title, legend and axes' titles, and no caption over another, however narrow the spread.
    void aRiskChartReadAloneKeepsItsCaptionsApart_data()
    {
        QTest::addColumn<RiskCizimTuru>("tur");
        QTest::addColumn<QVector<double>>("bitisler");
        QTest::addColumn<int>("sutun"); // histogram columns with iterations, or tornado bars
        QTest::addColumn<QStringList>("metinler");
        const QStringList histogram{"Bitiş (F), gün", "Yineleme sayısı", "Birikimli pay", "Plan: planın bitişi, F = 20 gün"};
        QTest::newRow("every iteration alike, on the plan") << RiskCizimTuru::Histogram << QVector<double>(1000, 20) << 1 << histogram;
        QTest::newRow("every iteration alike, after it") << RiskCizimTuru::Histogram << QVector<double>(1000, 23) << 1 << histogram;
        QTest::newRow("within a day") << RiskCizimTuru::Histogram << Yayilim(20, 20.3) << 1 << histogram;
        QTest::newRow("a wide spread") << RiskCizimTuru::Histogram << Yayilim(10, 200) << 48 << histogram;
        QTest::newRow("tornado, every iteration alike") << RiskCizimTuru::Kasirga << QVector<double>(1000, 20) << 2
            << QStringList{"Faaliyet kodu ve duyarlılığı", "Olumlu: süresi uzadıkça proje geç biter"};
    }
    void aRiskChartReadAloneKeepsItsCaptionsApart()
    {
        QFETCH(RiskCizimTuru, tur);
        QFETCH(QVector<double>, bitisler);
        QFETCH(int, sutun);
        QFETCH(QStringList, metinler);
        const RiskGorseli gorsel{Benzetim(bitisler, 20), {"A", "B"}, {Dagilim::Ucgen, 1000, 7}};
        const KayitliProje proje{"Depo", {QDate(2026, 3, 1), QDate(2026, 3, 1)}, {}};
        Kayit kayit;
        QPainter boyaci(&kayit);
        const RiskCizimSayimi sayim = RiskResmi(gorsel, tur, proje, QFont()).Ciz(boyaci);
        boyaci.end();
        QCOMPARE(sayim.sutun, sutun);
        const Kayit::Sayfa& s = kayit.sayfalar.at(0);
        for (const QString& metin : metinler + QStringList{"Depo", "Başlama tarihi: 1.03.2026    Plan bitişi: 20 gün (20.03.2026)",
                                                           "Benzetim: 1.000 yineleme, tohum 7, üçgen dağılımı."})
            QVERIFY2(s.metinler.contains(metin), qPrintable(metin));
        for (int i = 0; i < s.kutular.size(); ++i)
            for (int j = i + 1; j < s.kutular.size(); ++j)
                QVERIFY2(!s.kutular.at(i).intersects(s.kutular.at(j)), qPrintable(s.metinler.at(i) + " / " + s.metinler.at(j)));
    }

    // 6,200 rows: the PNG is scaled into what viewers open, the PDF runs over many pages.
    // An arrow leaves the predecessor's end its type names and enters the successor's
    // from the outside: a start from the left, a finish from the right.
    void anArrowTiesTheEndsItsTypeNames_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<bool>("baslangictan");
        QTest::addColumn<bool>("bitise");
        QTest::newRow("BB") << int(BagTuru::BitisBaslama) << false << false;
        QTest::newRow("BaBa") << int(BagTuru::BaslamaBaslama) << true << false;
        QTest::newRow("BiBi") << int(BagTuru::BitisBitis) << false << true;
        QTest::newRow("BaBi") << int(BagTuru::BaslamaBitis) << true << true;
    }
    void anArrowTiesTheEndsItsTypeNames()
    {
        QFETCH(int, tur);
        QFETCH(bool, baslangictan);
        QFETCH(bool, bitise);
        const KayitliProje proje{"P", {QDate(2026, 5, 4), QDate(2026, 5, 4)}, {}};
        // B overlaps A, as such links let it: each end lies inside the other bar's span.
        AgAnalizi analiz = AnaliziHesapla(Faaliyetler("A:3: B:3:A"), proje);
        analiz.ag.tur[0] = BagTuru(tur);
        analiz.faaliyetler[1].es = 1;
        analiz.faaliyetler[1].ef = 4;
        const GanttCizimi cizim(analiz, QDate(2026, 5, 4), std::nullopt, GanttOlcegi());
        Kayit kayit;
        QPainter boyaci(&kayit);
        QCOMPARE(cizim.Ciz(boyaci).ok, 1);
        boyaci.end();
        const QRectF a = cizim.Cubuk(0), b = cizim.Cubuk(1);
        // The arrow is the one line that leaves A's row, among the axis's and the markers'.
        QVector<QPolygonF> oklar;
        for (const QPolygonF& cizgi : std::as_const(kayit.sayfalar.last().cizgiler))
            if (cizgi.first().y() == a.center().y())
                oklar << cizgi;
        QCOMPARE(oklar.size(), 1);
        const QPolygonF yol = oklar.first();
        QCOMPARE(yol.first(), QPointF(baslangictan ? a.left() : a.right(), a.center().y()));
        QCOMPARE(yol.last(), QPointF(bitise ? b.right() : b.left(), b.center().y()));
        const double giris = yol.last().x() - yol.at(yol.size() - 2).x();
        QVERIFY2(bitise ? giris < 0 : giris > 0, qPrintable(QString::number(giris)));
    }

    void aLargePlanStaysOpenable()
    {
        const Rapor rapor = Ag(QStringLiteral("Büyük"), 6200);
        QVERIFY(!rapor.analiz.hata.Var());
        const QImage resim = QImage::fromData(GorselYaz(rapor, GorselBicim::Png, QFont()), "PNG");
        QVERIFY(!resim.isNull());
        QVERIFY(resim.height() <= 16000 && resim.width() <= 16000);
        QVERIFY(resim.height() > 10000);
        const int sayfa = PdfSayfaSayisi(GorselYaz(rapor, GorselBicim::Pdf, QFont()));
        // A page holds some tens of table rows and of chart rows.
        QVERIFY2(sayfa > 6200 / 60 && sayfa < 6200 / 10, qPrintable(QString::number(sayfa)));
    }

    // The network diagram as SVG, read back by an SVG renderer and an XML reader: its size and
    // every box's code. Too wide for a page, its PDF goes over pages after a page map that
    // numbers each of them.
    void networkDiagramFilesHoldEveryBoxAndAPageMap()
    {
        Rapor rapor = Ag(QStringLiteral("AĞ <&>"), 1);
        QVector<KayitliFaaliyet> fs;
        const auto kod = [](int i) { return QString(QChar(char16_t(u'一' + i))); }; // one character a code
        for (int i = 0; i < 40; ++i)
            fs.append({kod(i), "iş", {1 + i % 3, 1 + i % 3}, i ? kod(i - 1) + (i % 5 ? "" : "," + kod(i / 2)) : ""});
        rapor.analiz = AnaliziHesapla(fs, rapor.proje);
        QVERIFY2(!rapor.analiz.hata.Var(), qPrintable(AnalizMetinleri::Hesaplanamiyor(rapor.analiz)));
        const QByteArray svg = AgGorseliYaz(rapor, GorselBicim::Svg, QFont());
        QSvgRenderer okuyucu(svg);
        QVERIFY(okuyucu.isValid());
        const QSizeF boyut = AgRaporCizimi(rapor, QFont()).Boyut();
        QCOMPARE(okuyucu.viewBoxF().size().toSize(), boyut.toSize());
        const SvgOkumasi okunan = SvgOku(svg);
        QVERIFY2(okunan.hata.isEmpty(), qPrintable(okunan.hata));
        QCOMPARE(okunan.baslik, rapor.proje.ad);
        const QString metinler = okunan.metinler.join('\n');
        for (int i = 0; i < fs.size(); ++i)
            QVERIFY2(metinler.contains(kod(i)), qPrintable(kod(i)));

        Kayit kayit;
        AgiSayfalaraCiz(kayit, RaporSayfaDuzeni(), [&] { kayit.sayfalar.append(Kayit::Sayfa()); }, rapor, QFont());
        const int n = int(kayit.sayfalar.size());
        QVERIFY2(n > 2, qPrintable(QString::number(n)));
        QCOMPARE(PdfSayfaSayisi(AgGorseliYaz(rapor, GorselBicim::Pdf, QFont())), n);
        const QStringList harita = kayit.sayfalar.at(0).metinler;
        QVERIFY(harita.join('\n').contains(QStringLiteral("Sayfa planı: ağ diyagramı %1 sayfada").arg(n - 1)));
        for (int sayfa = 2; sayfa <= n; ++sayfa)
            QVERIFY2(harita.contains(QString::number(sayfa)), qPrintable(QString::number(sayfa)));
        // No activity here lasts no day: the one box with cut corners is the legend's, and no diamond.
        QCOMPARE(kayit.sayfalar.at(1).kesikler.size(), 1);
        QVERIFY(kayit.sayfalar.at(1).elmaslar.isEmpty());
        QString parcalar;
        for (int sayfa = 1; sayfa < n; ++sayfa)
            parcalar += kayit.sayfalar.at(sayfa).metinler.join('\n');
        for (int i = 0; i < fs.size(); ++i)
            QVERIFY2(parcalar.contains(kod(i)), qPrintable(kod(i)));
    }
};

QTEST_MAIN(DrawingExportTest)
#include "tst_GorselCikti.moc"
