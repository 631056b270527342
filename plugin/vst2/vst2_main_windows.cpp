// The Windows library's entry: hosts look up `VSTPluginMain` or, older
// ones, `main`; the export list gives both names this one address.
#include "CPlugFactory.h"

extern "C" AEffect* VSTPluginMain(audioMasterCallback host)
{
    return create_plug_effect(host, make_plug_editor);
}
