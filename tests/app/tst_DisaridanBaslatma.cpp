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

const QString AnaPencere = QStringLiteral("^Zelvora - CPM \\(Kritik Yol Yöntemi\\) Uygulaması$");

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
        PencereyiKapatınca(dizin.path(), AnaPencere, QStringLiteral("Escape"), çıkış);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(çıkış, 0);
        ++doğruBiten;
    }

    // One process per file: a second start on the same file ends at once with status 0
    // and brings the first window up; a start on another file opens a window of its own.
    void secondStartOnTheSameFileRaisesTheFirst()
    {
        QTemporaryDir birinci, ikinci;
        const QString ilkProgram = Kopyala(birinci.path());
        const QString başkaProgram = Kopyala(ikinci.path());
        QProcess ilk, başka, yine;
        ProgramıÇalıştır(ilk, ilkProgram);
        const QByteArray ilkPencere = PencereyiBekle(AnaPencere, ilk.processId());
        QVERIFY(!ilkPencere.isEmpty());
        ProgramıÇalıştır(başka, başkaProgram);
        const QByteArray başkaPencere = PencereyiBekle(AnaPencere, başka.processId());
        QVERIFY(!başkaPencere.isEmpty());
        // Without a window manager the server turns down the focus request (its time
        // is older than xdotool's), so "in front" is read from the stacking order,
        // which search gives bottom first.
        const auto üstteki = [&] { return Xdotool(m_ekran, {"search", "--onlyvisible", "--name", AnaPencere})
                                              .split('\n').last(); };
        Xdotool(m_ekran, {"windowraise", QString::fromLatin1(başkaPencere)});
        QTRY_COMPARE_WITH_TIMEOUT(üstteki(), başkaPencere, 5000);

        ProgramıÇalıştır(yine, ilkProgram);
        QVERIFY(yine.waitForFinished(10000));
        QCOMPARE(yine.exitStatus(), QProcess::NormalExit);
        QCOMPARE(yine.exitCode(), 0);
        ++doğruBiten;
        QTRY_COMPARE_WITH_TIMEOUT(üstteki(), ilkPencere, 5000);

        for (auto [süreç, pencere] : {std::pair(&ilk, ilkPencere), std::pair(&başka, başkaPencere)}) {
            Tuşla(pencere, QStringLiteral("Escape"));
            QVERIFY(süreç->waitForFinished(15000));
            QCOMPARE(süreç->exitCode(), 0);
            ++doğruBiten;
        }
        QCOMPARE(Kalanlar(), QStringList());
    }

    // The lock dies with its holder: after a SIGKILL the next start opens the window.
    void killedFirstProcessDoesNotBlockTheNext()
    {
        QTemporaryDir dizin;
        const QString program = Kopyala(dizin.path());
        QProcess ilk;
        ProgramıÇalıştır(ilk, program);
        QVERIFY(!PencereyiBekle(AnaPencere, ilk.processId()).isEmpty());
        ilk.kill();
        QVERIFY(ilk.waitForFinished(5000));
        QVERIFY(!Kalanlar().isEmpty()); // the lock a killed holder leaves behind
        ++doğruBiten;

        QProcess sonraki;
        ProgramıÇalıştır(sonraki, program);
        const QByteArray pencere = PencereyiBekle(AnaPencere, sonraki.processId());
        QVERIFY2(!pencere.isEmpty(), sonraki.readAllStandardError().constData());
        Tuşla(pencere, QStringLiteral("Escape"));
        QVERIFY(sonraki.waitForFinished(15000));
        QCOMPARE(sonraki.exitCode(), 0);
        ++doğruBiten;
        // The killed holder's lock and pipe were taken over and are gone with the next.
        QCOMPARE(Kalanlar(), QStringList());
    }

private:
    // A copy of the program beside a sound Proje.mdb in `klasör`.
    static QString Kopyala(const QString& klasör)
    {
        ŞemadanOluştur(VeritabanıYolu(klasör));
        const QString program = klasör + QStringLiteral("/kavrion");
        QFile::copy(YardımcıProgram(QStringLiteral("kavrion")), program);
        return program;
    }

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
        ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_çalışma.path());
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

    // The window whose title matches, of the process `süreç` when one is given.
    QByteArray PencereyiBekle(const QString& başlık, qint64 süreç = 0) const
    {
        // The pattern must come last: xdotool reads what follows it as its next command.
        QStringList argümanlar{"search", "--all", "--onlyvisible"};
        if (süreç)
            argümanlar << "--pid" << QString::number(süreç);
        argümanlar << "--name" << başlık;
        const QDeadlineTimer süre(30000);
        while (!süre.hasExpired()) {
            const QByteArray pencereler = Xdotool(m_ekran, argümanlar);
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

    // What the program keeps while it runs (its lock, its pipe) in a folder of the test's own.
    QStringList Kalanlar() const
    {
        return QDir(m_çalışma.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

    QString m_ekran;
    QProcess m_xvfb;
    QTemporaryDir m_çalışma;
};

QTEST_GUILESS_MAIN(RealExecutableTest)
#include "tst_DisaridanBaslatma.moc"
