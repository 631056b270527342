#include "componentbase.h"

#include <cstring>

#include "vst3_strings.h"

namespace Steinberg::Vst {

tresult PLUGIN_API ComponentBase::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IPluginBase>(iid, obj, this) || query_as<IConnectionPoint>(iid, obj, this))
        return kResultOk;
    if (uid_equal(iid, FUnknown::iid)) {
        addRef();
        *obj = static_cast<FUnknown*>(static_cast<IPluginBase*>(this));
        return kResultOk;
    }
    *obj = nullptr;
    return kNoInterface;
}

tresult PLUGIN_API ComponentBase::initialize(FUnknown* context)
{
    if (hostContext_)
        return kResultFalse;
    hostContext_.reset(context);
    return kResultOk;
}

tresult PLUGIN_API ComponentBase::terminate()
{
    hostContext_.reset();
    peer_.reset();
    return kResultOk;
}

tresult PLUGIN_API ComponentBase::connect(IConnectionPoint* other)
{
    if (!other)
        return kInvalidArgument;
    if (peer_)
        return kResultFalse;
    peer_.reset(other);
    return kResultOk;
}

tresult PLUGIN_API ComponentBase::disconnect(IConnectionPoint* other)
{
    if (!peer_ || other != peer_.get())
        return kResultFalse;
    peer_.reset();
    return kResultOk;
}

tresult PLUGIN_API ComponentBase::notify(IMessage* message)
{
    if (!message)
        return kInvalidArgument;
    const char8* id = message->getMessageID();
    IAttributeList* attributes = message->getAttributes();
    if (!id || std::strcmp(id, kTextMessageId) != 0 || !attributes)
        return kResultFalse;
    TChar text16[256] = {};
    if (attributes->getString(kTextAttribute, text16, sizeof(text16)) != kResultOk)
        return kResultFalse;
    text16[255] = 0;  // a host may fill the whole buffer
    char8 text[512];
    utf16_to_utf8(text16, text, sizeof(text));
    return receiveText(text);
}

IPtr<IMessage> ComponentBase::allocateMessage() const
{
    IPtr<IHostApplication> host = query<IHostApplication>(hostContext_.get());
    if (!host)
        return {};
    TUID cid, iid;
    FUID(iids::IMessage).toTUID(cid);
    FUID(iids::IMessage).toTUID(iid);
    void* obj = nullptr;
    if (host->createInstance(cid, iid, &obj) != kResultOk || !obj)
        return {};
    return IPtr<IMessage>(static_cast<IMessage*>(obj), false);
}

tresult ComponentBase::sendMessage(IMessage* message) const
{
    if (!message || !peer_)
        return kResultFalse;
    return peer_->notify(message);
}

tresult ComponentBase::sendTextMessage(const char8* text) const
{
    if (!peer_)
        return kResultFalse;
    IPtr<IMessage> message = allocateMessage();
    if (!message || !message->getAttributes())
        return kResultFalse;
    message->setMessageID(kTextMessageId);
    TChar text16[256];
    to_string128(text16, text);
    message->getAttributes()->setString(kTextAttribute, text16);
    return sendMessage(message.get());
}

}  // namespace Steinberg::Vst
