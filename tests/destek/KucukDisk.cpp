#include "destek/KucukDisk.h"

#include <QByteArray>
#include <QFile>
#include <sched.h>
#include <sys/mount.h>

namespace {

// A mount namespace of the process's own, so that nothing it mounts is seen outside
// and nothing is left behind if the test dies.
bool KendiBağlamaAlanı()
{
    static const bool hazır = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return hazır;
}

QString DolguDosyası(const QString& klasör)
{
    return klasör + QStringLiteral("/dolgu");
}

} // namespace

KüçükDisk::KüçükDisk(int kilobayt)
{
    if (!m_dizin.isValid() || !KendiBağlamaAlanı())
        return;
    const QByteArray seçenek = "size=" + QByteArray::number(kilobayt) + "k,mode=0700";
    m_bağlı = mount("kavrion-deneme", QFile::encodeName(klasör()).constData(), "tmpfs", 0, seçenek.constData()) == 0;
}

KüçükDisk::~KüçükDisk()
{
    if (m_bağlı)
        umount2(QFile::encodeName(klasör()).constData(), MNT_DETACH);
}

bool KüçükDisk::Doldur()
{
    QFile dolgu(DolguDosyası(klasör()));
    if (!dolgu.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray parça(4096, '\0');
    for (qint64 boy = parça.size(); boy > 0;) {
        if (dolgu.write(parça.constData(), boy) != boy)
            boy /= 2; // the last pages: fill what still fits
    }
    return true;
}

void KüçükDisk::Boşalt()
{
    QFile::remove(DolguDosyası(klasör()));
}
