#include "CPlugFactory.h"

#include <new>

#include "CPlug.h"
#include "build_traits.h"
#include "vst2_param_ids.h"

AEffect* create_plug_effect(audioMasterCallback host, CPlugEditorFactory makeEditor) noexcept
{
    try {
        auto* plug = new CPlug(host, vst2::kNumPrograms, vlt::params::vst2::kHostVisible, makeEditor);
        return plug->getAeffect();
    } catch (...) {
        return nullptr;
    }
}
