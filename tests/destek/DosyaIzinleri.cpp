#include "destek/DosyaIzinleri.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool Oku(__user_cap_data_struct (&veri)[2])
{
    __user_cap_header_struct başlık{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &başlık, veri) == 0;
}

bool Yaz(__user_cap_data_struct (&veri)[2])
{
    __user_cap_header_struct başlık{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &başlık, veri) == 0;
}

constexpr quint32 Bit(int yetki)
{
    return quint32(1) << yetki;
}

} // namespace

DosyaİzinleriGeçerli::DosyaİzinleriGeçerli()
{
    __user_cap_data_struct veri[2];
    if (!Oku(veri))
        return;
    m_önceki[0] = veri[0].effective;
    m_önceki[1] = veri[1].effective;
    veri[0].effective &= ~(Bit(CAP_DAC_OVERRIDE) | Bit(CAP_DAC_READ_SEARCH));
    m_değişti = Yaz(veri);
}

DosyaİzinleriGeçerli::~DosyaİzinleriGeçerli()
{
    __user_cap_data_struct veri[2];
    if (!m_değişti || !Oku(veri))
        return;
    veri[0].effective = m_önceki[0];
    veri[1].effective = m_önceki[1];
    Yaz(veri);
}
