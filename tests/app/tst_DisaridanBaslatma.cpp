// ctest-etiket: guvenilirlik
// The real kavrion executable, started as a user would on a real X display (Xvfb):
// a broken Proje.mdb shows a box titled Kavrion, Enter closes it and the process
// ends with a non-zero status; a sound one shows the main window and Esc ends it.
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/YardimciProgram.h"
#include "destek/Ozet.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <unistd.h>

Q_DECLARE_METATYPE(Bozukluk)

namespace {

// Runs xdotool and gives its output, or nothing when it failed.
QByteArray Xdotool(const QString& ekran, const QStringList& argümanlar)
{
    QProcess xdotool;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("DISPLAY"), ekran);
    xdotool.setProcessEnvironment(ortam);
    xdotool.start(QStringLiteral("xdotool"), argümanlar);
    if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0)
        return {};
    return xdotool.readAllStandardOutput().trimmed();
}

int başlatılan = 0;
int doğruBiten = 0;

} // namespace

class RealExecutableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs Xvfb and xdotool");
        // The first display number nobody uses.
        for (int n = 60; n < 160 && m_ekran.isEmpty(); ++n) {
            if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))
                && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
                m_ekran = QStringLiteral(":%1").arg(n);
        }
        QVERIFY(!m_ekran.isEmpty());
        // -noreset: the server would otherwise restart, refusing connections, each
        // time the last program leaves.
        m_xvfb.start(QStringLiteral("Xvfb"), {m_ekran, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
        QVERIFY(m_xvfb.waitForStarted(5000));
        const QString soket = QStringLiteral("/tmp/.X11-unix/X") + m_ekran.mid(1);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(soket), 10000);
    }

    void cleanupTestCase()
    {
        if (m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(5000);
        }
        ÖzetYaz(QStringLiteral("real executable started from outside: %1 times, ended as expected %2 times")
                    .arg(başlatılan).arg(doğruBiten));
    }

    void brokenDatabaseShowsABoxAndEnds_data()
    {
        QTest::addColumn<Bozukluk>("bozukluk");
        QTest::newRow("missing") << Bozukluk::Yok;
        QTest::newRow("random bytes") << Bozukluk::Çöp;
        QTest::newRow("a column missing") << Bozukluk::SütunuEksik;
        QTest::newRow("no read permission") << Bozukluk::Okunamaz;
        QTest::newRow("locked exclusively") << Bozukluk::ÖzelKilitli;
    }
    void brokenDatabaseShowsABoxAndEnds()
    {
        QFETCH(Bozukluk, bozukluk);
        QTemporaryDir dizin;
        const BozukVeritabanı bozuk(dizin.path(), bozukluk);
        QVERIFY(bozuk.hazır());
        int çıkış = 0;
        PencereyiKapatınca(dizin.path(), QStringLiteral("^Kavrion$"), QStringLiteral("Return"), çıkış);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(çıkış != 0);
        ++doğruBiten;
    }

    void soundDatabaseShowsTheMainWindowAndEscEnds()
    {
        QTemporaryDir dizin;
        ŞemadanOluştur(VeritabanıYolu(dizin.path()));
        int çıkış = -1;
        PencereyiKapatınca(dizin.path(), QStringLiteral("^Zelvora - CPM \\(Kritik Yol Yöntemi\\) Uygulaması$"),
                           QStringLiteral("Escape"), çıkış);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(çıkış, 0);
        ++doğruBiten;
    }

private:
    // Starts a copy of the program in `klasör` (it looks for Proje.mdb beside itself),
    // waits for the window whose title matches, presses the key and gives the exit
    // status. Nothing in the folder may be created or changed meanwhile.
    void PencereyiKapatınca(const QString& klasör, const QString& başlık, const QString& tuş, int& çıkış)
    {
        const QString program = klasör + QStringLiteral("/kavrion");
        QVERIFY(QFile::copy(YardımcıProgram(QStringLiteral("kavrion")), program));
        const QStringList önce = KlasörGörünümü(klasör);

        QProcess kavrion;
        ProgramıÇalıştır(kavrion, program);
        const QByteArray pencere = PencereyiBekle(başlık);
        QVERIFY2(!pencere.isEmpty(), qPrintable(QStringLiteral("no window \"%1\" appeared; the program said: ")
                                                    .arg(başlık)
                                                + QString::fromLocal8Bit(kavrion.readAllStandardError())));
        Tuşla(pencere, tuş);
        QVERIFY(kavrion.waitForFinished(15000));
        QCOMPARE(kavrion.exitStatus(), QProcess::NormalExit);
        çıkış = kavrion.exitCode();
        QCOMPARE(KlasörGörünümü(klasör), önce);
    }

    void ProgramıÇalıştır(QProcess& kavrion, const QString& program)
    {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("DISPLAY"), m_ekran);
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        kavrion.setProcessEnvironment(ortam);
        // Under root, file permissions only hold once the right to override them is gone.
        if (geteuid() == 0)
            kavrion.start(QStringLiteral("setpriv"), {"--inh-caps=-all", "--bounding-set=-dac_override,-dac_read_search",
                                                      "--", program});
        else
            kavrion.start(program);
        ++başlatılan;
        QVERIFY(kavrion.waitForStarted(5000));
    }

    QByteArray PencereyiBekle(const QString& başlık) const
    {
        const QDeadlineTimer süre(30000);
        while (!süre.hasExpired()) {
            const QByteArray pencereler = Xdotool(m_ekran, {"search", "--onlyvisible", "--name", başlık});
            if (!pencereler.isEmpty())
                return pencereler.split('\n').first();
            QThread::msleep(100);
        }
        return {};
    }

    void Tuşla(const QByteArray& pencere, const QString& tuş) const
    {
        Xdotool(m_ekran, {"windowfocus", "--sync", QString::fromLatin1(pencere), "key", tuş});
    }

    QString m_ekran;
    QProcess m_xvfb;
};

QTEST_GUILESS_MAIN(RealExecutableTest)
#include "tst_DisaridanBaslatma.moc"
