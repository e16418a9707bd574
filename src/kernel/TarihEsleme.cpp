#include "kernel/TarihEsleme.h"

QDate GununTarihi(const IsTakvimi& takvim, const QDate& baslama, qint64 gun)
{
    if (!baslama.isValid())
        return QDate();
    if (takvim.HerGunCalisilir())
        return baslama.addDays(gun);
    return takvim.IsGunuEkle(takvim.IlkIsGunu(baslama), gun);
}
