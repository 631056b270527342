// The Windows module's start and end: one window engine and one font engine
// for every view. The engine registers its window class under this build's
// own identifier, so the VST2, VST3 and AAX modules can share a process.
#include <algorithm>
#include <vector>

#include "CPlugEditorViewWin32.h"
#include "afx/afx_engine_windows.h"
#include "afx/win32/afx_engine_win32.h"
#include "afx_font_engine.h"
#include "module_engines.h"
#include "module_entry.h"

AFX_engine* G_GUI_engine = nullptr;
AFX_font_engine* G_FONT_engine = nullptr;

namespace {

constexpr afx_win32_policy kVst3Policy{"5D17A3C09E42", false, true};

std::vector<Steinberg::Vst::CPlugEditorViewWin32*>& liveViews()
{
    static std::vector<Steinberg::Vst::CPlugEditorViewWin32*> views;
    return views;
}

}  // namespace

namespace Steinberg::Vst {

void trackView(CPlugEditorViewWin32* view, bool alive)
{
    auto& views = liveViews();
    if (alive)
        views.push_back(view);
    else
        std::erase(views, view);
}

}  // namespace Steinberg::Vst

bool InitModule()
{
    AFX_engine_win32::set_module_instance(moduleHandle());
    if (G_GUI_engine)
        return true;
    G_GUI_engine = new AFX_engine;
    win32_ext(*G_GUI_engine).set_policy(kVst3Policy);
    G_FONT_engine = new AFX_font_engine(G_GUI_engine);
    return true;
}

// Views a host still holds lose their windows and images while the engine
// exists; they stay closed afterwards.
bool DeinitModule()
{
    if (!G_GUI_engine)
        return true;
    for (Steinberg::Vst::CPlugEditorViewWin32* view : liveViews())
        view->releaseEngine();
    window_ext(*G_GUI_engine).destroy_all_windows();
    delete G_FONT_engine;
    G_FONT_engine = nullptr;
    delete G_GUI_engine;
    G_GUI_engine = nullptr;
    return true;
}
