#include "CPlugFactory.h"

#include <new>

#include "CPlug.h"
#include "build_traits.h"
#include "plug_params.h"

AEffect* create_plug_effect(audioMasterCallback host, CPlugEditorFactory makeEditor) noexcept
{
    try {
        auto* plug = new CPlug(host, vst2::kNumPrograms, vlt::params::kHostParams, makeEditor);
        return plug->getAeffect();
    } catch (...) {
        return nullptr;
    }
}
