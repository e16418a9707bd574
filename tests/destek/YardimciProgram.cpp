#include "destek/YardimciProgram.h"

#include <QProcess>
#include <linux/capability.h>
#include <sys/prctl.h>

ProgramSonucu ProgramiCalistir(const QString& program, const QStringList& argumanlar, const QString& klasor)
{
    QProcess surec;
    surec.setChildProcessModifier([] {
        prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    });
    if (!klasor.isEmpty())
        surec.setWorkingDirectory(klasor);
    surec.start(program, argumanlar);
    if (!surec.waitForFinished(60000) || surec.exitStatus() != QProcess::NormalExit)
        return {};
    return {surec.exitCode(), surec.readAllStandardOutput(), surec.readAllStandardError()};
}
