// ctest-etiket: guvenilirlik
// The real kavrion executable, started as a user would on a real X display (Xvfb):
// a missing Proje.mdb, or a server that is down, shows a box titled Kavrion, Enter closes
// it and the process ends with a non-zero status; a sound one shows the main window and Esc ends it,
// one process per file, by whatever path and with whatever environment it is reached.
// The program gets no session bus, on purpose: without one, the accessibility bridge
// would have libdbus start a bus of its own on the test's display. Every wait is a
// bound of 30 s for a condition, not a sleep.
#include "destek/BozukVeritabani.h"
#include "destek/GeciciVeritabani.h"
#include "destek/YardimciProgram.h"
#include "destek/Ozet.h"
#include "ui/main/TekSurec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QRegularExpression>
#include <grp.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs xdotool and gives its output, or nothing when it failed.
QByteArray Xdotool(const QString& ekran, const QStringList& argumanlar)
{
    QProcess xdotool;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("DISPLAY"), ekran);
    xdotool.setProcessEnvironment(ortam);
    xdotool.start(QStringLiteral("xdotool"), argumanlar);
    if (!xdotool.waitForFinished(30000) || xdotool.exitCode() != 0)
        return {};
    return xdotool.readAllStandardOutput().trimmed();
}

const QString AnaPencere = QStringLiteral("^Zelvora - CPM \\(Kritik Yol Yöntemi\\) Uygulaması — ");

int baslatilan = 0;
int dogruBiten = 0;

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
        QVERIFY(m_xvfb.waitForStarted(30000) && m_xvfb.waitForReadyRead(30000));
        m_ekran = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readLine().trimmed());
    }

    void cleanupTestCase()
    {
        if (m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(30000);
        }
        OzetYaz(QStringLiteral("real executable started from outside (a missing file, a second start on the same "
                               "file, after a killed one): %1 starts, ended as expected %2 times")
                    .arg(baslatilan).arg(dogruBiten));
    }

    // Every kind of broken file is tried in-process in tst_Baslangic; this shows that
    // the real program gets as far as the box, ends with an error status when Enter
    // closes it, and leaves the folder as it was.
    void brokenDatabaseShowsABoxAndEnds()
    {
        QTemporaryDir dizin;
        const QString program = dizin.path() + QStringLiteral("/kavrion");
        QVERIFY(QFile::copy(YardimciProgram(QStringLiteral("kavrion")), program));
        const QStringList once = KlasorGorunumu(dizin.path());
        QProcess kavrion;
        ProgramiCalistir(kavrion, program);
        const QByteArray pencere = PencereyiBekle(QStringLiteral("^Kavrion$"), kavrion.processId());
        QVERIFY2(!pencere.isEmpty(), kavrion.readAllStandardError().constData());
        Tusla(pencere, QStringLiteral("Return"));
        QVERIFY(kavrion.waitForFinished(30000));
        QCOMPARE(kavrion.exitStatus(), QProcess::NormalExit);
        QVERIFY(kavrion.exitCode() != 0);
        QCOMPARE(KlasorGorunumu(dizin.path()), once);
        ++dogruBiten;
    }

    // A server that is not there (a socket folder with no server in it): the same one box and
    // status 1; no file is looked for.
    void serverThatIsDownShowsABoxAndEnds()
    {
        QTemporaryDir dizin;
        QProcess kavrion;
        ProgramiCalistir(kavrion, YardimciProgram(QStringLiteral("kavrion")), true,
                         {"--sunucu", "host=" + dizin.path() + " dbname=plan"});
        const QByteArray pencere = PencereyiBekle(QStringLiteral("^Kavrion$"), kavrion.processId());
        QVERIFY2(!pencere.isEmpty(), kavrion.readAllStandardError().constData());
        Tusla(pencere, QStringLiteral("Return"));
        QVERIFY(kavrion.waitForFinished(30000));
        QCOMPARE(kavrion.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kavrion.exitCode(), 1);
        ++dogruBiten;
    }

    // One process per file: a second start on the same file ends at once with status 0
    // and brings the first window up, whether it names the file by the same path or by
    // a hard link in another folder, with the first's XDG_RUNTIME_DIR or without one;
    // a start on another file opens a window of its own.
    void secondStartOnTheSameFileRaisesTheFirst()
    {
        QTemporaryDir birinci, ikinci, ucuncu;
        const QString ilkProgram = Kopyala(birinci.path());
        const QString baskaProgram = Kopyala(ikinci.path());
        const QString bagliProgram = ucuncu.filePath(QStringLiteral("kavrion"));
        QVERIFY(QFile::copy(YardimciProgram(QStringLiteral("kavrion")), bagliProgram));
        QCOMPARE(::link(QFile::encodeName(VeritabaniYolu(birinci.path())).constData(),
                        QFile::encodeName(VeritabaniYolu(ucuncu.path())).constData()), 0);
        QProcess ilk, baska;
        ProgramiCalistir(ilk, ilkProgram);
        const QByteArray ilkPencere = PencereyiBekle(AnaPencere, ilk.processId());
        QVERIFY(!ilkPencere.isEmpty());
        ProgramiCalistir(baska, baskaProgram);
        const QByteArray baskaPencere = PencereyiBekle(AnaPencere, baska.processId());
        QVERIFY(!baskaPencere.isEmpty());
        // Without a window manager the server turns down the focus request (its time
        // is older than xdotool's), so "in front" is read from the stacking order,
        // which search gives bottom first.
        const auto ustteki = [&] { return Xdotool(m_ekran, {"search", "--onlyvisible", "--name", AnaPencere})
                                              .split('\n').last(); };
        for (auto [program, calismaKlasoru] : {std::pair(ilkProgram, true), std::pair(ilkProgram, false),
                                               std::pair(bagliProgram, true)}) {
            Xdotool(m_ekran, {"windowraise", QString::fromLatin1(baskaPencere)});
            QTRY_COMPARE_WITH_TIMEOUT(ustteki(), baskaPencere, 30000);
            QProcess yine;
            ProgramiCalistir(yine, program, calismaKlasoru);
            QVERIFY2(yine.waitForFinished(30000), qPrintable(program));
            QCOMPARE(yine.exitStatus(), QProcess::NormalExit);
            QCOMPARE(yine.exitCode(), 0);
            ++dogruBiten;
            QTRY_COMPARE_WITH_TIMEOUT(ustteki(), ilkPencere, 30000);
        }

        for (auto [surec, pencere] : {std::pair(&ilk, ilkPencere), std::pair(&baska, baskaPencere)}) {
            Tusla(pencere, QStringLiteral("Escape"));
            QVERIFY(surec->waitForFinished(30000));
            QCOMPARE(surec->exitCode(), 0);
            ++dogruBiten;
        }
        QCOMPARE(Kalanlar(birinci.path()), QStringList());
    }

    // The lock dies with its holder: after a SIGKILL the next start opens the window.
    void killedFirstProcessDoesNotBlockTheNext()
    {
        QTemporaryDir dizin;
        const QString program = Kopyala(dizin.path());
        QProcess ilk;
        ProgramiCalistir(ilk, program);
        QVERIFY(!PencereyiBekle(AnaPencere, ilk.processId()).isEmpty());
        ilk.kill();
        QVERIFY(ilk.waitForFinished(30000));
        QVERIFY(!Kalanlar(dizin.path()).isEmpty()); // the lock a killed holder leaves behind
        ++dogruBiten;

        QProcess sonraki;
        ProgramiCalistir(sonraki, program);
        const QByteArray pencere = PencereyiBekle(AnaPencere, sonraki.processId());
        QVERIFY2(!pencere.isEmpty(), sonraki.readAllStandardError().constData());
        Tusla(pencere, QStringLiteral("Escape"));
        QVERIFY(sonraki.waitForFinished(30000));
        QCOMPARE(sonraki.exitCode(), 0);
        ++dogruBiten;
        // The killed holder's lock and pipe were taken over and are gone with the next.
        QCOMPARE(Kalanlar(dizin.path()), QStringList());
    }

    // An installed program, in a folder the user cannot write: the first start makes the plan
    // file in the data folder and says so in one box, the next opens it without one; a file
    // named on the command line is opened instead, and a Proje.mdb beside the program is used
    // even there. The caption names the file. As root the starts are held to file permissions.
    // With KAVRION_PAKET_KOKU, the program is the one from the Debian package extracted there.
    void anInstalledProgramKeepsItsFileInTheDataFolder()
    {
        const QString paket = qEnvironmentVariable("KAVRION_PAKET_KOKU");
        const QString program = paket.isEmpty() ? YardimciProgram(QStringLiteral("kavrion")) : paket + "/usr/bin/kavrion";
        QTemporaryDir dizin;
        const QString bin = dizin.filePath("bin"), veri = dizin.filePath("veri/kavrion/Proje.mdb");
        const QString baska = dizin.filePath("başka.mdb"), yaninda = VeritabaniYolu(bin);
        QVERIFY(QDir(dizin.path()).mkpath("bin") && QDir(dizin.path()).mkpath("ev"));
        QVERIFY(QFile::copy(program, bin + "/kavrion"));
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        SemadanOlustur(baska);
        const auto ac = [&](const QStringList& argumanlar, const QString& dosya, bool kutu) {
            QProcess kavrion;
            QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
            ortam.insert(QStringLiteral("HOME"), dizin.filePath("ev"));
            ortam.insert(QStringLiteral("XDG_DATA_HOME"), dizin.filePath("veri"));
            kavrion.setProcessEnvironment(ortam);
            kavrion.setChildProcessModifier([] { prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0); });
            ProgramiCalistir(kavrion, bin + "/kavrion", true, argumanlar);
            if (kutu) {
                const QByteArray bilgi = PencereyiBekle(QStringLiteral("^Kavrion$"), kavrion.processId());
                QVERIFY2(!bilgi.isEmpty(), kavrion.readAllStandardError().constData());
                Tusla(bilgi, QStringLiteral("Return"));
            }
            const QByteArray pencere = PencereyiBekle(AnaPencere + QRegularExpression::escape(dosya) + '$', kavrion.processId());
            QVERIFY2(!pencere.isEmpty(), qPrintable(dosya));
            Tusla(pencere, QStringLiteral("Escape"));
            QVERIFY(kavrion.waitForFinished(30000));
            QCOMPARE(kavrion.exitCode(), 0);
            ++dogruBiten;
        };
        ac({}, veri, true);
        ac({}, veri, false);
        ac({baska}, baska, false);
        // Only the test writes the file beside the program; the folder stays read-only to it.
        const auto yazilabilir = QFile::permissions(bin) | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(bin, yazilabilir));
        SemadanOlustur(yaninda);
        QVERIFY(QFile::setPermissions(bin, yazilabilir & ~QFile::WriteOwner));
        ac({}, yaninda, false);
        QVERIFY(QFile::setPermissions(bin, yazilabilir)); // for the temporary folder's removal
        QCOMPARE(QDir(dizin.filePath("veri/kavrion")).entryList(QDir::Files), QStringList{"Proje.mdb"});
    }

    // A user whose lock folder cannot take the lock (unwritable, or someone else's)
    // still gets the window, and is told on standard error why a second one could open.
    // The user is "nobody", whose folder in /tmp the test may prepare: root only.
    void aStartWithoutItsLockStillOpensTheWindow()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to start the program as another user");
        const uid_t kimse = 65534;
        QTemporaryDir dizin;
        const QString program = Kopyala(dizin.path());
        QVERIFY(QFile::setPermissions(dizin.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
        const QByteArray klasor = "/tmp/kavrion-" + QByteArray::number(kimse);
        QDir qtKlasoru(QStringLiteral("/tmp/runtime-nobody")); // Qt's, without XDG_RUNTIME_DIR
        const bool qtKlasoruVardi = qtKlasoru.exists();
        for (auto [sahibi, kip, neden] : {std::tuple(kimse, 0500, "oluşturulamadı (yazma izni yok)"),
                                          std::tuple(uid_t(0), 0700, "yalnız bu kullanıcıya ait bir klasör değil")}) {
            ::mkdir(klasor.constData(), 0700);
            QVERIFY(::chown(klasor.constData(), sahibi, sahibi) == 0 && ::chmod(klasor.constData(), kip) == 0);
            QProcess kavrion;
            // Leaks are looked for in the starts as root: the suppressions named for
            // them may lie where this user cannot read them.
            QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
            ortam.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
            kavrion.setProcessEnvironment(ortam);
            kavrion.setChildProcessModifier([kimse] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(kimse) != 0 || ::setuid(kimse) != 0)
                    ::_exit(127);
            });
            ProgramiCalistir(kavrion, program, false);
            const QByteArray pencere = PencereyiBekle(AnaPencere, kavrion.processId());
            QVERIFY(!pencere.isEmpty()); // QVERIFY2 builds its text even on success: it would take standard error
            Tusla(pencere, QStringLiteral("Escape"));
            QVERIFY(kavrion.waitForFinished(30000));
            QCOMPARE(kavrion.exitCode(), 0);
            const QString hata = QString::fromUtf8(kavrion.readAllStandardError());
            QVERIFY2(hata.contains(QString::fromUtf8(neden)), qPrintable(hata));
            ++dogruBiten;
        }
        QCOMPARE(::rmdir(klasor.constData()), 0); // nothing was made in it
        if (!qtKlasoruVardi)
            qtKlasoru.removeRecursively();
    }

private:
    // A copy of the program beside a sound Proje.mdb in `klasor`.
    static QString Kopyala(const QString& klasor)
    {
        SemadanOlustur(VeritabaniYolu(klasor));
        const QString program = klasor + QStringLiteral("/kavrion");
        QFile::copy(YardimciProgram(QStringLiteral("kavrion")), program);
        return program;
    }

    // The test's display and no session bus ("disabled:" keeps libdbus from starting
    // one); a runtime folder of the test's own, or none. The rest (the sanitizers'
    // options among it) is the test's own environment, or what `kavrion` was given.
    void ProgramiCalistir(QProcess& kavrion, const QString& program, bool calismaKlasoru = true,
                          const QStringList& argumanlar = {})
    {
        QProcessEnvironment ortam = kavrion.processEnvironment();
        if (ortam.isEmpty())
            ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("DISPLAY"), m_ekran);
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        ortam.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        ortam.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (calismaKlasoru)
            ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_calisma.path());
        kavrion.setProcessEnvironment(ortam);
        kavrion.start(program, argumanlar);
        ++baslatilan;
        QVERIFY(kavrion.waitForStarted(30000));
    }

    // The window whose title matches, of the process `surec` when one is given.
    QByteArray PencereyiBekle(const QString& baslik, qint64 surec = 0) const
    {
        // The pattern must come last: xdotool reads what follows it as its next command.
        QStringList argumanlar{"search", "--all", "--onlyvisible"};
        if (surec)
            argumanlar << "--pid" << QString::number(surec);
        argumanlar << "--name" << baslik;
        QByteArray pencereler;
        if (!QTest::qWaitFor([&] { return !(pencereler = Xdotool(m_ekran, argumanlar)).isEmpty(); }, 30000))
            return {};
        return pencereler.split('\n').first();
    }

    void Tusla(const QByteArray& pencere, const QString& tus) const
    {
        Xdotool(m_ekran, {"windowfocus", "--sync", QString::fromLatin1(pencere), "key", tus});
    }

    // What the program keeps while it runs on the Proje.mdb in `klasor` (its lock, its
    // pipe), and nothing else of its folder, which other programs use too.
    static QStringList Kalanlar(const QString& klasor)
    {
        const QFileInfo ad(TekSurec::KilitAdi(VeritabaniYolu(klasor)));
        if (ad.fileName().isEmpty())
            return {QStringLiteral("(no lock folder)")};
        return ad.dir().entryList({ad.fileName() + '*'}, QDir::AllEntries | QDir::System);
    }

    QString m_ekran;
    QProcess m_xvfb;
    QTemporaryDir m_calisma;
};

QTEST_GUILESS_MAIN(RealExecutableTest)
#include "tst_DisaridanBaslatma.moc"
