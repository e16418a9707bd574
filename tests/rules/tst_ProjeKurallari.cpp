// The project dialogs' rules on plain texts under fixed locales: the name's capitals,
// the date decision, the day count, the save check and the project a save stores.
#include "destek/Yereller.h"
#include "rules/ProjeKurallari.h"

#include <QTest>

Q_DECLARE_METATYPE(TarihKarari::Tur)
Q_DECLARE_METATYPE(EksikBilgi)

class ProjectRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(Turkce); }

    void nameRule_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("buyuk");
        QTest::newRow("dotted and dotless i") << "istanbul ılık kişi" << "İSTANBUL ILIK KİŞİ";
        QTest::newRow("Turkish letters") << "çağrı şöğüç" << "ÇAĞRI ŞÖĞÜÇ";
        QTest::newRow("digits and marks, blanks kept") << "  Iğdır-2026 (b)! " << "  IĞDIR-2026 (B)! ";
    }
    void nameRule()
    {
        QFETCH(QString, ad);
        QTEST(BuyukHarfeCevir(ad), "buyuk");
    }

    // Reading is tested with the hostile dates; here what the field does when left.
    void dateRule_data()
    {
        using K = TarihKarari::Tur;
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("girilen");
        QTest::addColumn<TarihKarari::Tur>("karar");
        QTest::addColumn<QString>("yazilan");
        QTest::newRow("tr two-digit year") << Turkce << "01.03.26" << K::Yaz << "1.03.2026";
        QTest::newRow("tr no 31 April") << Turkce << "31.04.2026" << K::Reddet << "";
        QTest::newRow("tr empty") << Turkce << "" << K::Dokunma << "";
        QTest::newRow("en last century") << Amerikan << "12/31/99" << K::Yaz << "12/31/1999";
    }
    void dateRule()
    {
        QFETCH(QLocale, yerel);
        QFETCH(QString, girilen);
        QLocale::setDefault(yerel);
        const TarihKarari sonuc = TarihMetniniDenetle(girilen);
        QTEST(sonuc.tur, "karar");
        QTEST(sonuc.metin, "yazilan");
        if (sonuc.tur == TarihKarari::Tur::Yaz)
            QCOMPARE(TarihMetniniDenetle(sonuc.metin).metin, sonuc.metin);
    }

    void dayCount_data()
    {
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QString>("gun");
        QTest::newRow("end first") << "5.12.2026" << "2.12.2026" << "-3";
        QTest::newRow("over a leap day") << "28.02.2024" << "1.03.2024" << "2";
        QTest::newRow("end empty") << "5.12.2026" << "" << "0";
        QTest::newRow("start not a date") << "abc" << "6.12.2026" << "0";
    }
    void dayCount()
    {
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        QTEST(GunSayisiMetni(baslama, bitis), "gun");
    }

    // The first row that holds decides; a text of blanks is not empty.
    void saveCheck_data()
    {
        using E = EksikBilgi;
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QString>("gun");
        QTest::addColumn<EksikBilgi>("eksik");
        QTest::newRow("all empty") << "" << "" << "" << "" << E::ProjeAdi;
        QTest::newRow("end missing") << "ALFA" << "1.03.2026" << "" << "0" << E::BitisTarihi;
        QTest::newRow("blank name passes") << "   " << "1.03.2026" << "2.03.2026" << "1" << E::Yok;
        QTest::newRow("end first") << "ALFA" << "4.03.2026" << "1.03.2026" << "-3" << E::GunSayisi;
        // The count is what the field says, even when the dates say otherwise.
        QTest::newRow("count decides over dates") << "ALFA" << "1.03.2026" << "11.03.2026" << "0" << E::GunSayisi;
        QTest::newRow("no count, dates apart") << "ALFA" << "1.03.2026" << "11.03.2026" << "" << E::Yok;
        QTest::newRow("no count, same dates") << "ALFA" << "1.03.2026" << "1.03.2026" << "" << E::GunSayisi;
        QTest::newRow("count not a number") << "ALFA" << "1.03.2026" << "x" << "nan" << E::GunSayisi;
    }
    void saveCheck()
    {
        QFETCH(QString, ad);
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        QFETCH(QString, gun);
        QTEST(EksikBilgiyiBul({ad, baslama, bitis, gun}), "eksik");
    }

    void projectToStore_data()
    {
        QTest::addColumn<QString>("baslama");
        QTest::addColumn<QString>("bitis");
        QTest::addColumn<QString>("neden"); // empty: stored, as 1 and 11 March 2026
        QTest::newRow("both dates") << "1.03.2026" << "11.3.26" << "";
        QTest::newRow("start not a date") << "31.02.2026" << "11.03.2026" << "\"31.02.2026\" bir tarih olarak kaydedilemiyor.";
        QTest::newRow("end not a date") << "1.03.2026" << "3/11/2026" << "\"3/11/2026\" bir tarih olarak kaydedilemiyor.";
    }
    void projectToStore()
    {
        QFETCH(QString, baslama);
        QFETCH(QString, bitis);
        QString neden;
        const auto proje = KaydedilecekProje({"ALFA", baslama, bitis, "10"}, &neden);
        QTEST(neden, "neden");
        QCOMPARE(proje.has_value(), neden.isEmpty());
        if (proje)
            QVERIFY(proje->ad == "ALFA" && proje->baslama == QDate(2026, 3, 1) && proje->bitis == QDate(2026, 3, 11));
    }
};

QTEST_GUILESS_MAIN(ProjectRulesTest)
#include "tst_ProjeKurallari.moc"
