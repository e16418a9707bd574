#include "kernel/TarihEsleme.h"

QDate GununTarihi(const QDate& baslama, qint64 gun)
{
    return baslama.isValid() ? baslama.addDays(gun) : QDate();
}
