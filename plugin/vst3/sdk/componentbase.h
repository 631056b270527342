#pragma once
// What processor and controller share: the host context, the connection to
// the other half, and text messages over that connection.
#include "fobject.h"
#include "ipluginbase.h"
#include "ivstmessage.h"

namespace Steinberg::Vst {

class ComponentBase : public FObject, public IPluginBase, public IConnectionPoint {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;

    tresult PLUGIN_API connect(IConnectionPoint* other) override;
    tresult PLUGIN_API disconnect(IConnectionPoint* other) override;
    // Hands the "Text" of a "TextMessage" to receiveText.
    tresult PLUGIN_API notify(IMessage* message) override;

    virtual tresult receiveText(const char8* text) { return kResultOk; }

    FUnknown* getHostContext() const { return hostContext_.get(); }
    IConnectionPoint* getPeer() const { return peer_.get(); }

    // A new message from the host application, or empty when the host has
    // none to give.
    IPtr<IMessage> allocateMessage() const;
    tresult sendMessage(IMessage* message) const;
    tresult sendTextMessage(const char8* text) const;

private:
    IPtr<FUnknown> hostContext_;
    IPtr<IConnectionPoint> peer_;
};

inline constexpr const char8* kTextMessageId = "TextMessage";
inline constexpr const char8* kTextAttribute = "Text";

}  // namespace Steinberg::Vst
