// Hostile values through every store command that takes them: each is stored and
// read back exactly, or refused cleanly, and no other row is touched.
#include "destek/DusmancaTarihler.h"
#include "destek/GeciciVeritabani.h"
#include "destek/Ozet.h"
#include "destek/Yereller.h"
#include "rules/BolgeselMetin.h"
#include "store/ProjeDeposu.h"

#include <QLocale>
#include <QTest>

namespace {

int denenen = 0;
int doğru = 0;

// The rows no command in the test is aimed at.
void KomşularıEkle(const GeçiciVeritabanı& vt, const QString& komşu)
{
    vt.ProjeEkle(QStringLiteral("DİĞER"), "2026-01-01", "2026-01-05", {{"A", "diğer", "1", ""}, {"B", "b", "2", "A"}});
    if (!komşu.isEmpty())
        vt.ProjeEkle(komşu, "2026-02-01", "2026-02-05", {{"A", komşu, "4", ""}});
}

QStringList Olmadan(QStringList satırlar, const QString& proje)
{
    satırlar.removeIf([&](const QString& satır) {
        return satır.startsWith(QStringLiteral("P|") + proje + QLatin1Char('|'))
               || satır.startsWith(QStringLiteral("F|") + proje + QLatin1Char('|'));
    });
    return satırlar;
}

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }
    void cleanupTestCase()
    {
        ÖzetYaz(QStringLiteral("hostile input at the store: tried %1, stored exactly or refused cleanly %2")
                    .arg(denenen).arg(doğru));
    }

    void namesRoundTripThroughEveryCommand_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("komşu"); // another project whose name is close to it
        QTest::newRow("single quote") << "O'BRİEN" << "";
        QTest::newRow("double quotes") << "\"ALFA\" \"\"" << "";
        QTest::newRow("injection") << "'; DROP TABLE ProjeTablosu;--" << "";
        QTest::newRow("percent") << "%" << "%%";
        QTest::newRow("underscore") << "_" << "A";
        QTest::newRow("backslashes") << "C:\\YOL\\\\'\\" << "";
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'Ş')) << QString(9999, QChar(u'Ş'));
        QTest::newRow("emoji and combining marks") << QString::fromUtf8("PROJE \xF0\x9F\x9A\x80 E\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB")
                                                   << QString::fromUtf8("PROJE \xF0\x9F\x9A\x80 \xC3\x89");
        QTest::newRow("right to left") << QString::fromUtf8("\xD7\xA4\xD7\xA8\xD7\x95\xD7\x99\xD7\xA7\xD7\x98 \xD9\x85\xD8\xB4\xD8\xB1\xD9\x88\xD8\xB9 \xE2\x80\x8F" "42")
                                       << "";
        QTest::newRow("tabs and line breaks") << "İLK\tSATIR\nİKİNCİ\r\nSON" << "İLK SATIR";
        QTest::newRow("leading and trailing blanks") << "  ALFA  " << "ALFA";
        QTest::newRow("blanks only") << "   " << " ";
        QTest::newRow("differs only in case") << "alfa" << "ALFA";
        QTest::newRow("dotted and dotless i") << QString::fromUtf8("İSTANBUL") << "ISTANBUL";
        QTest::newRow("dotless against dotted") << QString::fromUtf8("ıi") << QString::fromUtf8("Iİ");
    }
    void namesRoundTripThroughEveryCommand()
    {
        QFETCH(QString, ad);
        QFETCH(QString, komşu);
        ++denenen;
        GeçiciVeritabanı vt;
        KomşularıEkle(vt, komşu);
        const QStringList komşular = vt.Satırlar();
        const ProjeDeposu depo = vt.depo();

        // Added under the hostile name, with the hostile text as activity names too.
        QVERIFY(!depo.ProjeEkle(ad, "1.03.2026", "11.03.2026"));
        QVERIFY(!depo.FaaliyetEkle(ad, {"A", ad, "3", ""}));
        QVERIFY(!depo.FaaliyetEkle(ad, {"B", "b", "2", "A"}));
        QVERIFY(!depo.FaaliyetDeğiştir(ad, {"B", ad + ad, "5", "A"}));
        QStringList adlar;
        QVERIFY(!depo.ProjeleriOku(adlar));
        QCOMPARE(adlar.last(), ad);
        QVector<Faaliyet> faaliyetler;
        QVERIFY(!depo.FaaliyetleriOku(ad, faaliyetler));
        QCOMPARE(faaliyetler.size(), 2);
        QCOMPARE(faaliyetler[0].adı, ad);
        QCOMPARE(faaliyetler[1].adı, ad + ad);
        QString kod;
        QVERIFY(!depo.EnBüyükKodu(ad, kod));
        QCOMPARE(kod, QStringLiteral("B"));
        QCOMPARE(Olmadan(vt.Satırlar(), ad), komşular);

        // Renamed away and back: the activities follow, nothing else moves.
        QVERIFY(!depo.ProjeDeğiştir(ad, QStringLiteral("GEÇİCİ"), "1.03.2026", "12.03.2026"));
        QVERIFY(!depo.ProjeDeğiştir(QStringLiteral("GEÇİCİ"), ad, "1.03.2026", "12.03.2026"));
        QVERIFY(!depo.FaaliyetleriOku(ad, faaliyetler));
        QCOMPARE(faaliyetler.size(), 2);
        ProjeBilgisi bilgi;
        QVERIFY(!depo.ProjeOku(ad, bilgi));
        QCOMPARE(bilgi.bitişTarihi, QStringLiteral("12.03.2026"));

        QVERIFY(!depo.SonFaaliyetiSil(ad));
        QVERIFY(!depo.TümFaaliyetleriSil(ad));
        QVERIFY(!depo.ProjeSil(ad));
        QCOMPARE(vt.Satırlar(), komşular);
        ++doğru;
    }

    // Durations reach the store as text: a 32-bit whole number is stored, anything
    // else is refused with its number and nothing is written.
    void durationsAreStoredOrRefused_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("süre");
        QTest::addColumn<QString>("saklanan"); // empty: refused
        QTest::newRow("1e308") << Türkçe << "1e308" << "";
        QTest::newRow("-1e308") << Türkçe << "-1e308" << "";
        QTest::newRow("&HFFFFFFFF") << Türkçe << "&HFFFFFFFF" << "";
        QTest::newRow("&O777") << Türkçe << "&O777" << "";
        QTest::newRow("9999999999") << Türkçe << "9999999999" << "";
        QTest::newRow("one past the largest") << Türkçe << "2147483648" << "";
        QTest::newRow("largest") << Türkçe << "2147483647" << "2147483647";
        QTest::newRow("-0") << Türkçe << "-0" << "0";
        QTest::newRow("blanks around") << Türkçe << "  7  " << "7";
        QTest::newRow("Arabic-Indic digit") << Türkçe << QString::fromUtf8("\xD9\xA3") << "";
        QTest::newRow("tr grouping") << Türkçe << "1.234.567" << "1234567";
        QTest::newRow("tr grouping under en_US") << Amerikan << "1.234.567" << "";
        QTest::newRow("a decimal point") << Amerikan << "12.5" << "";
        QTest::newRow("0x10") << Türkçe << "0x10" << "";
        QTest::newRow("empty") << Türkçe << "" << "";
        QTest::newRow("blanks only") << Türkçe << " \t " << "";
    }
    void durationsAreStoredOrRefused()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, süre);
        QFETCH(QString, saklanan);
        QLocale::setDefault(yerel);
        ++denenen;
        GeçiciVeritabanı vt;
        KomşularıEkle(vt, QStringLiteral("P"));
        const QStringList önce = vt.Satırlar();

        const DepoHatası eklenen = vt.depo().FaaliyetEkle(QStringLiteral("P"), {"B", "b", süre, "A"});
        const DepoHatası değişen = vt.depo().FaaliyetDeğiştir(QStringLiteral("P"), {"A", "a", süre, ""});
        if (saklanan.isEmpty()) {
            QCOMPARE(eklenen.numara, int(DepoHatası::Uyumsuz));
            QCOMPARE(değişen.numara, int(DepoHatası::Uyumsuz));
            QVERIFY(eklenen.açıklama.startsWith(QStringLiteral("Öngörülen süre \"%1\" kaydedilemiyor").arg(süre)));
            QCOMPARE(vt.Satırlar(), önce);
        } else {
            QVERIFY(!eklenen);
            QVERIFY(!değişen);
            QVector<Faaliyet> faaliyetler;
            QVERIFY(!vt.depo().FaaliyetleriOku(QStringLiteral("P"), faaliyetler));
            QCOMPARE(faaliyetler.size(), 2);
            QCOMPARE(faaliyetler[0].süre, saklanan);
            QCOMPARE(faaliyetler[1].süre, saklanan);
            QCOMPARE(Olmadan(vt.Satırlar(), QStringLiteral("P")), Olmadan(önce, QStringLiteral("P")));
        }
        ++doğru;
    }

    // A date is either accepted, stored and shown again as the same date, or refused.
    void datesRoundTripOrAreRefused_data() { DüşmancaTarihSatırları(); }
    void datesRoundTripOrAreRefused()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, tarih);
        QFETCH(QString, iso);
        QLocale::setDefault(yerel);
        ++denenen;
        GeçiciVeritabanı vt;
        KomşularıEkle(vt, QString());
        const QStringList önce = vt.Satırlar();

        const DepoHatası hata = vt.depo().ProjeEkle(QStringLiteral("T"), tarih, tarih);
        if (iso.isEmpty()) {
            QCOMPARE(hata.numara, int(DepoHatası::Uyumsuz));
            QCOMPARE(hata.açıklama, QStringLiteral("\"%1\" bir tarih olarak kaydedilemiyor.").arg(tarih));
            QCOMPARE(vt.Satırlar(), önce);
        } else {
            QVERIFY2(!hata, qPrintable(hata.açıklama));
            ProjeBilgisi bilgi;
            QVERIFY(!vt.depo().ProjeOku(QStringLiteral("T"), bilgi));
            // What the window shows is read again as the same date, and stored as it was.
            QCOMPARE(BölgeselMetin::TarihOku(bilgi.başlamaTarihi), QDate::fromString(iso, Qt::ISODate));
            QVERIFY(!vt.depo().ProjeDeğiştir(QStringLiteral("T"), QStringLiteral("T"), bilgi.başlamaTarihi,
                                             bilgi.bitişTarihi));
            QVERIFY(vt.Satırlar().contains(QStringLiteral("P|T|%1|%1|").arg(iso)));
        }
        ++doğru;
    }

    // Code that builds texts by joining may hand over a null QString for "none".
    void absentPredecessorsAreStoredAsTheEmptyText()
    {
        ++denenen;
        GeçiciVeritabanı vt;
        vt.ProjeEkle(QStringLiteral("P"));
        QVERIFY(!vt.depo().FaaliyetEkle(QStringLiteral("P"), {"A", "a", "3", QString()}));
        QVERIFY(!vt.depo().FaaliyetEkle(QStringLiteral("P"), {"B", "b", "3", "A"}));
        QVERIFY(!vt.depo().FaaliyetDeğiştir(QStringLiteral("P"), {"B", "b", "3", QStringList().join(',')}));
        QVector<Faaliyet> faaliyetler;
        QVERIFY(!vt.depo().FaaliyetleriOku(QStringLiteral("P"), faaliyetler));
        QCOMPARE(faaliyetler.size(), 2);
        QVERIFY(!faaliyetler[0].öncekiler.isNull() && faaliyetler[0].öncekiler.isEmpty());
        QCOMPARE(faaliyetler[1].öncekiler, QString(""));
        ++doğru;
    }
};

QTEST_GUILESS_MAIN(HostileInputTest)
#include "tst_DusmancaGirdi.moc"
