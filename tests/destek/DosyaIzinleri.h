#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// While it lives, this thread is held to file permissions as any user is: the right
// to override them is dropped from its effective capabilities and given back at the
// end. The suite runs as root in CI, and root would otherwise read unreadable files
// and write read-only ones.
class DosyaIzinleriGecerli {
public:
    DosyaIzinleriGecerli()
    {
        __user_cap_data_struct veri[2];
        if (!Cagir(SYS_capget, veri))
            return;
        m_onceki = veri[0].effective;
        veri[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_degisti = Cagir(SYS_capset, veri);
    }
    ~DosyaIzinleriGecerli()
    {
        __user_cap_data_struct veri[2];
        if (m_degisti && Cagir(SYS_capget, veri)) {
            veri[0].effective = m_onceki;
            Cagir(SYS_capset, veri);
        }
    }
    DosyaIzinleriGecerli(const DosyaIzinleriGecerli&) = delete;
    DosyaIzinleriGecerli& operator=(const DosyaIzinleriGecerli&) = delete;

private:
    static bool Cagir(long cagri, __user_cap_data_struct (&veri)[2])
    {
        __user_cap_header_struct baslik{_LINUX_CAPABILITY_VERSION_3, 0};
        return syscall(cagri, &baslik, veri) == 0;
    }
    unsigned m_onceki = 0;
    bool m_degisti = false;
};
