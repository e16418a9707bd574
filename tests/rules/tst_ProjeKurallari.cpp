#include "rules/ProjeKurallari.h"

#include <QLocale>
#include <QTest>

namespace {

const QLocale Türkçe(QLocale::Turkish, QLocale::Turkey);
const QLocale Amerikan(QLocale::English, QLocale::UnitedStates);
const QLocale Alman(QLocale::German, QLocale::Germany);

} // namespace

Q_DECLARE_METATYPE(TarihKararı::Tür)
Q_DECLARE_METATYPE(EksikBilgi)

class ProjectRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Türkçe); }

    void nameRule_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("büyük");
        QTest::newRow("dotted and dotless i") << "istanbul ılık" << "İSTANBUL ILIK";
        QTest::newRow("kişi") << "kişi" << "KİŞİ";
        QTest::newRow("Turkish letters") << "çağrı şöğüç" << "ÇAĞRI ŞÖĞÜÇ";
        QTest::newRow("already capitals") << "İSTANBUL ILIK" << "İSTANBUL ILIK";
        QTest::newRow("mixed with digits and marks") << "Iğdır-2026 (b)!" << "IĞDIR-2026 (B)!";
        QTest::newRow("blanks kept") << "  ali  " << "  ALİ  ";
        QTest::newRow("only blanks") << "   " << "   ";
        QTest::newRow("empty") << "" << "";
    }
    void nameRule()
    {
        QFETCH(QString, ad);
        QTEST(BüyükHarfeÇevir(ad), "büyük");
    }

    // An accepted date is written in the regional form with four digits, and that text
    // reads back as the same date.
    void dateRule_data()
    {
        using K = TarihKararı::Tür;
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("girilen");
        QTest::addColumn<TarihKararı::Tür>("karar");
        QTest::addColumn<QString>("yazılan");

        QTest::newRow("tr full") << Türkçe << "1.3.2026" << K::Yaz << "1.03.2026";
        QTest::newRow("tr two-digit year") << Türkçe << "01.03.26" << K::Yaz << "1.03.2026";
        QTest::newRow("tr window top") << Türkçe << "31.12.29" << K::Yaz << "31.12.2029";
        QTest::newRow("tr window bottom") << Türkçe << "1.1.30" << K::Yaz << "1.01.1930";
        QTest::newRow("tr leap day two-digit") << Türkçe << "29.02.00" << K::Yaz << "29.02.2000";
        QTest::newRow("tr leap day") << Türkçe << "29.2.2024" << K::Yaz << "29.02.2024";
        QTest::newRow("tr no leap day") << Türkçe << "29.02.2023" << K::Reddet << "";
        QTest::newRow("tr no 31 April") << Türkçe << "31.04.2026" << K::Reddet << "";
        QTest::newRow("tr ISO") << Türkçe << "2026-03-01" << K::Yaz << "1.03.2026";
        QTest::newRow("tr US form") << Türkçe << "3/1/26" << K::Reddet << "";
        QTest::newRow("tr words") << Türkçe << "abc" << K::Reddet << "";
        QTest::newRow("tr blanks") << Türkçe << "   " << K::Reddet << "";
        QTest::newRow("tr empty") << Türkçe << "" << K::Dokunma << "";
        QTest::newRow("en two-digit year") << Amerikan << "3/1/26" << K::Yaz << "3/1/2026";
        QTest::newRow("en last century") << Amerikan << "12/31/99" << K::Yaz << "12/31/1999";
        QTest::newRow("en leap day two-digit") << Amerikan << "2/29/00" << K::Yaz << "2/29/2000";
        QTest::newRow("en day first") << Amerikan << "13/1/2026" << K::Reddet << "";
        QTest::newRow("en Turkish form") << Amerikan << "1.3.2026" << K::Reddet << "";
        QTest::newRow("de two-digit year") << Alman << "1.3.26" << K::Yaz << "01.03.2026";
        QTest::newRow("de full") << Alman << "28.02.2025" << K::Yaz << "28.02.2025";
        QTest::newRow("de no leap day") << Alman << "29.02.25" << K::Reddet << "";
    }
    void dateRule()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, girilen);
        QFETCH(TarihKararı::Tür, karar);
        QLocale::setDefault(yerel);

        const TarihKararı sonuç = TarihMetniniDenetle(girilen);
        QCOMPARE(sonuç.tür, karar);
        QTEST(sonuç.metin, "yazılan");
        if (karar == TarihKararı::Tür::Yaz) {
            const TarihKararı yeniden = TarihMetniniDenetle(sonuç.metin);
            QCOMPARE(yeniden.tür, TarihKararı::Tür::Yaz);
            QCOMPARE(yeniden.metin, sonuç.metin);
        }
    }

    void dayCount_data()
    {
        QTest::addColumn<QString>("başlama");
        QTest::addColumn<QString>("bitiş");
        QTest::addColumn<QString>("gün");
        QTest::newRow("next day") << "5.12.2026" << "6.12.2026" << "1";
        QTest::newRow("same day") << "5.12.2026" << "5.12.2026" << "0";
        QTest::newRow("end first") << "5.12.2026" << "2.12.2026" << "-3";
        QTest::newRow("over a leap day") << "28.02.2024" << "1.03.2024" << "2";
        QTest::newRow("over no leap day") << "28.02.2023" << "1.03.2023" << "1";
        QTest::newRow("over the century window") << "31.12.99" << "1.1.00" << "1";
        QTest::newRow("end empty") << "5.12.2026" << "" << "0";
        QTest::newRow("start not a date") << "abc" << "6.12.2026" << "0";
    }
    void dayCount()
    {
        QFETCH(QString, başlama);
        QFETCH(QString, bitiş);
        QTEST(GünSayısıMetni(başlama, bitiş), "gün");
    }

    // The first row that holds decides; a text of blanks is not empty.
    void saveCheck_data()
    {
        using E = EksikBilgi;
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("başlama");
        QTest::addColumn<QString>("bitiş");
        QTest::addColumn<QString>("gün");
        QTest::addColumn<EksikBilgi>("eksik");
        QTest::newRow("all empty") << "" << "" << "" << "" << E::ProjeAdı;
        QTest::newRow("name only") << "ALFA" << "" << "" << "0" << E::BaşlamaTarihi;
        QTest::newRow("end missing") << "ALFA" << "1.03.2026" << "" << "0" << E::BitişTarihi;
        QTest::newRow("blank name passes") << "   " << "1.03.2026" << "2.03.2026" << "1" << E::Yok;
        QTest::newRow("same day") << "ALFA" << "1.03.2026" << "1.03.2026" << "0" << E::GünSayısı;
        QTest::newRow("end first") << "ALFA" << "4.03.2026" << "1.03.2026" << "-3" << E::GünSayısı;
        QTest::newRow("one day") << "ALFA" << "1.03.2026" << "2.03.2026" << "1" << E::Yok;
        // The count is what the field says, even when the dates say otherwise.
        QTest::newRow("count decides over dates") << "ALFA" << "1.03.2026" << "11.03.2026" << "0" << E::GünSayısı;
        QTest::newRow("no count, dates apart") << "ALFA" << "1.03.2026" << "11.03.2026" << "" << E::Yok;
        QTest::newRow("no count, same dates") << "ALFA" << "1.03.2026" << "1.03.2026" << "" << E::GünSayısı;
        QTest::newRow("count not a number") << "ALFA" << "1.03.2026" << "x" << "nan" << E::GünSayısı;
    }
    void saveCheck()
    {
        QFETCH(QString, ad);
        QFETCH(QString, başlama);
        QFETCH(QString, bitiş);
        QFETCH(QString, gün);
        QFETCH(EksikBilgi, eksik);
        QCOMPARE(EksikBilgiyiBul({ad, başlama, bitiş, gün}), eksik);
    }
};

QTEST_GUILESS_MAIN(ProjectRulesTest)
#include "tst_ProjeKurallari.moc"
