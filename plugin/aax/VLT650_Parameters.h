#pragma once
// The plug-in's effect parameters: eight parameters, one data-in port
// each, and the compressor placed in the host's private-data block.
#include "AAX_CEffectParameters.h"

class VLT650_Parameters final : public AAX_CEffectParameters {
public:
    static IACFUnknown* Create();

    AAX_Result EffectInit() override;
    AAX_Result ResetFieldData(int32_t field, void* data, uint32_t size) const override;
};
