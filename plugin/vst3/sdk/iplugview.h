#pragma once
// Editor view and the host frame around it.
#include "funknown.h"

namespace Steinberg {

struct ViewRect {
    int32 left = 0;
    int32 top = 0;
    int32 right = 0;
    int32 bottom = 0;
    int32 getWidth() const { return right - left; }
    int32 getHeight() const { return bottom - top; }
};

struct IPlugFrame;

struct IPlugView : FUnknown {
    VST3_INTERFACE_IID(IPlugView);
    virtual tresult PLUGIN_API isPlatformTypeSupported(FIDString type) = 0;
    virtual tresult PLUGIN_API attached(void* parent, FIDString type) = 0;
    virtual tresult PLUGIN_API removed() = 0;
    virtual tresult PLUGIN_API onWheel(float distance) = 0;
    virtual tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) = 0;
    virtual tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) = 0;
    virtual tresult PLUGIN_API getSize(ViewRect* size) = 0;
    virtual tresult PLUGIN_API onSize(ViewRect* newSize) = 0;
    virtual tresult PLUGIN_API onFocus(TBool state) = 0;
    virtual tresult PLUGIN_API setFrame(IPlugFrame* frame) = 0;
    virtual tresult PLUGIN_API canResize() = 0;
    virtual tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) = 0;
};

struct IPlugFrame : FUnknown {
    VST3_INTERFACE_IID(IPlugFrame);
    virtual tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) = 0;
};

}  // namespace Steinberg
