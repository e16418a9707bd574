#include "ui/main/TekSurec.h"

#include "store/DosyaKimligi.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe and not a local socket: Qt's sockets live in Qt Network, which would
// add its load time and a couple of megabytes to every start for one byte a day.

namespace {

// A folder this user alone may enter: not a link, the user's own, no rights for others.
bool YalnizBizim(const QByteArray& yol)
{
    struct stat durum {};
    return ::lstat(yol.constData(), &durum) == 0 && S_ISDIR(durum.st_mode) && durum.st_uid == ::geteuid()
           && (durum.st_mode & 077) == 0;
}

QString Ad(const QString& klasor, const DosyaKimligi& kimlik)
{
    return klasor + QStringLiteral("/kavrion-%1-%2").arg(qulonglong(kimlik.aygit)).arg(qulonglong(kimlik.dugum));
}

// Said on standard error when the start goes on without the lock.
void Uyar(const QString& neden)
{
    std::fprintf(stderr,
                 "kavrion: %s; bu dosyanın başka bir Kavrion penceresinde açık olup olmadığına bakılamadı.\n",
                 qUtf8Printable(neden));
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

QString TekSurec::KilitKlasoru()
{
    // /run/user is computed from the user id, as logind names it, and /tmp is written
    // out: a variable one start has and another lacks would give them two locks.
    const QByteArray kullanici = QByteArray::number(qulonglong(::geteuid()));
    const QByteArray calisma = "/run/user/" + kullanici, gecici = "/tmp/kavrion-" + kullanici;
    if (YalnizBizim(calisma))
        return QFile::decodeName(calisma);
    ::mkdir(gecici.constData(), 0700);
    return YalnizBizim(gecici) ? QFile::decodeName(gecici) : QString();
}

QString TekSurec::KilitAdi(const QString& veritabaniYolu)
{
    const auto kimlik = DosyaKimliginiOku(veritabaniYolu);
    const QString klasor = kimlik ? KilitKlasoru() : QString();
    return klasor.isEmpty() ? QString() : Ad(klasor, *kimlik);
}

TekSurec::TekSurec(const QString& veritabaniYolu)
{
    const auto kimlik = DosyaKimliginiOku(veritabaniYolu);
    if (!kimlik)
        return;
    const QString klasor = KilitKlasoru();
    if (klasor.isEmpty()) {
        Uyar(QStringLiteral("kilit klasörü \"/tmp/kavrion-%1\" yalnız bu kullanıcıya ait bir klasör değil")
                 .arg(::geteuid()));
        return;
    }
    const QString ad = Ad(klasor, *kimlik);
    auto kilit = std::make_unique<QLockFile>(ad + QStringLiteral(".lock"));
    // Only a dead holder makes a lock stale, never its age: Kavrion may run for days.
    kilit->setStaleLockTime(0);
    if (!kilit->tryLock(0)) {
        // Any other failure (no room, no permission) is no reason to refuse a start.
        if (kilit->error() == QLockFile::LockFailedError) {
            m_baskasiAcik = true;
            OneGelmesiniIste(ad + QStringLiteral(".fifo"));
        } else {
            const QString neden =
                kilit->error() == QLockFile::PermissionError ? QStringLiteral(" (yazma izni yok)") : QString();
            Uyar(QStringLiteral("\"%1.lock\" oluşturulamadı%2").arg(ad, neden));
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
