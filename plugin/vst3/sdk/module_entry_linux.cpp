// Linux module entry: hosts call ModuleEntry once per load of the library
// and ModuleExit as often.
#include "module_entry.h"
#include "module_entry_count.h"

VST3_EXPORT bool ModuleEntry(void*) { return enterModule(); }

VST3_EXPORT bool ModuleExit() { return leaveModule(); }
