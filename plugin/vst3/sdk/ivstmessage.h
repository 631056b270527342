#pragma once
// Messages between processor and controller, and the host application that
// creates them.
#include "funknown.h"

namespace Steinberg::Vst {

struct IAttributeList : FUnknown {
    VST3_INTERFACE_IID(IAttributeList);
    virtual tresult PLUGIN_API setInt(AttrID id, int64 value) = 0;
    virtual tresult PLUGIN_API getInt(AttrID id, int64& value) = 0;
    virtual tresult PLUGIN_API setFloat(AttrID id, double value) = 0;
    virtual tresult PLUGIN_API getFloat(AttrID id, double& value) = 0;
    virtual tresult PLUGIN_API setString(AttrID id, const TChar* string) = 0;
    virtual tresult PLUGIN_API getString(AttrID id, TChar* string, uint32 sizeInBytes) = 0;
    virtual tresult PLUGIN_API setBinary(AttrID id, const void* data, uint32 sizeInBytes) = 0;
    virtual tresult PLUGIN_API getBinary(AttrID id, const void*& data, uint32& sizeInBytes) = 0;
};

struct IMessage : FUnknown {
    VST3_INTERFACE_IID(IMessage);
    virtual FIDString PLUGIN_API getMessageID() = 0;
    virtual void PLUGIN_API setMessageID(FIDString id) = 0;
    virtual IAttributeList* PLUGIN_API getAttributes() = 0;
};

struct IConnectionPoint : FUnknown {
    VST3_INTERFACE_IID(IConnectionPoint);
    virtual tresult PLUGIN_API connect(IConnectionPoint* other) = 0;
    virtual tresult PLUGIN_API disconnect(IConnectionPoint* other) = 0;
    virtual tresult PLUGIN_API notify(IMessage* message) = 0;
};

struct IHostApplication : FUnknown {
    VST3_INTERFACE_IID(IHostApplication);
    virtual tresult PLUGIN_API getName(String128 name) = 0;
    virtual tresult PLUGIN_API createInstance(TUID cid, TUID iid, void** obj) = 0;
};

}  // namespace Steinberg::Vst
