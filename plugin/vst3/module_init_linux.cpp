// Linux needs no module-wide set-up: no editor, no global engines.
#include "module_entry.h"

bool InitModule() { return true; }
bool DeinitModule() { return true; }
