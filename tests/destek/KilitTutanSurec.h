#pragma once

#include "destek/YardimciProgram.h"

#include <QProcess>

// Another process (kilit-tutucu) holding a write or an exclusive lock on a database
// file for as long as this object lives.
class KilitTutanSüreç {
public:
    enum class Kilit { Yazma, Özel };

    KilitTutanSüreç(const QString& yol, Kilit kilit)
    {
        m_süreç.start(YardımcıProgram(QStringLiteral("kilit-tutucu")),
                      {yol, kilit == Kilit::Özel ? QStringLiteral("özel") : QStringLiteral("yazma")});
        if (m_süreç.waitForStarted(5000) && m_süreç.waitForReadyRead(5000))
            m_tutuyor = m_süreç.readLine().trimmed() == QStringLiteral("hazır").toUtf8();
    }
    // Closing its input lets the lock go.
    ~KilitTutanSüreç()
    {
        m_süreç.closeWriteChannel();
        if (!m_süreç.waitForFinished(5000)) {
            m_süreç.kill();
            m_süreç.waitForFinished(5000);
        }
    }
    KilitTutanSüreç(const KilitTutanSüreç&) = delete;
    KilitTutanSüreç& operator=(const KilitTutanSüreç&) = delete;

    // True once the other process has said that it holds the lock.
    bool tutuyor() const { return m_tutuyor; }

private:
    QProcess m_süreç;
    bool m_tutuyor = false;
};
