#pragma once
// Every interface identifier this layer knows, in one table. Each interface
// takes its `iid` from here; the tests walk the same table.
#include "vst3_types.h"

// X(name, l1, l2, l3, l4)
#define VST3_INTERFACE_TABLE(X)                                          \
    X(FUnknown, 0x00000000, 0x00000000, 0xC0000000, 0x00000046)          \
    X(IPluginBase, 0x22888DDB, 0x156E45AE, 0x8358B348, 0x08190625)       \
    X(IPluginFactory, 0x7A4D811C, 0x52114A1F, 0xAED9D2EE, 0x0B43BF9F)    \
    X(IPluginFactory2, 0x0007B650, 0xF24B4C0B, 0xA464EDB9, 0xF00B2ABB)   \
    X(IBStream, 0xC3BF6EA2, 0x30994752, 0x9B6BF990, 0x1EE33E9B)          \
    X(IPlugView, 0x5BC32507, 0xD06049EA, 0xA6151B52, 0x2B755B29)         \
    X(IPlugFrame, 0x367FAF01, 0xAFA94693, 0x8D4DA2A0, 0xED0882A3)        \
    X(IComponent, 0xE831FF31, 0xF2D54301, 0x928EBBEE, 0x25697802)        \
    X(IAudioProcessor, 0x42043F99, 0xB7DA453C, 0xA569E79D, 0x9AAEC33D)   \
    X(IConnectionPoint, 0x70A4156F, 0x6E6E4026, 0x989148BF, 0xAA60D8D1)  \
    X(IMessage, 0x936F033B, 0xC6C047DB, 0xBB0882F8, 0x13C1E613)          \
    X(IAttributeList, 0x1E5F0AEB, 0xCC7F4533, 0xA2544011, 0x38AD5EE4)    \
    X(IHostApplication, 0x58E595CC, 0xDB2D4969, 0x8B6AAF8C, 0x36A664E5)  \
    X(IEditController, 0xDCD7BBE3, 0x7742448D, 0xA874AACC, 0x979C759E)   \
    X(IComponentHandler, 0x93A0BEA3, 0x0BD045DB, 0x8E890B0C, 0xC1E46AC6) \
    X(IParameterChanges, 0xA4779663, 0x0BB64A56, 0xB44384A8, 0x466FEB9D) \
    X(IParamValueQueue, 0x01263A18, 0xED074F6F, 0x98C9D356, 0x4686F9BA)  \
    X(IUnitInfo, 0x3D4BD6B5, 0x913A4FD2, 0xA886E768, 0xA5EB92C1)         \
    X(IUnitHandler, 0x4B5147F8, 0x4654486B, 0x8DAB30BA, 0x163A3C56)      \
    X(IMidiMapping, 0xDF0FF9F7, 0x49B74669, 0xB63AB732, 0x7ADBF5E5)      \
    X(IGainReductionInfo, 0x8E3C292C, 0x95924F9D, 0xB2590B1E, 0x100E4198)

namespace Steinberg::iids {
#define VST3_IID_WORDS(name, a, b, c, d) inline constexpr UidWords name{a, b, c, d};
VST3_INTERFACE_TABLE(VST3_IID_WORDS)
#undef VST3_IID_WORDS
}  // namespace Steinberg::iids

// Gives an interface struct its identifier bytes.
#define VST3_INTERFACE_IID(name) \
    static constexpr ::Steinberg::UidBytes iid = ::Steinberg::inline_uid(::Steinberg::iids::name)
