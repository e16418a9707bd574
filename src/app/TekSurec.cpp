#include "app/TekSurec.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe and not a local socket: Qt's sockets live in Qt Network, which would
// add its load time and a couple of megabytes to every start for one byte a day.

namespace {

// The lock and the pipe live in the user's own runtime folder when there is one:
// names in a shared /tmp could be taken by someone else first.
QString Klasor()
{
    const QString calisma = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!calisma.isEmpty() && QFileInfo(calisma).isDir())
        return calisma;
    return QDir::tempPath();
}

// The user id keeps two users' processes on one shared file apart, as each has a
// window on a display of its own.
QString Ad(const QString& kanonikYol)
{
    const QByteArray anahtar = kanonikYol.toUtf8() + '\n' + QByteArray::number(qulonglong(getuid()));
    const QByteArray ozet = QCryptographicHash::hash(anahtar, QCryptographicHash::Sha1).toHex().left(20);
    return QDir(Klasor()).filePath(QStringLiteral("kavrion-") + QString::fromLatin1(ozet));
}

// Opens the pipe at `yol`, and only a pipe: a link or a file put there by someone
// else is neither followed nor written.
int KanaliAc(const QString& yol, int kip)
{
    const int uc = ::open(QFile::encodeName(yol).constData(), kip | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    struct stat durum {};
    if (uc >= 0 && (::fstat(uc, &durum) != 0 || !S_ISFIFO(durum.st_mode))) {
        ::close(uc);
        return -1;
    }
    return uc;
}

// The first process takes its lock before it opens the pipe, so the pipe may be a
// moment late; a holder that never opens it must not keep this process alive.
void OneGelmesiniIste(const QString& kanal)
{
    const QDeadlineTimer sure(3000);
    for (;;) {
        const int uc = KanaliAc(kanal, O_WRONLY);
        if (uc >= 0) {
            [[maybe_unused]] const auto yazilan = ::write(uc, "1", 1);
            ::close(uc);
            return;
        }
        if (sure.hasExpired())
            return;
        QThread::msleep(20);
    }
}

void OneGetir(QWidget* pencere)
{
    if (pencere) {
        pencere->setWindowState(pencere->windowState() & ~Qt::WindowMinimized);
        pencere->show();
        pencere->raise();
        pencere->activateWindow();
    }
    // An open dialog, or the box of a start-up that failed, stays above and keeps the keyboard.
    if (QWidget* diyalog = QApplication::activeModalWidget()) {
        diyalog->raise();
        diyalog->activateWindow();
    }
}

} // namespace

TekSurec::TekSurec(const QString& veritabaniYolu)
{
    const QString kanonik = QFileInfo(veritabaniYolu).canonicalFilePath();
    if (kanonik.isEmpty())
        return;
    const QString ad = Ad(kanonik);
    auto kilit = std::make_unique<QLockFile>(ad + QStringLiteral(".lock"));
    // Only a dead holder makes a lock stale, never its age: Kavrion may run for days.
    kilit->setStaleLockTime(0);
    if (!kilit->tryLock(0)) {
        // Any other failure (no room, no permission) is no reason to refuse a start.
        if (kilit->error() == QLockFile::LockFailedError) {
            m_baskasiAcik = true;
            OneGelmesiniIste(ad + QStringLiteral(".fifo"));
        }
        return;
    }
    m_kilit = std::move(kilit);
    Dinle(ad + QStringLiteral(".fifo"));
}

void TekSurec::Dinle(const QString& kanal)
{
    // A pipe left by a killed holder is ours to replace now that we hold the lock.
    const QByteArray yol = QFile::encodeName(kanal);
    ::unlink(yol.constData());
    if (::mkfifo(yol.constData(), 0600) != 0)
        return;
    m_kanal = kanal;
    // Read and write: with a writer of its own the pipe never reads as closed when
    // a later start has written and gone, so the notifier stays quiet between asks.
    m_kanalUcu = KanaliAc(kanal, O_RDWR);
    if (m_kanalUcu < 0)
        return;
    m_gozcu = std::make_unique<QSocketNotifier>(m_kanalUcu, QSocketNotifier::Read);
    QObject::connect(m_gozcu.get(), &QSocketNotifier::activated, m_gozcu.get(), [this] { IstegiKarsila(); });
}

TekSurec::~TekSurec()
{
    m_gozcu.reset();
    if (m_kanalUcu >= 0)
        ::close(m_kanalUcu);
    if (!m_kanal.isEmpty())
        ::unlink(QFile::encodeName(m_kanal).constData());
}

void TekSurec::IstegiKarsila()
{
    // However many starts asked meanwhile, one bringing to the front answers them all.
    char artik[64];
    while (::read(m_kanalUcu, artik, sizeof artik) > 0) {
    }
    OneGetir(m_pencere);
}
