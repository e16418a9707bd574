// A program driving the store's write commands is killed (SIGKILL) at random moments.
// After each kill the file must be sound, hold every command that was reported
// done, and the command under way either whole or not at all.
#include "destek/GeciciVeritabani.h"
#include "destek/YardimciProgram.h"
#include "destek/Ozet.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <algorithm>

namespace {

constexpr quint32 Tohum = 20260301;
constexpr int Öldürme = 250;

// What the file must hold, worked out from the commands the program reported done.
class Beklenen {
public:
    // Applies one command as the program printed it: its name, then its values.
    bool Uygula(const QStringList& k)
    {
        const QString komut = k.value(0);
        if (komut == QStringLiteral("ProjeEkle") && k.size() == 4) {
            m_projeler.append({k[1], k[2], k[3]});
        } else if (komut == QStringLiteral("ProjeDeğiştir") && k.size() == 5) {
            for (Proje& p : m_projeler) {
                if (p.ad == k[1])
                    p = {k[2], k[3], k[4]};
            }
            for (Satır& f : m_faaliyetler) {
                if (f.proje == k[1])
                    f.proje = k[2];
            }
        } else if (komut == QStringLiteral("ProjeSil") && k.size() == 2) {
            m_projeler.erase(std::remove_if(m_projeler.begin(), m_projeler.end(),
                                            [&](const Proje& p) { return p.ad == k[1]; }),
                             m_projeler.end());
            FaaliyetleriSil(k[1]);
        } else if (komut == QStringLiteral("FaaliyetEkle") && k.size() == 6) {
            m_faaliyetler.append({k[1], {k[2], k[3], k[4], k[5]}});
        } else if (komut == QStringLiteral("FaaliyetDeğiştir") && k.size() == 6) {
            for (Satır& f : m_faaliyetler) {
                if (f.proje == k[1] && f.faaliyet.kodu == k[2])
                    f.faaliyet = {k[2], k[3], k[4], k[5]};
            }
        } else if (komut == QStringLiteral("SonFaaliyetiSil") && k.size() == 2) {
            auto son = m_faaliyetler.end();
            for (auto f = m_faaliyetler.begin(); f != m_faaliyetler.end(); ++f) {
                if (f->proje == k[1] && (son == m_faaliyetler.end() || f->faaliyet.kodu > son->faaliyet.kodu))
                    son = f;
            }
            if (son != m_faaliyetler.end())
                m_faaliyetler.erase(son);
        } else if (komut == QStringLiteral("TümFaaliyetleriSil") && k.size() == 2) {
            FaaliyetleriSil(k[1]);
        } else {
            return false;
        }
        return true;
    }

    // The rows in the form DosyadakiSatırlar gives them, sorted.
    QStringList Satırlar() const
    {
        QStringList satırlar;
        for (const Proje& p : m_projeler)
            satırlar << QStringList{"P", p.ad, p.başlama, p.bitiş, ""}.join(QLatin1Char('|'));
        for (const Satır& f : m_faaliyetler) {
            satırlar << QStringList{"F", f.proje, f.faaliyet.kodu, f.faaliyet.adı, f.faaliyet.süre, f.faaliyet.öncekiler}
                            .join(QLatin1Char('|'));
        }
        satırlar.sort();
        return satırlar;
    }

private:
    struct Proje {
        QString ad, başlama, bitiş;
    };
    struct Satır {
        QString proje;
        Faaliyet faaliyet;
    };

    void FaaliyetleriSil(const QString& proje)
    {
        m_faaliyetler.erase(std::remove_if(m_faaliyetler.begin(), m_faaliyetler.end(),
                                           [&](const Satır& f) { return f.proje == proje; }),
                            m_faaliyetler.end());
    }

    QVector<Proje> m_projeler;
    QVector<Satır> m_faaliyetler;
};

// Opens the file as the application would after the crash (rolling back a
// half-written command left in the journal) and asks SQLite to check it.
QString Bütünlük(const QString& yol)
{
    const QString ad = QUuid::createUuid().toString();
    QString sonuç;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        vt.setDatabaseName(yol);
        if (vt.open()) {
            QSqlQuery sorgu(vt);
            if (sorgu.exec(QStringLiteral("PRAGMA integrity_check")) && sorgu.next())
                sonuç = sorgu.value(0).toString();
        }
        vt.close();
    }
    QSqlDatabase::removeDatabase(ad);
    return sonuç;
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
    void killedAtRandomMomentsLosesNothing()
    {
        QTemporaryDir dizin;
        const QString yol = VeritabanıYolu(dizin.path());
        ŞemadanOluştur(yol);
        QRandomGenerator üreteç(Tohum);
        Beklenen beklenen;
        int yapılan = 0, tamamlanan = 0, geriAlınan = 0, kaybolan = 0, sağKalan = 0;

        for (int i = 0; i < Öldürme; ++i) {
            QProcess döngü;
            döngü.start(YardımcıProgram(QStringLiteral("yazim-dongusu")), {yol, QString::number(Tohum + quint32(i))});
            QVERIFY(döngü.waitForStarted(5000));
            QVERIFY(döngü.waitForReadyRead(10000));
            QThread::msleep(üreteç.bounded(1, 30));
            döngü.kill();
            QVERIFY(döngü.waitForFinished(5000));

            // Replay what it reported done; keep the command it had begun and not finished.
            QStringList sürmekte;
            for (const QByteArray& ham : döngü.readAllStandardOutput().split('\n')) {
                const QStringList alanlar = QString::fromUtf8(ham).split(QLatin1Char('\t'));
                if (alanlar.first() == QLatin1String("B")) {
                    sürmekte = alanlar.mid(1);
                } else if (alanlar.first() == QLatin1String("K")) {
                    QVERIFY2(beklenen.Uygula(sürmekte), qPrintable(sürmekte.join(QLatin1Char(' '))));
                    sürmekte.clear();
                    ++yapılan;
                } else {
                    QVERIFY2(alanlar.first() != QLatin1String("H"), qPrintable(alanlar.join(QLatin1Char(' '))));
                }
            }

            QCOMPARE(Bütünlük(yol), QStringLiteral("ok"));
            const QStringList dosyada = Sıralı(DosyadakiSatırlar(yol));
            if (dosyada == beklenen.Satırlar()) {
                geriAlınan += sürmekte.isEmpty() ? 0 : 1;
            } else {
                // Only the command under way may have been carried out, and then whole.
                QVERIFY2(!sürmekte.isEmpty(), qPrintable(QStringLiteral("kill %1: rows differ").arg(i)));
                Beklenen sonra = beklenen;
                QVERIFY(sonra.Uygula(sürmekte));
                const QStringList sonraki = sonra.Satırlar();
                for (const QString& satır : sonraki)
                    kaybolan += dosyada.contains(satır) ? 0 : 1;
                QCOMPARE(dosyada, sonraki);
                beklenen = sonra;
                ++tamamlanan;
            }
            ++sağKalan;
        }
        ÖzetYaz(QStringLiteral("crash safety: kills %1, survived %2 (integrity ok, every command whole or absent), "
                               "commands done %3, under way at the kill: rolled back %4, completed %5; rows lost %6")
                    .arg(Öldürme).arg(sağKalan).arg(yapılan).arg(geriAlınan).arg(tamamlanan).arg(kaybolan));
        // Kills must land both between commands and in the middle of them.
        QVERIFY(yapılan > Öldürme / 4);
        QVERIFY(geriAlınan > 0 && tamamlanan > 0);
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_CokmeGuvenligi.moc"
