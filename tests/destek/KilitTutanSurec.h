#pragma once

#include "destek/YardimciProgram.h"

#include <QProcess>

// Another process (kilit-tutucu) holding a write or an exclusive lock on a database
// file for as long as this object lives.
class KilitTutanSurec {
public:
    enum class Kilit { Yazma, Ozel };

    KilitTutanSurec(const QString& yol, Kilit kilit)
    {
        m_surec.start(YardimciProgram(QStringLiteral("kilit-tutucu")),
                      {yol, kilit == Kilit::Ozel ? QStringLiteral("özel") : QStringLiteral("yazma")});
        if (m_surec.waitForStarted(30000) && m_surec.waitForReadyRead(30000))
            m_tutuyor = m_surec.readLine().trimmed() == QStringLiteral("hazır").toUtf8();
    }
    // Closing its input lets the lock go.
    ~KilitTutanSurec()
    {
        m_surec.closeWriteChannel();
        if (!m_surec.waitForFinished(30000)) {
            m_surec.kill();
            m_surec.waitForFinished(30000);
        }
    }
    KilitTutanSurec(const KilitTutanSurec&) = delete;
    KilitTutanSurec& operator=(const KilitTutanSurec&) = delete;

    // True once the other process has said that it holds the lock.
    bool tutuyor() const { return m_tutuyor; }

private:
    QProcess m_surec;
    bool m_tutuyor = false;
};
