#include "secret_text.h"

#include "control_bytes.h"

#include <string.h>
#include <sys/prctl.h>
#include <sys/resource.h>

size_t append_printable(char* buf, size_t cap, const char* text)
{
    if (cap == 0)
        return 0;
    size_t len = strnlen(buf, cap - 1);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p && *p && len + 1 < cap; ++p)
        if (!is_control_byte(*p))
            buf[len++] = static_cast<char>(*p);
    buf[len] = 0;
    return len;
}

void CSecretText::assign_filtered(const char* text)
{
    wipe();
    append_printable(buf_, kCapacity, text);
}

void CSecretText::wipe() { explicit_bzero(buf_, kCapacity); }

void wipe_text(char* text, size_t cap)
{
    if (text)
        explicit_bzero(text, cap);
}

void keep_secrets_out_of_dumps()
{
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}
