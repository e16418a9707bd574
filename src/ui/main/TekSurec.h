#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class QLockFile;
class QSocketNotifier;
class QWidget;

// One Kavrion process per database file. The first start on a file holds a lock
// named after the file itself (its device and inode, so a hard link, a symbolic link
// or another spelling of its path meets the same lock) and keeps a named pipe open
// beside it; a second start on the same file finds the lock held, writes into the
// pipe so that the first brings its window to the front, and should end without
// opening the file. The main window holds it, and takes another file's before it moves
// there. The lock dies with its process, so a process that was killed blocks no later start.
class TekSurec {
public:
    // Takes the lock of the file at `veritabaniYolu`, or asks its holder to come to
    // the front. A missing file is not checked, and start-up goes on to explain it.
    // When no lock can be made, says why on standard error and lets the start go on:
    // a second window on one file is better than none. Needs the application object.
    explicit TekSurec(const QString& veritabaniYolu);
    ~TekSurec();
    TekSurec(const TekSurec&) = delete;
    TekSurec& operator=(const TekSurec&) = delete;

    // Another process has the file open and has been asked to come to the front.
    bool BaskasiAcik() const { return m_baskasiAcik; }
    // The window that comes to the front when a later start on the file asks.
    void OneGetirilecek(QWidget* pencere) { m_pencere = pencere; }

    // The folder of the locks, the same for every start of this user whatever its
    // environment says (XDG_RUNTIME_DIR, TMPDIR): /run/user/<uid>, which the login
    // manager makes for the user, when it is there, and /tmp/kavrion-<uid> otherwise.
    // Either must be a folder (not a link) of this user that nobody else may enter,
    // or a name in it could be taken by someone else first; empty when none serves.
    static QString KilitKlasoru();
    // The path, without its ending, of the lock and the pipe of the file at
    // `veritabaniYolu` in that folder; empty when there is no such file or folder.
    static QString KilitAdi(const QString& veritabaniYolu);

private:
    void Dinle(const QString& kanal);
    void IstegiKarsila();

    // Destroyed in reverse: the pipe goes before the lock is given up.
    std::unique_ptr<QLockFile> m_kilit;
    QString m_kanal;
    int m_kanalUcu = -1;
    std::unique_ptr<QSocketNotifier> m_gozcu;
    QPointer<QWidget> m_pencere;
    bool m_baskasiAcik = false;
};
