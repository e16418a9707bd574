#include "drawing/GanttTakvimi.h"

#include "kernel/TarihEsleme.h"

#include <algorithm>

GanttTakvimi::GanttTakvimi(const IsTakvimi& takvim, const QDate& baslama, qint64 sonGun)
    : m_takvim(takvim), m_ilk(baslama)
{
    if (!baslama.isValid() || takvim.HerGunCalisilir())
        return;
    m_esleniyor = true;
    m_ilk = takvim.IlkIsGunu(baslama);
    // One walk over the span: the chart asks for every bar's columns and every shaded day. It
    // stops at the last year a date is written in; a day count beyond is counted on its own.
    qint64 sutun = 0;
    for (QDate gun = m_ilk; gun.isValid() && gun.year() <= 9999 && m_konum.size() <= sonGun;
         gun = gun.addDays(1), ++sutun) {
        if (takvim.CalisilirMi(gun))
            m_konum.append(sutun);
        else if (!m_calisilmayanlar.isEmpty() && m_calisilmayanlar.back().son == sutun)
            m_calisilmayanlar.back().son = sutun + 1;
        else
            m_calisilmayanlar.append({sutun, sutun + 1});
    }
}

qint64 GanttTakvimi::Baslangic(qint64 gun) const
{
    if (!m_esleniyor)
        return gun;
    if (gun >= 0 && gun < m_konum.size())
        return m_konum.at(gun);
    // Beyond the mapped span (a negative duration's day): counted on its own.
    const QDate tarih = GununTarihi(m_takvim, m_ilk, gun);
    return tarih.isValid() ? m_ilk.daysTo(tarih) : gun;
}

qint64 GanttTakvimi::Sinir(qint64 sinir) const
{
    return m_esleniyor && sinir > 0 ? Baslangic(sinir - 1) + 1 : Baslangic(sinir);
}

QDate GanttTakvimi::Tarih(qint64 sutun) const
{
    return m_ilk.isValid() ? m_ilk.addDays(sutun) : QDate();
}

std::optional<qint64> GanttTakvimi::Sutun(const QDate& tarih) const
{
    if (!m_ilk.isValid() || !tarih.isValid())
        return std::nullopt;
    return m_ilk.daysTo(tarih);
}

bool GanttTakvimi::Calisilmaz(qint64 sutun) const
{
    const auto it = std::upper_bound(m_calisilmayanlar.cbegin(), m_calisilmayanlar.cend(), sutun,
                                     [](qint64 s, const Aralik& a) { return s < a.ilk; });
    return it != m_calisilmayanlar.cbegin() && sutun < std::prev(it)->son;
}
