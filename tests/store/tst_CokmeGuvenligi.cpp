// ctest-etiket: guvenilirlik
// The slow real faults. A program driving the store's write commands is killed
// (SIGKILL) at random moments: after each kill the file must be sound, hold every
// command reported done, and the command under way either whole or not at all. And
// each kind of write on a full small file system and under a lock held past the wait.
#include "destek/Ariza.h"
#include "destek/Ozet.h"
#include "destek/YardimciProgram.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

namespace {

ArızaSayıları yavaş;
constexpr quint32 Tohum = 20260301;
constexpr int Öldürme = 250;

// Carries out one command as the program printed it on a copy of our own, through
// the store, with the records that copy holds.
bool Uygula(const ProjeDeposu& d, const QStringList& k)
{
    const QString ad = k.value(1);
    KayıtlıProje p;
    QVector<KayıtlıFaaliyet> fs;
    d.ProjeOku(ad, p);
    d.FaaliyetleriOku(ad, fs);
    const auto tarih = [&](int i) { return QDate::fromString(k.value(i), Qt::ISODate); };
    const Faaliyet f{k.value(2), k.value(3), k.value(4).toInt(), k.value(5)};
    KayıtlıFaaliyet eski;
    for (const KayıtlıFaaliyet& kayıtlı : fs)
        eski = kayıtlı.kodu == k.value(2) ? kayıtlı : eski;
    const QString komut = k.value(0);
    const DepoHatası hata = komut == "ProjeEkle"          ? d.ProjeEkle({ad, tarih(2), tarih(3)})
                            : komut == "ProjeDeğiştir"    ? d.ProjeDeğiştir(p, {k.value(2), tarih(3), tarih(4)})
                            : komut == "ProjeSil"         ? d.ProjeSil(p)
                            : komut == "FaaliyetEkle"     ? d.FaaliyetEkle(ad, f)
                            : komut == "FaaliyetDeğiştir" ? d.FaaliyetDeğiştir(ad, eski, f)
                            : komut == "SonFaaliyetiSil"  ? d.SonFaaliyetiSil(ad, eski)
                            : komut == "TümFaaliyetleriSil" ? d.TümFaaliyetleriSil(ad, fs)
                                                            : DepoHatası::yeni(DepoHatası::Genel, komut);
    return !hata;
}

// Opens the file as the application would after the crash (rolling back a
// half-written command left in the journal) and asks SQLite to check it.
QString Bütünlük(const QString& yol)
{
    const GeçiciBağlantı bağlantı(yol);
    QSqlQuery sorgu(bağlantı.vt());
    return sorgu.exec(QStringLiteral("PRAGMA integrity_check")) && sorgu.next() ? sorgu.value(0).toString()
                                                                               : bağlantı.hata().açıklama;
}

QStringList Sıralı(QStringList satırlar)
{
    satırlar.sort();
    return satırlar;
}

} // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { ÖzetYaz(QStringLiteral("store real faults (disk full, lock): ") + yavaş.Metin()); }

    void slowRealFaults_data()
    {
        ArızaSatırları([](ArızaTürü t) { return t == ArızaTürü::DiskDolu || t == ArızaTürü::YazmaKilidi; });
    }
    void slowRealFaults()
    {
        QFETCH(ArızaTürü, tür);
        QFETCH(int, komut);
        QFETCH(QString, metin);
        ArızadaYaz(tür, komut, metin, yavaş);
    }

    void killedAtRandomMomentsLosesNothing()
    {
        GeçiciVeritabanı vt, kopya;
        QRandomGenerator üreteç(Tohum);
        int yapılan = 0, sürmekteyken = 0, geriAlınan = 0, tamamlanan = 0, bozuk = 0, kaybolan = 0;
        for (int i = 0; i < Öldürme; ++i) {
            QProcess döngü;
            döngü.start(YardımcıProgram(QStringLiteral("yazim-dongusu")), {vt.yol(), QString::number(Tohum + i)});
            QVERIFY(döngü.waitForStarted(5000) && döngü.waitForReadyRead(10000));
            QThread::msleep(üreteç.bounded(1, 30)); // the moment of the kill is what is random here
            döngü.kill();
            QVERIFY(döngü.waitForFinished(5000));

            // Replay what it reported done; keep the command it had begun and not finished.
            QStringList sürmekte;
            for (const QByteArray& ham : döngü.readAllStandardOutput().split('\n')) {
                const QStringList alanlar = QString::fromUtf8(ham).split(QLatin1Char('\t'));
                QVERIFY2(alanlar[0] != "H", qPrintable(alanlar.join(' ')));
                if (alanlar[0] == "B")
                    sürmekte = alanlar.mid(1);
                if (alanlar[0] == "K") {
                    QVERIFY2(Uygula(kopya.depo(), sürmekte), qPrintable(sürmekte.join(' ')));
                    sürmekte.clear();
                    ++yapılan;
                }
            }
            sürmekteyken += sürmekte.isEmpty() ? 0 : 1;
            const bool sağlam = Bütünlük(vt.yol()) == QStringLiteral("ok");
            bozuk += sağlam ? 0 : 1;
            QVERIFY(sağlam);
            const QStringList dosyada = Sıralı(vt.Satırlar());
            if (dosyada == Sıralı(kopya.Satırlar())) {
                geriAlınan += sürmekte.isEmpty() ? 0 : 1;
                continue;
            }
            // Only the command under way may have been carried out, and then whole.
            QVERIFY2(!sürmekte.isEmpty(), qPrintable(QStringLiteral("kill %1: rows differ").arg(i)));
            QVERIFY(Uygula(kopya.depo(), sürmekte));
            for (const QString& satır : kopya.Satırlar())
                kaybolan += dosyada.contains(satır) ? 0 : 1;
            QCOMPARE(dosyada, Sıralı(kopya.Satırlar()));
            ++tamamlanan;
        }
        ÖzetYaz(QStringLiteral("crash safety: kills %1, commands reported done %2, kills in the middle of a command "
                               "%3 (rolled back %4, found whole %5), files failing the integrity check %6, rows lost %7")
                    .arg(Öldürme).arg(yapılan).arg(sürmekteyken).arg(geriAlınan).arg(tamamlanan).arg(bozuk)
                    .arg(kaybolan));
        // Kills must land both between commands and in the middle of them.
        QVERIFY(yapılan > 0 && geriAlınan > 0 && tamamlanan > 0);
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_CokmeGuvenligi.moc"
