#include "module_entry_count.h"

#include "module_entry.h"

namespace {
int gEntryCount = 0;
}  // namespace

bool enterModule()
{
    if (++gEntryCount > 1)
        return true;
    try {
        return InitModule();
    } catch (...) {
        return false;
    }
}

bool leaveModule()
{
    if (gEntryCount == 0)
        return false;
    if (--gEntryCount > 0)
        return true;
    try {
        return DeinitModule();
    } catch (...) {
        return false;
    }
}
