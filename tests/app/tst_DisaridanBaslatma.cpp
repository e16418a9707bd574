// ctest-etiket: guvenilirlik
// The real kavrion executable, started as a user would on a real X display (Xvfb):
// a missing Proje.mdb shows a box titled Kavrion, Enter closes it and the process
// ends with a non-zero status; a sound one shows the main window and Esc ends it,
// one process per file.
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/YardimciProgram.h"
#include "destek/Ozet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
        // Xvfb picks a display nobody uses and says its number once it accepts
        // connections. -noreset: it would otherwise restart, refusing connections,
        // each time the last program leaves.
        m_xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
        QVERIFY(m_xvfb.waitForStarted(5000) && m_xvfb.waitForReadyRead(10000));
        m_ekran = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readLine().trimmed());
    }

    void cleanupTestCase()
    {
        if (m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(5000);
        }
        ÖzetYaz(QStringLiteral("real executable started from outside (a missing file, a second start on the same "
                               "file, after a killed one): %1 starts, ended as expected %2 times")
                    .arg(başlatılan).arg(doğruBiten));
    }

    // Every kind of broken file is tried in-process in tst_Baslangic; this shows that
    // the real program gets as far as the box, ends with an error status when Enter
    // closes it, and leaves the folder as it was.
    void brokenDatabaseShowsABoxAndEnds()
    {
        QTemporaryDir dizin;
        const QString program = dizin.path() + QStringLiteral("/kavrion");
        QVERIFY(QFile::copy(YardımcıProgram(QStringLiteral("kavrion")), program));
        const QStringList önce = KlasörGörünümü(dizin.path());
        QProcess kavrion;
        ProgramıÇalıştır(kavrion, program);
        const QByteArray pencere = PencereyiBekle(QStringLiteral("^Kavrion$"), kavrion.processId());
        QVERIFY2(!pencere.isEmpty(), kavrion.readAllStandardError().constData());
        Tuşla(pencere, QStringLiteral("Return"));
        QVERIFY(kavrion.waitForFinished(15000));
        QCOMPARE(kavrion.exitStatus(), QProcess::NormalExit);
        QVERIFY(kavrion.exitCode() != 0);
        QCOMPARE(KlasörGörünümü(dizin.path()), önce);
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

    void ProgramıÇalıştır(QProcess& kavrion, const QString& program)
    {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("DISPLAY"), m_ekran);
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_çalışma.path());
        kavrion.setProcessEnvironment(ortam);
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
        QByteArray pencereler;
        if (!QTest::qWaitFor([&] { return !(pencereler = Xdotool(m_ekran, argümanlar)).isEmpty(); }, 30000))
            return {};
        return pencereler.split('\n').first();
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
