#pragma once
// The VST3 program record and the six programs of the host's program list.
// The VST2 build has its own record with a shorter name; the two live in
// different namespaces.
#include "plug_ids.h"
#include "plug_params.h"

namespace Steinberg::Vst {

struct CPlugProgram {
    CPlugProgram();
    float value[::vlt::params::kProgramValues];  // in gain .. makeup, effect in
    char8 name[64];
};

namespace vlt650 {
// Program 0 is "Factory Defaults", then "01 - Light Vocal" .. "05 - ...".
void buildFactoryPrograms(CPlugProgram (&programs)[kProgramCount]);
}  // namespace vlt650

}  // namespace Steinberg::Vst
