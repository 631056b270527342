// The GUI object of the Linux test module: the host-facing behaviour of
// the editor object (value cache, updates, attach and detach) without a
// platform view, which only the macOS and Windows builds have.
#include <cstring>

#include "AAX_CEffectGUI.h"
#include "VLT650_GUI.h"
#include "VLT650_Layout.h"

namespace {

const char* const kShown[] = {"InGain", "Thresh", "Attack", "Release", "Ratio", "Makeup", "In"};
constexpr int kShownCount = 7;

class VLT650_HeadlessGUI final : public AAX_CEffectGUI {
public:
    AAX_Result ParameterUpdated(AAX_CParamID id) override
    {
        return aax_guarded([&] {
            for (int i = 0; i < kShownCount; ++i)
                if (id && std::strcmp(id, kShown[i]) == 0) {
                    pull(i);
                    return AAX_SUCCESS;
                }
            return AAX_ERROR_INVALID_PARAMETER_ID;
        });
    }

private:
    void pull(int i)
    {
        double v = 0;
        if (GetEffectParameters() && GetEffectParameters()->GetParameterNormalizedValue(kShown[i], &v) == 0)
            m_cache[i] = float(v);
    }
    void CreateViewContents() override {}
    void CreateViewContainer() override
    {
        for (int i = 0; i < kShownCount; ++i)
            pull(i);
        // What the editor shows first: the meter as the host reports it now.
        m_meter = AAX_CurrentMeterValue(GetController(), kVLT650_MeterID);
    }
    void DeleteViewContainer() override {}

    float m_cache[kShownCount] = {};
    float m_meter = 0;
};

}  // namespace

IACFUnknown* VLT650_GUI_Create() { return static_cast<AAX_IACFEffectGUI*>(new VLT650_HeadlessGUI()); }
