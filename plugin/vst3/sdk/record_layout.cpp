// Compile-time checks that the records match what hosts lay out.
#include <cstddef>

#include "ivstcomponent.h"
#include "ivsteditcontroller.h"
#include "ivstmessage.h"

namespace Steinberg {
using namespace Vst;

static_assert(sizeof(TUID) == 16);
static_assert(sizeof(TChar) == 2);
static_assert(sizeof(PFactoryInfo) == 452);
static_assert(offsetof(PFactoryInfo, url) == 64 && offsetof(PFactoryInfo, email) == 320 &&
              offsetof(PFactoryInfo, flags) == 448);
static_assert(sizeof(PClassInfo) == 116);
static_assert(offsetof(PClassInfo, category) == 20 && offsetof(PClassInfo, name) == 52);
static_assert(sizeof(PClassInfo2) == 440);
static_assert(offsetof(PClassInfo2, classFlags) == 116 && offsetof(PClassInfo2, subCategories) == 120 &&
              offsetof(PClassInfo2, vendor) == 248 && offsetof(PClassInfo2, version) == 312 &&
              offsetof(PClassInfo2, sdkVersion) == 376);
static_assert(sizeof(BusInfo) == 276);
static_assert(offsetof(BusInfo, name) == 12 && offsetof(BusInfo, busType) == 268 &&
              offsetof(BusInfo, flags) == 272);
static_assert(sizeof(RoutingInfo) == 12);
static_assert(sizeof(ParameterInfo) == 792);
static_assert(offsetof(ParameterInfo, shortTitle) == 260 && offsetof(ParameterInfo, units) == 516 &&
              offsetof(ParameterInfo, stepCount) == 772 &&
              offsetof(ParameterInfo, defaultNormalizedValue) == 776 &&
              offsetof(ParameterInfo, unitId) == 784 && offsetof(ParameterInfo, flags) == 788);
static_assert(sizeof(UnitInfo) == 268 && offsetof(UnitInfo, programListId) == 264);
static_assert(sizeof(ProgramListInfo) == 264 && offsetof(ProgramListInfo, programCount) == 260);
static_assert(sizeof(ViewRect) == 16);
#if INTPTR_MAX == INT64_MAX
static_assert(sizeof(ProcessSetup) == 24 && offsetof(ProcessSetup, sampleRate) == 16);
static_assert(sizeof(AudioBusBuffers) == 24 && offsetof(AudioBusBuffers, silenceFlags) == 8 &&
              offsetof(AudioBusBuffers, channelBuffers32) == 16);
static_assert(sizeof(ProcessData) == 80);
static_assert(offsetof(ProcessData, numOutputs) == 16 && offsetof(ProcessData, inputs) == 24 &&
              offsetof(ProcessData, outputs) == 32 && offsetof(ProcessData, inputParameterChanges) == 40 &&
              offsetof(ProcessData, outputParameterChanges) == 48 &&
              offsetof(ProcessData, inputEvents) == 56 && offsetof(ProcessData, processContext) == 72);
#endif
// An interface is a vtable pointer and nothing else.
static_assert(sizeof(FUnknown) == sizeof(void*) && sizeof(IComponent) == sizeof(void*));

}  // namespace Steinberg
