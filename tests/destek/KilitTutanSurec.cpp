#include "destek/KilitTutanSurec.h"

#include "destek/YardimciProgram.h"

KilitTutanSüreç::KilitTutanSüreç(const QString& yol, Kilit kilit)
{
    m_süreç.start(YardımcıProgram(QStringLiteral("kilit-tutucu")),
                  {yol, kilit == Kilit::Özel ? QStringLiteral("özel") : QStringLiteral("yazma")});
    if (m_süreç.waitForStarted(5000) && m_süreç.waitForReadyRead(5000))
        m_tutuyor = m_süreç.readLine().trimmed() == QStringLiteral("hazır").toUtf8();
}

KilitTutanSüreç::~KilitTutanSüreç()
{
    Bırak();
}

void KilitTutanSüreç::Bırak()
{
    if (m_süreç.state() == QProcess::NotRunning)
        return;
    m_süreç.closeWriteChannel();
    if (!m_süreç.waitForFinished(5000)) {
        m_süreç.kill();
        m_süreç.waitForFinished(5000);
    }
}
