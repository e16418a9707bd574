#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// While it lives, this thread is held to file permissions as any user is: the right
// to override them is dropped from its effective capabilities and given back at the
// end. The suite runs as root in CI, and root would otherwise read unreadable files
// and write read-only ones.
class DosyaİzinleriGeçerli {
public:
    DosyaİzinleriGeçerli()
    {
        __user_cap_data_struct veri[2];
        if (!Çağır(SYS_capget, veri))
            return;
        m_önceki = veri[0].effective;
        veri[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_değişti = Çağır(SYS_capset, veri);
    }
    ~DosyaİzinleriGeçerli()
    {
        __user_cap_data_struct veri[2];
        if (m_değişti && Çağır(SYS_capget, veri)) {
            veri[0].effective = m_önceki;
            Çağır(SYS_capset, veri);
        }
    }
    DosyaİzinleriGeçerli(const DosyaİzinleriGeçerli&) = delete;
    DosyaİzinleriGeçerli& operator=(const DosyaİzinleriGeçerli&) = delete;

private:
    static bool Çağır(long çağrı, __user_cap_data_struct (&veri)[2])
    {
        __user_cap_header_struct başlık{_LINUX_CAPABILITY_VERSION_3, 0};
        return syscall(çağrı, &başlık, veri) == 0;
    }
    unsigned m_önceki = 0;
    bool m_değişti = false;
};
