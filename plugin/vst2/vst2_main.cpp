// The library's only export. Hosts look up `main`; g++ insists that a
// C++ function of that name return int, so it carries another name and
// takes `main` as its symbol.
#include "CPlugFactory.h"

extern "C" __attribute__((visibility("default"))) AEffect*
vlt650_vst2_main(audioMasterCallback host) __asm__("main");

extern "C" AEffect* vlt650_vst2_main(audioMasterCallback host)
{
    return create_plug_effect(host, make_plug_editor);
}
