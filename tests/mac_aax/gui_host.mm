#import <Foundation/Foundation.h>

#include "gui_host.h"

#include "nsview_container.h"

namespace fake {

AAX_IACFEffectGUI* make_gui(EffectDescriptor& effect, Host& host)
{
    auto create =
        reinterpret_cast<AAX_CCreateObjectProc>(effect.procPtrs.at(kAAX_ProcPtrID_Create_EffectGUI));
    void* got = nullptr;
    if (create()->QueryInterface(IID_IAAXEffectGUIV1, &got) != 0 || !got)
        return nullptr;
    auto* gui = static_cast<AAX_IACFEffectGUI*>(got);
    if (gui->Initialize(&host) != 0) {
        gui->Release();
        return nullptr;
    }
    return gui;
}

AAX_Result set_container(AAX_IACFEffectGUI* gui, NSViewContainer* container)
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    const AAX_Result r = gui->SetViewContainer(container ? &container->host : nullptr);
    [pool release];
    return r;
}

}  // namespace fake
